#include "computer/observation.h"

#include "board/numbers.h"
#include "board/same_board.h"
#include "cards/catalogue.h"
#include "computer/moves.h"
#include "rules/shuffle.h"

#include <algorithm>
#include <bitset>

namespace grim::computer {

namespace {

// What a side shows both players: its field and graveyard, every counter box, its controls
// (what can be clicked, what is selected in the slot selectors) and this turn's sacrifices.
// Not its hand, nor its deck.
void copyShown(const Side& from, Side& to) {
    to.txtAtt = from.txtAtt;
    to.cmbGrave = from.cmbGrave;
    for (auto box :
         {&Side::txtDeckCnt, &Side::txtHandCnt, &Side::txtGraveCnt, &Side::txtLp, &Side::txtSacriCnt})
        to.*box = from.*box;
    to.lblAtt = from.lblAtt;
    to.cmbSlotA = from.cmbSlotA;
    to.cmbSlotB = from.cmbSlotB;
    const auto buttons = from.turnButtons();
    const auto own = to.turnButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        *own[i] = *buttons[i];
    to.turnSacrifices = from.turnSacrifices;
}

} // namespace

Observation observe(const Window& w, SideId me) {
    Observation o;
    o.me = me;
    Window& b = o.board;
    copyShown(w.u1, b.u1);
    copyShown(w.u2, b.u2);
    // Its own hand as it is, its own deck in catalogue order.
    const Side& mine = w.side(me);
    Side& seen = b.side(me);
    seen.lstHand = mine.lstHand;
    std::vector<CardId> deck = mine.lstDeck.items();
    std::sort(deck.begin(), deck.end());
    seen.lstDeck.setItems(std::move(deck));
    copyDuelWithoutSides(w, b);
    return o;
}

void determinize(const Observation& o, Window& out, Ports ports) {
    out = o.board;
    out.ports = ports;
    gameSubs::shuffle(out, out.side(o.me).lstDeck);

    // The opponent's unseen cards: the catalogue less what it showed on its field and in its
    // graveyard.
    Side& opponent = out.opponent(o.me);
    std::bitset<CardId::count> seen;
    for (const GraveItem& item : opponent.cmbGrave.items())
        seen.set(static_cast<std::size_t>(item.card.index()));
    for (const FieldSlot& slot : opponent.txtAtt)
        if (slot.card) seen.set(static_cast<std::size_t>(slot.card->index()));
    CardList pool;
    for (int i = 0; i < CardId::count; ++i)
        if (!seen.test(static_cast<std::size_t>(i))) pool.add(CardId::at(i));
    if (pool.empty()) pool.add(CardId::at(0));
    gameSubs::shuffle(out, pool);

    const int handCount = std::max<int>(0, readNumber(opponent.txtHandCnt));
    const int deckCount = std::max<int>(0, readNumber(opponent.txtDeckCnt));
    std::vector<CardId> hand, hidden;
    for (int i = 0; i < handCount + deckCount; ++i) {
        // More unseen cards than the catalogue holds: a hand-made deck with repeats.
        const CardId card = pool.item(i % pool.count());
        (i < handCount ? hand : hidden).push_back(card);
    }
    opponent.lstHand.setItems(std::move(hand));
    opponent.lstDeck.setItems(std::move(hidden));
}

bool sameView(const Observation& a, const Observation& b) {
    return a.me == b.me && sameBoard(a.board, b.board);
}

} // namespace grim::computer
