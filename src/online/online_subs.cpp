#include "online/online_subs.h"

#include "board/game_subs.h"

namespace grim::onlineSubs {

void disableOnlineControls(Window& w) {
    auto& o = w.online;
    o.txtMsg.enabled = false;
    o.btnHost.enabled = false;
    o.btnJoin.enabled = false;
    o.btnDisconnect.enabled = false;
    o.btnSet.enabled = false;
    o.optPlayer1.enabled = false;
    o.optPlayer2.enabled = false;
    lockConnectionFields(w);
}

void enableConnectionControls(Window& w) {
    auto& o = w.online;
    o.btnHost.enabled = true;
    o.btnJoin.enabled = true;
    o.txtPlayer.enabled = true;
    o.txtIp.enabled = true;
    o.txtPort.enabled = true;
}

void hideDeckAndHandLists(Window& w) {
    gameSubs::setListsVisible(w, false);
}

void lockConnectionFields(Window& w) {
    w.online.txtPlayer.enabled = false;
    w.online.txtIp.enabled = false;
    w.online.txtPort.enabled = false;
}

} // namespace grim::onlineSubs
