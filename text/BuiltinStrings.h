#pragma once
// The program's own English texts, by string-resource id.

namespace vessant {

// nullptr when the program has no text for the id.
const wchar_t* BuiltinString(int resourceId);

} // namespace vessant
