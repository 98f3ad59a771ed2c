#include "transfer/convert/OldLocationFile.h"

#include "platform/TextCodec.h"
#include "transfer/convert/LegacyTextReader.h"
#include "transfer/convert/StoredText.h"

#include <limits>
#include <utility>

namespace vessant::transfer {
namespace {

constexpr std::string_view kFileHeader = "*** VESSANT32 2.";
constexpr std::string_view kLocationHeader = "*** LOC VER 000 ***";
constexpr std::wstring_view kIsraelExactly = L"Israel";
// Every place in Israel lies east of 34° 15'; a longitude below 34 degrees there is a
// latitude.
constexpr std::int16_t kIsraelWesternmostDegrees = 34;

bool FitsLocationField(std::int32_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// One record ("%c %s %s %d %d %d %d %d %d %d %d "); End only when the file ends before
// the record's first character.
ReadResult ReadRecord(LegacyTextReader& reader, OLD_LOCATION_RECORD& record) {
    char marker = 0;
    if (!reader.ReadByte(marker))
        return ReadResult::End;
    if (reader.ReadWord(record.country) != ReadResult::Ok ||
        reader.ReadWord(record.city) != ReadResult::Ok)
        return ReadResult::Malformed;
    for (std::int32_t& number : record.numbers)
        if (reader.ReadInt(0, number) != ReadResult::Ok || !FitsLocationField(number))
            return ReadResult::Malformed;
    reader.SkipWhiteSpace();
    return ReadResult::Ok;
}

} // namespace

OLD_LOCATION_FILE ReadOldLocationFile(std::string_view fileBytes) {
    OLD_LOCATION_FILE file;
    LegacyTextReader reader(fileBytes);
    const std::optional<std::string> first = reader.ReadTrimmedLine();
    const std::optional<std::string> second = reader.ReadTrimmedLine();
    if (!first || first->find(kFileHeader) == std::string::npos || second != kLocationHeader)
        return file;
    file.recognised = true;
    while (true) {
        OLD_LOCATION_RECORD record;
        const std::size_t start = reader.Position();
        const ReadResult result = ReadRecord(reader, record);
        if (result == ReadResult::End)
            return file;
        if (result == ReadResult::Malformed) {
            // From the line the record began on, so that a short record does not take
            // the next one with it.
            ++file.unreadableRecords;
            reader.SeekTo(start);
            reader.SkipLine();
            reader.SkipWhiteSpace();
            continue;
        }
        file.records.push_back(std::move(record));
    }
}

LOC_STRUCT ConvertOldLocation(const OLD_LOCATION_RECORD& record, bool exchangeIsraelCoordinates) {
    LOC_STRUCT location;
    location.city = StoredText(platform::WideFromWindows1252(record.city));
    location.country = StoredText(platform::WideFromWindows1252(record.country));
    const auto field = [&](std::size_t i) { return static_cast<std::int16_t>(record.numbers[i]); };
    location.longitudeDegrees = field(0);
    location.longitudeMinutes = field(1);
    location.longitudeDirection = field(2);
    location.latitudeDegrees = field(3);
    location.latitudeMinutes = field(4);
    location.latitudeDirection = field(5);
    location.timeZone = field(6);
    location.dstRule = field(7);
    location.diaspora = location.country == kIsraelExactly ? 0 : 1;
    location.shita = kCarriedShita;
    location.candleLighting = kCarriedCandleLighting;
    if (exchangeIsraelCoordinates && IsIsraelCountry(location.country) &&
        location.longitudeDegrees < kIsraelWesternmostDegrees) {
        std::swap(location.longitudeDegrees, location.latitudeDegrees);
        std::swap(location.longitudeMinutes, location.latitudeMinutes);
    }
    return location;
}

bool SameCarriedLocation(const LOC_STRUCT& a, const LOC_STRUCT& b) {
    return a.city == b.city && a.country == b.country &&
           a.longitudeDegrees == b.longitudeDegrees && a.longitudeMinutes == b.longitudeMinutes &&
           a.longitudeDirection == b.longitudeDirection &&
           a.latitudeDegrees == b.latitudeDegrees && a.latitudeMinutes == b.latitudeMinutes &&
           a.latitudeDirection == b.latitudeDirection && a.timeZone == b.timeZone &&
           a.dstRule == b.dstRule;
}

} // namespace vessant::transfer
