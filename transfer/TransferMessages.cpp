#include "transfer/TransferMessages.h"

#include "text/TextTable.h"

#include <QDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vessant::transfer {
namespace {

std::function<void(MessageKind, const QString&, const QString&)>& MessageHook() {
    static std::function<void(MessageKind, const QString&, const QString&)> hook;
    return hook;
}

std::function<int(QDialog&)>& ModalHook() {
    static std::function<int(QDialog&)> hook;
    return hook;
}

QPixmap IconImage(int size) {
    QPixmap image(size, size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    // A page on the left, one on the right, an arrow from the first to the second.
    painter.setPen(QPen(QColor(60, 60, 60), 1.2));
    painter.setBrush(QColor(235, 235, 225));
    painter.drawRect(QRectF(2, 5, 11, 15));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(QRectF(19, 12, 11, 15));
    QPainterPath arrow;
    arrow.moveTo(8, 22);
    arrow.quadTo(9, 30, 20, 28);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 90, 170), 2.2));
    painter.drawPath(arrow);
    painter.setBrush(QColor(30, 90, 170));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({QPointF(17, 24.5), QPointF(23, 27.8), QPointF(17.5, 31)}));
    return image;
}

} // namespace

QString TransferText(int resourceId) { return Q(TextOfResource(resourceId)); }

QIcon TransferIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(IconImage(size));
    return icon;
}

void ShowTransferMessage(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) {
    if (MessageHook()) {
        MessageHook()(kind, caption, text);
        return;
    }
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(parent, caption, text);
        break;
    case MessageKind::Warning:
        QMessageBox::warning(parent, caption, text);
        break;
    case MessageKind::Error:
        QMessageBox::critical(parent, caption, text);
        break;
    }
}

int RunTransferModal(QDialog& dialog) {
    if (ModalHook())
        return ModalHook()(dialog);
    return dialog.exec();
}

void SetTransferMessageHook(std::function<void(MessageKind, const QString&, const QString&)> hook) {
    MessageHook() = std::move(hook);
}

void SetTransferModalHook(std::function<int(QDialog&)> hook) { ModalHook() = std::move(hook); }

} // namespace vessant::transfer
