#include "dayevents/detail/HolidayTable.h"

#include "dayevents/detail/HebrewMonths.h"

#include <array>
#include <iterator>

namespace vessant {
namespace {

using enum HolidayScope;
using enum HolidayCondition;
using enum CodeRun;
using enum HolidayTiming;
using namespace hebmonth;

// month, first day, last day, scope, condition, code on the first day, code run, kind
constexpr HOLIDAY_RULE kRules[] = {
    {kTishrei, 1, 1, Both, Always, 1, Same, kDayYomTov},               // Rosh Hashanah 1
    {kTishrei, 2, 2, Both, Always, 2, Same, kDayYomTov},               // Rosh Hashanah 2
    {kTishrei, 3, 3, Both, NotShabbat, 3, Same, kDayMinorFast},        // Fast of Gedaliah
    {kTishrei, 3, 3, Both, Shabbat, 4, Same, kDayMention},             // the fast is deferred
    {kTishrei, 4, 4, Both, Sunday, 5, Same, kDayMinorFast},            // Fast of Gedaliah, deferred
    {kTishrei, 9, 9, Both, Always, 6, Same, kDayMention},              // Erev Yom Kippur
    {kTishrei, 10, 10, Both, Always, 7, Same, kDayYomTov},             // Yom Kippur
    {kTishrei, 14, 14, Both, Always, 8, Same, kDayMention},            // Erev Succot
    {kTishrei, 15, 15, Israel, Always, 9, Same, kDayYomTov},           // Succot
    {kTishrei, 15, 15, Diaspora, Always, 10, Same, kDayYomTov},        // Succot 1
    {kTishrei, 16, 16, Israel, Always, 12, Same, kDayCholHamoed},      // Chol Hamoed 1
    {kTishrei, 16, 16, Diaspora, Always, 11, Same, kDayYomTov},        // Succot 2
    {kTishrei, 17, 20, Israel, Always, 13, Rising, kDayCholHamoed},    // Chol Hamoed 2-5
    {kTishrei, 17, 20, Diaspora, Always, 12, Rising, kDayCholHamoed},  // Chol Hamoed 1-4
    {kTishrei, 21, 21, Both, Always, 17, Same, kDayCholHamoed},        // Hoshanah Rabah
    {kTishrei, 22, 22, Israel, Always, 18, Same, kDayYomTov},          // Shmini Atzeret (with Simchat Torah)
    {kTishrei, 22, 22, Diaspora, Always, 20, Same, kDayYomTov},        // Shmini Atzeret
    {kTishrei, 23, 23, Israel, Always, 19, Same, kDayIsruChag},        // Isru Chag
    {kTishrei, 23, 23, Diaspora, Always, 21, Same, kDayYomTov},        // Simchat Torah
    {kTishrei, 24, 24, Diaspora, Always, 22, Same, kDayIsruChag},      // Isru Chag
    {kCheshvan, 7, 7, Israel, Always, 27, Same, kDayMention},          // ask for rain
    {kCheshvan, 18, 18, Israel, NotShabbat, 28, Same, kDayMention},    // prayer for drought
    {kCheshvan, 19, 19, Israel, Sunday, 28, Same, kDayMention},        // prayer for drought, after Shabbat
    {kCheshvan, 29, 29, Both, Always, 95, Same, kDayMention},          // Sigd
    {kKislev, 25, 30, Both, Always, 29, Rising, kDayMention},          // Chanukah 1-6
    {kTevet, 1, 2, Both, KislevOf30, 35, Rising, kDayMention},         // Chanukah 7-8
    {kTevet, 1, 3, Both, KislevOf29, 34, Rising, kDayMention},         // Chanukah 6-8
    {kTevet, 10, 10, Both, Always, 37, Same, kDayMinorFast},           // Fast of Tevet
    {kShevat, 15, 15, Both, Always, 38, Same, kDayMention},            // Tu B'Shevat
    {kAdarI, 14, 14, Both, Always, 39, Same, kDayMention},             // Purim Katan
    {kAdarI, 15, 15, Both, Always, 40, Same, kDayMention},             // Shushan Purim Katan
    {TheAdar, 7, 7, Both, Always, 41, Same, kDayMention},              // Moses died
    {TheAdar, 11, 11, Both, Thursday, 44, Same, kDayMinorFast},        // Fast of Esther, moved up
    {TheAdar, 13, 13, Both, NotShabbat, 42, Same, kDayMinorFast},      // Fast of Esther
    {TheAdar, 13, 13, Both, Shabbat, 43, Same, kDayMention},           // the fast is moved up
    {TheAdar, 14, 14, Both, Always, 45, Same, kDayMention},            // Purim
    {TheAdar, 15, 15, Both, Always, 46, Same, kDayMention},            // Shushan Purim
    {kNisan, 12, 12, Both, Thursday, 51, Same, kDayMinorFast},         // Fast of first born, moved up
    {kNisan, 13, 13, Both, Friday, 47, Same, kDayErevPesach},          // Erev Erev-Pesach Shabbat
    {kNisan, 14, 14, Both, Shabbat, 49, Same, kDayErevPesach},         // Erev Pesach on Shabbat
    {kNisan, 14, 14, Both, NotShabbat, 48, Same, kDayErevPesach},      // Erev Pesach
    {kNisan, 14, 14, Both, NotShabbat, 50, Same, kDayMinorFast},       // Fast of first born
    {kNisan, 15, 15, Israel, Always, 52, Same, kDayYomTov},            // Pesach
    {kNisan, 15, 15, Diaspora, Always, 53, Same, kDayYomTov},          // Pesach 1
    {kNisan, 16, 16, Israel, Always, 55, Same, kDayCholHamoed},        // Chol Hamoed 1
    {kNisan, 16, 16, Diaspora, Always, 54, Same, kDayYomTov},          // Pesach 2
    {kNisan, 17, 20, Israel, Always, 56, Rising, kDayCholHamoed},      // Chol Hamoed 2-5
    {kNisan, 17, 20, Diaspora, Always, 55, Rising, kDayCholHamoed},    // Chol Hamoed 1-4
    {kNisan, 21, 21, Israel, Always, 60, Same, kDayYomTov},            // Shvii Pesach
    {kNisan, 21, 21, Diaspora, Always, 62, Same, kDayYomTov},          // Shvii shel Pesach
    {kNisan, 22, 22, Israel, Always, 61, Same, kDayIsruChag},          // Isru Chag
    {kNisan, 22, 22, Diaspora, Always, 63, Same, kDayYomTov},          // Shmini shel Pesach
    {kNisan, 23, 23, Diaspora, Always, 64, Same, kDayIsruChag},        // Isru Chag
    {kNisan, 26, 28, Both, HolocaustDay, 65, Same, kDayMention},       // one of these by the year's rule
    {kIyyar, 2, 6, Both, MemorialDay, 66, Same, kDayMention},          // one of these by the year's rule
    {kIyyar, 2, 6, Both, IndependenceDay, 67, Same, kDayMention},      // one or two of these by the year's rule
    {kIyyar, 14, 14, Both, Always, 68, Same, kDayMention},             // Pesach Sheni
    {kIyyar, 18, 18, Both, Always, 69, Same, kDayMention},             // Lag B'Omer
    {kIyyar, 28, 28, Both, FromYear5727, 70, Same, kDayMention},       // Jerusalem Day
    {kSivan, 5, 5, Both, Always, 71, Same, kDayMention},               // Erev Shavuot
    {kSivan, 6, 6, Israel, Always, 72, Same, kDayYomTov},              // Shavuot
    {kSivan, 6, 6, Diaspora, Always, 74, Same, kDayYomTov},            // Shavuot 1
    {kSivan, 7, 7, Israel, Always, 73, Same, kDayIsruChag},            // Isru Chag
    {kSivan, 7, 7, Diaspora, Always, 75, Same, kDayYomTov},            // Shavuot 2
    {kSivan, 8, 8, Diaspora, Always, 76, Same, kDayIsruChag},          // Isru Chag
    {kTammuz, 17, 17, Both, NotShabbat, 77, Same, kDayMinorFast},      // Fast of Tammuz
    {kTammuz, 17, 17, Both, Shabbat, 78, Same, kDayMention},           // the fast is deferred
    {kTammuz, 18, 18, Both, Sunday, 79, Same, kDayMinorFast},          // Fast of Tammuz, deferred
    {kAv, 9, 9, Both, Year3830, 80, Same, kDayMention},                // the Temple destroyed
    {kAv, 9, 9, Both, After3830NotShabbat, 81, Same, kDayTishaBav},    // Tisha B'Av
    {kAv, 9, 9, Both, After3830Shabbat, 82, Same, kDayMention},        // the fast is deferred
    {kAv, 10, 10, Both, After3830Sunday, 83, Same, kDayTishaBav},      // Tisha B'Av, deferred
    {kAv, 15, 15, Both, Always, 84, Same, kDayMention},                // Tu B'Av
    {kElul, 2, 2, Both, NotShabbat, 93, Same, kDayMention},            // Sephardi selichot begin
    {kElul, 3, 3, Both, Sunday, 93, Same, kDayMention},                // ... after Shabbat
    {kElul, 25, 25, Both, Always, 85, Same, kDayMention},              // the world created
    {kElul, 29, 29, Both, Always, 86, Same, kDayMention},              // Erev Rosh Hashanah
};

// The codes that carry clock times, by code; every other code carries none.
struct CODE_TIMING {
    std::int8_t code;
    HolidayTiming timing;
};

constexpr CODE_TIMING kTimings[] = {
    {1, FestivalDay},                // Rosh Hashanah 1
    {2, SecondFestivalDay},          // Rosh Hashanah 2
    {3, Fast},                       // Fast of Gedaliah
    {5, Fast},                       // Fast of Gedaliah, deferred
    {7, FestivalDay},                // Yom Kippur
    {9, FestivalDay},                // Succot
    {10, FestivalDay},               // Succot 1
    {11, DiasporaSecondFestivalDay}, // Succot 2
    {18, FestivalDay},               // Shmini Atzeret (with Simchat Torah)
    {20, FestivalDay},               // Shmini Atzeret
    {21, DiasporaSecondFestivalDay}, // Simchat Torah
    {23, Fast},                      // the Monday, Thursday and Monday fasts
    {24, Fast},
    {25, Fast},
    {26, Fast},
    {37, Fast},                      // Fast of Tevet
    {42, Fast},                      // Fast of Esther
    {44, Fast},                      // Fast of Esther, moved up
    {47, ChametzBurning},            // Erev Erev-Pesach Shabbat
    {48, ChametzEatingAndBurning},   // Erev Pesach
    {49, ChametzEating},             // Erev Pesach on Shabbat
    {50, FirstBornFast},             // Fast of first born
    {51, FirstBornFast},             // Fast of first born, moved up
    {52, FestivalDay},               // Pesach
    {53, FestivalDay},               // Pesach 1
    {54, DiasporaSecondFestivalDay}, // Pesach 2
    {60, FestivalDay},               // Shvii Pesach
    {62, FestivalDay},               // Shvii shel Pesach
    {63, DiasporaSecondFestivalDay}, // Shmini shel Pesach
    {72, FestivalDay},               // Shavuot
    {74, FestivalDay},               // Shavuot 1
    {75, DiasporaSecondFestivalDay}, // Shavuot 2
    {77, Fast},                      // Fast of Tammuz
    {79, Fast},                      // Fast of Tammuz, deferred
    {81, TishaBav},                  // Tisha B'Av
    {83, TishaBav},                  // Tisha B'Av, deferred
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

using TimingByCode = std::array<HolidayTiming, kLastDayEventCode + 1>;

constexpr TimingByCode IndexTimings() {
    TimingByCode byCode{};
    for (const CODE_TIMING& row : kTimings)
        byCode[static_cast<std::size_t>(row.code)] = row.timing;
    return byCode;
}

constexpr bool TimingsWellFormed() {
    TimingByCode seen{};
    for (const CODE_TIMING& row : kTimings) {
        if (row.code < kFirstDayEventCode || row.code > kLastDayEventCode || row.timing == HolidayTiming::None)
            return false;
        auto& slot = seen[static_cast<std::size_t>(row.code)];
        if (slot != HolidayTiming::None)
            return false;
        slot = row.timing;
    }
    return true;
}

static_assert(EachMonthContiguous(), "the rows of a month must stand together");
static_assert(TimingsWellFormed(), "a code's timing is out of range, empty or given twice");
static_assert(RowsWellFormed(), "a holiday row names a day or code out of range");

constexpr auto kMonthIndex = IndexByMonth();
constexpr auto kTimingByCode = IndexTimings();

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

HolidayTiming HolidayTimingOf(std::int32_t code) {
    if (code < kFirstDayEventCode || code > kLastDayEventCode)
        return HolidayTiming::None;
    return kTimingByCode[static_cast<std::size_t>(code)];
}

} // namespace vessant
