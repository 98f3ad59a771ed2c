#include "zmanim/ZmanimTable.h"

#include "zmanim/tests/GoldenFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace vessant {
namespace {

using namespace golden;

ZMANIM_TABLE TableAt(const PLACE& p, std::int32_t jd) {
    ZMANIM_TABLE table;
    SetupZmanimTable(table, p.longitude, p.latitude, ZoneOffsetTenths(p.zone), p.dstRule);
    ComputeZmanimTable(table, jd);
    return table;
}

TEST(ZmanimTable, KeysAndModesInExportOrder) {
    EXPECT_STREQ(ZmanimTableKey(0), L"Alot90eq");
    EXPECT_STREQ(ZmanimTableKey(12), L"Hanetz");
    EXPECT_STREQ(ZmanimTableKey(29), L"Shkia");
    EXPECT_STREQ(ZmanimTableKey(41), L"Motzei");
    EXPECT_STREQ(ZmanimTableKey(47), L"ShaaZmanitMA72eq");
    EXPECT_STREQ(ZmanimTableKey(48), L"");
    const ZMANIM_TABLE table = TableAt(kPlaces[0], Jd(2024, 6, 21));
    for (int i = 0; i < kZmanimTableEntries; ++i) {
        SCOPED_TRACE(i);
        const ZmanMode mode = table.entry[static_cast<std::size_t>(i)].mode;
        if (i >= 42) EXPECT_EQ(mode, ZmanMode::Duration);
        else if (i >= 13 && i <= 18) EXPECT_EQ(mode, ZmanMode::Truncate);
        else EXPECT_EQ(mode, ZmanMode::Nearest);
    }
}

// Where an export column and a shita name the same time, the two agree exactly.
TEST(ZmanimTable, AgreesWithTheShitotOnSharedTimes) {
    for (const PLACE& place : kPlaces) {
        for (std::int32_t jd : {Jd(2024, 3, 20), Jd(2024, 6, 21), Jd(2024, 12, 21)}) {
            SCOPED_TRACE(std::string(place.name) + " " + std::to_string(jd));
            const ZMANIM_TABLE t = TableAt(place, jd);
            ZMANIM_STRUCT s1 = SetUpAt(place, 1), s2 = SetUpAt(place, 2), s3 = SetUpAt(place, 3);
            for (ZMANIM_STRUCT* z : {&s1, &s2, &s3}) ComputeZmanim(*z, jd);
            const auto v = [&](int i) { return t.entry[static_cast<std::size_t>(i)].value; };
            EXPECT_EQ(t.dstActive, s1.dstActive);
            EXPECT_EQ(v(0), s1.alot);
            EXPECT_EQ(v(4), s3.alot);
            EXPECT_EQ(v(10), s1.misheyakir);
            EXPECT_EQ(v(12), s1.hanetz);
            EXPECT_EQ(v(13), s1.sofZmanShema);
            EXPECT_EQ(v(14), s2.sofZmanShema);
            EXPECT_EQ(v(16), s1.sofZmanTefilla);
            EXPECT_EQ(v(17), s2.sofZmanTefilla);
            EXPECT_EQ(v(19), s1.chatzot);
            EXPECT_EQ(v(20), s1.minchaGedola);
            EXPECT_EQ(v(23), s1.minchaKetana);
            EXPECT_EQ(v(29), s1.shkia);
            EXPECT_EQ(v(30), s1.sofTaanit);
            EXPECT_EQ(v(31), s1.tzeit);
            EXPECT_EQ(v(41), s1.tzeitShabbat);
            EXPECT_EQ(v(42), s1.dayLength);
            EXPECT_EQ(v(43), s1.shaaZmanit);
            EXPECT_EQ(v(44), s1.dayLengthMa90);
        }
    }
}

TEST(ZmanimTable, TextsInBothClockFormats) {
    ZMANIM_TABLE table = TableAt(kPlaces[0], Jd(2024, 6, 21));
    std::array<std::wstring, kZmanimTableEntries> texts;
    EXPECT_EQ(FormatZmanimTable(table, texts, 24), 48);
    EXPECT_EQ(texts[0], L"03:42");  // Alot90eq 3:42:00
    EXPECT_EQ(texts[12], L"05:34"); // Hanetz
    EXPECT_EQ(texts[13], L"09:07"); // ShemaGRA 9:07:34 truncated
    EXPECT_EQ(texts[29], L"19:48"); // Shkia 19:47:46 rounded
    EXPECT_EQ(texts[42], L"14:13:35");
    EXPECT_EQ(texts[43], L"1:11:07");
    for (const std::wstring& text : texts) EXPECT_LE(text.size(), 13u);
    EXPECT_EQ(FormatZmanimTable(table, texts, 12), 48);
    EXPECT_EQ(texts[12], L"05:34a");
    EXPECT_EQ(texts[29], L"07:48p");
    EXPECT_EQ(texts[42], L"14:13:35");
}

} // namespace
} // namespace vessant
