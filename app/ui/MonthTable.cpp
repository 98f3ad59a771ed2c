#include "app/ui/MonthTable.h"

#include "app/ui/UiText.h"
#include "calendar/CalendarTexts.h"
#include "calendar/ClockText.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/Molad.h"
#include "calendar/TextTemplate.h"
#include "dayview/DayTextIds.h"
#include "dayview/EventAnnotation.h"
#include "locations/LocationCoordinates.h"
#include "text/Language.h"
#include "text/TextTable.h"
#include "userdata/EventList.h"
#include "zmanim/DstRules.h"
#include "zmanim/ShitotStore.h"
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

// What a month cell shows, as far as its display settings ask for it.
unsigned CellParts(const OPTIONS_STRUCT& o) {
    unsigned parts = kDayDst;
    if (o.showParshiot)
        parts |= kDayShabbat | kDayShabbatTimes;
    if (o.showMoadim)
        parts |= kDayHolidays | kDayHolidayTimes;
    if (o.showEvents)
        parts |= kDayEvents;
    if (o.tanachYomi || o.dafYomi || o.yerushalmiYomi || o.halachaYomit || o.mishnaYomit)
        parts |= kDayStudy;
    return parts;
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

DAY_INPUTS CMonthTable::DayInputs() const {
    DAY_INPUTS inputs;
    inputs.location = location_;
    inputs.shitot = &ProgramShitot();
    inputs.events = &UserEvents();
    inputs.rite = options_ ? options_->shitaHaftarah : DefaultOptions().shitaHaftarah;
    inputs.hebrewInterface = IsHebrewInterface();
    return inputs;
}

void CMonthTable::Refresh() {
    LoadColours();
    days_.emplace(DayInputs(), TimesView::MonthCell);
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

void CMonthTable::FillCellLines(MONTH_CELL& cell) {
    const OPTIONS_STRUCT fallback = DefaultOptions();
    const OPTIONS_STRUCT& o = options_ ? *options_ : fallback;
    if (!days_)
        days_.emplace(DayInputs(), TimesView::MonthCell);
    days_->Build(cell.date, CellParts(o), day_);
    const DAY_FACTS& day = day_;
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
    auto clock = [this](CLOCK_TIME t) { return ClockText(t.hour, t.minute); };

    // Shabbat: candle lighting and havdalah, the portion and the special Shabbat.
    if (day.shabbat) {
        if (o.zmanimLines == 2) {
            addTime(clock(day.candleLighting), 0);
            addTime(clock(day.havdalah), 1);
        } else {
            addTime(clock(day.candleLighting) + QLatin1Char('-') + clock(day.havdalah), 0);
        }
        if (!day.portionText.empty())
            addLine(Q(day.portionText), kColourParshiot);
        if (!day.specialText.empty())
            addLine(Q(day.specialText), kColourParshiot);
    }

    // Holidays with their times; on Shabbat the first time row is the Shabbat's.
    for (int i = 0; i < day.holidayCount; ++i) {
        const DAY_HOLIDAY& holiday = day.holidays[static_cast<std::size_t>(i)];
        const int row = day.weekday == 7 ? 1 : 0;
        if (holiday.TimesShown() == 1)
            addTime(clock(holiday.times[0].time), row);
        else if (holiday.TimesShown() == 2)
            addTime(clock(holiday.times[0].time) + QLatin1Char('-') + clock(holiday.times[1].time), row);
        addLine(Q(holiday.text), kColourMoadim);
    }

    // The clocks change.
    if (day.dstStatus == kDstBegins)
        addLine(Q(TextOfResource(kIdDstBegins)), kColourEvents);
    else if (day.dstStatus == kDstEnds)
        addLine(Q(TextOfResource(kIdDstEnds)), kColourEvents);

    // The user's events, with their years or kind.
    for (const EVENT_OCCURRENCE& event : day.events) {
        if (used >= kLimitedLines)
            break;
        if (!event.title.empty())
            addLine(Q(event.title) + QLatin1Char(' ') + Q(EventCountText(event, CountForm::Cell)), kColourEvents);
    }

    // The daily study portions, in the order the month shows them; a programme without a
    // reading that day gives an empty text.
    struct STUDY_CELL_ROW {
        std::int32_t OPTIONS_STRUCT::*shown;
        StudyProgramme programme;
    };
    static constexpr STUDY_CELL_ROW kStudyCellRows[] = {
        {&OPTIONS_STRUCT::tanachYomi, StudyProgramme::TanachYomi},
        {&OPTIONS_STRUCT::dafYomi, StudyProgramme::DafYomi},
        {&OPTIONS_STRUCT::yerushalmiYomi, StudyProgramme::YerushalmiYomi},
        {&OPTIONS_STRUCT::halachaYomit, StudyProgramme::HalachaYomit},
        {&OPTIONS_STRUCT::mishnaYomit, StudyProgramme::MishnaYomit},
    };
    for (const STUDY_CELL_ROW& row : kStudyCellRows) {
        if (!(o.*row.shown) || used >= kLimitedLines)
            continue;
        if (const std::wstring& text = day.Study(row.programme); !text.empty())
            addLine(Q(text), kColourLimud);
    }
}

void CMonthTable::FillSelectionTexts() {
    const bool hebrew = IsHebrewInterface();
    const DATE_TRIPLE civil = CivilDateForDisplay(selected_);

    // The zmanim box.
    if (!days_)
        days_.emplace(DayInputs(), TimesView::MonthCell);
    DAY_FACTS selectedDay;
    days_->Build(selected_, kDayZmanim, selectedDay);
    zmanimBox_.title = Q(TextOfResource(kIdZmanimTitle));
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
    for (std::size_t i = 0; i < selectedDay.zmanim.size(); ++i) {
        const DAY_ZMAN& z = selectedDay.zmanim[i];
        zmanimBox_.labels[i] = Q(TextOfResource(z.labelId));
        zmanimBox_.times[i] = z.duration ? QStringLiteral("%1:%2:%3")
                                               .arg(z.length.hours, 2)
                                               .arg(z.length.minutes, 2, 10, QLatin1Char('0'))
                                               .arg(z.length.seconds, 2, 10, QLatin1Char('0'))
                                         : ClockText(z.time.hour, z.time.minute);
    }

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
