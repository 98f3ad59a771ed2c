// Whole-calendar checks of the day lists: every day of every Hebrew year 5600-6200, in
// Israel and in the Diaspora. Slips in the rule table that single examples miss show up
// here as a year with two Purims or an Omer with a hole in it.

#include "DayEventsTestDates.h"

#include "calendar/HebrewCalendar.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace vessant;
using namespace vessant::testing;

namespace {

constexpr int kFirstYear = 5600;
constexpr int kLastYear = 6200;

// Calls visit(date, list) for every day of Hebrew year `year`.
template <typename Visit>
void ForEachDay(int year, bool diaspora, Visit&& visit) {
    DATE_STRUCT date = HebrewDay(year, kTishrei, 1);
    DAY_EVENTS list;
    while (date.hebYear == year) {
        BuildDayEvents(list, date, diaspora);
        visit(date, list);
        AddDays(date, 1);
    }
}

} // namespace

TEST(DayEventsSweep, YearlyDaysOmerAndListSize) {
    int fullest = 0;
    for (const bool diaspora : {false, true}) {
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            SCOPED_TRACE(::testing::Message() << year << (diaspora ? " Diaspora" : " Israel"));
            std::map<int, int> daysWithCode;
            std::vector<std::pair<int, int>> omer; // (day number, count)
            ForEachDay(year, diaspora, [&](const DATE_STRUCT& date, const DAY_EVENTS& list) {
                const int count = DayEventCount(list);
                fullest = std::max(fullest, count);
                // A full list may have dropped an entry; no day under the rules comes near.
                EXPECT_LT(count, kDayEventSlots) << date.hebMonth << "/" << date.hebDay;
                for (int i = 0; i < count; ++i) {
                    const DAY_EVENT entry = list.entries[i];
                    ++daysWithCode[entry.code];
                    if (entry.code == kCodeOmer)
                        omer.emplace_back(date.dayNumber, entry.value);
                }
                EXPECT_EQ(list.jdn, date.dayNumber);
            });
            for (const int code : {1, 7, 45})
                EXPECT_EQ(daysWithCode[code], 1) << "code " << code;
            EXPECT_EQ(daysWithCode[diaspora ? 53 : 52], 1);
            EXPECT_EQ(daysWithCode[diaspora ? 52 : 53], 0);
            ASSERT_EQ(omer.size(), 49u);
            for (std::size_t i = 0; i < omer.size(); ++i) {
                EXPECT_EQ(omer[i].second, static_cast<int>(i) + 1);
                EXPECT_EQ(omer[i].first, omer[0].first + static_cast<int>(i));
            }
            // Days that every year has exactly once, whatever the weekdays.
            for (const int code : {2, 6, 8, 17, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 41, 46, 68, 69, 71, 84, 85, 86})
                EXPECT_EQ(daysWithCode[code], 1) << "code " << code;
            EXPECT_EQ(daysWithCode[3] + daysWithCode[5], 1);   // the Fast of Gedaliah, on its day or deferred
            EXPECT_EQ(daysWithCode[42] + daysWithCode[44], 1); // the Fast of Esther, on its day or moved up
            EXPECT_EQ(daysWithCode[77] + daysWithCode[79], 1);
            EXPECT_EQ(daysWithCode[81] + daysWithCode[83], 1);
            EXPECT_EQ(daysWithCode[48] + daysWithCode[49], 1);
            EXPECT_EQ(daysWithCode[39], IsHebrewLeapYear(year) ? 1 : 0);
            EXPECT_EQ(daysWithCode[12] + daysWithCode[13] + daysWithCode[14] + daysWithCode[15] + daysWithCode[16],
                      diaspora ? 4 : 5);
            EXPECT_EQ(daysWithCode[65], year >= 5710 ? 1 : 0);
            EXPECT_EQ(daysWithCode[66], year >= 5710 ? 1 : 0);
            EXPECT_EQ(daysWithCode[67], year == 5714 ? 2 : (year >= 5708 ? 1 : 0));
            EXPECT_EQ(daysWithCode[70], year >= 5727 ? 1 : 0);
            EXPECT_EQ(daysWithCode[27], 1); // Israel on 7 Cheshvan, the Diaspora in December
            EXPECT_LE(daysWithCode[92], 1);
        }
    }
    RecordProperty("fullest_day_list", fullest);
}

// From 5764 on the day list and HolidayDate apply the same moves, so the day HolidayDate
// names carries the code, or the code of the moved day.
TEST(DayEventsSweep, HolidayDateAgreesWithTheDayList) {
    const std::map<int, int> kMovedCode = {{3, 5}, {42, 44}, {50, 51}, {77, 79}, {81, 83}};
    for (int year = 5764; year <= kLastYear; ++year) {
        SCOPED_TRACE(year);
        for (const int code : kYearDetailsHolidayCodes) {
            const int jdn = HolidayDate(year, code);
            DATE_STRUCT date = HebrewDay(year, kTishrei, 1);
            AddDays(date, jdn - date.dayNumber);
            ASSERT_EQ(date.dayNumber, jdn);
            EXPECT_EQ(date.hebYear, year);
            const DAY_EVENTS list = EventsOf(date, false);
            const auto moved = kMovedCode.find(code);
            const bool carries = HasCode(list, code) || (moved != kMovedCode.end() && HasCode(list, moved->second));
            EXPECT_TRUE(carries) << "code " << code << " on " << date.hebMonth << "/" << date.hebDay;
        }
    }
}
