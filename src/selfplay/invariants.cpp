#include "selfplay/invariants.h"

#include "board/turn_state.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"

namespace grim::selfplay {

namespace {

// The box shows the count n (0 or more) as the rules write it: its digits and nothing else.
// Read digit by digit from the end: formatting n and comparing texts costs more than that.
bool shows(const TextBox& box, int n) {
    const std::string& text = box.text;
    std::size_t i = text.size();
    do {
        if (i == 0 || text[--i] != static_cast<char>('0' + n % 10)) return false;
        n /= 10;
    } while (n > 0);
    return i == 0;
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
