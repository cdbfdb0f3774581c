// A duel board set up for one side (me) playing a special card against the other (you), and
// the checks every special card shares: a refusal changes nothing at all, a card that took
// effect is spent, a card with a cost is refused one LP or one sacrificed card short.
#pragma once

#include "board/game_subs.h"
#include "board/numbers.h"
#include "specials/activation.h"
#include "support/fakes.h"
#include "support/snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace grim::test {

using Entries = std::vector<std::string>;
using Id = SideId;
inline constexpr SideId bothSides[]{SideId::u1, SideId::u2};

inline constexpr const char* lpShort =
    "The LP cost of this card would reduce your LP to zero. Action cancelled.";
inline constexpr const char* cShort = "You don't have enough cards SACRIFICED.";
inline constexpr const char* noSlotOwn = "No # selected for SLOT A. This # is your card.";
inline constexpr const char* noSlotOpp = "No # selected for SLOT A. This # is opponent's card.";
inline constexpr const char* slotEmpty = "Selected slot is empty. Action cancelled.";
inline constexpr const char* nothingToIncrease =
    "There is no card to increase in power in selected slot. Action cancelled.";
inline constexpr const char* notDead = "This card isn't a DEAD type.";
inline constexpr const char* noOppField = "Opponent has no cards on the FIELD.";

// A fraction of the generator whose draw lands in band 1 to 5 (1-10, 11-20, ... 41-50).
inline double inBand(int band) {
    return (band - 1) * 0.2 + 0.05;
}

struct SpecialTable : TestWindow {
    const SideId me, you;
    ::testing::ScopedTrace trace;
    std::string card;

    explicit SpecialTable(SideId side = SideId::u1)
        : me(side), you(other(side)), trace(__FILE__, __LINE__, std::string(idText(side)) + " plays") {}

    // Gives me the turn with the card selected in my hand, behind the other cards, and
    // slot 1 in selector B.
    void hold(const std::string& special, Entries others = {}) {
        card = special;
        others.push_back(special);
        hand(me, others);
        w.side(me).lstHand.select(static_cast<int>(others.size()) - 1);
        w.side(me).cmbSlotB.select(0); // selector B never stands in for selector A
        gameSubs::enableSide(w, me);
    }
    void hand(Id s, const Entries& entries) { fill(w.side(s).lstHand, w.side(s).txtHandCnt, entries); }
    void grave(Id s, const Entries& entries) { fill(w.side(s).cmbGrave, w.side(s).txtGraveCnt, entries); }
    void graveOf(Id s, int n) { grave(s, Entries(static_cast<std::size_t>(n), "[105] CLOWN")); }
    void deck(Id s, const Entries& entries) { fill(w.side(s).lstDeck, w.side(s).txtDeckCnt, entries); }
    void field(Id s, int slot, const std::string& text) { w.side(s).slot(slot).text = text; }
    void counters(Id side, int lp, int sacrificed) {
        writeNumber(w.side(side).txtLp, lp);
        writeNumber(w.side(side).txtSacriCnt, sacrificed);
    }
    void slotA(int slot) { w.side(me).cmbSlotA.select(slot - 1); }

    int lp(Id side) { return readNumber(w.side(side).txtLp); }
    int sacrificed(Id side) { return readNumber(w.side(side).txtSacriCnt); }
    const std::string& slot(Id s, int i) { return w.side(s).slot(i).text; }

    // A list and its count box agree on these entries.
    void expectGrave(Id s, const Entries& e) { expectList(w.side(s).cmbGrave, w.side(s).txtGraveCnt, e); }
    void expectHand(Id s, const Entries& e) { expectList(w.side(s).lstHand, w.side(s).txtHandCnt, e); }
    void expectDeck(Id s, const Entries& e) { expectList(w.side(s).lstDeck, w.side(s).txtDeckCnt, e); }

    // Plays the selected card and expects it refused with exactly this message (or silently
    // with none) and no other change: no draw taken, the card still selected.
    void expectRefused(const std::string& message) {
        SCOPED_TRACE(card + " refused with \"" + message + "\"");
        const auto before = snapshot(w);
        const auto draws = random.script;
        const auto shown = prompter.messages.size();
        activationSubs::btnSpecial_Click(w, me);
        EXPECT_EQ(shownSince(shown), message.empty() ? Entries{} : Entries{message});
        EXPECT_TRUE(message.empty() || prompter.titles.back() == "Message");
        EXPECT_EQ(snapshot(w), before);
        EXPECT_EQ(random.script, draws);
    }

    // Plays the selected card and expects it spent, showing only this message if any: it is
    // the newest item of my graveyard, my hand lost it, my count boxes match their lists and
    // my preparation is over.
    void plays(const std::string& message = "") {
        SCOPED_TRACE(card + " played");
        const auto shown = prompter.messages.size();
        activationSubs::btnSpecial_Click(w, me);
        EXPECT_EQ(shownSince(shown), message.empty() ? Entries{} : Entries{message});
        Side& s = w.side(me);
        ASSERT_FALSE(s.cmbGrave.empty());
        EXPECT_EQ(s.cmbGrave.items().back(), card);
        EXPECT_EQ(std::count(s.lstHand.items().begin(), s.lstHand.items().end(), card), 0);
        EXPECT_EQ(s.txtHandCnt.text, std::to_string(s.lstHand.count()));
        EXPECT_EQ(s.txtGraveCnt.text, std::to_string(s.cmbGrave.count()));
        EXPECT_FALSE(s.btnSpecial.enabled || s.btnAdd.enabled || s.btnQ5.enabled || s.btnSacri.enabled);
        for (const auto& label : s.lblAtt)
            EXPECT_TRUE(label.enabled);
    }

    // Refuses the card one LP short, then one sacrificed card short, then plays it with
    // exactly enough: it leaves me with lifeAfter LP and no sacrificed card.
    void pays(int life, int cards, const std::string& message = "", int lifeAfter = 1) {
        if (life > 0) {
            counters(me, life, cards);
            expectRefused(lpShort);
        }
        if (cards > 0) {
            counters(me, life + 1, cards - 1);
            expectRefused(cShort);
        }
        counters(me, life + 1, cards);
        plays(message);
        EXPECT_EQ(lp(me), lifeAfter);
        EXPECT_EQ(sacrificed(me), 0);
    }

  private:
    Entries shownSince(std::size_t shown) const {
        return {prompter.messages.begin() + static_cast<long>(shown), prompter.messages.end()};
    }
    static void fill(ListBox& list, TextBox& count, const Entries& entries) {
        list.setItems(entries);
        writeNumber(count, list.count());
    }
    static void expectList(const ListBox& list, const TextBox& count, const Entries& entries) {
        EXPECT_EQ(list.items(), entries);
        EXPECT_EQ(count.text, std::to_string(entries.size()));
    }
};

} // namespace grim::test
