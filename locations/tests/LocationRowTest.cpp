#include "locations/LocationRow.h"

#include <gtest/gtest.h>

#include <string>

namespace vessant {
namespace {

LOC_STRUCT Jerusalem() {
    return {L"Jerusalem", L"Israel", 35, 14, 1, 31, 46, 1, 18, 0, 15, 1, 6};
}

TEST(LocationRow, BuiltinRowsReadAsTheirRecords) {
    const LOCATION_ROW jerusalem = ParseLocationRow(kBuiltinRow0);
    EXPECT_EQ(jerusalem.location, Jerusalem());
    EXPECT_FALSE(jerusalem.isDefault);

    const LOC_STRUCT pittsburgh{L"Pittsburgh", L"PA", 80, 0, 2, 40, 26, 1, 10, 1, 25, 3, 2};
    EXPECT_EQ(ParseLocationRow(kBuiltinRow1).location, pittsburgh);
}

TEST(LocationRow, WrittenWithDstRuleBeforeDiasporaAndTheMarkerLast) {
    EXPECT_EQ(LocationRowText(Jerusalem(), true),
              L"Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\tdefault");
    EXPECT_EQ(LocationRowText(Jerusalem(), false),
              L"Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\t");
}

// Rows as other writers left them: runs of tabs are one separator, so the fields after an
// empty one move forward; what is missing or not a number is 0.
TEST(LocationRow, ParsingOddRows) {
    struct Case {
        const wchar_t* row;
        const wchar_t* city;
        const wchar_t* country;
        int longitudeDegrees;
        int longitudeMinutes;
        int candleLighting;
        bool isDefault;
    };
    constexpr Case kCases[] = {
        // A tab inside a city name pushes every later field one place on.
        {L"New\tYork\tNew York\t74\t0\t2\t40\t45\t1\t10\t25\t1\t3\t2\tdefault", L"New", L"York",
         0, 74, 3, false},
        // An empty country: the longitude degrees become the country.
        {L"Haifa\t\t34\t59\t1\t32\t49\t1\t18\t15\t0\t1\t5\t", L"Haifa", L"34", 59, 1, 0, false},
        // Leading and doubled tabs are skipped like any other run.
        {L"\t\tAshdod\t\tIsrael\t34\t39\t1\t31\t48\t1\t18\t15\t0\t1\t3\t\t\tdefault", L"Ashdod",
         L"Israel", 34, 39, 3, true},
        // A short row leaves the missing integers 0 and carries no marker.
        {L"Eilat\tIsrael\t34\t56", L"Eilat", L"Israel", 34, 56, 0, false},
        // Text that is not a number gives 0; a leading number is taken.
        {L"X\tY\tabc\t12min\t1\t1\t1\t1\t1\t1\t1\t1\t4\tdefault", L"X", L"Y", 0, 12, 4, true},
        // The marker must be exactly "default".
        {L"X\tY\t1\t2\t1\t1\t1\t1\t1\t1\t1\t1\t4\tDefault", L"X", L"Y", 1, 2, 4, false},
        // Fields past the fourteenth are ignored.
        {L"X\tY\t1\t2\t1\t1\t1\t1\t1\t1\t1\t1\t4\tdefault\textra\tmore", L"X", L"Y", 1, 2, 4, true},
        {L"", L"", L"", 0, 0, 0, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "row: " << testing::PrintToString(std::wstring(c.row)));
        const LOCATION_ROW row = ParseLocationRow(c.row);
        EXPECT_EQ(row.location.city, c.city);
        EXPECT_EQ(row.location.country, c.country);
        EXPECT_EQ(row.location.longitudeDegrees, c.longitudeDegrees);
        EXPECT_EQ(row.location.longitudeMinutes, c.longitudeMinutes);
        EXPECT_EQ(row.location.candleLighting, c.candleLighting);
        EXPECT_EQ(row.isDefault, c.isDefault);
    }
}

TEST(LocationRow, IntegersKeepTheirSixteenBits) {
    const LOC_STRUCT loc = ParseLocationRow(L"X\tY\t-12\t70000\t2").location;
    EXPECT_EQ(loc.longitudeDegrees, -12);
    EXPECT_EQ(loc.longitudeMinutes, static_cast<std::int16_t>(70000 - 65536));
    EXPECT_EQ(loc.longitudeDirection, 2);
}

// Whatever a record holds, its row reads back as the same record (names cleaned of the
// characters that would break the row).
TEST(LocationRow, EveryRecordReadsBackFromItsRow) {
    struct Case {
        LOC_STRUCT stored;
        const wchar_t* city;
        const wchar_t* country;
    };
    const Case kCases[] = {
        {Jerusalem(), L"Jerusalem", L"Israel"},
        {{L"New\tYork", L"New York", 74, 0, 2, 40, 45, 1, 10, 1, 25, 3, 2}, L"New York", L"New York"},
        {{L"Line\r\nBreak", L"Two\nLines", 1, 2, 1, 3, 4, 2, 16, 1, 1, 3, 2}, L"Line  Break", L"Two Lines"},
        {{L"Nowhere", L"", 10, 30, 1, 20, 15, 1, 17, 1, 10, 3, 2}, L"Nowhere", L" "},
        {{L"", L"Israel", 35, 0, 1, 32, 0, 1, 18, 0, 15, 1, 3}, L" ", L"Israel"},
        {{L"Sydney", L"Australia", 151, 12, 1, 33, 52, 2, 31, 1, 3, 103, 1}, L"Sydney", L"Australia"},
    };
    for (const Case& c : kCases) {
        for (bool isDefault : {false, true}) {
            SCOPED_TRACE(testing::Message() << "city: " << testing::PrintToString(c.stored.city)
                                            << " default " << isDefault);
            const LOCATION_ROW row = ParseLocationRow(LocationRowText(c.stored, isDefault));
            LOC_STRUCT expected = c.stored;
            expected.city = c.city;
            expected.country = c.country;
            EXPECT_EQ(row.location, expected);
            EXPECT_EQ(row.isDefault, isDefault);
        }
    }
}

TEST(LocationRow, IsraelIsRecognisedInAnyCaseOrInHebrew) {
    struct Case {
        const wchar_t* country;
        bool israel;
    };
    constexpr Case kCases[] = {
        {L"Israel", true},  {L"ISRAEL", true},   {L"iSrAeL", true},
        {L"\x05D9\x05E9\x05E8\x05D0\x05DC", true},  // ישראל
        {L"Israeli", false}, {L" Israel", false}, {L"", false},
        {L"\x05D9\x05E9\x05E8\x05D0\x05DC ", false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.country)));
        EXPECT_EQ(IsIsraelCountry(c.country), c.israel);
    }
}

} // namespace
} // namespace vessant
