// The program's one window. It owns the real widgets, renders the core's controls into
// them after every event, and forwards every click, tick and key to the core's handlers.
#pragma once

#include "app/qt_ports.h"
#include "board/window.h"
#include "computer/search.h"

#include <QMainWindow>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QTabWidget;
class QTimer;

namespace grim {
class QtSocket;
}
namespace grim::app {
class ComputerSeat;
class HintFilter;
struct ControlBinding;
} // namespace grim::app

// Replacements for the real ports and the program folder, for tests. A null port or an
// empty folder means the real one (the folder of the executable).
struct frmMainOverrides {
    grim::Prompter* prompter = nullptr;
    grim::Random* random = nullptr;
    grim::Sound* sound = nullptr;
    QString programFolder;
    // How the computer searches in VS COMPUTER, its seed that of the first search; none
    // means the defaults, seeded from the clock.
    std::optional<grim::computer::SearchOptions> computerSearch;
};

class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    using Overrides = frmMainOverrides;

    explicit frmMain(const Overrides& overrides = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs one core handler, then renders. One event at a time: a handler that arrives
    // while another runs (a tick or a click delivered inside a modal box's event loop)
    // waits in a queue and runs after the current one has returned.
    template <class F> void forward(F&& handler) {
        if (busy_) {
            pending_.emplace_back(std::forward<F>(handler));
            return;
        }
        runNow(std::function<void()>(std::forward<F>(handler)));
    }

    // Shows the core's state in the widgets: only what changed is touched.
    void render();

    // No handler is running and none waits.
    bool idle() const { return !busy_ && pending_.empty(); }

  public slots:
    // The "DECK" tab: the deck editor.
    void lstRegCards_Click();
    void lstRegCards_DblClick();
    void lstSpcCards_Click();
    void lstSpcCards_DblClick();
    void lstDeck_Click();
    void lstDeck_DblClick();
    void btnUp_Click();
    void btnDown_Click();
    void btnTop_Click();
    void txtBottom_Click();
    void btnClose_Click();
    void btnSave_Click();
    void btnOpen_Click();

    // Menu handlers of the shell.
    void smnSoundsOn_Click();
    void smnSoundsOff_Click();
    void smnCreator_Click();
    void smnCredits_Click();
    void smnComments_Click();

    // Play mode selection.
    void smnOffline_Click();
    void smnNewGame_Click();
    void smnOnline_Click();
    void smnComputer_Click();

    // Online play: the panel's controls, the online timers and the socket's events.
    void btnHost_Click();
    void btnJoin_Click();
    void btnDisconnect_Click();
    void btnSet_Click();
    void txtMsg_KeyPress(int keyAscii);
    void txtPlayer_Click();
    void tmrConnect_Timer();
    void tmrWait_Timer();
    void tmrUpdate_Timer();
    void tmrSynch_Timer();
    void Winsock_ConnectionRequest(qint32 requestId);
    void Winsock_Connect();
    void Winsock_Close();
    void Winsock_Error(int number, const std::string& description);
    void Winsock_DataArrival(const std::string& message);

    // The GAME tab: the turn controls of both players, the turn timer and the card lists.
    void btnOpenU1_Click();
    void btnOpenU2_Click();
    void btnQ5U1_Click();
    void btnQ5U2_Click();
    void btnAddU1_Click();
    void btnAddU2_Click();
    void btnSacriU1_Click();
    void btnSacriU2_Click();
    void lblAttU1_Click(int index);
    void lblAttU2_Click(int index);
    void btnSpecialU1_Click();
    void btnSpecialU2_Click();
    void btnFieldU1_Click();
    void btnFieldU2_Click();
    void btnDirectU1_Click();
    void btnDirectU2_Click();
    void btnMasterU1_Click();
    void btnMasterU2_Click();
    void btnAttackU1_Click();
    void btnAttackU2_Click();
    void btnEndU1_Click();
    void btnEndU2_Click();
    void tmrTurnLimit_Timer();
    void lstDeckU1_Click();
    void lstDeckU2_Click();
    void lstHandU1_Click();
    void lstHandU2_Click();
    void cmbGraveU1_Click();
    void cmbGraveU2_Click();

    // The pointer moved over the GAME tab's control with this name (field slots as
    // "txtAttU1_3"), also over disabled buttons.
    void controlMouseMove(const QString& name);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The ports the window owns; declared before core, which refers to them.
    struct OwnedPorts;
    std::unique_ptr<OwnedPorts> owned_;
    static grim::Ports portsFor(OwnedPorts& owned, const Overrides& overrides);
    grim::QtSocket& socket_();

  public:
    grim::Window core;

  private:
    QString programFolder_;

    // Building the widget tree, by area.
    QWidget* buildDeckTab();
    QWidget* buildGameTab();
    QWidget* buildHelpTab();
    QWidget* buildBoard(const QString& u, const QString& title);
    QWidget* buildStatusPanel();
    QWidget* buildOnlinePanel();
    QWidget* buildChatPanel();
    void buildMenu();
    void buildTimers();
    static QWidget* scrolled(QWidget* content); // a tab's content, scrolling when squeezed
    void fitToScreen();

    // Connecting events to handlers, by area.
    void wireInputs();
    void wireDeckTab();
    void wireGameTab();
    void wireMenu();
    void wireTimers();
    void wireOnline();
    void installHints();
    void wireKeys();
    void setBoardTabOrder();
    // Marks the frame of the side whose turn controls are enabled.
    void showTurn();

    // Connects a button's, a clickable label's or a menu item's click to a handler slot.
    void onClick(const char* name, void (frmMain::*handler)());
    // Connects a list's clicks (and the selection the keys move) and double-clicks.
    void onListClicks(const char* name, void (frmMain::*click)(), void (frmMain::*doubleClick)());
    template <class T> T* control(const char* name) const;

    void Form_Load();
    void Form_Unload();

    // The binding of each core control to its object, in the order of forEachControl.
    std::vector<grim::app::ControlBinding> bindings_;
    void bindControls();

    void runNow(std::function<void()> handler);
    bool busy_ = false;
    std::deque<std::function<void()>> pending_;

    QTabWidget* tabs_ = nullptr;
    QWidget* gameTab_ = nullptr;
    grim::app::HintFilter* hints_ = nullptr;
    // Plays player 2 in VS COMPUTER. Declared last: it is destroyed first, waiting for its
    // search to end before anything else of the window goes.
    std::unique_ptr<grim::app::ComputerSeat> computer_;
};

template <class T> T* frmMain::control(const char* name) const {
    return findChild<T*>(QString::fromLatin1(name));
}
