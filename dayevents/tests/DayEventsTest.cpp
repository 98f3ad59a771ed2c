#include "DayEventsTestDates.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewNumeral.h"
#include "dayevents/IsraeliDays.h"
#include "text/Language.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

using namespace vessant;
using namespace vessant::testing;

namespace {

using Pairs = std::vector<std::pair<int, int>>;

Pairs PairsOf(const DAY_EVENTS& list) {
    Pairs pairs;
    for (int i = 0; i < DayEventCount(list); ++i)
        pairs.emplace_back(list.entries[i].code, list.entries[i].value);
    return pairs;
}

std::string Show(const Pairs& pairs) {
    std::ostringstream out;
    for (const auto& [code, value] : pairs)
        out << "(" << code << "," << value << ")";
    return out.str();
}

// A day given by its Hebrew date and weekday alone, for rules that must hold even for
// weekdays the calendar never gives that date. The civil date is one that no civil rule
// (rain, Birchat hachama) marks.
DAY_EVENTS Synthetic(int year, int month, int day, int weekday, bool diaspora) {
    DAY_EVENTS list;
    BuildDayEvents(list, PackedMonthDay(month, day), year, PackedMonthDay(7, 1), 2000, 2451727, weekday, diaspora,
                   1752);
    return list;
}

struct RealDayCase {
    const char* what;
    int year, month, day; // Hebrew
    bool diaspora;
    Pairs expected;       // the whole list, in order
};

} // namespace

// The edge cases of the rule table on days the calendar really has, each list compared whole.
TEST(BuildDayEvents, RealDaysCarryTheirWholeList) {
    const RealDayCase kCases[] = {
        // 5785: 1 Tishrei on Thursday, so 3 Tishrei is Shabbat.
        {"fast deferred from Shabbat", 5785, kTishrei, 3, false, {{4, 0}}},
        {"deferred Fast of Gedaliah", 5785, kTishrei, 4, false, {{5, 3}}},
        {"5784 fast on its day", 5784, kTishrei, 3, true, {{3, 3}}},
        {"Shmini Atzeret, Israel", 5784, kTishrei, 22, false, {{18, 1}}},
        {"Shmini Atzeret, Diaspora", 5784, kTishrei, 22, true, {{20, 1}}},
        {"Isru Chag, Israel", 5784, kTishrei, 23, false, {{19, 5}}},
        {"Simchat Torah, Diaspora", 5784, kTishrei, 23, true, {{21, 1}}},
        {"Isru Chag, Diaspora", 5784, kTishrei, 24, true, {{22, 5}}},
        {"Succot 2 in the Diaspora", 5784, kTishrei, 16, true, {{11, 1}}},
        {"Chol Hamoed 5 in Israel", 5784, kTishrei, 20, false, {{16, 4}}},
        {"Chol Hamoed 4 in the Diaspora", 5784, kTishrei, 20, true, {{15, 4}}},
        // 5784 is deficient (Kislev 29 days); 5785 complete (Kislev 30).
        {"short Kislev: 1 Tevet", 5784, kTevet, 1, false, {{34, 0}, {88, 0}}},
        {"short Kislev: 3 Tevet", 5784, kTevet, 3, false, {{36, 0}}},
        {"long Kislev: 30 Kislev", 5785, kKislev, 30, false, {{34, 0}, {89, 0}}},
        {"long Kislev: 1 Tevet", 5785, kTevet, 1, false, {{35, 0}, {90, 0}}},
        {"long Kislev: 2 Tevet", 5785, kTevet, 2, false, {{36, 0}}},
        {"long Kislev: 3 Tevet", 5785, kTevet, 3, false, {}},
        // 5784: 13 Adar II on Shabbat (23 March 2024).
        {"Fast of Esther moved up", 5784, kAdarII, 13, false, {{43, 0}}},
        {"Thursday 11 Adar II", 5784, kAdarII, 11, false, {{44, 3}}},
        {"Purim in a leap year", 5784, kAdarII, 14, false, {{45, 0}}},
        {"Purim Katan", 5784, kAdarI, 14, false, {{39, 0}}},
        {"Purim in a common year", 5785, kAdar, 14, false, {{45, 0}}},
        {"Moses died, common year", 5785, kAdar, 7, false, {{41, 0}}},
        // 5785: 14 Nisan on Shabbat (12 April 2025).
        {"Fast of first born moved up", 5785, kNisan, 12, false, {{51, 3}}},
        {"Friday before Erev Pesach", 5785, kNisan, 13, false, {{47, 6}}},
        {"Erev Pesach on Shabbat", 5785, kNisan, 14, false, {{49, 6}}},
        {"Erev Pesach on a weekday", 5784, kNisan, 14, false, {{48, 6}, {50, 3}}},
        {"Pesach 2 and Omer 1, Diaspora", 5784, kNisan, 16, true, {{54, 1}, {94, 1}}},
        {"Chol Hamoed and Omer 1, Israel", 5784, kNisan, 16, false, {{55, 4}, {94, 1}}},
        {"Isru Chag, Israel", 5784, kNisan, 22, false, {{61, 5}, {94, 7}}},
        {"Shmini shel Pesach", 5784, kNisan, 22, true, {{63, 1}, {94, 7}}},
        // 5782: Pesach on Shabbat, so 17 Tammuz and 9 Av are Shabbatot too.
        {"Fast of Tammuz deferred", 5782, kTammuz, 17, false, {{78, 0}}},
        {"Sunday 18 Tammuz", 5782, kTammuz, 18, false, {{79, 3}}},
        {"Tisha B'Av deferred", 5782, kAv, 9, false, {{82, 0}}},
        {"Sunday 10 Av", 5782, kAv, 10, false, {{83, 2}}},
        {"Tisha B'Av on Sunday itself", 5785, kAv, 9, false, {{81, 2}}},
        {"Tisha B'Av on its day", 5784, kAv, 9, false, {{81, 2}}},
        {"Tu B'Av", 5784, kAv, 15, false, {{84, 0}}},
        {"Omer 16 on Rosh Chodesh Iyar", 5784, kIyyar, 1, false, {{90, 0}, {94, 16}}},
        {"Omer 49 on Erev Shavuot", 5784, kSivan, 5, false, {{71, 0}, {94, 49}}},
        {"Shavuot has no Omer", 5784, kSivan, 6, false, {{72, 1}}},
        {"Shavuot 2", 5784, kSivan, 7, true, {{75, 1}}},
        {"Lag B'Omer", 5784, kIyyar, 18, false, {{69, 0}, {94, 33}}},
        {"Jerusalem Day", 5784, kIyyar, 28, false, {{70, 0}, {94, 43}}},
        {"Israel: the request for rain", 5784, kCheshvan, 7, false, {{27, 0}}},
        {"Diaspora: not on 7 Cheshvan", 5784, kCheshvan, 7, true, {}},
        {"Erev Rosh Hashanah", 5784, kElul, 29, false, {{86, 0}}},
        {"Selichot Adot Mizrach", 5784, kElul, 2, false, {{93, 0}}},
        {"Rosh Chodesh Elul 2", 5784, kElul, 1, false, {{90, 0}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const DAY_EVENTS list = EventsOf(HebrewDay(c.year, c.month, c.day), c.diaspora);
        EXPECT_EQ(Show(PairsOf(list)), Show(c.expected));
    }
}

struct SyntheticCase {
    const char* what;
    int year, month, day, weekday;
    bool diaspora;
    Pairs expected;
};

// Rules whose weekday the calendar never produces for that date, fed the weekday directly.
TEST(BuildDayEvents, RulesHoldForTheWeekdayGiven) {
    const SyntheticCase kCases[] = {
        {"Shabbat 30 Cheshvan: Rosh Chodesh, no Mevarchim", 5785, kCheshvan, 30, 7, false, {{89, 0}}},
        {"Shabbat 29 Kislev: Chanukah 5, then Mevarchim on the 29th", 5785, kKislev, 29, 7, false, {{33, 0}, {91, 7}}},
        {"Shabbat 30 Kislev: Chanukah 6, then Rosh Chodesh 1", 5785, kKislev, 30, 7, false, {{34, 0}, {89, 0}}},
        {"Shabbat 24 Shevat: Mevarchim", 5785, kShevat, 24, 7, false, {{91, 0}}},
        {"Shabbat 24 Elul: no Mevarchim", 5785, kElul, 24, 7, false, {}},
        {"Holocaust Day 5756 stays on Sunday", 5756, kNisan, 27, 1, false, {{65, 0}, {94, 12}}},
        {"5757: not on Sunday 27 Nisan", 5757, kNisan, 27, 1, false, {{94, 12}}},
        {"5757: Monday 28 Nisan", 5757, kNisan, 28, 2, false, {{65, 0}, {94, 13}}},
        {"Holocaust Day before 5710", 5709, kNisan, 27, 3, false, {{94, 12}}},
        {"Thursday 26 Nisan", 5760, kNisan, 26, 5, false, {{65, 0}, {94, 11}}},
        {"Av 3830: the Temple destroyed, no fast", 3830, kAv, 9, 3, false, {{80, 0}}},
        {"Av 3830 on Shabbat: no deferral either", 3830, kAv, 9, 7, false, {{80, 0}}},
        {"Av 3829: nothing", 3829, kAv, 9, 3, false, {}},
        {"Tu B'Av 3830", 3830, kAv, 15, 2, false, {{84, 0}}},
        {"Drought prayer, Israel, weekday", 5785, kCheshvan, 18, 3, false, {{28, 0}}},
        {"Drought prayer not on Shabbat", 5785, kCheshvan, 18, 7, false, {}},
        {"Drought prayer on Sunday 19", 5785, kCheshvan, 19, 1, false, {{28, 0}}},
        {"No drought prayer in the Diaspora", 5785, kCheshvan, 18, 3, true, {}},
        {"BH\"B Monday in Cheshvan", 5785, kCheshvan, 4, 2, false, {{23, 3}}},
        {"BH\"B Thursday", 5785, kCheshvan, 13, 5, false, {{24, 3}}},
        {"BH\"B second Monday in Cheshvan", 5785, kCheshvan, 11, 2, false, {{25, 3}}},
        {"BH\"B second Monday in Iyar, after the Omer", 5785, kIyyar, 17, 2, false, {{94, 32}, {26, 3}}},
        {"Yom Kippur Katan on Thursday 28", 5785, kShevat, 28, 5, false, {{87, 0}}},
        {"Yom Kippur Katan on Thursday 27", 5785, kShevat, 27, 5, false, {{87, 0}}},
        {"no Yom Kippur Katan on Friday 29", 5785, kShevat, 29, 6, false, {}},
        {"Yom Kippur Katan on Sunday 29", 5785, kTevet, 29, 1, false, {{87, 0}}},
        {"none before Rosh Hashanah", 5785, kElul, 29, 3, false, {{86, 0}}},
        {"none before Tevet", 5785, kKislev, 29, 3, false, {{33, 0}}},
        {"Sigd with Yom Kippur Katan", 5785, kCheshvan, 29, 3, false, {{95, 0}, {87, 0}}},
        {"Selichot after Shabbat 2 Elul", 5785, kElul, 3, 1, false, {{93, 0}}},
        {"Selichot not on Shabbat", 5785, kElul, 2, 7, false, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Show(PairsOf(Synthetic(c.year, c.month, c.day, c.weekday, c.diaspora))), Show(c.expected));
    }
}

TEST(BuildDayEvents, MonthOutOfRangeLeavesTheListEmpty) {
    for (int month : {0, 15, 16, -1}) {
        DAY_EVENTS list;
        AddDayEvent(list, 7, 1);
        BuildDayEvents(list, PackedMonthDay(month, 1), 5784, PackedMonthDay(1, 1), 2024, 2460311, 2, false, 1752);
        EXPECT_EQ(DayEventCount(list), 0) << month;
    }
}

TEST(BuildDayEvents, StoresTheDayNumberLast) {
    const DATE_STRUCT date = HebrewDay(5784, kTishrei, 1);
    const DAY_EVENTS list = EventsOf(date, false);
    EXPECT_EQ(list.jdn, date.dayNumber);
    EXPECT_EQ(list.jdn, 2460204);
}

struct IsraeliDayCase {
    int year, month, day; // Hebrew
    int code;
};

// Holocaust, Memorial and Independence Days by year, on the days the calendar really gives.
TEST(BuildDayEvents, IsraeliDaysByYear) {
    constexpr IsraeliDayCase kCases[] = {
        {5784, kNisan, 28, 65},  // 27 Nisan on Sunday: Monday 6 May 2024
        {5785, kNisan, 26, 65},  // 27 Nisan on Friday: Thursday 24 April 2025
        {5783, kNisan, 27, 65},  // Tuesday 18 April 2023
        {5784, kIyyar, 5, 66},   // 4 Iyar on Sunday: Monday 13 May 2024
        {5784, kIyyar, 6, 67},   // Tuesday 14 May 2024
        {5785, kIyyar, 2, 66},   // 4 Iyar on Friday: Wednesday 30 April 2025
        {5785, kIyyar, 3, 67},   // Thursday 1 May 2025
        {5783, kIyyar, 4, 66},   // Tuesday 25 April 2023
        {5783, kIyyar, 5, 67},
        {5708, kIyyar, 5, 67},    // 14 May 1948
        {5714, kIyyar, 2, 66},
        {5714, kIyyar, 3, 67},
        {5714, kIyyar, 5, 67},
        {5712, kIyyar, 4, 66},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.year << " " << c.month << "/" << c.day << " code " << c.code);
        // Exactly one day of its month carries the code (two for Independence in 5714).
        const DAY_EVENTS list = EventsOf(HebrewDay(c.year, c.month, c.day), false);
        EXPECT_TRUE(HasCode(list, c.code));
        int days = 0;
        for (int day = 1; day <= 30; ++day) {
            if (c.month == kIyyar && day == 30)
                break;
            if (HasCode(EventsOf(HebrewDay(c.year, c.month, day), false), c.code))
                ++days;
        }
        EXPECT_EQ(days, c.year == 5714 && c.code == 67 ? 2 : 1);
    }
}

TEST(BuildDayEvents, IsraeliDayRulesOnEveryWeekday) {
    struct Case {
        int year, day, weekday;
        bool memorial, independence;
    };
    // Memorial Day and Independence Day never share a day, and follow the rule of their era.
    constexpr Case kCases[] = {
        {5764, 4, 1, false, false}, {5764, 5, 2, true, false},  {5764, 6, 3, false, true},
        {5763, 4, 1, true, false},  {5763, 5, 2, false, true},  {5764, 3, 4, true, false},
        {5764, 4, 5, false, true},  {5764, 2, 4, true, false},  {5764, 3, 5, false, true},
        {5764, 5, 6, false, false}, {5764, 5, 7, false, false}, {5763, 5, 7, false, false},
        {5720, 4, 3, true, false},  {5720, 5, 4, false, true},  {5707, 5, 4, false, false},
        {5709, 4, 3, false, false}, {5709, 5, 4, false, true},  {5711, 4, 6, true, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.year << " Iyar " << c.day << " weekday " << c.weekday);
        EXPECT_EQ(IsMemorialDay(c.year, c.day, c.weekday), c.memorial);
        EXPECT_EQ(IsIndependenceDay(c.year, c.day, c.weekday), c.independence);
    }
}

struct CivilRuleCase {
    const char* what;
    int year, month, day; // civil, as displayed
    bool diaspora;
    int code;
    bool present;
};

// The Diaspora request for rain follows the Julian date; Birchat hachama the Julian 26 March.
TEST(BuildDayEvents, CivilCalendarRules) {
    const CivilRuleCase kCases[] = {
        {"2011 (mod 4 = 3): Julian 23 November", 2011, 12, 6, true, 27, true},
        {"2011: not the day before", 2011, 12, 5, true, 27, false},
        {"2012: Julian 22 November", 2012, 12, 5, true, 27, true},
        {"2012: not the day before", 2012, 12, 4, true, 27, false},
        {"2023", 2023, 12, 6, true, 27, true},
        {"2024", 2024, 12, 5, true, 27, true},
        {"1899: twelve days' difference", 1899, 12, 5, true, 27, true},
        {"1900: thirteen days' difference from March", 1900, 12, 5, true, 27, true},
        {"2100: fourteen days' difference", 2100, 12, 6, true, 27, true},
        {"Israel never takes the Diaspora date", 2012, 12, 5, false, 27, false},
        {"before the transition: 22 November itself", 1700, 11, 22, true, 27, true},
        {"before the transition, mod 4 = 3: 23 November", 1703, 11, 23, true, 27, true},
        {"before the transition: not 22 November when mod 4 = 3", 1703, 11, 22, true, 27, false},
        {"Birchat hachama 2009", 2009, 4, 8, false, 92, true},
        {"Birchat hachama in the Diaspora too", 2009, 4, 8, true, 92, true},
        {"not on Gregorian 26 March", 2009, 3, 26, false, 92, false},
        {"Birchat hachama 1981", 1981, 4, 8, false, 92, true},
        {"Birchat hachama 2037", 2037, 4, 8, false, 92, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const DAY_EVENTS list = EventsOf(CivilDay(c.year, c.month, c.day), c.diaspora);
        EXPECT_EQ(HasCode(list, c.code), c.present);
    }
}

TEST(BuildDayEvents, BirchatHachamaOncePer28Years) {
    // Every day of 5769 and 5770: one day in 5769, none in 5770.
    for (int year : {5769, 5770}) {
        DATE_STRUCT date = HebrewDay(year, kTishrei, 1);
        int days = 0;
        while (date.hebYear == year) {
            days += HasCode(EventsOf(date, false), 92) ? 1 : 0;
            AddDays(date, 1);
        }
        EXPECT_EQ(days, year == 5769 ? 1 : 0) << year;
    }
}

TEST(DayEventList, AddClearGet) {
    DAY_EVENTS list;
    for (int i = 1; i <= 9; ++i)
        AddDayEvent(list, i, i * 10);
    EXPECT_EQ(DayEventCount(list), kDayEventSlots);
    EXPECT_EQ(GetDayEvent(list, 7).code, 8);  // the ninth was dropped
    EXPECT_EQ(GetDayEvent(list, 7).value, 80);
    EXPECT_EQ(GetDayEvent(list, 8).code, 0);  // out of range: empty
    EXPECT_EQ(GetDayEvent(list, -1).code, 0);
    ClearDayEvents(list);
    EXPECT_EQ(DayEventCount(list), 0);
    EXPECT_EQ(GetDayEvent(list, 0).value, 0);
    AddDayEvent(list, 5, 3);
    EXPECT_EQ(GetDayEvent(list, 0).code, 5);
}

struct HolidayDateCase {
    int year, code;
    int civilYear, civilMonth, civilDay;
};

TEST(HolidayDate, BaseDaysAndMoves) {
    constexpr HolidayDateCase kCases[] = {
        {5784, 1, 2023, 9, 16},  {5784, 7, 2023, 9, 25},  {5784, 9, 2023, 9, 30},  {5784, 29, 2023, 12, 8},
        {5784, 37, 2023, 12, 22}, {5784, 38, 2024, 1, 25}, {5784, 42, 2024, 3, 21}, // 13 Adar II on Shabbat
        {5784, 45, 2024, 3, 24}, {5784, 52, 2024, 4, 23}, {5784, 50, 2024, 4, 22}, {5784, 67, 2024, 5, 14},
        {5784, 68, 2024, 5, 22}, {5784, 69, 2024, 5, 26}, {5784, 70, 2024, 6, 5},  {5784, 72, 2024, 6, 12},
        {5784, 77, 2024, 7, 23}, {5784, 81, 2024, 8, 13}, {5784, 84, 2024, 8, 19},
        {5785, 3, 2024, 10, 6},  // 3 Tishrei on Shabbat
        {5785, 50, 2025, 4, 10}, // 14 Nisan on Shabbat
        {5785, 67, 2025, 5, 1},  // 5 Iyar on Friday
        {5785, 77, 2025, 7, 13}, {5785, 81, 2025, 8, 3}, {5785, 45, 2025, 3, 14},
        {5782, 77, 2022, 7, 17}, // 17 Tammuz on Shabbat
        {5782, 81, 2022, 8, 7},  // 9 Av on Shabbat
        {5783, 67, 2023, 4, 26}, // 5 Iyar on Wednesday stays
        {5782, 67, 2022, 5, 5},  // 5 Iyar on Friday: Thursday
        {5774, 67, 2014, 5, 6},  // 5 Iyar on Monday: Tuesday
        {5779, 67, 2019, 5, 9},  // 5 Iyar on Friday: Thursday
        {5770, 67, 2010, 4, 20}, // 5 Iyar on Monday: Tuesday
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.year << " code " << c.code);
        EXPECT_EQ(HolidayDate(c.year, c.code), CivilToDayNumber(c.civilYear, c.civilMonth, c.civilDay, false));
    }
    EXPECT_EQ(HolidayDate(0, 1), 0);
    EXPECT_EQ(HolidayDate(5784, 2), 0); // not a listed code
}

TEST(HolidayDate, MondayMoveInEveryYearUnlikeTheDayList) {
    // A year before 5764 whose 5 Iyar is a Monday.
    int year = 5715;
    for (; year < 5764; ++year) {
        const DATE_STRUCT fifth = HebrewDay(year, kIyyar, 5);
        if (Weekday(fifth) == 2)
            break;
    }
    ASSERT_LT(year, 5764);
    const DATE_STRUCT fifth = HebrewDay(year, kIyyar, 5);
    EXPECT_EQ(HolidayDate(year, 67), fifth.dayNumber + 1);
    EXPECT_TRUE(HasCode(EventsOf(fifth, false), 67)); // the day list keeps Monday before 5764
}

TEST(DayEventTexts, FromTheStringTable) {
    LoadLanguage(kLanguageEnglish);
    EXPECT_EQ(DayEventText(1), L"Rosh Hashanah 1");
    EXPECT_EQ(DayEventText(23), L"Taanit BH\"B");
    EXPECT_EQ(DayEventText(26), L"Taanit BH\"B");
    EXPECT_EQ(DayEventText(95), L"Sigd");
    EXPECT_EQ(DayEventText(0), L"");
    EXPECT_EQ(DayEventText(96), L"");
    EXPECT_EQ(OmerText(12), L"Day 12 of the Omer");
    const auto saved = LanguageState().loadedLanguage;
    LanguageState().loadedLanguage = kLanguageHebrew;
    EXPECT_EQ(OmerText(12), L"Day " + HebrewNumeral(12) + L" of the Omer");
    LanguageState().loadedLanguage = saved;
}
