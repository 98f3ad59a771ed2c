#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/DayReport.h"
#include "dayview/DayBuilder.h"
#include "text/Language.h"

#include <algorithm>
#include <cstdlib>
#include <sys/ioctl.h>
#include <unistd.h>

namespace vessant::cli {
namespace {

constexpr int kDefaultColumns = 80;
constexpr int kMinimumCell = 5;
constexpr int kMaximumCell = 22;

struct MONTH_DAY {
    DATE_STRUCT date;
    int weekday = 0;
    std::wstring portion;              // Shabbat: the portion, or empty
    std::wstring special;              // Shabbat: the special Shabbat, or empty
    std::vector<std::wstring> holidays; // every entry's text, the Omer included
    std::vector<std::wstring> cellLines; // what the grid shows below the day numbers
};

// "2024-04": a year of one to four digits and a month of one or two.
bool IsYearMonth(std::string_view word) {
    const std::size_t dash = word.find('-');
    auto digits = [](std::string_view part, std::size_t most) {
        return !part.empty() && part.size() <= most &&
               std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return dash != std::string_view::npos && digits(word.substr(0, dash), 4) && digits(word.substr(dash + 1), 2);
}

int TerminalColumns() {
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    if (const char* columns = std::getenv("COLUMNS")) {
        const int value = std::atoi(columns);
        if (value > 0)
            return value;
    }
    return kDefaultColumns;
}

std::wstring Centered(const std::wstring& text, std::size_t width) {
    if (text.size() >= width)
        return text;
    return std::wstring((width - text.size()) / 2, L' ') + text;
}

std::wstring Padded(const std::wstring& text, std::size_t width) {
    const std::wstring fitted = Fit(text, width);
    return fitted + std::wstring(width - fitted.size(), L' ');
}

// A Hebrew year as the interface writes it: letters in the Hebrew interface.
std::wstring HebrewYearText(int year) { return IsHebrewInterface() ? HebrewNumeral(year) : std::to_wstring(year); }

// "April 2024" or "Nissan - Iyyar 5784": the months of the other calendar the days touch.
std::wstring MonthSpan(const std::vector<MONTH_DAY>& days, bool hebrewMonths) {
    std::wstring text;
    int lastMonth = 0;
    int lastYear = 0;
    for (const MONTH_DAY& d : days) {
        const DATE_TRIPLE civil = CivilDateForDisplay(d.date);
        const int month = hebrewMonths ? d.date.hebMonth : civil.month;
        const int year = hebrewMonths ? d.date.hebYear : civil.year;
        if (month == lastMonth && year == lastYear)
            continue;
        if (!text.empty()) {
            if (year != lastYear)
                text += L" " + (hebrewMonths ? HebrewYearText(lastYear) : std::to_wstring(lastYear));
            text += L" - ";
        }
        text += hebrewMonths ? HebrewMonthName(month) : CivilMonthName(month);
        lastMonth = month;
        lastYear = year;
    }
    return text + L" " + (hebrewMonths ? HebrewYearText(lastYear) : std::to_wstring(lastYear));
}

// The short weekday name without the blanks the string table pads it with.
std::wstring ShortWeekday(int weekday) {
    std::wstring name = ShortWeekdayName(weekday);
    while (!name.empty() && name.back() == L' ')
        name.pop_back();
    return name;
}

std::wstring DayNumber(int n, bool hebrewNumeral) {
    return hebrewNumeral ? HebrewNumeral(n) : std::to_wstring(n);
}

} // namespace

int RunMonth(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out) {
    std::vector<std::string> words = args.positional;
    if (words.size() == 1 && IsYearMonth(words[0]))
        words[0] += "-01";
    const DATE_STRUCT selected = DateOfWords(words, context);
    const bool hebrewMode =
        args.hebrewMonth || (!args.civilMonth && context.options.view != 2);
    const bool numerals = IsHebrewInterface();
    CDayBuilder builder(DayInputsOf(context), TimesView::MonthCell);
    DAY_FACTS facts;
    DATE_STRUCT today;
    SetTransition(today, context.transition);
    SetToday(today);

    // The days of the month, from its first.
    DATE_STRUCT work = selected;
    const DATE_TRIPLE civilSelected = CivilDateForDisplay(selected);
    if (hebrewMode)
        AddDays(work, 1 - selected.hebDay);
    else
        AddDays(work, 1 - civilSelected.day);
    std::vector<MONTH_DAY> days;
    while (true) {
        const DATE_TRIPLE civil = CivilDateForDisplay(work);
        if (hebrewMode ? work.hebMonth != selected.hebMonth || work.hebYear != selected.hebYear
                       : civil.month != civilSelected.month || civil.year != civilSelected.year)
            break;
        MONTH_DAY day;
        day.date = work;
        builder.Build(work, kDayHolidays | kDayShabbat, facts);
        day.weekday = facts.weekday;
        day.portion = facts.portionText;
        day.special = facts.specialText;
        if (!day.portion.empty())
            day.cellLines.push_back(day.portion);
        for (int i = 0; i < facts.holidayCount; ++i) {
            const DAY_HOLIDAY& holiday = facts.holidays[static_cast<std::size_t>(i)];
            day.holidays.push_back(holiday.text);
            // The Omer is a daily count: listed below the grid, not in it.
            if (holiday.code != kCodeOmer)
                day.cellLines.push_back(holiday.text);
        }
        days.push_back(std::move(day));
        const std::int32_t before = work.dayNumber;
        AddDays(work, 1);
        if (work.dayNumber == before)
            break;
    }

    const int columns = args.width ? *args.width : TerminalColumns();
    const std::size_t cell = static_cast<std::size_t>(std::clamp((columns - 1) / 7 - 1, kMinimumCell, kMaximumCell));
    const std::size_t lineWidth = 7 * (cell + 1) + 1;

    std::wstring text;
    const MONTH_DAY& first = days.front();
    if (hebrewMode) {
        text += Centered(HebrewMonthName(first.date.hebMonth) + L" " + HebrewYearText(first.date.hebYear), lineWidth) + L"\n";
        text += Centered(MonthSpan(days, false), lineWidth) + L"\n";
    } else {
        const DATE_TRIPLE civil = CivilDateForDisplay(first.date);
        text += Centered(CivilMonthName(civil.month) + L" " + std::to_wstring(civil.year), lineWidth) + L"\n";
        text += Centered(MonthSpan(days, true), lineWidth) + L"\n";
    }

    std::wstring rule = L"+";
    for (int c = 0; c < 7; ++c)
        rule += std::wstring(cell, L'-') + L"+";
    rule += L"\n";
    text += rule + L"|";
    for (int w = 1; w <= 7; ++w) {
        std::wstring name = WeekdayName(w);
        if (name.size() > cell)
            name = ShortWeekday(w);
        text += Padded(name, cell) + L"|";
    }
    text += L"\n" + rule;

    // Weeks: the first row starts at the weekday of the first day.
    std::size_t next = 0;
    int column = first.weekday - 1;
    while (next < days.size()) {
        const MONTH_DAY* week[7] = {};
        for (int c = column; c < 7 && next < days.size(); ++c)
            week[c] = &days[next++];
        column = 0;
        std::size_t height = 1;
        for (const MONTH_DAY* d : week)
            if (d)
                height = std::max(height, d->cellLines.size());
        for (std::size_t line = 0; line <= height; ++line) {
            text += L"|";
            for (const MONTH_DAY* d : week) {
                if (!d) {
                    text += std::wstring(cell, L' ') + L"|";
                    continue;
                }
                if (line == 0) {
                    // The month's own calendar on the left, the other on the right.
                    const DATE_TRIPLE civil = CivilDateForDisplay(d->date);
                    std::wstring left = hebrewMode ? DayNumber(d->date.hebDay, numerals) : std::to_wstring(civil.day);
                    std::wstring right = hebrewMode ? std::to_wstring(civil.day) : DayNumber(d->date.hebDay, numerals);
                    if (d->date.dayNumber == today.dayNumber)
                        left += L"*";
                    const std::size_t gap = cell > left.size() + right.size() ? cell - left.size() - right.size() : 1;
                    text += Padded(left + std::wstring(gap, L' ') + right, cell) + L"|";
                } else {
                    const std::size_t index = line - 1;
                    text += Padded(index < d->cellLines.size() ? d->cellLines[index] : L"", cell) + L"|";
                }
            }
            text += L"\n";
        }
        text += rule;
    }

    // Every text in full, day by day.
    std::wstring list;
    for (const MONTH_DAY& d : days) {
        std::vector<std::wstring> items;
        if (!d.portion.empty())
            items.push_back(d.portion);
        if (!d.special.empty())
            items.push_back(d.special);
        for (const std::wstring& h : d.holidays)
            items.push_back(h);
        if (items.empty())
            continue;
        const DATE_TRIPLE civil = CivilDateForDisplay(d.date);
        std::wstring line = ShortWeekday(d.weekday);
        std::wstring civilText = std::to_wstring(civil.day) + L" " + CivilMonthName(civil.month).substr(0, 3);
        std::wstring hebrewText = DayNumber(d.date.hebDay, numerals) + L" " + HebrewMonthName(d.date.hebMonth);
        line += L" " + Padded(civilText, 7) + L"  " + Padded(hebrewText, 13) + L"  ";
        for (std::size_t i = 0; i < items.size(); ++i)
            line += (i ? L", " : L"") + items[i];
        list += L"  " + line + L"\n";
    }
    if (!list.empty())
        text += L"\n" + list;
    out.Write(Utf8(text));
    return kExitOk;
}

} // namespace vessant::cli
