#include "app/card_face.h"

#include <QPainter>
#include <QPainterPath>

namespace grim::app {

namespace {
// The colour of a card's frame: regular cards by level, from pale to deep; special cards violet.
QColor frameColour(CardId card) {
    if (card.special()) return QColor(0x6a, 0x3d, 0x9a);
    static const QColor byLevel[] = {QColor(0x4d, 0x7f, 0x3a), QColor(0x2b, 0x6c, 0x8a),
                                     QColor(0x1f, 0x4e, 0x9a), QColor(0x8a, 0x5a, 0x00),
                                     QColor(0xa0, 0x32, 0x1e), QColor(0x70, 0x10, 0x10)};
    return byLevel[std::clamp(cardLevel(card.code()), 1, 6) - 1];
}
} // namespace

CardFace::CardFace(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("cardFace"));
    setMinimumSize(120, 150);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred); // gives way on a narrow screen
}

QSize CardFace::sizeHint() const {
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("[164] HORN BEETLE")) + 24, 190);
}

void CardFace::show(std::optional<CardId> card, std::optional<int> fieldPower) {
    if (card == card_ && fieldPower == fieldPower_) return;
    card_ = card;
    fieldPower_ = fieldPower;
    update();
}

QStringList CardFace::lines() const {
    if (!card_) return {};
    const CardInfo& c = info(*card_);
    const int code = card_->code();
    // The name without its code, which has a line of its own.
    QStringList out{QString::fromLatin1(c.name.substr(c.name.find(' ') + 1)),
                    QStringLiteral("[%1]").arg(code)};
    if (card_->special()) {
        out << QStringLiteral("SPECIAL") << QString::fromLatin1(c.type);
    } else {
        const FieldingCost cost = cardCost(code);
        out << QStringLiteral("REGULAR - LEVEL %1").arg(cardLevel(code)) << QString::fromLatin1(c.type)
            << QStringLiteral("POWER %1").arg(QString::fromLatin1(c.power))
            << (cost.life || cost.sacrificed
                    ? QStringLiteral("COST %1L %2C").arg(cost.life).arg(cost.sacrificed)
                    : QStringLiteral("NO COST"));
    }
    if (fieldPower_) out << QStringLiteral("ON FIELD: %1").arg(*fieldPower_);
    out << QString::fromLatin1(c.description);
    return out;
}

void CardFace::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(2, 2, -2, -2);
    QPainterPath outline;
    outline.addRoundedRect(card, 8, 8);
    if (!card_) {
        p.setPen(QPen(palette().color(QPalette::Mid), 1.5, Qt::DashLine));
        p.drawPath(outline);
        p.setPen(palette().color(QPalette::PlaceholderText));
        p.drawText(card, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Click a card\nto see its face"));
        return;
    }
    const QColor frame = frameColour(*card_);
    p.fillPath(outline, QColor(0xfb, 0xf8, 0xef));
    p.setPen(QPen(frame, 3));
    p.drawPath(outline);

    const QStringList text = lines();
    const int line = fontMetrics().lineSpacing();
    // The title band: name and code in white on the frame's colour.
    const QRectF band(card.left() + 4, card.top() + 4, card.width() - 8, line * 2 + 6);
    QPainterPath bandPath;
    bandPath.addRoundedRect(band, 5, 5);
    p.fillPath(bandPath, frame);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(band.adjusted(4, 2, -4, -line - 2), Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(text[0], Qt::ElideRight, int(band.width()) - 8));
    p.setFont(font());
    p.drawText(band.adjusted(4, line + 2, -4, -2), Qt::AlignLeft | Qt::AlignVCenter, text[1]);

    // The facts, one a line, then the effect text wrapped in what room is left.
    p.setPen(QColor(0x20, 0x20, 0x20));
    qreal y = band.bottom() + 4;
    const qsizetype facts = text.size() - 1;
    for (qsizetype i = 2; i < facts; ++i) {
        p.setFont(text[i].startsWith(QLatin1String("ON FIELD")) ? bold : font());
        p.drawText(QRectF(card.left() + 8, y, card.width() - 16, line), Qt::AlignLeft | Qt::AlignVCenter,
                   text[i]);
        y += line;
    }
    p.setFont(font());
    p.setPen(QPen(frame, 1));
    p.drawLine(QPointF(card.left() + 8, y + 3), QPointF(card.right() - 8, y + 3));
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(QRectF(card.left() + 8, y + 6, card.width() - 16, card.bottom() - y - 10),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text.back());
}

} // namespace grim::app
