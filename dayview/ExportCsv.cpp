#include "dayview/ExportCsv.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "text/TextTable.h"

#include <algorithm>
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

} // namespace

// Writes the UTF-16LE fields of the file into a string it grows by whole blocks, so that
// the room is checked once a field and not once a byte: the year is a third of a
// megabyte, and checking every byte was most of the export's time. The string holds
// exactly what was written once the writer is gone.
class CCSVExport::CFieldWriter {
public:
    explicit CFieldWriter(std::string& out) : out_(out), used_(out.size()) {}
    ~CFieldWriter() { out_.resize(used_); }
    CFieldWriter(const CFieldWriter&) = delete;
    CFieldWriter& operator=(const CFieldWriter&) = delete;

    void Unit(std::uint32_t unit) { Done(platform::WriteUtf16LeUnit(Room(2), unit)); }

    void Field(std::wstring_view text) {
        char* p = platform::WriteUtf16Le(Room(platform::kMostUtf16LeBytesPerChar * text.size() + 2), text);
        Done(platform::WriteUtf16LeUnit(p, L'\t'));
    }

    // "%d".
    void NumberField(int n) {
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
        char* p = Room(2 * (sizeof digits + 2));
        if (negative)
            p = platform::WriteUtf16LeUnit(p, '-');
        while (count > 0)
            p = platform::WriteUtf16LeUnit(p, static_cast<std::uint32_t>(digits[--count]));
        Done(platform::WriteUtf16LeUnit(p, L'\t'));
    }

    // A day or year: decimal, or its Hebrew numeral without the single-letter mark in the
    // Hebrew interface.
    void HebrewNumberField(int n, bool hebrew) {
        if (hebrew)
            Field(HebrewNumeral(n, false));
        else
            NumberField(n);
    }

    void EmptyField() { Unit(L'\t'); }

private:
    char* Room(std::size_t bytes) {
        if (out_.size() - used_ < bytes)
            out_.resize(std::max(used_ + bytes, 2 * out_.size()));
        return out_.data() + used_;
    }
    void Done(const char* end) { used_ = static_cast<std::size_t>(end - out_.data()); }

    std::string& out_;
    std::size_t used_;
};


const wchar_t* ExportColumnName(int column) {
    if (column < 0 || column >= kExportColumns)
        return L"";
    if (column < kDateColumnCount)
        return kDateColumns[column];
    if (column < kDateColumnCount + kZmanimTableEntries)
        return ZmanimTableKey(column - kDateColumnCount);
    return kTrailingColumns[column - kDateColumnCount - kZmanimTableEntries];
}

void CCSVExport::AppendHeader(CFieldWriter& out) const {
    for (int column = 0; column < kExportColumns; ++column)
        out.Field(ExportColumnName(column));
    out.Unit(L'\n');
}

void CCSVExport::AppendDay(CFieldWriter& out, const DATE_STRUCT& date) {
    const DAY_FACTS& day = DayFacts(date);

    const DATE_TRIPLE civil = CivilDateForDisplay(date);
    out.NumberField(civil.day);
    out.NumberField(civil.month);
    out.NumberField(civil.year);
    out.HebrewNumberField(date.hebDay, hebrewInterface_);
    out.Field(TextOfResource(kMonthNameBase + date.hebMonth));
    out.HebrewNumberField(date.hebYear, hebrewInterface_);

    ComputeZmanimTable(zmanimTable_, date.dayNumber);
    FormatZmanimTable(zmanimTable_, zmanimTexts_, clockFormat_);
    for (const std::wstring& text : zmanimTexts_)
        out.Field(text);

    // Empty on a weekday.
    out.Field(day.portionText);
    out.Field(day.specialText);

    int moed = 0;
    for (; moed < day.holidayCount; ++moed)
        out.Field(day.holidays[static_cast<std::size_t>(moed)].text);
    for (; moed < kMoedColumns; ++moed)
        out.EmptyField();

    for (const StudyProgramme programme : kStudyColumns)
        out.Field(day.Study(programme));
    out.Unit(L'\n');
}

bool CCSVExport::YearBytes(const DATE_STRUCT& date, std::string& out) {
    out.clear();
    CIVIL_YEAR_SPAN span;
    if (!CivilYearSpan(date, span))
        return false;
    // About 640 characters a line; one allocation for the year.
    out.reserve(static_cast<std::size_t>(span.Days() + 1) * 1400);
    CFieldWriter writer(out);
    writer.Unit(0xFEFF);
    AppendHeader(writer);
    DATE_STRUCT day = date;
    SetDayNumber(day, span.firstDay);
    for (std::int32_t n = span.firstDay; n < span.endDay; ++n) {
        AppendDay(writer, day);
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
