#include "selfplay/invariants.h"

#include "board/turn_state.h"
#include "deck/deck_file.h"

namespace grim::selfplay {

std::vector<std::string> boardProblems(const Window& w, bool ended) {
    std::vector<std::string> problems;
    int withTurn = 0;
    for (const Side* s : {&w.u1, &w.u2}) {
        const std::string_view u = s == &w.u1 ? "U1" : "U2";
        auto check = [&](bool kept, std::string_view broken) {
            if (!kept) problems.push_back(std::string(broken).append(u));
        };
        check(s->txtDeckCnt.value == s->lstDeck.count(), "wrong txtDeckCnt");
        check(s->txtHandCnt.value == s->lstHand.count(), "wrong txtHandCnt");
        check(s->txtGraveCnt.value == s->cmbGrave.count(), "wrong txtGraveCnt");
        check(s->lstHand.count() <= handLimit, "more than 5 cards in lstHand");
        check(s->lstDeck.count() <= deckFile::maxEntries, "more than 40 cards in lstDeck");
        check(s->turnSacrifices >= 0 && s->turnSacrifices <= 2, "not 0 to 2 sacrifices this turn on ");
        withTurn += hasTurn(*s) ? 1 : 0;
    }
    if (withTurn > 1) problems.push_back("both sides have the turn");
    if (ended && withTurn != 0) problems.push_back("a side has the turn after the end");
    return problems;
}

} // namespace grim::selfplay
