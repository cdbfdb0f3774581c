#include "app/frmMain.h"

#include "app/about.h"
#include "app/computer_seat.h"
#include "app/control_binding.h"
#include "app/data_folder.h"
#include "app/hint_filter.h"
#include "app/icons.h"
#include "app/qt_socket.h"
#include "board/inspection.h"
#include "board/sound_subs.h"
#include "modes/computer_mode.h"
#include "modes/play_mode.h"
#include "program/startup.h"

#include <QCoreApplication>
#include <QFile>
#include <QTabWidget>

struct frmMain::OwnedPorts {
    OwnedPorts(frmMain* window, const QString& folder)
        : folder(folder), prompter(window, [window] { window->render(); }), sound(folder),
          random(grim::app::clockSeed()) {}
    QString folder; // where the help file and the sounds are
    grim::app::QtPrompter prompter;
    grim::app::QtSound sound;
    grim::app::QtClock clock;
    grim::SeededRandom random;
    grim::QtSocket socket;
};

namespace {
QString folderOrDefault(const QString& folder) {
    if (!folder.isEmpty()) return folder;
    return grim::app::findDataFolder(grim::app::dataFolderCandidates(QCoreApplication::applicationDirPath()));
}
} // namespace

grim::Ports frmMain::portsFor(OwnedPorts& owned, const Overrides& o) {
    return grim::Ports{o.prompter ? o.prompter : &owned.prompter, o.sound ? o.sound : &owned.sound,
                       &owned.clock, o.random ? o.random : &owned.random, &owned.socket};
}

frmMain::frmMain(const Overrides& overrides, QWidget* parent)
    : QMainWindow(parent),
      owned_(std::make_unique<OwnedPorts>(this, folderOrDefault(overrides.programFolder))),
      core(portsFor(*owned_, overrides)), programFolder_(owned_->folder) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("GRIMWARD - [VERSION 16]"));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabMain"));
    tabs_->addTab(scrolled(buildDeckTab()), QStringLiteral("DECK"));
    tabs_->addTab(scrolled(buildGameTab()), QStringLiteral("GAME"));
    tabs_->addTab(buildHelpTab(), QStringLiteral("HELP"));
    setCentralWidget(tabs_);
    // Frame titles and the captions of areas in bold; everything else in the normal font.
    // The two boards have a border of their own, green around the side to move.
    setStyleSheet(QStringLiteral(
        "QGroupBox, QLabel[caption=\"true\"] { font-weight: bold; } "
        "QGroupBox QWidget { font-weight: normal; } "
        "QGroupBox#fraBoardU1, QGroupBox#fraBoardU2 { border: 2px solid palette(mid); border-radius: 4px; "
        "margin-top: 1.5ex; padding-top: 1ex; } "
        "QGroupBox#fraBoardU1::title, QGroupBox#fraBoardU2::title { subcontrol-origin: margin; left: 8px; "
        "padding: 0 3px; } "
        "QGroupBox[turn=\"true\"] { border: 3px solid #2f9e44; background-color: rgba(47, 158, 68, 28); }"));
    setWindowIcon(grim::app::programIcon());
    fitToScreen();
    buildMenu();
    buildTimers();

    bindControls();
    wireInputs();
    wireDeckTab();
    wireGameTab();
    wireMenu();
    wireTimers();
    wireOnline();
    installHints();
    wireKeys();
    setBoardTabOrder();

    computer_ = std::make_unique<grim::app::ComputerSeat>(
        *this, overrides.computerSearch.value_or(grim::computer::SearchOptions{}),
        overrides.computerSearch ? overrides.computerSearch->seed : grim::app::clockSeed());

    Form_Load();
}

frmMain::~frmMain() = default;

grim::QtSocket& frmMain::socket_() {
    return owned_->socket;
}

void frmMain::runNow(std::function<void()> handler) {
    {
        busy_ = true;
        struct Release {
            bool& busy;
            ~Release() { busy = false; }
        } release{busy_};
        handler();
        render();
        while (!pending_.empty()) {
            auto next = std::move(pending_.front());
            pending_.pop_front();
            next();
            render();
        }
    }
    computer_->settled();
}

void frmMain::Form_Load() {
    forward([this] { grim::formLoad(core, QFile::encodeName(programFolder_).toStdString()); });
}

void frmMain::Form_Unload() {
    forward([this] { grim::formUnload(core); });
}

void frmMain::smnSoundsOn_Click() {
    forward([this] { grim::soundSubs::smnSoundsOn_Click(core); });
}
void frmMain::smnSoundsOff_Click() {
    forward([this] { grim::soundSubs::smnSoundsOff_Click(core); });
}

void frmMain::smnCreator_Click() {
    forward(
        [this] { core.ports.prompter->message(grim::app::about::creator, grim::app::about::creatorTitle); });
}
void frmMain::smnCredits_Click() {
    forward(
        [this] { core.ports.prompter->message(grim::app::about::credits, grim::app::about::creditsTitle); });
}
void frmMain::smnComments_Click() {
    forward([this] {
        core.ports.prompter->message(grim::app::about::comments, grim::app::about::commentsTitle);
    });
}

void frmMain::smnOffline_Click() {
    forward([this] { grim::onlineSubs::smnOffline_Click(core); });
}
void frmMain::smnComputer_Click() {
    forward([this] { grim::computer::smnComputer_Click(core); });
}
void frmMain::smnNewGame_Click() {
    forward([this] { grim::onlineSubs::smnNewGame_Click(core); });
}

void frmMain::controlMouseMove(const QString& name) {
    forward([this, name = grim::app::toCore(name)] { grim::gameSubs::controlMouseMove(core, name); });
}
