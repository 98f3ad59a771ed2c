#include "zmanim/DstRules.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/Weekday.h"
#include "text/TextTable.h"
#include "zmanim/DstDates.h"

#include <array>
#include <climits>

namespace vessant {

namespace {

constexpr int kAnyYear = INT_MIN; // no bound on that side

enum class DayKind { FirstSunday, SundayOnOrAfter, LastWeekday, Fixed };

// One changeover day of a rule, in the civil year asked about.
struct DAY_RULE {
    DayKind kind;
    int month;
    int param;   // SundayOnOrAfter, Fixed: day of month; LastWeekday: weekday 1..7
    int addDays; // FirstSunday: 7 for the second Sunday, 14 for the third
};

constexpr DAY_RULE FirstSunday(int month, int addDays = 0) {
    return {DayKind::FirstSunday, month, 0, addDays};
}
constexpr DAY_RULE SundayOnOrAfter(int month, int day) { return {DayKind::SundayOnOrAfter, month, day, 0}; }
constexpr DAY_RULE LastWeekday(int weekday, int month) { return {DayKind::LastWeekday, month, weekday, 0}; }
constexpr DAY_RULE LastSunday(int month) { return LastWeekday(kSunday, month); }
constexpr DAY_RULE Fixed(int month, int day) { return {DayKind::Fixed, month, day, 0}; }

struct RULE_ROW {
    int rule;
    int firstYear; // kAnyYear: from the beginning
    int lastYear;  // kAnyYear: to the end
    DAY_RULE start;
    DAY_RULE end;
};

constexpr RULE_ROW kRuleRows[] = {
#include "zmanim/detail/DstRuleTable.inc"
};

struct ISRAEL_YEAR {
    int year, startMonth, startDay, endMonth, endDay;
};

constexpr ISRAEL_YEAR kIsraelYears[] = {
#include "zmanim/detail/IsraelDstDates.inc"
};

std::int32_t DayOf(const DAY_RULE& r, int year) {
    switch (r.kind) {
    case DayKind::FirstSunday: return FirstSundayOfMonth(year, r.month) + r.addDays;
    case DayKind::SundayOnOrAfter: return FirstSundayOnOrAfter(year, r.month, r.param);
    case DayKind::LastWeekday: return LastWeekdayOfMonth(year, r.param, r.month);
    case DayKind::Fixed: return CivilToDayNumber(year, r.month, r.param, false);
    }
    return 0;
}

bool Covers(const RULE_ROW& row, int year) {
    return (row.firstYear == kAnyYear || year >= row.firstYear) &&
           (row.lastYear == kAnyYear || year <= row.lastYear);
}

// 2005-2012: from the last Friday before 2 April to the Sunday before Yom Kippur.
DST_PERIOD IsraelByHebrewDate(int year) {
    DST_PERIOD p;
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    if (!SetCivilDate(date, year, 4, 2)) return p;
    const int weekday = Weekday(date); // 1 Sunday .. 7 Shabbat
    AddDays(date, weekday == 7 ? -1 : weekday == 6 ? -7 : -(weekday + 1));
    p.start = date.dayNumber;
    if (!SetHebrewDate(date, date.hebYear, kElul, 10)) return p;
    StepHebrewMonth(date, 1); // 10 Tishrei of the year beginning that autumn
    const int yomKippur = Weekday(date);
    AddDays(date, yomKippur == 1 ? -7 : -(yomKippur - 1));
    p.end = date.dayNumber;
    p.defined = true;
    return p;
}

DST_PERIOD IsraelPeriod(int year) {
    DST_PERIOD p;
    if (year >= 2013) {
        p.start = LastWeekdayOfMonth(year, kSunday, 3) - 2; // the Friday before
        p.end = LastWeekdayOfMonth(year, kSunday, 10);
        p.defined = true;
    } else if (year >= 2005) {
        p = IsraelByHebrewDate(year);
    } else {
        for (const ISRAEL_YEAR& row : kIsraelYears) {
            if (row.year != year) continue;
            p.start = CivilToDayNumber(year, row.startMonth, row.startDay, false);
            p.end = CivilToDayNumber(year, row.endMonth, row.endDay, false);
            p.defined = true;
        }
    }
    return p;
}

constexpr int kFirstRuleResource = 264; // rule n is resource 264 + n
constexpr std::array<int, 4> kStatusResources = {757, 869, 868, 756};

} // namespace

DST_PERIOD DstPeriod(int rule, int year) {
    if (rule == kDstRuleIsrael) return IsraelPeriod(year);
    for (const RULE_ROW& row : kRuleRows) {
        if (row.rule != rule || !Covers(row, year)) continue;
        DST_PERIOD p;
        p.start = DayOf(row.start, year);
        p.end = DayOf(row.end, year);
        p.defined = true;
        return p;
    }
    return {};
}

int DstStatus(int rule, std::int32_t jd) {
    if (rule == kDstRuleAlwaysOff) return kDstStandard;
    if (rule == kDstRuleAlwaysOn) return kDstInForce;
    const int year = DayNumberToCivil(jd, false).year;
    const DST_PERIOD p = DstPeriod(rule, year);
    if (!p.defined) return kDstStandard;
    if (jd == p.start) return kDstBegins;
    if (jd == p.end) return kDstEnds;
    if (p.start < p.end || rule == kDstRuleIsrael) {
        return (jd > p.start && jd < p.end) ? kDstInForce : kDstStandard;
    }
    return (jd > p.start || jd < p.end) ? kDstInForce : kDstStandard;
}

const std::wstring& DstRuleName(int rule) { return NumberedResourceText(kFirstRuleResource, rule, kDstRuleCount); }

const std::wstring& DstStatusText(int status) {
    static const std::wstring kEmpty;
    if (status < 0 || status > kDstInForce) return kEmpty;
    return TextOfResource(kStatusResources[static_cast<std::size_t>(status)]);
}

} // namespace vessant
