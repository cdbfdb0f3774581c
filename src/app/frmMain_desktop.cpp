// What makes the window a desktop program beyond the game itself: its size on the screen,
// the keyboard paths of the board, the mark of the side to move, and
// the question before closing would lose a deck or a game.
#include "app/frmMain.h"

#include "board/turn_state.h"
#include "deck/query_unload.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace {
// The window's size on a screen with room enough; a smaller screen gets all it has.
constexpr QSize preferredSize(1240, 720);
// Room left for the window's title bar and borders, which the toolkit adds outside.
constexpr QSize decorations(10, 48);
} // namespace

QWidget* frmMain::scrolled(QWidget* content) {
    auto* area = new QScrollArea();
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

void frmMain::fitToScreen() {
    const QRect available = screen()->availableGeometry();
    const QSize room = (available.size() - decorations).expandedTo(QSize(320, 240));
    setMinimumSize(QSize(640, 480).boundedTo(room));
    resize(preferredSize.boundedTo(room));
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void frmMain::wireKeys() {
    // A board list that takes the focus gets no current entry of its own: only a card the
    // player picks looks picked.
    for (const char* name : {"lstDeckU1", "lstHandU1", "lstDeckU2", "lstHandU2"}) {
        auto* list = control<QListWidget>(name);
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, list,
                [list](const QModelIndex& current) {
                    if (current.isValid() && !list->selectionModel()->isSelected(current))
                        list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
                });
    }
}

void frmMain::setBoardTabOrder() {
    // Each board from the deck over the hand to the field and the attack, player 1 first.
    static const char* const order[] = {"lstDeck",  "btnOpen",    "btnAdd",   "btnQ5",     "lstHand",
                                        "btnSacri", "btnSpecial", "btnField", "lblAtt_1",  "lblAtt_2",
                                        "lblAtt_3", "lblAtt_4",   "lblAtt_5", "btnDirect", "btnMaster",
                                        "cmbGrave", "cmbSlotA",   "cmbSlotB", "btnAttack", "btnEnd"};
    QWidget* previous = nullptr;
    for (const QString& u : {QStringLiteral("U1"), QStringLiteral("U2")}) {
        for (const char* name : order) {
            QString full = QLatin1String(name);
            const qsizetype index = full.indexOf(QLatin1Char('_'));
            full.insert(index < 0 ? full.size() : index, u);
            auto* widget = findChild<QWidget*>(full);
            if (!widget) qFatal("frmMain::setBoardTabOrder: no control named %s", qPrintable(full));
            if (previous) setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

void frmMain::showTurn() {
    // The frame of the side to move is marked by the window's style sheet.
    for (const auto& [name, side] : {std::pair{"fraBoardU1", &core_.u1}, {"fraBoardU2", &core_.u2}}) {
        auto* board = control<QGroupBox>(name);
        const bool turn = grim::hasTurn(*side);
        if (board->property("turn").toBool() == turn) continue;
        board->setProperty("turn", turn);
        board->style()->unpolish(board);
        board->style()->polish(board);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    // A close that arrives while a message box is open waits for the player to answer it.
    if (busy_) {
        event->ignore();
        return;
    }
    bool mayClose = true;
    forward([&mayClose](grim::Window& core) { mayClose = grim::formQueryUnload(core); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}
