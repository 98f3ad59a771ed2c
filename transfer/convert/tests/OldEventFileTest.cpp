// Reading "vessant.usr" and what each record becomes.

#include "transfer/convert/OldEventFile.h"

#include "platform/TextCodec.h"
#include "transfer/convert/tests/OldFiles.h"

#include <gtest/gtest.h>

using namespace vessant;
using namespace vessant::transfer;
using namespace vessant::transfer::fixtures;

namespace {

constexpr wchar_t kNoTitle[] = L"no title";

std::string Narrow(const std::wstring& text) { return platform::Utf8FromWide(text); }

} // namespace

TEST(OldEventFile, HeaderNamesTheVersion) {
    struct Case {
        std::string firstLine;
        int version;
    };
    const Case cases[] = {
        {"*** VESSANT 1 ***", 1},
        {"*** VESSANT 2 ***", 2},
        {"  \tVessant data *** VESSANT 2 (user file)  ", 2},
        {"*** VESSANT 3 ***", 0},
        {"*** vessant 2 ***", 0},
        {"", 0},
        // A long first line is read whole: the header is found wherever it stands.
        {std::string(70, '=') + " *** VESSANT 2", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstLine);
        const std::string file = c.firstLine + "\r\nsecond\r\n" + UsrRecordBytes({});
        const OLD_EVENT_FILE read = ReadOldEventFile(file);
        EXPECT_EQ(read.version, c.version);
        EXPECT_EQ(read.records.size(), c.version == 0 ? 0u : 1u);
    }
    EXPECT_EQ(ReadOldEventFile("").version, 0);
}

TEST(OldEventFile, ReadsFixedWidthRecordsAsTheOldLibraryDid) {
    const std::string title51(51, 'T');  // a field without a zero byte is taken whole
    const std::string file = UsrFile(2, {{1, 3, 1950, 4, 12, "Moshe", OldHebrewBytes({12, 18, 20})},
                                         {0, 1, 1700, 1, 1, title51, ""}}) +
                             // Numbers wider than their field run on into the next one; LF
                             // alone ends a line as well.
                             "\n\n01 06 199912 31 0000 00 00 00 " + std::string(51, '\0') + "Dinner" +
                             std::string(10, '\0');  // the file ends inside the Hebrew field
    const OLD_EVENT_FILE read = ReadOldEventFile(file);
    ASSERT_EQ(read.version, 2);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.unreadableRecords, 0);

    EXPECT_EQ(read.records[0].calendarFlag, 1);
    EXPECT_EQ(read.records[0].oldType, 3);
    EXPECT_EQ(read.records[0].civilYear, 1950);
    EXPECT_EQ(read.records[0].civilMonth, 4);
    EXPECT_EQ(read.records[0].civilDay, 12);
    EXPECT_EQ(read.records[0].englishField, "Moshe");
    EXPECT_EQ(read.records[0].hebrewField, OldHebrewBytes({12, 18, 20}));
    EXPECT_EQ(read.records[1].englishField, title51);
    EXPECT_EQ(read.records[2].oldType, 6);
    EXPECT_EQ(read.records[2].civilYear, 1999);
    EXPECT_EQ(read.records[2].civilMonth, 12);
    EXPECT_EQ(read.records[2].civilDay, 31);
    EXPECT_EQ(read.records[2].englishField, "");
    EXPECT_EQ(read.records[2].hebrewField, "Dinner");
}

TEST(OldEventFile, TextModeLineEndsAndCtrlZEndTheFile) {
    // A CR LF inside a title field reads as one byte, as the old programs read it; Ctrl-Z
    // ends the file, and what follows is never seen.
    std::string record = UsrRecordBytes({1, 5, 2001, 6, 1, "A\r\nB", ""});
    const std::string file = UsrFile(1, {}) + record.substr(0, record.size() - 2) + "\x1A" +
                             UsrRecordBytes({1, 5, 2002, 6, 1, "Hidden", ""});
    const OLD_EVENT_FILE read = ReadOldEventFile(file);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].englishField, "A\nB");
    EXPECT_EQ(read.records[0].hebrewField, "");  // the field lost one byte to the CR
}

TEST(OldEventFile, UnreadableNumbersEndTheReadingAndAreCounted) {
    struct Case {
        const char* name;
        std::string tail;
    };
    const Case cases[] = {
        // What follows can no longer be placed: the reading ends there.
        {"letters where numbers belong", "xx 03 2000 01 01 0000 00 00 00 " + UsrRecordBytes({})},
        {"a sign without digits", "01 -- 2000 01 01 0000 00 00 00 " + UsrRecordBytes({})},
        {"the file ends inside the numbers", "01 03 2000 01\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OLD_EVENT_FILE read = ReadOldEventFile(UsrFile(2, {{}}) + c.tail);
        EXPECT_EQ(read.records.size(), 1u);
        EXPECT_EQ(read.unreadableRecords, 1);
    }
    // White space after the last record is the end of the file, not a record.
    EXPECT_EQ(ReadOldEventFile(UsrFile(2, {{}}) + " \r\n\t\r\n").unreadableRecords, 0);
}

TEST(OldEventFile, HebrewBytesBecomeLettersInReverse) {
    struct Case {
        std::string field;
        std::wstring expected;
    };
    std::string all;
    std::wstring allExpected;
    for (int b = 128; b <= 154; ++b) {
        all.push_back(static_cast<char>(b));
        allExpected.insert(allExpected.begin(), static_cast<wchar_t>(0x05D0 + b - 128));
    }
    const Case cases[] = {
        {"\x83\x85\x9A", L"\u05EA\u05D5\u05D3"},
        {all, allExpected},
        {"\x98\x80 1950", L"0591 \u05D0\u05E8"},    // digits and blanks reverse with the rest
        {"\x9B", L"\u203A"},                        // 155 is no letter: the code page's character
        {"", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.expected));
        EXPECT_EQ(HebrewTitleText(c.field), c.expected);
    }
    EXPECT_EQ(EnglishTitleText("Caf\xE9 \x80"), L"Caf\u00E9 \u20AC");
}

TEST(OldEventFile, CivilDatesAreReadWithThe1752Transition) {
    struct Case {
        int year, month, day;
        int expected;  // 0: no such day
    };
    const Case cases[] = {
        {1700, 1, 1, 2341983},   // Julian (the Gregorian day would be 2341973)
        {1700, 2, 29, 2342042},  // a Julian leap day
        {1752, 9, 2, 2361221},   // the last Julian day
        {1752, 9, 14, 2361222},  // the first Gregorian day
        {2024, 2, 29, 2460370},
        {1, 1, 1, 1721424},
        {1752, 9, 5, 0},         // skipped by the transition
        {1900, 2, 29, 0},        // Gregorian, no leap day
        {2023, 2, 29, 0},
        {1600, 2, 30, 0},        // a Julian day past the month's end
        {2000, 13, 1, 0},
        {2000, 0, 1, 0},
        {2000, 4, 31, 0},
        {0, 1, 1, 0},
        {-5, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        const auto jdn = OldCivilDayNumber(c.year, c.month, c.day);
        if (c.expected == 0)
            EXPECT_FALSE(jdn.has_value());
        else
            EXPECT_EQ(jdn.value_or(0), c.expected);
    }
}

TEST(OldEventFile, RecordsBecomeEvents) {
    const std::string hebrew = OldHebrewBytes({3, 5, 26});  // stored last letter first
    const std::wstring hebrewText = L"\u05EA\u05D5\u05D3";
    struct Case {
        const char* name;
        UsrRecord record;
        EVENT_CARRY_CHOICES choices;
        std::wstring title;
        std::wstring desc;
    };
    const Case cases[] = {
        {"Hebrew chosen, both titles", {0, 1, 1990, 5, 5, "Sarah", hebrew}, {true, false}, hebrewText, L""},
        {"English chosen, both titles", {0, 1, 1990, 5, 5, "Sarah", hebrew}, {false, false}, L"Sarah", L""},
        {"Hebrew chosen, English only", {0, 1, 1990, 5, 5, "Sarah", ""}, {true, false}, L"Sarah", L""},
        {"English chosen, Hebrew only", {0, 1, 1990, 5, 5, "", hebrew}, {false, false}, hebrewText, L""},
        {"neither title", {0, 1, 1990, 5, 5, "", ""}, {true, false}, kNoTitle, L""},
        {"blank titles count as none", {0, 1, 1990, 5, 5, "   ", "  "}, {true, false}, kNoTitle, L""},
        {"title also as description", {0, 1, 1990, 5, 5, "Sarah", hebrew}, {true, true}, hebrewText, hebrewText},
        {"stored on one line without padding blanks", {0, 1, 1990, 5, 5, " Mr\r\nCohen  ", ""}, {true, true},
         L"Mr  Cohen", L"Mr  Cohen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OLD_EVENT_RECORD record = ReadOldEventFile(UsrFile(2, {c.record})).records.at(0);
        // The file's CR LF reading aside, a title keeps its bytes.
        record.englishField = c.record.english;
        const auto event = ConvertOldEvent(record, c.choices, kNoTitle);
        ASSERT_TRUE(event.has_value());
        EXPECT_EQ(event->title, c.title);
        EXPECT_EQ(event->desc, c.desc);
        EXPECT_EQ(event->jdn, 2448017);
        EXPECT_EQ(event->cal, kEventCalendarHebrew);
        EXPECT_EQ(event->type, kEventYahrzeitAshkenazi);
    }
}

TEST(OldEventFile, TypesAndCalendarsMapAndUndefinedRecordsAreRefused) {
    const int expectedTypes[] = {kEventYahrzeitAshkenazi, kEventYahrzeitMizrach, kEventBirthdayMale,
                                 kEventBirthdayFemale, kEventAnniversary, kEventOneTime};
    for (int old = 1; old <= 6; ++old) {
        SCOPED_TRACE(old);
        OLD_EVENT_RECORD record{1, old, 2000, 1, 1, "x", ""};
        ASSERT_TRUE(ConvertOldEvent(record, {}, kNoTitle).has_value());
        EXPECT_EQ(ConvertOldEvent(record, {}, kNoTitle)->type, expectedTypes[old - 1]);
        EXPECT_EQ(ConvertOldEvent(record, {}, kNoTitle)->cal, kEventCalendarCivil);
    }
    const OLD_EVENT_RECORD undefined[] = {
        {2, 3, 2000, 1, 1, "flag 2", ""},
        {-1, 3, 2000, 1, 1, "flag -1", ""},
        {0, 0, 2000, 1, 1, "type 0", ""},
        {0, 7, 2000, 1, 1, "type 7", ""},
        {0, 3, 2000, 2, 30, "30 February", ""},
        {0, 3, 0, 0, 0, "no date", ""},
    };
    for (const OLD_EVENT_RECORD& record : undefined) {
        SCOPED_TRACE(record.englishField);
        EXPECT_FALSE(ConvertOldEvent(record, {}, kNoTitle).has_value());
    }
}
