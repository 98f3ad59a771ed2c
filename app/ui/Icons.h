#pragma once
// The program's icon and the toolbar images, drawn at start rather than loaded, and the
// tray's 16 x 16 day-of-month icon.

#include <QIcon>
#include <QString>

#include <cstdint>

namespace vessant::ui {

QIcon ProgramIcon();

// Toolbar images by their number in the toolbar's image strip: 0 today, 1 civil,
// 2 Hebrew, 3 location, 6 options, 7 help, 10 file.
QIcon ToolbarImage(int image);

// The day of month in a 16 x 16 icon: text centred at the top, in "David" height 17
// normal weight (style 2) or "Narkisim" height 16 bold (style 1), in the given colour
// (0x00BBGGRR) on a transparent ground.
QIcon DayOfMonthIcon(const QString& text, int style, std::uint32_t colour);

} // namespace vessant::ui
