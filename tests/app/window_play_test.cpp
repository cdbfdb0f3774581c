// A game on one machine played through the real widgets, offscreen: every turn control,
// list, slot label, selector and graveyard of both players must reach its own side's
// handler and show its effect; the turn timer ticks through the real QTimer; the game is
// played to its winner.
#include "window_fixture.h"

#include <QTimer>

using wintest::Step;

namespace {

#define EMPTY "!There is no card to sacrifice in this slot. Sacrifice will not take place."
#define SACRIFICE "?Do you want to sacrifice this card?"
#define SHUFFLE "?Do you want to shuffle your deck?"

// Each row's effect can only come from the right handler of the right side: the other
// side's controls are disabled in the core, so a control wired across shows nothing.
const Step firstTurns[] = {
    {"menu smnOffline", "smnOffline=off+;smnOnline=off;btnOpenU1=on"},
    {"file:deck1.ucd click btnOpenU1", SHUFFLE ";txtDeckCntU1=40;btnOpenU1=off;btnAddU1=on;btnQ5U1=on"},
    {"click btnAddU1", "lstHandU1={200};txtHandCntU1=1;txtDeckCntU1=39"},
    {"click btnQ5U1", "lstHandU1={200}|{207}|{100}|{101}|{102};txtHandCntU1=5;txtDeckCntU1=35"},
    {"pick lstHandU1 {101}", "lstHandU1={200}|{207}|{100}|{101}|{102}@{101};txtDescControls=NAME = {101}"},
    {"yes click btnSacriU1", SACRIFICE ";cmbGraveU1={101};txtGraveCntU1=1;txtSacriCntU1=1"},
    {"pick lstDeckU1 {103}", "txtDescControls=NAME = {103}"},
    {"choose cmbGraveU1 {101}", "txtDescControls=NAME = {101}"},
    {"pick lstHandU1 {100}", "txtDescControls=NAME = {100}"},
    {"click btnFieldU1", "txtAttU1_1={100} 100;txtHandCntU1=3;btnFieldU1=off;btnSacriU1=off"},
    {"set cmbSlotAU1 1", "cmbSlotAU1=1|2|3|4|5@1"},
    {"pick lstHandU1 {207}", "txtDescControls=NAME = {207}"},
    {"click btnSpecialU1",
     "txtAttU1_1={100} 150;cmbGraveU1={101}|{207}@{101};txtGraveCntU1=2;btnSpecialU1=off"},
    {"click btnEndU1", "btnEndU1=off;btnOpenU2=on"},
    {"file:deck2.ucd click btnOpenU2", SHUFFLE ";txtDeckCntU2=40;btnOpenU2=off;btnAttackU2=on;lblAttU2_5=on"},
    {"click btnAddU2", "txtHandCntU2=1"},
    {"click btnQ5U2", "lstHandU2={200}|{211}|{110}|{111}|{112};txtHandCntU2=5"},
    {"click lblAttU2_1", EMPTY},
    {"click lblAttU2_2", EMPTY},
    {"click lblAttU2_3", EMPTY},
    {"click lblAttU2_4", EMPTY},
    {"click lblAttU2_5", EMPTY},
    {"pick lstHandU2 {111}", "txtDescControls=NAME = {111}"},
    {"yes click btnSacriU2", SACRIFICE ";cmbGraveU2={111};txtGraveCntU2=1;txtSacriCntU2=1"},
    {"pick lstDeckU2 {113}", "txtDescControls=NAME = {113}"},
    {"choose cmbGraveU2 {111}", "txtDescControls=NAME = {111}"},
    {"pick lstHandU2 {110}", "txtDescControls=NAME = {110}"},
    {"click btnFieldU2", "txtAttU2_1={110} 100;txtHandCntU2=3;lblAttU2_1=off"},
    {"set cmbGraveU1 {207}", "cmbGraveU1={101}|{207}@{207}"},
    {"pick lstHandU2 {211}", "txtDescControls=NAME = {211}"},
    {"click btnSpecialU2",
     "cmbGraveU1={101}*;txtGraveCntU1=1;cmbGraveU2={111}|{207}|{211}@{111};txtGraveCntU2=3"},
    {"menu smnSoundsOff", "smnSoundsOff=off+;smnSoundsOn=on"},
    {"set cmbSlotAU2 1", "cmbSlotAU2=1|2|3|4|5@1"},
    {"set cmbSlotBU2 1", "cmbSlotBU2=1|2|3|4|5@1"},
    {"click btnAttackU2", "txtAttU2_1=;txtLpU2=24;cmbGraveU2={111}|{207}|{211}|{110} "
                          "100@{111};txtAttU1_1={100} 50;btnAttackU2=off"},
    {"menu smnSoundsOn", "smnSoundsOn=off+;smnSoundsOff=on"},
    {"click btnEndU2", "btnEndU2=off;btnAttackU1=on;lblAttU1_5=on"},
    {"click lblAttU1_1", SACRIFICE}, // answered No
    {"click lblAttU1_2", EMPTY},
    {"click lblAttU1_3", EMPTY},
    {"click lblAttU1_4", EMPTY},
    {"click lblAttU1_5", EMPTY},
    {"set cmbSlotBU1 2", "cmbSlotBU1=1|2|3|4|5@2"},
    {"click btnAttackU1", "!You can't ATTACK an empty slot."},
    {"hover btnDirectU1", "txtDescControls=Click this button to take 1L from opponent. Opponent must*"},
    {"click btnDirectU1", "txtLpU2=23;btnDirectU1=off"},
    {"click btnEndU1", "btnEndU1=off;btnEndU2=on"},
    {"hover btnDirectU2", "txtDescControls=Click this button to attack opponent's LP directly.*"},
    {"click btnDirectU2", "!You need at least 1 ATTACK card on the field to attack opponent's LIFEPOINTS."},
    {"click btnMasterU2", "!You must have 5 cards on the FIELD to use MASTER."},
    {"pick lstHandU2 {200}", "txtDescControls=NAME = {200}"},
    {"click btnSpecialU2", "txtLpU1=24;btnSpecialU2=off"},
    {"hover txtAttU1_1", "txtDescControls=NAME = {100}"},
};

bool anyTurnControlEnabled(const wintest::Win& w) {
    static const QRegularExpression turn(QStringLiteral(R"(^(btn\w+U[12]|lblAttU[12]_\d)$)"));
    for (QWidget* control : w.window->findChildren<QWidget*>(turn))
        if (control->isEnabled()) return true;
    return false;
}

} // namespace

class WindowPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlOfBothSidesTheTimerAndAWholeGame() {
        wintest::Win w;
        QVERIFY(w.show(1));
        QList<int> deck1{200, 207, 100, 101, 102}, deck2{200, 211, 110, 111, 112};
        for (int i = 0; deck1.size() < 40; ++i) {
            deck1 << 103 + i % 13; // level 1 cards from [103] on
            deck2 << 113 + i % 3;
        }
        QVERIFY(w.writeDeck("deck1.ucd", deck1) && w.writeDeck("deck2.ucd", deck2));
        auto* timer = w.find<QTimer>("tmrTurnLimit");
        timer->setTimerType(Qt::PreciseTimer); // so that its remaining time can be compared

        for (const Step& s : firstTurns) {
            const QString failed = w.step(s.action, s.expect);
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
        }
        QVERIFY(w.text("txtDescControls").contains("POWER = 100")); // the catalogue's, not the slot's

        // END switches the running timer off and on within one event: it starts afresh.
        QVERIFY(timer->isActive() && timer->interval() == 60000);
        QTest::qWait(300);
        const int left = timer->remainingTime();
        QVERIFY(w.act("click btnEndU2"));
        QVERIFY2(timer->remainingTime() > left + 200, qPrintable(QString::number(left)));

        // The turn timer's own ticks: two minutes pass, the third tick comes while a message
        // box is open and runs after it, ending player 1's turn.
        timer->setSingleShot(true);
        for (const char* shown : {"2 MINUTES", "1 MINUTES"}) {
            timer->start(1);
            QTRY_COMPARE(w.text("txtMins"), QLatin1String(shown));
        }
        w.rec.spinMs = 50;
        timer->start(1);
        const QString third =
            w.step("click btnMasterU1", "!You must have 5 cards on the FIELD to use MASTER.;"
                                        "!3 minutes have passed. Your turn has automatically ended.;"
                                        "txtMins=3 MINUTES;btnEndU1=off;btnEndU2=on");
        QVERIFY2(third.isEmpty(), qPrintable(third));
        w.rec.spinMs = 0;
        timer->setSingleShot(false);
        QVERIFY(timer->isActive() && timer->interval() == 60000);
        QVERIFY(w.text("txtChat").endsWith("] 3 minutes have passed. Your turn has automatically ended.>\n"));

        // Player 1 fills its field, then uses MASTER, and strikes directly every turn.
        for (int round = 0; round < 40 && anyTurnControlEnabled(w); ++round) {
            QVERIFY(w.act("click btnEndU2"));
            if (!anyTurnControlEnabled(w)) break;
            auto* hand = w.find<QListWidget>("lstHandU1");
            if (hand->count() < 5) QVERIFY(w.act("click btnAddU1"));
            int filled = 0;
            for (int i = 1; i <= 5; ++i)
                filled += !w.text(QStringLiteral("txtAttU1_%1").arg(i)).isEmpty();
            const auto regular = hand->findItems(QStringLiteral("[1"), Qt::MatchStartsWith);
            if (filled < 5 && !regular.isEmpty()) {
                QVERIFY(w.act("pick lstHandU1 " + regular.front()->text()) && w.act("click btnFieldU1"));
            } else if (filled == 5) {
                QVERIFY(w.act("click btnMasterU1"));
            }
            QVERIFY(w.act("click btnDirectU1") && w.act("click btnEndU1"));
        }
        QCOMPARE(w.rec.log.mid(w.rec.log.size() - 2), QStringList({"~over.wav", "!Player 1 wins."}));
        QVERIFY(!anyTurnControlEnabled(w) && !timer->isActive());

        const QString reset =
            w.step("yes menu smnNewGame", "?Start a new game?;txtLpU2=25;txtAttU1_1=;txtDeckCntU1=0;"
                                          "lstDeckU1=;smnOffline=on;smnNewGame=off");
        QVERIFY2(reset.isEmpty(), qPrintable(reset));
        QVERIFY(!anyTurnControlEnabled(w));
    }
};

QTEST_MAIN(WindowPlayTest)
#include "window_play_test.moc"
