// The status line, the last-turn box, the card face and the keyboard, through the real widgets offscreen.
#include "app/card_face.h"
#include "app/deck_view.h"
#include "shown.h"

#include <numeric>

using namespace grim;
using namespace grim::test;

class GlanceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void aGameAtOneMachineByKeys() {
        Shown w({}, 1);
        QCOMPARE(w.text("lblStatus"), "No game. Choose OFFLINE, ONLINE or VS COMPUTER in the OPTIONS menu.");
        w.p.files = {w.deck("one.ucd", entries(40)), w.deck("two.ucd", entries(40, 110))};
        ACT(w, "click smnOffline");
        QCOMPARE(w.text("lblStatus"), "Turn: player 1");

        // Player 1 opens its deck, draws five and fields the first card; D does nothing once drawing is off.
        STEP(w, "key O, key Q", "?Do you want to shuffle your deck?;txtHandCntU1=5");
        QCOMPARE(w.text("lblStatus"), "Turn: player 1   Time left 3:00");
        STEP(w, "key D", "");
        ACT(w, "pick lstHandU1 {100}, key F");
        QCOMPARE(w.text("txtAttU1_1") + "|" + w.text("txtLastTurn"), cards("{100} 100|"));
        ACT(w, "key E");
        QCOMPARE(w.text("lblStatus"), "Turn: player 2");
        QCOMPARE(w.text("txtLastTurn"), cards("Player 1 opened a deck.\nPlayer 1 drew 5 cards.\n"
                                              "Player 1 fielded {100} in slot 1 (power 100)."));

        // Player 2: the slot keys choose SLOT A and SLOT B of the side to move only.
        ACT(w, "key O, key Q, key 3, key Shift+5");
        QCOMPARE(w.shows("cmbSlotAU2 cmbSlotBU2 cmbSlotAU1 cmbSlotBU1"),
                 "1|2|3|4|5@3 1|2|3|4|5@5 1|2|3|4|5 1|2|3|4|5");
        ACT(w, "pick lstHandU2 {111}, key X");
        QCOMPARE(w.p.last(), "question: Do you want to sacrifice this card?"); // answered No
        ACT(w, "yes key X");
        QTRY_COMPARE_WITH_TIMEOUT(w.text("lblStatus"), "Turn: player 2   Time left 2:59", 2500); // by seconds
        w.find<QTabWidget>("tabMain")->setCurrentIndex(0); // on another tab the keys do nothing
        ACT(w, "key E");
        QCOMPARE(w.shows("btnEndU2"), "on");
        w.find<QTabWidget>("tabMain")->setCurrentIndex(1);
        ACT(w, "key E");
        QCOMPARE(w.text("lblStatus"), "Turn: player 1   Time left 3:00");
        QCOMPARE(w.text("txtLastTurn"), cards("Player 2 opened a deck.\nPlayer 2 drew 5 cards.\n"
                                              "Player 2 sacrificed {111} from the hand.\n"
                                              "Player 2's sacrificed cards: 0 -> 1."));
        w.window.forward([](Window& core) { put(core.u2.txtLp, "0"); });
        ACT(w, "key E");
        QCOMPARE(w.text("lblStatus"), "Game over: Player 1 wins.");
        QVERIFY(!w.find<QTimer>("tmrSeconds")->isActive());
        QCOMPARE(w.find("btnEndU2")->toolTip(), "End the turn (E)"); // a turn button's tooltip names its key
    }

    void theCardFace() { // the face of the card last inspected, and a field card's current power on it
        Shown w({}, 1);
        auto* face = w.find<app::CardFace>("cardFace");
        QCOMPARE(face->lines(), QStringList());
        w.window.forward([](Window& core) {
            put(core.u1.lstHand, {entry(120), entry(210)});
            put(core.u2.txtAtt[2], fielded(165));
        });
        ACT(w, "pick lstHandU1 {120}");
        QCOMPARE(face->lines(), QStringList({"OGRE", "[120]", "REGULAR - LEVEL 2", "FOREST", "POWER 150",
                                             "COST 0L 1C", "Level 2 card. Requires 1C."}));
        ACT(w, "pick lstHandU1 {210}");
        QCOMPARE(face->lines().mid(0, 3), QStringList({"GOD KILLER", "[210]", "SPECIAL"}));
        ACT(w, "hover txtAttU2_3");
        QCOMPARE(face->lines().mid(4, 3), QStringList({"POWER 600", "COST 5L 5C", "ON FIELD: 600"}));
        w.window.forward([](Window& core) { core.u2.txtAtt[2].power = 250; });
        QCOMPARE(face->lines()[6], "ON FIELD: 250");
    }

    // The deck built by keys with the search on: the filter and the order change only how the rows show.
    void deckToolsByKeys() {
        Shown w;
        auto* reg = w.find<QListWidget>("lstRegCards");
        auto shownRows = [&] {
            QStringList rows;
            for (int r = 0; r < reg->count(); ++r)
                if (!reg->isRowHidden(r)) rows << reg->item(r)->text();
            return rows;
        };
        ACT(w, "pick lstRegCards {104}, type txtFilter man");
        QCOMPARE(shownRows(), cards("{104}|{112}").split('|'));
        QCOMPARE(w.shows("lstRegCards"), cards("66@{104}")); // the selection stays
        // The card above was hidden; then nothing shown is left to select, and Return adds nothing.
        QCOMPARE(w.steps({{"keys lstRegCards Return",
                           "lstDeck={104};lstRegCards=65@{112};txtDeckCount=1;txtRegCnt=65"},
                          {"keys lstRegCards Return", "lstRegCards=64;txtDeckCount=2"},
                          {"keys lstRegCards Return", "!There is no card selected to add to deck."}}),
                 QString());

        w.find<QLineEdit>("txtFilter")->clear(); // strongest first, level 5 only: the first row shown goes in
        ACT(w, "choose cmbSort BY POWER, choose cmbLevelFilter LEVEL 5");
        QCOMPARE(shownRows().size(), 5);
        QCOMPARE(reg->item(1)->text(), cards("{160}")); // row 0 is OMEGA, hidden
        for (int n = 0; n < 5; ++n)
            ACT(w, "keys lstRegCards Home Return");
        QCOMPARE(w.shows("txtDeckCount lstRegCards"), "7 59");
        ACT(w, "choose cmbSort BY CODE, choose cmbLevelFilter ALL LEVELS, dbl lstDeck {160}");
        QCOMPARE(reg->item(58)->text(), cards("{160}"));
        QCOMPARE(w.window.core().deck.lstRegCards.item(58), entry(160));

        ACT(w, "type txtFilter e"); // up to 40 by keys with the search on; the summary and the chart follow
        for (int n = 0; n < 60 && w.text("txtDeckCount") != "40"; ++n)
            ACT(w, "keys lstRegCards Home Return");
        w.find<QLineEdit>("txtFilter")->clear();
        for (int n = 0; n < 40 && w.text("txtDeckCount") != "40"; ++n)
            ACT(w, "keys lstSpcCards Home Return");
        ACT(w, "keys lstSpcCards Home Return");
        QCOMPARE(w.p.last(), "message: You cannot have more than 40 cards!");
        QCOMPARE(w.text("txtDeckCount"), "40");
        const auto summary = deckSubs::summarize(w.window.core().deck.lstDeck);
        QCOMPARE(summary.count, 40);
        QCOMPARE(w.text("lblDeckSummary"), QString::fromStdString(deckSubs::summaryText(summary)));
        app::DeckChart::Counts counts{}; // levels 1 to 6, then the special cards (level 0)
        for (const std::string& line : w.window.core().deck.lstDeck.items())
            ++counts[std::size_t(cardLevel(cardOfEntry(line).value().code()) + 6) % 7];
        QCOMPARE(w.find<app::DeckChart>("deckChart")->counts(), counts);
        QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 40);
    }
};

QTEST_MAIN(GlanceTest)
#include "glance_test.moc"
