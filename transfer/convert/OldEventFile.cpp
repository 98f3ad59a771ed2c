#include "transfer/convert/OldEventFile.h"

#include "calendar/DateOperations.h"
#include "platform/TextCodec.h"
#include "transfer/convert/LegacyTextReader.h"
#include "transfer/convert/StoredText.h"

#include <algorithm>
#include <array>

namespace vessant::transfer {
namespace {

constexpr std::string_view kVersion1Header = "*** VESSANT 1";
constexpr std::string_view kVersion2Header = "*** VESSANT 2";

// The widths of the nine numbers of a record ("%02d %02d %04d %02d %02d %04d %02d %02d
// %02d"); the first five are used.
constexpr std::array<std::size_t, 9> kNumberWidths = {2, 2, 4, 2, 2, 4, 2, 2, 2};

constexpr int kOldCalendarHebrew = 0;
constexpr int kOldCalendarCivil = 1;

// Old types 1 to 6 in order.
constexpr std::array<int, 6> kNewTypeOfOldType = {
    kEventYahrzeitAshkenazi, kEventYahrzeitMizrach, kEventBirthdayMale,
    kEventBirthdayFemale,    kEventAnniversary,     kEventOneTime,
};

constexpr unsigned char kFirstHebrewByte = 128;  // alef
constexpr unsigned char kLastHebrewByte = 154;   // tav
constexpr wchar_t kAlef = 0x05D0;

std::string UpToZeroByte(const std::string& field) { return field.substr(0, field.find('\0')); }

} // namespace

OLD_EVENT_FILE ReadOldEventFile(std::string_view fileBytes) {
    OLD_EVENT_FILE file;
    LegacyTextReader reader(fileBytes);
    const std::optional<std::string> header = reader.ReadTrimmedLine();
    if (!header)
        return file;
    if (header->find(kVersion1Header) != std::string::npos)
        file.version = 1;
    else if (header->find(kVersion2Header) != std::string::npos)
        file.version = 2;
    else
        return file;
    reader.ReadTrimmedLine();

    while (true) {
        std::array<std::int32_t, kNumberWidths.size()> numbers{};
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const ReadResult result = reader.ReadInt(kNumberWidths[i], numbers[i]);
            if (result == ReadResult::End && i == 0)
                return file;
            if (result != ReadResult::Ok) {
                ++file.unreadableRecords;
                return file;
            }
        }
        char separator = 0;
        reader.ReadByte(separator);
        OLD_EVENT_RECORD record;
        record.calendarFlag = numbers[0];
        record.oldType = numbers[1];
        record.civilYear = numbers[2];
        record.civilMonth = numbers[3];
        record.civilDay = numbers[4];
        record.englishField = UpToZeroByte(reader.ReadBytes(kOldTitleFieldBytes));
        record.hebrewField = UpToZeroByte(reader.ReadBytes(kOldTitleFieldBytes));
        file.records.push_back(std::move(record));
    }
}

std::wstring EnglishTitleText(std::string_view field) { return platform::WideFromWindows1252(field); }

std::wstring HebrewTitleText(std::string_view field) {
    std::wstring text;
    text.reserve(field.size());
    for (const char byte : field) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= kFirstHebrewByte && code <= kLastHebrewByte)
            text.push_back(static_cast<wchar_t>(kAlef + (code - kFirstHebrewByte)));
        else
            text += platform::WideFromWindows1252(std::string_view(&byte, 1));
    }
    std::reverse(text.begin(), text.end());
    return text;
}

std::optional<std::int32_t> OldCivilDayNumber(int year, int month, int day) {
    constexpr int kMonthsInYear = 12;
    constexpr int kLongestMonth = 31;
    if (year < 1 || month < 1 || month > kMonthsInYear || day < 1 || day > kLongestMonth)
        return std::nullopt;
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    if (!SetCivilDate(date, year, month, day))
        return std::nullopt;
    // A Julian day past its month's end, or one the transition skipped, runs on into
    // another day; only a date that reads back as itself exists.
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    if (shown.year != year || shown.month != month || shown.day != day)
        return std::nullopt;
    return date.dayNumber;
}

std::optional<int> NewEventType(int oldType) {
    if (oldType < 1 || oldType > static_cast<int>(kNewTypeOfOldType.size()))
        return std::nullopt;
    return kNewTypeOfOldType[static_cast<std::size_t>(oldType - 1)];
}

std::optional<EVENT_STRUCT> ConvertOldEvent(const OLD_EVENT_RECORD& record,
                                            const EVENT_CARRY_CHOICES& choices,
                                            std::wstring_view noTitle) {
    if (record.calendarFlag != kOldCalendarHebrew && record.calendarFlag != kOldCalendarCivil)
        return std::nullopt;
    const std::optional<int> type = NewEventType(record.oldType);
    const std::optional<std::int32_t> jdn =
        OldCivilDayNumber(record.civilYear, record.civilMonth, record.civilDay);
    if (!type || !jdn)
        return std::nullopt;

    const std::wstring english = StoredText(EnglishTitleText(record.englishField));
    const std::wstring hebrew = StoredText(HebrewTitleText(record.hebrewField));
    const std::wstring& preferred = choices.hebrewTitles ? hebrew : english;
    const std::wstring& other = choices.hebrewTitles ? english : hebrew;

    EVENT_STRUCT event;
    event.jdn = *jdn;
    event.type = *type;
    event.cal = record.calendarFlag == kOldCalendarHebrew ? kEventCalendarHebrew : kEventCalendarCivil;
    event.title = !preferred.empty() ? preferred : !other.empty() ? other : std::wstring(noTitle);
    if (choices.titleAsDescription)
        event.desc = event.title;
    return event;
}

} // namespace vessant::transfer
