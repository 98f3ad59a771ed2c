#include "calendar/DateOperations.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/Weekday.h"
#include "platform/Clock.h"

#include <cstdint>
#include <limits>

namespace vessant {
namespace {

struct TRANSITION_ROW {
    std::int32_t lastJulianDate;
    std::int32_t lastJulianDayNumber;
    std::int32_t transYear;
    std::int32_t transMonth;
    std::int32_t firstGregorianDay;
    std::int32_t lastJulianDay;
    std::int32_t transHebYear;
    std::int32_t transHebMonth;
    std::int32_t transHebDay;
};

// Choices 1..3. In the Russian row the last Julian day and the first Gregorian day are
// the same day number; the values are used as they stand.
constexpr TRANSITION_ROW kTransitions[3] = {
    {17520902, 2361221, 1752, 9, 14, 2, 5513, kTishrei, 6},
    {15821004, 2299160, 1582, 10, 15, 4, 5343, kTishrei, 19},
    {19180201, 2421639, 1918, 2, 14, 1, 5678, kAdar, 2},
};

// Lowest Hebrew year the stepping operations reach (the year of 1 Tishrei of civil year 1).
constexpr int kFirstSteppedHebrewYear = 3762;

// Year-month-day order.
bool Before(int y1, int m1, int d1, int y2, int m2, int d2) {
    if (y1 != y2)
        return y1 < y2;
    if (m1 != m2)
        return m1 < m2;
    return d1 < d2;
}

void SetGregorianFields(DATE_STRUCT& date, const CIVIL_DATE& civil) {
    date.civYear = civil.year;
    date.civMonth = civil.month;
    date.civDay = civil.day;
}

// Reads a Julian date: day number, Gregorian fields and Hebrew date from them.
void SetJulianDate(DATE_STRUCT& date, int year, int month, int day) {
    date.dayNumber = CivilToDayNumber(year, month, day, true);
    SetGregorianFields(date, DayNumberToCivil(date.dayNumber, false));
    CivilToHebrew(date.civYear, date.civMonth, date.civDay, date);
}

// Sets the record's civil and Hebrew fields from a civil date without the final pass
// that makes the Hebrew lengths describe the date's own year.
bool SetCivilFields(DATE_STRUCT& date, int year, int month, int day, bool julian) {
    if (julian) {
        SetJulianDate(date, year, month, day);
        return true;
    }
    date.civYear = year;
    date.civMonth = month;
    date.civDay = day;
    if (CivilToHebrew(year, month, day, date) != 0)
        return false;
    date.dayNumber = CivilToDayNumber(year, month, day, false);
    return true;
}

// Month lengths of a Hebrew year into the record. The civil fields receive 1 Tishrei of
// that year; callers set the target date right after.
void LoadHebrewYear(DATE_STRUCT& date, int hebrewYear) {
    HebrewToCivil(hebrewYear, kTishrei, 1, date);
}

// Clamps, pulls a day the transition skipped back to the last Julian day, and sets the
// displayed civil date.
void SetSteppedCivilDate(DATE_STRUCT& date, int year, int month, int day) {
    if (year <= 0 || month < 1 || month > 12)
        return;
    const int length = GregorianMonthLength(year, month);
    if (day > length)
        day = length;
    if (year == date.transYear && month == date.transMonth && day > date.lastJulianDay &&
        day < date.firstGregorianDay)
        day = date.lastJulianDay;
    SetCivilDate(date, year, month, day);
}

// Sets the record's Hebrew day in another month, of the year LoadHebrewYear loaded, lowered
// to that month's length.
void SetSteppedHebrewDate(DATE_STRUCT& date, int year, int month) {
    int day = date.hebDay;
    const int length = date.hebMonthLength[static_cast<std::size_t>(month - 1)];
    if (day > length)
        day = length;
    SetHebrewDate(date, year, month, day);
}

} // namespace

void SetTransition(DATE_STRUCT& date, int choice) {
    if (choice < 1 || choice > 3)
        return;
    const TRANSITION_ROW& row = kTransitions[choice - 1];
    date.flag = 0;
    date.lastJulianDate = row.lastJulianDate;
    date.lastJulianDayNumber = row.lastJulianDayNumber;
    date.transYear = row.transYear;
    date.transMonth = row.transMonth;
    date.firstGregorianDay = row.firstGregorianDay;
    date.lastJulianDay = row.lastJulianDay;
    date.transHebYear = row.transHebYear;
    date.transHebMonth = row.transHebMonth;
    date.transHebDay = row.transHebDay;
}

bool SetHebrewDate(DATE_STRUCT& date, int hebrewYear, int month, int day) {
    date.hebYear = hebrewYear;
    date.hebMonth = month;
    date.hebDay = day;
    if (HebrewToCivil(hebrewYear, month, day, date) != 0)
        return false;
    date.dayNumber = CivilToDayNumber(date.civYear, date.civMonth, date.civDay, false);
    return true;
}

bool SetCivilDate(DATE_STRUCT& date, int year, int month, int day) {
    const bool julian = Before(year, month, day, date.transYear, date.transMonth, date.firstGregorianDay);
    if (!SetCivilFields(date, year, month, day, julian))
        return false;
    HebrewToCivil(date.hebYear, date.hebMonth, date.hebDay, date);
    return true;
}

bool SetCivilMonthStart(DATE_STRUCT& date, int year, int month) {
    const bool julian = year < date.transYear || (year == date.transYear && month <= date.transMonth);
    return SetCivilFields(date, year, month, 1, julian);
}

int SetDayNumber(DATE_STRUCT& date, int dayNumber) {
    date.dayNumber = dayNumber;
    SetGregorianFields(date, DayNumberToCivil(dayNumber, false));
    return CivilToHebrew(date.civYear, date.civMonth, date.civDay, date);
}

bool SetToday(DATE_STRUCT& date) {
    const platform::LOCAL_TIME now = platform::Now();
    return SetCivilDate(date, now.year, now.month, now.day);
}

void AddDays(DATE_STRUCT& date, int days) {
    const std::int64_t target = static_cast<std::int64_t>(date.dayNumber) + days;
    if (target < kFirstDayNumber || target > std::numeric_limits<std::int32_t>::max())
        return;
    SetDayNumber(date, static_cast<int>(target));
}

void StepHebrewMonth(DATE_STRUCT& date, int direction) {
    int year = date.hebYear;
    int month = date.hebMonth;
    if (month < 1 || month > 14)
        return; // a record left unset by a failed setter
    if (direction > 0) {
        if (month == kShevat)
            month = date.hebMonthLength[kAdarI - 1] > 0 ? kAdarI : kAdar;
        else if (month == kElul) {
            month = kTishrei;
            ++year;
        } else if (month == kAdar)
            month = kNisan;
        else
            ++month;
        LoadHebrewYear(date, year);
    } else {
        const bool fromNisan = month == kNisan;
        if (month == kTishrei) {
            month = kElul;
            --year;
        } else if (month == kAdar)
            month = kShevat;
        else if (!fromNisan)
            --month;
        if (year < kFirstSteppedHebrewYear)
            return;
        LoadHebrewYear(date, year);
        if (fromNisan)
            month = date.hebMonthLength[kAdarII - 1] > 0 ? kAdarII : kAdar;
    }
    SetSteppedHebrewDate(date, year, month);
}

void AddHebrewYears(DATE_STRUCT& date, int years) {
    const std::int64_t target = static_cast<std::int64_t>(date.hebYear) + years;
    if (static_cast<std::int64_t>(date.civYear) + years <= 0 || target < kFirstSteppedHebrewYear ||
        target > std::numeric_limits<std::int32_t>::max() || date.hebMonth < 1 || date.hebMonth > 14)
        return;
    const int year = static_cast<int>(target);
    LoadHebrewYear(date, year);
    const bool leap = date.hebMonthLength[kAdarI - 1] > 0;
    int month = date.hebMonth;
    if (!leap && (month == kAdarI || month == kAdarII))
        month = kAdar;
    else if (leap && month == kAdar)
        month = kAdarII;
    SetSteppedHebrewDate(date, year, month);
}

void StepCivilMonth(DATE_STRUCT& date, int direction) {
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    int year = shown.year;
    int month = shown.month + (direction > 0 ? 1 : -1);
    if (month == 13) {
        month = 1;
        ++year;
        if (year == 0)
            year = 1;
    } else if (month == 0) {
        month = 12;
        --year;
        if (year == 0)
            year = -1;
    }
    SetSteppedCivilDate(date, year, month, shown.day);
}

void AddCivilYears(DATE_STRUCT& date, int years) {
    if (static_cast<std::int64_t>(date.civYear) + years < 1)
        return;
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    const std::int64_t year = static_cast<std::int64_t>(shown.year) + years;
    if (year <= 0 || year > std::numeric_limits<std::int32_t>::max())
        return;
    SetSteppedCivilDate(date, static_cast<int>(year), shown.month, shown.day);
}

int Weekday(const DATE_STRUCT& date) { return WeekdayOfDayNumber(date.dayNumber); }

DATE_TRIPLE CivilDateForDisplay(const DATE_STRUCT& date) {
    if (date.dayNumber > date.lastJulianDayNumber)
        return {static_cast<std::int16_t>(date.civDay), static_cast<std::int16_t>(date.civMonth), date.civYear};
    const CIVIL_DATE julian = DayNumberToCivil(date.dayNumber, true);
    return {static_cast<std::int16_t>(julian.day), static_cast<std::int16_t>(julian.month), julian.year};
}

DATE_TRIPLE HebrewDateTriple(const DATE_STRUCT& date) {
    return {static_cast<std::int16_t>(date.hebDay), static_cast<std::int16_t>(date.hebMonth), date.hebYear};
}

int CivilMonthLength(const DATE_STRUCT& date, int month) {
    if (month < 1 || month > 12)
        return 0;
    if (date.transYear == date.civYear) {
        if (date.civYear == 1582 && month == 10)
            return 21;
        if (date.civYear == 1752 && month == 9)
            return 19;
        if (date.civYear == 1918 && month == 2)
            return 15;
    }
    // Before the transition year the civil calendar is Julian, whose February has 29 days
    // in every fourth year, centuries included.
    if (month == 2 && date.civYear < date.transYear) {
        const int year = date.civYear < 0 ? date.civYear + 1 : date.civYear;
        return year % 4 == 0 ? 29 : 28;
    }
    return date.civMonthLength[static_cast<std::size_t>(month - 1)];
}

} // namespace vessant
