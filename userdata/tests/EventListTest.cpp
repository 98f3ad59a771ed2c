#include "userdata/EventList.h"

#include "platform/TextCodec.h"
#include "userdata/tests/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vessant;
using namespace vessant::testing_files;

namespace {

std::string Utf16File(std::wstring_view text) {
    return "\xFF\xFE" + platform::Utf16LeFromWide(text);
}

std::vector<std::wstring> Titles(const CEventList& list) {
    std::vector<std::wstring> titles;
    for (int i = 0; i < list.Count(); ++i)
        titles.push_back(list.At(i).title);
    return titles;
}

} // namespace

TEST(EventFile, LoadsEverySectionSortedByTitleWithTheSectionNameForAMissingTitle) {
    CEventList list;
    list.SetFolder(VESSANT_TEST_DATA);
    ASSERT_FALSE(list.Load());
    EXPECT_EQ(Titles(list), (std::vector<std::wstring>{L"Broken cal", L"Broken type",
                                                       L"Grandfather Avraham",
                                                       L"Wedding of Dina", L"\u05e9\u05e8\u05d4"}));
    const EVENT_STRUCT& untitled = list.At(2);
    EXPECT_EQ(untitled.jdn, 2451492);
    EXPECT_EQ(untitled.type, kEventYahrzeitAshkenazi);
    EXPECT_EQ(untitled.cal, kEventCalendarHebrew);
    EXPECT_EQ(untitled.desc, L"Died on 30 Cheshvan");
    EXPECT_EQ(list.At(4).desc, L"") << "a missing desc is empty";

    ASSERT_FALSE(list.Load());
    EXPECT_EQ(list.Count(), 10) << "loading appends";
}

TEST(EventFile, MissingFileGivesAnEmptyListAndKeysTakeTheirDefaults) {
    const auto folder = FreshFolder("defaults");
    CEventList list;
    list.SetFolder(folder);
    EXPECT_FALSE(list.Load());
    EXPECT_EQ(list.Count(), 0);

    WriteBytes(folder / "events.ini", Utf16File(L"[Only a name]\r\n[7]\r\ntitle=x\r\njdn=abc\r\n"));
    ASSERT_FALSE(list.Load());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0).title, L"Only a name");
    EXPECT_EQ(list.At(0).jdn, 0);
    EXPECT_EQ(list.At(0).type, 0);
    EXPECT_EQ(list.At(0).cal, 0);
    EXPECT_EQ(list.At(1).title, L"x");
    EXPECT_EQ(list.At(1).jdn, 0);
}

TEST(EventFile, WritesTheExactFormAndKeepsThePreviousGeneration) {
    const auto folder = FreshFolder("written");
    CEventList list;
    list.SetFolder(folder);
    ASSERT_FALSE(list.Add(L"Zelig", L"", 2460204, kEventCalendarBoth, kEventBirthdayMale));
    const std::string first = ReadBytes(folder / "events.ini");
    EXPECT_EQ(first, Utf16File(L"[0]\r\njdn=2460204\r\ntype=0\r\ncal=3\r\ndesc=\r\ntitle=Zelig\r\n"));
    EXPECT_FALSE(std::filesystem::exists(folder / "events.ini.txt"));

    // A line break in a title or description would plant a forged key; it becomes a blank.
    ASSERT_FALSE(list.Add(L"Aunt\r\n[9]\r\ntitle=forged", L"two\nlines", 2451492,
                          kEventCalendarHebrew, kEventYahrzeitMizrach));
    EXPECT_EQ(ReadBytes(folder / "events.ini"),
              Utf16File(L"[0]\r\njdn=2451492\r\ntype=4\r\ncal=1\r\ndesc=two lines\r\n"
                        L"title=Aunt  [9]  title=forged\r\n"
                        L"[1]\r\njdn=2460204\r\ntype=0\r\ncal=3\r\ndesc=\r\ntitle=Zelig\r\n"));
    EXPECT_EQ(ReadBytes(folder / "events.ini.txt"), first);

    CEventList reloaded;
    reloaded.SetFolder(folder);
    ASSERT_FALSE(reloaded.Load());
    ASSERT_EQ(reloaded.Count(), 2);
    EXPECT_EQ(reloaded.At(0).title, L"Aunt  [9]  title=forged");
    EXPECT_EQ(reloaded.At(0).desc, L"two lines");
}

TEST(EventFile, AnUntitledSectionIsWrittenUnderANumberWithItsNameAsTitle) {
    const auto folder = FreshFolder("untitled");
    std::filesystem::copy_file(Fixture("events.ini"), folder / "events.ini");
    CEventList list;
    list.SetFolder(folder);
    ASSERT_FALSE(list.Load());
    ASSERT_FALSE(list.Save());
    EXPECT_EQ(ReadBytes(folder / "events.ini.txt"), ReadBytes(Fixture("events.ini")));

    const auto saved = platform::WideFromUtf16Le(ReadBytes(folder / "events.ini").substr(2));
    EXPECT_NE(saved.find(L"[2]\r\njdn=2451492\r\ntype=3\r\ncal=1\r\ndesc=Died on 30 Cheshvan\r\n"
                         L"title=Grandfather Avraham\r\n[3]\r\n"),
              std::wstring::npos)
        << platform::Utf8FromWide(saved);
    EXPECT_EQ(saved.find(L"[Grandfather"), std::wstring::npos);

    CEventList again;
    again.SetFolder(folder);
    ASSERT_FALSE(again.Load());
    ASSERT_EQ(again.Count(), list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(again.At(i).title, list.At(i).title);
        EXPECT_EQ(again.At(i).desc, list.At(i).desc);
        EXPECT_EQ(again.At(i).jdn, list.At(i).jdn);
        EXPECT_EQ(again.At(i).type, list.At(i).type);
        EXPECT_EQ(again.At(i).cal, list.At(i).cal);
    }
}

TEST(EventFile, ASaveThatCannotWriteIsReportedAndTheFileSurvives) {
    const auto folder = FreshFolder("full");
    CEventList list;
    list.SetFolder(folder);
    ASSERT_FALSE(list.Add(L"First", L"", 2460204, 1, 2));
    const std::string before = ReadBytes(folder / "events.ini");

    for (int i = 0; i < 50; ++i)
        list.At(0).desc += L"a long description that no longer fits on the disk ";
    std::error_code error;
    {
        FileSizeLimit limit(before.size() + 64);
        error = list.Save();
    }
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(ReadBytes(folder / "events.ini"), before);

    // A folder that cannot exist.
    CEventList nowhere;
    nowhere.SetFolder(folder / "events.ini" / "sub");
    EXPECT_TRUE(nowhere.Add(L"x", L"", 2460204, 1, 2)) << "the failure reaches the caller";
    EXPECT_EQ(nowhere.Count(), 1) << "the event stays in the list";
}

TEST(EventFile, DeleteRemovesOnePosition) {
    CEventList list;
    list.SetFolder(FreshFolder("delete"));
    for (const wchar_t* title : {L"C", L"A", L"B"})
        list.Add(title, L"", 2460204, 1, 2);
    EXPECT_FALSE(list.Delete(3));
    EXPECT_FALSE(list.Delete(-1));
    EXPECT_TRUE(list.Delete(1));
    EXPECT_EQ(Titles(list), (std::vector<std::wstring>{L"A", L"C"}));
}

TEST(EventSort, TitlesCompareByUtf16CodeUnits) {
    struct Case {
        std::wstring a, b;
        int sign;
    };
    const Case cases[] = {
        {L"", L"", 0},
        {L"a", L"", 1},
        {L"Abe", L"abe", -1},             // no case folding
        {L"Zed", L"\u00c5sa", -1},        // code units, not alphabet
        {L"\u05d0", L"z", 1},
        // U+1F600 is D83D DE00 in UTF-16, so it sorts before U+FB01 although its code
        // point is larger.
        {L"\U0001F600", L"\uFB01", -1},
        {L"\U0001F600", L"\U0001F601", -1},
        {L"\U0001F600", L"\U0001F600", 0},
        {L"ab", L"abc", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(platform::Utf8FromWide(c.a) + " vs " + platform::Utf8FromWide(c.b));
        const int forward = CompareUtf16Ordinal(c.a, c.b);
        EXPECT_EQ((forward > 0) - (forward < 0), c.sign);
        const int backward = CompareUtf16Ordinal(c.b, c.a);
        EXPECT_EQ((backward > 0) - (backward < 0), -c.sign);
    }
}

TEST(EventSort, QuicksortOrdersEveryShapeOfList) {
    std::mt19937 random(5785);
    const auto makeList = [&](int count, int shape) {
        EventRecords records;
        for (int i = 0; i < count; ++i) {
            auto event = std::make_unique<EVENT_STRUCT>();
            switch (shape) {
            case 0: event->title = std::to_wstring(random() % 1000); break;   // duplicates
            case 1: event->title = std::to_wstring(100000 + i); break;        // sorted
            case 2: event->title = std::to_wstring(100000 - i); break;        // reversed
            default: event->title = L"same"; break;
            }
            event->jdn = i;
            records.push_back(std::move(event));
        }
        return records;
    };
    for (int shape = 0; shape < 4; ++shape) {
        for (int count : {0, 1, 2, 3, 13, 200, 5000}) {
            SCOPED_TRACE(testing::Message() << "shape " << shape << ", count " << count);
            EventRecords records = makeList(count, shape);
            std::vector<std::wstring> expected;
            std::vector<int> ids;
            for (const auto& e : records)
                expected.push_back(e->title);
            std::sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
                return CompareUtf16Ordinal(a, b) < 0;
            });
            CListAccessor accessor(records);
            CCollectionSorter<EVENT_STRUCT>::Sort(accessor, CEventTitleComparer());
            std::vector<std::wstring> sorted;
            for (const auto& e : records) {
                sorted.push_back(e->title);
                ids.push_back(e->jdn);
            }
            EXPECT_EQ(sorted, expected);
            std::sort(ids.begin(), ids.end());
            for (int i = 0; i < count; ++i)
                ASSERT_EQ(ids[i], i) << "every record is kept exactly once";
        }
    }
}
