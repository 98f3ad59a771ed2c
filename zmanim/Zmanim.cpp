#include "zmanim/Zmanim.h"

#include "platform/Clock.h"
#include "zmanim/DstRules.h"
#include "zmanim/OpinionCodes.h"
#include "zmanim/ShitotStore.h"
#include "zmanim/Solar.h"
#include "zmanim/ZmanimMinutes.h"

namespace vessant {

namespace {

// Altitudes of the sun, in degrees below the horizon.
constexpr double kSunriseAltitude = -0.5833333333333334; // 35 arc-minutes, upper limb
constexpr double kAlot72Altitude = -16.11;
constexpr double kAlot90Altitude = -19.86;
constexpr double kMisheyakir110Altitude = -11.0;
constexpr double kMisheyakir102Altitude = -10.2;
constexpr double kTzeitGraAltitude = -4.85;
constexpr double kTzeit24Altitude = -6.0;
constexpr double kTzeit26Altitude = -6.3;
constexpr double kTzeit120Altitude = -26.0;
constexpr double kThreeSmallStarsAltitude = -8.5;
constexpr double kTzeitShabbat75Altitude = -7.5;

constexpr double kFiftyMinutes = 0.8333333333333334;
constexpr double kTwentyFiveProportional = 0.4166666666666667;

SUN_RISE_SET At(const ZMANIM_STRUCT& ctx, double altitude, int upperLimb = 0) {
    return SunRiseSet(ctx.julianDay, upperLimb, ctx.longitude, ctx.latitude, altitude);
}
double RiseAt(const ZMANIM_STRUCT& ctx, double altitude, int upperLimb = 0) {
    return At(ctx, altitude, upperLimb).rise;
}
double SetAt(const ZMANIM_STRUCT& ctx, double altitude, int upperLimb = 0) {
    return At(ctx, altitude, upperLimb).set;
}
double DayLengthAt(const ZMANIM_STRUCT& ctx, double altitude, int upperLimb = 0) {
    return DayLength(ctx.julianDay, upperLimb, ctx.longitude, ctx.latitude, altitude);
}

// A user angle in hundredths of a degree, formed in single precision as the editor stores it.
double UserAngle(std::int32_t hundredths) {
    return -static_cast<double>(static_cast<float>(hundredths) / 100.0f);
}

// Dawn (and the start of a fast) by an alot code; false for any other code.
bool DawnByCode(const ZMANIM_STRUCT& ctx, std::int32_t code, std::int32_t v, double& out) {
    const double h = ctx.shaaZmanit;
    switch (code) {
    case kAlotRambam72: out = RiseAt(ctx, kAlot72Altitude); return true;
    case kAlotRishonim90: out = RiseAt(ctx, kAlot90Altitude); return true;
    case kAlotRegularMinutes: out = ctx.hanetz - RegularMinutes(v); return true;
    case kAlotProportionalMinutes: out = ctx.hanetz - ProportionalMinutes(v, h); return true;
    case kAlotStrictMinutes: out = ctx.hanetz - StrictMinutes(v, h); return true;
    case kAlotDegrees: out = RiseAt(ctx, UserAngle(v)); return true;
    default: return false;
    }
}

// Nightfall (and the end of a fast) by a tzeit code; false for any other code.
bool NightfallByCode(const ZMANIM_STRUCT& ctx, std::int32_t code, std::int32_t v, double& out) {
    const double h = ctx.shaaZmanit;
    switch (code) {
    case kTzeitGra: out = SetAt(ctx, kTzeitGraAltitude); return true;
    case kTzeitBaalHatanya24: out = SetAt(ctx, kTzeit24Altitude); return true;
    case kTzeitBaalHatanya26: out = SetAt(ctx, kTzeit26Altitude); return true;
    case kTzeitRabbenuTam72: out = SetAt(ctx, kAlot72Altitude); return true;
    case kTzeitRabbenuTam90: out = SetAt(ctx, kAlot90Altitude); return true;
    case kTzeit120: out = SetAt(ctx, kTzeit120Altitude); return true;
    case kTzeitRegularMinutes: out = ctx.shkia + RegularMinutes(v); return true;
    case kTzeitProportionalMinutes: out = ctx.shkia + ProportionalMinutes(v, h); return true;
    case kTzeitStrictMinutes: out = ctx.shkia + StrictMinutes(v, h); return true;
    default: return false;
    }
}

// Seventy-two minutes after sunset, never fewer than seventy-two clock minutes.
double RabbenuTam(const ZMANIM_STRUCT& ctx) {
    return ctx.shkia + StrictMinutes(72.0, ctx.shaaZmanit);
}

// Steps shared by every shita: the day's DST, sunrise, sunset and the two day lengths.
void ComputeSharedValues(ZMANIM_STRUCT& ctx, std::int32_t jd) {
    ctx.julianDay = jd;
    ctx.dstActive = DstStatus(ctx.dstRule, jd) > kDstEnds ? 1 : 0;
    const SUN_RISE_SET sun = At(ctx, kSunriseAltitude, 1);
    ctx.hanetz = sun.rise;
    ctx.shkia = sun.set;
    ctx.dayLength = DayLengthAt(ctx, kSunriseAltitude, 1);
    ctx.shaaZmanit = ctx.dayLength / 12.0;
    ctx.nightHour = (24.0 - ctx.dayLength) / 12.0;
    ctx.dayLengthMa90 = DayLengthAt(ctx, kAlot90Altitude);
    ctx.shaaZmanitMa90 = ctx.dayLengthMa90 / 12.0;
    ctx.chatzotLayla = ctx.shkia + 6.0 * ctx.nightHour;
}

void ComputeCustom(ZMANIM_STRUCT& ctx) {
    const double H = ctx.hanetz;
    const double S = ctx.shkia;
    const double h = ctx.shaaZmanit;
    ctx.dayLengthMa72 = DayLengthAt(ctx, kAlot72Altitude);
    ctx.shaaZmanitMa72 = ctx.dayLengthMa72 / 12.0;
    ctx.chatzot = H + 6.0 * h;

    DawnByCode(ctx, ctx.alotShita, ctx.alotVal, ctx.alot);
    NightfallByCode(ctx, ctx.tzeitShita, ctx.tzeitVal, ctx.tzeit);
    DawnByCode(ctx, ctx.tchilatTaanitShita, ctx.tchilatTaanitVal, ctx.tchilatTaanit);
    NightfallByCode(ctx, ctx.sofTaanitShita, ctx.sofTaanitVal, ctx.sofTaanit);

    switch (ctx.misheyakirShita) {
    case kMisheyakir11Degrees: ctx.misheyakir = RiseAt(ctx, kMisheyakir110Altitude, 1); break;
    case kMisheyakir10_2Degrees: ctx.misheyakir = RiseAt(ctx, kMisheyakir102Altitude, 1); break;
    case kMisheyakir60Minutes: ctx.misheyakir = H - 1.0; break;
    case kMisheyakir50Minutes: ctx.misheyakir = H - kFiftyMinutes; break;
    default: break;
    }

    // The day whose hours measure Shema and prayer: its start and its seasonal hour.
    bool haveMorningDay = true;
    double dayStart = 0.0;
    double hour = 0.0;
    switch (ctx.shemaShita) {
    case kShemaDayGra: dayStart = H; hour = h; break;
    case kShemaDayMagenAvraham90: dayStart = RiseAt(ctx, kAlot90Altitude); hour = ctx.shaaZmanitMa90; break;
    case kShemaDayMagenAvraham72: dayStart = RiseAt(ctx, kAlot72Altitude); hour = ctx.shaaZmanitMa72; break;
    case kShemaDayAlotToTzeit: dayStart = ctx.alot; hour = (ctx.tzeit - ctx.alot) / 12.0; break;
    case kShemaDayAlotToShkia: dayStart = ctx.alot; hour = (S - ctx.alot) / 12.0; break;
    default: haveMorningDay = false; break;
    }
    if (haveMorningDay) {
        ctx.sofZmanShema = dayStart + 3.0 * hour;
        ctx.sofZmanTefilla = dayStart + 4.0 * hour;
    }

    switch (ctx.minchaGedolahShita) {
    case kMinchaGedolahRegular30: ctx.minchaGedola = ctx.chatzot + RegularMinutes(30.0); break;
    case kMinchaGedolahProportional30: ctx.minchaGedola = ctx.chatzot + ProportionalMinutes(30.0, h); break;
    case kMinchaGedolahStrict30: ctx.minchaGedola = ctx.chatzot + StrictMinutes(30.0, h); break;
    default: break;
    }
    ctx.minchaKetana = H + 9.5 * h;

    const std::int32_t v = ctx.tzeitShabbatVal;
    switch (ctx.tzeitShabbatShita) {
    case kTzeitShabbatThreeSmallStars: ctx.tzeitShabbat = SetAt(ctx, kThreeSmallStarsAltitude); break;
    case kTzeitShabbat7_5Degrees: ctx.tzeitShabbat = SetAt(ctx, kTzeitShabbat75Altitude); break;
    case kTzeitShabbatAdotMizrach: ctx.tzeitShabbat = S + 0.5 * h; break;
    case kTzeitShabbatRabbenuTam: ctx.tzeitShabbat = RabbenuTam(ctx); break;
    case kTzeitShabbatDegrees: ctx.tzeitShabbat = SetAt(ctx, UserAngle(v)); break;
    case kTzeitShabbatMinutes: {
        double base = 0.0;
        bool haveBase = true;
        if (ctx.tosefetFrom == kTosefetFromShkia) base = S;
        else if (ctx.tosefetFrom == kTosefetFromTzeit) haveBase = NightfallByCode(ctx, ctx.tzeitShita, ctx.tzeitVal, base);
        else haveBase = false;
        if (!haveBase) break;
        switch (ctx.tosefetType) {
        case kTosefetRegularMinutes: ctx.tzeitShabbat = base + RegularMinutes(v); break;
        case kTosefetProportionalMinutes: ctx.tzeitShabbat = base + ProportionalMinutes(v, h); break;
        case kTosefetStrictMinutes: ctx.tzeitShabbat = base + StrictMinutes(v, h); break;
        default: break;
        }
        break;
    }
    default: break;
    }
}

void ComputeBuiltin(ZMANIM_STRUCT& ctx) {
    const double H = ctx.hanetz;
    const double S = ctx.shkia;
    const double h = ctx.shaaZmanit;
    const std::int32_t shita = ctx.shita;

    switch (shita) {
    case kShitaDiasporaGra:
    case kShitaDiasporaMa: ctx.alot = RiseAt(ctx, kAlot72Altitude); break;
    case kShitaMaaseNissim: ctx.alot = H - ProportionalMinutes(72.0, h); break;
    default: ctx.alot = RiseAt(ctx, kAlot90Altitude); break;
    }

    switch (shita) {
    case kShitaMaaseNissim: ctx.misheyakir = H - 1.0; break;
    case kShitaKiseiRachamim: ctx.misheyakir = H - kFiftyMinutes; break;
    default: ctx.misheyakir = RiseAt(ctx, kMisheyakir110Altitude, 1); break;
    }

    switch (shita) {
    case kShitaMaaseNissim: ctx.tzeit = RabbenuTam(ctx); break;
    case kShitaKiseiRachamim: ctx.tzeit = S + kTwentyFiveProportional * h; break;
    default: ctx.tzeit = SetAt(ctx, kTzeit24Altitude); break;
    }

    // Shitot 5 and 6 measure the morning from their own dawn to their own nightfall.
    if (shita == kShitaMaaseNissim || shita == kShitaKiseiRachamim) {
        ctx.dayLengthMa90 = ctx.tzeit - ctx.alot;
        ctx.shaaZmanitMa90 = ctx.dayLengthMa90 / 12.0;
    }
    switch (shita) {
    case kShitaEretzYisraelMa:
    case kShitaDiasporaMa: {
        // Both use the 19.86-degree day, even where the dawn shown is at 16.11 degrees.
        const double a90 = RiseAt(ctx, kAlot90Altitude);
        ctx.sofZmanShema = a90 + 3.0 * ctx.shaaZmanitMa90;
        ctx.sofZmanTefilla = a90 + 4.0 * ctx.shaaZmanitMa90;
        break;
    }
    case kShitaMaaseNissim:
    case kShitaKiseiRachamim:
        ctx.sofZmanShema = ctx.alot + 3.0 * ctx.shaaZmanitMa90;
        ctx.sofZmanTefilla = ctx.alot + 4.0 * ctx.shaaZmanitMa90;
        break;
    default:
        ctx.sofZmanShema = H + 3.0 * h;
        ctx.sofZmanTefilla = H + 4.0 * h;
        break;
    }

    ctx.chatzot = H + 6.0 * h;
    ctx.minchaGedola = H + 6.0 * h + 0.5 * h;
    ctx.minchaKetana = H + 9.5 * h;
    ctx.tzeitShabbat = shita == kShitaMaaseNissim ? ctx.tzeit : SetAt(ctx, kThreeSmallStarsAltitude);
    ctx.tchilatTaanit = ctx.alot;
    const bool graFastEnd = shita == kShitaEretzYisraelGra || shita == kShitaDiasporaGra;
    ctx.sofTaanit = SetAt(ctx, graFastEnd ? kTzeitGraAltitude : kTzeit24Altitude);
}

CLOCK_TIME Clock(const ZMANIM_STRUCT& ctx, double t, ClockMode mode) {
    return ToLocalClock(t, ctx.timeZone, ctx.dstActive, mode);
}

} // namespace

void CopyOpinionBlock(const SHITA_STRUCT& from, ZMANIM_STRUCT& to) {
    to.alotShita = from.alotShita;
    to.alotVal = from.alotVal;
    to.misheyakirShita = from.misheyakirShita;
    to.misheyakirVal = from.misheyakirVal;
    to.shemaShita = from.shemaShita;
    to.shemaVal = from.shemaVal;
    to.minchaGedolahShita = from.minchaGedolahShita;
    to.minchaGedolahVal = from.minchaGedolahVal;
    to.plagHaminchaShita = from.plagHaminchaShita;
    to.plagHaminchaVal = from.plagHaminchaVal;
    to.tzeitShita = from.tzeitShita;
    to.tzeitVal = from.tzeitVal;
    to.tchilatTaanitShita = from.tchilatTaanitShita;
    to.tchilatTaanitVal = from.tchilatTaanitVal;
    to.sofTaanitShita = from.sofTaanitShita;
    to.sofTaanitVal = from.sofTaanitVal;
    to.chametzShita = from.chametzShita;
    to.chametzVal = from.chametzVal;
    to.tzeitShabbatShita = from.tzeitShabbatShita;
    to.tzeitShabbatVal = from.tzeitShabbatVal;
    to.tosefetFrom = from.tosefetFrom;
    to.tosefetType = from.tosefetType;
}

void SetupZmanim(ZMANIM_STRUCT& ctx, double longitude, double latitude, int timeZoneTenths,
                 std::int32_t shita, std::int32_t dstRule, const SHITA_STRUCT* custom) {
    ctx.longitude = longitude;
    ctx.latitude = latitude;
    ctx.timeZone = static_cast<double>(timeZoneTenths);
    ctx.shita = shita;
    ctx.dstRule = dstRule;
    if (shita >= kFirstCustomShita) {
        CopyOpinionBlock(custom != nullptr ? *custom : SHITA_STRUCT{}, ctx);
        return;
    }
    ctx.chametzVal = 0;
    switch (shita) {
    case kShitaEretzYisraelMa:
    case kShitaDiasporaMa: ctx.chametzShita = kChametzDayMagenAvraham90; break;
    case kShitaMaaseNissim: ctx.chametzShita = kChametzDayMaaseNissim; break;
    case kShitaKiseiRachamim: ctx.chametzShita = kChametzDayKiseiRachamim; break;
    default: ctx.chametzShita = kChametzDayGra; break;
    }
}

void SetupZmanim(ZMANIM_STRUCT& ctx, double longitude, double latitude, int timeZoneTenths,
                 std::int32_t shita, std::int32_t dstRule) {
    const SHITA_STRUCT* custom =
        shita >= kFirstCustomShita ? ProgramShitot().FindShita(shita) : nullptr;
    SetupZmanim(ctx, longitude, latitude, timeZoneTenths, shita, dstRule, custom);
}

void ComputeZmanim(ZMANIM_STRUCT& ctx, std::int32_t jd) {
    ComputeSharedValues(ctx, jd);
    if (ctx.shita >= kFirstCustomShita) ComputeCustom(ctx);
    else ComputeBuiltin(ctx);
}

CLOCK_TIME GetAlot(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.alot, ClockMode::Nearest); }
CLOCK_TIME GetMisheyakir(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.misheyakir, ClockMode::Nearest); }
CLOCK_TIME GetHanetz(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.hanetz, ClockMode::Nearest); }
CLOCK_TIME GetSofZmanShema(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.sofZmanShema, ClockMode::Truncate); }
CLOCK_TIME GetSofZmanTefilla(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.sofZmanTefilla, ClockMode::Truncate); }
CLOCK_TIME GetChatzot(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.chatzot, ClockMode::Nearest); }
CLOCK_TIME GetMinchaGedola(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.minchaGedola, ClockMode::Nearest); }
CLOCK_TIME GetMinchaKetana(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.minchaKetana, ClockMode::Nearest); }
CLOCK_TIME GetPlagHamincha(const ZMANIM_STRUCT& ctx) {
    return Clock(ctx, ctx.hanetz + 10.75 * ctx.shaaZmanit, ClockMode::Nearest);
}
CLOCK_TIME GetShkia(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.shkia, ClockMode::Nearest); }
CLOCK_TIME GetTzeit(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.tzeit, ClockMode::Nearest); }
CLOCK_TIME GetTchilatTaanit(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.tchilatTaanit, ClockMode::Nearest); }
CLOCK_TIME GetSofTaanit(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.sofTaanit, ClockMode::Nearest); }
CLOCK_TIME GetChatzotLayla(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.chatzotLayla, ClockMode::Nearest); }
CLOCK_TIME GetTzeitShabbat(const ZMANIM_STRUCT& ctx) { return Clock(ctx, ctx.tzeitShabbat, ClockMode::Nearest); }

double CandleLightingTime(const ZMANIM_STRUCT& ctx, int option) {
    double before;
    switch (option) {
    case 1: before = 0.25; break;
    case 3: before = 0.35; break;
    case 4: before = 0.36666666666666664; break;
    case 5: before = 0.5; break;
    case 6: before = 0.6666666666666666; break;
    default: before = 0.3; break;
    }
    const double eveSunset =
        SunRiseSet(ctx.julianDay - 1, 1, ctx.longitude, ctx.latitude, kSunriseAltitude).set;
    return eveSunset - before;
}

CLOCK_TIME GetCandleLighting(const ZMANIM_STRUCT& ctx, int option) {
    return Clock(ctx, CandleLightingTime(ctx, option), ClockMode::Truncate);
}

double ChametzTime(const ZMANIM_STRUCT& ctx, int hours) {
    const double x = hours;
    const double H = ctx.hanetz;
    const double S = ctx.shkia;
    const double h = ctx.shaaZmanit;
    switch (ctx.chametzShita) {
    case kChametzDayMagenAvraham90: return RiseAt(ctx, kAlot90Altitude) + x * ctx.shaaZmanitMa90;
    case kChametzDayMagenAvraham72: return RiseAt(ctx, kAlot72Altitude) + x * ctx.shaaZmanitMa72;
    case kChametzDayMaaseNissim: return RiseAt(ctx, kAlot72Altitude) + x * DayLengthAt(ctx, kAlot90Altitude) / 12.0;
    case kChametzDayKiseiRachamim: {
        const double a = H - 1.5 * h;
        const double b = S + kTwentyFiveProportional * h;
        return a + x * (b - a) / 12.0;
    }
    case kChametzDayAlotToTzeit: return ctx.alot + x * (ctx.tzeit - ctx.alot) / 12.0;
    case kChametzDayAlotToShkia: return ctx.alot + x * (S - ctx.alot) / 12.0;
    default: return H + x * h;
    }
}

CLOCK_TIME GetLatestChametzEating(const ZMANIM_STRUCT& ctx) {
    return Clock(ctx, ChametzTime(ctx, 4), ClockMode::Truncate);
}
CLOCK_TIME GetLatestChametzBurning(const ZMANIM_STRUCT& ctx) {
    return Clock(ctx, ChametzTime(ctx, 5), ClockMode::Truncate);
}

DURATION_HMS GetShaaZmanit(const ZMANIM_STRUCT& ctx) { return ToDuration(ctx.shaaZmanit); }
DURATION_HMS GetDayLength(const ZMANIM_STRUCT& ctx) { return ToDuration(ctx.dayLength); }

bool IsAfterTzeit(std::int32_t jd, double longitude, double latitude, int timeZoneTenths,
                  std::int32_t shita, std::int32_t dstRule) {
    ZMANIM_STRUCT ctx;
    SetupZmanim(ctx, longitude, latitude, timeZoneTenths, shita, dstRule);
    ComputeZmanim(ctx, jd);
    const CLOCK_TIME tzeit = GetTzeit(ctx);
    // The wrapped clock of a tzeit past midnight would read as early morning; the civil
    // day jd never reaches it.
    const double unwrapped = LocalHours(ctx.tzeit, ctx.timeZone, ctx.dstActive);
    if (unwrapped >= 24.0 || (unwrapped >= 12.0 && tzeit.hour < 12)) return false;
    const platform::LOCAL_TIME now = platform::Now();
    return now.hour * 60 + now.minute > tzeit.hour * 60 + tzeit.minute;
}

} // namespace vessant
