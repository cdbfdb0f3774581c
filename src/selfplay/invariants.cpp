#include "selfplay/invariants.h"

#include "board/turn_state.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"

#include <charconv>
#include <string_view>

namespace grim::selfplay {

namespace {

// The box shows the number n, written as the rules write a count.
bool shows(const TextBox& box, int n) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return box.text == std::string_view(digits, static_cast<std::size_t>(end - digits));
}

} // namespace

std::vector<std::string> boardProblems(const Window& w, bool ended) {
    std::vector<std::string> problems;
    int withTurn = 0;
    for (const Side* s : {&w.u1, &w.u2}) {
        const char* u = s == &w.u1 ? "U1" : "U2";
        auto expect = [&](bool ok, const char* what) {
            if (!ok) problems.push_back(what + std::string(u));
        };
        expect(shows(s->txtDeckCnt, s->lstDeck.count()), "wrong txtDeckCnt");
        expect(shows(s->txtHandCnt, s->lstHand.count()), "wrong txtHandCnt");
        expect(shows(s->txtGraveCnt, s->cmbGrave.count()), "wrong txtGraveCnt");
        expect(s->lstHand.count() <= 5, "more than 5 cards in lstHand");
        expect(s->lstDeck.count() <= deckFile::maxEntries, "more than 40 cards in lstDeck");
        expect(s->turnSacrifices >= 0 && s->turnSacrifices <= 2, "not 0 to 2 sacrifices this turn on ");
        for (const auto& slot : s->txtAtt)
            if (!cardSubs::isSlotText(slot.text))
                problems.push_back("bad slot text [" + slot.text + "] on " + u);
        withTurn += hasTurn(*s) ? 1 : 0;
    }
    if (withTurn > 1) problems.push_back("both sides have the turn");
    if (ended && withTurn != 0) problems.push_back("a side has the turn after the end");
    return problems;
}

} // namespace grim::selfplay
