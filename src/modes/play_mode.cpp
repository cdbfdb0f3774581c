#include "modes/play_mode.h"

#include "board/game_subs.h"
#include "board/message_log.h"
#include "online/link.h"
#include "board/turn_state.h"
#include "online/online_handlers.h"
#include "online/online_subs.h"

namespace grim::onlineSubs {

namespace {

// The mode items unchecked and enabled again, NEW GAME disabled, the board empty.
void backToNoMode(Window& w) {
    uncheckModes(w);
    w.menu.smnNewGame.enabled = false;
    w.computerDeck.clear();
    gameSubs::newGameReset(w);
}

} // namespace

void chooseMode(Window& w, Switch& chosen) {
    // Every game starts on an empty board, also after a connection ended with its game
    // still on the board.
    gameSubs::newGameReset(w);
    Menu& m = w.menu;
    for (Switch* mode : {&m.smnOffline, &m.smnOnline, &m.smnComputer})
        mode->enabled = false;
    chosen.checked = true;
    m.smnNewGame.enabled = true;
}

void smnOffline_Click(Window& w) {
    if (!w.menu.smnOffline.enabled) return;
    chooseMode(w, w.menu.smnOffline);
    w.u1.btnOpen.enabled = true;
}

void smnOnline_Click(Window& w) {
    if (!w.menu.smnOnline.enabled) return;
    chooseMode(w, w.menu.smnOnline);
    enableConnectionControls(w);
    hideDeckAndHandLists(w);
}

void smnNewGame_Click(Window& w) {
    if (!w.menu.smnNewGame.enabled) return;
    if (oneMachine(w)) {
        if (!w.ports.prompter->ask(MessageId::newGameQuestion)) return;
        backToNoMode(w);
        return;
    }
    if (socketConnected(w)) {
        // While connected, a new game needs the other window's consent.
        requestRestart(w);
        return;
    }
    // Online but not connected: a join or hosting that never connected, or a connection
    // that has ended.
    backToNoMode(w);
    disableOnlineControls(w);
    w.ports.socket->close();
}

} // namespace grim::onlineSubs
