// The right-hand column of the "GAME" tab: the turn clock and update progress, the
// description of the controls, the online settings and the message log with the chat.
#include "app/frmMain.h"

#include "app/card_face.h"
#include "app/glance.h"
#include "app/widgets.h"
#include "online/meeting_wire.h"
#include "online/online_subs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace grim::app;


QWidget* frmMain::buildStatusPanel() {
    auto* panel = new QWidget();
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    auto* mins = lineBox(QStringLiteral("txtMins"), true);
    auto* updates = lineBox(QStringLiteral("txtUpdates"), true);
    for (QLineEdit* box : {mins, updates}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFocusPolicy(Qt::NoFocus);
    }
    grid->addWidget(caption(QStringLiteral("TIME LEFT")), 0, 0);
    grid->addWidget(mins, 0, 1);
    grid->addWidget(caption(QStringLiteral("UPDATE")), 0, 2);
    grid->addWidget(updates, 0, 3);

    grid->addWidget(caption(QStringLiteral("DESCRIPTION OF GAME CONTROLS")), 1, 0, 1, 4);
    auto* description = textBox(QStringLiteral("txtDescControls"));
    // A whole card record where there is room; on a small screen the box scrolls, and the
    // last-turn box under it takes no more height than the window had before it.
    const int line = description->fontMetrics().lineSpacing();
    description->setMinimumHeight(line * 6 + 12);
    description->setMaximumHeight(line * 11 + 12);
    // The description with the face of the card it describes beside it, and the last turn under both.
    auto* described = new QHBoxLayout();
    described->setSpacing(6);
    described->addWidget(description, 1);
    described->addWidget(glance_->cardFace());
    grid->addLayout(described, 2, 0, 1, 4);
    auto* lastTurn = caption(QStringLiteral("LAST TURN"));
    lastTurn->setBuddy(glance_->lastTurnBox());
    grid->addWidget(lastTurn, 3, 0, 1, 4);
    glance_->lastTurnBox()->setMinimumHeight(line * 3 + 12);
    glance_->lastTurnBox()->setMaximumHeight(line * 8 + 12);
    grid->addWidget(glance_->lastTurnBox(), 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget* frmMain::buildOnlinePanel() {
    auto* online = frame(QStringLiteral("fraOnline"), QStringLiteral("ONLINE SETTINGS"));
    auto* grid = new QGridLayout(online);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    // SERVER and ROOM, on one row: meeting the other window through a meeting server (empty
    // room: direct play).
    const std::pair<const char*, const char*> boxes[] = {{"NAME", "txtPlayer"}, {"IP", "txtIp"},
                                                         {"PORT", "txtPort"},   {"SERVER", "txtServer"},
                                                         {"ROOM", "txtRoom"}};
    int r = 0;
    QHBoxLayout* meeting = nullptr;
    for (const auto& [text, name] : boxes) {
        auto* box = lineBox(QLatin1String(name), false);
        if (box->objectName() == QLatin1String("txtPlayer")) box->setMaxLength(grim::onlineSubs::longestName);
        if (box->objectName() == QLatin1String("txtRoom")) box->setMaxLength(int(grim::meet::longestRoom));
        if (box->objectName() == QLatin1String("txtServer")) box->setPlaceholderText(QStringLiteral("address:port"));
        auto* label = new QLabel(QLatin1String(text));
        label->setBuddy(box);
        if (meeting) {
            meeting->addWidget(label);
            meeting->addWidget(box, 2);
            continue;
        }
        grid->addWidget(label, r, 0);
        if (box->objectName() == QLatin1String("txtServer")) {
            meeting = new QHBoxLayout();
            meeting->setSpacing(6);
            meeting->addWidget(box, 3);
            grid->addLayout(meeting, r++, 1, 1, 2);
            continue;
        }
        grid->addWidget(box, r++, 1, 1, 2);
    }
    grid->addWidget(button(QStringLiteral("btnHost"), QStringLiteral("HOST GAME")), r, 0, 1, 1);
    grid->addWidget(button(QStringLiteral("btnJoin"), QStringLiteral("JOIN GAME")), r, 1);
    grid->addWidget(button(QStringLiteral("btnDisconnect"), QStringLiteral("DISCONNECT")), r++, 2);

    auto* player1 = new QRadioButton(QStringLiteral("PLAYER 1"));
    player1->setObjectName(QStringLiteral("optPlayer1"));
    auto* player2 = new QRadioButton(QStringLiteral("PLAYER 2"));
    player2->setObjectName(QStringLiteral("optPlayer2"));
    grid->addWidget(player1, r, 0);
    grid->addWidget(player2, r, 1);
    grid->addWidget(button(QStringLiteral("btnSet"), QStringLiteral("SET")), r, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return online;
}

QWidget* frmMain::buildChatPanel() {
    auto* messages = frame(QStringLiteral("fraChat"), QStringLiteral("GAME MESSAGES && ONLINE CHAT"));
    auto* layout = new QVBoxLayout(messages);
    layout->setSpacing(4);
    auto* chat = textBox(QStringLiteral("txtChat"));
    chat->setMinimumHeight(chat->fontMetrics().lineSpacing() * 6);
    layout->addWidget(chat, 1);
    auto* message = lineBox(QStringLiteral("txtMsg"), false);
    message->setMaxLength(grim::onlineSubs::longestChatText);
    auto* label = new QLabel(QStringLiteral("TYPE MESSAGE BELOW - [press ENTER key to send]"));
    label->setBuddy(message);
    // On a narrow screen the caption is cut at the right rather than widening the panel.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(label);
    layout->addWidget(message);
    return messages;
}
