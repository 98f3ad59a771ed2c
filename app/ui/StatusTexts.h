#pragma once
// The texts of the status-bar panes 104 to 107 and of the window's date line.

#include "calendar/DateStruct.h"
#include "locations/LocationStruct.h"

#include <QString>

namespace vessant::ui {

// Pane 104: the Hebrew date, "Today: ..." when today is set.
QString HebrewPaneText(const DATE_STRUCT& date, bool today);
// Pane 105: the civil date, "Today: ..." when today is set.
QString CivilPaneText(const DATE_STRUCT& date, bool today);
// Pane 106: "city, country".
QString LocationPaneText(const LOC_STRUCT& location);
// Pane 107: daylight saving time or standard time on the day at the location.
QString ClockPaneText(const LOC_STRUCT& location, const DATE_STRUCT& date);

} // namespace vessant::ui
