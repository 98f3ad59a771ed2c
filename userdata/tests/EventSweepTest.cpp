// Every day of a full leap year and a full common year as a birthday, an Adot Mizrach
// yahrzeit and an Ashkenazi yahrzeit: each recurs exactly once in each of the next 40
// Hebrew years, on the day the custom gives. The expected day is found here by walking
// day numbers, not by the rule tables of the code under test.

#include "userdata/EventRules.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace vessant;

namespace {

constexpr int kYearsAhead = 40;

DATE_STRUCT HebrewDay(int year, int month, int day) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetHebrewDate(date, year, month, day)) << year << "-" << month << "-" << day;
    return date;
}

// The month of year y that carries a month of another year: Adar I, Adar II and Adar
// become whichever Adar y has (the Ashkenazi custom keeps a common year's Adar in Adar I).
int CounterpartMonth(int month, int y, bool ashkenazi) {
    const bool leap = IsHebrewLeapYear(y);
    if (month == kAdarI)
        return leap ? kAdarI : kAdar;
    if (month == kAdarII)
        return leap ? kAdarII : kAdar;
    if (month == kAdar)
        return leap ? (ashkenazi ? kAdarI : kAdarII) : kAdar;
    return month;
}

// Day number of the expected recurrence in year y of a day (month, day) of year f.
int ExpectedDay(int type, int f, int month, int day, int y) {
    const bool ashkenazi = type == kEventYahrzeitAshkenazi;
    const int target = CounterpartMonth(month, y, ashkenazi);
    const int length = HebrewMonthLength(target, y);
    if (day <= length)
        return HebrewDay(y, target, day).dayNumber;
    // The day does not exist in year y (a 30th in a 29-day month).
    const int lastDay = HebrewDay(y, target, length).dayNumber;
    if (!ashkenazi)
        return lastDay + 1;                    // the day after the month's end
    if (month == kAdarI)
        return HebrewDay(y, kAdar, 1).dayNumber - 1;   // the last day of Shevat
    // 30 Cheshvan or Kislev: the first yahrzeit sets the custom for short years.
    const bool firstWasShort = HebrewMonthLength(month, f + 1) < 30;
    return firstWasShort ? lastDay : lastDay + 1;
}

class EventSweep : public testing::Test {
protected:
    // The calendar records of every day of Hebrew years [first, last], by day number.
    static void SetUpTestSuite() {
        days_ = new std::vector<DATE_STRUCT>;
        byYear_ = new std::map<int, std::pair<int, int>>;
    }
    static void TearDownTestSuite() {
        delete days_;
        delete byYear_;
    }

    static const std::vector<DATE_STRUCT>& DaysOfYears(int first, int last) {
        days_->clear();
        byYear_->clear();
        DATE_STRUCT day = HebrewDay(first, kTishrei, 1);
        const int end = HebrewDay(last + 1, kTishrei, 1).dayNumber;
        for (; day.dayNumber < end; AddDays(day, 1)) {
            auto& range = (*byYear_)[day.hebYear];
            if (range.second == 0)
                range.first = static_cast<int>(days_->size());
            range.second = static_cast<int>(days_->size()) + 1;
            days_->push_back(day);
        }
        return *days_;
    }

    void Sweep(int year) {
        const auto& days = DaysOfYears(year, year + kYearsAhead);
        const auto [ownFirst, ownEnd] = (*byYear_)[year];
        const int eventDays = ownEnd - ownFirst;
        ASSERT_GE(eventDays, 355);
        for (int type : {kEventBirthdayMale, kEventYahrzeitMizrach, kEventYahrzeitAshkenazi}) {
            for (int i = ownFirst; i < ownEnd; ++i) {
                const DATE_STRUCT& own = days[i];
                EVENT_STRUCT event;
                event.type = type;
                event.cal = kEventCalendarHebrew;
                event.jdn = own.dayNumber;
                for (int y = year + 1; y <= year + kYearsAhead; ++y) {
                    const auto [first, end] = (*byYear_)[y];
                    int matches = 0;
                    int matchedDay = 0;
                    for (int t = first; t < end; ++t) {
                        if (MatchEventOnDay(event, own, days[t]).recurs) {
                            ++matches;
                            matchedDay = days[t].dayNumber;
                        }
                    }
                    const int expected = ExpectedDay(type, year, own.hebMonth, own.hebDay, y);
                    if (matches != 1 || matchedDay != expected) {
                        ADD_FAILURE() << "type " << type << ", event " << own.hebDay << "/"
                                      << own.hebMonth << "/" << year << ", year " << y << ": "
                                      << matches << " matches, on day " << matchedDay
                                      << ", expected " << expected;
                        return;
                    }
                }
            }
        }
    }

    static std::vector<DATE_STRUCT>* days_;
    static std::map<int, std::pair<int, int>>* byYear_;
};

std::vector<DATE_STRUCT>* EventSweep::days_ = nullptr;
std::map<int, std::pair<int, int>>* EventSweep::byYear_ = nullptr;

} // namespace

TEST_F(EventSweep, EveryDayOfAFullLeapYearRecursOnceAYear) {
    // 5779 has 385 days: 30 Cheshvan, 30 Kislev, Adar I with its 30th and Adar II.
    ASSERT_TRUE(IsHebrewLeapYear(5779));
    ASSERT_EQ(HebrewMonthLength(kCheshvan, 5779), 30);
    ASSERT_EQ(HebrewMonthLength(kKislev, 5779), 30);
    Sweep(5779);
}

TEST_F(EventSweep, EveryDayOfAFullCommonYearRecursOnceAYear) {
    // 5785 has 355 days: 30 Cheshvan, 30 Kislev and Adar.
    ASSERT_FALSE(IsHebrewLeapYear(5785));
    ASSERT_EQ(HebrewMonthLength(kCheshvan, 5785), 30);
    ASSERT_EQ(HebrewMonthLength(kKislev, 5785), 30);
    Sweep(5785);
}
