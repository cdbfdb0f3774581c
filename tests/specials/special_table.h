// A duel board set up for playing one special card, and the checks every special card
// shares: a refusal changes nothing at all, a card that took effect is spent.
#pragma once

#include "board/game_subs.h"
#include "board/numbers.h"
#include "specials/activation.h"
#include "support/fakes.h"
#include "support/snapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grim::test {

struct SpecialTable : TestWindow {
    // Gives the side its turn with the card selected in its hand, behind the other cards.
    void hold(const std::string& side, const std::string& card, const std::vector<std::string>& others = {}) {
        Side& s = w.side(side);
        s.lstHand.clear();
        for (const auto& entry : others)
            s.lstHand.add(entry);
        s.lstHand.add(card);
        s.lstHand.select(s.lstHand.count() - 1);
        writeNumber(s.txtHandCnt, s.lstHand.count());
        gameSubs::enableSide(w, side);
    }
    void hand(const std::string& side, const std::vector<std::string>& entries) {
        Side& s = w.side(side);
        s.lstHand.setItems(entries);
        writeNumber(s.txtHandCnt, s.lstHand.count());
    }
    void field(const std::string& side, int slot, const std::string& text) {
        w.side(side).slot(slot).text = text;
    }
    void grave(const std::string& side, const std::vector<std::string>& entries) {
        Side& s = w.side(side);
        s.cmbGrave.setItems(entries);
        writeNumber(s.txtGraveCnt, s.cmbGrave.count());
    }
    // A graveyard of n plain cards.
    void graveOf(const std::string& side, int n) { grave(side, std::vector<std::string>(n, "[105] CLOWN")); }
    void deck(const std::string& side, const std::vector<std::string>& entries) {
        Side& s = w.side(side);
        s.lstDeck.setItems(entries);
        writeNumber(s.txtDeckCnt, s.lstDeck.count());
    }
    void counters(const std::string& side, int lp, int sacrificed) {
        writeNumber(w.side(side).txtLp, lp);
        writeNumber(w.side(side).txtSacriCnt, sacrificed);
    }
    void pickSlotA(const std::string& side, int slot) { w.side(side).cmbSlotA.select(slot - 1); }

    void play(const std::string& side) { activationSubs::btnSpecial_Click(w, side); }

    int lp(const std::string& side) { return readNumber(w.side(side).txtLp); }
    int sacrificed(const std::string& side) { return readNumber(w.side(side).txtSacriCnt); }
    const std::string& slotText(const std::string& side, int slot) { return w.side(side).slot(slot).text; }
    const std::vector<std::string>& graveItems(const std::string& side) {
        return w.side(side).cmbGrave.items();
    }

    // Plays the selected card and expects it refused with exactly this message and no
    // other change to the window: the card stays selected and playable.
    void expectRefused(const std::string& side, const std::string& message) {
        SCOPED_TRACE("refused with \"" + message + "\"");
        const auto before = snapshot(w);
        const auto draws = random.script;
        const std::string card = w.side(side).lstHand.selectedText();
        const auto shown = prompter.messages.size();
        play(side);
        ASSERT_EQ(prompter.messages.size(), shown + 1);
        EXPECT_EQ(prompter.messages.back(), message);
        EXPECT_EQ(prompter.titles.back(), "Message");
        EXPECT_EQ(snapshot(w), before);
        EXPECT_EQ(random.script, draws);
        EXPECT_EQ(w.side(side).lstHand.selectedText(), card);
        EXPECT_TRUE(w.side(side).btnSpecial.enabled);
    }

    // Plays the selected card and expects it to take effect without any message.
    void playQuietly(const std::string& side) {
        const auto shown = prompter.messages.size();
        play(side);
        EXPECT_EQ(prompter.messages.size(), shown) << prompter.lastMessage();
    }

    // The card was spent: it is the newest graveyard item, the hand lost it, both count
    // boxes match their lists and the side's preparation is over.
    void expectSpent(const std::string& side, const std::string& card) {
        SCOPED_TRACE(card + " spent by " + side);
        Side& s = w.side(side);
        ASSERT_FALSE(s.cmbGrave.empty());
        EXPECT_EQ(s.cmbGrave.items().back(), card);
        for (const auto& entry : s.lstHand.items())
            EXPECT_NE(entry, card);
        EXPECT_EQ(s.txtHandCnt.text, std::to_string(s.lstHand.count()));
        EXPECT_EQ(s.txtGraveCnt.text, std::to_string(s.cmbGrave.count()));
        EXPECT_FALSE(s.btnSpecial.enabled);
        EXPECT_FALSE(s.btnAdd.enabled);
        EXPECT_FALSE(s.btnQ5.enabled);
        EXPECT_FALSE(s.btnSacri.enabled);
        for (const auto& label : s.lblAtt)
            EXPECT_TRUE(label.enabled);
    }
};

inline constexpr const char* lpShort =
    "The LP cost of this card would reduce your LP to zero. Action cancelled.";
inline constexpr const char* cShort = "You don't have enough cards SACRIFICED.";

// A fraction of the generator whose draw lands in band 1 to 5 (1-10, 11-20, ... 41-50).
inline double inBand(int band) {
    return (band - 1) * 0.2 + 0.05;
}

inline const std::vector<std::string> bothSides{"u1", "u2"};
inline std::string other(const std::string& side) {
    return side == "u1" ? "u2" : "u1";
}

} // namespace grim::test
