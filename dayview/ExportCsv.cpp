#include "dayview/ExportCsv.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "platform/AtomicFile.h"
#include "text/TextTable.h"

#include <string_view>

namespace vessant {
namespace {

// Columns 1-6 and 55-69; the 48 between them are the zmanim table's own keys.
constexpr const wchar_t* kDateColumns[] = {L"civ day", L"civ month", L"civ year",
                                           L"heb day", L"heb mon",   L"heb year"};
constexpr const wchar_t* kTrailingColumns[] = {
    L"parsha",  L"special shabbat", L"moed 1",          L"moed 2",       L"moed 3",
    L"moed 4",  L"moed 5",          L"moed 6",          L"moed 7",       L"moed 8",
    L"daf yomi", L"yerushalmi yomi", L"mishna yomit",   L"halacha yomit", L"tanach yomi"};
constexpr int kDateColumnCount = 6;
constexpr int kTrailingColumnCount = 15;
static_assert(kDateColumnCount + kZmanimTableEntries + kTrailingColumnCount == kExportColumns);

constexpr int kMonthNameBase = 160; // Hebrew month m is resource 160 + m
constexpr int kMoedColumns = 8;
static_assert(kMoedColumns == kDayEventSlots);
constexpr StudyProgramme kStudyColumns[] = {StudyProgramme::DafYomi, StudyProgramme::YerushalmiYomi,
                                            StudyProgramme::MishnaYomit, StudyProgramme::HalachaYomit,
                                            StudyProgramme::TanachYomi};

void AppendUnit(std::string& out, std::uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

// UTF-16LE of a text; a code point beyond the basic plane becomes a surrogate pair.
void AppendText(std::string& out, std::wstring_view text) {
    for (const wchar_t ch : text) {
        auto c = static_cast<std::uint32_t>(ch);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c > 0xFFFF) {
            c -= 0x10000;
            AppendUnit(out, 0xD800 + (c >> 10));
            AppendUnit(out, 0xDC00 + (c & 0x3FF));
        } else {
            AppendUnit(out, c);
        }
    }
}

void AppendTab(std::string& out) { AppendUnit(out, L'\t'); }

void AppendField(std::string& out, std::wstring_view text) {
    AppendText(out, text);
    AppendTab(out);
}

// "%d".
void AppendNumberField(std::string& out, int n) {
    char digits[12];
    int count = 0;
    long long value = n;
    const bool negative = value < 0;
    if (negative)
        value = -value;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (negative)
        AppendUnit(out, '-');
    while (count > 0)
        AppendUnit(out, static_cast<std::uint32_t>(digits[--count]));
    AppendTab(out);
}

// A day or year: decimal, or its Hebrew numeral without the single-letter mark in the
// Hebrew interface.
void AppendHebrewNumberField(std::string& out, int n, bool hebrew) {
    if (hebrew)
        AppendField(out, HebrewNumeral(n, false));
    else
        AppendNumberField(out, n);
}

} // namespace

const wchar_t* ExportColumnName(int column) {
    if (column < 0 || column >= kExportColumns)
        return L"";
    if (column < kDateColumnCount)
        return kDateColumns[column];
    if (column < kDateColumnCount + kZmanimTableEntries)
        return ZmanimTableKey(column - kDateColumnCount);
    return kTrailingColumns[column - kDateColumnCount - kZmanimTableEntries];
}

void CCSVExport::AppendHeader(std::string& out) const {
    for (int column = 0; column < kExportColumns; ++column)
        AppendField(out, ExportColumnName(column));
    AppendUnit(out, L'\n');
}

void CCSVExport::AppendDay(std::string& out, const DATE_STRUCT& date) {
    const DAY_FACTS& day = DayFacts(date);

    const DATE_TRIPLE civil = CivilDateForDisplay(date);
    AppendNumberField(out, civil.day);
    AppendNumberField(out, civil.month);
    AppendNumberField(out, civil.year);
    AppendHebrewNumberField(out, date.hebDay, hebrewInterface_);
    AppendField(out, TextOfResource(kMonthNameBase + date.hebMonth));
    AppendHebrewNumberField(out, date.hebYear, hebrewInterface_);

    ComputeZmanimTable(zmanimTable_, date.dayNumber);
    FormatZmanimTable(zmanimTable_, zmanimTexts_, clockFormat_);
    for (const std::wstring& text : zmanimTexts_)
        AppendField(out, text);

    // Empty on a weekday.
    AppendField(out, day.portionText);
    AppendField(out, day.specialText);

    int moed = 0;
    for (; moed < day.holidayCount; ++moed)
        AppendField(out, day.holidays[static_cast<std::size_t>(moed)].text);
    for (; moed < kMoedColumns; ++moed)
        AppendTab(out);

    for (const StudyProgramme programme : kStudyColumns)
        AppendField(out, day.Study(programme));
    AppendUnit(out, L'\n');
}

bool CCSVExport::YearBytes(const DATE_STRUCT& date, std::string& out) {
    out.clear();
    CIVIL_YEAR_SPAN span;
    if (!CivilYearSpan(date, span))
        return false;
    // About 640 characters a line; one allocation for the year.
    out.reserve(static_cast<std::size_t>(span.Days() + 1) * 1400);
    AppendUnit(out, 0xFEFF);
    AppendHeader(out);
    DATE_STRUCT day = date;
    SetDayNumber(day, span.firstDay);
    for (std::int32_t n = span.firstDay; n < span.endDay; ++n) {
        AppendDay(out, day);
        AddDays(day, 1);
    }
    return true;
}

std::error_code CCSVExport::ExportYear(const DATE_STRUCT& date) {
    if (fileName_.empty())
        return std::make_error_code(std::errc::invalid_argument);
    std::string bytes;
    if (!YearBytes(date, bytes))
        return std::make_error_code(std::errc::invalid_argument);
    return platform::WriteFileAtomically(fileName_, bytes);
}

} // namespace vessant
