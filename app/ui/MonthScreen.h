#pragma once
// The month table on screen: the sizes of its fonts and the positions of the title band
// follow the window, and Draw paints the model that Refresh filled.

#include "app/ui/MonthTable.h"

#include <QFont>

#include <array>

class QPainter;

namespace vessant::ui {

class CMonthScreen : public CMonthTable {
public:
    CMonthScreen();

    void SetCellWidth(int w) override { cellWidth_ = w; }
    // Also the day-line and text-line heights and the box line step; returns h + h / 5.
    int SetCellHeight(int h) override;
    void SetLineHeight(int v) override;

    // The sizing steps for a client area of W x H pixels: title band, grid top, cells,
    // fonts and title positions. W is rounded down and H up to multiples of 7.
    void SizeTo(int width, int height);
    void BuildFonts();
    void LayoutTitle(int width);

    // x positions of the title band: 0 b, 1 c, 2 d, 3 W - b - 15, 4 W - c - 15,
    // 5 W - d - 35 (the steppers' places), then the field edges.
    const std::array<int, 14>& TitleLayout() const { return titleLayout_; }
    int Font10PixelHeight() const { return font10PixelHeight_; }
    int FontSizeTenths(int font) const { return fontSizes_[static_cast<std::size_t>(font)]; }
    const QFont& Font(int font) const { return fonts_[static_cast<std::size_t>(font)]; }
    int Width() const { return width_; }

    void Draw(QPainter& painter) const;
    // The rectangle of one cell, of the zmanim box and of the title band (for repaints).
    QRect CellRect(int n) const;
    QRect ZmanimBoxRect() const;
    QRect TitleRect() const;

private:
    void DrawWeekdayRow(QPainter& painter) const;
    void DrawCell(QPainter& painter, int n) const;
    void DrawZmanimBox(QPainter& painter) const;
    void DrawTitle(QPainter& painter) const;
    void DrawMoladBox(QPainter& painter) const;

    std::array<QFont, kFontSlots> fonts_;
    std::array<int, kFontSlots> fontSizes_{};
    std::array<int, 14> titleLayout_{};
    int font10PixelHeight_ = 0;
    int width_ = 0;
};

// 0x00BBGGRR as a Qt colour.
QColor ColourOf(std::uint32_t colourRef);

} // namespace vessant::ui
