#pragma once
// The rules by which a user event recurs on a later day, the "years" annotation beside a
// recurrence, and the dates of the next recurrence and of a Bar or Bat Mitzvah.
//
// Days are DATE_STRUCT records; the event's own day is the record of its JDN (EventDay),
// taken with the same Gregorian transition as the day being tested.

#include "calendar/DateStruct.h"
#include "userdata/EventStruct.h"

namespace vessant {

struct HEBREW_MONTH_DAY {
    int month = 0;   // 1..14
    int day = 0;     // 1..30
};

// The day of Hebrew year `year` on which a date (month, day) recurs by the general rule
// (birthdays, anniversaries, Adot Mizrach yahrzeits): 30 Cheshvan or 30 Kislev moves to
// the 1st of the next month in a year where that month has 29 days, Adar I and Adar
// follow the year's Adar, 30 Adar I becomes 1 Nisan in a common year.
HEBREW_MONTH_DAY GeneralHebrewTarget(int month, int day, int year);

// The same by the Ashkenazi yahrzeit custom for a death in Hebrew year deathYear: Adar
// of a common year is kept in Adar I, 30 Adar I becomes 30 Shevat in a common year, and
// 30 Cheshvan or 30 Kislev in a year where that month is short falls on the 29th when
// the month was short in the first year after the death, else on the 1st of the next.
HEBREW_MONTH_DAY AshkenaziYahrzeitTarget(int deathYear, int month, int day, int year);

// The record of an event's own day, with the transition of `like`. False (and the event
// never recurs) for a JDN outside the calendar's range.
bool EventDay(int jdn, const DATE_STRUCT& like, DATE_STRUCT& eventDay);

// Day numbers the calendar can carry: 1 January 1 (Julian) to 31 December 9999.
inline constexpr int kLastEventDayNumber = 5373484;

// Whether the event recurs on the tested day by its Hebrew rule (type 0-2 and 4 general,
// 3 Ashkenazi yahrzeit, 5 only the same Hebrew date) or by the civil rule (same civil
// month and day as the user reads them, 29 February on 28 February when February is
// short; a one-time event only in its own year). The event's cal is not consulted here.
bool HebrewAnniversaryMatches(const EVENT_STRUCT& event, const DATE_STRUCT& eventDay,
                              const DATE_STRUCT& testedDay);
bool CivilAnniversaryMatches(const EVENT_STRUCT& event, const DATE_STRUCT& eventDay,
                             const DATE_STRUCT& testedDay);

struct EVENT_MATCH {
    bool recurs = false;
    int years = kYearsNothing;   // years annotation: a count, or kYearsNothing..kYearsBornFemale
    int matchedCal = 0;          // 1 Hebrew, 2 civil; set for types 0 to 2 only
};

// Both rules as the event's cal selects them (Hebrew first), with the annotation. An
// event whose type or cal is out of range never recurs.
EVENT_MATCH MatchEventOnDay(const EVENT_STRUCT& event, const DATE_STRUCT& eventDay,
                            const DATE_STRUCT& testedDay);

// The next Hebrew recurrence on or after `today` of an event on the day of eventJdn
// (Ashkenazi yahrzeit rule for type 3, general rule otherwise), never before the event's
// own day. `today` also supplies the transition. False for a JDN out of range.
bool UpcomingHebrewDate(const DATE_STRUCT& today, int eventJdn, int type, DATE_STRUCT& result);

// The event's civil month and day in today's civil year (29 February lowered to the 28th
// in a short February), or a year later when that is before today; never before the
// event's own day.
bool UpcomingCivilDate(const DATE_STRUCT& today, int eventJdn, DATE_STRUCT& result);

// The Hebrew anniversary by the general rule of a birth in Hebrew year + years (13 for a
// Bar Mitzvah, 12 for a Bat Mitzvah). `like` supplies the transition.
bool BarMitzvahDate(const DATE_STRUCT& like, int birthJdn, int years, DATE_STRUCT& result);

} // namespace vessant
