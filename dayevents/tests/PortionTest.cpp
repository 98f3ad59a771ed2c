#include "DayEventsTestDates.h"

#include "calendar/HebrewCalendar.h"
#include "dayevents/YearType.h"
#include "text/Language.h"

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

// 5785: Rosh Hashanah on Thursday, common and complete (type 5), so Vayakhel and Pekudei
// stand apart; the next Rosh Hashanah is a Tuesday, so Nitzavim stands alone.
TEST(WeeklyPortion, Year5785AsPrinted) {
    constexpr ShabbatCase kCases[] = {
        {2024, 10, 5, {53, 0, 1}, {53, 0, 1}},     // Ha'azinu on 3 Tishrei, Shabbat Shuva
        {2024, 10, 12, {0, 0, 0}, {0, 0, 0}},      // Yom Kippur
        {2024, 10, 19, {0, 0, 0}, {0, 0, 0}},      // Chol Hamoed
        {2024, 10, 26, {1, 0, 0}, {1, 0, 0}},      // Bereshit on 24 Tishrei
        {2025, 2, 1, {15, 0, 0}, {15, 0, 0}},      // Bo
        {2025, 2, 8, {16, 0, 2}, {16, 0, 2}},      // Beshalach, Shira
        {2025, 3, 1, {19, 0, 3}, {19, 0, 3}},      // Teruma, Shekalim on 1 Adar
        {2025, 3, 8, {20, 0, 4}, {20, 0, 4}},      // Tetzave, Zachor
        {2025, 3, 22, {22, 0, 6}, {22, 0, 6}},     // Vayakhel alone, Parah
        {2025, 3, 29, {23, 0, 5}, {23, 0, 5}},     // Pekudei alone, Hachodesh
        {2025, 4, 12, {25, 0, 7}, {25, 0, 7}},     // Tzav, Hagadol on Erev Pesach
        {2025, 4, 19, {0, 0, 0}, {0, 0, 0}},       // Chol Hamoed
        {2025, 5, 3, {27, 28, 0}, {27, 28, 0}},    // Tazria-Metzora
        {2025, 5, 10, {29, 30, 0}, {29, 30, 0}},   // Acharei Mot-Kedoshim
        {2025, 5, 24, {32, 33, 0}, {32, 33, 0}},   // Behar-Bechukotai
        {2025, 7, 26, {42, 43, 0}, {42, 43, 0}},   // Matot-Mase'ei
        {2025, 9, 13, {50, 0, 12}, {50, 0, 12}},   // Ki Tavo, Selichot
        {2025, 9, 20, {51, 0, 0}, {51, 0, 0}},     // Nitzavim alone
        {2025, 9, 27, {52, 0, 1}, {52, 0, 1}},     // 5786: Vayelech on Shabbat Shuva
    };
    for (const auto& c : kCases)
        ExpectSchedule(c);
}

// 5779: Monday, leap, next Rosh Hashanah on Monday (P = 2). Pesach on Shabbat puts its
// eighth day on Shabbat in the Diaspora, which falls one portion behind until Matot-Mase'ei.
TEST(WeeklyPortion, Year5779IsraelAheadUntilMatot) {
    constexpr ShabbatCase kCases[] = {
        {2018, 9, 15, {52, 0, 1}, {52, 0, 1}},     // Vayelech on Shabbat Shuva
        {2019, 4, 20, {0, 0, 0}, {0, 0, 0}},       // 15 Nisan: no portion, no special
        {2019, 4, 27, {29, 0, 0}, {0, 0, 0}},      // 22 Nisan: Israel Acharei Mot
        {2019, 5, 4, {30, 0, 0}, {29, 0, 0}},
        {2019, 7, 27, {42, 0, 0}, {41, 0, 0}},     // Israel Matot
        {2019, 8, 3, {43, 0, 0}, {42, 43, 0}},     // Israel Mase'ei, the Diaspora joins them
        {2019, 8, 10, {44, 0, 9}, {44, 0, 9}},     // together again: Devarim, Chazon
    };
    for (const auto& c : kCases)
        ExpectSchedule(c);
}

// 5783: Pesach on Thursday puts the second day of Shavuot on Shabbat in the Diaspora; it
// catches up by joining Chukat and Balak, which Israel reads apart.
TEST(WeeklyPortion, Year5783ChukatBalakJoinedInTheDiaspora) {
    constexpr ShabbatCase kCases[] = {
        {2023, 5, 27, {35, 0, 8}, {0, 0, 0}},      // 7 Sivan: Israel Naso (Kallah), Diaspora Shavuot
        {2023, 6, 3, {36, 0, 0}, {35, 0, 0}},
        {2023, 6, 24, {39, 0, 0}, {38, 0, 0}},
        {2023, 7, 1, {40, 0, 0}, {39, 40, 0}},
        {2023, 7, 8, {41, 0, 0}, {41, 0, 0}},
        {2023, 7, 15, {42, 43, 0}, {42, 43, 0}},
    };
    for (const auto& c : kCases)
        ExpectSchedule(c);
}

TEST(WeeklyPortion, PortionTexts) {
    LoadLanguage(kLanguageEnglish);
    EXPECT_EQ(PortionText({22, 23, 0}), L"Vayakhel-Pekudei");
    EXPECT_EQ(PortionText({1, 0, 0}), L"Bereshit");
    EXPECT_EQ(PortionText({0, 0, 0}), L"");
    EXPECT_EQ(PortionName(54), L"Vezot Habracha");
    EXPECT_EQ(PortionName(55), L"");
    EXPECT_EQ(SpecialShabbatName(1), L"Shabbat Shuva");
    EXPECT_EQ(SpecialShabbatName(12), L"Selichot Ashkenazim");
    EXPECT_EQ(SpecialShabbatName(0), L"");
}

TEST(YearType, KnownYears) {
    struct Case {
        int year, key, type;
    };
    constexpr Case kCases[] = {
        {5784, 226, 13}, // Shabbat, deficient, Pesach Tuesday
        {5785, 34, 5},   // Thursday, complete, Pesach Sunday
        {5783, 431, 2},  // Monday, complete, Pesach Thursday
        {5779, 631, 9},  // Monday, complete, Pesach Shabbat
        {5782, 612, 10}, // Tuesday, regular, Pesach Shabbat
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(YearTypeKey(c.year), c.key);
        EXPECT_EQ(YearType(c.year), c.type);
    }
}

TEST(YearType, FlagsOfTwoHoldOutsideIsraelOnly) {
    EXPECT_TRUE(YearTypeFlagSet(2, YearTypeFlag::E, true));
    EXPECT_FALSE(YearTypeFlagSet(2, YearTypeFlag::E, false));
    EXPECT_TRUE(YearTypeFlagSet(4, YearTypeFlag::C, true));
    EXPECT_FALSE(YearTypeFlagSet(4, YearTypeFlag::C, false));
    EXPECT_TRUE(YearTypeFlagSet(4, YearTypeFlag::D, false));
    EXPECT_FALSE(YearTypeFlagSet(11, YearTypeFlag::D, true));
    for (const auto flag : {YearTypeFlag::A, YearTypeFlag::B, YearTypeFlag::C, YearTypeFlag::D, YearTypeFlag::E}) {
        EXPECT_FALSE(YearTypeFlagSet(0, flag, true));
        EXPECT_FALSE(YearTypeFlagSet(15, flag, true));
    }
}
