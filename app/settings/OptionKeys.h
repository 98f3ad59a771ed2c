#pragma once
// The integer keys of options.ini: where each lives, its default, the field it fills and
// whether it is read, written or both. The table's order is the order of writing.

#include "app/settings/Options.h"

#include <cstdint>
#include <span>

namespace vessant {

enum class KeyUse : std::uint8_t {
    ReadWrite,
    WriteOnly, // written with the field's current value, never read
    ReadOnly,  // read at start, never written back
};

struct OPTION_KEY {
    const wchar_t* section;
    const wchar_t* key;
    std::int32_t defaultValue;
    std::int32_t OPTIONS_STRUCT::*field;
    KeyUse use;
};

std::span<const OPTION_KEY> OptionKeyTable();

} // namespace vessant
