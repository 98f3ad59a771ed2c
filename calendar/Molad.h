#pragma once
// The molad (calculated new moon) of a Hebrew month and the lines of the molad box.

#include "calendar/DateStruct.h"

#include <string>
#include <vector>

namespace vessant {

struct MOLAD {
    int weekday = 0; // [1, 7], 1 Sunday; a day begins at 6 PM of the evening before
    int hour = 0;    // [0, 23] counted from that 6 PM
    int parts = 0;   // [0, 1079], 1080 parts to the hour, 18 to the minute
};

// Molad of month `month` (DATE_STRUCT numbering) of a Hebrew year >= 1.
MOLAD MoladOfMonth(int hebrewYear, int month);
// Molad of the record's Hebrew month.
MOLAD MoladOfMonth(const DATE_STRUCT& date);

// The molad box: "The molad is on:", the night or day name, the clock hour, then the
// minutes and the remaining parts when they are not zero (two to five lines). The
// Hebrew interface puts the colon first and keeps each number before its unit.
std::vector<std::wstring> MoladText(const MOLAD& molad, bool hebrewInterface);
std::vector<std::wstring> MoladText(const MOLAD& molad); // the loaded interface

} // namespace vessant
