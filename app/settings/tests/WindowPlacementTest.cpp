#include "app/settings/WindowPlacement.h"

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace vessant;

TEST(WindowPlacement, ParsesExactlyTenNumbers) {
    struct Case { const wchar_t* text; std::optional<WINDOW_PLACEMENT> expected; };
    const Case cases[] = {
        {L"0,1,-1,-1,-1,-1,35,30,900,700", WINDOW_PLACEMENT{0, 1, -1, -1, -1, -1, 35, 30, 900, 700}},
        {L"2, 3, -32000, -32000, -1, -1, 10, 20, 30, 40 ", WINDOW_PLACEMENT{2, 3, -32000, -32000, -1, -1, 10, 20, 30, 40}},
        {L"4294967295,1,0,0,0,0,0,0,0,0", WINDOW_PLACEMENT{4294967295u, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {L"0,1,-1,-1,-1,-1,35,30,900", std::nullopt},        // nine
        {L"0,1,-1,-1,-1,-1,35,30,900,700,5", std::nullopt},  // eleven
        {L"0,1,-1,-1,-1,-1,35,30,900,", std::nullopt},
        {L"0 ,1,-1,-1,-1,-1,35,30,900,700", std::nullopt},  // a blank before a comma
        {L"0,1,-1,-1,-1,-1,35,30,900,700px", std::nullopt},
        {L"0;1;-1;-1;-1;-1;35;30;900;700", std::nullopt},
        {L"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::Utf8FromWide(c.text));
        EXPECT_EQ(ParseWindowPlacement(c.text), c.expected);
    }
}

TEST(WindowPlacement, FormatsWhatItParses) {
    const WINDOW_PLACEMENT placement{4294967295u, 3, -32000, -32000, -1, -1, -8, 12, 1928, 1048};
    EXPECT_EQ(FormatWindowPlacement(placement), L"4294967295,3,-32000,-32000,-1,-1,-8,12,1928,1048");
    EXPECT_EQ(ParseWindowPlacement(FormatWindowPlacement(placement)), placement);
}

TEST(WindowPlacement, AMinimisedWindowIsStoredShown) {
    struct Case { std::uint32_t flags, show, stored; };
    const Case cases[] = {
        {0, kShowMinimized, kShow},
        {kPlacementRestoreToMaximized, kShowMinimized, kShowMaximized},
        {0, kShowNormal, kShowNormal},
        {0, kShowMaximized, kShowMaximized},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flags << "," << c.show);
        EXPECT_EQ(PlacementForSaving({c.flags, c.show, 1, 2, 3, 4, 5, 6, 7, 8}),
                  (WINDOW_PLACEMENT{c.flags, c.stored, 1, 2, 3, 4, 5, 6, 7, 8}));
    }
}

TEST(WindowPlacement, TheDefaultRectangleFollowsTheScreenSize) {
    struct Case { int width, height, right, bottom; };
    const Case cases[] = {
        {1024, 768, 900, 700},
        {800, 600, 750, 450},
        {1000, 700, 750, 450},
        {1001, 701, 900, 700},
        {1920, 600, 900, 450},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(DefaultWindowPlacement(kShowNormal, c.width, c.height),
                  (WINDOW_PLACEMENT{0, kShowNormal, 1, 1, 1, 1, 35, 30, c.right, c.bottom}));
    }
}
