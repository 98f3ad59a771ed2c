#include "app/settings/OptionKeys.h"

namespace vessant {
namespace {

constexpr OPTION_KEY kOptionKeys[] = {
#include "app/settings/detail/OptionKeyTable.inc"
};

} // namespace

std::span<const OPTION_KEY> OptionKeyTable() {
    return kOptionKeys;
}

OPTIONS_STRUCT DefaultOptions() {
    OPTIONS_STRUCT options;
    for (const OPTION_KEY& row : kOptionKeys)
        options.*row.field = row.defaultValue;
    return options;
}

} // namespace vessant
