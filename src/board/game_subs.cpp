#include "board/game_subs.h"

#include "board/numbers.h"
#include "board/sound_subs.h"

namespace grim::gameSubs {

namespace {

void setTurnControls(Side& s, bool enabled, bool includingOpen) {
    if (includingOpen) s.btnOpen.enabled = enabled;
    s.btnQ5.enabled = enabled;
    s.btnAdd.enabled = enabled;
    s.btnSacri.enabled = enabled;
    for (auto& label : s.lblAtt)
        label.enabled = enabled;
    s.btnSpecial.enabled = enabled;
    s.btnField.enabled = enabled;
    s.btnDirect.enabled = enabled;
    s.btnMaster.enabled = enabled;
    s.btnAttack.enabled = enabled;
    s.btnEnd.enabled = enabled;
}

void setListsVisible(Window& w, bool visible) {
    w.u1.lstDeck.visible = visible;
    w.u1.lstHand.visible = visible;
    w.u2.lstDeck.visible = visible;
    w.u2.lstHand.visible = visible;
}

void clearBoard(Window& w) {
    for (Side* s : {&w.u1, &w.u2}) {
        s->lstDeck.clear();
        s->lstHand.clear();
        s->cmbGrave.clear();
    }
    for (int i = 1; i <= 5; ++i) {
        w.u1.slot(i).text.clear();
        w.u2.slot(i).text.clear();
    }
    for (Side* s : {&w.u1, &w.u2}) {
        s->txtDeckCnt.text = "0";
        s->txtHandCnt.text = "0";
        s->txtSacriCnt.text = "0";
        s->txtGraveCnt.text = "0";
    }
    w.u1.txtLp.text = "25";
    w.u2.txtLp.text = "25";
    w.u1.turnSacrifices = 0;
    w.u2.turnSacrifices = 0;
    w.timePassed = 0;
    w.txtMins.text = "3 MINUTES"; // the time shown agrees with timePassed
}

} // namespace

void disableSide(Window& w, std::string_view side) {
    if (side == "u1" || side == "u2") {
        Side& s = w.side(side);
        s.turnSacrifices = 0;
        setTurnControls(s, false, true);
    } else if (side == "both") {
        setTurnControls(w.u1, false, true);
        setTurnControls(w.u2, false, true);
    }
}

void enableSide(Window& w, std::string_view side) {
    setTurnControls(w.side(side), true, false);
}

void endPreparation(Window& w, std::string_view side) {
    Side& s = w.side(side);
    s.btnQ5.enabled = false;
    s.btnAdd.enabled = false;
    s.btnSacri.enabled = false;
    // A side sacrifices at most two cards a turn; after that the labels stay disabled.
    for (auto& label : s.lblAtt)
        label.enabled = s.turnSacrifices < sacrificesPerTurn;
    s.btnSpecial.enabled = false;
}

std::string gameOverCheck(Window& w) {
    const int p1 = readNumber(w.u1.txtLp);
    const int p2 = readNumber(w.u2.txtLp);
    if (p1 > 0 && p2 > 0) return {};
    setListsVisible(w, true);
    w.timers.tmrTurnLimit.setOn(false);
    soundSubs::playSound(w, soundSubs::over);
    if (p1 <= 0 && p2 <= 0)
        w.ports.prompter.message("Game is a draw.");
    else if (p1 <= 0)
        w.ports.prompter.message("Player 2 wins.");
    else
        w.ports.prompter.message("Player 1 wins.");
    disableSide(w, "both");
    return "over";
}

void newGameReset(Window& w) {
    disableSide(w, "both");
    clearBoard(w);
    setListsVisible(w, true);
    w.timers.tmrTurnLimit.setOn(false);
}

void newGameResetOnline(Window& w) {
    disableSide(w, "both");
    w.online.optPlayer1.enabled = true;
    w.online.optPlayer2.enabled = true;
    clearBoard(w);
    setListsVisible(w, false);
    w.timers.tmrTurnLimit.setOn(false);
    w.timers.tmrUpdate.setOn(false);
    if (w.online.optPlayer1.checked) {
        w.online.btnSet.enabled = true;
        w.online.optPlayer1.enabled = true;
        w.online.optPlayer2.enabled = true;
    }
}

std::optional<std::size_t> lastPosition(std::string_view text, std::string_view part) {
    if (part.empty()) return std::nullopt;
    const auto pos = text.rfind(part);
    if (pos == std::string_view::npos) return std::nullopt;
    return pos + 1;
}

std::int16_t slotPower(std::string_view slotText) {
    const auto pos = lastPosition(slotText, " ");
    return pos ? readNumber(slotText.substr(*pos)) : readNumber(slotText);
}

std::string withPower(std::string_view slotText, long long power) {
    const auto pos = lastPosition(slotText, " ");
    std::string prefix(pos ? slotText.substr(0, *pos) : std::string_view{});
    return prefix + std::to_string(saturate(power));
}

int occupiedSlots(const Side& s) {
    return occupiedSlots(s.txtAtt);
}

int occupiedSlots(const std::array<TextBox, 5>& slots) {
    int n = 0;
    for (const auto& slot : slots)
        if (!slot.text.empty()) ++n;
    return n;
}

} // namespace grim::gameSubs
