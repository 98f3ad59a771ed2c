#include "HolidayTable.h"

#include "HebrewMonths.h"

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
    {Tishrei, 1, 1, Both, Always, 1, Same, 1},            // Rosh Hashanah 1
    {Tishrei, 2, 2, Both, Always, 2, Same, 1},            // Rosh Hashanah 2
    {Tishrei, 3, 3, Both, NotShabbat, 3, Same, 3},        // Fast of Gedaliah
    {Tishrei, 3, 3, Both, Shabbat, 4, Same, 0},           // the fast is deferred
    {Tishrei, 4, 4, Both, Sunday, 5, Same, 3},            // Fast of Gedaliah, deferred
    {Tishrei, 9, 9, Both, Always, 6, Same, 0},            // Erev Yom Kippur
    {Tishrei, 10, 10, Both, Always, 7, Same, 1},          // Yom Kippur
    {Tishrei, 14, 14, Both, Always, 8, Same, 0},          // Erev Succot
    {Tishrei, 15, 15, Israel, Always, 9, Same, 1},        // Succot
    {Tishrei, 15, 15, Diaspora, Always, 10, Same, 1},     // Succot 1
    {Tishrei, 16, 16, Israel, Always, 12, Same, 4},       // Chol Hamoed 1
    {Tishrei, 16, 16, Diaspora, Always, 11, Same, 1},     // Succot 2
    {Tishrei, 17, 20, Israel, Always, 13, Rising, 4},     // Chol Hamoed 2-5
    {Tishrei, 17, 20, Diaspora, Always, 12, Rising, 4},   // Chol Hamoed 1-4
    {Tishrei, 21, 21, Both, Always, 17, Same, 4},         // Hoshanah Rabah
    {Tishrei, 22, 22, Israel, Always, 18, Same, 1},       // Shmini Atzeret (with Simchat Torah)
    {Tishrei, 22, 22, Diaspora, Always, 20, Same, 1},     // Shmini Atzeret
    {Tishrei, 23, 23, Israel, Always, 19, Same, 5},       // Isru Chag
    {Tishrei, 23, 23, Diaspora, Always, 21, Same, 1},     // Simchat Torah
    {Tishrei, 24, 24, Diaspora, Always, 22, Same, 5},     // Isru Chag
    {Cheshvan, 7, 7, Israel, Always, 27, Same, 0},        // ask for rain
    {Cheshvan, 18, 18, Israel, NotShabbat, 28, Same, 0},  // prayer for drought
    {Cheshvan, 19, 19, Israel, Sunday, 28, Same, 0},      // prayer for drought, after Shabbat
    {Cheshvan, 29, 29, Both, Always, 95, Same, 0},        // Sigd
    {Kislev, 25, 30, Both, Always, 29, Rising, 0},        // Chanukah 1-6
    {Tevet, 1, 2, Both, KislevOf30, 35, Rising, 0},       // Chanukah 7-8
    {Tevet, 1, 3, Both, KislevOf29, 34, Rising, 0},       // Chanukah 6-8
    {Tevet, 10, 10, Both, Always, 37, Same, 3},           // Fast of Tevet
    {Shevat, 15, 15, Both, Always, 38, Same, 0},          // Tu B'Shevat
    {AdarI, 14, 14, Both, Always, 39, Same, 0},           // Purim Katan
    {AdarI, 15, 15, Both, Always, 40, Same, 0},           // Shushan Purim Katan
    {TheAdar, 7, 7, Both, Always, 41, Same, 0},           // Moses died
    {TheAdar, 11, 11, Both, Thursday, 44, Same, 3},       // Fast of Esther, moved up
    {TheAdar, 13, 13, Both, NotShabbat, 42, Same, 3},     // Fast of Esther
    {TheAdar, 13, 13, Both, Shabbat, 43, Same, 0},        // the fast is moved up
    {TheAdar, 14, 14, Both, Always, 45, Same, 0},         // Purim
    {TheAdar, 15, 15, Both, Always, 46, Same, 0},         // Shushan Purim
    {Nisan, 12, 12, Both, Thursday, 51, Same, 3},         // Fast of first born, moved up
    {Nisan, 13, 13, Both, Friday, 47, Same, 6},           // Erev Erev-Pesach Shabbat
    {Nisan, 14, 14, Both, Shabbat, 49, Same, 6},          // Erev Pesach on Shabbat
    {Nisan, 14, 14, Both, NotShabbat, 48, Same, 6},       // Erev Pesach
    {Nisan, 14, 14, Both, NotShabbat, 50, Same, 3},       // Fast of first born
    {Nisan, 15, 15, Israel, Always, 52, Same, 1},         // Pesach
    {Nisan, 15, 15, Diaspora, Always, 53, Same, 1},       // Pesach 1
    {Nisan, 16, 16, Israel, Always, 55, Same, 4},         // Chol Hamoed 1
    {Nisan, 16, 16, Diaspora, Always, 54, Same, 1},       // Pesach 2
    {Nisan, 17, 20, Israel, Always, 56, Rising, 4},       // Chol Hamoed 2-5
    {Nisan, 17, 20, Diaspora, Always, 55, Rising, 4},     // Chol Hamoed 1-4
    {Nisan, 21, 21, Israel, Always, 60, Same, 1},         // Shvii Pesach
    {Nisan, 21, 21, Diaspora, Always, 62, Same, 1},       // Shvii shel Pesach
    {Nisan, 22, 22, Israel, Always, 61, Same, 5},         // Isru Chag
    {Nisan, 22, 22, Diaspora, Always, 63, Same, 1},       // Shmini shel Pesach
    {Nisan, 23, 23, Diaspora, Always, 64, Same, 5},       // Isru Chag
    {Nisan, 26, 28, Both, HolocaustDay, 65, Same, 0},     // one of these by the year's rule
    {Iyar, 2, 6, Both, MemorialDay, 66, Same, 0},         // one of these by the year's rule
    {Iyar, 2, 6, Both, IndependenceDay, 67, Same, 0},     // one or two of these by the year's rule
    {Iyar, 14, 14, Both, Always, 68, Same, 0},            // Pesach Sheni
    {Iyar, 18, 18, Both, Always, 69, Same, 0},            // Lag B'Omer
    {Iyar, 28, 28, Both, FromYear5727, 70, Same, 0},      // Jerusalem Day
    {Sivan, 5, 5, Both, Always, 71, Same, 0},             // Erev Shavuot
    {Sivan, 6, 6, Israel, Always, 72, Same, 1},           // Shavuot
    {Sivan, 6, 6, Diaspora, Always, 74, Same, 1},         // Shavuot 1
    {Sivan, 7, 7, Israel, Always, 73, Same, 5},           // Isru Chag
    {Sivan, 7, 7, Diaspora, Always, 75, Same, 1},         // Shavuot 2
    {Sivan, 8, 8, Diaspora, Always, 76, Same, 5},         // Isru Chag
    {Tammuz, 17, 17, Both, NotShabbat, 77, Same, 3},      // Fast of Tammuz
    {Tammuz, 17, 17, Both, Shabbat, 78, Same, 0},         // the fast is deferred
    {Tammuz, 18, 18, Both, Sunday, 79, Same, 3},          // Fast of Tammuz, deferred
    {Av, 9, 9, Both, Year3830, 80, Same, 0},              // the Temple destroyed
    {Av, 9, 9, Both, After3830NotShabbat, 81, Same, 2},   // Tisha B'Av
    {Av, 9, 9, Both, After3830Shabbat, 82, Same, 0},      // the fast is deferred
    {Av, 10, 10, Both, After3830Sunday, 83, Same, 2},     // Tisha B'Av, deferred
    {Av, 15, 15, Both, Always, 84, Same, 0},              // Tu B'Av
    {Elul, 2, 2, Both, NotShabbat, 93, Same, 0},          // Sephardi selichot begin
    {Elul, 3, 3, Both, Sunday, 93, Same, 0},              // ... after Shabbat
    {Elul, 25, 25, Both, Always, 85, Same, 0},            // the world created
    {Elul, 29, 29, Both, Always, 86, Same, 0},            // Erev Rosh Hashanah
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
