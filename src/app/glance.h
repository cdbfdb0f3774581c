// What a player sees at a glance beside the rules' own controls: the status line (whose
// turn, the board's hand-over, the result, the time left to the second), the last-turn box
// and the card face. All of it is read from the core after every event; none of it is a
// control of the rules, and none of it writes into the core.
#pragma once

#include "board/last_turn.h"
#include "board/window.h"

#include <QElapsedTimer>
#include <QObject>

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QTimer;

namespace grim::app {

class CardFace;

class Glance final : public QObject {
    Q_OBJECT
  public:
    // Builds the status line into the bar, and the card face and the last-turn box for the
    // GAME tab to place.
    Glance(const Window& core, QStatusBar* bar, QObject* parent);

    CardFace* cardFace() const { return face_; }
    QPlainTextEdit* lastTurnBox() const { return lastTurn_; }

    // Shows the core as it is now: called after every event the core handled.
    void show();

  private:
    void showStatus();

    const Window& core_;
    QLabel* status_;
    QTimer* seconds_;         // ticks each second while the turn timer runs
    QElapsedTimer turnClock_; // since the turn timer was last switched on
    bool turnTimerOn_ = false;
    unsigned turnRestarts_ = 0;
    LastTurnWatch watch_;
    std::vector<TurnChange> shownChanges_;
    QPlainTextEdit* lastTurn_;
    CardFace* face_;
};

} // namespace grim::app
