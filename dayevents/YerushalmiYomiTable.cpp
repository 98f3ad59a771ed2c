#include "dayevents/YerushalmiYomiTable.h"

#include "dayevents/StudyPosition.h"

namespace vessant {

// Pages run from 1; the next row's start bounds a tractate's last page.
const std::int32_t kYerushalmiStarts[kYerushalmiTractates + 1] = {
    0,    // Berachot 1-68
    68,   // Peah 1-37
    105,  // Demai 1-34
    139,  // Kilayim 1-44
    183,  // Shviit 1-31
    214,  // Terumot 1-59
    273,  // Maaserot 1-26
    299,  // Maaser Sheni 1-33
    332,  // Challah 1-28
    360,  // Orlah 1-20
    380,  // Bikurim 1-13
    393,  // Shabbat 1-92
    485,  // Eruvin 1-65
    550,  // Pesachim 1-71
    621,  // Beitzah 1-22
    643,  // Rosh Hashanah 1-22
    665,  // Yoma 1-42
    707,  // Succah 1-26
    733,  // Taanit 1-26
    759,  // Shekalim 1-33
    792,  // Megilah 1-34
    826,  // Chagigah 1-22
    848,  // Moed Katan 1-19
    867,  // Yebomot 1-85
    952,  // Ketubot 1-72
    1024, // Sotah 1-47
    1071, // Nedarim 1-40
    1111, // Nazir 1-47
    1158, // Gitin 1-54
    1212, // Kidushin 1-48
    1260, // Bava Kama 1-44
    1304, // Bava Metzia 1-37
    1341, // Bava Batra 1-34
    1375, // Shavuot 1-44
    1419, // Makot 1-9
    1428, // Sanhedrin 1-57
    1485, // Avodah Zarah 1-37
    1522, // Horayot 1-19
    1541, // Nidah 1-13
    kStudyTableSentinel,
};

} // namespace vessant
