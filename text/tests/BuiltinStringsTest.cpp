#include "text/BuiltinStrings.h"
#include "text/Language.h"
#include "text/TextTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace vessant;

namespace {

// The donation dialog's text is deliberately empty: the dialog shows only its link.
constexpr int kEmptyByDesign = 842;

} // namespace

TEST(BuiltinStrings, EveryResourceSlotHasEnglishText) {
    ClearTextTable();
    LoadLanguage(kLanguageEnglish);
    int resourceSlots = 0;
    for (int id = 1; id < 65536; ++id) {
        const int slot = SlotOfResource(id);
        if (slot < 0)
            continue;
        ++resourceSlots;
        SCOPED_TRACE(id);
        ASSERT_NE(BuiltinString(id), nullptr);
        if (id == kEmptyByDesign) {
            EXPECT_TRUE(Text(slot).empty());
            continue;
        }
        EXPECT_FALSE(Text(slot).empty()) << "slot " << slot;
        EXPECT_EQ(Text(slot), BuiltinString(id)) << "slot " << slot;
        EXPECT_EQ(&TextOfResource(id), &Text(slot));
    }
    // 745 slots less the 44 + 9 never loaded, the 29 numeral letters and unused slots 5, 157, 165, 246, 702.
    EXPECT_EQ(resourceSlots, 745 - 44 - 9 - 29 - 5);
}

TEST(BuiltinStrings, SlotsFollowTheirNumberingRules) {
    LoadLanguage(kLanguageEnglish);
    struct Case {
        int slot;
        const wchar_t* text;
    };
    const Case cases[] = {
        // weekday w at slot 149 + w, the night before it at 157 + w
        {150, L"Sunday"}, {156, L"Shabbat"}, {158, L"Saturday night"}, {164, L"Friday night"},
        // Hebrew month m at slot 165 + m
        {166, L"Tishrei"}, {171, L"Adar I"}, {172, L"Adar II"}, {173, L"Nissan"}, {179, L"Adar"},
        // civil month m at slot 179 + m
        {180, L"January"}, {191, L"December"},
        // portion n at slot 191 + n, special Shabbat s at 246 + s, day-event code c at 276 + c
        {192, L"Bereshit"}, {245, L"Vezot Habracha"}, {247, L"Shabbat Shuva"}, {258, L"Selichot Ashkenazim"},
        {277, L"Rosh Hashanah 1"}, {299, L"Taanit BH\"B"}, {370, L"Day %d of the Omer"}, {371, L"Sigd"},
        // zones, daylight-saving rules and shitot
        {30, L"Date Line (GMT -12:00)"}, {36, L"Pacific - U.S. &amp; Canada (GMT -08:00)"},
        {56, L"Bangkok,  Hanoi, Jakarta (GMT +07:00)"}, {64, L"Fiji, New Zealand (GMT +12:00)"},
        {65, L"Always off"}, {89, L"USA"}, {94, L"Eretz Yisrael (GR\"A)"}, {99, L"Kisei Rachamim"},
        // study cycles: daf yomi 451.., Yerushalmi 488.., mishna 527.., halacha 590.., Tanach 592..
        {451, L"Berachot"}, {486, L"Meilah, etc"}, {487, L"Nidah"}, {488, L"Berachot"}, {526, L"Nidah"},
        {527, L"Berachot"}, {589, L"Uktzin"}, {590, L"Orach Chaim"}, {591, L"Kitzur Shulchan Aruch"},
        {592, L"Yehoshua"}, {599, L"12 Prophets"}, {611, L"Divrei Hayamim"},
        // molad pieces, reminder texts, the application title
        {690, L"The molad is on"}, {729, L"min before "}, {734, L"Su "}, {740, L"Sa "}, {744, L"Export"},
        {646, L"Vessant 3"}, {3, L"Vessant 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(Text(c.slot), c.text);
    }
}

TEST(BuiltinStrings, TextsWithoutSlotsAreReachableByResourceId) {
    LoadLanguage(kLanguageEnglish);
    EXPECT_EQ(SlotOfResource(61702), -1);
    EXPECT_EQ(TextOfResource(61702), L"Could not start print job.");
    EXPECT_EQ(TextOfResource(32786), L" Choose another location for this session\nQuick location change - does not set default");
    EXPECT_EQ(TextOfResource(104), L"Current Hebrew date");
    EXPECT_TRUE(TextOfResource(19999).empty());
    EXPECT_EQ(BuiltinString(19999), nullptr);
}
