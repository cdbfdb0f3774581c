#include "computer/moves.h"

#include "board/game_subs.h"
#include "cards/catalogue.h"
#include "rules/game_handlers.h"
#include "specials/activation.h"

#include <algorithm>

namespace grim::computer {

namespace {

// Selects the slot number n in a slot selector; 0 selects nothing.
void selectSlot(ListBox& selector, int n) {
    selector.clearSelection();
    const std::string text = std::to_string(n);
    for (int i = 0; i < selector.count(); ++i)
        if (selector.item(i) == text) selector.select(i);
}

// The strongest card of a graveyard (the one worth reviving or stealing), or -1.
int strongest(const ListBox& grave) {
    int best = -1;
    for (int i = 0; i < grave.count(); ++i)
        if (best < 0 || cardSubs::powerOf(grave.item(i)) > cardSubs::powerOf(grave.item(best))) best = i;
    return best;
}

bool occupied(const Side& s, int slot) {
    return !s.slot(slot).text.empty();
}

} // namespace

std::string entryOf(const std::string& text) {
    const CardInfo* card = cardSubs::recordOf(text);
    return card != nullptr ? card->name : text;
}

bool isRefusal(MessageId id) {
    return !isChanceReport(id) && !isResult(id);
}

void TrialPorts::message(MessageId id, const std::string&, const std::string&) {
    if (isResult(id))
        over = true;
    else if (isRefusal(id))
        refused = true;
}

std::vector<Move> candidateMoves(const Window& w, SideId side) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    if (s.btnOpen.enabled) return {Move{MoveKind::open}};
    std::vector<Move> moves;
    const int hand = s.lstHand.count();
    if (hand < handLimit && !s.lstDeck.empty()) {
        if (s.btnQ5.enabled && handLimit - hand <= s.lstDeck.count())
            moves.push_back({MoveKind::q5});
        else if (s.btnAdd.enabled)
            moves.push_back({MoveKind::draw});
    }
    for (int i = 0; i < hand; ++i) {
        if (s.btnSacri.enabled) moves.push_back({MoveKind::sacrificeHand, i});
        if (s.btnField.enabled) moves.push_back({MoveKind::field, i});
        if (s.btnSpecial.enabled && cardSubs::isSpecial(cardSubs::cardCode(s.lstHand.item(i)).value_or(0)))
            moves.push_back({MoveKind::special, i, 0, 0, strongest(s.cmbGrave), strongest(o.cmbGrave)});
    }
    for (int slot = 1; slot <= slotCount; ++slot)
        if (s.lblAtt[static_cast<std::size_t>(slot - 1)].enabled && occupied(s, slot))
            moves.push_back({MoveKind::sacrificeSlot, -1, slot});
    if (s.btnDirect.enabled) moves.push_back({MoveKind::direct});
    if (s.btnMaster.enabled) moves.push_back({MoveKind::master});
    if (s.btnAttack.enabled)
        for (int a = 1; a <= slotCount; ++a)
            for (int b = 1; b <= slotCount; ++b)
                if (occupied(s, a) && occupied(o, b)) moves.push_back({MoveKind::attack, -1, a, b});
    if (s.btnEnd.enabled) moves.push_back({MoveKind::end});
    return moves;
}

void copyDuel(const Window& from, Window& to) {
    to.u1 = from.u1;
    to.u2 = from.u2;
    to.menu = from.menu;
    to.timers = from.timers;
    to.timePassed = from.timePassed;
    to.blnFirstMove = from.blnFirstMove;
    to.txtMins = from.txtMins;
    to.online.btnDisconnect = from.online.btnDisconnect;
}

std::vector<Move> legalMoves(const Window& w, SideId side, TrialPorts& trial) {
    std::vector<Move> legal;
    Window copy(trial.ports());
    auto allowed = [&](const Move& m) {
        copyDuel(w, copy);
        trial.clear();
        applyMove(copy, side, m);
        return !trial.refused;
    };
    for (Move m : candidateMoves(w, side)) {
        if (m.kind == MoveKind::open) {
            legal.push_back(m); // the caller answers the file dialog with a deck it has checked
            continue;
        }
        if (allowed(m)) {
            legal.push_back(m);
            continue;
        }
        // A special card whose effect needs a slot picked: each slot the rules accept.
        if (m.kind != MoveKind::special) continue;
        for (m.slot = 1; m.slot <= slotCount; ++m.slot)
            if (allowed(m)) legal.push_back(m);
    }
    return legal;
}

void applyMove(Window& w, SideId side, const Move& m) {
    using namespace gameSubs;
    Side& s = w.side(side);
    switch (m.kind) {
    case MoveKind::open:
        return btnOpen_Click(w, side);
    case MoveKind::draw:
        return btnAdd_Click(w, side);
    case MoveKind::q5:
        return btnQ5_Click(w, side);
    case MoveKind::sacrificeHand:
        s.lstHand.select(m.hand);
        return btnSacri_Click(w, side);
    case MoveKind::sacrificeSlot:
        return lblAtt_Click(w, side, m.slot);
    case MoveKind::field:
        s.lstHand.select(m.hand);
        return btnField_Click(w, side);
    case MoveKind::special:
        s.lstHand.select(m.hand);
        selectSlot(s.cmbSlotA, m.slot);
        s.cmbGrave.select(m.grave);
        w.opponent(side).cmbGrave.select(m.opponentGrave);
        return activationSubs::btnSpecial_Click(w, side);
    case MoveKind::direct:
        return btnDirect_Click(w, side);
    case MoveKind::master:
        return btnMaster_Click(w, side);
    case MoveKind::attack:
        selectSlot(s.cmbSlotA, m.slot);
        selectSlot(s.cmbSlotB, m.target);
        return btnAttack_Click(w, side);
    case MoveKind::end:
        return btnEnd_Click(w, side);
    }
}

std::string describe(const Window& w, SideId side, const Move& m) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    auto handCard = [&] {
        return m.hand >= 0 && m.hand < s.lstHand.count() ? s.lstHand.item(m.hand) : std::string("a card");
    };
    auto slotCard = [](const Side& owner, int slot) {
        return slot >= 1 && slot <= slotCount && occupied(owner, slot) ? entryOf(owner.slot(slot).text)
                                                                       : std::string("nothing");
    };
    const std::string slotName = "SLOT " + std::to_string(m.slot);
    switch (m.kind) {
    case MoveKind::open:
        return "opens its deck.";
    case MoveKind::draw:
        return "draws a card.";
    case MoveKind::q5:
        return "draws with Q5.";
    case MoveKind::sacrificeHand:
        return "sacrifices " + handCard() + " from its hand.";
    case MoveKind::sacrificeSlot:
        return "sacrifices " + slotCard(s, m.slot) + " from " + slotName + ".";
    case MoveKind::field:
        return "fields " + handCard() + ".";
    case MoveKind::special:
        return "plays " + handCard() + (m.slot > 0 ? " on " + slotName : std::string()) + ".";
    case MoveKind::direct:
        return std::string("attacks ") + (side == SideId::u2 ? "player 1" : "player 2") +
               "'s LIFEPOINTS directly.";
    case MoveKind::master:
        return "uses MASTER.";
    case MoveKind::attack:
        return "attacks " + slotCard(o, m.target) + " in SLOT " + std::to_string(m.target) + " with " +
               slotCard(s, m.slot) + " in " + slotName + ".";
    case MoveKind::end:
        return "ends its turn.";
    }
    return {};
}

} // namespace grim::computer
