#pragma once
// Hebrew and civil dates in words: "15 Nissan 5784" and "23 April 2024", or in the Hebrew
// interface the day and year as Hebrew numerals.

#include "calendar/DateStruct.h"

#include <string>

namespace vessant {

// "%s %s %s" of day numeral, month name and year numeral in the Hebrew interface,
// "%d %s %d" otherwise. The overloads without the flag use the loaded interface.
std::wstring FormatHebrewDate(int day, int month, int year, bool hebrewInterface);
std::wstring FormatHebrewDate(int day, int month, int year);
std::wstring FormatHebrewDate(const DATE_STRUCT& date);

// "%d %s %d" of day, civil month name and year, in every interface.
std::wstring FormatCivilDate(int day, int month, int year);
// The record's civil date as the user sees it (Julian before the transition).
std::wstring FormatCivilDate(const DATE_STRUCT& date);

} // namespace vessant
