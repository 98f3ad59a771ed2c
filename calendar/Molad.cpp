#include "calendar/Molad.h"

#include "calendar/CalendarTexts.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/TextTemplate.h"
#include "text/Language.h"
#include "text/TextTable.h"

namespace vessant {
namespace {

constexpr int kMoladIsOnText = 874;
constexpr int kHoursText = 875;
constexpr int kMinutesText = 876;
constexpr int kPartsText = 877;

// Common and leap years of the 19-year cycle before year k of the cycle (row k - 1).
struct CYCLE_ROW {
    int common;
    int leap;
};
constexpr CYCLE_ROW kCycleRows[19] = {
    {0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {5, 2}, {5, 3}, {6, 3},
    {7, 3}, {7, 4}, {8, 4}, {9, 4}, {9, 5}, {10, 5}, {11, 5}, {11, 6}, {12, 6},
};

} // namespace

MOLAD MoladOfMonth(int hebrewYear, int month) {
    const int Y = hebrewYear;
    const int c = (Y - 1) / 19; // completed cycles
    int k = Y % 19;
    if (k <= 0)
        k += 19; // 0 is the cycle's last year; a year before 1 stays inside the table
    const int A = kCycleRows[k - 1].common;
    const int B = kCycleRows[k - 1].leap;

    int M = month == kAdar ? kAdarI : month;
    if (!IsHebrewLeapYear(Y) && M > kAdarI)
        M -= 1;
    const int h = M - 1; // months since Tishrei

    const int P = 793 * h + 589 * B + 876 * A + 595 * c + 204;             // parts
    const int H = 12 * h + P / 1080 + 21 * B + 8 * A + 16 * c + 5;          // hours
    const int D = H / 24 + 5 * B + 4 * A + 2 * c + h + 2;                   // days, mod 7 only
    MOLAD molad;
    molad.weekday = D % 7 == 0 ? 7 : D % 7;
    molad.hour = H % 24;
    molad.parts = P % 1080;
    return molad;
}

MOLAD MoladOfMonth(const DATE_STRUCT& date) { return MoladOfMonth(date.hebYear, date.hebMonth); }

std::vector<std::wstring> MoladText(const MOLAD& molad, bool hebrewInterface) {
    std::vector<std::wstring> lines;
    lines.reserve(5);
    lines.push_back(FormatTemplate(hebrewInterface ? L":%s" : L"%s:", {TextOfResource(kMoladIsOnText)}));
    lines.push_back(molad.hour <= 11 ? NightName(molad.weekday) : WeekdayName(molad.weekday));

    // Keeps the number before its unit when the line is drawn right to left.
    const wchar_t* const amount = hebrewInterface ? L"%d\u202E %s" : L"%d %s";
    const int clockHour = molad.hour <= 6 ? molad.hour + 18 : molad.hour - 6;
    lines.push_back(FormatTemplate(amount, {clockHour, TextOfResource(kHoursText)}));
    if (molad.parts / 18 > 0)
        lines.push_back(FormatTemplate(amount, {molad.parts / 18, TextOfResource(kMinutesText)}));
    if (molad.parts % 18 > 0)
        lines.push_back(FormatTemplate(amount, {molad.parts % 18, TextOfResource(kPartsText)}));
    return lines;
}

std::vector<std::wstring> MoladText(const MOLAD& molad) { return MoladText(molad, IsHebrewInterface()); }

} // namespace vessant
