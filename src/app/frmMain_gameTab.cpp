// The "GAME" tab: both players' boards beside the turn clock, the description of the
// controls, the online settings and the message log.
#include "app/frmMain.h"

#include "app/control_binding.h"

#include "app/hint_filter.h"
#include "app/icons.h"
#include "app/slot_label.h"
#include "app/widgets.h"
#include "board/inspection.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace grim::app;

QWidget* frmMain::buildGameTab() {
    gameTab_ = new QWidget();
    auto* layout = new QHBoxLayout(gameTab_);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    auto* boards = new QVBoxLayout();
    boards->setSpacing(6);
    boards->addWidget(buildBoard(QStringLiteral("U1"), QStringLiteral("PLAYER 1")));
    boards->addWidget(buildBoard(QStringLiteral("U2"), QStringLiteral("PLAYER 2")));
    layout->addLayout(boards, 7);

    auto* panel = new QVBoxLayout();
    panel->setSpacing(6);
    panel->addWidget(buildStatusPanel());
    panel->addWidget(buildOnlinePanel());
    panel->addWidget(buildChatPanel(), 1);
    layout->addLayout(panel, 3);
    return gameTab_;
}

// One player's board. Columns: deck, hand, the five field slots, then the graveyard, the
// counters and the attack's slot selectors; under each column the turn buttons acting on it
// (row 7).
QWidget* frmMain::buildBoard(const QString& u, const QString& title) {
    auto* board = frame(QStringLiteral("fraBoard") + u, title);
    auto* grid = new QGridLayout(board);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);

    auto header = [](const QString& text, QWidget* count) {
        auto* label = caption(text);
        label->setBuddy(count);
        return row({label}, true);
    };

    // Deck.
    auto* deckCount = countBox(QStringLiteral("txtDeckCnt") + u);
    auto* deckHeader = header(QStringLiteral("DECK"), deckCount);
    static_cast<QHBoxLayout*>(deckHeader->layout())->addWidget(deckCount);
    grid->addWidget(deckHeader, 0, 0);
    grid->addWidget(listBox(QStringLiteral("lstDeck") + u), 1, 0, 6, 1);
    auto* open = button(QStringLiteral("btnOpen") + u, QString());
    open->setIcon(openDeckIcon());
    auto* add = button(QStringLiteral("btnAdd") + u, QString());
    add->setIcon(drawCardIcon());
    for (QPushButton* picture : {open, add}) {
        picture->setIconSize(QSize(22, 22));
        picture->setFixedSize(40, 30);
    }
    auto* q5 = button(QStringLiteral("btnQ5") + u, QStringLiteral("Q5"));
    q5->setFixedSize(40, 30);
    grid->addWidget(row({open, add, q5}, true), 7, 0);

    // Hand.
    auto* handCount = countBox(QStringLiteral("txtHandCnt") + u);
    auto* handHeader = header(QStringLiteral("HAND"), handCount);
    static_cast<QHBoxLayout*>(handHeader->layout())->addWidget(handCount);
    grid->addWidget(handHeader, 0, 1);
    grid->addWidget(listBox(QStringLiteral("lstHand") + u), 1, 1, 6, 1);
    QList<QWidget*> handButtons;
    for (const auto& [name, text] : {std::pair{"btnSacri", "X"}, {"btnSpecial", "S"}, {"btnField", "F"}}) {
        auto* b = button(QLatin1String(name) + u, QLatin1String(text));
        b->setFixedSize(40, 30);
        handButtons.append(b);
    }
    grid->addWidget(row({handButtons[0], handButtons[1], handButtons[2]}, true), 7, 1);

    // Field: the slot labels, which sacrifice their slot's card when clicked, and the slots.
    grid->addWidget(caption(QStringLiteral("FIELD")), 0, 2, 1, 2);
    for (int i = 1; i <= 5; ++i) {
        const QString index = QStringLiteral("_") + QString::number(i);
        auto* label = new SlotLabel(QStringLiteral("SLOT ") + QString::number(i));
        label->setObjectName(QStringLiteral("lblAtt") + u + index);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SLOT 5")) + 14);
        grid->addWidget(label, i, 2);
        auto* slot = lineBox(QStringLiteral("txtAtt") + u + index, true);
        slot->setMinimumWidth(
            slot->fontMetrics().horizontalAdvance(QStringLiteral("[164] HORN BEETLE 32767")) + 8);
        slot->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(slot, i, 3);
    }
    auto* direct = button(QStringLiteral("btnDirect") + u, QStringLiteral("DIRECT"));
    auto* master = button(QStringLiteral("btnMaster") + u, QStringLiteral("MASTER"));
    grid->addWidget(row({direct, master}), 7, 2, 1, 2);

    // Graveyard, counters and the attack.
    auto* graveCount = countBox(QStringLiteral("txtGraveCnt") + u);
    auto* graveHeader = header(QStringLiteral("GRAVEYARD"), graveCount);
    static_cast<QHBoxLayout*>(graveHeader->layout())->addWidget(graveCount);
    grid->addWidget(graveHeader, 0, 4, 1, 2);
    auto* grave = dropDown(QStringLiteral("cmbGrave") + u);
    grave->setMinimumContentsLength(10);
    grave->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    grid->addWidget(grave, 1, 4, 1, 2);
    const std::pair<const char*, QWidget*> counters[] = {
        {"LIFE POINTS", countBox(QStringLiteral("txtLp") + u)},
        {"SACRIFICED", countBox(QStringLiteral("txtSacriCnt") + u)},
        {"SLOT A", dropDown(QStringLiteral("cmbSlotA") + u)},
        {"SLOT B", dropDown(QStringLiteral("cmbSlotB") + u)},
    };
    int r = 2;
    for (const auto& [text, widget] : counters) {
        auto* label = new QLabel(QLatin1String(text));
        label->setBuddy(widget);
        grid->addWidget(label, r, 4);
        if (auto* selector = qobject_cast<QComboBox*>(widget)) selector->setMinimumWidth(64);
        grid->addWidget(widget, r++, 5, Qt::AlignLeft);
    }
    auto* attack = button(QStringLiteral("btnAttack") + u, QStringLiteral("ATTACK"));
    auto* end = button(QStringLiteral("btnEnd") + u, QStringLiteral("END"));
    grid->addWidget(row({attack, end}), 7, 4, 1, 2);

    // Row 6 takes the height to spare: the lists grow, the slots and counters stay together.
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 4);
    grid->setColumnStretch(5, 2);
    return board;
}

void frmMain::installHints() {
    hints_ = new HintFilter(this);
    connect(hints_, &HintFilter::pointerOver, this, [this](const QString& name) {
        forward([name = toCore(name)](grim::Window& core) { grim::gameSubs::controlMouseMove(core, name); });
    });
    for (const auto& binding : bindings_)
        if (auto* widget = qobject_cast<QWidget*>(binding.object); widget && gameTab_->isAncestorOf(widget))
            hints_->watch(widget);
}
