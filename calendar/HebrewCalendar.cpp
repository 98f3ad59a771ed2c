#include "calendar/HebrewCalendar.h"

#include "calendar/DateOperations.h"

namespace vessant {
namespace {

constexpr std::int32_t kCivilLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Months whose length depends on the year (Cheshvan, Kislev, the Adars) are 0 here.
constexpr std::int32_t kHebrewFixedLengths[14] = {30, 0, 0, 29, 30, 0, 0, 30, 29, 30, 29, 30, 29, 0};

// Civil month lengths of an astronomical year.
std::int32_t GregorianLength(int astronomicalYear, int month) {
    return month == 2 ? (IsGregorianLeapYear(astronomicalYear) ? 29 : 28) : kCivilLengths[month - 1];
}

void ResetCivilLengths(DATE_STRUCT& date, int astronomicalYear) {
    for (int i = 0; i < 12; ++i)
        date.civMonthLength[static_cast<std::size_t>(i)] = GregorianLength(astronomicalYear, i + 1);
}

int AstronomicalYear(int civilYear) { return civilYear < 0 ? civilYear + 1 : civilYear; }

// k = year length - 353: 0..2 for a common year, 30..32 for a leap year.
void SetHebrewLengths(DATE_STRUCT& date, int k) {
    for (int i = 0; i < 14; ++i)
        date.hebMonthLength[static_cast<std::size_t>(i)] = kHebrewFixedLengths[i];
    date.hebYearLength = k + 353;
    date.hebMonthLength[kCheshvan - 1] = k % 30 == 2 ? 30 : 29;
    date.hebMonthLength[kKislev - 1] = k % 30 == 0 ? 29 : 30;
    if (k < 30) {
        date.hebMonthLength[kAdar - 1] = 29;
    } else {
        date.hebMonthLength[kAdarI - 1] = 30;
        date.hebMonthLength[kAdarII - 1] = 29;
    }
}

// Gregorian day number of an astronomical date; year 0 is a real year here.
int GregorianDayNumber(int a, int m, int d) {
    const int k = a + (m - 14) / 12;
    return (1461 * (k + 4800)) / 4 + (367 * ((m - 14) % 12 + 12)) / 12 + d - (3 * ((k + 4900) / 100)) / 4
         - 32075;
}

// 1 Tishrei is 163 days after 15 Nisan of the year before, which falls on day
// `pesachDayOfMarch` of March (past 31: of April) of astronomical year H - 3761.
int NewYearDay(int hebrewYear, int pesachDayOfMarch) {
    const int pesachYear = hebrewYear - 3761;
    const int P = pesachDayOfMarch;
    return (P > 31 ? GregorianDayNumber(pesachYear, 4, P - 31) : GregorianDayNumber(pesachYear, 3, P)) + 163;
}

} // namespace

int GregorianMonthLength(int year, int month) { return GregorianLength(year < 0 ? year + 1 : year, month); }

int CivilToDayNumber(int year, int month, int day, bool julian) {
    const int a = AstronomicalYear(year);
    const int m = month;
    const int d = day;
    if (julian)
        return 367 * a + (275 * m) / 9 + d - (7 * ((m - 9) / 7 + a + 5001)) / 4 + 1729777;
    return GregorianDayNumber(a, m, d);
}

CIVIL_DATE DayNumberToCivil(int dayNumber, bool julian) {
    const int A = julian ? 68607 : 68569;
    const int B = julian ? 146100 : 146097;
    int j = dayNumber + A;
    const int c = (4 * j) / B;           // centuries (400-year quarters)
    j = j - (B * c + 3) / 4;
    const int e = (4000 * (j + 1)) / 1461001; // years within the century
    j = j - (1461 * e) / 4 + 31;
    const int f = (80 * j) / 2447;       // March-based month
    CIVIL_DATE result;
    result.day = j - (2447 * f) / 80;
    const int g = (80 * j) / 26917;      // 1 for January and February
    result.month = f + 2 - 12 * g;
    result.year = 100 * (c - 49) + e + g;
    if (result.year <= 0)
        result.year -= 1;
    return result;
}

int PesachDayOfMarch(int hebrewYear) {
    const int A = hebrewYear;
    const int a = (12 * A + 17) % 19; // place in the 19-year cycle
    const int b = A % 4;
    const double Q = 32.04409316114361 + 1.5542417966211826 * a + 0.25 * b - 0.0031777940220922675 * A;
    int M;
    double m;
    if (Q >= 0) {
        M = static_cast<int>(Q);
    } else {
        M = static_cast<int>(Q - 1);
    }
    m = Q - M;
    const int c = (M + 3 * A + 5 * b + 5) % 7; // weekday of the provisional date
    if (c == 2 || c == 4 || c == 6)
        M += 1;
    else if (c == 1 && a > 6 && m >= 0.6328703703703703)
        M += 2;
    else if (c == 0 && a > 11 && m >= 0.8977237654320988)
        M += 1;
    const int Y = A - 3760;
    return M + Y / 100 - Y / 400 - 2;
}

bool IsHebrewLeapYear(int hebrewYear) {
    int r = hebrewYear % 19;
    if (r == 0)
        r = 19;
    return r == 3 || r == 6 || r == 8 || r == 11 || r == 14 || r == 17 || r == 19;
}

int HebrewNewYearDay(int hebrewYear) { return NewYearDay(hebrewYear, PesachDayOfMarch(hebrewYear - 1)); }

namespace {

// Checks a Hebrew date, fills the record's Hebrew lengths and sets dayNumber to the day
// it falls on; returns 0 or a failure code.
int CountHebrewDate(int hebrewYear, int month, int day, DATE_STRUCT& date, int& dayNumber) {
    const int H = hebrewYear;
    if (day < 1 || day > 30)
        return kHebrewDayRange;
    if (H == 0)
        return kHebrewYearZero;
    if (month > 14 || month < 1)
        return kHebrewMonthRange;

    ResetCivilLengths(date, AstronomicalYear(date.civYear));
    const int P0 = PesachDayOfMarch(H - 1);
    const int P1 = PesachDayOfMarch(H);
    int k = P1 - P0 + 12;
    if (IsGregorianLeapYear(H - 3760))
        k += 1;
    SetHebrewLengths(date, k);

    const bool leap = k >= 30;
    if (!leap && (month == kAdarI || month == kAdarII))
        return kHebrewAdarIInCommon;
    if (leap && month == kAdar)
        return kHebrewAdarInLeap;
    if (day > date.hebMonthLength[static_cast<std::size_t>(month - 1)])
        return kHebrewDayRange;

    dayNumber = NewYearDay(H, P0);
    const int counted = month == kAdar ? kAdarII : month;
    for (int i = 1; i < counted; ++i)
        dayNumber += date.hebMonthLength[static_cast<std::size_t>(i - 1)];
    if (!leap && counted > kAdarII)
        dayNumber += 29;
    dayNumber += day - 1;
    return 0;
}

} // namespace

int HebrewDayNumber(int hebrewYear, int month, int day) {
    DATE_STRUCT scratch;
    int dayNumber = 0;
    return CountHebrewDate(hebrewYear, month, day, scratch, dayNumber) == 0 ? dayNumber : 0;
}

int HebrewToCivil(int hebrewYear, int month, int day, DATE_STRUCT& date) {
    int dayNumber = 0;
    if (const int failure = CountHebrewDate(hebrewYear, month, day, date, dayNumber); failure != 0)
        return failure;
    const CIVIL_DATE civil = DayNumberToCivil(dayNumber, false);
    date.civYear = civil.year;
    date.civMonth = civil.month;
    date.civDay = civil.day;
    // The civil month lengths describe the new civil year, not the one the record held.
    ResetCivilLengths(date, AstronomicalYear(civil.year));
    return 0;
}

int CivilToHebrew(int year, int month, int day, DATE_STRUCT& date) {
    if (day < 1 || day > 31)
        return kCivilDayRange;
    if (year == 0)
        return kCivilYearZero;
    if (month > 12 || month < 1)
        return kCivilMonthRange;

    int y = AstronomicalYear(year);
    ResetCivilLengths(date, y);
    for (int i = 0; i < 14; ++i)
        date.hebMonthLength[static_cast<std::size_t>(i)] = kHebrewFixedLengths[i];
    if (day > date.civMonthLength[static_cast<std::size_t>(month - 1)])
        return kCivilDayRange;

    // Day of the March-based year: 1 March = 1.
    int t = month - 2;
    if (month <= 2) {
        t = month + 10;
        y -= 1;
    }
    int n = 30 * t + (7 * t) / 12 + day - 30;

    int H = y + 3760;
    const int P = PesachDayOfMarch(H);
    int previous;
    int next;
    if (n > P - 15) { // on or after 1 Nisan of H
        previous = P;
        next = PesachDayOfMarch(H + 1);
    } else {
        n += 365 + (IsGregorianLeapYear(y) ? 1 : 0);
        next = P;
        y -= 1;
        H -= 1;
        previous = PesachDayOfMarch(H);
    }
    n = n + 15 - previous; // 1 Nisan = 1

    int k = next - previous + 12;
    if (IsGregorianLeapYear(y + 1))
        k += 1;
    SetHebrewLengths(date, k);

    // Nisan, Iyyar, Sivan, Tammuz, Av, Elul, Tishrei, Cheshvan, Kislev, Tevet, Shevat.
    const int walk[11] = {30, 29, 30, 29, 30, 29, 30, date.hebMonthLength[kCheshvan - 1],
                          date.hebMonthLength[kKislev - 1], 29, 30};
    int position = 0;
    while (position < 11 && n > walk[position]) {
        n -= walk[position];
        ++position;
    }

    if (position == 11) { // Adar
        date.hebYear = H + 1;
        if (k >= 30) {
            if (n <= 30) {
                date.hebMonth = kAdarI;
            } else {
                date.hebMonth = kAdarII;
                n -= 30;
            }
        } else {
            date.hebMonth = kAdar;
        }
    } else if (position >= 6) { // Tishrei..Shevat
        date.hebYear = H + 1;
        date.hebMonth = position - 5;
    } else { // Nisan..Elul
        date.hebYear = H;
        date.hebMonth = position + kNisan;
    }
    date.hebDay = n;
    return 0;
}

int HebrewMonthLength(int month, int hebrewYear, int mode) {
    DATE_STRUCT scratch;
    SetTransition(scratch, kTransitionUK);
    if (!SetHebrewDate(scratch, hebrewYear, month, 1))
        return 0;
    const int start = scratch.dayNumber;
    const bool back = mode == -1;
    StepHebrewMonth(scratch, back ? -1 : 1);
    if (scratch.dayNumber == start)
        return 0; // the step was refused
    return back ? start - scratch.dayNumber : scratch.dayNumber - start;
}

} // namespace vessant
