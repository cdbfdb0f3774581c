#include "app/frmMain.h"

#include "app/computer_seat.h"
#include "app/control_binding.h"
#include "app/data_folder.h"
#include "app/deck_view.h"
#include "app/glance.h"
#include "app/icons.h"
#include "app/keyboard.h"
#include "app/qt_socket.h"
#include "online/online_handlers.h"
#include "cards/version.h"
#include "program/startup.h"

#include <QAction>
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
      core_(portsFor(*owned_, overrides)), programFolder_(owned_->folder) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("GRIMWARD - [VERSION %1]").arg(grim::gameVersion));

    glance_ = new grim::app::Glance(core_, statusBar(), this);
    deckView_ = new grim::app::DeckView(this);
    connect(deckView_, &grim::app::DeckView::changed, this, [this] { forward([](grim::Window&) {}); });
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
        "QGroupBox[turn=\"true\"] { border: 3px solid #2b8a3e; background-color: rgba(43, 138, 62, 28); } "
        "QLabel#lblStatus[urgent=\"true\"] { font-weight: bold; color: #a50e0e; }"));
    setWindowIcon(grim::app::programIcon());
    fitToScreen();
    buildMenu();
    grim::app::installQuit(this);
    buildTimers();

    bindControls();
    wireInputs();
    wireRoutes();
    wireSocket();
    installHints();
    wireKeys();
    grim::app::installTurnKeys(this, tabs_, gameTab_);
    setBoardTabOrder();

    computer_ = std::make_unique<grim::app::ComputerSeat>(
        *this, overrides.computerSearch.value_or(grim::computer::SearchOptions{}),
        overrides.computerSearch ? overrides.computerSearch->seed : grim::app::clockSeed());
    smnHint_ = control<QAction>("smnHint");
    connect(smnHint_, &QAction::triggered, computer_.get(), [this] { computer_->hint(); });

    Form_Load();
}

frmMain::~frmMain() = default;

grim::QtSocket& frmMain::socket_() {
    return owned_->socket;
}

void frmMain::forward(std::function<void(grim::Window&)> handler) {
    if (busy_) {
        pending_.push_back(std::move(handler));
        return;
    }
    {
        busy_ = true;
        struct Release {
            bool& busy;
            ~Release() { busy = false; }
        } release{busy_};
        handler(core_);
        render();
        while (!pending_.empty()) {
            auto next = std::move(pending_.front());
            pending_.pop_front();
            next(core_);
            render();
        }
    }
    computer_->settled();
}

void frmMain::Form_Load() {
    forward([folder = QFile::encodeName(programFolder_).toStdString()](grim::Window& core) {
        grim::formLoad(core, folder);
    });
}

void frmMain::Form_Unload() {
    forward(grim::formUnload);
}

// The socket's events, each forwarded as it comes.
void frmMain::wireSocket() {
    using namespace grim::onlineSubs;
    grim::QtSocket* socket = &socket_();
    connect(socket, &grim::QtSocket::connectionRequest, this, [this](qint32 requestId) {
        forward([requestId](grim::Window& core) { Winsock_ConnectionRequest(core, requestId); });
    });
    connect(socket, &grim::QtSocket::connected, this, [this] { forward(Winsock_Connect); });
    connect(socket, &grim::QtSocket::messageArrived, this, [this](const std::string& message) {
        forward([message](grim::Window& core) { Winsock_DataArrival(core, message); });
    });
    connect(socket, &grim::QtSocket::closedByPeer, this, [this] { forward(Winsock_Close); });
    connect(socket, &grim::QtSocket::errorOccurred, this, [this](int number, const std::string& description) {
        forward([number, description](grim::Window& core) { Winsock_Error(core, number, description); });
    });
}
