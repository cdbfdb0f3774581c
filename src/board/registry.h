// Every control of the window by its name, so the window and the tests can reach a
// control the way the program names it ("btnAddU1", "txtAttU2_3", "smnOffline").
#pragma once

#include "board/window.h"

#include <string>

namespace grim {

// Calls f(name, control) for every control of the window; control is a Switch,
// TextBox, ListBox or Timer. Elements of control arrays are named with their index
// after an underscore: "txtAttU1_1" to "txtAttU1_5".
template <class W, class F> void forEachControl(W& w, F&& f) {
    auto sideControls = [&f](auto& s, const std::string& u) {
        f("lstDeck" + u, s.lstDeck);
        f("lstHand" + u, s.lstHand);
        f("cmbGrave" + u, s.cmbGrave);
        f("txtDeckCnt" + u, s.txtDeckCnt);
        f("txtHandCnt" + u, s.txtHandCnt);
        f("txtGraveCnt" + u, s.txtGraveCnt);
        f("txtLp" + u, s.txtLp);
        f("txtSacriCnt" + u, s.txtSacriCnt);
        for (int i = 1; i <= 5; ++i) {
            f("txtAtt" + u + "_" + std::to_string(i), s.txtAtt[static_cast<std::size_t>(i - 1)]);
            f("lblAtt" + u + "_" + std::to_string(i), s.lblAtt[static_cast<std::size_t>(i - 1)]);
        }
        f("cmbSlotA" + u, s.cmbSlotA);
        f("cmbSlotB" + u, s.cmbSlotB);
        f("btnOpen" + u, s.btnOpen);
        f("btnQ5" + u, s.btnQ5);
        f("btnAdd" + u, s.btnAdd);
        f("btnSacri" + u, s.btnSacri);
        f("btnSpecial" + u, s.btnSpecial);
        f("btnField" + u, s.btnField);
        f("btnDirect" + u, s.btnDirect);
        f("btnMaster" + u, s.btnMaster);
        f("btnAttack" + u, s.btnAttack);
        f("btnEnd" + u, s.btnEnd);
    };
    sideControls(w.u1, "U1");
    sideControls(w.u2, "U2");

    auto& d = w.deck;
    f(std::string("lstDeck"), d.lstDeck);
    f(std::string("lstRegCards"), d.lstRegCards);
    f(std::string("lstSpcCards"), d.lstSpcCards);
    f(std::string("txtDeckCount"), d.txtDeckCount);
    f(std::string("txtRegCnt"), d.txtRegCnt);
    f(std::string("txtSpcCnt"), d.txtSpcCnt);
    f(std::string("txtDesc"), d.txtDesc);
    f(std::string("txtInstruct"), d.txtInstruct);
    f(std::string("btnUp"), d.btnUp);
    f(std::string("btnDown"), d.btnDown);
    f(std::string("btnTop"), d.btnTop);
    f(std::string("txtBottom"), d.txtBottom);
    f(std::string("btnSave"), d.btnSave);
    f(std::string("btnOpen"), d.btnOpen);
    f(std::string("btnClose"), d.btnClose);

    auto& o = w.online;
    f(std::string("txtPlayer"), o.txtPlayer);
    f(std::string("txtIp"), o.txtIp);
    f(std::string("txtPort"), o.txtPort);
    f(std::string("txtServer"), o.txtServer);
    f(std::string("txtRoom"), o.txtRoom);
    f(std::string("txtMsg"), o.txtMsg);
    f(std::string("btnHost"), o.btnHost);
    f(std::string("btnJoin"), o.btnJoin);
    f(std::string("btnDisconnect"), o.btnDisconnect);
    f(std::string("btnSet"), o.btnSet);
    f(std::string("optPlayer1"), o.optPlayer1);
    f(std::string("optPlayer2"), o.optPlayer2);

    auto& m = w.menu;
    f(std::string("smnOffline"), m.smnOffline);
    f(std::string("smnOnline"), m.smnOnline);
    f(std::string("smnComputer"), m.smnComputer);
    f(std::string("smnRestore"), m.smnRestore);
    f(std::string("smnNewGame"), m.smnNewGame);
    f(std::string("smnSounds"), m.smnSounds);
    f(std::string("smnSoundsOn"), m.smnSoundsOn);
    f(std::string("smnSoundsOff"), m.smnSoundsOff);
    f(std::string("smnCreator"), m.smnCreator);
    f(std::string("smnCredits"), m.smnCredits);
    f(std::string("smnComments"), m.smnComments);
    f(std::string("smnLevel"), m.smnLevel);
    f(std::string("smnLevelEasy"), m.smnLevelEasy);
    f(std::string("smnLevelNormal"), m.smnLevelNormal);
    f(std::string("smnLevelHard"), m.smnLevelHard);

    auto& t = w.timers;
    f(std::string("tmrTurnLimit"), t.tmrTurnLimit);
    f(std::string("tmrConnect"), t.tmrConnect);
    f(std::string("tmrWait"), t.tmrWait);
    f(std::string("tmrUpdate"), t.tmrUpdate);
    f(std::string("tmrSynch"), t.tmrSynch);

    f(std::string("txtMins"), w.txtMins);
    f(std::string("txtUpdates"), w.txtUpdates);
    f(std::string("txtDescControls"), w.txtDescControls);
    f(std::string("txtChat"), w.txtChat);
    f(std::string("txtHelp"), w.txtHelp);
}

} // namespace grim
