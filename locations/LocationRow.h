#pragma once
// One location as a row of text, the form in which the "locations" section of options.ini
// and the sections of locations.ini hold it:
//   city TAB country TAB eleven integers TAB marker
// The integers are, in this order: longitude degrees, minutes, direction, latitude
// degrees, minutes, direction, zone, DST rule, diaspora, shita, candle lighting (the DST
// rule comes before diaspora, the reverse of their order in LOC_STRUCT). The marker is
// "default" on the default location's row and empty on the others.

#include "locations/LocationStruct.h"

#include <string>
#include <string_view>

namespace vessant {

inline constexpr std::wstring_view kDefaultMarker = L"default";

// The two rows used when row "0" or row "1" is missing: Jerusalem and Pittsburgh.
inline constexpr std::wstring_view kBuiltinRow0 =
    L"Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t1\t6\t\t";
inline constexpr std::wstring_view kBuiltinRow1 =
    L"Pittsburgh\tPA\t80\t0\t2\t40\t26\t1\t10\t25\t1\t3\t2\t\t";

struct LOCATION_ROW {
    LOC_STRUCT location;
    bool isDefault = false;  // the row carried the marker "default"
};

// Splits a row at tabs. A run of tabs counts as one separator, so an empty field is
// skipped and the fields after it move forward (a stored row never has one: see
// LocationRowText). Missing integers are 0, and a field that is not a number gives 0.
LOCATION_ROW ParseLocationRow(std::wstring_view row);

// The row text of a record. Tabs and line breaks in the city or country become blanks,
// and an empty city or country is written as one blank, so the row reads back with every
// field in its place.
std::wstring LocationRowText(const LOC_STRUCT& location, bool isDefault);

// A city or country as it may be stored: tabs, carriage returns and line feeds become
// blanks. The record keeps this form so that what is shown matches what is saved.
std::wstring StorableLocationText(std::wstring_view text);

} // namespace vessant
