// The menu bar, the "HELP" tab and the window's timers.
#include "app/frmMain.h"

#include "app/slot_label.h"
#include "app/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

QWidget* frmMain::buildHelpTab() {
    auto* tab = new QWidget();
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(10, 10, 10, 10);
    auto* help = grim::app::textBox(QStringLiteral("txtHelp"));
    // The help text is laid out in columns of plain characters.
    help->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(help);
    return tab;
}

namespace {
QAction* item(QMenu* menu, const char* name, const char* text, bool checkable = false) {
    QAction* action = menu->addAction(QLatin1String(text));
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}
} // namespace

void frmMain::buildMenu() {
    QMenu* options = menuBar()->addMenu(QStringLiteral("&OPTIONS"));
    options->setObjectName(QStringLiteral("mnOptions"));
    item(options, "smnOffline", "O&FFLINE", true);
    item(options, "smnOnline", "O&NLINE", true);
    item(options, "smnComputer", "VS &COMPUTER", true);
    options->addSeparator();
    item(options, "smnRestore", "R&ESTORE");
    item(options, "smnNewGame", "NEW &GAME");
    options->addSeparator();
    QMenu* sounds = options->addMenu(QStringLiteral("&SOUNDS"));
    sounds->setObjectName(QStringLiteral("smnSounds"));
    item(sounds, "smnSoundsOn", "O&N", true);
    item(sounds, "smnSoundsOff", "O&FF", true);

    QMenu* about = menuBar()->addMenu(QStringLiteral("&ABOUT"));
    about->setObjectName(QStringLiteral("mnAbout"));
    item(about, "smnCreator", "&CREATOR");
    item(about, "smnCredits", "CREDI&TS");
    item(about, "smnComments", "CO&MMENTS");
}

void frmMain::buildTimers() {
    for (const char* name : {"tmrTurnLimit", "tmrConnect", "tmrWait", "tmrUpdate", "tmrSynch"}) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
    }
}

void frmMain::onClick(const char* name, void (frmMain::*handler)()) {
    QObject* object = findChild<QObject*>(QLatin1String(name));
    if (auto* action = qobject_cast<QAction*>(object))
        connect(action, &QAction::triggered, this, handler);
    else if (auto* label = qobject_cast<grim::app::SlotLabel*>(object))
        connect(label, &grim::app::SlotLabel::clicked, this, handler);
    else if (auto* b = qobject_cast<QAbstractButton*>(object))
        connect(b, &QAbstractButton::clicked, this, handler);
    else
        qFatal("frmMain::onClick: no clickable control named %s", name);
}

void frmMain::wireMenu() {
    onClick("smnSoundsOn", &frmMain::smnSoundsOn_Click);
    onClick("smnSoundsOff", &frmMain::smnSoundsOff_Click);
    onClick("smnCreator", &frmMain::smnCreator_Click);
    onClick("smnCredits", &frmMain::smnCredits_Click);
    onClick("smnComments", &frmMain::smnComments_Click);
    onClick("smnOffline", &frmMain::smnOffline_Click);
    onClick("smnComputer", &frmMain::smnComputer_Click);
    onClick("smnNewGame", &frmMain::smnNewGame_Click);
    // ONLINE (smnOnline) and the online timers: frmMain_online.cpp.
    // R&ESTORE has no action.
}

void frmMain::wireTimers() {
    // The turn timer; the online timers are wired with the online panel (frmMain_online.cpp).
    connect(control<QTimer>("tmrTurnLimit"), &QTimer::timeout, this, &frmMain::tmrTurnLimit_Timer);
}
