#include "selfplay/invariants.h"

#include "board/turn_state.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"

namespace grim::selfplay {

namespace {

// The box shows the count (0 or more) as the rules write it: its digits and nothing else.
// Read digit by digit from the end: formatting n and comparing texts costs more than that.
bool shows(const TextBox& box, int count) {
    auto n = static_cast<unsigned>(count);
    const std::string& text = box.text;
    std::size_t i = text.size();
    do {
        if (i == 0 || text[--i] != static_cast<char>('0' + n % 10U)) return false;
        n /= 10U;
    } while (n > 0U);
    return i == 0;
}

} // namespace

std::vector<std::string> boardProblems(const Window& w, bool ended) {
    std::vector<std::string> problems;
    int withTurn = 0;
    for (const Side* s : {&w.u1, &w.u2}) {
        const std::string u = s == &w.u1 ? "U1" : "U2";
        if (!shows(s->txtDeckCnt, s->lstDeck.count())) problems.push_back("wrong txtDeckCnt" + u);
        if (!shows(s->txtHandCnt, s->lstHand.count())) problems.push_back("wrong txtHandCnt" + u);
        if (!shows(s->txtGraveCnt, s->cmbGrave.count())) problems.push_back("wrong txtGraveCnt" + u);
        if (s->lstHand.count() > 5) problems.push_back("more than 5 cards in lstHand" + u);
        if (s->lstDeck.count() > deckFile::maxEntries)
            problems.push_back("more than 40 cards in lstDeck" + u);
        if (s->turnSacrifices < 0 || s->turnSacrifices > 2)
            problems.push_back("not 0 to 2 sacrifices this turn on " + u);
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
