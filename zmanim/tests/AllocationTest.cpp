// The month table computes the zmanim of every cell and the export a table for every day
// of a year: neither may allocate.
#include "zmanim/DstRules.h"
#include "zmanim/Zmanim.h"
#include "zmanim/ZmanimTable.h"

#include "calendar/HebrewCalendar.h"

#include "testsupport/AllocationCounter.h"

#include <gtest/gtest.h>

namespace vessant {
namespace {

TEST(Allocation, ComputingZmanimAllocatesNothing) {
    SHITA_STRUCT custom = BuiltinShitaTemplate(5);
    custom.id = 100;
    custom.tzeitShabbatShita = 6;
    custom.tzeitShabbatVal = 40;
    custom.tosefetFrom = 2;
    custom.tosefetType = 3;
    custom.chametzShita = 3;
    ZMANIM_STRUCT ctx[7];
    for (int s = 0; s < 6; ++s) SetupZmanim(ctx[s], 35.23, 31.77, 20, s + 1, 15, nullptr);
    SetupZmanim(ctx[6], 35.23, 31.77, 20, 100, 15, &custom);
    ZMANIM_TABLE table;
    SetupZmanimTable(table, -74.0, 40.72, -50, 25);
    // The texts' storage, as the export keeps it from day to day, after a first day's texts.
    std::array<std::wstring, kZmanimTableEntries> texts;
    ComputeZmanimTable(table, CivilToDayNumber(2009, 12, 31, false));
    FormatZmanimTable(table, texts, 12);

    const testsupport::AllocationCounter allocations;
    int minutes = 0;
    // 2010 takes Israel's daylight saving through the Hebrew calendar.
    for (std::int32_t jd = CivilToDayNumber(2010, 1, 1, false); jd < CivilToDayNumber(2011, 1, 1, false); jd += 5) {
        for (ZMANIM_STRUCT& z : ctx) {
            ComputeZmanim(z, jd);
            minutes += GetAlot(z).minute + GetSofZmanShema(z).minute + GetPlagHamincha(z).minute +
                       GetTzeitShabbat(z).minute + GetCandleLighting(z, 6).minute +
                       GetLatestChametzBurning(z).minute + GetDayLength(z).seconds;
        }
        ComputeZmanimTable(table, jd);
        FormatZmanimTable(table, texts, jd % 2 == 0 ? 12 : 24);
        minutes += DstStatus(15, jd) + DstStatus(3, jd);
    }
    EXPECT_EQ(allocations.count(), 0);
    EXPECT_GT(minutes, 0);
}

} // namespace
} // namespace vessant
