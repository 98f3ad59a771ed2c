#include "app/ui/MonthScreen.h"

#include "app/ui/UiText.h"
#include "calendar/CalendarTexts.h"
#include "text/Language.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vessant::ui {
namespace {

// Font sizes in tenths of a point: the low and high ends of the ranges A (day numbers,
// title date, molad), B (cell lines, zmanim box, times), C (month name) and T (times in
// the Hebrew interface), by the "Size" setting 1 big, 2 medium, 3 small.
struct SIZE_RANGE {
    int low, high;
};
struct SIZE_ROW {
    SIZE_RANGE a, b, c, t;
    int hebrewRaise;
};
constexpr SIZE_ROW kSizeRows[3] = {
    {{95, 120}, {85, 115}, {100, 150}, {70, 95}, 11},
    {{75, 105}, {65, 95}, {80, 130}, {50, 80}, 8},
    {{60, 90}, {45, 75}, {60, 110}, {30, 60}, 5},
};

// Tenths of a point at the 96 pixels per inch the sizes were made for.
int PixelsOfTenths(int tenths) { return std::max(1, tenths * 96 / 720); }

} // namespace

QColor ColourOf(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

CMonthScreen::CMonthScreen() {
    textMargin_ = 2;
    innerMargin_ = 2;
    bottomMargin_ = 0;
}

int CMonthScreen::SetCellHeight(int h) {
    cellHeight_ = h;
    dayLineHeight_ = h * 15 / 70;
    lineHeight_ = (h - dayLineHeight_) * 10 / 55;
    boxLineStep_ = h / 5;
    return h + h / 5;
}

void CMonthScreen::SetLineHeight(int v) {
    lineHeight_ = v;
    BuildFonts();
}

void CMonthScreen::SizeTo(int width, int height) {
    const int w = width / 7 * 7;
    const int h = (height + 6) / 7 * 7;
    width_ = w;
    SetTitleHeight(h / 14);
    SetGridTop(h / 8);
    SetBottomMargin(0);
    SetCellWidth(w / 7);
    SetCellHeight((h - gridTop_ - bottomMargin_) / 6);
    LayoutCells();
    BuildFonts();
    LayoutTitle(w);
}

void CMonthScreen::BuildFonts() {
    const bool hebrew = IsHebrewInterface();
    const int setting = options_ ? options_->fontSize : 2;
    const SIZE_ROW& row = kSizeRows[setting >= 1 && setting <= 3 ? setting - 1 : 1];
    const int raise = hebrew ? row.hebrewRaise : 0;
    const int a = hebrew ? lineHeight_ + 2 - 5 : lineHeight_ - 5;
    auto size = [a, raise](SIZE_RANGE r) {
        const int low = r.low + raise;
        const int high = r.high + raise;
        return low + a * (high - low) / 10;
    };
    const int sizeA = size(row.a);
    const int sizeB = size(row.b);
    const int sizeC = size(row.c);
    const int sizeT = size(row.t);
    struct FONT_CHOICE {
        int number;
        bool bold;
        int tenths;
    };
    const FONT_CHOICE choices[] = {
        {kFontCivilDay, true, sizeA},  {kFontHebrewDay, true, sizeA},
        {kFontLines, false, sizeB},    {kFontTitleDate, true, sizeA},
        {kFontTitleMonth, true, sizeC}, {kFontTitleOther, true, sizeA},
        {kFontZmanimBox, false, sizeB}, {kFontTimes, false, hebrew ? sizeT : sizeB},
        {kFontMolad, false, sizeA},
    };
    for (const FONT_CHOICE& choice : choices) {
        // "Arial" reaches Liberation Sans through the font substitutions set at start.
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(PixelsOfTenths(choice.tenths));
        font.setBold(choice.bold);
        fonts_[static_cast<std::size_t>(choice.number)] = font;
        fontSizes_[static_cast<std::size_t>(choice.number)] = choice.tenths;
    }
    font10PixelHeight_ = QFontMetrics(fonts_[kFontTimes]).height();
}

void CMonthScreen::LayoutTitle(int w) {
    const int b = w / 60;
    const int c = w / 9;
    const int d = w * 2 / 8;
    titleLayout_ = {b,          c,          d,          w - b - 15,     w - c - 15,
                    w - d - 35, b + 20,     c + 20,     d + 40,         w - b - 25,
                    w - c + 5,  w - c - 25, w - d + 5,  w - d - 45};
}

QRect CMonthScreen::CellRect(int n) const {
    const MONTH_CELL& cell = cells_[static_cast<std::size_t>(std::clamp(n, 0, 43))];
    return QRect(QPoint(cell.left, cell.top), QPoint(cell.right - 1, cell.bottom - 1));
}

QRect CMonthScreen::ZmanimBoxRect() const {
    const int top = gridTop_ + cellHeight_ * 5;
    const int left = mode_ == kModeHebrew ? 0 : 2 * cellWidth_;
    const int right = mode_ == kModeHebrew ? 5 * cellWidth_ : 7 * cellWidth_;
    return QRect(QPoint(left, top), QPoint(right - 1, top + cellHeight_ - 1));
}

QRect CMonthScreen::TitleRect() const { return QRect(0, 0, std::max(width_, 1), std::max(gridTop_, 1)); }

void CMonthScreen::Draw(QPainter& painter) const {
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    DrawWeekdayRow(painter);
    if (mode_ == kModeHebrew) {
        for (int row = 0; row < 6; ++row)
            for (int column = 7; column >= 1; --column)
                DrawCell(painter, row * 7 + column);
    } else {
        for (int n = 1; n <= 37; ++n)
            DrawCell(painter, n);
    }
    DrawZmanimBox(painter);
    DrawTitle(painter);
    if (mode_ == kModeHebrew)
        DrawMoladBox(painter);
    painter.restore();
}

void CMonthScreen::DrawWeekdayRow(QPainter& painter) const {
    painter.setFont(fonts_[kFontLines]);
    const int rowHeight = gridTop_ - titleHeight_;
    const QFontMetrics metrics(painter.font());
    for (int column = 1; column <= 7; ++column) {
        const QRect rect = QRect(QPoint(cellWidth_ * (column - 1), titleHeight_),
                                 QPoint(cellWidth_ * column - 1, gridTop_ - 1))
                               .adjusted(1, 1, -1, -1);
        painter.fillRect(rect, ColourOf(colours_[kColourWeekdayBg]));
        const int weekday = mode_ == kModeHebrew ? 8 - column : column;
        painter.setPen(ColourOf(colours_[kColourWeekdayText]));
        const QRect textRect(rect.left(), titleHeight_ + rowHeight / 6, rect.width(),
                             std::max(metrics.height(), rowHeight));
        painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, Q(WeekdayName(weekday)));
    }
}

void CMonthScreen::DrawCell(QPainter& painter, int n) const {
    const MONTH_CELL& cell = cells_[static_cast<std::size_t>(n)];
    const QRect full = CellRect(n);
    if (cell.civilDay == 0) {
        painter.fillRect(full, Qt::white);
        return;
    }
    const bool hovered = hoverCell_ == n;
    int background;
    if (cell.isToday)
        background = hovered ? kColourHoverToday : kColourTodayBg;
    else if (selectedCell_ == n)
        background = hovered ? kColourHoverSelected : kColourSelectedBg;
    else if (cell.weekday >= 1 && cell.weekday <= 6)
        background = hovered ? kColourHoverRegular : kColourRegularBg;
    else
        background = hovered ? kColourHoverToday : kColourShabbatBg;
    const QRect inner = full.adjusted(1, 1, -1, -1);
    painter.fillRect(inner, ColourOf(colours_[static_cast<std::size_t>(background)]));

    painter.save();
    painter.setClipRect(inner);
    const int left = cell.left + textMargin_;
    const int right = cell.right - textMargin_;
    const int width = std::max(0, right - left);
    painter.setFont(fonts_[kFontCivilDay]);
    painter.setPen(ColourOf(colours_[kColourCivil]));
    painter.drawText(QRect(left, cell.top, width, dayLineHeight_ + lineHeight_),
                     Qt::AlignLeft | Qt::AlignTop, cell.civilDayText);
    painter.setFont(fonts_[kFontHebrewDay]);
    painter.setPen(ColourOf(colours_[kColourHebrew]));
    painter.drawText(QRect(left, cell.top, width, dayLineHeight_ + lineHeight_),
                     Qt::AlignRight | Qt::AlignTop, cell.hebrewDayText);

    const bool hebrew = IsHebrewInterface();
    for (const CELL_LINE& line : cell.lines) {
        painter.setFont(fonts_[static_cast<std::size_t>(line.font)]);
        painter.setPen(ColourOf(colours_[static_cast<std::size_t>(line.colour)]));
        if (line.timeRow >= 0) {
            const int y = cell.top + line.timeRow * font10PixelHeight_;
            painter.drawText(QRect(cell.left, y, cell.right - cell.left, font10PixelHeight_ + 2),
                             Qt::AlignHCenter | Qt::AlignTop, line.text);
        } else {
            const int y = cell.top + dayLineHeight_ + lineHeight_ * line.line;
            const int height = std::max(lineHeight_, QFontMetrics(painter.font()).height());
            painter.drawText(QRect(left, y, width, height),
                             (hebrew ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop |
                                 Qt::TextSingleLine,
                             line.text);
        }
    }
    painter.restore();
}

void CMonthScreen::DrawZmanimBox(QPainter& painter) const {
    const QRect box = ZmanimBoxRect().adjusted(1, 1, -1, -1);
    painter.fillRect(box, ColourOf(colours_[kColourZmanimBg]));
    painter.save();
    painter.setClipRect(box);
    painter.setFont(fonts_[kFontZmanimBox]);
    painter.setPen(ColourOf(colours_[kColourZmanim]));
    const bool hebrew = IsHebrewInterface();
    const int step = std::max(1, boxLineStep_);
    const int lineHeight = std::max(step, QFontMetrics(painter.font()).height());
    const Qt::Alignment labelAlign = (hebrew ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    const Qt::Alignment timeAlign = (hebrew ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop;
    // One narrow column for the title, weekday and date, then three of label and time;
    // in the Hebrew interface the columns run from the right.
    const int firstWidth = box.width() / 5;
    const int pairWidth = (box.width() - firstWidth) / 3;
    auto columnRect = [&](int index) {
        const int x = index == 0 ? 0 : firstWidth + pairWidth * (index - 1);
        const int w = index == 0 ? firstWidth : pairWidth;
        const int left = hebrew ? box.right() + 1 - x - w : box.left() + x;
        return QRect(left + textMargin_ * 2, box.top(), w - textMargin_ * 4, box.height());
    };
    const QRect first = columnRect(0);
    const QString heading[3] = {zmanimBox_.title, zmanimBox_.weekday, zmanimBox_.date};
    for (int i = 0; i < 3; ++i)
        painter.drawText(QRect(first.left(), first.top() + step * i, first.width(), lineHeight),
                         labelAlign, heading[i]);
    for (int i = 0; i < 14; ++i) {
        const QRect column = columnRect(1 + i / 5);
        const QRect line(column.left(), column.top() + step * (i % 5), column.width(), lineHeight);
        painter.drawText(line, labelAlign, zmanimBox_.labels[static_cast<std::size_t>(i)]);
        painter.drawText(line, timeAlign, zmanimBox_.times[static_cast<std::size_t>(i)]);
    }
    painter.restore();
}

void CMonthScreen::DrawTitle(QPainter& painter) const {
    const int w = width_;
    const int b = titleLayout_[0];
    const int c = titleLayout_[1];
    const int d = titleLayout_[2];
    painter.fillRect(QRect(QPoint(d + 40, 0), QPoint(w - d - 45, titleHeight_ - 1)), Qt::white);

    const int civilColour = kColourCivil;
    const int hebrewColour = kColourHebrew;
    const int ownColour = mode_ == kModeHebrew ? hebrewColour : civilColour;
    const int otherColour = mode_ == kModeHebrew ? civilColour : hebrewColour;
    const int centre = cellWidth_ * 7 / 2 + textMargin_;
    painter.setFont(fonts_[kFontTitleMonth]);
    painter.setPen(ColourOf(colours_[static_cast<std::size_t>(ownColour)]));
    const int monthHeight = QFontMetrics(painter.font()).height();
    painter.drawText(QRect(centre - w / 4, 0, w / 2, monthHeight), Qt::AlignHCenter | Qt::AlignTop,
                     title_.monthName);
    painter.setFont(fonts_[kFontTitleOther]);
    painter.setPen(ColourOf(colours_[static_cast<std::size_t>(otherColour)]));
    const int otherHeight = QFontMetrics(painter.font()).height();
    painter.drawText(QRect(centre - w / 4, gridTop_ / 4, w / 2, otherHeight),
                     Qt::AlignHCenter | Qt::AlignTop, title_.otherMonths);

    painter.setFont(fonts_[kFontTitleDate]);
    const QFontMetrics metrics(painter.font());
    const int height = metrics.height();
    const int y = (titleHeight_ - metrics.boundingRect(QStringLiteral("Testing123")).height()) / 2;
    auto field = [&](int from, int to, const QString& text, Qt::Alignment align, int colour) {
        const QRect rect(QPoint(from, y), QPoint(std::max(from, to) - 1, y + height - 1));
        painter.fillRect(rect, Qt::white);
        painter.setPen(ColourOf(colours_[static_cast<std::size_t>(colour)]));
        painter.drawText(rect, align | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    field(b + 20, c, title_.civilDay, Qt::AlignLeft, civilColour);
    field(c + 20, d, title_.civilMonth, Qt::AlignLeft, civilColour);
    field(d + 40, d + 40 + metrics.horizontalAdvance(title_.civilYear) + 2, title_.civilYear,
          Qt::AlignLeft, civilColour);
    field(w - c + 5, w - b - 25, title_.hebrewDay, Qt::AlignRight, hebrewColour);
    field(w - d + 5, w - c - 25, title_.hebrewMonth, Qt::AlignRight, hebrewColour);
    field(4 * cellWidth_ + 50, w - d - 45, title_.hebrewYear, Qt::AlignRight, hebrewColour);
}

void CMonthScreen::DrawMoladBox(QPainter& painter) const {
    if (moladLines_.empty())
        return;
    const int left = 5 * cellWidth_;
    const int right = 6 * cellWidth_;
    const int top = gridTop_ + 5 * cellHeight_;
    const int width = right - left;
    painter.save();
    painter.setClipRect(QRect(QPoint(left, top), QPoint(right - 1, top + cellHeight_ + cellHeight_ / 20)));
    painter.setFont(fonts_[kFontMolad]);
    painter.setPen(ColourOf(colours_[kColourHebrew]));
    const bool hebrew = IsHebrewInterface();
    const int height = QFontMetrics(painter.font()).height();
    const int step = std::max(1, cellHeight_ / 5);
    for (std::size_t i = 0; i < moladLines_.size(); ++i) {
        const int indent = width / 20 + (i == 0 ? 0 : width / 10);
        const int y = top + step * static_cast<int>(i);
        if (hebrew)
            painter.drawText(QRect(left, y, width - indent, height), Qt::AlignRight | Qt::AlignTop,
                             moladLines_[i]);
        else
            painter.drawText(QRect(left + indent, y, width - indent, height),
                             Qt::AlignLeft | Qt::AlignTop, moladLines_[i]);
    }
    painter.restore();
}

} // namespace vessant::ui
