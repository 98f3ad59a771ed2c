#include "calendar/Molad.h"

#include "calendar/HebrewCalendar.h"
#include "testsupport/EnglishTexts.h"

#include <cstdint>
#include <vector>

using namespace vessant;

using Molad = testsupport::EnglishTexts;

TEST_F(Molad, KnownMolads) {
    struct Case { int year, month; int weekday, hour, parts; };
    constexpr Case cases[] = {
        {5784, kTishrei, 6, 11, 882}, {5784, kNisan, 3, 4, 1033}, {5785, kTishrei, 5, 9, 391},
        {1, kTishrei, 2, 5, 204},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.year);
        const MOLAD m = MoladOfMonth(c.year, c.month);
        EXPECT_EQ(m.weekday, c.weekday);
        EXPECT_EQ(m.hour, c.hour);
        EXPECT_EQ(m.parts, c.parts);
    }
    DATE_STRUCT date;
    date.hebYear = 5784;
    date.hebMonth = kNisan;
    EXPECT_EQ(MoladOfMonth(date).parts, 1033);
}

// Every month of years 1 to 6999, in calendar order, is one lunation (29 days 12 hours
// 793 parts) after the one before, counted from the molad of Tishrei of year 1.
TEST_F(Molad, EveryMonthAdvancesByOneLunation) {
    constexpr std::int64_t kPartsPerHour = 1080;
    constexpr std::int64_t kPartsPerDay = 24 * kPartsPerHour;
    constexpr std::int64_t kLunation = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;
    std::int64_t molad = 2 * kPartsPerDay + 5 * kPartsPerHour + 204;
    const int common[] = {1, 2, 3, 4, 5, 14, 8, 9, 10, 11, 12, 13};
    const int full[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (int year = 1; year <= 6999; ++year) {
        const bool leap = IsHebrewLeapYear(year);
        const int* months = leap ? full : common;
        const int count = leap ? 13 : 12;
        for (int i = 0; i < count; ++i) {
            const MOLAD m = MoladOfMonth(year, months[i]);
            const int weekday = static_cast<int>((molad / kPartsPerDay) % 7);
            ASSERT_EQ(m.weekday, weekday == 0 ? 7 : weekday) << months[i] << "/" << year;
            ASSERT_EQ(m.hour, static_cast<int>((molad / kPartsPerHour) % 24)) << months[i] << "/" << year;
            ASSERT_EQ(m.parts, static_cast<int>(molad % kPartsPerHour)) << months[i] << "/" << year;
            molad += kLunation;
        }
    }
}

TEST_F(Molad, BoxLines) {
    struct Case { MOLAD molad; std::vector<std::wstring> lines; };
    const Case cases[] = {
        {MoladOfMonth(5784, kTishrei), {L"The molad is on:", L"Thursday night", L"5 hours", L"49 minutes"}},
        {MoladOfMonth(5784, kNisan), {L"The molad is on:", L"Monday night", L"22 hours", L"57 minutes", L"7 parts"}},
        {MoladOfMonth(5785, kTishrei),
         {L"The molad is on:", L"Wednesday night", L"3 hours", L"21 minutes", L"13 parts"}},
        {MOLAD{3, 0, 0}, {L"The molad is on:", L"Monday night", L"18 hours"}},
        {MOLAD{3, 6, 5}, {L"The molad is on:", L"Monday night", L"24 hours", L"5 parts"}},
        {MOLAD{3, 7, 18}, {L"The molad is on:", L"Monday night", L"1 hours", L"1 minutes"}},
        {MOLAD{7, 12, 0}, {L"The molad is on:", L"Shabbat", L"6 hours"}},
        {MOLAD{1, 23, 1079}, {L"The molad is on:", L"Sunday", L"17 hours", L"59 minutes", L"17 parts"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.molad.weekday << " " << c.molad.hour << " " << c.molad.parts);
        EXPECT_EQ(MoladText(c.molad, false), c.lines);
        EXPECT_EQ(MoladText(c.molad), c.lines);
    }
}

TEST_F(Molad, HebrewInterfaceLines) {
    const std::vector<std::wstring> expected = {L":The molad is on", L"Monday night", L"22\u202E hours",
                                                L"57\u202E minutes", L"7\u202E parts"};
    EXPECT_EQ(MoladText(MoladOfMonth(5784, kNisan), true), expected);
    UseHebrewInterface();
    EXPECT_EQ(MoladText(MoladOfMonth(5784, kNisan)), expected);
}
