#include "calendar/HebrewNumeral.h"

#include "text/TextTable.h"

#include <algorithm>

namespace vessant {
namespace {

// Letter slots of the text table. Entries of several letters are stored in ascending
// order of value, because the numeral is built from its smallest part up and then
// reversed.
constexpr int kUnitSlots = 616;      // + 1..9
constexpr int kTenSlots = 625;       // + 1..9 (10..90)
constexpr int kHundredSlots = 634;   // + 1..9 (100..900)
constexpr int kFifteenSlot = 644;    // vav, tet
constexpr int kSixteenSlot = 645;    // zayin, tet

constexpr wchar_t kGershayim = L'"';
constexpr wchar_t kGeresh = L'\'';

// value in 1..9, 10..100 by tens (100 is "ten tens"), appended as stored.
void AppendUnit(std::wstring& s, int unit) { s += Text(kUnitSlots + unit); }
void AppendTen(std::wstring& s, int tens) {
    if (tens == 10)
        s += Text(kHundredSlots + 1);
    else
        s += Text(kTenSlots + tens);
}

// Hundreds beyond 900 (only for n = 1000 and for very large thousands) are written with
// extra tavs, so no lookup runs past the table.
void AppendHundreds(std::wstring& s, int hundreds) {
    int extraTavs = 0;
    while (hundreds > 9) {
        hundreds -= 4;
        ++extraTavs;
    }
    if (hundreds > 0)
        s += Text(kHundredSlots + hundreds);
    for (int i = 0; i < extraTavs; ++i)
        s += Text(kHundredSlots + 4);
}

// The letters of the thousands count, without marks.
void AppendPlainLetters(std::wstring& s, int n) {
    int hundreds = 0;
    if (n > 100) {
        hundreds = n / 100;
        n %= 100;
    }
    if (n == 15 || n == 16) {
        s += Text(n == 15 ? kFifteenSlot : kSixteenSlot);
    } else {
        if (n % 10 > 0)
            AppendUnit(s, n % 10);
        if (n / 10 > 0)
            AppendTen(s, n / 10);
    }
    if (hundreds > 0)
        AppendHundreds(s, hundreds);
}

} // namespace

std::wstring HebrewNumeral(int n, bool singleMark) {
    std::wstring s;
    if (n <= 0)
        return s;
    int thousands = 0;
    int hundreds = 0;
    if (n > 1000) {
        thousands = n / 1000;
        n %= 1000;
    }
    if (n > 100) {
        hundreds = n / 100;
        n %= 100;
    }

    bool gershayim = false;
    bool belowDone = false; // nothing larger below the thousand is left to add
    if (n == 15 || n == 16) {
        s += Text(n == 15 ? kFifteenSlot : kSixteenSlot);
    } else {
        const int units = n % 10;
        const int tens = n / 10;
        if (units > 0) {
            AppendUnit(s, units);
            if (thousands > 0) {
                if (tens == 0 && hundreds == 0) {
                    belowDone = true;
                } else {
                    s += kGershayim;
                    gershayim = true;
                }
            }
        }
        if (!belowDone && tens > 0) {
            AppendTen(s, tens);
            if (thousands > 0) {
                if (hundreds == 0)
                    belowDone = true;
                else if (!gershayim)
                    s += kGershayim;
            }
        }
    }
    if (!belowDone && hundreds > 0)
        AppendHundreds(s, hundreds);
    if (thousands > 0) {
        s += kGeresh;
        AppendPlainLetters(s, thousands);
    }
    if (singleMark && s.size() == 1)
        s += kGeresh;
    std::reverse(s.begin(), s.end());
    return s;
}

} // namespace vessant
