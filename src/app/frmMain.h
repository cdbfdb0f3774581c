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
#include <vector>

class QAction;
class QTabWidget;

namespace grim {
class QtSocket;
}
namespace grim::app {
class ComputerSeat;
class DeckView;
class Glance;
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

    // Runs one core handler on the core, then renders. One event at a time: a handler that
    // arrives while another runs (a tick or a click delivered inside a modal box's event
    // loop) waits in a queue and runs after the current one has returned.
    void forward(std::function<void(grim::Window&)> handler);

    // What the window shows; it changes only through forward.
    const grim::Window& core() const { return core_; }

    // No handler is running and none waits.
    bool idle() const { return !busy_ && pending_.empty(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The ports the window owns; declared before core_, which refers to them.
    struct OwnedPorts;
    std::unique_ptr<OwnedPorts> owned_;
    static grim::Ports portsFor(OwnedPorts& owned, const Overrides& overrides);
    grim::QtSocket& socket_();

    grim::Window core_;
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

    // Connecting events to handlers.
    void wireInputs();
    void wireRoutes(); // the clicks, keys and ticks of the controls, from the table of routes
    void wireSocket();
    void installHints();
    void wireKeys();
    void setBoardTabOrder();
    // Marks the frame of the side whose turn controls are enabled.
    void showTurn();

    template <class T> T* control(const char* name) const;

    void Form_Load();
    void Form_Unload();

    // The binding of each core control to its object, in the order of forEachControl.
    std::vector<grim::app::ControlBinding> bindings_;
    void bindControls();

    // Shows the core's state in the widgets: only what changed is touched.
    void render();

    bool busy_ = false;
    std::deque<std::function<void(grim::Window&)>> pending_;

    QTabWidget* tabs_ = nullptr;
    QWidget* gameTab_ = nullptr;
    grim::app::HintFilter* hints_ = nullptr;
    // OPTIONS > HINT: enabled while a side may have a hint.
    QAction* smnHint_ = nullptr;
    grim::app::Glance* glance_ = nullptr; // the status line, the last-turn box, the card face
    grim::app::DeckView* deckView_ = nullptr; // the deck editor's search, filters, order and summary
    void keepSelectionShown(); // a catalogue selection the filter hides moves to a card shown
    // Plays player 2 in VS COMPUTER. Declared last: it is destroyed first, waiting for its
    // search to end before anything else of the window goes.
    std::unique_ptr<grim::app::ComputerSeat> computer_;
};

template <class T> T* frmMain::control(const char* name) const {
    return findChild<T*>(QString::fromLatin1(name));
}
