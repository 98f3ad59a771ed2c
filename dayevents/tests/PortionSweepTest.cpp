// Whole-calendar checks of the portion schedule over every Hebrew year 5600-6200, in
// Israel and in the Diaspora.

#include "DayEventsTestDates.h"

#include "dayevents/YearType.h"
#include "calendar/HebrewCalendar.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using namespace vessant;
using namespace vessant::testing;

namespace {

constexpr int kFirstYear = 5600;
constexpr int kLastYear = 6200;

struct Shabbat {
    DATE_STRUCT date;
    PORTION_INFO portion;
    bool festivalInList; // the day list marks a festival or Chol Hamoed day
};

bool FestivalInList(const DAY_EVENTS& list) {
    for (int i = 0; i < DayEventCount(list); ++i) {
        const DAY_EVENT e = list.entries[i];
        if (e.code != kCodeOmer && (e.value == kDayYomTov || e.value == kDayCholHamoed))
            return true;
    }
    return false;
}

// The Shabbatot of one Hebrew year.
std::vector<Shabbat> ShabbatotOf(int year, bool diaspora) {
    std::vector<Shabbat> result;
    DATE_STRUCT date = HebrewDay(year, kTishrei, 1);
    AddDays(date, 7 - Weekday(date));
    while (date.hebYear == year) {
        result.push_back({date, PortionOf(date, diaspora), FestivalInList(EventsOf(date, diaspora))});
        AddDays(date, 7);
    }
    return result;
}

struct Schedules {
    std::map<int, std::vector<Shabbat>> israel, diaspora;
};

const Schedules& AllSchedules() {
    static const Schedules schedules = [] {
        Schedules s;
        for (int year = kFirstYear; year <= kLastYear; ++year) {
            s.israel[year] = ShabbatotOf(year, false);
            s.diaspora[year] = ShabbatotOf(year, true);
        }
        return s;
    }();
    return schedules;
}

bool Same(const PORTION_INFO& a, const PORTION_INFO& b) {
    return a.first == b.first && a.second == b.second && a.special == b.special;
}

} // namespace

TEST(PortionSweep, EveryShabbatHasAPortionOrIsAFestival) {
    for (const bool diaspora : {false, true}) {
        const auto& years = diaspora ? AllSchedules().diaspora : AllSchedules().israel;
        for (const auto& [year, shabbatot] : years) {
            for (const Shabbat& s : shabbatot) {
                SCOPED_TRACE(::testing::Message() << year << " " << s.date.hebMonth << "/" << s.date.hebDay
                                                  << (diaspora ? " Diaspora" : " Israel"));
                const PORTION_INFO& p = s.portion;
                EXPECT_EQ(p.first == 0, s.festivalInList);
                EXPECT_EQ(p.first == 0, IsFestivalDay(s.date.hebMonth, s.date.hebDay, diaspora));
                if (p.first == 0) {
                    EXPECT_EQ(p.second, 0);
                    EXPECT_EQ(p.special, 0);
                } else {
                    EXPECT_GE(p.first, 1);
                    EXPECT_LE(p.first, 53);
                    EXPECT_TRUE(p.second == 0 || p.second == p.first + 1);
                }
            }
        }
    }
}

// From one Bereshit to the next every portion 1..53 is read once, alone or joined, in order.
TEST(PortionSweep, EveryCycleReadsEachPortionOnceInOrder) {
    for (const bool diaspora : {false, true}) {
        const auto& years = diaspora ? AllSchedules().diaspora : AllSchedules().israel;
        std::vector<int> cycle;
        int cycles = 0;
        int startYear = 0;
        for (const auto& [year, shabbatot] : years) {
            for (const Shabbat& s : shabbatot) {
                if (s.portion.first == 1) {
                    if (startYear != 0) {
                        SCOPED_TRACE(::testing::Message() << "cycle from " << startYear
                                                          << (diaspora ? " Diaspora" : " Israel"));
                        ASSERT_EQ(cycle.size(), 53u);
                        for (int i = 0; i < 53; ++i)
                            ASSERT_EQ(cycle[static_cast<std::size_t>(i)], i + 1);
                        ++cycles;
                    }
                    cycle.clear();
                    startYear = year;
                }
                if (s.portion.first != 0 && startYear != 0) {
                    cycle.push_back(s.portion.first);
                    if (s.portion.second != 0)
                        cycle.push_back(s.portion.second);
                }
            }
        }
        EXPECT_EQ(cycles, kLastYear - kFirstYear);
    }
}

// Israel and the Diaspora part only at a Shabbat that is a festival in the Diaspora alone,
// and meet again before the next Rosh Hashanah, to stay together.
TEST(PortionSweep, IsraelAndDiasporaDifferOnlyAfterADiasporaFestival) {
    int yearsApart = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        SCOPED_TRACE(year);
        const auto& israel = AllSchedules().israel.at(year);
        const auto& diaspora = AllSchedules().diaspora.at(year);
        ASSERT_EQ(israel.size(), diaspora.size());
        enum { Together, Apart, Rejoined } state = Together;
        for (std::size_t i = 0; i < israel.size(); ++i) {
            const bool same = Same(israel[i].portion, diaspora[i].portion);
            const bool diasporaOnlyFestival = diaspora[i].portion.first == 0 && israel[i].portion.first != 0;
            if (state == Together && !same) {
                EXPECT_TRUE(diasporaOnlyFestival) << "apart at " << israel[i].date.hebMonth << "/" << israel[i].date.hebDay;
                state = Apart;
                ++yearsApart;
            } else if (state == Apart && same) {
                state = Rejoined;
            } else if (state == Rejoined) {
                EXPECT_TRUE(same) << "apart again at " << israel[i].date.hebMonth << "/" << israel[i].date.hebDay;
            }
        }
        EXPECT_NE(state, Apart) << "still apart at the year's end";
        EXPECT_TRUE(Same(israel.back().portion, diaspora.back().portion));
    }
    EXPECT_GT(yearsApart, 0);
}

// Each special Shabbat but Kallah comes once a year; Kallah at most once.
TEST(PortionSweep, SpecialShabbatotOncePerYear) {
    for (const bool diaspora : {false, true}) {
        const auto& years = diaspora ? AllSchedules().diaspora : AllSchedules().israel;
        for (const auto& [year, shabbatot] : years) {
            SCOPED_TRACE(::testing::Message() << year << (diaspora ? " Diaspora" : " Israel"));
            std::map<int, int> count;
            for (const Shabbat& s : shabbatot)
                ++count[s.portion.special];
            for (const int special : {1, 2, 3, 4, 5, 6, 7, 9, 10, 12})
                EXPECT_EQ(count[special], 1) << "special " << special;
            EXPECT_LE(count[8], 1);
            EXPECT_EQ(count[11], 0);
        }
    }
}

// The joined pairs follow the weekdays of this and the next Rosh Hashanah.
TEST(PortionSweep, JoinedPairsFollowTheYear) {
    std::set<int> typesSeen;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        SCOPED_TRACE(year);
        const int type = YearType(year);
        ASSERT_GE(type, 1);
        ASSERT_LE(type, 14);
        typesSeen.insert(type);
        const int h = Weekday(HebrewDay(year, kTishrei, 1));
        const int nextH = Weekday(HebrewDay(year + 1, kTishrei, 1));
        const bool leap = IsHebrewLeapYear(year);
        EXPECT_EQ(leap, type >= 8);
        for (const bool diaspora : {false, true}) {
            std::set<int> joined;
            for (const Shabbat& s : diaspora ? AllSchedules().diaspora.at(year) : AllSchedules().israel.at(year))
                if (s.portion.second != 0)
                    joined.insert(s.portion.first);
            EXPECT_EQ(joined.count(51) == 1, nextH == 5 || nextH == 7);
            EXPECT_EQ(joined.count(22) == 1, !leap && !(h == 5 && nextH == 3));
            EXPECT_EQ(joined.count(27) == 1, !leap);
            EXPECT_EQ(joined.count(39) == 1, diaspora && nextH == 7);
        }
    }
    EXPECT_EQ(typesSeen.size(), 14u);
}
