#pragma once
// Hebrew numerals: letters with the gershayim (ASCII '"') before the last letter, the
// forms tet-vav and tet-zayin for 15 and 16, and a thousands mark (ASCII apostrophe)
// after the letters of the thousands: 5784 reads he ' tav shin pe " dalet.

#include <string>

namespace vessant {

// The numeral of n > 0 in reading (logical) order; empty for n <= 0. With singleMark a
// numeral of a single letter gets the apostrophe (in front of it, in logical order).
// The gershayim appears only when the number has thousands and at least two letters
// below the thousand.
std::wstring HebrewNumeral(int n, bool singleMark = false);

} // namespace vessant
