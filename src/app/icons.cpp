#include "app/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace grim::app {

namespace {
constexpr int side = 48; // painted large, shown small: sharp on high-density screens

QPixmap canvas() {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void card(QPainter& p, const QRectF& r, const QColor& fill) {
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(fill);
    p.drawRoundedRect(r, 4, 4);
}
} // namespace

QIcon openDeckIcon() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The back of the folder, the cards sticking out of it, then the open front flap.
    p.setPen(QPen(QColor(120, 80, 20), 2));
    p.setBrush(QColor(214, 160, 60));
    QPainterPath back;
    back.moveTo(4, 12);
    back.lineTo(18, 12);
    back.lineTo(22, 16);
    back.lineTo(42, 16);
    back.lineTo(42, 42);
    back.lineTo(4, 42);
    back.closeSubpath();
    p.drawPath(back);
    card(p, QRectF(12, 8, 18, 24), QColor(250, 250, 245));
    card(p, QRectF(20, 6, 18, 24), QColor(200, 60, 60));
    p.setPen(QPen(QColor(120, 80, 20), 2));
    p.setBrush(QColor(240, 190, 80));
    QPainterPath flap;
    flap.moveTo(2, 24);
    flap.lineTo(38, 24);
    flap.lineTo(46, 42);
    flap.lineTo(6, 42);
    flap.closeSubpath();
    p.drawPath(flap);
    p.end();
    return QIcon(pixmap);
}

QIcon drawCardIcon() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    card(p, QRectF(6, 4, 26, 38), QColor(250, 250, 245));
    p.setPen(QPen(QColor(200, 60, 60), 2));
    p.drawRect(QRectF(11, 9, 16, 28));
    // The plus sign in a green disc at the card's corner.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 60));
    p.drawEllipse(QPointF(34, 34), 12, 12);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34, 27), QPointF(34, 41));
    p.drawLine(QPointF(27, 34), QPointF(41, 34));
    p.end();
    return QIcon(pixmap);
}

} // namespace grim::app
