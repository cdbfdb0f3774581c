#include "computer/moves.h"

#include "board/game_subs.h"
#include "cards/catalogue.h"

#include <algorithm>
#include <string_view>

namespace grim::computer {

namespace {

// Selects the slot number n in a slot selector; 0 selects nothing.
void selectSlot(SlotSelector& selector, int n) {
    selector.clearSelection();
    for (int i = 0; i < selector.count(); ++i)
        if (selector.item(i) == n) return selector.select(i);
}

// The strongest card of a graveyard (the one worth reviving or stealing), or -1.
int strongest(const GraveList& grave) {
    int best = -1;
    for (int i = 0; i < grave.count(); ++i)
        if (best < 0 || cardPower(grave.item(i).card) > cardPower(grave.item(best).card)) best = i;
    return best;
}

bool occupied(const Side& s, int slot) {
    return !s.slot(slot).empty();
}

bool picksHandCard(const MoveRow& row) {
    return row.picks == Picks::handCard || row.picks == Picks::special;
}

// Whether a move the controls offer is worth trying: drawing only into a hand with room (Q5
// when the deck fills the hand, else single draws), a special only with a special card, a
// slot only with a card in it.
bool worthTrying(const Side& s, const Side& o, const Move& m) {
    const int room = handLimit - s.lstHand.count();
    const bool fills = room > 0 && room <= s.lstDeck.count();
    switch (m.kind) {
    case MoveKind::q5:
        return fills;
    case MoveKind::draw:
        return room > 0 && !s.lstDeck.empty() && !(fills && clickable(s, rowOf(MoveKind::q5)));
    case MoveKind::special:
        return s.lstHand.item(m.hand).special();
    case MoveKind::sacrificeSlot:
        return occupied(s, m.slot);
    case MoveKind::attack:
        return occupied(s, m.slot) && occupied(o, m.target);
    default:
        return true;
    }
}

} // namespace

bool isRefusal(MessageId id) {
    return !isChanceReport(id) && !isResult(id);
}

void TrialPorts::message(MessageId id, const std::string&, const std::string&) {
    if (isResult(id))
        over = true;
    else if (isRefusal(id)) {
        refused = true;
        refusal = id;
    }
}

std::vector<Move> candidateMoves(const Window& w, SideId side) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    if (clickable(s, rowOf(MoveKind::open))) return {Move{MoveKind::open}};
    std::vector<Move> moves;
    auto offer = [&](const Move& m) {
        if (clickable(s, m) && worthTrying(s, o, m)) moves.push_back(m);
    };
    const int graves[] = {strongest(s.cmbGrave), strongest(o.cmbGrave)};
    for (auto row = moveTable.begin(); row != moveTable.end();) {
        if (picksHandCard(*row)) {
            const auto last = std::find_if_not(row, moveTable.end(), picksHandCard);
            for (int i = 0; i < s.lstHand.count(); ++i)
                for (auto r = row; r != last; ++r)
                    offer(r->picks == Picks::special ? Move{r->kind, i, 0, 0, graves[0], graves[1]}
                                                     : Move{r->kind, i});
            row = last;
            continue;
        }
        switch (row->picks) {
        case Picks::ownSlot:
            for (int slot = 1; slot <= slotCount; ++slot)
                offer(Move{row->kind, -1, slot});
            break;
        case Picks::slotPair:
            for (int a = 1; a <= slotCount; ++a)
                for (int b = 1; b <= slotCount; ++b)
                    offer(Move{row->kind, -1, a, b});
            break;
        default:
            offer(Move{row->kind});
        }
        ++row;
    }
    return moves;
}

void copyDuel(const Window& from, Window& to) {
    to.u1 = from.u1;
    to.u2 = from.u2;
    copyDuelWithoutSides(from, to);
}

void copyDuelWithoutSides(const Window& from, Window& to) {
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
    Side& s = w.side(side);
    switch (rowOf(m.kind).picks) {
    case Picks::nothing:
    case Picks::ownSlot:
        break;
    case Picks::handCard:
        s.lstHand.select(m.hand);
        break;
    case Picks::special:
        s.lstHand.select(m.hand);
        selectSlot(s.cmbSlotA, m.slot);
        s.cmbGrave.select(m.grave);
        w.opponent(side).cmbGrave.select(m.opponentGrave);
        break;
    case Picks::slotPair:
        selectSlot(s.cmbSlotA, m.slot);
        selectSlot(s.cmbSlotB, m.target);
        break;
    }
    click(w, side, m);
}

std::string describe(const Window& w, SideId side, const Move& m, Voice voice) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    const bool log = voice == Voice::log;
    // A verb as the log says it of the side ("fields") or as a hint says it to the player ("field").
    auto verb = [log](std::string_view v) { return std::string(v) + (log ? "s" : ""); };
    const std::string its = log ? "its" : "your";
    auto handCard = [&] {
        return m.hand >= 0 && m.hand < s.lstHand.count() ? entryText(s.lstHand.item(m.hand))
                                                         : std::string("a card");
    };
    auto slotCard = [](const Side& owner, int slot) {
        return slot >= 1 && slot <= slotCount && occupied(owner, slot) ? entryText(*owner.slot(slot).card)
                                                                       : std::string("nothing");
    };
    const std::string slotName = "SLOT " + std::to_string(m.slot);
    switch (m.kind) {
    case MoveKind::open:
        return verb("open") + " " + its + " deck.";
    case MoveKind::draw:
        return verb("draw") + " a card.";
    case MoveKind::q5:
        return verb("draw") + " with Q5.";
    case MoveKind::sacrificeHand:
        return verb("sacrifice") + " " + handCard() + " from " + its + " hand.";
    case MoveKind::sacrificeSlot:
        return verb("sacrifice") + " " + slotCard(s, m.slot) + " from " + slotName + ".";
    case MoveKind::field:
        return verb("field") + " " + handCard() + ".";
    case MoveKind::special:
        return verb("play") + " " + handCard() + (m.slot > 0 ? " on " + slotName : std::string()) + ".";
    case MoveKind::direct:
        return verb("attack") + " " + (side == SideId::u2 ? "player 1" : "player 2") +
               "'s LIFEPOINTS directly.";
    case MoveKind::master:
        return verb("use") + " MASTER.";
    case MoveKind::attack:
        return verb("attack") + " " + slotCard(o, m.target) + " in SLOT " + std::to_string(m.target) +
               " with " + slotCard(s, m.slot) + " in " + slotName + ".";
    case MoveKind::end:
        return verb("end") + " " + its + " turn.";
    }
    return {};
}

} // namespace grim::computer
