#include "DayEventsTestDates.h"

#include "calendar/HebrewNumeral.h"
#include "dayevents/Haftarah.h"
#include "dayevents/detail/HaftarahTables.h"
#include "dayevents/detail/HolidayTable.h"
#include "testsupport/EnglishTexts.h"
#include "text/Language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vessant;
using namespace vessant::testing;

namespace {

using Haftarah = testsupport::EnglishTexts;

std::wstring Joined(const HAFTARAH_LIST& list) {
    std::wstring text;
    for (int i = 0; i < list.count; ++i) {
        if (i > 0)
            text += L" + ";
        text += HaftarahRefText(list.refs[i]);
    }
    return text;
}

DAY_EVENTS ListOf(std::initializer_list<DAY_EVENT> entries) {
    DAY_EVENTS list;
    for (const DAY_EVENT& e : entries)
        AddDayEvent(list, e.code, e.value);
    return list;
}

struct DayCase {
    const char* what;
    int year, month, day; // Hebrew
    bool diaspora;
    int rite;
    int expectedCase;
    const wchar_t* morning;
    const wchar_t* afternoon;
};

} // namespace

// The whole choice on real days: the day list, the portion and the tables together.
TEST_F(Haftarah, RealDays) {
    const DayCase kCases[] = {
        {"Shabbat Chanukah", 5784, kKislev, 26, false, kRiteAshkenazi, 1, L"Zechariah 2:14 - 4:7", L""},
        {"Shabbat Rosh Chodesh Adar I", 5784, kAdarI, 1, false, kRiteAshkenazi, 4, L"Yishayahu 66:1 - 66:24", L""},
        {"Shabbat Rosh Chodesh and Shekalim", 5785, kAdar, 1, false, kRiteAdotMizrach, 0, L"Melachim II 11:17 - 12:17", L""},
        {"weekday Rosh Chodesh: none", 5784, kAv, 1, false, kRiteAshkenazi, 3, L"", L""},
        {"Tisha B'Av deferred to Sunday", 5782, kAv, 10, false, kRiteAshkenazi, 7, L"Yirmiyahu 8:13 - 9:23", L"Yishayahu 55:6 - 56:8"},
        {"Tisha B'Av, Yemenite afternoon", 5784, kAv, 9, true, kRiteYemenite, 7, L"Yirmiyahu 8:13 - 9:23", L"Hoshea 14:2 - 14:10"},
        {"Independence Day", 5784, kIyyar, 6, false, kRiteAshkenazi, 15, L"Yishayahu 10:32 - 12:6", L""},
        {"deferred Fast of Tammuz", 5782, kTammuz, 18, false, kRiteAshkenazi, 10, L"Yishayahu 55:6 - 56:8", L""},
        {"Fast of Gedaliah", 5784, kTishrei, 3, false, kRiteAshkenazi, 8, L"Yishayahu 55:6 - 56:8", L""},
        {"Fast of Tevet", 5784, kTevet, 10, false, kRiteAshkenazi, 9, L"Yishayahu 55:6 - 56:8", L""},
        {"Pesach in Israel", 5784, kNisan, 15, false, kRiteAshkenazi, 6, L"Yehoshua 5:2 - 6:1", L""},
        {"Pesach 2 in the Diaspora", 5784, kNisan, 16, true, kRiteYemenite, 6, L"Melachim II 23:21 - 23:30", L""},
        {"Yom Kippur, Yemenite", 5784, kTishrei, 10, false, kRiteYemenite, 6,
         L"Yishayahu 57:14 - 58:14 + Yishayahu 59:20 - 59:21 + Ovadiah 1:21 + Yonah + Michah 7:18 - 7:20", L""},
        {"Shavuot, Italian", 5784, kSivan, 6, false, kRiteItalian, 6, L"Yechezkel 1:1 - 1:22 + Yechezkel 3:12", L""},
        {"Simchat Torah, Italian: none", 5784, kTishrei, 23, true, kRiteItalian, 6, L"", L""},
        // 17 Nisan 5783 on Shabbat: Chol Hamoed with Omer day 2, which is no Tisha B'Av.
        {"Shabbat Chol Hamoed Pesach", 5783, kNisan, 17, false, kRiteItalian, 11, L"Yechezkel 36:37 - 37:14", L""},
        {"Shabbat Chol Hamoed Succot", 5785, kTishrei, 17, false, kRiteAshkenazi, 12,
         L"Yechezkel 38:18 - 39:16 + Yechezkel 38:1 - 38:23", L""},
        {"Shabbat Shuva", 5784, kTishrei, 8, false, kRiteAshkenazi, 0, L"Hoshea 14:2 - 14:10 + Yoel 2:15 - 2:27", L""},
        {"Shabbat Shuva on Vayelech", 5786, kTishrei, 5, false, kRiteAdotMizrach, 0, L"Hoshea 14:2 - 14:10 + Michah 7:18 - 7:20", L""},
        {"Shabbat Hachodesh", 5784, kAdarII, 27, false, kRiteItalian, 0, L"", L""},
        {"plain Shabbat: Pekudei", 5784, kAdarII, 6, false, kRiteAshkenazi, 0, L"Melachim I 7:51 - 8:21", L""},
        {"Shabbat Shira reads its portion", 5784, kShevat, 17, false, kRiteYemenite, 0, L"Shoftim 4:4 - 5:3", L""},
        {"5783 Israel: Chukat alone", 5783, kTammuz, 5, false, kRiteAshkenazi, 0, L"Shoftim 11:1 - 11:33", L""},
        {"5783 Diaspora: Chukat-Balak reads Balak's", 5783, kTammuz, 12, true, kRiteAshkenazi, 0, L"Michah 5:6 - 6:8", L""},
        {"5779 Diaspora: Pinchas within the three weeks", 5779, kTammuz, 24, true, kRiteAshkenazi, 0, L"Yirmiyahu 1:1 - 2:3", L""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const DATE_STRUCT date = HebrewDay(c.year, c.month, c.day);
        const DAY_EVENTS events = EventsOf(date, c.diaspora);
        const bool shabbat = Weekday(date) == 7;
        const PORTION_INFO portion = shabbat ? PortionOf(date, c.diaspora) : PORTION_INFO{};
        HAFTARAH_LIST morning, afternoon;
        const int haftarahCase = DayHaftarot(events, Weekday(date), date.hebMonth, date.hebYear, portion.first,
                                             portion.special, c.diaspora, c.rite, morning, afternoon);
        EXPECT_EQ(haftarahCase, c.expectedCase);
        EXPECT_EQ(Joined(morning), c.morning);
        EXPECT_EQ(Joined(afternoon), c.afternoon);
        EXPECT_EQ(morning.rite, c.rite);
    }
}

struct SelectorCase {
    const char* what;
    std::initializer_list<DAY_EVENT> entries;
    int weekday, month, special;
    int expectedCase, expectedKey;
};

// Lists the calendar cannot give (Shabbat 29 Kislev, Shabbat 1 Tevet) fed directly.
TEST_F(Haftarah, SelectorOrder) {
    const SelectorCase kCases[] = {
        {"Shabbat 29 Kislev: Machar Chodesh wins", {{33, 0}, {91, 7}}, 7, kKislev, 0, 14, 91},
        {"Shabbat 1 Tevet: Chanukah over Rosh Chodesh", {{35, 0}, {90, 0}}, 7, kTevet, 0, 1, 96},
        {"Shabbat 1 Tevet, Chanukah 8", {{36, 0}, {88, 0}}, 7, kTevet, 0, 2, 97},
        {"Shabbat 30 Kislev", {{34, 0}, {89, 0}}, 7, kKislev, 0, 1, 96},
        {"Chanukah on a weekday", {{34, 0}, {89, 0}}, 3, kKislev, 0, 3, 0},
        {"Shabbat Rosh Chodesh Av", {{88, 0}}, 7, kAv, 0, 5, 99},
        {"a special Shabbat keeps case 0", {{88, 0}}, 7, kNisan, 5, 0, 0},
        {"Shabbat Mevarchim on the 23rd", {{91, 0}}, 7, kShevat, 0, 0, 0},
        {"other fasts: no haftarah case", {{42, 3}}, 5, kAdar, 0, 0, 0},
        {"Omer counts are no kinds of day", {{55, 4}, {94, 1}}, 7, kNisan, 0, 11, 100},
        {"Omer count 2", {{56, 4}, {94, 2}}, 7, kNisan, 0, 11, 100},
        {"Chol Hamoed on a weekday", {{56, 4}, {94, 2}}, 3, kNisan, 0, 0, 0},
        {"Shmini Atzeret in the Diaspora", {{20, 1}}, 5, kTishrei, 0, 6, 20},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        int code = 0;
        const int haftarahCase = HaftarahSelector(ListOf(c.entries), c.weekday, c.month, c.special, &code);
        EXPECT_EQ(haftarahCase, c.expectedCase);
        EXPECT_EQ(HaftarahKeyOfCase(haftarahCase, code), c.expectedKey);
    }
}

TEST_F(Haftarah, PortionRowsByYearTypeFlag) {
    struct Case {
        int year, portion;
        bool diaspora;
        int rite;
        const wchar_t* expected;
    };
    const Case kCases[] = {
        {5785, 22, false, kRiteAshkenazi, L"Melachim I 7:51 - 8:21"}, // type 5: flag A set
        {5784, 22, false, kRiteAshkenazi, L"Melachim I 7:40 - 7:50"}, // type 13: flag A clear
        {5784, 27, false, kRiteItalian, L"Melachim II 4:42 - 5:19"},
        {5785, 27, false, kRiteItalian, L"Melachim II 7:1 - 7:20 + Melachim II 1:23"},
        {5785, 29, false, kRiteAshkenazi, L"Amos 9:7 - 9:15"},
        {5784, 29, false, kRiteAshkenazi, L"Yechezkel 22:1 - 22:16"},
        {5782, 41, true, kRiteAshkenazi, L"Yirmiyahu 1:1 - 2:3"},      // type 10: flag D only outside Israel
        {5782, 41, false, kRiteAshkenazi, L"Melachim I 18:46 - 19:21"},
        {5782, 42, false, kRiteYemenite, L"Yehoshua 13:15 - 13:33"},
        {5785, 32, false, kRiteYemenite, L"Yechezkel 34:1 - 34:15"},
        {5784, 32, false, kRiteYemenite, L"Yirmiyahu 15:19 - 17:14"},
        {5784, 52, false, kRiteAshkenazi, L""},                      // no row: Shabbat Shuva reads it
        {5784, 54, false, kRiteAshkenazi, L""},
        {5784, 53, false, kRiteItalian, L"Yechezkel 17:22 - 18:32"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.year << " portion " << c.portion);
        HAFTARAH_LIST list;
        list.rite = c.rite;
        HaftarahForShabbat(list, 0, c.year, c.portion, c.diaspora);
        EXPECT_EQ(Joined(list), c.expected);
    }
}

TEST_F(Haftarah, KeysAndRites) {
    HAFTARAH_LIST list;
    list.rite = kRiteYemenite;
    HaftarahForKey(list, 7);
    EXPECT_EQ(list.count, 5);
    HaftarahForKey(list, 7);
    HaftarahForKey(list, 7); // the list holds ten; the rest is not written past its end
    EXPECT_EQ(list.count, kHaftarahListSize);
    ClearHaftarahList(list);
    EXPECT_EQ(list.count, 0);
    HaftarahForKey(list, 19); // no row
    HaftarahForKey(list, 18); // "none" in this rite
    EXPECT_EQ(list.count, 0);
    list.rite = 4; // no such rite
    HaftarahForKey(list, 1);
    HaftarahForShabbat(list, 0, 5784, 1, false);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(HaftarahRiteName(kRiteAdotMizrach), L"Adot Mizrach");
    EXPECT_EQ(HaftarahRiteName(4), L"");
}

// Every festival day that can be a haftarah case has a row, and every weekly portion but
// 52 and 54 has one for any kind of year.
TEST_F(Haftarah, TablesCoverEveryCase) {
    std::set<int> keys;
    for (const auto& row : HaftarahKeyRows()) {
        EXPECT_TRUE(keys.insert(row.key).second) << "key " << row.key << " twice";
    }
    for (const HOLIDAY_RULE& rule : HolidayRules()) {
        if (rule.kind == kDayYomTov) {
            EXPECT_EQ(keys.count(rule.firstCode), 1u) << "festival code " << int(rule.firstCode);
        }
    }
    for (const int key : {3, 37, 67, 77, 91, 96, 97, 98, 99, 100, 101, 102, 103})
        EXPECT_EQ(keys.count(key), 1u) << key;
    for (int type = 1; type <= 14; ++type) {
        for (const bool diaspora : {false, true}) {
            for (int portion = 1; portion <= 53; ++portion) {
                if (portion == 52)
                    continue;
                int rows = 0;
                for (const auto& row : HaftarahPortionRows()) {
                    if (row.portion != portion)
                        continue;
                    if (row.state == FlagState::Any ||
                        YearTypeFlagSet(type, row.flag, diaspora) == (row.state == FlagState::Set))
                        ++rows;
                }
                EXPECT_EQ(rows, 1) << "portion " << portion << " type " << type;
            }
        }
    }
}

TEST_F(Haftarah, ReferenceTexts) {
    EXPECT_EQ(HaftarahRefText({16, 0, 0, 0, 0}), L"Yonah");
    EXPECT_EQ(HaftarahRefText({9, 3, 12, 0, 0}), L"Yechezkel 3:12");
    EXPECT_EQ(HaftarahRefText({12, 1, 1, 2, 10}), L"Shmuel I 1:1 - 2:10");
    EXPECT_EQ(HaftarahRefText({0, 1, 1, 0, 0}), L"");
    EXPECT_EQ(HaftarahRefText({19, 1, 1, 0, 0}), L"");
    UseHebrewInterface();
    EXPECT_EQ(HaftarahRefText({12, 1, 1, 2, 10}),
              L"Shmuel I " + HebrewNumeral(1) + L":" + HebrewNumeral(1) + L" - " + HebrewNumeral(2) + L":" +
                  HebrewNumeral(10));
    EXPECT_EQ(HaftarahRefText({2, 56, 8, 0, 0}), L"Yishayahu \u05E0\u05D5:\u05D7");
    EXPECT_EQ(HaftarahRefText({16, 0, 0, 0, 0}), L"Yonah");
}
