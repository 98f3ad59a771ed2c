#include "DayEvents.h"

#include "dayevents/detail/HebrewMonths.h"
#include "dayevents/detail/HolidayTable.h"
#include "IsraeliDays.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/HebrewYear.h"
#include "calendar/TextTemplate.h"
#include "calendar/Weekday.h"
#include "text/Language.h"
#include "text/TextTable.h"

namespace vessant {
namespace {

struct Day {
    std::int32_t year;
    std::int32_t month; // [1, 14]
    std::int32_t day;   // [1, 30]
    std::int32_t weekday;
    bool leap;
    bool diaspora;
};

bool ConditionHolds(HolidayCondition condition, const Day& d) {
    switch (condition) {
    case HolidayCondition::Always: return true;
    case HolidayCondition::Shabbat: return d.weekday == kShabbat;
    case HolidayCondition::NotShabbat: return d.weekday != kShabbat;
    case HolidayCondition::Sunday: return d.weekday == kSunday;
    case HolidayCondition::Thursday: return d.weekday == kThursday;
    case HolidayCondition::Friday: return d.weekday == kFriday;
    case HolidayCondition::KislevOf30: return HebrewMonthDays(d.year, kKislev) == 30;
    case HolidayCondition::KislevOf29: return HebrewMonthDays(d.year, kKislev) == 29;
    case HolidayCondition::FromYear5727: return d.year >= 5727;
    case HolidayCondition::Year3830: return d.year == 3830;
    case HolidayCondition::After3830NotShabbat: return d.year > 3830 && d.weekday != kShabbat;
    case HolidayCondition::After3830Shabbat: return d.year > 3830 && d.weekday == kShabbat;
    case HolidayCondition::After3830Sunday: return d.year > 3830 && d.weekday == kSunday;
    case HolidayCondition::HolocaustDay: return IsHolocaustDay(d.year, d.day, d.weekday);
    case HolidayCondition::MemorialDay: return IsMemorialDay(d.year, d.day, d.weekday);
    case HolidayCondition::IndependenceDay: return IsIndependenceDay(d.year, d.day, d.weekday);
    }
    return false;
}

void ApplyRules(DAY_EVENTS& list, std::int32_t tableMonth, const Day& d) {
    for (const HOLIDAY_RULE& rule : HolidayRulesOfMonth(tableMonth)) {
        if (d.day < rule.firstDay || d.day > rule.lastDay)
            continue;
        if ((rule.scope == HolidayScope::Israel && d.diaspora) || (rule.scope == HolidayScope::Diaspora && !d.diaspora))
            continue;
        if (!ConditionHolds(rule.condition, d))
            continue;
        const std::int32_t code = rule.firstCode + (rule.run == CodeRun::Rising ? d.day - rule.firstDay : 0);
        AddDayEvent(list, code, rule.kind);
    }
}

// Step 2: the rows of the day's own month, and of "the Adar" when the day is in it.
void FixedDateRules(DAY_EVENTS& list, const Day& d) {
    ApplyRules(list, d.month, d);
    if (d.month == hebmonth::Resolve(hebmonth::TheAdar, d.leap))
        ApplyRules(list, hebmonth::TheAdar, d);
}

// Step 3.
void RoshChodesh(DAY_EVENTS& list, const Day& d) {
    if (d.day == 30) {
        AddDayEvent(list, 89, kDayMention);
    } else if (d.day == 1) {
        if (d.month != kTishrei) {
            const std::int32_t before = hebmonth::Previous(d.month, d.leap);
            AddDayEvent(list, HebrewMonthDays(d.year, before) == 30 ? 90 : 88, kDayMention);
        }
    } else if (d.weekday == kShabbat && d.month != kElul && d.day >= 23 && d.day <= 29) {
        AddDayEvent(list, kCodeShabbatMevarchim, d.day == 29 ? kDayMevarchimOn29 : kDayMention);
    }
}

// Step 4: the eve of Rosh Chodesh, moved back to Thursday when the 29th is Friday or Shabbat.
void YomKippurKatan(DAY_EVENTS& list, const Day& d) {
    if (d.month == kTishrei || d.month == kKislev || d.month == kNisan || d.month == kElul)
        return;
    const bool on29 = d.day == 29 && d.weekday >= kSunday && d.weekday <= kThursday;
    const bool movedUp = (d.day == 27 || d.day == 28) && d.weekday == kThursday;
    if (on29 || movedUp)
        AddDayEvent(list, 87, kDayMention);
}

// Step 5.
void Omer(DAY_EVENTS& list, const Day& d) {
    std::int32_t count = 0;
    if (d.month == kNisan && d.day >= 16)
        count = d.day - 15; // [1, 15]
    else if (d.month == kIyyar)
        count = d.day + 15; // [16, 44]
    else if (d.month == kSivan && d.day <= 5)
        count = d.day + 44; // [45, 49]
    if (count > 0)
        AddDayEvent(list, kCodeOmer, count);
}

// Step 6: Monday, Thursday and Monday after the festivals of Tishrei and Nisan.
void TaanitBehab(DAY_EVENTS& list, const Day& d) {
    if (d.month != kCheshvan && d.month != kIyyar)
        return;
    if (d.weekday == kMonday && d.day >= 4 && d.day <= 10)
        AddDayEvent(list, 23, kDayMinorFast);
    else if (d.weekday == kThursday && d.day >= 7 && d.day <= 13)
        AddDayEvent(list, 24, kDayMinorFast);
    else if (d.weekday == kMonday && d.day >= 11 && d.day <= 17)
        AddDayEvent(list, d.month == kCheshvan ? 25 : 26, kDayMinorFast);
}

// Step 7: outside Israel the request begins sixty days after the Julian autumn equinox,
// which is fixed in the Julian calendar and so drifts through the Gregorian one. The entry
// marks the civil day whose Hebrew day opens on the evening the request begins.
void DiasporaRain(DAY_EVENTS& list, std::int32_t civilMonth, std::int32_t civilDay, std::int32_t civilYear,
                  std::int32_t transitionYear) {
    if (civilMonth != 11 && civilMonth != 12)
        return;
    const std::int32_t novemberDay = civilYear % 4 == 3 ? 23 : 22;
    if (civilYear < transitionYear) {
        if (civilMonth == 11 && civilDay == novemberDay)
            AddDayEvent(list, 27, kDayMention);
        return;
    }
    const CIVIL_DATE start = DayNumberToCivil(CivilToDayNumber(civilYear, 11, novemberDay, true), false);
    if (start.month == civilMonth && start.day == civilDay)
        AddDayEvent(list, 27, kDayMention);
}

// Step 8: the sun returns to its place of creation once in 28 years, on Julian 26 March.
void BirchatHachama(DAY_EVENTS& list, std::int32_t hebrewYear, std::int32_t civilMonth, std::int32_t civilDay,
                    std::int32_t civilYear, std::int32_t transitionYear) {
    std::int32_t cycleYear = hebrewYear % 28;
    if (cycleYear == 0)
        cycleYear = 28;
    if (cycleYear != 1)
        return;
    const std::int32_t blessingDay = CivilToDayNumber(civilYear, 3, 26, true);
    const std::int32_t day = CivilToDayNumber(civilYear, civilMonth, civilDay, civilYear < transitionYear);
    if (day == blessingDay)
        AddDayEvent(list, 92, kDayMention);
}

} // namespace

void ClearDayEvents(DAY_EVENTS& list) {
    for (DAY_EVENT& entry : list.entries)
        entry = DAY_EVENT{};
}

void AddDayEvent(DAY_EVENTS& list, std::int32_t code, std::int32_t value) {
    for (DAY_EVENT& entry : list.entries) {
        if (entry.code == 0) {
            entry.code = code;
            entry.value = value;
            return;
        }
    }
}

DAY_EVENT GetDayEvent(const DAY_EVENTS& list, int index) {
    if (index < 0 || index >= kDayEventSlots)
        return {};
    return list.entries[index];
}

int DayEventCount(const DAY_EVENTS& list) {
    int count = 0;
    while (count < kDayEventSlots && list.entries[count].code != 0)
        ++count;
    return count;
}

void BuildDayEvents(DAY_EVENTS& list, std::int32_t hebrewPacked, std::int32_t hebrewYear, std::int32_t civilPacked,
                    std::int32_t civilYear, std::int32_t jdn, std::int32_t weekday, bool diaspora,
                    std::int32_t transitionYear) {
    ClearDayEvents(list);
    const std::int32_t month = hebrewPacked >> 16;
    if (month < 1 || month > 14)
        return;
    const Day d{hebrewYear, month, hebrewPacked & 0xFFFF, weekday, IsHebrewLeapYear(hebrewYear), diaspora};
    const std::int32_t civilMonth = civilPacked >> 16;
    const std::int32_t civilDay = civilPacked & 0xFFFF;

    FixedDateRules(list, d);
    RoshChodesh(list, d);
    YomKippurKatan(list, d);
    Omer(list, d);
    TaanitBehab(list, d);
    if (diaspora)
        DiasporaRain(list, civilMonth, civilDay, civilYear, transitionYear);
    BirchatHachama(list, hebrewYear, civilMonth, civilDay, civilYear, transitionYear);
    list.jdn = jdn;
}

void BuildDayEvents(DAY_EVENTS& list, const DATE_STRUCT& date, bool diaspora) {
    const DATE_TRIPLE civil = CivilDateForDisplay(date);
    BuildDayEvents(list, PackedMonthDay(date.hebMonth, date.hebDay), date.hebYear, PackedMonthDay(civil), civil.year,
                   date.dayNumber, Weekday(date), diaspora, date.transYear);
}

const std::wstring& DayEventText(std::int32_t code) {
    static_assert(kFirstDayEventCode == 1, "the codes are a run numbered from 1");
    return NumberedResourceText(kDayEventTextBase, code, kLastDayEventCode);
}

std::wstring OmerText(std::int32_t count) {
    // The template comes from the string table, so it goes through the safe filler.
    return FormatTemplate(DayEventText(kCodeOmer),
                          {IsHebrewInterface() ? HebrewNumeral(count) : std::to_wstring(count)});
}

} // namespace vessant
