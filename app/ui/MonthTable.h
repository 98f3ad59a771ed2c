#pragma once
// The month table: six weeks of seven day cells showing one Hebrew or civil month, with
// both day numbers in every cell and the lines the engines give for each day, a title
// band, a row of weekday names and, in the spare cells of the last row, the zmanim of the
// selected day and the molad of the Hebrew month.
//
// The table is a model first: Refresh asks the day model for everything and keeps the
// results as ready texts in the cells; SelectCell redoes only what depends on the selected
// day. Painting (CMonthScreen) lays those texts out and computes nothing else.

#include "app/settings/Options.h"
#include "calendar/DateStruct.h"
#include "dayview/DayBuilder.h"
#include "locations/LocationStruct.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vessant::ui {

inline constexpr int kModeHebrew = 1;
inline constexpr int kModeCivil = 2;
inline constexpr int kGridCells = 42;

// Colour roles, 0x00BBGGRR values like the settings.
enum ColourRole : int {
    kColourHebrew, kColourCivil, kColourZmanim, kColourParshiot, kColourMoadim,
    kColourEvents, kColourLimud, kColourRegularBg, kColourTodayBg, kColourSelectedBg,
    kColourZmanimBg, kColourWeekdayText, kColourWeekdayBg, kColourHoverRegular,
    kColourHoverSelected, kColourHoverToday, kColourShabbatBg, kColourCount
};

// Moves all three channels of an 0x00BBGGRR colour by the same amount, as far as the
// channel nearest its limit allows, so the hue stays; |k| > 255 gives black.
std::uint32_t Shade(int k, std::uint32_t colour);

// Font numbers of the table (4 and 5 are not used).
enum FontNumber : int {
    kFontCivilDay = 1, kFontHebrewDay = 2, kFontLines = 3, kFontTitleDate = 6,
    kFontTitleMonth = 7, kFontTitleOther = 8, kFontZmanimBox = 9, kFontTimes = 10,
    kFontMolad = 11, kFontSlots = 12
};

// One text of a cell. A clock-time line is centred at the top of the cell, timeRow font-10
// heights down; any other line is line `line` below the day numbers.
struct CELL_LINE {
    QString text;
    int colour = kColourZmanim;
    int font = kFontLines;
    int timeRow = -1; // >= 0: a clock-time line
    int line = 0;
};

struct MONTH_CELL {
    QString hebrewDayText;
    QString civilDayText;
    std::int32_t isToday = 0;
    std::int32_t row = 0;      // 1..6
    std::int32_t column = 0;   // 1..7 from the left
    std::int32_t civilDay = 0; // 0: no date in this cell
    std::int32_t weekday = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    DATE_STRUCT date;
    std::int32_t transition = 1;
    std::vector<CELL_LINE> lines;
};

// The zmanim box of the selected day: title, weekday, date and 14 label/time pairs in three
// columns of 5, 5 and 4.
struct ZMANIM_BOX {
    QString title;
    QString weekday;
    QString date;
    std::array<QString, 14> labels;
    std::array<QString, 14> times;
};

// The title band: the month names and the selected date in both calendars.
struct TITLE_BAND {
    QString monthName;   // in the displayed calendar's colour
    QString otherMonths; // the other calendar's month or months
    QString civilDay, civilMonth, civilYear;
    QString hebrewDay, hebrewMonth, hebrewYear;
};

class CMonthTable {
public:
    CMonthTable();
    virtual ~CMonthTable() = default;

    // Geometry, in the order of the table's slots.
    int GetCellWidth() const { return cellWidth_; }
    virtual void SetCellWidth(int w) = 0;
    int GetCellHeight() const { return cellHeight_; }
    virtual int SetCellHeight(int h) = 0;
    void SetDayLineHeight(int v) { dayLineHeight_ = v; }
    int GetDayLineHeight() const { return dayLineHeight_; }
    virtual void SetLineHeight(int v) = 0;
    int GetLineHeight() const { return lineHeight_; }
    int GetTitleHeight() const { return titleHeight_; }
    void SetTitleHeight(int v) { titleHeight_ = v; }
    int GetGridTop() const { return gridTop_; }
    void SetGridTop(int v) { gridTop_ = v; }
    int GetBottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(int v) { bottomMargin_ = v; }
    int GetTextMargin() const { return textMargin_; }
    int GetInnerMargin() const { return innerMargin_; }

    // The settings record the table reads its colours, sections and clock format from.
    void SetOptions(const OPTIONS_STRUCT* options) { options_ = options; }
    void SetLocation(const LOC_STRUCT& location);
    const LOC_STRUCT& Location() const { return location_; }
    void SetMode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }
    void SetSelectedDate(const DATE_STRUCT& date) { selected_ = date; }
    const DATE_STRUCT& SelectedDate() const { return selected_; }
    const DATE_STRUCT& Today() const { return today_; }
    void SetGregorianTransition(int choice) { transition_ = choice; }

    // Colours, zmanim context, then every cell, the boxes and the title band anew.
    void Refresh();
    // n <= 43: the cell becomes the selected one (flag) or the selection is cleared, and
    // the cell's date becomes the selected date. 0 for n > 43.
    int SelectCell(int n, int flag);
    // The first dated cell (1..42) containing the point, or -1.
    int HitTest(int x, int y) const;
    int SetHover(int n);
    int GetHover() const { return hoverCell_; }
    DATE_STRUCT GetHoverDate() const;
    void LayoutCells();

    // The location, the user's events and shitot and the choices the days are told with.
    DAY_INPUTS DayInputs() const;

    // Today's date as the Hebrew month counts it: the next civil day once the local clock
    // is past tonight's nightfall at the location.
    DATE_STRUCT TodayAfterNightfall() const;

    // Model read by painting and by tests.
    const MONTH_CELL& Cell(int n) const { return cells_[static_cast<std::size_t>(n)]; }
    int SelectedCell() const { return selectedCell_; }
    int TodayCell() const { return todayCell_; }
    int MonthLength() const { return monthLength_; }
    std::uint32_t Colour(int role) const { return colours_[static_cast<std::size_t>(role)]; }
    const ZMANIM_BOX& ZmanimBox() const { return zmanimBox_; }
    const std::vector<QString>& MoladLines() const { return moladLines_; }
    const TITLE_BAND& TitleBand() const { return title_; }
    int ClockFormat() const { return clockFormat_; }

protected:
    // Empties the 42 cells before a fill; puts one day into cell c, marking today and the
    // selection.
    void ClearCells();
    void PlaceDay(int c, const DATE_STRUCT& day);
    void FillCivilMonth();
    void FillHebrewMonth();
    void FillCell(MONTH_CELL& cell, const DATE_STRUCT& day);
    void FillCellLines(MONTH_CELL& cell);
    void FillSelectionTexts(); // zmanim box and title band
    void FillMoladLines();
    QString ClockText(int hour, int minute) const;
    void LoadColours();

    int mode_ = kModeCivil;
    std::array<MONTH_CELL, 44> cells_{};
    int cellWidth_ = 0, cellHeight_ = 0, dayLineHeight_ = 0, lineHeight_ = 0;
    int titleHeight_ = 0, gridTop_ = 0, bottomMargin_ = 0;
    int textMargin_ = 2, innerMargin_ = 2;
    int monthLength_ = 0;
    int selectedCell_ = 0, hoverCell_ = 0, todayCell_ = 0;
    int firstOtherMonth_ = 0, lastOtherMonth_ = 0;
    DATE_STRUCT today_;
    DATE_STRUCT selected_;
    int clockFormat_ = 12;
    int transition_ = 1;
    LOC_STRUCT location_;
    std::optional<CDayBuilder> days_; // for the location and choices of the last Refresh
    DAY_FACTS day_;                   // the day being filled, its storage reused
    std::array<std::uint32_t, kColourCount> colours_{};
    const OPTIONS_STRUCT* options_ = nullptr;
    int boxLineStep_ = 0;

    ZMANIM_BOX zmanimBox_;
    std::vector<QString> moladLines_;
    TITLE_BAND title_;
};

} // namespace vessant::ui
