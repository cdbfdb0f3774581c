// The menu bar, the "HELP" tab and the window's timers.
#include "app/frmMain.h"

#include "app/widgets.h"

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
    options->addSeparator();
    QMenu* level = options->addMenu(QStringLiteral("COMPUTER &LEVEL"));
    level->setObjectName(QStringLiteral("smnLevel"));
    item(level, "smnLevelEasy", "&EASY", true);
    item(level, "smnLevelNormal", "&NORMAL", true);
    item(level, "smnLevelHard", "&HARD", true);
    QAction* hint = item(options, "smnHint", "&HINT");
    hint->setShortcut(QKeySequence(Qt::Key_F1));
    hint->setShortcutContext(Qt::ApplicationShortcut);
    hint->setEnabled(false);

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
