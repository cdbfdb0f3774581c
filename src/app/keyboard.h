// Keyboard play on the GAME tab: a key for each turn button of the side whose turn it is,
// 1 to 5 for SLOT A and Shift+1 to Shift+5 for SLOT B. A key clicks its button only where
// the button is enabled and shown, exactly as a mouse click would; each button's tooltip
// names its key.
#pragma once

#include <QKeySequence>

#include <vector>

class QTabWidget;
class QWidget;
class frmMain;

namespace grim::app {

struct TurnKey {
    const char* control; // the control's name without its side suffix
    QKeySequence key;
    const char* what; // what the key does, for the tooltip
};

// The keys of the turn buttons, in the order of the board.
const std::vector<TurnKey>& turnKeys();

// Installs the keys on the window; they act while the GAME tab (gameTab, a page of tabs) shows.
void installTurnKeys(frmMain* window, QTabWidget* tabs, QWidget* gameTab);

// Adds QUIT (Ctrl+Q) at the end of the OPTIONS menu; it closes the window as its close
// button does, with the same question when a deck or a game would be lost.
void installQuit(frmMain* window);

} // namespace grim::app
