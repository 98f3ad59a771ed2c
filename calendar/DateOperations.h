#pragma once
// Setting, stepping and reading a DATE_STRUCT. Every setter leaves the record consistent
// on success; a setter that reports failure leaves it partly changed, and the record
// must be set again before it is used. Stepping operations never fail: at their limits
// they leave the date unchanged.

#include "calendar/DateStruct.h"

namespace vessant {

// Gregorian transition choices ("Gregorian Transition" in options.ini).
inline constexpr int kTransitionUK = 1;      // 2 Sep 1752 - 14 Sep 1752 (default)
inline constexpr int kTransitionPapal = 2;   // 4 Oct 1582 - 15 Oct 1582
inline constexpr int kTransitionRussian = 3; // 1 Feb 1918 - 14 Feb 1918

// Writes fields 8-17 for choice 1..3; any other choice leaves them unchanged.
void SetTransition(DATE_STRUCT& date, int choice);

// True on success. Fills the whole record.
bool SetHebrewDate(DATE_STRUCT& date, int hebrewYear, int month, int day);

// A civil date as the user reads it: Julian before the transition point, Gregorian from
// it on. Julian dates are not validated (a day past the month's end runs on); Gregorian
// ones are, and an invalid one returns false.
bool SetCivilDate(DATE_STRUCT& date, int year, int month, int day);

// The 1st of a civil month (Julian up to and including the transition month). The Hebrew
// month lengths are left as the civil-to-Hebrew conversion gives them.
bool SetCivilMonthStart(DATE_STRUCT& date, int year, int month);

// Sets the record to a day number; returns the civil-to-Hebrew code (0 on success). The
// Hebrew lengths are those CivilToHebrew gives (see HebrewCalendar.h).
int SetDayNumber(DATE_STRUCT& date, int dayNumber);

// The local clock's date (platform::Now), read as SetCivilDate reads it.
bool SetToday(DATE_STRUCT& date);

// Moves by a signed number of days; refused (no change) below kFirstDayNumber.
void AddDays(DATE_STRUCT& date, int days);

// One Hebrew month forward (direction > 0) or back; the day is lowered to the target
// month's length. A step back into a year below 3762 is refused.
void StepHebrewMonth(DATE_STRUCT& date, int direction);

// Hebrew years; a month the new year lacks becomes its counterpart (Adar I or II <-> Adar)
// and the day is lowered to the month's length. Refused when civYear + n <= 0 or the
// Hebrew year would drop below 3762.
void AddHebrewYears(DATE_STRUCT& date, int years);

// One civil month forward (+1) or back (-1) from the date as displayed; the day is
// lowered to the target month's length, and a day that the transition skipped becomes
// the last Julian day.
void StepCivilMonth(DATE_STRUCT& date, int direction);

// Civil years from the date as displayed; refused when civYear + n < 1.
void AddCivilYears(DATE_STRUCT& date, int years);

// 1 Sunday ... 7 Shabbat (calendar/Weekday.h).
int Weekday(const DATE_STRUCT& date);

// The civil date as the user sees it: Julian up to the last Julian day, else Gregorian.
DATE_TRIPLE CivilDateForDisplay(const DATE_STRUCT& date);

// Hebrew day, month and year.
DATE_TRIPLE HebrewDateTriple(const DATE_STRUCT& date);

// Days in a month of civYear as displayed: the transition month is shortened, and
// February of a year wholly before the transition has its Julian length.
int CivilMonthLength(const DATE_STRUCT& date, int month);

} // namespace vessant
