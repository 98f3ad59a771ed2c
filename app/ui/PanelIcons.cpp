#include "app/ui/PanelIcons.h"

#include "app/ui/DetailsMarkup.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace vessant::ui {
namespace {

constexpr int kSize = 16;
const QColor kOutline(40, 40, 40);

// Draws on a transparent 16 x 16 image (and a 32 x 32 one for dense screens) in
// 16-unit coordinates.
QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.setPen(QPen(kOutline, 1.0));
        draw(p);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Page(QPainter& p, const QColor& band) {
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.5, 1.5);
    p.setBrush(band);
    p.drawRect(QRectF(1.5, 2.5, 13, 3.5));
}

void Candle(QPainter& p) {
    // A memorial candle in its glass.
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(4.5, 7.5, 7, 7));
    p.setBrush(QColor(250, 250, 210));
    p.drawRect(QRectF(5.5, 9.5, 5, 5));
    QPainterPath flame;
    flame.moveTo(8, 1.5);
    flame.cubicTo(11, 4.5, 10.5, 7, 8, 7);
    flame.cubicTo(5.5, 7, 5, 4.5, 8, 1.5);
    p.setBrush(QColor(255, 150, 20));
    p.drawPath(flame);
}

void Cake(QPainter& p) {
    p.setBrush(QColor(240, 120, 170));
    p.drawRoundedRect(QRectF(2.5, 8.5, 11, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 8.5, 11, 2));
    p.setBrush(QColor(70, 130, 230));
    p.drawRect(QRectF(7, 4.5, 2, 4));
    p.setBrush(QColor(255, 190, 30));
    p.drawEllipse(QRectF(6.5, 1, 3, 3.5));
}

void Star(QPainter& p) {
    // A six-pointed star of two triangles.
    p.setBrush(QColor(60, 110, 230));
    QPolygonF up, down;
    up << QPointF(8, 1) << QPointF(14.5, 12) << QPointF(1.5, 12);
    down << QPointF(8, 15) << QPointF(1.5, 4) << QPointF(14.5, 4);
    p.drawPolygon(up);
    p.drawPolygon(down);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(8, 8), 3, 3);
}

void Flag(QPainter& p) {
    p.setBrush(QColor(215, 215, 215));
    p.drawRect(QRectF(2.5, 1.5, 2, 13.5));
    p.setBrush(QColor(245, 85, 85));
    QPolygonF cloth;
    cloth << QPointF(4.5, 2) << QPointF(14, 5) << QPointF(4.5, 8.5);
    p.drawPolygon(cloth);
}

void Rings(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (const QPointF centre : {QPointF(6, 9), QPointF(10, 9)}) {
        p.setPen(QPen(kOutline, 3.2));
        p.drawEllipse(centre, 4, 4);
        p.setPen(QPen(QColor(250, 215, 80), 1.8));
        p.drawEllipse(centre, 4, 4);
    }
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(160, 220, 255));
    p.drawEllipse(QPointF(10, 4.5), 1.5, 1.5);
}

void Scroll(QPainter& p) {
    p.setBrush(QColor(245, 230, 190));
    p.drawRect(QRectF(4.5, 3.5, 7, 9));
    p.setBrush(QColor(140, 80, 30));
    for (const qreal x : {1.5, 11.5}) {
        p.drawRoundedRect(QRectF(x, 2.5, 3, 11), 1.2, 1.2);
        p.drawRect(QRectF(x + 1, 0.5, 1, 2));
        p.drawRect(QRectF(x + 1, 13.5, 1, 2));
    }
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    for (const qreal y : {6.0, 8.0, 10.0})
        p.drawLine(QPointF(6, y), QPointF(10, y));
}

void Book(QPainter& p) {
    p.setBrush(QColor(40, 100, 180));
    QPolygonF cover;
    cover << QPointF(0.5, 4) << QPointF(8, 5.5) << QPointF(15.5, 4) << QPointF(15.5, 14) << QPointF(8, 15.5)
          << QPointF(0.5, 14);
    p.drawPolygon(cover);
    p.setBrush(Qt::white);
    QPolygonF left, right;
    left << QPointF(1.5, 2.5) << QPointF(8, 4) << QPointF(8, 14) << QPointF(1.5, 12.5);
    right << QPointF(14.5, 2.5) << QPointF(8, 4) << QPointF(8, 14) << QPointF(14.5, 12.5);
    p.drawPolygon(left);
    p.drawPolygon(right);
    p.setPen(QPen(QColor(120, 120, 120), 0.7));
    for (const qreal y : {6.0, 8.5, 11.0}) {
        p.drawLine(QPointF(3, y), QPointF(6.5, y + 0.6));
        p.drawLine(QPointF(9.5, y + 0.6), QPointF(13, y));
    }
}

void DatePage(QPainter& p) {
    Page(p, QColor(210, 50, 50));
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(30, 60, 160));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(3.5 + col * 3.5, 7.5 + row * 3.5, 1.5, 1.5));
}

void FactsPage(QPainter& p) {
    Page(p, QColor(0, 0, 240));
    const QColor lines[] = {QColor(0, 0, 240), QColor(0, 0, 0), QColor(128, 128, 128), QColor(0, 125, 0)};
    qreal y = 7.5;
    for (const QColor& colour : lines) {
        p.setPen(QPen(colour, 1.2));
        p.drawLine(QPointF(3.5, y), QPointF(12.5, y));
        y += 2;
    }
}

void Cycle(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    const QRectF circle(2.5, 2.5, 11, 11);
    p.setPen(QPen(kOutline, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(circle, 30 * 16, 300 * 16);
    p.setPen(QPen(QColor(110, 215, 120), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(circle, 30 * 16, 300 * 16);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(110, 215, 120));
    QPolygonF head;
    head << QPointF(10.5, 0.5) << QPointF(15.5, 4.5) << QPointF(9.5, 6.5);
    p.drawPolygon(head);
}

void FixedDays(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 1.5, 1.5);
    for (int i = 0; i < 4; ++i) {
        const qreal y = 3 + i * 3.2;
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(i % 2 ? QColor(230, 60, 60) : QColor(0, 0, 240));
        p.drawEllipse(QPointF(4.5, y), 1.3, 1.3);
        p.setPen(QPen(QColor(110, 110, 110), 1.1));
        p.drawLine(QPointF(7, y), QPointF(12.5, y));
    }
}

void Magnifier(QPainter& p) {
    Page(p, QColor(0, 0, 240));
    p.setBrush(QColor(200, 230, 255, 220));
    p.setPen(QPen(kOutline, 1.3));
    p.drawEllipse(QPointF(7.5, 9.5), 3.5, 3.5);
    p.setPen(QPen(kOutline, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.3, 12.3), QPointF(14, 15));
}

} // namespace

QIcon DayPanelImage(int image) {
    switch (image) {
    case kDayImageYahrzeit: return Drawn(Candle);
    case kDayImageBirthday: return Drawn(Cake);
    case kDayImageHolidays: return Drawn(Star);
    case kDayImageOneTime: return Drawn(Flag);
    case kDayImageAnniversary: return Drawn(Rings);
    case kDayImagePortion: return Drawn(Scroll);
    case kDayImageStudy: return Drawn(Book);
    case kDayImageDate: return Drawn(DatePage);
    default: return {};
    }
}

QIcon YearPanelImage(int image) {
    switch (image) {
    case kYearImageFacts: return Drawn(FactsPage);
    case kYearImageCycles: return Drawn(Cycle);
    case kYearImageFixedDays: return Drawn(FixedDays);
    default: return {};
    }
}

QIcon DetailsButtonImage() { return Drawn(Magnifier); }

std::vector<QIcon> PanelImages(int count, QIcon (*image)(int)) {
    std::vector<QIcon> images;
    for (int i = 0; i < count; ++i)
        images.push_back(image(i));
    return images;
}

} // namespace vessant::ui
