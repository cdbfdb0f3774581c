#include "rules/shuffle.h"
#include "special_table.h"

namespace grim::test {

TEST(Abyss, RemovesTheOpponentsGraveyardFromTheGameForOneSacrificedCard) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[228] ABYSS");
        t.graveOf(side, 2);
        t.expectRefused("Opponent must have at least 1 card in GRAVEYARD. Action cancelled.");
        t.graveOf(t.you, 4);
        t.pays(0, 1);
        t.expectGrave(t.you, {});
        EXPECT_EQ(t.w.side(side).cmbGrave.count(), 3);
    }
}

TEST(GraveRobber, MovesThePickedCardOfTheOpponentsGraveyardIntoTheOwn) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[211] GRAVE ROBBER");
        t.grave(side, {"[100] GNOME"});
        t.grave(t.you, {"[101] ELF", "[165] OMEGA 600", "[209] CHOSEN ONE"});
        t.w.side(side).cmbGrave.select(0); // a pick in my own graveyard does not count
        t.expectRefused("No card has been selected in opponent's GRAVEYARD.");
        t.w.side(t.you).cmbGrave.select(1);
        t.plays();
        t.expectGrave(side, {"[100] GNOME", "[165] OMEGA 600", "[211] GRAVE ROBBER"});
        t.expectGrave(t.you, {"[101] ELF", "[209] CHOSEN ONE"});
    }
}

TEST(Revival, PutsThePickedCardsCatalogueEntryOnTopOfTheDeckForOneLifePoint) {
    const std::pair<std::string, std::string> cases[] = {
        {"[116] ZOMBIE 150", "[116] ZOMBIE"}, // a field card comes back without its power
        {"[209] CHOSEN ONE", "[209] CHOSEN ONE"}};
    for (const auto& side : bothSides)
        for (const auto& [picked, revived] : cases) {
            SpecialTable t(side);
            t.hold("[202] REVIVAL");
            t.deck(side, {"[100] GNOME", "[101] ELF"});
            t.grave(side, {"[105] CLOWN", picked, "[120] OGRE 150"});
            t.grave(t.you, {"[101] ELF"});
            t.w.side(t.you).cmbGrave.select(0); // a pick in the opponent's graveyard does not count
            t.expectRefused("No card has been selected in GRAVEYARD. Action cancelled.");
            t.w.side(side).cmbGrave.select(1);
            t.pays(1, 0);
            t.expectDeck(side, {revived, "[100] GNOME", "[101] ELF"});
            t.expectGrave(side, {"[105] CLOWN", "[120] OGRE 150", "[202] REVIVAL"});
        }
    // A graveyard text naming no catalogue card has nothing to revive.
    for (const std::string picked : {"[166] NOTHING 100", "[999] NOTHING", "GARBAGE", ""}) {
        SpecialTable t("u2");
        t.hold("[202] REVIVAL");
        t.grave("u2", {picked});
        t.w.u2.cmbGrave.select(0);
        t.expectRefused("No card has been selected in GRAVEYARD. Action cancelled.");
    }
}

// CHOSEN ONE: a roll of 1-10 hits the opponent's second hand card, 11-20 the fifth, 21-30
// the fourth, 31-40 the third and 41-50 the first; beyond the hand it spares the hand.
TEST(ChosenOne, EachBandOfTheRollNamesOneHandPosition) {
    const int positionOfBand[] = {2, 5, 4, 3, 1};
    const Entries hand{"[100] GNOME", "[101] ELF", "[102] FAIRY", "[103] LEPERCHAUN"};
    for (const auto& side : bothSides)
        for (int band = 1; band <= 5; ++band) {
            SpecialTable t(side);
            SCOPED_TRACE("rolling in band " + std::to_string(band));
            t.hold("[209] CHOSEN ONE", {"[105] CLOWN"});
            t.random.script = {inBand(band)};
            t.expectRefused("There are no cards in opponent's HAND. Action cancelled.");
            t.hand(t.you, hand);
            t.grave(t.you, {"[120] OGRE 150"});
            const auto position = static_cast<std::size_t>(positionOfBand[band - 1]);
            t.pays(0, 1, position > hand.size() ? "Opponent's cards were spared." : "");
            Entries left = hand, grave{"[120] OGRE 150"};
            if (position <= hand.size()) {
                grave.push_back(hand[position - 1]);
                left.erase(left.begin() + static_cast<long>(position) - 1);
            }
            t.expectHand(t.you, left);
            t.expectGrave(t.you, grave);
        }
}

TEST(DeckShuffles, DisruptorShufflesTheOpponentsDeckAndLuckMine) {
    const Entries deck{"[100] GNOME", "[101] ELF", "[102] FAIRY", "[103] LEPERCHAUN"};
    for (const auto& side : bothSides)
        for (const std::string card : {"[223] DISRUPTOR", "[225] LUCK"}) {
            SpecialTable t(side);
            const std::string shuffled = card == "[225] LUCK" ? t.me : t.you;
            const std::string kept = card == "[225] LUCK" ? t.you : t.me;
            t.hold(card);
            t.deck(shuffled, deck);
            t.deck(kept, {"[110] JAGUAR", "[111] RAT"});
            t.random.script = {0.0, 0.9, 0.4};
            // What the deck shuffle makes of the same deck with the same draws.
            TestWindow expected;
            expected.random.script = t.random.script;
            ListBox reference;
            reference.setItems(deck);
            gameSubs::shuffle(expected.w, reference);
            ASSERT_NE(reference.items(), deck);
            t.plays();
            t.expectDeck(shuffled, reference.items());
            t.expectDeck(kept, {"[110] JAGUAR", "[111] RAT"});
            EXPECT_TRUE(t.random.script.empty());

            SpecialTable empty(side); // an empty deck stays empty
            empty.hold(card);
            empty.plays();
            EXPECT_TRUE(empty.w.side(shuffled).lstDeck.empty());
        }
}

TEST(Exchange, SwapsHandsOfTheSameSizeKeepingTheirOrder) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[224] EXCHANGE", {"[100] GNOME", "[101] ELF"});
        t.expectRefused("Opponent must have at least 1 card in HAND to exchange. Action cancelled.");
        for (const Entries& theirs :
             {Entries{"[105] CLOWN", "[106] NERD", "[107] PEASANT"}, Entries{"[105] CLOWN"}}) {
            t.hand(t.you, theirs);
            t.expectRefused("You don't have the same # of cards in your HAND to exchange with opponent. "
                            "Action cancelled.");
        }
        t.w.side(side).lstHand.setItems({"[100] GNOME", "[224] EXCHANGE", "[101] ELF"});
        t.w.side(side).lstHand.select(1);
        t.hand(t.you, {"[120] OGRE", "[165] OMEGA"});
        t.w.side(t.you).lstHand.select(1);
        t.plays();
        t.expectHand(side, {"[120] OGRE", "[165] OMEGA"});
        t.expectHand(t.you, {"[100] GNOME", "[101] ELF"});
        t.expectGrave(side, {"[224] EXCHANGE"});
    }
}

TEST(DoubleTeam, OpensTheFieldAgainAfterACardWasFieldedForOneSacrificedCard) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[203] DOUBLE TEAM");
        t.counters(side, 25, 2);
        t.expectRefused("Card cannot be used until you put a card in the FIELD.");
        t.w.side(side).btnField.enabled = false; // a card was fielded this turn
        t.pays(0, 1);
        EXPECT_TRUE(t.w.side(side).btnField.enabled);
    }
}

} // namespace grim::test
