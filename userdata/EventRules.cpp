#include "userdata/EventRules.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"

namespace vessant {
namespace {

bool MonthIsShort(int month, int year) { return HebrewMonthLength(month, year) == 29; }

bool TypeInRange(int type) { return type >= kEventBirthdayMale && type <= kEventOneTime; }

HEBREW_MONTH_DAY HebrewTargetFor(int type, const DATE_STRUCT& eventDay, int year) {
    if (type == kEventYahrzeitAshkenazi)
        return AshkenaziYahrzeitTarget(eventDay.hebYear, eventDay.hebMonth, eventDay.hebDay, year);
    return GeneralHebrewTarget(eventDay.hebMonth, eventDay.hebDay, year);
}

int HebrewYears(int type, int n) {
    switch (type) {
    case kEventBirthdayMale:
        return n == 0 ? kYearsBornMale : n == 13 ? kYearsMitzvah : n;
    case kEventBirthdayFemale:
        return n == 0 ? kYearsBornFemale : n == 12 ? kYearsMitzvah : n;
    case kEventAnniversary:
        return n == 0 ? kYearsNothing : n;
    case kEventYahrzeitAshkenazi:
    case kEventYahrzeitMizrach:
        return kYearsYahrzeit;
    default:
        return kYearsNothing;
    }
}

int CivilYears(int type, int n) {
    switch (type) {
    case kEventBirthdayMale:
        return n == 0 ? kYearsBornMale : n;
    case kEventBirthdayFemale:
        return n == 0 ? kYearsBornFemale : n;
    case kEventAnniversary:
        return n == 0 ? kYearsNothing : n;
    default:
        return kYearsNothing;
    }
}

} // namespace

HEBREW_MONTH_DAY GeneralHebrewTarget(int month, int day, int year) {
    const bool leap = IsHebrewLeapYear(year);
    HEBREW_MONTH_DAY target{month, day};
    if (month == kCheshvan && day == 30 && MonthIsShort(kCheshvan, year)) {
        target = {kKislev, 1};
    } else if (month == kKislev && day == 30 && MonthIsShort(kKislev, year)) {
        target = {kTevet, 1};
    } else if (month == kAdarI) {
        if (day == 30)
            target = leap ? HEBREW_MONTH_DAY{kAdarI, 30} : HEBREW_MONTH_DAY{kNisan, 1};
        else
            target.month = leap ? kAdarI : kAdar;
    } else if (month == kAdarII || month == kAdar) {
        target.month = leap ? kAdarII : kAdar;
    }
    return target;
}

HEBREW_MONTH_DAY AshkenaziYahrzeitTarget(int deathYear, int month, int day, int year) {
    const bool leap = IsHebrewLeapYear(year);
    HEBREW_MONTH_DAY target{month, day};
    if (month == kAdar) {
        target.month = leap ? kAdarI : kAdar;
    } else if (month == kAdarI) {
        if (!leap)
            target = day == 30 ? HEBREW_MONTH_DAY{kShevat, 30} : HEBREW_MONTH_DAY{kAdar, day};
    } else if (month == kAdarII) {
        target.month = leap ? kAdarII : kAdar;
    } else if ((month == kCheshvan || month == kKislev) && day == 30 && MonthIsShort(month, year)) {
        // The first anniversary sets the custom: a death on the 30th whose first yahrzeit
        // fell on the 29th (the month was short then) keeps the 29th.
        target = MonthIsShort(month, deathYear + 1) ? HEBREW_MONTH_DAY{month, 29}
                                                    : HEBREW_MONTH_DAY{month + 1, 1};
    }
    return target;
}

bool EventDay(int jdn, const DATE_STRUCT& like, DATE_STRUCT& eventDay) {
    if (jdn < kFirstDayNumber || jdn > kLastEventDayNumber)
        return false;
    eventDay = like;
    return SetDayNumber(eventDay, jdn) == 0;
}

bool HebrewAnniversaryMatches(const EVENT_STRUCT& event, const DATE_STRUCT& eventDay,
                              const DATE_STRUCT& testedDay) {
    if (!TypeInRange(event.type))
        return false;
    const int f = eventDay.hebYear;
    const int y = testedDay.hebYear;
    if (event.type == kEventOneTime) {
        return f == y && eventDay.hebMonth == testedDay.hebMonth &&
               eventDay.hebDay == testedDay.hebDay;
    }
    if (f > y)
        return false;
    const HEBREW_MONTH_DAY target = HebrewTargetFor(event.type, eventDay, y);
    return testedDay.hebMonth == target.month && testedDay.hebDay == target.day;
}

bool CivilAnniversaryMatches(const EVENT_STRUCT& event, const DATE_STRUCT& eventDay,
                             const DATE_STRUCT& testedDay) {
    if (!TypeInRange(event.type))
        return false;
    const DATE_TRIPLE own = CivilDateForDisplay(eventDay);
    const DATE_TRIPLE tested = CivilDateForDisplay(testedDay);
    if (event.type == kEventOneTime ? tested.year != own.year : tested.year < own.year)
        return false;
    if (tested.month != own.month)
        return false;
    if (tested.day == own.day)
        return true;
    if (own.month == 2 && own.day == 29 && tested.day == 28) {
        DATE_STRUCT next = testedDay;
        AddDays(next, 1);
        return CivilDateForDisplay(next).month == 3;   // this February has no 29th
    }
    return false;
}

EVENT_MATCH MatchEventOnDay(const EVENT_STRUCT& event, const DATE_STRUCT& eventDay,
                            const DATE_STRUCT& testedDay) {
    EVENT_MATCH match;
    if (!TypeInRange(event.type) || event.cal < kEventCalendarHebrew ||
        event.cal > kEventCalendarBoth)
        return match;
    const bool reportsCalendar = event.type <= kEventAnniversary;
    if ((event.cal & kEventCalendarHebrew) && HebrewAnniversaryMatches(event, eventDay, testedDay)) {
        match.recurs = true;
        match.years = HebrewYears(event.type, testedDay.hebYear - eventDay.hebYear);
        match.matchedCal = reportsCalendar ? kEventCalendarHebrew : 0;
    } else if ((event.cal & kEventCalendarCivil) &&
               CivilAnniversaryMatches(event, eventDay, testedDay)) {
        match.recurs = true;
        match.years = CivilYears(event.type, CivilDateForDisplay(testedDay).year -
                                                 CivilDateForDisplay(eventDay).year);
        match.matchedCal = reportsCalendar ? kEventCalendarCivil : 0;
    }
    return match;
}

bool UpcomingHebrewDate(const DATE_STRUCT& today, int eventJdn, int type, DATE_STRUCT& result) {
    DATE_STRUCT eventDay;
    if (!EventDay(eventJdn, today, eventDay))
        return false;
    // A recurrence is never earlier than the event itself (a date entered in advance).
    const DATE_STRUCT& from = eventDay.dayNumber > today.dayNumber ? eventDay : today;
    for (int year = from.hebYear; year <= from.hebYear + 1; ++year) {
        const HEBREW_MONTH_DAY target = HebrewTargetFor(type, eventDay, year);
        result = today;
        if (SetHebrewDate(result, year, target.month, target.day) &&
            result.dayNumber >= from.dayNumber)
            return true;
    }
    return false;
}

bool UpcomingCivilDate(const DATE_STRUCT& today, int eventJdn, DATE_STRUCT& result) {
    DATE_STRUCT eventDay;
    if (!EventDay(eventJdn, today, eventDay))
        return false;
    if (eventDay.dayNumber >= today.dayNumber) {
        result = eventDay;
        return true;
    }
    // Stepping whole years from the event's own date keeps its month and lowers
    // 29 February to the 28th where February is short.
    const int years = CivilDateForDisplay(today).year - CivilDateForDisplay(eventDay).year;
    for (int n = years; n <= years + 1; ++n) {
        result = eventDay;
        AddCivilYears(result, n);
        if (result.dayNumber >= today.dayNumber)
            return true;
    }
    return false;
}

bool BarMitzvahDate(const DATE_STRUCT& like, int birthJdn, int years, DATE_STRUCT& result) {
    DATE_STRUCT birth;
    if (!EventDay(birthJdn, like, birth))
        return false;
    const int year = birth.hebYear + years;
    const HEBREW_MONTH_DAY target = GeneralHebrewTarget(birth.hebMonth, birth.hebDay, year);
    result = like;
    return SetHebrewDate(result, year, target.month, target.day);
}

} // namespace vessant
