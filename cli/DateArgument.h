#pragma once
// Dates as the command line accepts them: an ISO civil date ("2024-04-23"), read as the
// user sees the civil calendar (Julian before the chosen Gregorian transition); a Hebrew
// date with its year ("15 Nisan 5784", "1 Adar II 5784"); or "today". A Hebrew month
// name that fits two months of the year ("Adar" in a leap year) is refused, not guessed.

#include "calendar/DateStruct.h"

#include <string>
#include <string_view>

namespace vessant::cli {

// Civil years the command line works in; the calendar stops before year 1.
inline constexpr int kFirstCivilYear = 1;
inline constexpr int kLastCivilYear = 9999;
// Hebrew years: from the first whose Tishrei the civil calendar reaches to the one that
// ends after civil year 9999.
inline constexpr int kFirstHebrewYear = 3762;
inline constexpr int kLastHebrewYear = 13760;

// Sets `date` (whose Gregorian transition is already set) to the day the text names.
// On failure returns false with `error` saying what is wrong, and `date` is unusable.
bool ParseDateArgument(std::string_view text, DATE_STRUCT& date, std::string& error);

// The Hebrew month 1..14 named by a word or two ("Nisan", "Nissan", "Adar II", "Adar 1",
// the loaded language's own names), given whether the year is a leap year. 0 for a name
// that names no month, -1 for "Adar" in a leap year and for Adar I or II in a common year.
int HebrewMonthOfName(std::string_view name, bool leapYear);

} // namespace vessant::cli
