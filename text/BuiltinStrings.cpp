#include "BuiltinStrings.h"

#include <algorithm>
#include <iterator>

namespace vessant {
namespace {

struct BuiltinText {
    int id;
    const wchar_t* text;
};

// One row per string-resource id, in ascending id order.
constexpr BuiltinText kBuiltinTexts[] = {
#include "BuiltinStrings.inc"
};

static_assert(std::is_sorted(std::begin(kBuiltinTexts), std::end(kBuiltinTexts),
                             [](const BuiltinText& a, const BuiltinText& b) { return a.id < b.id; }),
              "BuiltinStrings.inc must be in ascending id order");

} // namespace

const wchar_t* BuiltinString(int resourceId) {
    const auto it = std::lower_bound(std::begin(kBuiltinTexts), std::end(kBuiltinTexts), resourceId,
                                     [](const BuiltinText& row, int id) { return row.id < id; });
    return (it != std::end(kBuiltinTexts) && it->id == resourceId) ? it->text : nullptr;
}

} // namespace vessant
