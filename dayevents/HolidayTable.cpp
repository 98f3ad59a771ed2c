#include "dayevents/detail/HolidayTable.h"

#include "dayevents/detail/HebrewMonths.h"

#include <array>
#include <iterator>

namespace vessant {
namespace {

using enum HolidayScope;
using enum HolidayCondition;
using enum CodeRun;
using namespace hebmonth;

// month, first day, last day, scope, condition, code on the first day, code run, value
constexpr HOLIDAY_RULE kRules[] = {
    {kTishrei, 1, 1, Both, Always, 1, Same, 1},            // Rosh Hashanah 1
    {kTishrei, 2, 2, Both, Always, 2, Same, 1},            // Rosh Hashanah 2
    {kTishrei, 3, 3, Both, NotShabbat, 3, Same, 3},        // Fast of Gedaliah
    {kTishrei, 3, 3, Both, Shabbat, 4, Same, 0},           // the fast is deferred
    {kTishrei, 4, 4, Both, Sunday, 5, Same, 3},            // Fast of Gedaliah, deferred
    {kTishrei, 9, 9, Both, Always, 6, Same, 0},            // Erev Yom Kippur
    {kTishrei, 10, 10, Both, Always, 7, Same, 1},          // Yom Kippur
    {kTishrei, 14, 14, Both, Always, 8, Same, 0},          // Erev Succot
    {kTishrei, 15, 15, Israel, Always, 9, Same, 1},        // Succot
    {kTishrei, 15, 15, Diaspora, Always, 10, Same, 1},     // Succot 1
    {kTishrei, 16, 16, Israel, Always, 12, Same, 4},       // Chol Hamoed 1
    {kTishrei, 16, 16, Diaspora, Always, 11, Same, 1},     // Succot 2
    {kTishrei, 17, 20, Israel, Always, 13, Rising, 4},     // Chol Hamoed 2-5
    {kTishrei, 17, 20, Diaspora, Always, 12, Rising, 4},   // Chol Hamoed 1-4
    {kTishrei, 21, 21, Both, Always, 17, Same, 4},         // Hoshanah Rabah
    {kTishrei, 22, 22, Israel, Always, 18, Same, 1},       // Shmini Atzeret (with Simchat Torah)
    {kTishrei, 22, 22, Diaspora, Always, 20, Same, 1},     // Shmini Atzeret
    {kTishrei, 23, 23, Israel, Always, 19, Same, 5},       // Isru Chag
    {kTishrei, 23, 23, Diaspora, Always, 21, Same, 1},     // Simchat Torah
    {kTishrei, 24, 24, Diaspora, Always, 22, Same, 5},     // Isru Chag
    {kCheshvan, 7, 7, Israel, Always, 27, Same, 0},        // ask for rain
    {kCheshvan, 18, 18, Israel, NotShabbat, 28, Same, 0},  // prayer for drought
    {kCheshvan, 19, 19, Israel, Sunday, 28, Same, 0},      // prayer for drought, after Shabbat
    {kCheshvan, 29, 29, Both, Always, 95, Same, 0},        // Sigd
    {kKislev, 25, 30, Both, Always, 29, Rising, 0},        // Chanukah 1-6
    {kTevet, 1, 2, Both, KislevOf30, 35, Rising, 0},       // Chanukah 7-8
    {kTevet, 1, 3, Both, KislevOf29, 34, Rising, 0},       // Chanukah 6-8
    {kTevet, 10, 10, Both, Always, 37, Same, 3},           // Fast of Tevet
    {kShevat, 15, 15, Both, Always, 38, Same, 0},          // Tu B'Shevat
    {kAdarI, 14, 14, Both, Always, 39, Same, 0},           // Purim Katan
    {kAdarI, 15, 15, Both, Always, 40, Same, 0},           // Shushan Purim Katan
    {TheAdar, 7, 7, Both, Always, 41, Same, 0},            // Moses died
    {TheAdar, 11, 11, Both, Thursday, 44, Same, 3},        // Fast of Esther, moved up
    {TheAdar, 13, 13, Both, NotShabbat, 42, Same, 3},      // Fast of Esther
    {TheAdar, 13, 13, Both, Shabbat, 43, Same, 0},         // the fast is moved up
    {TheAdar, 14, 14, Both, Always, 45, Same, 0},          // Purim
    {TheAdar, 15, 15, Both, Always, 46, Same, 0},          // Shushan Purim
    {kNisan, 12, 12, Both, Thursday, 51, Same, 3},         // Fast of first born, moved up
    {kNisan, 13, 13, Both, Friday, 47, Same, 6},           // Erev Erev-Pesach Shabbat
    {kNisan, 14, 14, Both, Shabbat, 49, Same, 6},          // Erev Pesach on Shabbat
    {kNisan, 14, 14, Both, NotShabbat, 48, Same, 6},       // Erev Pesach
    {kNisan, 14, 14, Both, NotShabbat, 50, Same, 3},       // Fast of first born
    {kNisan, 15, 15, Israel, Always, 52, Same, 1},         // Pesach
    {kNisan, 15, 15, Diaspora, Always, 53, Same, 1},       // Pesach 1
    {kNisan, 16, 16, Israel, Always, 55, Same, 4},         // Chol Hamoed 1
    {kNisan, 16, 16, Diaspora, Always, 54, Same, 1},       // Pesach 2
    {kNisan, 17, 20, Israel, Always, 56, Rising, 4},       // Chol Hamoed 2-5
    {kNisan, 17, 20, Diaspora, Always, 55, Rising, 4},     // Chol Hamoed 1-4
    {kNisan, 21, 21, Israel, Always, 60, Same, 1},         // Shvii Pesach
    {kNisan, 21, 21, Diaspora, Always, 62, Same, 1},       // Shvii shel Pesach
    {kNisan, 22, 22, Israel, Always, 61, Same, 5},         // Isru Chag
    {kNisan, 22, 22, Diaspora, Always, 63, Same, 1},       // Shmini shel Pesach
    {kNisan, 23, 23, Diaspora, Always, 64, Same, 5},       // Isru Chag
    {kNisan, 26, 28, Both, HolocaustDay, 65, Same, 0},     // one of these by the year's rule
    {kIyyar, 2, 6, Both, MemorialDay, 66, Same, 0},        // one of these by the year's rule
    {kIyyar, 2, 6, Both, IndependenceDay, 67, Same, 0},    // one or two of these by the year's rule
    {kIyyar, 14, 14, Both, Always, 68, Same, 0},           // Pesach Sheni
    {kIyyar, 18, 18, Both, Always, 69, Same, 0},           // Lag B'Omer
    {kIyyar, 28, 28, Both, FromYear5727, 70, Same, 0},     // Jerusalem Day
    {kSivan, 5, 5, Both, Always, 71, Same, 0},             // Erev Shavuot
    {kSivan, 6, 6, Israel, Always, 72, Same, 1},           // Shavuot
    {kSivan, 6, 6, Diaspora, Always, 74, Same, 1},         // Shavuot 1
    {kSivan, 7, 7, Israel, Always, 73, Same, 5},           // Isru Chag
    {kSivan, 7, 7, Diaspora, Always, 75, Same, 1},         // Shavuot 2
    {kSivan, 8, 8, Diaspora, Always, 76, Same, 5},         // Isru Chag
    {kTammuz, 17, 17, Both, NotShabbat, 77, Same, 3},      // Fast of Tammuz
    {kTammuz, 17, 17, Both, Shabbat, 78, Same, 0},         // the fast is deferred
    {kTammuz, 18, 18, Both, Sunday, 79, Same, 3},          // Fast of Tammuz, deferred
    {kAv, 9, 9, Both, Year3830, 80, Same, 0},              // the Temple destroyed
    {kAv, 9, 9, Both, After3830NotShabbat, 81, Same, 2},   // Tisha B'Av
    {kAv, 9, 9, Both, After3830Shabbat, 82, Same, 0},      // the fast is deferred
    {kAv, 10, 10, Both, After3830Sunday, 83, Same, 2},     // Tisha B'Av, deferred
    {kAv, 15, 15, Both, Always, 84, Same, 0},              // Tu B'Av
    {kElul, 2, 2, Both, NotShabbat, 93, Same, 0},          // Sephardi selichot begin
    {kElul, 3, 3, Both, Sunday, 93, Same, 0},              // ... after Shabbat
    {kElul, 25, 25, Both, Always, 85, Same, 0},            // the world created
    {kElul, 29, 29, Both, Always, 86, Same, 0},            // Erev Rosh Hashanah
};

constexpr int kTableMonths = 17; // index 0 unused, 1..16

struct MonthRange {
    int first = 0;
    int end = 0;
};

// Each month's rows must stand together so that a day looks at its own month only.
constexpr std::array<MonthRange, kTableMonths> IndexByMonth() {
    std::array<MonthRange, kTableMonths> index{};
    const int count = static_cast<int>(std::size(kRules));
    for (int i = 0; i < count; ++i) {
        auto& range = index[static_cast<std::size_t>(kRules[i].month)];
        if (range.end == 0)
            range.first = i;
        range.end = i + 1;
    }
    return index;
}

constexpr bool EachMonthContiguous() {
    const auto index = IndexByMonth();
    for (int m = 1; m < kTableMonths; ++m) {
        for (int i = index[static_cast<std::size_t>(m)].first; i < index[static_cast<std::size_t>(m)].end; ++i)
            if (kRules[i].month != m)
                return false;
    }
    return true;
}

constexpr bool RowsWellFormed() {
    for (const auto& row : kRules) {
        if (row.month < 1 || row.month >= kTableMonths || row.firstDay < 1 || row.lastDay > 30 ||
            row.firstDay > row.lastDay || row.firstCode < 1 ||
            row.firstCode + (row.run == CodeRun::Rising ? row.lastDay - row.firstDay : 0) > 95)
            return false;
    }
    return true;
}

static_assert(EachMonthContiguous(), "the rows of a month must stand together");
static_assert(RowsWellFormed(), "a holiday row names a day or code out of range");

constexpr auto kMonthIndex = IndexByMonth();

} // namespace

std::span<const HOLIDAY_RULE> HolidayRules() {
    return {kRules};
}

std::span<const HOLIDAY_RULE> HolidayRulesOfMonth(std::int32_t tableMonth) {
    if (tableMonth < 1 || tableMonth >= kTableMonths)
        return {};
    const auto& range = kMonthIndex[static_cast<std::size_t>(tableMonth)];
    return std::span<const HOLIDAY_RULE>(kRules).subspan(static_cast<std::size_t>(range.first),
                                                         static_cast<std::size_t>(range.end - range.first));
}

} // namespace vessant
