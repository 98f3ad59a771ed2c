// The zmanim of a fixture of places against values computed independently by
// tools/zmanim_reference.py: to a fraction of a second before rounding, and to the
// minute after it.

#include "zmanim/tests/GoldenFixture.h"

#include "zmanim/Solar.h"
#include "zmanim/ZmanimTable.h"

#include <gtest/gtest.h>

#include <string>

namespace vessant {
namespace {

using namespace golden;

struct SUN_ROW {
    int place, year, month, day;
    Sun zman;
    double ut;
    int hour, minute, second; // truncated local reading
    int nearestHour, nearestMinute;
};

constexpr SUN_ROW kSunRows[] = {
#define ZMANIM_GOLDEN_SUN
#include "zmanim/tests/ZmanimGolden.inc"
#undef ZMANIM_GOLDEN_SUN
};

const char* SunName(Sun s) {
    switch (s) {
    case Sun::Hanetz: return "hanetz";
    case Sun::Shkia: return "shkia";
    case Sun::Alot72: return "alot 16.11";
    case Sun::Alot90: return "alot 19.86";
    case Sun::Tzeit: return "tzeit";
    case Sun::TzeitShabbat: return "tzeit shabbat";
    }
    return "";
}

TEST(ZmanimGolden, SunriseSunsetDawnsNightfallAtFixturePlaces) {
    for (const SUN_ROW& row : kSunRows) {
        const PLACE& place = kPlaces[row.place];
        SCOPED_TRACE(std::string(place.name) + " " + std::to_string(row.year) + "-" +
                     std::to_string(row.month) + "-" + std::to_string(row.day) + " " + SunName(row.zman));
        const std::int32_t jd = Jd(row.year, row.month, row.day);
        // Shita 1 carries the 19.86-degree dawn, shita 3 the 16.11-degree one.
        ZMANIM_STRUCT gra = SetUpAt(place, kShitaEretzYisraelGra);
        ZMANIM_STRUCT diaspora = SetUpAt(place, kShitaDiasporaGra);
        ComputeZmanim(gra, jd);
        ComputeZmanim(diaspora, jd);

        double ut = 0.0;
        CLOCK_TIME shown;
        switch (row.zman) {
        case Sun::Hanetz: ut = gra.hanetz; shown = GetHanetz(gra); break;
        case Sun::Shkia: ut = gra.shkia; shown = GetShkia(gra); break;
        case Sun::Alot72: ut = diaspora.alot; shown = GetAlot(diaspora); break;
        case Sun::Alot90: ut = gra.alot; shown = GetAlot(gra); break;
        case Sun::Tzeit: ut = gra.tzeit; shown = GetTzeit(gra); break;
        case Sun::TzeitShabbat: ut = gra.tzeitShabbat; shown = GetTzeitShabbat(gra); break;
        }
        EXPECT_NEAR(ut, row.ut, kUtTolerance);

        // The reading to the second, before any rounding.
        const double local = LocalHours(ut, gra.timeZone, gra.dstActive);
        const double wrapped = local < 0.0 ? local + 24.0 : local;
        const int wholeHours = static_cast<int>(wrapped);
        const int seconds = static_cast<int>((wrapped - wholeHours) * 3600.0);
        EXPECT_EQ(wholeHours % 24, row.hour);
        EXPECT_EQ(seconds / 60, row.minute);
        EXPECT_EQ(seconds % 60, row.second);
        const CLOCK_TIME truncated = ToLocalClock(ut, gra.timeZone, gra.dstActive, ClockMode::Truncate);
        EXPECT_EQ(truncated.hour, row.hour);
        EXPECT_EQ(truncated.minute, row.minute);

        // And as the accessor shows it, rounded to the nearest minute.
        EXPECT_EQ(shown.hour, row.nearestHour);
        EXPECT_EQ(shown.minute, row.nearestMinute);
    }
}

struct BUILTIN_ROW {
    int place, year, month, day, shita;
    Result result;
    double ut;
};

constexpr BUILTIN_ROW kBuiltinRows[] = {
#define ZMANIM_GOLDEN_BUILTIN
#include "zmanim/tests/ZmanimGolden.inc"
#undef ZMANIM_GOLDEN_BUILTIN
};

TEST(ZmanimGolden, EveryResultOfTheSixBuiltinShitot) {
    for (const BUILTIN_ROW& row : kBuiltinRows) {
        SCOPED_TRACE(std::string(kPlaces[row.place].name) + " " + std::to_string(row.month) + "/" +
                     std::to_string(row.day) + " shita " + std::to_string(row.shita) + " result " +
                     std::to_string(static_cast<int>(row.result)));
        ZMANIM_STRUCT z = SetUpAt(kPlaces[row.place], row.shita);
        ComputeZmanim(z, Jd(row.year, row.month, row.day));
        EXPECT_NEAR(ResultOf(z, row.result), row.ut, kUtTolerance);
    }
}

enum class Opinion { Alot, Tzeit, Tchilat, Sof, Misheyakir, Shema, Mincha, Shabbat, Chametz };

struct CUSTOM_ROW {
    int year, month, day;
    Opinion opinion;
    int code, value;
    int alotCode, alotValue, tzeitCode, tzeitValue;
    int tosefetFrom, tosefetType;
    Result result;
    double ut;
};

constexpr CUSTOM_ROW kCustomRows[] = {
#define ZMANIM_GOLDEN_CUSTOM
#include "zmanim/tests/ZmanimGolden.inc"
#undef ZMANIM_GOLDEN_CUSTOM
};

SHITA_STRUCT ShitaOf(const CUSTOM_ROW& row) {
    SHITA_STRUCT s = NewShitaDefaults();
    s.id = 100;
    s.alotShita = row.alotCode;
    s.alotVal = row.alotValue;
    s.tzeitShita = row.tzeitCode;
    s.tzeitVal = row.tzeitValue;
    s.tosefetFrom = row.tosefetFrom;
    s.tosefetType = row.tosefetType;
    switch (row.opinion) {
    case Opinion::Alot: s.alotShita = row.code; s.alotVal = row.value; break;
    case Opinion::Tzeit: s.tzeitShita = row.code; s.tzeitVal = row.value; break;
    case Opinion::Tchilat: s.tchilatTaanitShita = row.code; s.tchilatTaanitVal = row.value; break;
    case Opinion::Sof: s.sofTaanitShita = row.code; s.sofTaanitVal = row.value; break;
    case Opinion::Misheyakir: s.misheyakirShita = row.code; break;
    case Opinion::Shema: s.shemaShita = row.code; break;
    case Opinion::Mincha: s.minchaGedolahShita = row.code; break;
    case Opinion::Shabbat: s.tzeitShabbatShita = row.code; s.tzeitShabbatVal = row.value; break;
    case Opinion::Chametz: s.chametzShita = row.code; break;
    }
    return s;
}

// Every code of every opinion on a long summer day (seasonal hour above one hour) and a
// short winter day (below it), so both branches of every strict rule are taken.
TEST(ZmanimGolden, EveryCodeOfEveryCustomOpinion) {
    for (const CUSTOM_ROW& row : kCustomRows) {
        SCOPED_TRACE("month " + std::to_string(row.month) + " opinion " +
                     std::to_string(static_cast<int>(row.opinion)) + " code " + std::to_string(row.code) +
                     " value " + std::to_string(row.value) + " from " + std::to_string(row.tosefetFrom) +
                     " type " + std::to_string(row.tosefetType) + " tzeit " + std::to_string(row.tzeitCode));
        const SHITA_STRUCT shita = ShitaOf(row);
        ZMANIM_STRUCT z = SetUpAt(kPlaces[0], 100, &shita);
        ComputeZmanim(z, Jd(row.year, row.month, row.day));
        EXPECT_NEAR(ResultOf(z, row.result), row.ut, kUtTolerance);
    }
}

TEST(ZmanimGolden, TheTwoTestDaysLieOnBothSidesOfAFullSeasonalHour) {
    ZMANIM_STRUCT z = SetUpAt(kPlaces[0], 1);
    ComputeZmanim(z, Jd(2024, 6, 21));
    EXPECT_GT(z.shaaZmanit, 1.0);
    ComputeZmanim(z, Jd(2024, 12, 21));
    EXPECT_LT(z.shaaZmanit, 1.0);
}

struct TABLE_ROW {
    int year, month, day;
    double values[kZmanimTableEntries];
};

constexpr TABLE_ROW kTableRows[] = {
#define ZMANIM_GOLDEN_TABLE
#include "zmanim/tests/ZmanimGolden.inc"
#undef ZMANIM_GOLDEN_TABLE
};

TEST(ZmanimGolden, TheFortyEightExportTimes) {
    const PLACE& jerusalem = kPlaces[0];
    ZMANIM_TABLE table;
    SetupZmanimTable(table, jerusalem.longitude, jerusalem.latitude, ZoneOffsetTenths(jerusalem.zone),
                     jerusalem.dstRule);
    for (const TABLE_ROW& row : kTableRows) {
        ComputeZmanimTable(table, Jd(row.year, row.month, row.day));
        EXPECT_EQ(table.count, 48);
        EXPECT_EQ(table.durationCount, 6);
        for (int i = 0; i < kZmanimTableEntries; ++i) {
            SCOPED_TRACE(std::to_string(row.month) + "/" + std::to_string(row.day) + " entry " +
                         std::to_string(i));
            EXPECT_NEAR(table.entry[static_cast<std::size_t>(i)].value, row.values[i], kUtTolerance);
        }
    }
}

// Published times (almanac tables, rounded to the minute) agree within a few minutes:
// the method ignores refraction changes and elevation, so exact agreement is not expected.
TEST(ZmanimGolden, AgreesWithPublishedSunTimes) {
    struct Case {
        int place, year, month, day;
        int riseH, riseM, setH, setM;
    };
    constexpr Case kCases[] = {
        {0, 2024, 4, 15, 6, 10, 19, 7},   // Jerusalem, summer time
        {0, 2024, 12, 21, 6, 36, 16, 39}, // Jerusalem, winter
        {1, 2024, 6, 21, 5, 25, 20, 31},  // New York
        {2, 2024, 12, 21, 8, 4, 15, 54},  // London
        {3, 2024, 12, 21, 5, 41, 20, 5},  // Sydney, in its summer time
        {4, 2024, 6, 21, 4, 20, 23, 42},  // Anchorage
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(kPlaces[c.place].name) + " " + std::to_string(c.month) + "/" +
                     std::to_string(c.day));
        ZMANIM_STRUCT z = SetUpAt(kPlaces[c.place], 1);
        ComputeZmanim(z, Jd(c.year, c.month, c.day));
        const CLOCK_TIME rise = GetHanetz(z);
        const CLOCK_TIME set = GetShkia(z);
        EXPECT_NEAR(rise.hour * 60 + rise.minute, c.riseH * 60 + c.riseM, 3);
        EXPECT_NEAR(set.hour * 60 + set.minute, c.setH * 60 + c.setM, 3);
    }
}

TEST(ZmanimGolden, DaylightSavingMovesTheClockOnTheDayItBeginsAndNotOnTheDayItEnds) {
    struct Case {
        int place;
        int beforeY, beforeM, beforeD; // standard time
        int beginY, beginM, beginD;    // the first daylight day
        int endY, endM, endD;          // already standard time
    };
    constexpr Case kCases[] = {
        {0, 2024, 3, 28, 2024, 3, 29, 2024, 10, 27},
        {1, 2024, 3, 9, 2024, 3, 10, 2024, 11, 3},
        {2, 2024, 3, 30, 2024, 3, 31, 2024, 10, 27},
        {3, 2024, 10, 26, 2024, 10, 27, 2024, 3, 31},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(kPlaces[c.place].name);
        ZMANIM_STRUCT z = SetUpAt(kPlaces[c.place], 1);
        ComputeZmanim(z, Jd(c.beforeY, c.beforeM, c.beforeD));
        EXPECT_EQ(z.dstActive, 0);
        const CLOCK_TIME before = GetShkia(z);
        ComputeZmanim(z, Jd(c.beginY, c.beginM, c.beginD));
        EXPECT_EQ(z.dstActive, 1);
        const CLOCK_TIME begin = GetShkia(z);
        // Sunset moves by about a minute a day at most; the clock moves by an hour.
        const int shift = (begin.hour * 60 + begin.minute) - (before.hour * 60 + before.minute);
        EXPECT_NEAR(shift, 60, 3);
        ComputeZmanim(z, Jd(c.endY, c.endM, c.endD));
        EXPECT_EQ(z.dstActive, 0);
        const CLOCK_TIME dayBeforeEnd = [&] {
            ZMANIM_STRUCT y = SetUpAt(kPlaces[c.place], 1);
            ComputeZmanim(y, Jd(c.endY, c.endM, c.endD) - 1);
            EXPECT_EQ(y.dstActive, 1);
            return GetShkia(y);
        }();
        const CLOCK_TIME end = GetShkia(z);
        EXPECT_NEAR((dayBeforeEnd.hour * 60 + dayBeforeEnd.minute) - (end.hour * 60 + end.minute), 60, 3);
    }
}

TEST(ZmanimGolden, PolarDayAndNightCollapseOntoTheTransit) {
    const PLACE& tromso = kPlaces[5];
    ZMANIM_STRUCT z = SetUpAt(tromso, 1);
    ComputeZmanim(z, Jd(2024, 6, 21));
    EXPECT_EQ(SunRiseSet(z.julianDay, 1, z.longitude, z.latitude, -0.5833333333333334).code, kSunAlwaysAbove);
    EXPECT_DOUBLE_EQ(z.dayLength, 24.0);
    EXPECT_DOUBLE_EQ(z.shkia - z.hanetz, 24.0);
    ComputeZmanim(z, Jd(2024, 12, 21));
    EXPECT_EQ(SunRiseSet(z.julianDay, 1, z.longitude, z.latitude, -0.5833333333333334).code, kSunAlwaysBelow);
    EXPECT_DOUBLE_EQ(z.dayLength, 0.0);
    EXPECT_DOUBLE_EQ(z.hanetz, z.shkia);
    EXPECT_DOUBLE_EQ(z.chatzotLayla, z.shkia + 12.0); // a night hour of two hours
}

} // namespace
} // namespace vessant
