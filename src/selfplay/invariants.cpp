#include "selfplay/invariants.h"

#include "board/turn_state.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"

namespace grim::selfplay {

namespace {

// The box shows the count (0 or more) as the rules write it: its digits and nothing else.
// Counts below 100 (every count of a sound board) are compared character by character:
// formatting the count and comparing texts costs more than that.
bool shows(const TextBox& box, int count) {
    const std::string& text = box.text;
    if (count >= 0 && count < 10) return text.size() == 1 && text[0] == static_cast<char>('0' + count);
    if (count >= 10 && count < 100)
        return text.size() == 2 && text[0] == static_cast<char>('0' + count / 10) &&
               text[1] == static_cast<char>('0' + count % 10);
    return text == std::to_string(count);
}

} // namespace

std::vector<std::string> boardProblems(const Window& w, bool ended) {
    return BoardCheck().problems(w, ended);
}

std::vector<std::string> BoardCheck::problems(const Window& w, bool ended) {
    std::vector<std::string> problems;
    int withTurn = 0;
    for (const Side* s : {&w.u1, &w.u2}) {
        const std::string_view u = s == &w.u1 ? "U1" : "U2";
        if (!shows(s->txtDeckCnt, s->lstDeck.count()))
            problems.push_back(std::string("wrong txtDeckCnt").append(u));
        if (!shows(s->txtHandCnt, s->lstHand.count()))
            problems.push_back(std::string("wrong txtHandCnt").append(u));
        if (!shows(s->txtGraveCnt, s->cmbGrave.count()))
            problems.push_back(std::string("wrong txtGraveCnt").append(u));
        if (s->lstHand.count() > handLimit)
            problems.push_back(std::string("more than 5 cards in lstHand").append(u));
        if (s->lstDeck.count() > deckFile::maxEntries)
            problems.push_back(std::string("more than 40 cards in lstDeck").append(u));
        if (s->turnSacrifices < 0 || s->turnSacrifices > 2)
            problems.push_back(std::string("not 0 to 2 sacrifices this turn on ").append(u));
        for (std::size_t i = 0; i < slotCount; ++i) {
            const std::string& text = s->txtAtt[i].text;
            std::string& known = sound_[(s == &w.u1 ? 0 : slotCount) + i];
            if (text == known) continue;
            if (cardSubs::isSlotText(text))
                known = text;
            else
                problems.push_back(("bad slot text [" + text + "] on ").append(u));
        }
        withTurn += hasTurn(*s) ? 1 : 0;
    }
    if (withTurn > 1) problems.push_back("both sides have the turn");
    if (ended && withTurn != 0) problems.push_back("a side has the turn after the end");
    return problems;
}

} // namespace grim::selfplay
