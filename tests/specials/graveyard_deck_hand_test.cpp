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

// A pick in the opponent's graveyard, or of a text naming no catalogue card, is no pick.
TEST(Revival, PutsThePickedCardsCatalogueEntryOnTopOfTheDeckForOneLifePoint) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"[166] NOTHING 100", "[116] ZOMBIE 150",
         "[116] ZOMBIE"}, // a field card comes back without its power
        {"GARBAGE", "[209] CHOSEN ONE", "[209] CHOSEN ONE"}};
    for (const auto& side : bothSides)
        for (const auto& [noCard, picked, revived] : cases) {
            SpecialTable t(side);
            t.hold("[202] REVIVAL");
            t.deck(side, {"[100] GNOME", "[101] ELF"});
            t.grave(side, {noCard, picked, "[120] OGRE 150"});
            t.grave(t.you, {"[101] ELF"});
            for (auto* pick : {&t.w.side(t.you).cmbGrave, &t.w.side(side).cmbGrave}) {
                pick->select(0);
                t.expectRefused("No card has been selected in GRAVEYARD. Action cancelled.");
            }
            t.w.side(side).cmbGrave.select(1);
            t.pays(1, 0);
            t.expectDeck(side, {revived, "[100] GNOME", "[101] ELF"});
            t.expectGrave(side, {noCard, "[120] OGRE 150", "[202] REVIVAL"});
        }
}

// CHOSEN ONE: a roll of 1-10 hits the opponent's second hand card, 11-20 the fifth, 21-30
// the fourth, 31-40 the third and 41-50 the first; beyond the hand it spares the hand.
TEST(ChosenOne, EachBandOfTheRollNamesOneHandPosition) {
    const Entries hand{"[100] GNOME", "[101] ELF", "[102] FAIRY", "[103] LEPERCHAUN"};
    const std::string hitOfBand[] = {hand[1], "", hand[3], hand[2], hand[0]};
    for (const auto& side : bothSides)
        for (int band = 1; band <= 5; ++band) {
            SpecialTable t(side);
            SCOPED_TRACE("rolling in band " + std::to_string(band));
            const std::string& hit = hitOfBand[band - 1];
            t.hold("[209] CHOSEN ONE", {"[105] CLOWN"});
            t.random.script = {inBand(band)};
            t.expectRefused("There are no cards in opponent's HAND. Action cancelled.");
            t.hand(t.you, hand);
            t.grave(t.you, {"[120] OGRE 150"});
            t.pays(0, 1, hit.empty() ? "Opponent's cards were spared." : "");
            Entries left = hand;
            std::erase(left, hit);
            t.expectHand(t.you, left);
            t.expectGrave(t.you, hit.empty() ? Entries{"[120] OGRE 150"} : Entries{"[120] OGRE 150", hit});
        }
}

TEST(DeckShuffles, DisruptorShufflesTheOpponentsDeckAndLuckMine) {
    const Entries full{"[100] GNOME", "[101] ELF", "[102] FAIRY", "[103] LEPERCHAUN"}, other{"[111] RAT"};
    for (const auto& side : bothSides)
        for (const std::string card : {"[223] DISRUPTOR", "[225] LUCK"})
            for (const Entries& deck : {full, Entries{}}) { // an empty deck stays empty
                SpecialTable t(side);
                const bool luck = card == "[225] LUCK";
                t.hold(card);
                t.deck(luck ? t.me : t.you, deck);
                t.deck(luck ? t.you : t.me, other);
                t.random.script = {0.0, 0.9, 0.4};
                TestWindow expected; // what the deck shuffle makes of the same deck with the same draws
                expected.random.script = t.random.script;
                ListBox reference;
                reference.setItems(deck);
                gameSubs::shuffle(expected.w, reference);
                ASSERT_TRUE(deck.empty() || reference.items() != deck); // the draws do shuffle
                t.plays();
                t.expectDeck(luck ? t.me : t.you, reference.items());
                t.expectDeck(luck ? t.you : t.me, other);
                EXPECT_EQ(t.random.script, expected.random.script);
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
