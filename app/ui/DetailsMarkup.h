#pragma once
// The items of the two details panels: for each, the image it shows and its text in the
// small mark-up the panels' list renders ("<br>", "<font color=...>"). Built from the day
// model and the year model only; the panels add nothing of their own.

#include "dayview/DayFacts.h"
#include "dayview/YearDetails.h"

#include <QString>

#include <vector>

namespace vessant::ui {

// Images of the day panel's items, by their place in its image list.
enum DayImage : int {
    kDayImageYahrzeit = 0,
    kDayImageBirthday = 1,
    kDayImageHolidays = 2,
    kDayImageOneTime = 3,
    kDayImageAnniversary = 4,
    kDayImagePortion = 5,
    kDayImageStudy = 6,
    kDayImageDate = 7,
    kDayImageCount = 8,
};

// Images of the year panel's items, by their place in its image list.
enum YearImage : int {
    kYearImageFacts = 0,
    kYearImageCycles = 2,
    kYearImageFixedDays = 8,
    kYearImageCount = 9,
};

struct DETAILS_ITEM {
    int image = 0;
    QString markup;
};

// The day panel's items for a day built with TimesView::WholeDay and at least the
// holidays with times, the Shabbat with times, the haftarah, the study and the events.
// clockFormat 12 writes 12-hour times.
std::vector<DETAILS_ITEM> DayDetailsItems(const DAY_FACTS& day, int clockFormat, bool hebrewInterface);

// The year panel's four items (the third only when the year is past an epoch).
std::vector<DETAILS_ITEM> YearDetailsItems(const YEAR_DETAILS& year, bool hebrewInterface);

// The panels' font size in tenths of a point for the "Size" setting of the "Fonts"
// section (1 big, 2 medium, 3 small), one step larger in the Hebrew interface.
int DetailsFontTenths(int sizeSetting, bool hebrewInterface);

} // namespace vessant::ui
