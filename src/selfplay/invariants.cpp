#include "selfplay/invariants.h"

#include "board/turn_state.h"
#include "deck/deck_file.h"

namespace grim::selfplay {

namespace {

// The rules one side keeps, in the order the problems are named.
struct SideRules {
    bool deckCounted, handCounted, graveCounted, handFits, deckFits, sacrificesFit;
    bool all() const { return deckCounted & handCounted & graveCounted & handFits & deckFits & sacrificesFit; }
};

SideRules rulesKept(const Side& s) {
    return {s.txtDeckCnt.value == s.lstDeck.count(),
            s.txtHandCnt.value == s.lstHand.count(),
            s.txtGraveCnt.value == s.cmbGrave.count(),
            s.lstHand.count() <= handLimit,
            s.lstDeck.count() <= deckFile::maxEntries,
            s.turnSacrifices >= 0 && s.turnSacrifices <= 2};
}

} // namespace

std::vector<std::string> boardProblems(const Window& w, bool ended) {
    const SideRules kept[] = {rulesKept(w.u1), rulesKept(w.u2)};
    const int withTurn = (hasTurn(w.u1) ? 1 : 0) + (hasTurn(w.u2) ? 1 : 0);
    std::vector<std::string> problems;
    // Asked after every action of a game: a sound board is told apart without a branch per rule.
    if (kept[0].all() & kept[1].all() & (withTurn <= (ended ? 0 : 1))) return problems;
    for (const int side : {0, 1}) {
        const SideRules& k = kept[side];
        const std::string_view u = side == 0 ? "U1" : "U2";
        auto check = [&](bool rule, std::string_view broken) {
            if (!rule) problems.push_back(std::string(broken).append(u));
        };
        check(k.deckCounted, "wrong txtDeckCnt");
        check(k.handCounted, "wrong txtHandCnt");
        check(k.graveCounted, "wrong txtGraveCnt");
        check(k.handFits, "more than 5 cards in lstHand");
        check(k.deckFits, "more than 40 cards in lstDeck");
        check(k.sacrificesFit, "not 0 to 2 sacrifices this turn on ");
    }
    if (withTurn > 1) problems.push_back("both sides have the turn");
    if (ended && withTurn != 0) problems.push_back("a side has the turn after the end");
    return problems;
}

} // namespace grim::selfplay
