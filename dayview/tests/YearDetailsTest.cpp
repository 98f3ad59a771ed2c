// The facts of a Hebrew year as its views show them: the epochs present only from their
// year on, the fixed days in their order and dated under the transition asked for.

#include "dayview/YearDetails.h"

#include "calendar/DateOperations.h"
#include "dayevents/DayEvents.h"
#include "testsupport/EnglishTexts.h"

#include <gtest/gtest.h>

#include <iterator>

namespace vessant {
namespace {

using YearDetailsTest = testsupport::EnglishTexts;

const YEAR_FIXED_DAY* FixedDay(const YEAR_DETAILS& details, std::int32_t code) {
    for (const YEAR_FIXED_DAY& day : details.fixedDays)
        if (day.code == code)
            return &day;
    return nullptr;
}

TEST_F(YearDetailsTest, FixedDaysOf5784InOrderWithBothDates) {
    const YEAR_DETAILS details = BuildYearDetails(5784, kTransitionUK);
    ASSERT_EQ(details.fixedDays.size(), std::size(kYearDetailsHolidayCodes));
    for (std::size_t i = 0; i < details.fixedDays.size(); ++i) {
        EXPECT_EQ(details.fixedDays[i].code, kYearDetailsHolidayCodes[i]);
        EXPECT_EQ(details.fixedDays[i].date.hebYear, 5784);
    }
    struct Case {
        std::int32_t code;
        int hebDay, hebMonth, civilYear, civilMonth, civilDay;
    };
    constexpr Case kCases[] = {
        {1, 1, kTishrei, 2023, 9, 16},   // Rosh Hashanah
        {45, 14, kAdarII, 2024, 3, 24},  // Purim of a leap year
        {52, 15, kNisan, 2024, 4, 23},   // Pesach
        {81, 9, kAv, 2024, 8, 13},       // Tisha B'Av
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.code);
        const YEAR_FIXED_DAY* day = FixedDay(details, c.code);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->name, DayEventText(c.code));
        EXPECT_EQ(day->date.hebDay, c.hebDay);
        EXPECT_EQ(day->date.hebMonth, c.hebMonth);
        const DATE_TRIPLE civil = CivilDateForDisplay(day->date);
        EXPECT_EQ(civil.year, c.civilYear);
        EXPECT_EQ(civil.month, c.civilMonth);
        EXPECT_EQ(civil.day, c.civilDay);
    }
}

TEST_F(YearDetailsTest, SentencesAndEpochsFollowTheYear) {
    struct Case {
        int year;
        bool temple, state, jerusalem;
        bool shmitaYear;
    };
    constexpr Case kCases[] = {
        {3829, false, false, false, true},
        {3830, true, false, false, false},
        {5727, true, true, true, false},
        {5782, true, true, true, true},
        {5784, true, true, true, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.year);
        const YEAR_DETAILS details = BuildYearDetails(c.year, kTransitionUK);
        EXPECT_EQ(details.year, c.year);
        EXPECT_EQ(details.creationText, CreationText(c.year));
        EXPECT_EQ(details.lunarText, LunarCycleText(c.year));
        EXPECT_EQ(details.solarText, SolarCycleText(c.year));
        EXPECT_EQ(!details.epochs[0].empty(), c.temple);
        EXPECT_EQ(!details.epochs[1].empty(), c.state);
        EXPECT_EQ(!details.epochs[2].empty(), c.jerusalem);
        EXPECT_EQ(details.shmita.shmitaClass == kShmitaYear, c.shmitaYear);
        EXPECT_EQ(details.shmitaCycleText.empty(), c.shmitaYear);
    }
    EXPECT_EQ(BuildYearDetails(5784, kTransitionUK).leapText, L"Full (leap) - 13 months in the year");
    EXPECT_EQ(BuildYearDetails(5727, kTransitionUK).epochs[2], L"The year of the liberation of Jerusalem");
}

TEST_F(YearDetailsTest, FixedDaysAreDatedUnderTheTransitionAskedFor) {
    // 5400 is 1639/40: Julian dates under the UK transition, Gregorian ones under the Papal.
    const YEAR_DETAILS uk = BuildYearDetails(5400, kTransitionUK);
    const YEAR_DETAILS papal = BuildYearDetails(5400, kTransitionPapal);
    ASSERT_EQ(uk.fixedDays.size(), papal.fixedDays.size());
    const YEAR_FIXED_DAY* ukPesach = FixedDay(uk, 52);
    const YEAR_FIXED_DAY* papalPesach = FixedDay(papal, 52);
    ASSERT_TRUE(ukPesach && papalPesach);
    EXPECT_EQ(ukPesach->date.dayNumber, papalPesach->date.dayNumber);
    const DATE_TRIPLE julian = CivilDateForDisplay(ukPesach->date);
    const DATE_TRIPLE gregorian = CivilDateForDisplay(papalPesach->date);
    EXPECT_EQ(julian.year, 1640);
    EXPECT_FALSE(julian.month == gregorian.month && julian.day == gregorian.day);
}

} // namespace
} // namespace vessant
