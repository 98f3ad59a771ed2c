#pragma once
// Tanach yomi: the Prophets and Writings in one year. A cycle starts every 23 Tishrei
// (the first on 23 Tishrei 5767) and pauses on Shabbat and on festivals; how many days
// each book gets depends on the kind of year (its variant).

#include <cstdint>
#include <optional>

namespace vessant {

// The state of the computation for one day.
struct TANACH_STATE {
    std::int32_t cyclesBegun;  // 23 Tishrei dates from 5767 up to the day; the cycle's year is 5766 + this
    std::int32_t dayOfCycle;   // 1 on 23 Tishrei
    std::int32_t nonStudyDays; // non-study days of the cycle before the day
    std::int32_t leap;         // 1 when the cycle's year is a leap year
    std::int32_t yearKind;     // 1 regular, 2 deficient, 3 complete
    std::int32_t variant;      // 0..5
    std::int32_t studyDay;     // 0 on a non-study day
};

struct TANACH_YOMI {
    std::int32_t book;    // 1 "Yehoshua" ... 20 (text: resource 930 + book); 0 none
    std::int32_t seder;   // 1.. within the book; 0 when the book has a single day
    std::int32_t variant; // 0..5, for the seder text
};

// The cycle state of a day; nothing before 23 Tishrei 5767 and after
// kStudyCalendarLastDay (StudyCalendar.h).
std::optional<TANACH_STATE> TanachYomiState(std::int32_t jdn);

// The variant of the year from its kind (1 regular, 2 deficient, 3 complete), whether it
// is a leap year and the weekday of the next 1 Tishrei (0 Sunday ... 6 Shabbat).
std::int32_t TanachVariant(std::int32_t yearKind, bool leap, int nextNewYearWeekday);

// The reading of study number s (1 on the first study day) in a year's variant; all zero
// when s is outside [1, the variant's total].
TANACH_YOMI TanachYomiAtStudyNumber(std::int32_t s, std::int32_t variant, bool leap);

// The reading of a state; all zero on a non-study day.
TANACH_YOMI TanachYomiAt(const TANACH_STATE& state);

// The reading of a day; all zero when the day has none.
TANACH_YOMI TanachYomi(std::int32_t jdn);

// Study days of a variant: books 1-19 in a common year, 1-20 in a leap year.
std::int32_t TanachVariantTotal(std::int32_t variant, bool leap);

} // namespace vessant
