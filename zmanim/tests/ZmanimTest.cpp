// Behaviour of the zmanim calculator beyond the reference values: how the shitot relate,
// display modes, candle lighting, plag, the opinion block and IsAfterTzeit.

#include "zmanim/tests/GoldenFixture.h"

#include "platform/Clock.h"
#include "testsupport/TestFiles.h"
#include "zmanim/ShitotStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vessant {
namespace {

using namespace golden;

const PLACE& Jerusalem() { return kPlaces[0]; }

constexpr double ZMANIM_STRUCT::*kResultFields[] = {
    &ZMANIM_STRUCT::alot, &ZMANIM_STRUCT::hanetz, &ZMANIM_STRUCT::misheyakir,
    &ZMANIM_STRUCT::sofZmanShema, &ZMANIM_STRUCT::sofZmanTefilla, &ZMANIM_STRUCT::chatzot,
    &ZMANIM_STRUCT::minchaGedola, &ZMANIM_STRUCT::minchaKetana, &ZMANIM_STRUCT::shkia,
    &ZMANIM_STRUCT::tzeit, &ZMANIM_STRUCT::tchilatTaanit, &ZMANIM_STRUCT::sofTaanit,
    &ZMANIM_STRUCT::chatzotLayla, &ZMANIM_STRUCT::dayLength, &ZMANIM_STRUCT::shaaZmanit,
    &ZMANIM_STRUCT::nightHour, &ZMANIM_STRUCT::dayLengthMa90, &ZMANIM_STRUCT::shaaZmanitMa90,
    &ZMANIM_STRUCT::dayLengthMa72, &ZMANIM_STRUCT::shaaZmanitMa72, &ZMANIM_STRUCT::tzeitShabbat,
};

struct CANDLE_ROW {
    int place, year, month, day, option;
    double ut;
    int hour, minute;
};

constexpr CANDLE_ROW kCandleRows[] = {
#define ZMANIM_GOLDEN_CANDLES
#include "zmanim/tests/ZmanimGolden.inc"
#undef ZMANIM_GOLDEN_CANDLES
};

TEST(Zmanim, CandleLightingBeforeFridaySunsetTruncated) {
    for (const CANDLE_ROW& row : kCandleRows) {
        SCOPED_TRACE(std::string(kPlaces[row.place].name) + " " + std::to_string(row.month) + "/" +
                     std::to_string(row.day) + " option " + std::to_string(row.option));
        ZMANIM_STRUCT z = SetUpAt(kPlaces[row.place], 1);
        ComputeZmanim(z, Jd(row.year, row.month, row.day));
        EXPECT_NEAR(CandleLightingTime(z, row.option), row.ut, kUtTolerance);
        const CLOCK_TIME t = GetCandleLighting(z, row.option);
        EXPECT_EQ(t.hour, row.hour);
        EXPECT_EQ(t.minute, row.minute);
    }
}

TEST(Zmanim, CandleLightingNeverRoundsUp) {
    // A Friday sunset of 16:40:50 local gives 16:22 with 18 minutes: 16:22:50 truncated.
    ZMANIM_STRUCT z = SetUpAt(Jerusalem(), 1);
    ComputeZmanim(z, Jd(2024, 12, 21));
    const double eve = CandleLightingTime(z, 2) + 0.3;
    const double target = 16.0 + 40.0 / 60.0 + 50.0 / 3600.0; // local
    z.timeZone += (target - LocalHours(eve, z.timeZone, z.dstActive)) * 10.0;
    const CLOCK_TIME t = GetCandleLighting(z, 2);
    EXPECT_EQ(t.hour, 16);
    EXPECT_EQ(t.minute, 22);
}

// Shita 3 differs from shita 1 only in its dawn and the fast that begins with it; shita 4
// has the morning times of shita 2 although its dawn is later.
TEST(Zmanim, DiasporaShitotShareTheMorningTimesOfEretzYisrael) {
    for (std::int32_t jd = Jd(2024, 1, 1); jd < Jd(2025, 1, 1); jd += 7) {
        SCOPED_TRACE(jd);
        ZMANIM_STRUCT s1 = SetUpAt(Jerusalem(), 1), s2 = SetUpAt(Jerusalem(), 2);
        ZMANIM_STRUCT s3 = SetUpAt(Jerusalem(), 3), s4 = SetUpAt(Jerusalem(), 4);
        for (ZMANIM_STRUCT* z : {&s1, &s2, &s3, &s4}) ComputeZmanim(*z, jd);
        EXPECT_EQ(s3.sofZmanShema, s1.sofZmanShema);
        EXPECT_EQ(s3.sofZmanTefilla, s1.sofZmanTefilla);
        EXPECT_GT(s3.alot, s1.alot);
        EXPECT_EQ(s3.tchilatTaanit, s3.alot);
        for (double ZMANIM_STRUCT::*field : kResultFields) {
            if (field == &ZMANIM_STRUCT::alot || field == &ZMANIM_STRUCT::tchilatTaanit) continue;
            EXPECT_EQ(s3.*field, s1.*field);
        }
        EXPECT_EQ(ChametzTime(s3, 4), ChametzTime(s1, 4));

        EXPECT_EQ(s4.sofZmanShema, s2.sofZmanShema);
        EXPECT_EQ(s4.sofZmanTefilla, s2.sofZmanTefilla);
        EXPECT_GT(s4.alot, s2.alot);
        EXPECT_LT(s2.sofZmanShema, s1.sofZmanShema); // the M"A reckons from the earlier dawn
    }
}

TEST(Zmanim, PlagHaminchaIgnoresTheShita) {
    SHITA_STRUCT custom = BuiltinShitaTemplate(5);
    custom.id = 100;
    custom.plagHaminchaShita = 3;
    custom.plagHaminchaVal = 90;
    const std::int32_t jd = Jd(2024, 6, 21);
    ZMANIM_STRUCT gra = SetUpAt(Jerusalem(), 1);
    ComputeZmanim(gra, jd);
    const double expected = gra.hanetz + 10.75 * gra.shaaZmanit;
    for (std::int32_t shita : {1, 2, 3, 4, 5, 6, 100}) {
        SCOPED_TRACE(shita);
        ZMANIM_STRUCT z = SetUpAt(Jerusalem(), shita, &custom);
        ComputeZmanim(z, jd);
        const CLOCK_TIME plag = GetPlagHamincha(z);
        const CLOCK_TIME want = ToLocalClock(expected, z.timeZone, z.dstActive, ClockMode::Nearest);
        EXPECT_EQ(plag.hour, want.hour);
        EXPECT_EQ(plag.minute, want.minute);
    }
}

// Over a year, each accessor shows its time in its own mode: the latest times never
// later than the true time, the others within half a minute of it.
TEST(Zmanim, EveryAccessorUsesItsDisplayMode) {
    using Getter = CLOCK_TIME (*)(const ZMANIM_STRUCT&);
    struct Accessor {
        const char* name;
        Getter get;
        double (*value)(const ZMANIM_STRUCT&);
        bool truncates;
    };
    const Accessor kAccessors[] = {
        {"alot", GetAlot, [](const ZMANIM_STRUCT& z) { return z.alot; }, false},
        {"misheyakir", GetMisheyakir, [](const ZMANIM_STRUCT& z) { return z.misheyakir; }, false},
        {"hanetz", GetHanetz, [](const ZMANIM_STRUCT& z) { return z.hanetz; }, false},
        {"shema", GetSofZmanShema, [](const ZMANIM_STRUCT& z) { return z.sofZmanShema; }, true},
        {"tefilla", GetSofZmanTefilla, [](const ZMANIM_STRUCT& z) { return z.sofZmanTefilla; }, true},
        {"chatzot", GetChatzot, [](const ZMANIM_STRUCT& z) { return z.chatzot; }, false},
        {"mincha gedola", GetMinchaGedola, [](const ZMANIM_STRUCT& z) { return z.minchaGedola; }, false},
        {"mincha ketana", GetMinchaKetana, [](const ZMANIM_STRUCT& z) { return z.minchaKetana; }, false},
        {"plag", GetPlagHamincha, [](const ZMANIM_STRUCT& z) { return z.hanetz + 10.75 * z.shaaZmanit; }, false},
        {"shkia", GetShkia, [](const ZMANIM_STRUCT& z) { return z.shkia; }, false},
        {"tzeit", GetTzeit, [](const ZMANIM_STRUCT& z) { return z.tzeit; }, false},
        {"tchilat taanit", GetTchilatTaanit, [](const ZMANIM_STRUCT& z) { return z.tchilatTaanit; }, false},
        {"sof taanit", GetSofTaanit, [](const ZMANIM_STRUCT& z) { return z.sofTaanit; }, false},
        {"chatzot layla", GetChatzotLayla, [](const ZMANIM_STRUCT& z) { return z.chatzotLayla; }, false},
        {"tzeit shabbat", GetTzeitShabbat, [](const ZMANIM_STRUCT& z) { return z.tzeitShabbat; }, false},
        {"chametz eating", GetLatestChametzEating, [](const ZMANIM_STRUCT& z) { return ChametzTime(z, 4); }, true},
        {"chametz burning", GetLatestChametzBurning, [](const ZMANIM_STRUCT& z) { return ChametzTime(z, 5); }, true},
        {"candle lighting", [](const ZMANIM_STRUCT& z) { return GetCandleLighting(z, 6); },
         [](const ZMANIM_STRUCT& z) { return CandleLightingTime(z, 6); }, true},
    };
    ZMANIM_STRUCT z = SetUpAt(kPlaces[1], 2); // New York
    for (std::int32_t jd = Jd(2024, 1, 1); jd < Jd(2025, 1, 1); ++jd) {
        ComputeZmanim(z, jd);
        for (const Accessor& a : kAccessors) {
            const double local = LocalHours(a.value(z), z.timeZone, z.dstActive);
            const double trueSeconds = std::fmod(local * 3600.0 + 10 * 86400.0, 86400.0);
            const CLOCK_TIME shown = a.get(z);
            double diff = trueSeconds - (shown.hour * 3600.0 + shown.minute * 60.0);
            if (diff > 43200.0) diff -= 86400.0;
            if (diff < -43200.0) diff += 86400.0;
            if (a.truncates) {
                ASSERT_GE(diff, -1e-6) << a.name << " on day " << jd;
                ASSERT_LT(diff, 60.0) << a.name << " on day " << jd;
            } else {
                ASSERT_GE(diff, -30.0) << a.name << " on day " << jd;
                ASSERT_LT(diff, 31.0) << a.name << " on day " << jd;
            }
        }
    }
}

TEST(Zmanim, DurationAccessors) {
    ZMANIM_STRUCT z = SetUpAt(Jerusalem(), 1);
    ComputeZmanim(z, Jd(2024, 6, 21)); // 14.2264 hours of day
    const DURATION_HMS day = GetDayLength(z);
    EXPECT_EQ(day.hours, 14);
    EXPECT_EQ(day.minutes, 13);
    EXPECT_EQ(day.seconds, 35);
    const DURATION_HMS hour = GetShaaZmanit(z);
    EXPECT_EQ(hour.hours, 1);
    EXPECT_EQ(hour.minutes, 11);
    EXPECT_EQ(hour.seconds, 7);
}

TEST(Zmanim, SetupSetsTheChametzOpinionOfABuiltinShita) {
    struct Case {
        std::int32_t shita, chametz;
    };
    constexpr Case kCases[] = {{1, 1}, {2, 2}, {3, 1}, {4, 2}, {5, 4}, {6, 5}, {7, 1}, {0, 1}, {99, 1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.shita);
        ZMANIM_STRUCT z;
        z.chametzVal = 7;
        SetupZmanim(z, 35.0, 31.0, 20, c.shita, 15, nullptr);
        EXPECT_EQ(z.chametzShita, c.chametz);
        EXPECT_EQ(z.chametzVal, 0);
        EXPECT_EQ(z.timeZone, 20.0);
        EXPECT_EQ(z.dstRule, 15);
        EXPECT_EQ(z.shita, c.shita);
    }
}

TEST(Zmanim, CustomOpinionIsCopiedAtSetUp) {
    SHITA_STRUCT custom = NewShitaDefaults();
    custom.id = 100;
    custom.alotShita = 3;
    custom.alotVal = 60;
    ZMANIM_STRUCT z = SetUpAt(Jerusalem(), 100, &custom);
    custom.alotVal = 90; // an edit after set-up does not reach the record
    ComputeZmanim(z, Jd(2024, 6, 21));
    EXPECT_DOUBLE_EQ(z.alot, z.hanetz - 1.0);
    EXPECT_EQ(z.alotVal, 60);
}

TEST(Zmanim, UnknownCustomCodeLeavesTheResultOfTheDayBefore) {
    SHITA_STRUCT custom = NewShitaDefaults();
    custom.id = 100;
    ZMANIM_STRUCT z = SetUpAt(Jerusalem(), 100, &custom);
    ComputeZmanim(z, Jd(2024, 6, 20));
    const ZMANIM_STRUCT before = z;
    z.alotShita = 0;
    z.tzeitShita = 10;
    z.sofTaanitShita = 0; // as from a file without "sof taanit shita"
    z.misheyakirShita = 5;
    z.shemaShita = 6;
    z.minchaGedolahShita = 4;
    z.tzeitShabbatShita = 7;
    ComputeZmanim(z, Jd(2024, 6, 21));
    EXPECT_EQ(z.alot, before.alot);
    EXPECT_EQ(z.tzeit, before.tzeit);
    EXPECT_EQ(z.sofTaanit, before.sofTaanit);
    EXPECT_EQ(z.misheyakir, before.misheyakir);
    EXPECT_EQ(z.sofZmanShema, before.sofZmanShema);
    EXPECT_EQ(z.sofZmanTefilla, before.sofZmanTefilla);
    EXPECT_EQ(z.minchaGedola, before.minchaGedola);
    EXPECT_EQ(z.tzeitShabbat, before.tzeitShabbat);
    EXPECT_NE(z.hanetz, before.hanetz); // the shared values are of the new day
    EXPECT_NE(z.tchilatTaanit, before.tchilatTaanit);
}

TEST(Zmanim, TosefetOutsideItsCodesLeavesTheEndOfShabbat) {
    SHITA_STRUCT custom = NewShitaDefaults();
    custom.id = 100;
    custom.tzeitShabbatShita = 6;
    custom.tzeitShabbatVal = 40;
    for (auto [from, type] : {std::pair{0, 1}, std::pair{3, 1}, std::pair{1, 0}, std::pair{2, 4}}) {
        SCOPED_TRACE(std::to_string(from) + "/" + std::to_string(type));
        custom.tosefetFrom = from;
        custom.tosefetType = type;
        ZMANIM_STRUCT z = SetUpAt(Jerusalem(), 100, &custom);
        z.tzeitShabbat = 123.0;
        ComputeZmanim(z, Jd(2024, 6, 21));
        EXPECT_EQ(z.tzeitShabbat, 123.0);
    }
}

TEST(Zmanim, UserAnglesAreFormedInSinglePrecision) {
    // 850 hundredths are exactly 8.5 degrees: the three small stars.
    SHITA_STRUCT custom = NewShitaDefaults();
    custom.id = 100;
    custom.tzeitShabbatShita = 5;
    custom.tzeitShabbatVal = 850;
    custom.alotShita = 6;
    custom.alotVal = 1986;
    ZMANIM_STRUCT c = SetUpAt(Jerusalem(), 100, &custom);
    ZMANIM_STRUCT g = SetUpAt(Jerusalem(), 1);
    ComputeZmanim(c, Jd(2024, 3, 1));
    ComputeZmanim(g, Jd(2024, 3, 1));
    EXPECT_EQ(c.tzeitShabbat, g.tzeitShabbat);
    // 19.86 in single precision is not the double 19.86: a hair apart, well under a second.
    EXPECT_NE(c.alot, g.alot);
    EXPECT_NEAR(c.alot, g.alot, 1e-5);
}

TEST(Zmanim, SetupLooksUpCustomShitotInTheProgramStore) {
    const auto folder = testsupport::FreshFolderForThisTest();
    CShitotStore& store = ProgramShitot();
    store.SetShitotFolder(folder);
    store.LoadShitot();
    SHITA_STRUCT values = NewShitaDefaults();
    values.alotShita = 3;
    values.alotVal = 45;
    const ADD_SHITA_RESULT added = store.AddShita(L"Test", values);
    ASSERT_FALSE(added.saved);
    ZMANIM_STRUCT z;
    SetupZmanim(z, 35.0, 31.0, 20, added.id, 15);
    EXPECT_EQ(z.alotShita, 3);
    EXPECT_EQ(z.alotVal, 45);
    // An id the store does not hold gives an empty opinion block.
    SetupZmanim(z, 35.0, 31.0, 20, added.id + 1, 15);
    EXPECT_EQ(z.alotShita, 0);
    EXPECT_EQ(z.chametzShita, 0);
    store.Clear();
}

class IsAfterTzeitTest : public ::testing::Test {
protected:
    void TearDown() override { platform::SetNowProvider({}); }
    static void SetClock(int hour, int minute, int second) {
        platform::SetNowProvider([=] {
            platform::LOCAL_TIME t;
            t.year = 2024;
            t.month = 6;
            t.day = 21;
            t.hour = hour;
            t.minute = minute;
            t.second = second;
            return t;
        });
    }
    static bool After(const PLACE& p, std::int32_t jd) {
        return IsAfterTzeit(jd, p.longitude, p.latitude, ZoneOffsetTenths(p.zone), 1, p.dstRule);
    }
};

TEST_F(IsAfterTzeitTest, StrictlyAfterTheTzeitMinute) {
    const std::int32_t jd = Jd(2024, 6, 21);
    ZMANIM_STRUCT z = SetUpAt(Jerusalem(), 1);
    ComputeZmanim(z, jd);
    const CLOCK_TIME tzeit = GetTzeit(z); // 20:16
    SetClock(tzeit.hour, tzeit.minute, 0);
    EXPECT_FALSE(After(Jerusalem(), jd));
    SetClock(tzeit.hour, tzeit.minute, 59); // seconds are ignored
    EXPECT_FALSE(After(Jerusalem(), jd));
    SetClock(tzeit.hour, tzeit.minute + 1, 0);
    EXPECT_TRUE(After(Jerusalem(), jd));
    SetClock(12, 0, 0);
    EXPECT_FALSE(After(Jerusalem(), jd));
    SetClock(23, 59, 0);
    EXPECT_TRUE(After(Jerusalem(), jd));
}

TEST_F(IsAfterTzeitTest, ATzeitPastMidnightHasNotComeDuringTheDay) {
    // Anchorage at midsummer: the sun never gets 6 degrees down, so tzeit is 12 hours after
    // midday, past midnight. The wrapped clock reading (about 2 a.m.) must not make every
    // later hour of the day count as after tzeit.
    const PLACE& anchorage = kPlaces[4];
    const std::int32_t jd = Jd(2024, 6, 21);
    ZMANIM_STRUCT z = SetUpAt(anchorage, 1);
    ComputeZmanim(z, jd);
    ASSERT_GE(LocalHours(z.tzeit, z.timeZone, z.dstActive), 24.0);
    for (int hour : {3, 12, 23}) {
        SetClock(hour, 0, 0);
        EXPECT_FALSE(After(anchorage, jd)) << hour;
    }
}

} // namespace
} // namespace vessant
