#pragma once
// The 16 x 16 images of the details panels' items and of the toolbar's Details button,
// drawn at start. Each has a dark outline around light fills, so it reads on a light
// ground and on a dark one.

#include <QIcon>

#include <vector>

namespace vessant::ui {

// By DayImage (DetailsMarkup.h): yahrzeit candle, birthday cake, holiday star, one-time
// flag, anniversary rings, Torah scroll, open book, calendar page.
QIcon DayPanelImage(int image);

// By YearImage: the year's facts (a page with the year's lines), its cycles (a circle of
// arrows), the fixed days (a list). Other numbers: an empty image.
QIcon YearPanelImage(int image);

// Images 0 to count - 1 of one of the sets above, as a panel's list takes them.
std::vector<QIcon> PanelImages(int count, QIcon (*image)(int));

// The toolbar's Details button: a page with a magnifier.
QIcon DetailsButtonImage();

} // namespace vessant::ui
