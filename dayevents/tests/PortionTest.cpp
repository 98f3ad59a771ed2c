#include "DayEventsTestDates.h"

#include "calendar/HebrewCalendar.h"
#include "dayevents/CalendarFacts.h"
#include "dayevents/YearType.h"

#include <gtest/gtest.h>

using namespace vessant;
using namespace vessant::testing;

namespace {

struct ShabbatCase {
    int year, month, day; // civil
    PORTION_INFO israel;
    PORTION_INFO diaspora;
};

void ExpectSchedule(const ShabbatCase& c) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    const DATE_STRUCT date = CivilDay(c.year, c.month, c.day);
    ASSERT_EQ(Weekday(date), 7);
    const PORTION_INFO israel = PortionOf(date, false);
    const PORTION_INFO diaspora = PortionOf(date, true);
    EXPECT_EQ(israel.first, c.israel.first);
    EXPECT_EQ(israel.second, c.israel.second);
    EXPECT_EQ(israel.special, c.israel.special);
    EXPECT_EQ(diaspora.first, c.diaspora.first);
    EXPECT_EQ(diaspora.second, c.diaspora.second);
    EXPECT_EQ(diaspora.special, c.diaspora.special);
}

} // namespace

// 5784 (Rosh Hashanah on Shabbat, leap, Pesach on Tuesday) as printed calendars list it.
TEST(WeeklyPortion, Year5784AsPrinted) {
    constexpr ShabbatCase kCases[] = {
        {2023, 9, 16, {0, 0, 0}, {0, 0, 0}},     // Rosh Hashanah
        {2023, 9, 23, {53, 0, 1}, {53, 0, 1}},   // Ha'azinu, Shabbat Shuva
        {2023, 9, 30, {0, 0, 0}, {0, 0, 0}},     // Succot
        {2023, 10, 7, {0, 0, 0}, {0, 0, 0}},     // Shmini Atzeret
        {2023, 10, 14, {1, 0, 0}, {1, 0, 0}},    // Bereshit
        {2023, 12, 9, {9, 0, 0}, {9, 0, 0}},     // Vayeshev
        {2024, 1, 27, {16, 0, 2}, {16, 0, 2}},   // Beshalach, Shabbat Shira
        {2024, 3, 9, {22, 0, 3}, {22, 0, 3}},    // Vayakhel, Shekalim (29 Adar I)
        {2024, 3, 16, {23, 0, 0}, {23, 0, 0}},   // Pekudei
        {2024, 3, 23, {24, 0, 4}, {24, 0, 4}},   // Vayikra, Zachor
        {2024, 3, 30, {25, 0, 6}, {25, 0, 6}},   // Tzav, Parah
        {2024, 4, 6, {26, 0, 5}, {26, 0, 5}},    // Shemini, Hachodesh
        {2024, 4, 13, {27, 0, 0}, {27, 0, 0}},   // Tazria
        {2024, 4, 20, {28, 0, 7}, {28, 0, 7}},   // Metzora, Shabbat Hagadol
        {2024, 4, 27, {0, 0, 0}, {0, 0, 0}},     // Shabbat Chol Hamoed
        {2024, 5, 4, {29, 0, 0}, {29, 0, 0}},    // Acharei Mot
        {2024, 5, 11, {30, 0, 0}, {30, 0, 0}},   // Kedoshim
        {2024, 5, 25, {32, 0, 0}, {32, 0, 0}},   // Behar
        {2024, 6, 1, {33, 0, 0}, {33, 0, 0}},    // Bechukotai
        {2024, 6, 15, {35, 0, 0}, {35, 0, 0}},   // Naso (9 Sivan, after the Kallah days)
        {2024, 7, 13, {39, 0, 0}, {39, 0, 0}},   // Chukat
        {2024, 7, 20, {40, 0, 0}, {40, 0, 0}},   // Balak
        {2024, 8, 3, {42, 43, 0}, {42, 43, 0}},  // Matot-Mase'ei
        {2024, 8, 10, {44, 0, 9}, {44, 0, 9}},   // Devarim, Chazon
        {2024, 8, 17, {45, 0, 10}, {45, 0, 10}}, // Va'etchanan, Nachamu
        {2024, 9, 28, {51, 52, 12}, {51, 52, 12}}, // Nitzavim-Vayelech, Selichot
    };
    for (const auto& c : kCases)
        ExpectSchedule(c);
}
