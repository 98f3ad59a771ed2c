#pragma once
// The day-details panel: everything known about the selected day, from the day model,
// as the list of DetailsMarkup.h.

#include "app/ui/DetailsBar.h"
#include "dayview/DayFacts.h"
#include "dayview/DayInputs.h"

namespace vessant::ui {

class CDayDetailsBar : public CDetailsBar {
    Q_OBJECT
public:
    explicit CDayDetailsBar(QWidget* parent = nullptr);

    // Builds the day for the inputs and shows it. clockFormat 12: 12-hour times;
    // fontSize: the "Size" setting of the "Fonts" section.
    void Fill(const DATE_STRUCT& date, const DAY_INPUTS& inputs, int clockFormat, int fontSize);
    const DAY_FACTS& Facts() const { return day_; }

    // The parts of a day the panel shows.
    static constexpr unsigned kParts =
        kDayHolidays | kDayHolidayTimes | kDayShabbat | kDayShabbatTimes | kDayHaftarah | kDayStudy | kDayEvents;

private:
    DAY_FACTS day_;
};

} // namespace vessant::ui
