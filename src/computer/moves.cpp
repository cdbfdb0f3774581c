#include "computer/moves.h"

#include "board/game_subs.h"
#include "cards/catalogue.h"
#include "rules/game_handlers.h"
#include "specials/activation.h"

#include <algorithm>
#include <array>

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

// What a move picks before its click, and so the selections it makes.
enum class Picks : std::uint8_t {
    nothing,  // a button alone
    handCard, // the hand card Move::hand, selected in the hand list
    special,  // the hand card, slot selector A set to Move::slot, a card of each graveyard
    ownSlot,  // the slot label of Move::slot (the click names the slot)
    slotPair, // slot selectors A and B set to Move::slot and Move::target
};

// One row of the table of moves: the side's control that must be enabled, what the move
// picks, and the handler its click calls.
struct MoveRow {
    MoveKind kind;
    Picks picks;
    Switch Side::*button; // for Picks::ownSlot none: the control is the label of the slot
    void (*click)(Window&, SideId, const Move&);
};

template <void (*handler)(Window&, SideId)> void press(Window& w, SideId side, const Move&) {
    handler(w, side);
}
void pressLabel(Window& w, SideId side, const Move& m) {
    gameSubs::lblAtt_Click(w, side, m.slot);
}

// The table of moves, one row per kind in the order of MoveKind.
constexpr std::array<MoveRow, static_cast<std::size_t>(MoveKind::end) + 1> table{{
    {MoveKind::open, Picks::nothing, &Side::btnOpen, press<gameSubs::btnOpen_Click>},
    {MoveKind::q5, Picks::nothing, &Side::btnQ5, press<gameSubs::btnQ5_Click>},
    {MoveKind::draw, Picks::nothing, &Side::btnAdd, press<gameSubs::btnAdd_Click>},
    {MoveKind::sacrificeHand, Picks::handCard, &Side::btnSacri, press<gameSubs::btnSacri_Click>},
    {MoveKind::field, Picks::handCard, &Side::btnField, press<gameSubs::btnField_Click>},
    {MoveKind::special, Picks::special, &Side::btnSpecial, press<activationSubs::btnSpecial_Click>},
    {MoveKind::sacrificeSlot, Picks::ownSlot, nullptr, pressLabel},
    {MoveKind::direct, Picks::nothing, &Side::btnDirect, press<gameSubs::btnDirect_Click>},
    {MoveKind::master, Picks::nothing, &Side::btnMaster, press<gameSubs::btnMaster_Click>},
    {MoveKind::attack, Picks::slotPair, &Side::btnAttack, press<gameSubs::btnAttack_Click>},
    {MoveKind::end, Picks::nothing, &Side::btnEnd, press<gameSubs::btnEnd_Click>},
}};
static_assert([] {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].kind != static_cast<MoveKind>(i)) return false;
    return true;
}());

const MoveRow& rowOf(MoveKind kind) {
    return table[static_cast<std::size_t>(kind)];
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
        return room > 0 && !s.lstDeck.empty() && !(fills && clickable(s, MoveKind::q5));
    case MoveKind::special:
        return cardSubs::isSpecial(cardSubs::cardCode(s.lstHand.item(m.hand)).value_or(0));
    case MoveKind::sacrificeSlot:
        return occupied(s, m.slot);
    case MoveKind::attack:
        return occupied(s, m.slot) && occupied(o, m.target);
    default:
        return true;
    }
}

} // namespace

std::string entryOf(const std::string& text) {
    const CardInfo* card = cardSubs::recordOf(text);
    return card != nullptr ? card->name : text;
}

bool isRefusal(const std::string& message) {
    const bool chanceFailed =
        message == "Opponent's cards were spared." || message == "Opponent's FIELD cards were spared";
    return !chanceFailed && !gameSubs::isResultMessage(message);
}

void TrialPorts::message(const std::string& text, const std::string&) {
    if (gameSubs::isResultMessage(text))
        over = true;
    else if (isRefusal(text))
        refused = true;
}

bool clickable(const Side& s, const Move& m) {
    const MoveRow& row = rowOf(m.kind);
    if (row.picks != Picks::ownSlot) return (s.*row.button).enabled;
    return m.slot >= 1 && m.slot <= slotCount && s.lblAtt[static_cast<std::size_t>(m.slot - 1)].enabled;
}

bool clickable(const Side& s, MoveKind kind) {
    const MoveRow& row = rowOf(kind);
    if (row.picks != Picks::ownSlot) return (s.*row.button).enabled;
    return std::ranges::any_of(s.lblAtt, &Switch::enabled);
}

void click(Window& w, SideId side, const Move& m) {
    rowOf(m.kind).click(w, side, m);
}

std::vector<Move> candidateMoves(const Window& w, SideId side) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    if (clickable(s, MoveKind::open)) return {Move{MoveKind::open}};
    std::vector<Move> moves;
    auto offer = [&](const Move& m) {
        if (clickable(s, m) && worthTrying(s, o, m)) moves.push_back(m);
    };
    const int graves[] = {strongest(s.cmbGrave), strongest(o.cmbGrave)};
    for (auto row = table.begin(); row != table.end();) {
        if (picksHandCard(*row)) {
            const auto last = std::find_if_not(row, table.end(), picksHandCard);
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
    const MoveRow& row = rowOf(m.kind);
    if (row.picks == Picks::handCard || row.picks == Picks::special) s.lstHand.select(m.hand);
    if (row.picks == Picks::special) {
        selectSlot(s.cmbSlotA, m.slot);
        s.cmbGrave.select(m.grave);
        w.opponent(side).cmbGrave.select(m.opponentGrave);
    } else if (row.picks == Picks::slotPair) {
        selectSlot(s.cmbSlotA, m.slot);
        selectSlot(s.cmbSlotB, m.target);
    }
    row.click(w, side, m);
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
