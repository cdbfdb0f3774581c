#include "computer/observation.h"

#include "board/numbers.h"
#include "board/same_board.h"
#include "cards/catalogue.h"
#include "computer/moves.h"
#include "rules/shuffle.h"

#include <algorithm>
#include <set>

namespace grim::computer {

Observation observe(const Window& w, SideId me) {
    Observation o;
    o.me = me;
    Window& b = o.board;
    copyDuel(w, b);

    Side& opponent = b.opponent(me);
    opponent.lstHand.clear();
    opponent.lstDeck.clear();
    auto own = b.side(me).lstDeck.items();
    std::sort(own.begin(), own.end());
    b.side(me).lstDeck.setItems(std::move(own));
    return o;
}

void determinize(const Observation& o, Window& out, Ports ports) {
    out = o.board;
    out.ports = ports;
    gameSubs::shuffle(out, out.side(o.me).lstDeck);

    // The opponent's unseen cards: the catalogue less what it showed on its field and in its
    // graveyard.
    Side& opponent = out.opponent(o.me);
    std::set<std::string> seen;
    for (const auto& item : opponent.cmbGrave.items())
        seen.insert(entryOf(item));
    for (const auto& slot : opponent.txtAtt)
        if (!slot.text.empty()) seen.insert(entryOf(slot.text));
    ListBox pool;
    for (const auto& c : regCards())
        if (!seen.count(c.name)) pool.add(c.name);
    for (const auto& c : spcCards())
        if (!seen.count(c.name)) pool.add(c.name);
    if (pool.empty()) pool.add(regCards().front().name);
    gameSubs::shuffle(out, pool);

    const int handCount = std::max<int>(0, readNumber(opponent.txtHandCnt));
    const int deckCount = std::max<int>(0, readNumber(opponent.txtDeckCnt));
    std::vector<std::string> hand, hidden;
    for (int i = 0; i < handCount + deckCount; ++i) {
        // More unseen cards than the catalogue holds: a hand-made deck with repeats.
        const std::string& card = pool.item(i % pool.count());
        (i < handCount ? hand : hidden).push_back(card);
    }
    opponent.lstHand.setItems(std::move(hand));
    opponent.lstDeck.setItems(std::move(hidden));
}

bool sameView(const Observation& a, const Observation& b) {
    return a.me == b.me && sameBoard(a.board, b.board);
}

} // namespace grim::computer
