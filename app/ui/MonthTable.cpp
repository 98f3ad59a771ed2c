#include "app/ui/MonthTable.h"

#include "app/ui/UiText.h"
#include "calendar/CalendarTexts.h"
#include "calendar/ClockText.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/Molad.h"
#include "calendar/TextTemplate.h"
#include "dayevents/DafYomi.h"
#include "dayevents/DayEvents.h"
#include "dayevents/HalachaYomit.h"
#include "dayevents/HolidayTimes.h"
#include "dayevents/MishnaYomit.h"
#include "dayevents/StudyText.h"
#include "dayevents/TanachYomi.h"
#include "dayevents/WeeklyPortion.h"
#include "dayevents/YerushalmiYomi.h"
#include "locations/LocationCoordinates.h"
#include "text/Language.h"
#include "text/TextTable.h"
#include "userdata/EventList.h"
#include "zmanim/DstRules.h"
#include "zmanim/Zmanim.h"

#include <algorithm>

namespace vessant::ui {
namespace {

// Lines a cell gives to user events and study portions at most.
constexpr int kLimitedLines = 5;

QString Number(int n) { return QString::number(n); }

// A Hebrew numeral in the Hebrew interface, else the decimal number.
QString Numeral(int n) {
    return IsHebrewInterface() ? Q(HebrewNumeral(n)) : Number(n);
}

QString Template(int resourceId, std::initializer_list<TemplateArg> args) {
    return Q(FormatTemplate(TextOfResource(resourceId), args));
}

// The zman a holiday time stands for, on the day the context was computed for.
CLOCK_TIME ZmanOf(const ZMANIM_STRUCT& z, int candleLighting, HolidayTime time) {
    switch (time) {
    case HolidayTime::CandleLighting: return GetCandleLighting(z, candleLighting);
    case HolidayTime::Havdalah: return GetTzeitShabbat(z);
    case HolidayTime::Sunset: return GetShkia(z);
    case HolidayTime::Nightfall: return GetTzeit(z);
    case HolidayTime::FastBegins: return GetTchilatTaanit(z);
    case HolidayTime::FastEnds: return GetSofTaanit(z);
    case HolidayTime::LatestChametzEating: return GetLatestChametzEating(z);
    case HolidayTime::LatestChametzBurning: return GetLatestChametzBurning(z);
    }
    return {};
}

} // namespace

std::uint32_t Shade(int k, std::uint32_t colour) {
    if (k < -255 || k > 255)
        return 0;
    const int r = static_cast<int>(colour & 0xFF);
    const int g = static_cast<int>((colour >> 8) & 0xFF);
    const int b = static_cast<int>((colour >> 16) & 0xFF);
    int f = 0;
    if (k > 0)
        f = std::min({k, 255 - r, 255 - g, 255 - b});
    else
        f = std::max({k, -r, -g, -b});
    return static_cast<std::uint32_t>((r + f) | ((g + f) << 8) | ((b + f) << 16));
}

CMonthTable::CMonthTable() {
    for (int n = 0; n < 44; ++n) {
        MONTH_CELL& cell = cells_[static_cast<std::size_t>(n)];
        cell.row = n >= 1 && n <= kGridCells ? (n - 1) / 7 + 1 : 0;
        cell.column = n >= 1 && n <= kGridCells ? (n - 1) % 7 + 1 : 0;
        vessant::SetTransition(cell.date, 1);
    }
    vessant::SetTransition(today_, 1);
    vessant::SetTransition(selected_, 1);
    SetToday(today_);
    selected_ = today_;
    location_.city = L"Jerusalem";
}

void CMonthTable::SetLocation(const LOC_STRUCT& location) { location_ = location; }

void CMonthTable::LoadColours() {
    const OPTIONS_STRUCT fallback = DefaultOptions();
    const OPTIONS_STRUCT& o = options_ ? *options_ : fallback;
    auto c = [](std::int32_t v) { return static_cast<std::uint32_t>(v) & 0xFFFFFFu; };
    colours_[kColourHebrew] = c(o.colorHebrew);
    colours_[kColourCivil] = c(o.colorCivil);
    colours_[kColourZmanim] = c(o.colorZmanim);
    colours_[kColourParshiot] = c(o.colorParshiot);
    colours_[kColourMoadim] = c(o.colorMoadim);
    colours_[kColourEvents] = c(o.colorEvents);
    colours_[kColourLimud] = c(o.colorLimud);
    colours_[kColourRegularBg] = c(o.colorRegularBg);
    colours_[kColourTodayBg] = c(o.colorTodayBg);
    colours_[kColourSelectedBg] = c(o.colorSelectedBg);
    colours_[kColourZmanimBg] = c(o.colorZmanimBg);
    colours_[kColourWeekdayText] = 0xFFFFFF;
    colours_[kColourWeekdayBg] = 0xC8C8C8;
    colours_[kColourHoverRegular] = Shade(o.hoverOffset, colours_[kColourRegularBg]);
    colours_[kColourHoverSelected] = Shade(o.hoverOffset, colours_[kColourSelectedBg]);
    colours_[kColourHoverToday] = Shade(o.hoverOffset, colours_[kColourTodayBg]);
    colours_[kColourShabbatBg] = Shade(o.shabbatOffset, colours_[kColourRegularBg]);
    clockFormat_ = o.clockFormat;
    if (o.gregorianTransition >= 1 && o.gregorianTransition <= 3)
        transition_ = o.gregorianTransition;
}

void CMonthTable::Refresh() {
    LoadColours();
    const LOCATION_COORDINATES where = LocationCoordinates(location_);
    SetupZmanim(zmanim_, where.longitude, where.latitude, where.zoneOffsetTenths, where.shita,
                where.dstRule);
    vessant::SetTransition(selected_, transition_);
    if (mode_ == kModeHebrew)
        FillHebrewMonth();
    else
        FillCivilMonth();
    FillSelectionTexts();
    FillMoladLines();
}

DATE_STRUCT CMonthTable::TodayAfterNightfall() const {
    DATE_STRUCT day;
    vessant::SetTransition(day, transition_);
    SetToday(day);
    const LOCATION_COORDINATES where = LocationCoordinates(location_);
    if (IsAfterTzeit(day.dayNumber, where.longitude, where.latitude, where.zoneOffsetTenths,
                     where.shita, where.dstRule))
        AddDays(day, 1);
    return day;
}

void CMonthTable::ClearCells() {
    for (int n = 1; n <= kGridCells; ++n) {
        MONTH_CELL& cell = cells_[static_cast<std::size_t>(n)];
        cell.isToday = 0;
        cell.civilDay = 0;
        cell.transition = transition_;
        cell.lines.clear();
    }
    todayCell_ = 0;
    selectedCell_ = 0;
}

void CMonthTable::PlaceDay(int c, const DATE_STRUCT& day) {
    MONTH_CELL& cell = cells_[static_cast<std::size_t>(c)];
    FillCell(cell, day);
    cell.civilDay = CivilDateForDisplay(day).day;
    if (day.dayNumber == today_.dayNumber) {
        cell.isToday = 1;
        todayCell_ = c;
    } else if (day.dayNumber == selected_.dayNumber) {
        selectedCell_ = c;
    }
}

void CMonthTable::FillCivilMonth() {
    vessant::SetTransition(today_, transition_);
    SetToday(today_);
    const DATE_TRIPLE shown = CivilDateForDisplay(selected_);
    DATE_STRUCT work;
    vessant::SetTransition(work, transition_);
    SetCivilMonthStart(work, shown.year, shown.month);
    monthLength_ = CivilMonthLength(work, shown.month);
    firstOtherMonth_ = work.hebMonth;
    ClearCells();
    const int first = Weekday(work);
    for (int c = first; c < first + monthLength_ && c <= kGridCells; ++c) {
        PlaceDay(c, work);
        lastOtherMonth_ = work.hebMonth;
        AddDays(work, 1);
    }
}

void CMonthTable::FillHebrewMonth() {
    today_ = TodayAfterNightfall();
    DATE_STRUCT work;
    vessant::SetTransition(work, transition_);
    SetHebrewDate(work, selected_.hebYear, selected_.hebMonth, 1);
    monthLength_ = work.hebMonthLength[static_cast<std::size_t>(selected_.hebMonth - 1)];
    firstOtherMonth_ = CivilDateForDisplay(work).month;
    ClearCells();
    const int first = Weekday(work);
    for (int day = 1; day <= monthLength_; ++day) {
        const int t = first - 1 + day - 1;          // [0, 35]
        const int c = (t / 7) * 7 + 7 - (t % 7);    // right to left, Sunday rightmost
        PlaceDay(c, work);
        lastOtherMonth_ = CivilDateForDisplay(work).month;
        AddDays(work, 1);
    }
}

void CMonthTable::FillCell(MONTH_CELL& cell, const DATE_STRUCT& day) {
    cell.date = day;
    cell.weekday = Weekday(day);
    cell.civilDayText = Number(CivilDateForDisplay(day).day);
    cell.hebrewDayText = Numeral(day.hebDay);
    FillCellLines(cell);
}

QString CMonthTable::ClockText(int hour, int minute) const {
    return Q(FormatClockTime(hour, minute, clockFormat_));
}

CMonthTable::EVENT_TIMES CMonthTable::EventTimes(std::int32_t jdn, int code, int weekday) {
    EVENT_TIMES times;
    const HOLIDAY_TIMES which = HolidayTimesOf(code, weekday, location_.diaspora != 0);
    if (which.count == 0)
        return times;
    ComputeZmanim(zmanim_, jdn);
    times.count = which.count;
    for (int k = 0; k < (which.count < 0 ? 1 : which.count); ++k) {
        const CLOCK_TIME t = ZmanOf(zmanim_, location_.candleLighting, which.time[k]);
        times.hour[k] = t.hour;
        times.minute[k] = t.minute;
    }
    return times;
}

void CMonthTable::FillCellLines(MONTH_CELL& cell) {
    const OPTIONS_STRUCT fallback = DefaultOptions();
    const OPTIONS_STRUCT& o = options_ ? *options_ : fallback;
    const bool diaspora = location_.diaspora != 0;
    const bool hebrew = IsHebrewInterface();
    const std::int32_t jdn = cell.date.dayNumber;
    std::vector<CELL_LINE>& lines = cell.lines;
    lines.clear();
    int used = 0; // text lines below the day numbers
    auto addLine = [&lines, &used](QString text, int colour) {
        CELL_LINE line;
        line.text = std::move(text);
        line.colour = colour;
        line.font = kFontLines;
        line.line = used++;
        lines.push_back(std::move(line));
    };
    auto addTime = [&lines](QString text, int row) {
        CELL_LINE line;
        line.text = std::move(text);
        line.colour = kColourZmanim;
        line.font = kFontTimes;
        line.timeRow = row;
        lines.push_back(std::move(line));
    };

    // Shabbat: candle lighting and havdalah, the portion and the special Shabbat.
    if (o.showParshiot && cell.weekday == 7) {
        ComputeZmanim(zmanim_, jdn);
        const CLOCK_TIME candles = GetCandleLighting(zmanim_, location_.candleLighting);
        const CLOCK_TIME havdalah = GetTzeitShabbat(zmanim_);
        if (o.zmanimLines == 2) {
            addTime(ClockText(candles.hour, candles.minute), 0);
            addTime(ClockText(havdalah.hour, havdalah.minute), 1);
        } else {
            addTime(ClockText(candles.hour, candles.minute) + QLatin1Char('-') +
                        ClockText(havdalah.hour, havdalah.minute),
                    0);
        }
        const PORTION_INFO portion =
            WeeklyPortion(PackedMonthDay(cell.date.hebMonth, cell.date.hebDay), cell.date.hebYear,
                          diaspora);
        if (portion.first != 0)
            addLine(Q(PortionText(portion)), kColourParshiot);
        if (portion.special != 0)
            addLine(Q(SpecialShabbatName(portion.special)), kColourParshiot);
    }

    // Holidays with their times.
    if (o.showMoadim) {
        DAY_EVENTS events;
        BuildDayEvents(events, cell.date, diaspora);
        for (int i = 0; i < kDayEventSlots; ++i) {
            const DAY_EVENT entry = GetDayEvent(events, i);
            if (entry.code == 0)
                break;
            const EVENT_TIMES times = EventTimes(jdn, entry.code, cell.weekday);
            const int row = cell.weekday == 7 ? 1 : 0;
            if (times.count == 1 || times.count == -1)
                addTime(ClockText(times.hour[0], times.minute[0]), row);
            else if (times.count == 2)
                addTime(ClockText(times.hour[0], times.minute[0]) + QLatin1Char('-') +
                            ClockText(times.hour[1], times.minute[1]),
                        row);
            if (entry.code == kCodeOmer) {
                addLine(hebrew ? Template(394, {HebrewNumeral(entry.value)})
                               : Template(394, {entry.value}),
                        kColourMoadim);
            } else {
                addLine(Q(DayEventText(entry.code)), kColourMoadim);
            }
        }
    }

    // The clocks change.
    const int dst = DstStatus(location_.dstRule, jdn);
    if (dst == kDstBegins)
        addLine(Q(TextOfResource(868)), kColourEvents);
    else if (dst == kDstEnds)
        addLine(Q(TextOfResource(869)), kColourEvents);

    // The user's events, with their years or kind.
    if (o.showEvents && used < kLimitedLines) {
        CEventList& events = UserEvents();
        vessant::SetTransition(events.DayBeingTested(), transition_);
        events.SetDayBeingTested(jdn);
        events.ResetEventIterator();
        std::wstring title;
        int years = kYearsNothing;
        int matched = 0;
        while (used < kLimitedLines && events.NextEventForDay(title, years, matched)) {
            if (title.empty())
                continue;
            QString suffix;
            switch (years) {
            case kYearsNothing: break;
            case kYearsYahrzeit: suffix = Q(TextOfResource(409)); break;
            case kYearsMitzvah: suffix = Q(TextOfResource(408)); break;
            case kYearsBornMale: suffix = Q(TextOfResource(410)); break;
            case kYearsBornFemale: suffix = Q(TextOfResource(411)); break;
            default:
                suffix = Number(years);
                if (matched == kEventCalendarHebrew)
                    suffix += Q(TextOfResource(412));
                else if (matched == kEventCalendarCivil)
                    suffix += Q(TextOfResource(413));
                break;
            }
            addLine(Q(title) + QLatin1Char(' ') + suffix, kColourEvents);
        }
    }

    // The daily study portions, in the order the month shows them; a programme without a
    // reading that day gives an empty text.
    struct STUDY_ROW {
        std::int32_t OPTIONS_STRUCT::*shown;
        std::wstring (*text)(std::int32_t jdn);
    };
    static constexpr STUDY_ROW kStudyRows[] = {
        {&OPTIONS_STRUCT::tanachYomi, [](std::int32_t day) { return TanachYomiText(TanachYomi(day)); }},
        {&OPTIONS_STRUCT::dafYomi, [](std::int32_t day) { return DafYomiText(DafYomi(day)); }},
        {&OPTIONS_STRUCT::yerushalmiYomi, [](std::int32_t day) { return YerushalmiYomiText(YerushalmiYomi(day)); }},
        {&OPTIONS_STRUCT::halachaYomit, [](std::int32_t day) { return HalachaYomitText(HalachaYomit(day)); }},
        {&OPTIONS_STRUCT::mishnaYomit, [](std::int32_t day) { return MishnaYomitText(MishnaYomit(day)); }},
    };
    for (const STUDY_ROW& row : kStudyRows) {
        if (!(o.*row.shown) || used >= kLimitedLines)
            continue;
        if (const std::wstring text = row.text(jdn); !text.empty())
            addLine(Q(text), kColourLimud);
    }
}

void CMonthTable::FillSelectionTexts() {
    const bool hebrew = IsHebrewInterface();
    const DATE_TRIPLE civil = CivilDateForDisplay(selected_);

    // The zmanim box.
    ComputeZmanim(zmanim_, selected_.dayNumber);
    zmanimBox_.title = Q(TextOfResource(460));
    zmanimBox_.weekday = Q(WeekdayName(Weekday(selected_)));
    const QString monthName = Q(CivilMonthName(civil.month));
    if (hebrew) {
        zmanimBox_.date = QChar(0x202A) + Number(civil.day) + QChar(0x202E) + QLatin1Char('-') +
                          monthName + QLatin1Char('-') + QChar(0x202A) + Number(civil.year);
    } else {
        zmanimBox_.date = QStringLiteral("%1 %2, %3")
                              .arg(monthName.left(3))
                              .arg(civil.day, 2)
                              .arg(civil.year, 2, 10, QLatin1Char('0'));
    }
    const int labelIds[14] = {136, 137, 138, 139, 140, 141, 142, 143, 144, 145, 146, 642, 147, 148};
    const CLOCK_TIME clocks[12] = {
        GetAlot(zmanim_),        GetMisheyakir(zmanim_),    GetHanetz(zmanim_),
        GetSofZmanShema(zmanim_), GetSofZmanTefilla(zmanim_), GetChatzot(zmanim_),
        GetMinchaGedola(zmanim_), GetMinchaKetana(zmanim_),   GetPlagHamincha(zmanim_),
        GetShkia(zmanim_),       GetTzeit(zmanim_),         GetChatzotLayla(zmanim_)};
    for (int i = 0; i < 14; ++i)
        zmanimBox_.labels[static_cast<std::size_t>(i)] = Q(TextOfResource(labelIds[i]));
    for (int i = 0; i < 12; ++i)
        zmanimBox_.times[static_cast<std::size_t>(i)] = ClockText(clocks[i].hour, clocks[i].minute);
    const DURATION_HMS lengths[2] = {GetDayLength(zmanim_), GetShaaZmanit(zmanim_)};
    for (int i = 0; i < 2; ++i)
        zmanimBox_.times[static_cast<std::size_t>(12 + i)] =
            QStringLiteral("%1:%2:%3")
                .arg(lengths[i].hours, 2)
                .arg(lengths[i].minutes, 2, 10, QLatin1Char('0'))
                .arg(lengths[i].seconds, 2, 10, QLatin1Char('0'));

    // The title band.
    if (mode_ == kModeHebrew) {
        title_.monthName = Q(HebrewMonthName(selected_.hebMonth));
        title_.otherMonths = Q(CivilMonthName(firstOtherMonth_));
        if (lastOtherMonth_ != firstOtherMonth_)
            title_.otherMonths += QLatin1Char('-') + Q(CivilMonthName(lastOtherMonth_));
    } else {
        title_.monthName = Q(CivilMonthName(civil.month));
        title_.otherMonths = Q(HebrewMonthName(firstOtherMonth_));
        if (lastOtherMonth_ != firstOtherMonth_)
            title_.otherMonths += QLatin1Char('-') + Q(HebrewMonthName(lastOtherMonth_));
    }
    title_.civilDay = Number(civil.day);
    title_.civilMonth = monthName;
    title_.civilYear = Number(civil.year);
    title_.hebrewDay = Numeral(selected_.hebDay);
    title_.hebrewMonth = Q(HebrewMonthName(selected_.hebMonth));
    title_.hebrewYear = Numeral(selected_.hebYear);
}

void CMonthTable::FillMoladLines() {
    moladLines_.clear();
    if (mode_ != kModeHebrew)
        return;
    for (const std::wstring& line : MoladText(MoladOfMonth(selected_.hebYear, selected_.hebMonth)))
        moladLines_.push_back(Q(line));
}

int CMonthTable::SelectCell(int n, int flag) {
    if (n > 43 || n < 0)
        return 0;
    selectedCell_ = flag ? n : 0;
    const MONTH_CELL& cell = cells_[static_cast<std::size_t>(n)];
    if (cell.civilDay != 0) {
        selected_ = cell.date;
        FillSelectionTexts();
    }
    return 1;
}

int CMonthTable::HitTest(int x, int y) const {
    for (int n = 1; n <= kGridCells; ++n) {
        const MONTH_CELL& cell = cells_[static_cast<std::size_t>(n)];
        if (cell.civilDay != 0 && x >= cell.left && x < cell.right && y >= cell.top &&
            y < cell.bottom)
            return n;
    }
    return -1;
}

int CMonthTable::SetHover(int n) {
    if (n > 43)
        return 0;
    hoverCell_ = n;
    return 1;
}

DATE_STRUCT CMonthTable::GetHoverDate() const {
    return cells_[static_cast<std::size_t>(std::clamp(hoverCell_, 0, 43))].date;
}

void CMonthTable::LayoutCells() {
    for (int n = 1; n <= kGridCells; ++n) {
        MONTH_CELL& cell = cells_[static_cast<std::size_t>(n)];
        cell.left = cellWidth_ * (cell.column - 1);
        cell.top = gridTop_ + cellHeight_ * (cell.row - 1);
        cell.right = cellWidth_ * cell.column;
        cell.bottom = gridTop_ + cellHeight_ * cell.row;
    }
}

} // namespace vessant::ui
