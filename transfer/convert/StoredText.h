#pragma once
// A text as a profile file gives it back: on one line and without the blanks and tabs
// around it, which a read drops. Carried titles and names are compared and written in
// this form, so an entry read back equals the one written.

#include <string>
#include <string_view>

namespace vessant::transfer {

std::wstring StoredText(std::wstring_view text);

} // namespace vessant::transfer
