#include "rules/shuffle.h"
#include "special_table.h"

using namespace grim;
using grim::test::bothSides;
using grim::test::cShort;
using grim::test::inBand;
using grim::test::lpShort;
using grim::test::other;
using grim::test::SpecialTable;

namespace {
using Entries = std::vector<std::string>;
} // namespace

TEST(Abyss, RemovesTheOpponentsGraveyardFromTheGameForOneSacrificedCard) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[228] ABYSS");
        t.graveOf(side, 2);
        t.expectRefused(side, "Opponent must have at least 1 card in GRAVEYARD. Action cancelled.");
        t.graveOf(other(side), 4);
        t.expectRefused(side, cShort);

        t.counters(side, 25, 3);
        t.playQuietly(side);
        EXPECT_TRUE(t.graveItems(other(side)).empty());
        EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "0");
        EXPECT_EQ(t.graveItems(side).size(), 3u);
        EXPECT_EQ(t.sacrificed(side), 2);
        t.expectSpent(side, "[228] ABYSS");
    }
}

TEST(GraveRobber, MovesThePickedCardOfTheOpponentsGraveyardIntoTheOwn) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[211] GRAVE ROBBER");
        t.grave(side, {"[100] GNOME"});
        t.grave(other(side), {"[101] ELF", "[165] OMEGA 600", "[209] CHOSEN ONE"});
        t.w.side(side).cmbGrave.select(0); // a pick in the own graveyard does not count
        t.expectRefused(side, "No card has been selected in opponent's GRAVEYARD.");

        t.w.side(other(side)).cmbGrave.select(1);
        t.playQuietly(side);
        EXPECT_EQ(t.graveItems(side), (Entries{"[100] GNOME", "[165] OMEGA 600", "[211] GRAVE ROBBER"}));
        EXPECT_EQ(t.graveItems(other(side)), (Entries{"[101] ELF", "[209] CHOSEN ONE"}));
        EXPECT_EQ(t.w.side(side).txtGraveCnt.text, "3");
        EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "2");
        t.expectSpent(side, "[211] GRAVE ROBBER");
    }
}

TEST(Revival, RefusesWithoutAPickedOwnCardOrALifePointToSpare) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[202] REVIVAL");
        t.grave(side, {"[116] ZOMBIE 150"});
        t.grave(other(side), {"[101] ELF"});
        t.w.side(other(side)).cmbGrave.select(0);
        t.expectRefused(side, "No card has been selected in GRAVEYARD. Action cancelled.");
        t.w.side(side).cmbGrave.select(0);
        t.counters(side, 1, 5);
        t.expectRefused(side, lpShort);
    }
}

TEST(Revival, PutsThePickedCardsCatalogueEntryOnTopOfTheDeck) {
    struct Case {
        std::string picked, revived;
    };
    const Case cases[] = {{"[116] ZOMBIE 150", "[116] ZOMBIE"}, // a field card comes back without its power
                          {"[209] CHOSEN ONE", "[209] CHOSEN ONE"},
                          {"[164] HORN BEETLE 20", "[164] HORN BEETLE"}};
    for (const auto& side : bothSides)
        for (const auto& c : cases) {
            SCOPED_TRACE(side + " reviving " + c.picked);
            SpecialTable t;
            t.hold(side, "[202] REVIVAL");
            t.counters(side, 2, 0);
            t.deck(side, {"[100] GNOME", "[101] ELF"});
            t.grave(side, {"[105] CLOWN", c.picked, "[120] OGRE 150"});
            t.w.side(side).cmbGrave.select(1);
            t.playQuietly(side);
            EXPECT_EQ(t.w.side(side).lstDeck.items(), (Entries{c.revived, "[100] GNOME", "[101] ELF"}));
            EXPECT_EQ(t.w.side(side).txtDeckCnt.text, "3");
            EXPECT_EQ(t.graveItems(side), (Entries{"[105] CLOWN", "[120] OGRE 150", "[202] REVIVAL"}));
            EXPECT_EQ(t.lp(side), 1);
            t.expectSpent(side, "[202] REVIVAL");
        }
}

TEST(Revival, AGraveyardTextNamingNoCatalogueCardHasNothingToRevive) {
    for (const std::string picked : {"[999] NOTHING", "[166] NOTHING 100", "GARBAGE", ""}) {
        SCOPED_TRACE(picked);
        SpecialTable t;
        t.hold("u2", "[202] REVIVAL");
        t.grave("u2", {picked});
        t.w.u2.cmbGrave.select(0);
        t.expectRefused("u2", "No card has been selected in GRAVEYARD. Action cancelled.");
    }
}

TEST(ChosenOne, RefusesAnEmptyOpponentsHandAndAShortPaymentWithoutRolling) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[209] CHOSEN ONE", {"[105] CLOWN"});
        t.counters(side, 25, 1);
        t.random.script = {inBand(1)};
        t.expectRefused(side, "There are no cards in opponent's HAND. Action cancelled.");
        t.hand(other(side), {"[105] CLOWN"});
        t.counters(side, 25, 0);
        t.expectRefused(side, cShort);
    }
}

TEST(ChosenOne, EachBandOfTheRollNamesOneHandPosition) {
    const int positionOfBand[] = {2, 5, 4, 3, 1}; // rolls 1-10, 11-20, 21-30, 31-40, 41-50
    const Entries hand{"[100] GNOME", "[101] ELF", "[102] FAIRY", "[103] LEPERCHAUN", "[104] CAVEMAN"};
    for (const auto& side : bothSides)
        for (int band = 1; band <= 5; ++band) {
            SCOPED_TRACE(side + " rolling in band " + std::to_string(band));
            SpecialTable t;
            t.hold(side, "[209] CHOSEN ONE");
            t.counters(side, 25, 1);
            t.hand(other(side), hand);
            t.grave(other(side), {"[120] OGRE 150"});
            t.random.script = {inBand(band)};
            t.playQuietly(side);
            Entries left = hand;
            const std::string hit = hand[static_cast<std::size_t>(positionOfBand[band - 1] - 1)];
            std::erase(left, hit);
            EXPECT_EQ(t.w.side(other(side)).lstHand.items(), left);
            EXPECT_EQ(t.w.side(other(side)).txtHandCnt.text, "4");
            EXPECT_EQ(t.graveItems(other(side)), (Entries{"[120] OGRE 150", hit}));
            EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "2");
            EXPECT_EQ(t.sacrificed(side), 0);
            t.expectSpent(side, "[209] CHOSEN ONE");
        }
}

TEST(ChosenOne, ARollBeyondTheOpponentsHandSparesItButSpendsTheCardAndItsCost) {
    for (const auto& side : bothSides)
        for (int band = 1; band <= 5; ++band) {
            SCOPED_TRACE(side + " rolling in band " + std::to_string(band));
            SpecialTable t;
            t.hold(side, "[209] CHOSEN ONE");
            t.counters(side, 25, 2);
            t.hand(other(side), {"[100] GNOME", "[101] ELF"});
            t.random.script = {inBand(band)};
            t.play(side);
            const bool hits = band == 1 || band == 5; // positions 2 and 1
            EXPECT_EQ(t.w.side(other(side)).lstHand.count(), hits ? 1 : 2);
            EXPECT_EQ(t.graveItems(other(side)).size(), hits ? 1u : 0u);
            EXPECT_EQ(t.prompter.messages, hits ? Entries{} : Entries{"Opponent's cards were spared."});
            EXPECT_EQ(t.sacrificed(side), 1);
            t.expectSpent(side, "[209] CHOSEN ONE");
        }
}

TEST(DeckShuffles, DisruptorShufflesTheOpponentsDeckAndLuckTheOwn) {
    const Entries deck{"[100] GNOME", "[101] ELF", "[102] FAIRY", "[103] LEPERCHAUN"};
    const Entries ownDeck{"[110] JAGUAR", "[111] RAT"};
    for (const auto& side : bothSides)
        for (const std::string card : {"[223] DISRUPTOR", "[225] LUCK"}) {
            SCOPED_TRACE(card + " by " + side);
            const std::string shuffled = card == "[225] LUCK" ? side : other(side);
            SpecialTable t;
            t.hold(side, card);
            t.deck(shuffled, deck);
            t.deck(other(shuffled), ownDeck);
            t.random.script = {0.0, 0.9, 0.4};
            // What the deck shuffle makes of the same deck with the same draws.
            test::TestWindow expected;
            expected.random.script = t.random.script;
            ListBox reference;
            reference.setItems(deck);
            gameSubs::shuffle(expected.w, reference);
            ASSERT_NE(reference.items(), deck);

            t.playQuietly(side);
            EXPECT_EQ(t.w.side(shuffled).lstDeck.items(), reference.items());
            EXPECT_EQ(t.w.side(other(shuffled)).lstDeck.items(), ownDeck);
            EXPECT_EQ(t.w.side(shuffled).txtDeckCnt.text, "4");
            EXPECT_EQ(t.w.side(other(shuffled)).txtDeckCnt.text, "2");
            EXPECT_TRUE(t.random.script.empty());
            t.expectSpent(side, card);

            SpecialTable empty; // an empty deck stays empty
            empty.hold(side, card);
            empty.playQuietly(side);
            EXPECT_TRUE(empty.w.side(shuffled).lstDeck.empty());
            empty.expectSpent(side, card);
        }
}

TEST(Exchange, RefusesUnlessBothHandsHoldTheSameNumberOfOtherCards) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[224] EXCHANGE");
        t.expectRefused(side, "Opponent must have at least 1 card in HAND to exchange. Action cancelled.");
        t.hold(side, "[224] EXCHANGE", {"[100] GNOME", "[101] ELF"});
        t.expectRefused(side, "Opponent must have at least 1 card in HAND to exchange. Action cancelled.");
        t.hand(other(side), {"[105] CLOWN", "[106] NERD", "[107] PEASANT"});
        const std::string differ =
            "You don't have the same # of cards in your HAND to exchange with opponent. Action cancelled.";
        t.expectRefused(side, differ);
        t.hand(other(side), {"[105] CLOWN"});
        t.expectRefused(side, differ);
    }
}

TEST(Exchange, EachHandTakesTheOthersCardsInTheirOrder) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[224] EXCHANGE", {"[100] GNOME", "[101] ELF"});
        Side& own = t.w.side(side);
        own.lstHand.setItems({"[100] GNOME", "[224] EXCHANGE", "[101] ELF"});
        own.lstHand.select(1);
        t.hand(other(side), {"[120] OGRE", "[165] OMEGA"});
        t.w.side(other(side)).lstHand.select(1);
        t.playQuietly(side);
        EXPECT_EQ(own.lstHand.items(), (Entries{"[120] OGRE", "[165] OMEGA"}));
        EXPECT_EQ(t.w.side(other(side)).lstHand.items(), (Entries{"[100] GNOME", "[101] ELF"}));
        EXPECT_EQ(own.txtHandCnt.text, "2");
        EXPECT_EQ(t.w.side(other(side)).txtHandCnt.text, "2");
        EXPECT_EQ(t.graveItems(side), Entries{"[224] EXCHANGE"});
        t.expectSpent(side, "[224] EXCHANGE");
    }
}

TEST(DoubleTeam, OpensTheFieldAgainAfterACardWasFieldedForOneSacrificedCard) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[203] DOUBLE TEAM");
        t.counters(side, 25, 2);
        t.expectRefused(side, "Card cannot be used until you put a card in the FIELD.");
        Side& own = t.w.side(side);
        own.btnField.enabled = false; // a card was fielded this turn
        t.counters(side, 25, 0);
        t.expectRefused(side, cShort);

        t.counters(side, 25, 2);
        t.playQuietly(side);
        EXPECT_TRUE(own.btnField.enabled);
        EXPECT_EQ(t.sacrificed(side), 1);
        t.expectSpent(side, "[203] DOUBLE TEAM");
    }
}
