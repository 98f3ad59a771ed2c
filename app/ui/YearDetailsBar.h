#pragma once
// The year-details panel: the facts of the selected day's Hebrew year and the dates of
// its fixed days, from the year model, as the list of DetailsMarkup.h.

#include "app/ui/DetailsBar.h"
#include "dayview/YearDetails.h"

namespace vessant::ui {

class CYearDetailsBar : public CDetailsBar {
    Q_OBJECT
public:
    explicit CYearDetailsBar(QWidget* parent = nullptr);

    // Shows the Hebrew year of `date`, its fixed days dated under Gregorian transition
    // choice `transition`.
    void Fill(const DATE_STRUCT& date, int transition, int fontSize, bool hebrewInterface);
    // The year shown; 0 before the first fill.
    int Year() const { return year_.year; }
    const YEAR_DETAILS& Details() const { return year_; }

private:
    YEAR_DETAILS year_;
};

} // namespace vessant::ui
