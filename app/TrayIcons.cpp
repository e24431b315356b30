#include "app/TrayIcons.h"

#include <QPainter>

#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace lumo {

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void drawBadge(QPainter &painter, int size, TrayState state) {
    // The lower right quarter and a bit: still readable at 16 pixels.
    const qreal side = size * 0.56;
    const QRectF badge(size - side, size - side, side, side);
    const qreal ring = std::max(1.0, size / 16.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, ring));
    switch (state) {
    case TrayState::Clicking:
        painter.setBrush(QColor(0x2e, 0xa0, 0x43));
        painter.drawEllipse(badge.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
        break;
    case TrayState::Playing: {
        painter.setBrush(QColor(0x1f, 0x5f, 0xd0));
        painter.drawRoundedRect(badge.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2), side / 6, side / 6);
        QPainterPath triangle;
        const QRectF inner = badge.adjusted(side * 0.3, side * 0.25, -side * 0.22, -side * 0.25);
        triangle.moveTo(inner.topLeft());
        triangle.lineTo(inner.right(), inner.center().y());
        triangle.lineTo(inner.bottomLeft());
        triangle.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(triangle);
        break;
    }
    case TrayState::Recording:
        painter.setBrush(QColor(0xd0, 0x1f, 0x1f));
        painter.setPen(QPen(Qt::white, ring * 2));
        painter.drawEllipse(badge.adjusted(ring, ring, -ring, -ring));
        break;
    case TrayState::Idle:
        break;
    }
}

} // namespace

QIcon trayIconFor(const QIcon &programIcon, TrayState state) {
    if (state == TrayState::Idle)
        return programIcon;
    QIcon icon;
    for (const int size : kSizes) {
        QPixmap pixmap = programIcon.pixmap(size, size);
        if (pixmap.isNull())
            pixmap = QPixmap(size, size);
        pixmap = pixmap.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&pixmap);
        drawBadge(painter, size, state);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace lumo
