#include "platform/ProfileFile.h"

#include "platform/TextCodec.h"
#include "testsupport/TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <random>

using namespace vessant::platform;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

namespace {

std::wstring Text(const ProfileFile& profile) {
    const std::string bytes = profile.Serialize();
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    return WideFromUtf16Le(bytes.substr(2));
}

} // namespace

TEST(ProfileFile, FindsSectionsAndKeysWhateverTheLetterCase) {
    const auto profile = ProfileFile::FromBytes(Utf16File(
        L"[Display]\r\nHover Enabled=0\r\n"
        L"[Month Display]\r\n  Day double click =  0 \r\nEmpty=\r\n"
        L"[Ünïcode Ωmega Дом]\r\nÄBĆ=ok\r\n"
        L"[שבת]\r\nזמן=1\r\n"));
    struct Case { const wchar_t* section; const wchar_t* key; const wchar_t* expected; };
    const Case cases[] = {
        {L"display", L"HOVER ENABLED", L"0"},
        {L"MONTH DISPLAY", L"Day Double Click", L"0"},   // blanks around key and value dropped
        {L"month display", L"empty", L""},               // present but empty: not the default
        {L"ünïcode ωMEGA дом", L"äbć", L"ok"},
        {L"ÜNÏCODE ΩMEGA ДОМ", L"ÄBĆ", L"ok"},
        {L"שבת", L"זמן", L"1"},
        {L"Display", L"Hover", L"default"},               // no prefix matches
        {L"Displa", L"Hover Enabled", L"default"},
        {L"Nowhere", L"Hover Enabled", L"default"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "[" << Utf8FromWide(c.section) << "] " << Utf8FromWide(c.key));
        EXPECT_EQ(profile.GetString(c.section, c.key, L"default"), c.expected);
        EXPECT_EQ(profile.HasKey(c.section, c.key), std::wstring_view(c.expected) != L"default");
    }
    EXPECT_TRUE(profile.HasSection(L"MONTH display"));
    EXPECT_TRUE(EqualIgnoringCase(L"ŸÀŁŽ", L"ÿàłž"));
    EXPECT_FALSE(EqualIgnoringCase(L"Hebrew", L"Hebrew "));
}

TEST(ProfileFile, IntegerKeysTakeTheLeadingSignedNumber) {
    struct Case { const wchar_t* line; int expected; };
    const Case cases[] = {
        {L"", 7},                 // key missing: the default
        {L"n=", 7},               // empty: the default
        {L"n=   ", 7},            // blanks only count as empty
        {L"n=12", 12},
        {L"n=-15", -15},
        {L"n=+4", 4},
        {L"n=12abc", 12},
        {L"n=3.7", 3},
        {L"n=abc", 0},            // no number at all: zero, not the default
        {L"n=- 5", 0},
        {L"n=0x10", 0},
        {L"n=2147483647", INT_MAX},
        {L"n=-2147483648", INT_MIN},
        {L"n=4294967295", -1},    // wraps like the platform's 32-bit reader
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8FromWide(c.line));
        const auto profile = ProfileFile::FromBytes(Utf16File(std::wstring(L"[S]\r\n") + c.line + L"\r\n"));
        EXPECT_EQ(profile.GetInt(L"s", L"N", 7), c.expected);
    }
}

TEST(ProfileFile, WritesInPlaceAtSectionEndOrInANewSectionAndKeepsOtherText) {
    auto profile = ProfileFile::FromBytes(Utf16File(
        L"; written by hand\r\n"
        L"[A]\r\nx=1\r\nstray line\r\n  y = 2  \r\n\r\n"
        L"[B]\r\nz=3")); // no line end after the last line
    profile.WriteString(L"a", L"Y", L"20");    // the file's own spelling of section and key stays
    profile.WriteString(L"A", L"new", L"n");   // after the last line of [A], before the blank line
    profile.WriteString(L"C", L"k", L"v");     // new section at the end
    profile.WriteInt(L"b", L"z", -15);
    profile.WriteString(L"C", L"second", L"");
    EXPECT_EQ(Text(profile),
              L"; written by hand\r\n"
              L"[A]\r\nx=1\r\nstray line\r\ny=20\r\nnew=n\r\n\r\n"
              L"[B]\r\nz=-15\r\n"
              L"[C]\r\nk=v\r\nsecond=\r\n");
    EXPECT_EQ(profile.SectionNames(), (std::vector<std::wstring>{L"A", L"B", L"C"}));
    EXPECT_EQ(profile.KeyNames(L"a"), (std::vector<std::wstring>{L"x", L"y", L"new"}));
    EXPECT_EQ(profile.GetString(L"A", L"new"), L"n");
    EXPECT_EQ(profile.GetInt(L"B", L"Z", 0), -15);
}

TEST(ProfileFile, ALineBreakInAValueCannotPlantAKey) {
    struct Case { const wchar_t* value; const wchar_t* stored; };
    const Case cases[] = {
        {L"x\r\njdn=5", L"x jdn=5"},
        {L"x\njdn=5", L"x jdn=5"},
        {L"x\rjdn=5", L"x jdn=5"},
        {L"a\r\n[Evil]\r\nkey=1", L"a [Evil] key=1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8FromWide(c.stored));
        ProfileFile profile;
        profile.WriteString(L"Event", L"title", c.value);
        const auto reread = ProfileFile::FromBytes(profile.Serialize());
        EXPECT_EQ(reread.GetString(L"Event", L"title"), c.stored);
        EXPECT_EQ(reread.KeyNames(L"Event"), std::vector<std::wstring>{L"title"});
        EXPECT_EQ(reread.SectionNames(), std::vector<std::wstring>{L"Event"});
    }
}

TEST(ProfileFile, DeletesSectionsAndKeysAndListsEachNameOnce) {
    auto profile = ProfileFile::FromBytes(Utf16File(
        L"[locations]\r\n0=a\r\n1=b\r\n[Display]\r\nView=2\r\nView=3\r\n[LOCATIONS]\r\n5=stale\r\n[Colors]\r\nHebrew=1\r\n"));
    EXPECT_EQ(profile.SectionNames(), (std::vector<std::wstring>{L"locations", L"Display", L"Colors"}));
    EXPECT_EQ(profile.KeyNames(L"display"), std::vector<std::wstring>{L"View"});
    EXPECT_EQ(profile.GetInt(L"Display", L"View", 0), 2); // the first of a repeated key

    profile.DeleteKey(L"DISPLAY", L"view");
    EXPECT_EQ(profile.GetInt(L"Display", L"View", 0), 3); // the repeat becomes visible
    profile.DeleteSection(L"Locations");                    // both copies go
    EXPECT_FALSE(profile.HasSection(L"locations"));
    profile.WriteString(L"locations", L"0", L"new");
    EXPECT_EQ(profile.KeyNames(L"locations"), std::vector<std::wstring>{L"0"});
    EXPECT_EQ(Text(profile), L"[Display]\r\nView=3\r\n[Colors]\r\nHebrew=1\r\n[locations]\r\n0=new\r\n");
}

TEST(ProfileFile, ChoosesTheEncodingByTheByteOrderMark) {
    struct Case { std::string bytes; bool utf16Mark; const wchar_t* value; };
    const Case cases[] = {
        {Utf16File(L"[S]\r\nk=שלום\r\n"), true, L"שלום"},
        {"[S]\r\nk=caf\xe9 \x93q\x94\r\n", false, L"café \u201Cq\u201D"}, // Windows-1252
        {"\xEF\xBB\xBF[S]\r\nk=caf\xc3\xa9\r\n", false, L"café"},        // UTF-8 mark
        {std::string("\xFE\xFF\0[\0S\0]\0\n\0k\0=\x05\xe9", 16), false, L"\u05e9"}, // big-endian
        {"[S]\nk=unix\n", false, L"unix"},
        {"[S]\rk=old mac\r", false, L"old mac"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8FromWide(c.value));
        const auto profile = ProfileFile::FromBytes(c.bytes);
        EXPECT_EQ(profile.hadByteOrderMark(), c.utf16Mark);
        EXPECT_EQ(profile.GetString(L"s", L"K"), c.value);
    }
}

TEST(ProfileFile, DamagedFilesKeepEveryReadableLine) {
    // A line cut off mid-character: the odd byte is dropped, the last line still counts.
    const auto truncated = ProfileFile::Open(fs::path(VESSANT_TEST_DATA) / "truncated_odd.ini");
    EXPECT_TRUE(truncated.existed());
    EXPECT_EQ(truncated.GetInt(L"Display", L"Hover Enabled", 1), 0);
    EXPECT_EQ(truncated.GetInt(L"Colors", L"Hebrew", 0), 255);
    EXPECT_EQ(truncated.GetInt(L"Colors", L"Civil", 0), 12);
    EXPECT_NE(Text(truncated).find(L"; kept comment\r\n"), std::wstring::npos);

    const auto garbage = ProfileFile::Open(fs::path(VESSANT_TEST_DATA) / "garbage.bin");
    EXPECT_EQ(garbage.GetInt(L"Kept", L"value", 0), 42);

    struct Case { std::string bytes; std::wstring value; };
    const Case cases[] = {
        {std::string("[S]\0\r\nk=1\r\n", 11), L"1"},           // NUL after a header
        {std::string("[S]\r\nk=a\0b\r\n", 12), std::wstring(L"a\0b", 3)},
        {"[S\r\nk=open header\r\n", L"open header"},           // header cut short
        {"\xFF\xFE", L""},                                       // the mark alone
        {"\xFF", L""},                                           // a single byte
        {"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        const auto profile = ProfileFile::FromBytes(c.bytes);
        EXPECT_EQ(profile.GetString(L"S", L"k"), c.value);
    }
}

TEST(ProfileFile, AnyBytesParseAndWriteBackStably) {
    // Whatever the input, the written form must read back to the same written form:
    // nothing shifts from one save to the next.
    std::mt19937 random(2591);
    const std::string alphabet("[]=;\r\n \t\0\xFF\xFE" "ab\xD8\xDC", 15);
    for (int round = 0; round < 400; ++round) {
        std::string bytes(random() % 64, '\0');
        for (char& b : bytes)
            b = (round % 2) ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        if (round % 3 == 0)
            bytes.insert(0, "\xFF\xFE");
        SCOPED_TRACE(round);
        const auto first = ProfileFile::FromBytes(bytes);
        const std::string written = first.Serialize();
        const auto second = ProfileFile::FromBytes(written);
        EXPECT_EQ(second.Serialize(), written);
        EXPECT_EQ(second.SectionNames(), first.SectionNames());
        for (const auto& section : first.SectionNames())
            for (const auto& key : first.KeyNames(section))
                EXPECT_EQ(second.GetString(section, key), first.GetString(section, key));
    }
}

TEST(ProfileFile, SavesUtf16WithMarkAndReadsItBack) {
    const fs::path folder = FreshFolder("save");
    const fs::path file = folder / "user.ini";
    auto profile = ProfileFile::Open(file);
    EXPECT_FALSE(profile.existed());
    profile.WriteString(L"Event 1", L"title", L"יום הולדת");
    profile.WriteInt(L"Event 1", L"jdn", 2460000);
    ASSERT_FALSE(profile.Save());
    EXPECT_EQ(ReadBytes(file), Utf16File(L"[Event 1]\r\ntitle=יום הולדת\r\njdn=2460000\r\n"));

    const auto reread = ProfileFile::Open(file);
    EXPECT_TRUE(reread.existed());
    EXPECT_TRUE(reread.hadByteOrderMark());
    EXPECT_EQ(reread.GetString(L"event 1", L"TITLE"), L"יום הולדת");
    EXPECT_EQ(reread.GetInt(L"event 1", L"jdn", 0), 2460000);

    // A legacy 8-bit file keeps all its text when it is saved in the new form.
    WriteBytes(file, "[Old]\r\nname=Ren\xe9\r\n; note\r\n");
    auto legacy = ProfileFile::Open(file);
    EXPECT_FALSE(legacy.hadByteOrderMark());
    ASSERT_FALSE(legacy.Save());
    EXPECT_EQ(ReadBytes(file), Utf16File(L"[Old]\r\nname=René\r\n; note\r\n"));

    EXPECT_TRUE(ProfileFile().Save()) << "a profile without a path cannot be saved";
}

TEST(ProfileFile, ServesAFileOfManySectionsFromMemory) {
    std::wstring text;
    for (int s = 0; s < 5000; ++s) {
        text += L"[Event " + std::to_wstring(s) + L"]\r\n";
        for (int k = 0; k < 5; ++k)
            text += L"key" + std::to_wstring(k) + L"=" + std::to_wstring(s * 10 + k) + L"\r\n";
    }
    const fs::path file = FreshFolder("many") / "events.ini";
    WriteBytes(file, Utf16File(text));
    const auto profile = ProfileFile::Open(file);
    fs::remove(file); // every read below must come from memory
    const auto names = profile.SectionNames();
    ASSERT_EQ(names.size(), 5000u);
    EXPECT_EQ(names[0], L"Event 0");
    EXPECT_EQ(names[4999], L"Event 4999");
    for (int s = 0; s < 5000; s += 997)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(profile.GetInt(L"EVENT " + std::to_wstring(s), L"Key" + std::to_wstring(k), -1), s * 10 + k);
}

TEST(ProfileFile, CopiesAreIndependentAndMovedFromProfilesAreEmpty) {
    ProfileFile original;
    original.WriteString(L"S", L"k", L"1");
    ProfileFile copy = original;
    copy.WriteString(L"S", L"k", L"2");
    EXPECT_EQ(original.GetString(L"S", L"k"), L"1");
    ProfileFile moved = std::move(copy);
    EXPECT_EQ(moved.GetString(L"S", L"k"), L"2");
    EXPECT_TRUE(copy.SectionNames().empty()); // NOLINT(bugprone-use-after-move)
    copy.WriteString(L"T", L"k", L"3");
    EXPECT_EQ(copy.GetString(L"T", L"k"), L"3");
}
