#include "cli/DateArgument.h"

#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "cli/CliText.h"
#include "cli/CliTextIds.h"
#include "platform/TextCodec.h"

#include <charconv>
#include <cwctype>
#include <vector>

namespace vessant::cli {
namespace {

struct MONTH_SPELLING {
    const wchar_t* name; // lower case, without blanks, apostrophes or hyphens
    int month;           // 1..14; kAdar stands for "the Adar of the year", resolved below
};

// The usual English spellings. A bare "Adar" is kAdar and is resolved by the year.
constexpr MONTH_SPELLING kSpellings[] = {
    {L"tishrei", kTishrei},    {L"tishri", kTishrei},     {L"cheshvan", kCheshvan},  {L"heshvan", kCheshvan},
    {L"marcheshvan", kCheshvan}, {L"marheshvan", kCheshvan}, {L"chesvan", kCheshvan}, {L"kislev", kKislev},
    {L"kislew", kKislev},      {L"tevet", kTevet},        {L"teves", kTevet},        {L"tebeth", kTevet},
    {L"shevat", kShevat},      {L"shvat", kShevat},       {L"shevet", kShevat},      {L"adar", kAdar},
    {L"adari", kAdarI},        {L"adar1", kAdarI},        {L"adaraleph", kAdarI},    {L"adaralef", kAdarI},
    {L"adarrishon", kAdarI},   {L"adarii", kAdarII},      {L"adar2", kAdarII},       {L"adarbet", kAdarII},
    {L"adarbeit", kAdarII},    {L"adarsheni", kAdarII},   {L"veadar", kAdarII},      {L"nisan", kNisan},
    {L"nissan", kNisan},       {L"iyar", kIyyar},         {L"iyyar", kIyyar},        {L"sivan", kSivan},
    {L"tammuz", kTammuz},      {L"tamuz", kTammuz},       {L"av", kAv},              {L"ab", kAv},
    {L"menachemav", kAv},      {L"elul", kElul},
};

std::wstring Normalized(std::wstring_view text) {
    std::wstring out;
    for (const wchar_t ch : text) {
        if (ch == L' ' || ch == L'\t' || ch == L'\'' || ch == L'-' || ch == L'\u2019' || ch == L'"' ||
            ch == L'\u05F3' || ch == L'\u05F4')
            continue;
        out += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    }
    return out;
}

bool ParseInt(std::string_view text, int& value) {
    if (text.empty() || text.size() > 9)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char ch : text) {
        if (ch == ' ' || ch == '\t' || ch == ',') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += ch;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

constexpr std::size_t kIsoYearDigits = 4;
constexpr std::size_t kIsoMonthDayDigits = 2;

// One to maxDigits ASCII digits, and nothing else (no sign, no blank).
bool ParseDigits(std::string_view text, std::size_t maxDigits, int& value) {
    if (text.empty() || text.size() > maxDigits)
        return false;
    for (const char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    return ParseInt(text, value);
}

// YYYY-MM-DD with one to four year digits and one or two of month and day. False when the
// text is not of that shape; true with error set when it is but names no day.
bool ParseIsoDate(std::string_view text, DATE_STRUCT& date, std::string& error) {
    const std::size_t firstDash = text.find('-');
    const std::size_t secondDash = firstDash == std::string_view::npos ? firstDash : text.find('-', firstDash + 1);
    if (secondDash == std::string_view::npos)
        return false;
    int year = 0;
    int month = 0;
    int day = 0;
    if (!ParseDigits(text.substr(0, firstDash), kIsoYearDigits, year) ||
        !ParseDigits(text.substr(firstDash + 1, secondDash - firstDash - 1), kIsoMonthDayDigits, month) ||
        !ParseDigits(text.substr(secondDash + 1), kIsoMonthDayDigits, day))
        return false;
    if (year < kFirstCivilYear || year > kLastCivilYear) {
        error = Say(kIdErrCivilYear, {Wide(text)});
        return true;
    }
    if (month < 1 || month > 12) {
        error = Say(kIdErrCivilMonth, {Wide(text)});
        return true;
    }
    if (day < 1 || day > 31 || !SetCivilDate(date, year, month, day)) {
        error = Say(kIdErrNotCivilDay, {Wide(text)});
        return true;
    }
    // Julian dates run on past the month's end, and the transition skips days: the day
    // must read back as it was written.
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    if (shown.year != year || shown.month != month || shown.day != day) {
        const int firstYear = date.transYear;
        const bool skipped = year == firstYear && month == date.transMonth;
        error = Say(skipped ? kIdErrSkippedCivilDay : kIdErrNotCivilDay, {Wide(text)});
    }
    return true;
}

} // namespace

int HebrewMonthOfName(std::string_view name, bool leapYear) {
    const std::wstring key = Normalized(platform::WideFromUtf8(name));
    if (key.empty())
        return 0;
    int month = 0;
    for (const MONTH_SPELLING& s : kSpellings)
        if (key == s.name)
            month = s.month;
    if (month == 0) {
        // The month names of the loaded language ("Nissan" in English, Hebrew in Hebrew).
        for (int m = 1; m <= 14 && month == 0; ++m)
            if (key == Normalized(HebrewMonthName(m)))
                month = m;
    }
    if (month == 0)
        return 0;
    if (month == kAdar)
        return leapYear ? -1 : kAdar;
    if (month == kAdarI || month == kAdarII)
        return leapYear ? month : -1;
    return month;
}

bool ParseDateArgument(std::string_view text, DATE_STRUCT& date, std::string& error) {
    error.clear();
    const std::vector<std::string> words = Words(text);
    if (words.empty()) {
        error = Say(kIdErrEmptyDate);
        return false;
    }
    if (words.size() == 1 && (words[0] == "today" || words[0] == "tomorrow" || words[0] == "yesterday")) {
        SetToday(date);
        AddDays(date, words[0] == "tomorrow" ? 1 : words[0] == "yesterday" ? -1 : 0);
        return true;
    }
    if (words.size() == 1) {
        if (!ParseIsoDate(words[0], date, error))
            error = Say(kIdErrMalformedDate, {Wide(text)});
        return error.empty();
    }

    // A Hebrew date: day, month name (one or two words), year.
    int day = 0;
    int year = 0;
    if (words.size() < 3 || !ParseInt(words.front(), day) || !ParseInt(words.back(), year)) {
        error = Say(kIdErrMalformedHebrewDate, {Wide(text)});
        return false;
    }
    std::string monthName;
    for (std::size_t i = 1; i + 1 < words.size(); ++i)
        monthName += words[i] + " ";
    monthName.pop_back();
    if (year < kFirstHebrewYear || year > kLastHebrewYear) {
        error = Say(kIdErrHebrewYearOfDate, {Wide(text)});
        return false;
    }
    const bool leap = IsHebrewLeapYear(year);
    const int month = HebrewMonthOfName(monthName, leap);
    if (month == 0) {
        error = Say(kIdErrUnknownMonth, {Wide(monthName), Wide(text)});
        return false;
    }
    if (month == -1) {
        error = Say(leap ? kIdErrLeapAdar : kIdErrPlainAdar, {year});
        return false;
    }
    if (day < 1 || day > 30 || !SetHebrewDate(date, year, month, day)) {
        error = Say(kIdErrNotHebrewDay, {Wide(text)});
        return false;
    }
    // The record now holds the Gregorian date; read it back as the user's calendar has it.
    SetDayNumber(date, date.dayNumber);
    if (CivilDateForDisplay(date).year > kLastCivilYear) {
        error = Say(kIdErrAfter9999, {Wide(text)});
        return false;
    }
    return true;
}

} // namespace vessant::cli
