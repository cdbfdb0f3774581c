#include "app/glance.h"

#include "app/card_face.h"
#include "app/widgets.h"
#include "board/status_line.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace grim::app {

Glance::Glance(const Window& core, QStatusBar* bar, QObject* parent)
    : QObject(parent), core_(core), status_(new QLabel()), seconds_(new QTimer(this)),
      lastTurn_(textBox(QStringLiteral("txtLastTurn"))), face_(new CardFace()) {
    bar->setObjectName(QStringLiteral("staMain"));
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setTextFormat(Qt::PlainText);
    bar->addWidget(status_, 1);
    seconds_->setObjectName(QStringLiteral("tmrSeconds"));
    seconds_->setInterval(1000);
    connect(seconds_, &QTimer::timeout, this, &Glance::showStatus);
    lastTurn_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    lastTurn_->setPlaceholderText(QStringLiteral("What the other side did in its last turn shows here."));
}

void Glance::show() {
    // The turn timer's seconds are counted from its last start, as the window's real timer is.
    const Timer& turn = core_.timers.tmrTurnLimit;
    if (turn.on() && (!turnTimerOn_ || turn.restarts() != turnRestarts_)) {
        turnClock_.start();
        seconds_->start();
    } else if (!turn.on() && turnTimerOn_) {
        seconds_->stop();
    }
    turnTimerOn_ = turn.on();
    turnRestarts_ = turn.restarts();
    showStatus();

    watch_.observe(core_);
    if (watch_.changes() != shownChanges_) {
        shownChanges_ = watch_.changes();
        QString text;
        for (const TurnChange& change : shownChanges_)
            text += QString::fromLatin1(changeText(change)) + QLatin1Char('\n');
        lastTurn_->setPlainText(text.trimmed());
    }

    std::optional<CardId> card;
    std::optional<int> power;
    if (const auto& seen = core_.inspected) {
        card = seen->card;
        if (seen->side) {
            const FieldSlot& slot = core_.side(*seen->side).slot(seen->slot);
            if (slot.card == seen->card) power = slot.power;
        }
    }
    face_->show(card, power);
}

void Glance::showStatus() {
    const Status s = statusOf(core_, turnTimerOn_ ? turnClock_.elapsed() : 0);
    const QString text = QString::fromLatin1(statusText(s));
    if (status_->text() != text) status_->setText(text);
    if (status_->property("urgent").toBool() != s.urgent) {
        status_->setProperty("urgent", s.urgent);
        status_->style()->unpolish(status_);
        status_->style()->polish(status_);
    }
}

} // namespace grim::app
