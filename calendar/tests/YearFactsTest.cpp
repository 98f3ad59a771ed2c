#include "calendar/YearFacts.h"

#include "testsupport/EnglishTexts.h"

using namespace vessant;

using YearFacts = testsupport::EnglishTexts;

TEST_F(YearFacts, TheFactsOf5784) {
    EXPECT_EQ(CreationText(5784), L"5784 years from the creation of the world");
    EXPECT_EQ(HebrewYearType(5784), kYearDeficient);
    EXPECT_EQ(HebrewYearTypeText(5784), L"Chaserah - incomplete (both cheshvan and kislev 29 days)");
    EXPECT_EQ(LeapYearText(5784), L"Full (leap) - 13 months in the year");
    EXPECT_EQ(LunarCycle(5784).yearOfCycle, 8);
    EXPECT_EQ(LunarCycle(5784).cycle, 305);
    EXPECT_EQ(LunarCycleText(5784), L"Year 8 of cycle 305 of the lunar (small) cycle");
    EXPECT_EQ(SolarCycle(5784).yearOfCycle, 16);
    EXPECT_EQ(SolarCycle(5784).cycle, 207);
    EXPECT_EQ(SolarCycleText(5784), L"Year 16 of cycle 207 of the solar (big) cycle");
    EXPECT_EQ(ShmitaClass(5784).shmitaClass, kShmitaMaaserSheni);
    EXPECT_EQ(ShmitaClassText(5784), L"Ma'aser Sheni (tithe for Jerusalem)");
    EXPECT_EQ(ShmitaCycleText(5784), L"Year two of the shmita cycle");
    EXPECT_EQ(YearsSinceEpoch(5784, kEpochTemple), L"1954 years from the destruction of our Holy Temple");
    EXPECT_EQ(YearsSinceEpoch(5784, kEpochState), L"76 years from the establishment of the State of Israel");
    EXPECT_EQ(YearsSinceEpoch(5784, kEpochJerusalem), L"57 years from the liberation of Jerusalem");
}

TEST_F(YearFacts, YearTypes) {
    struct Case { int year; int type; };
    constexpr Case cases[] = {{5784, kYearDeficient}, {5785, kYearComplete}, {5783, kYearComplete},
                              {5782, kYearInOrder},   {5786, kYearInOrder},  {5779, kYearComplete}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(HebrewYearType(c.year), c.type);
    }
    EXPECT_EQ(HebrewYearTypeText(5785), L"Shelemah - complete (both cheshvan and kislev 30 days)");
    EXPECT_EQ(HebrewYearTypeText(5782), L"Kesidran - in order (cheshvan 29 days, kislev 30 days)");
    EXPECT_EQ(LeapYearText(5785), L"Simple - 12 months in the year");
}

TEST_F(YearFacts, Cycles) {
    struct Case { int year; int lunarYear, lunarCycle, solarYear, solarCycle; };
    constexpr Case cases[] = {
        {1, 1, 1, 1, 1}, {19, 19, 1, 19, 1}, {20, 1, 2, 20, 1}, {28, 9, 2, 28, 1}, {29, 10, 2, 1, 2},
        {5776, 19, 304, 8, 207},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(LunarCycle(c.year).yearOfCycle, c.lunarYear);
        EXPECT_EQ(LunarCycle(c.year).cycle, c.lunarCycle);
        EXPECT_EQ(SolarCycle(c.year).yearOfCycle, c.solarYear);
        EXPECT_EQ(SolarCycle(c.year).cycle, c.solarCycle);
    }
}

TEST_F(YearFacts, ShmitaCycle) {
    struct Case { int year; int shmitaClass; const wchar_t* classText; const wchar_t* cycleText; };
    const Case cases[] = {
        {5782, kShmitaYear, L"Year of shmita", L""},
        {5783, kShmitaMaaserSheni, L"Ma'aser Sheni (tithe for Jerusalem)", L"Year one of the shmita cycle"},
        {5785, kShmitaMaaserAni, L"Ma'aser Ani (tithe for the poor)", L"Year three of the shmita cycle"},
        {5786, kShmitaMaaserSheni, L"Ma'aser Sheni (tithe for Jerusalem)", L"Year four of the shmita cycle"},
        {5787, kShmitaMaaserSheni, L"Ma'aser Sheni (tithe for Jerusalem)", L"Year five of the shmita cycle"},
        {5788, kShmitaMaaserAni, L"Ma'aser Ani (tithe for the poor)", L"Year six of the shmita cycle"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(ShmitaClass(c.year).shmitaClass, c.shmitaClass);
        EXPECT_EQ(ShmitaClass(c.year).yearOfCycle, c.year % 7);
        EXPECT_EQ(ShmitaClassText(c.year), c.classText);
        EXPECT_EQ(ShmitaCycleText(c.year), c.cycleText);
    }
}

TEST_F(YearFacts, Epochs) {
    struct Case { int year; const wchar_t* temple; const wchar_t* state; const wchar_t* jerusalem; };
    const Case cases[] = {
        {3829, L"", L"", L""},
        {3830, L"The year of the destruction of our Holy Temple", L"", L""},
        {3831, L"1 years from the destruction of our Holy Temple", L"", L""},
        {5708, L"1878 years from the destruction of our Holy Temple",
         L"The year of the establishment of the State of Israel", L""},
        {5727, L"1897 years from the destruction of our Holy Temple",
         L"19 years from the establishment of the State of Israel", L"The year of the liberation of Jerusalem"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(YearsSinceEpoch(c.year, kEpochTemple), c.temple);
        EXPECT_EQ(YearsSinceEpoch(c.year, kEpochState), c.state);
        EXPECT_EQ(YearsSinceEpoch(c.year, kEpochJerusalem), c.jerusalem);
    }
    EXPECT_EQ(YearsSinceEpoch(5784, 5000), L""); // not one of the three epochs
}
