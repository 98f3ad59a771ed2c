#include "text/Language.h"
#include "text/TextTable.h"

#include <gtest/gtest.h>

using namespace vessant;

TEST(TextTable, ResourceIdsMapToTheirSlots) {
    struct Case { int id; int slot; };
    constexpr Case cases[] = {
        {780, 0}, {782, 2}, {405, 3}, {750, 4}, {752, 6}, {863, 11}, {229, 29}, {264, 64},
        {289, 89}, {868, 92}, {129, 150}, {135, 156}, {887, 158}, {161, 166}, {174, 179},
        {149, 180}, {175, 192}, {228, 245}, {301, 277}, {395, 371}, {856, 396}, {894, 397},
        {857, 398}, {848, 399}, {898, 409}, {642, 410}, {465, 443}, {467, 449}, {641, 591},
        {57344, 646}, {874, 690}, {877, 691}, {876, 692}, {875, 696}, {900, 703}, {899, 704},
        {923, 705}, {901, 706}, {922, 727}, {924, 728}, {968, 744},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(SlotOfResource(c.id), c.slot);
    }
    EXPECT_EQ(SlotOfResource(20000), -1);
    EXPECT_EQ(SlotOfResource(751), -1);
}

TEST(TextTable, EveryResourceSlotIsDistinct) {
    std::array<int, kTextTableSlots> owner{};
    for (int id = 1; id < 60000; ++id) {
        const int slot = SlotOfResource(id);
        if (slot < 0)
            continue;
        ASSERT_LT(slot, kTextTableSlots);
        EXPECT_EQ(owner[static_cast<std::size_t>(slot)], 0) << "slot " << slot << " ids "
                                                            << owner[static_cast<std::size_t>(slot)] << " and " << id;
        owner[static_cast<std::size_t>(slot)] = id;
        EXPECT_FALSE(slot >= 617 && slot <= 645) << id;
    }
}

TEST(TextTable, NumeralLettersArePresentBeforeAnyLoad) {
    ClearTextTable();
    EXPECT_EQ(Text(617), L"\u05D0");
    EXPECT_EQ(Text(634), L"\u05E6");
    EXPECT_EQ(Text(643), L"\u05E7\u05EA\u05EA");
    EXPECT_EQ(Text(644), L"\u05D5\u05D8");
    EXPECT_TRUE(Text(150).empty());
    LoadLanguage(kLanguageEnglish);
    EXPECT_EQ(Text(150), L"Sunday");
    EXPECT_EQ(Text(617), L"\u05D0");
}

// Weekday names are resources 129..135: a run of seven numbered from 1 above base 128.
TEST(TextTable, NumberedResourcesOutsideTheirRunAreEmpty) {
    LoadLanguage(kLanguageEnglish);
    struct Case { int number; const wchar_t* text; };
    constexpr Case cases[] = {{1, L"Sunday"}, {7, L"Shabbat"}, {0, L""}, {8, L""}, {-1, L""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(NumberedResourceText(128, c.number, 7), c.text);
    }
}
