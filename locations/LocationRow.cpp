#include "locations/LocationRow.h"

#include "platform/ProfileFile.h"
#include "platform/SingleLine.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vessant {
namespace {

// Up to this many fields are taken from a row; the first fourteen are used.
constexpr std::size_t kMaxFields = 17;

std::vector<std::wstring_view> SplitAtTabRuns(std::wstring_view row) {
    std::vector<std::wstring_view> fields;
    std::size_t pos = 0;
    while (fields.size() < kMaxFields) {
        pos = row.find_first_not_of(L'\t', pos);
        if (pos == std::wstring_view::npos)
            break;
        std::size_t end = row.find(L'\t', pos);
        if (end == std::wstring_view::npos)
            end = row.size();
        fields.push_back(row.substr(pos, end - pos));
        pos = end;
    }
    return fields;
}

// Integers are read as the program has always read them: the leading decimal number,
// kept in 16 bits.
std::int16_t FieldNumber(const std::vector<std::wstring_view>& fields, std::size_t index) {
    if (index >= fields.size())
        return 0;
    return static_cast<std::int16_t>(platform::LeadingDecimal(fields[index]));
}

} // namespace

LOCATION_ROW ParseLocationRow(std::wstring_view row) {
    const std::vector<std::wstring_view> fields = SplitAtTabRuns(row);
    LOCATION_ROW result;
    LOC_STRUCT& loc = result.location;
    if (fields.size() > 0)
        loc.city = fields[0];
    if (fields.size() > 1)
        loc.country = fields[1];
    loc.longitudeDegrees = FieldNumber(fields, 2);
    loc.longitudeMinutes = FieldNumber(fields, 3);
    loc.longitudeDirection = FieldNumber(fields, 4);
    loc.latitudeDegrees = FieldNumber(fields, 5);
    loc.latitudeMinutes = FieldNumber(fields, 6);
    loc.latitudeDirection = FieldNumber(fields, 7);
    loc.timeZone = FieldNumber(fields, 8);
    loc.dstRule = FieldNumber(fields, 9);
    loc.diaspora = FieldNumber(fields, 10);
    loc.shita = FieldNumber(fields, 11);
    loc.candleLighting = FieldNumber(fields, 12);
    result.isDefault = fields.size() > 13 && fields[13] == kDefaultMarker;
    return result;
}

std::wstring StorableLocationText(std::wstring_view text) {
    // A tab would also split the row into fields.
    return platform::SingleLine(text, L"\t");
}

std::wstring LocationRowText(const LOC_STRUCT& loc, bool isDefault) {
    auto textField = [](const std::wstring& text) {
        return text.empty() ? std::wstring(L" ") : StorableLocationText(text);
    };
    const std::array<int, 11> numbers = {
        loc.longitudeDegrees, loc.longitudeMinutes, loc.longitudeDirection,
        loc.latitudeDegrees,  loc.latitudeMinutes,  loc.latitudeDirection,
        loc.timeZone,         loc.dstRule,          loc.diaspora,
        loc.shita,            loc.candleLighting};
    std::wstring row = textField(loc.city);
    row += L'\t';
    row += textField(loc.country);
    for (int n : numbers) {
        row += L'\t';
        row += std::to_wstring(n);
    }
    row += L'\t';
    if (isDefault)
        row += kDefaultMarker;
    return row;
}

} // namespace vessant
