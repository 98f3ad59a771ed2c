#include "app/ui/Icons.h"

#include "app/ui/MonthScreen.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vessant::ui {
namespace {

// A calendar page: a coloured header band over a white sheet.
void DrawPage(QPainter& p, int size, const QColor& band) {
    const qreal s = size;
    p.setPen(QPen(QColor(60, 60, 60), s / 32));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(s * 0.08, s * 0.12, s * 0.84, s * 0.80), s * 0.08, s * 0.08);
    p.setBrush(band);
    p.drawRect(QRectF(s * 0.08, s * 0.12, s * 0.84, s * 0.22));
}

QPixmap Blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap PageWithText(int size, const QColor& band, const QString& text, const QColor& ink) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPage(p, size, band);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(6, size * 9 / 16));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(0, size * 0.34, size, size * 0.58), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addPixmap(PageWithText(size, QColor(0x1F, 0x4E, 0x9A), QString(QChar(0x05D0)),
                                    QColor(0x1F, 0x4E, 0x9A)));
    }
    return icon;
}

QIcon ToolbarImage(int image) {
    const int size = 32;
    switch (image) {
    case 0: return QIcon(PageWithText(size, QColor(200, 40, 40), QStringLiteral("\u25CF"), QColor(200, 40, 40)));
    case 1: return QIcon(PageWithText(size, QColor(0x8C, 0x32, 0x00), QStringLiteral("1"), QColor(0x8C, 0x32, 0x00)));
    case 2: return QIcon(PageWithText(size, QColor(0, 0, 0xFF), QString(QChar(0x05D0)), QColor(0, 0, 0xFF)));
    case 3: {
        QPixmap pixmap = Blank(size);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath pin;
        pin.moveTo(16, 30);
        pin.cubicTo(4, 16, 6, 3, 16, 3);
        pin.cubicTo(26, 3, 28, 16, 16, 30);
        p.setPen(QPen(QColor(120, 0, 0), 1.5));
        p.setBrush(QColor(220, 50, 50));
        p.drawPath(pin);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 12), 4, 4);
        return QIcon(pixmap);
    }
    case 7: {
        QPixmap pixmap = Blank(size);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 60, 140), 1.5));
        p.setBrush(QColor(60, 120, 220));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(20);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        return QIcon(pixmap);
    }
    case 10: {
        QPixmap pixmap = Blank(size);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(120, 90, 20), 1.5));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(3, 9, 26, 18));
        p.drawRect(QRectF(3, 6, 11, 4));
        return QIcon(pixmap);
    }
    default: return QIcon(PageWithText(size, QColor(120, 120, 120), QString(), Qt::black));
    }
}

QIcon DayOfMonthIcon(const QString& text, int style, std::uint32_t colour) {
    QPixmap pixmap = Blank(16);
    QPainter p(&pixmap);
    QFont font(style == 2 ? QStringLiteral("David") : QStringLiteral("Narkisim"));
    font.setPixelSize(style == 2 ? 17 : 16);
    font.setWeight(style == 2 ? QFont::Normal : QFont::Bold);
    p.setFont(font);
    p.setPen(ColourOf(colour));
    p.drawText(QRect(-8, 0, 32, 16), Qt::AlignHCenter | Qt::AlignTop, text);
    return QIcon(pixmap);
}

} // namespace vessant::ui
