#include "dayevents/detail/PortionSchedule.h"

#include "dayevents/detail/HebrewMonths.h"

namespace vessant {
namespace {

using enum JoinRule;
using namespace hebmonth;

// first portion of the pair, when it is joined
constexpr JOINED_PAIR kJoinedPairs[] = {
    {22, CommonUnlessThursdayToTuesday},   // Vayakhel + Pekudei
    {27, Common},                          // Tazria + Metzora
    {29, Common},                          // Acharei Mot + Kedoshim
    {32, CommonOutsideIsraelOrNotMonday},  // Behar + Bechukotai
    {39, DiasporaBeforeShabbat},           // Chukat + Balak
    {42, CommonOrLateOrDiasporaMonday},    // Matot + Mase'ei
    {51, BeforeThursdayOrShabbat},         // Nitzavim + Vayelech
};

// special, month, first day, last day (Shira, 2, goes by its portion instead)
constexpr SPECIAL_SHABBAT_RANGE kSpecialShabbatot[] = {
    {1, kTishrei, 3, 9},         // Shabbat Shuva
    {3, BeforeTheAdar, 25, 30},  // Parshat Shekalim
    {3, TheAdar, 1, 1},          // Parshat Shekalim on Rosh Chodesh
    {4, TheAdar, 8, 14},         // Parshat Zachor
    {5, TheAdar, 24, 29},        // Parshat Hachodesh
    {5, kNisan, 1, 1},           // Parshat Hachodesh on Rosh Chodesh
    {6, TheAdar, 17, 23},        // Parshat Parah
    {7, kNisan, 8, 14},          // Shabbat Hagadol
    {8, kSivan, 3, 8},           // Shabbat Kallah
    {9, kAv, 3, 9},              // Shabbat Chazon
    {10, kAv, 10, 16},           // Shabbat Nachamu
    {12, kElul, 20, 26},         // Selichot Ashkenazim
};

} // namespace

std::span<const JOINED_PAIR> JoinedPairs() {
    return {kJoinedPairs};
}

std::span<const SPECIAL_SHABBAT_RANGE> SpecialShabbatRanges() {
    return {kSpecialShabbatot};
}

} // namespace vessant
