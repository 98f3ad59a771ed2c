#include "WeeklyPortion.h"

#include "dayevents/detail/HebrewMonths.h"
#include "dayevents/detail/PortionSchedule.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/HebrewYear.h"
#include "calendar/Weekday.h"
#include "text/TextTable.h"

namespace vessant {
namespace {

// The facts of the year the portion schedule turns on.
struct ScheduleYear {
    std::int32_t h;     // weekday of 1 Tishrei: 2, 3, 5 or 7
    std::int32_t nextH; // weekday of the next 1 Tishrei (P)
    bool leap;          // more than 380 days
    bool diaspora;
};

// n - 3 when Rosh Hashanah was on Shabbat (one Shabbat fewer was free before Bereshit),
// else n - 2: the offset most weeks of the year use.
std::int32_t Usual(std::int32_t w, std::int32_t h) {
    return h == kShabbat ? w - 3 : w - 2;
}

// The base portion number from whole weeks since Rosh Hashanah (w), and since then to
// 1 Nisan (W); 0 when the week has no portion.
std::int32_t BasePortion(std::int32_t D, std::int32_t N1, std::int32_t w, std::int32_t W, const ScheduleYear& y) {
    const std::int32_t h = y.h;
    const bool late = h == kShabbat;
    if (D < N1) {
        switch (w) {
        case 0:
            if (h == kMonday || h == kTuesday)
                return 52;
            return h == kThursday ? 53 : 0;
        case 1: return 53;
        case 3: return 1;
        default: return Usual(w, h);
        }
    }
    const std::int32_t o = w - W; // weeks since the one of 1 Nisan
    // Outside Israel the eighth day of Pesach on Shabbat (P = 2) holds the schedule back one
    // week until Matot; the second day of Shavuot on Shabbat (P = 7) does so until Chukat.
    const bool behindAfterPesach = y.diaspora && y.nextH == kMonday;
    const bool behindAfterShavuot = y.diaspora && y.nextH == kShabbat;
    if (o <= 1)
        return Usual(w, h);
    if (o == 2) {
        if (h == kMonday || h == kTuesday)
            return w - 1;
        return Usual(w, h);
    }
    if (o == 3)
        return w - 3;
    if (o <= 8)
        return behindAfterPesach ? (late ? w - 5 : w - 4) : (late ? w - 4 : w - 3);
    if (o == 9)
        return behindAfterPesach ? w - 4 : (late ? w - 4 : w - 3);
    return (behindAfterPesach || behindAfterShavuot) ? (late ? w - 5 : w - 4) : (late ? w - 4 : w - 3);
}

bool Joined(JoinRule rule, const ScheduleYear& y) {
    const std::int32_t P = y.nextH;
    switch (rule) {
    case JoinRule::CommonUnlessThursdayToTuesday:
        return !y.leap && !(y.h == kThursday && P == kTuesday);
    case JoinRule::Common: return !y.leap;
    case JoinRule::CommonOutsideIsraelOrNotMonday: return !y.leap && (y.diaspora || P != kMonday);
    case JoinRule::DiasporaBeforeShabbat: return y.diaspora && P == kShabbat;
    case JoinRule::CommonOrLateOrDiasporaMonday:
        return !y.leap || y.h == kShabbat || P == kShabbat || (y.diaspora && P == kMonday);
    case JoinRule::BeforeThursdayOrShabbat: return P == kThursday || P == kShabbat;
    }
    return false;
}

std::int32_t SpecialShabbat(std::int32_t first, std::int32_t month, std::int32_t day, bool leap) {
    if (first == kPortionBeshalach)
        return kSpecialShabbatShira;
    for (const SPECIAL_SHABBAT_RANGE& range : SpecialShabbatRanges()) {
        if (hebmonth::Resolve(range.month, leap) == month && day >= range.firstDay && day <= range.lastDay)
            return range.special;
    }
    return 0;
}

} // namespace

bool IsFestivalDay(std::int32_t month, std::int32_t day, bool diaspora) {
    switch (month) {
    case kTishrei:
        return day == 1 || day == 2 || day == 10 || (day >= 15 && day <= 22) || (diaspora && day == 23);
    case kNisan: return (day >= 15 && day <= 21) || (diaspora && day == 22);
    case kSivan: return day == 6 || (diaspora && day == 7);
    default: return false;
    }
}

PORTION_INFO WeeklyPortion(std::int32_t hebrewPacked, std::int32_t year, bool diaspora) {
    const std::int32_t month = hebrewPacked >> 16;
    const std::int32_t day = hebrewPacked & 0xFFFF;
    if (IsFestivalDay(month, day, diaspora))
        return {};
    // The day itself still goes through HebrewDayNumber, which refuses a date the year lacks.
    const std::int32_t D = HebrewDayNumber(year, month, day);
    if (D == 0 || year == -1) // year -1 has no following year to end the schedule
        return {};
    const HEBREW_YEAR_FRAME frame = HebrewYearFrame(year);
    const std::int32_t R = frame.newYearDay;
    const std::int32_t N1 = frame.monthStart[kNisan];
    const std::int32_t h = WeekdayOfDayNumber(R);
    const ScheduleYear y{h, (N1 - R + h + 162) % 7 + 1, frame.leap, diaspora};
    const std::int32_t w = (D - R) / 7;
    const std::int32_t W = (N1 - R) / 7;

    std::int32_t n = BasePortion(D, N1, w, W, y);
    if (n < 1 || n > kPortionCount)
        return {};
    PORTION_INFO info;
    if (month != kTishrei) {
        for (const JOINED_PAIR& pair : JoinedPairs()) {
            if (n < pair.first)
                break;
            if (!Joined(pair.rule, y))
                continue;
            if (n == pair.first) {
                info.second = n + 1;
                break;
            }
            ++n;
        }
    }
    info.first = n;
    info.special = SpecialShabbat(n, month, day, y.leap);
    return info;
}

const std::wstring& PortionName(std::int32_t portion) {
    return NumberedResourceText(kPortionTextBase, portion, kPortionCount);
}

const std::wstring& SpecialShabbatName(std::int32_t special) {
    return NumberedResourceText(kSpecialShabbatTextBase, special, kSpecialShabbatCount);
}

std::wstring PortionText(const PORTION_INFO& portion) {
    if (portion.first == 0)
        return {};
    std::wstring text = PortionName(portion.first);
    if (portion.second != 0) {
        text += L'-';
        text += PortionName(portion.second);
    }
    return text;
}

} // namespace vessant
