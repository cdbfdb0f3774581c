#include "board/game_subs.h"

#include "board/numbers.h"
#include "board/sound_subs.h"

namespace grim::gameSubs {

namespace {

void setTurnControls(Side& s, bool enabled, bool includingOpen) {
    for (Switch* button : s.turnButtons())
        if (button != &s.btnOpen || includingOpen) button->enabled = enabled;
    setSlotLabels(s, enabled);
}

void clearBoard(Window& w) {
    for (Side* s : {&w.u1, &w.u2}) {
        s->lstDeck.clear();
        s->lstHand.clear();
        s->cmbGrave.clear();
    }
    for (int i = 1; i <= slotCount; ++i) {
        w.u1.slot(i).clear();
        w.u2.slot(i).clear();
    }
    for (Side* s : {&w.u1, &w.u2}) {
        for (Counter* count : {&s->txtDeckCnt, &s->txtHandCnt, &s->txtSacriCnt, &s->txtGraveCnt})
            writeNumber(*count, 0);
        writeNumber(s->txtLp, startingLife);
    }
    w.u1.turnSacrifices = 0;
    w.u2.turnSacrifices = 0;
    w.timePassed = 0;
    w.txtMins.text = minutesText(turnMinutes); // the time shown agrees with timePassed
}

} // namespace

void disableSide(Window& w, SideId side) {
    Side& s = w.side(side);
    s.turnSacrifices = 0;
    setTurnControls(s, false, true);
}

void disableBoth(Window& w) {
    setTurnControls(w.u1, false, true);
    setTurnControls(w.u2, false, true);
}

void disableDrawing(Switch& btnQ5, Switch& btnAdd) {
    btnQ5.enabled = false;
    btnAdd.enabled = false;
}

void setSlotLabels(Side& s, bool enabled) {
    for (auto& label : s.lblAtt)
        label.enabled = enabled;
}

void setListsVisible(Window& w, bool visible) {
    for (Side* s : {&w.u1, &w.u2}) {
        s->lstDeck.visible = visible;
        s->lstHand.visible = visible;
    }
}

void enableSide(Window& w, SideId side) {
    setTurnControls(w.side(side), true, false);
}

void endPreparation(Window& w, SideId side) {
    Side& s = w.side(side);
    disableDrawing(s.btnQ5, s.btnAdd);
    s.btnSacri.enabled = false;
    // A side sacrifices at most two cards a turn; after that the labels stay disabled.
    setSlotLabels(s, s.turnSacrifices < sacrificesPerTurn);
    s.btnSpecial.enabled = false;
}

GameOverResult gameOverCheck(Window& w) {
    const int p1 = readNumber(w.u1.txtLp);
    const int p2 = readNumber(w.u2.txtLp);
    if (p1 > 0 && p2 > 0) return GameOverResult::notOver;
    setListsVisible(w, true);
    w.timers.tmrTurnLimit.setOn(false);
    soundSubs::playSound(w, soundSubs::over);
    const GameOverResult result = p1 <= 0 && p2 <= 0 ? GameOverResult::draw
                                  : p1 <= 0          ? GameOverResult::player2
                                                     : GameOverResult::player1;
    w.ports.prompter->show(result == GameOverResult::draw      ? MessageId::gameDrawn
                           : result == GameOverResult::player2 ? MessageId::player2Wins
                                                               : MessageId::player1Wins);
    disableBoth(w);
    return result;
}

void clearDuel(Window& w) {
    disableBoth(w);
    clearBoard(w);
    w.timers.tmrTurnLimit.setOn(false);
}

void newGameReset(Window& w) {
    clearDuel(w);
    setListsVisible(w, true);
}

void setPower(FieldSlot& slot, long long power) { slot.power = saturate(power); }

void putCard(FieldSlot& slot, CardId card, long long power) {
    slot.card = card;
    setPower(slot, power);
}

std::optional<int> selectedSlot(const SlotSelector& selector) {
    const int* n = selector.selectedItem();
    if (n == nullptr || *n < 1 || *n > slotCount) return std::nullopt;
    return *n;
}

void toGraveyard(Side& owner, FieldSlot& slot) {
    if (slot.card) owner.cmbGrave.add(GraveItem{*slot.card, slot.power});
    writeNumber(owner.txtGraveCnt, owner.cmbGrave.count());
    slot.clear();
}

int occupiedSlots(const Side& s) {
    return occupiedSlots(s.txtAtt);
}

int fieldPower(const Side& s) {
    int sum = 0;
    for (const auto& slot : s.txtAtt)
        if (!slot.empty()) sum += slot.power;
    return sum;
}

int occupiedSlots(const Field& slots) {
    int n = 0;
    for (const auto& slot : slots)
        if (!slot.empty()) ++n;
    return n;
}

} // namespace grim::gameSubs
