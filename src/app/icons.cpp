#include "app/icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

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

void folderPart(QPainter& p, const QPolygonF& outline, const QColor& edge, const QColor& fill) {
    p.setPen(QPen(edge, 2));
    p.setBrush(fill);
    p.drawPolygon(outline);
}
} // namespace

QIcon openDeckIcon() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The back of the folder, the cards sticking out of it, then the open front flap.
    const QColor folderEdge(120, 80, 20);
    folderPart(p, {{4, 12}, {18, 12}, {22, 16}, {42, 16}, {42, 42}, {4, 42}}, folderEdge,
               QColor(214, 160, 60));
    card(p, QRectF(12, 8, 18, 24), QColor(250, 250, 245));
    card(p, QRectF(20, 6, 18, 24), QColor(200, 60, 60));
    folderPart(p, {{2, 24}, {38, 24}, {46, 42}, {6, 42}}, folderEdge, QColor(240, 190, 80));
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

namespace {
// A card of the program's icon, on the icon's 64-unit grid, turned by angle degrees about
// (cx, cy).
void iconCard(QPainter& p, qreal angle, qreal cx, qreal cy, const QRectF& r) {
    p.save();
    p.translate(cx, cy);
    p.rotate(angle);
    p.translate(-cx, -cy);
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 2));
    p.setBrush(QColor(0xf4, 0xef, 0xe1));
    p.drawRoundedRect(r, 3, 3);
}
} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4a, 0x14, 0x14));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        iconCard(p, -14, 27, 29, QRectF(14, 10, 26, 38));
        p.restore();
        iconCard(p, 10, 37, 33, QRectF(24, 14, 26, 38));
        const QColor red(0xb3, 0x26, 0x1e);
        p.setPen(QPen(red, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(28, 18, 18, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawPolygon(QPolygonF({{37, 24}, {42, 33}, {37, 42}, {32, 33}}));
        p.restore();
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace grim::app
