#include "YearType.h"

#include "calendar/DateStruct.h"
#include "calendar/HebrewYear.h"
#include "calendar/Weekday.h"

#include <iterator>

namespace vessant {
namespace {

struct YEAR_TYPE_ROW {
    std::int8_t type;
    std::int16_t key;
    std::int8_t flags[5]; // A B C D E: 0 clear, 1 set, 2 set outside Israel
};

// type, key (1 Tishrei + kind + 100 x 15 Nisan), flags A B C D E
constexpr YEAR_TYPE_ROW kYearTypes[] = {
    {1, 221, {1, 1, 1, 1, 0}},  // Monday,   deficient, Pesach Tuesday
    {2, 431, {1, 1, 1, 1, 2}},  // Monday,   complete,  Pesach Thursday
    {3, 412, {1, 1, 1, 1, 2}},  // Tuesday,  regular,   Pesach Thursday
    {4, 614, {1, 1, 2, 1, 0}},  // Thursday, regular,   Pesach Shabbat
    {5, 34, {1, 1, 1, 1, 0}},   // Thursday, complete,  Pesach Sunday
    {6, 26, {1, 1, 1, 1, 0}},   // Shabbat,  deficient, Pesach Sunday
    {7, 236, {1, 1, 1, 1, 0}},  // Shabbat,  complete,  Pesach Tuesday
    {8, 421, {0, 0, 0, 1, 2}},  // Monday,   deficient, Pesach Thursday (leap)
    {9, 631, {0, 0, 0, 2, 0}},  // Monday,   complete,  Pesach Shabbat (leap)
    {10, 612, {0, 0, 0, 2, 0}}, // Tuesday,  regular,   Pesach Shabbat (leap)
    {11, 24, {0, 0, 0, 0, 0}},  // Thursday, deficient, Pesach Sunday (leap)
    {12, 234, {0, 0, 0, 0, 0}}, // Thursday, complete,  Pesach Tuesday (leap)
    {13, 226, {0, 0, 0, 1, 0}}, // Shabbat,  deficient, Pesach Tuesday (leap)
    {14, 436, {0, 0, 0, 1, 2}}, // Shabbat,  complete,  Pesach Thursday (leap)
};

constexpr bool NumberedInOrder() {
    for (std::size_t i = 0; i < std::size(kYearTypes); ++i)
        if (kYearTypes[i].type != static_cast<int>(i) + 1)
            return false;
    return std::size(kYearTypes) == 14;
}
static_assert(NumberedInOrder(), "YearTypeFlagSet finds a type's row by its number");

} // namespace

std::int32_t YearTypeKey(std::int32_t year) {
    const HEBREW_YEAR_FRAME frame = HebrewYearFrame(year);
    if (frame.length == 0)
        return 0;
    const std::int32_t roshHashanah = frame.newYearDay;
    const std::int32_t pesach = DayOfHebrewDate(frame, kNisan, 15);
    // The kinds are numbered so that ten times the kind is the key's tens: 10 regular,
    // 20 deficient, 30 complete.
    return (WeekdayOfDayNumber(roshHashanah) - kSunday) + 10 * frame.kind +
           100 * (WeekdayOfDayNumber(pesach) - kSunday);
}

std::int32_t YearType(std::int32_t year) {
    const std::int32_t key = YearTypeKey(year);
    for (const YEAR_TYPE_ROW& row : kYearTypes)
        if (row.key == key)
            return row.type;
    return 0;
}

bool YearTypeFlagSet(std::int32_t type, YearTypeFlag flag, bool diaspora) {
    if (type < 1 || type > 14)
        return false;
    const std::int8_t state = kYearTypes[type - 1].flags[static_cast<int>(flag)];
    return state == 1 || (state == 2 && diaspora);
}

} // namespace vessant
