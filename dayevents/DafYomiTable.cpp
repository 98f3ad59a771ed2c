#include "dayevents/detail/DafYomiTable.h"

namespace vessant {

// Every tractate starts at page 2; the next row's start bounds its last page.
const DAF_TRACTATE_START kDafYomiStarts[kDafYomiTractates + 1] = {
    {0, 1},     // Berachot 2-64
    {63, 2},    // Shabbat 2-157
    {219, 3},   // Eruvin 2-105
    {323, 4},   // Pesachim 2-121
    {443, 5},   // Shekalim 2-22
    {464, 6},   // Yoma 2-88
    {551, 7},   // Succah 2-56
    {606, 8},   // Beitzah 2-40
    {645, 9},   // Rosh Hashanah 2-35
    {679, 10},  // Taanit 2-31
    {709, 11},  // Megilah 2-32
    {740, 12},  // Moed Katan 2-29
    {768, 13},  // Chagigah 2-27
    {794, 14},  // Yebomot 2-122
    {915, 15},  // Ketubot 2-112
    {1026, 16}, // Nedarim 2-91
    {1116, 17}, // Nazir 2-66
    {1181, 18}, // Sotah 2-49
    {1229, 19}, // Gitin 2-90
    {1318, 20}, // Kidushin 2-82
    {1399, 21}, // Bava Kama 2-119
    {1517, 22}, // Bava Metzia 2-119
    {1635, 23}, // Bava Batra 2-176
    {1810, 24}, // Sanhedrin 2-113
    {1922, 25}, // Makot 2-24
    {1945, 26}, // Shavuot 2-49
    {1993, 27}, // Avodah Zarah 2-76
    {2068, 28}, // Horayot 2-14
    {2081, 29}, // Zevachim 2-120
    {2200, 30}, // Menachot 2-110
    {2309, 31}, // Chulin 2-142
    {2450, 32}, // Bechorot 2-61
    {2510, 33}, // Erchin 2-34
    {2543, 34}, // Temurah 2-34
    {2576, 35}, // Keritut 2-28
    {2603, 36}, // Meilah, Kinim, Tamid, Midot 2-37
    {2639, 37}, // Nidah 2-73
    {kStudyTableSentinel, 0},
};

} // namespace vessant
