// The window as a desktop program: where it finds its data, the keyboard paths, the order of the
// board's controls and the question before closing.
#include "app/data_folder.h"
#include "shown.h"

using namespace grim;
using namespace grim::test;

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void dataFolderBesideTheProgramThenInstalled() {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin"), share = prefix.filePath("share/grimward");
        const QStringList candidates = app::dataFolderCandidates(bin);
        QCOMPARE(candidates.mid(0, 2), (QStringList{bin, share}));
        QCOMPARE(app::findDataFolder(candidates), bin); // found nowhere: the help tab says so
        QVERIFY(QDir().mkpath(share) && QFile(share + "/instructions.txt").open(QIODevice::WriteOnly));
        QCOMPARE(app::findDataFolder(candidates), share);
        QVERIFY(QDir().mkpath(bin) && QFile(bin + "/instructions.txt").open(QIODevice::WriteOnly));
        QCOMPARE(app::findDataFolder(candidates), bin);
    }

    // A whole deck built with the keyboard alone and taken apart again.
    void keyboardPaths() {
        Shown d;
        ACT(d, "keys lstSpcCards Return");    // Tab stands on the first card; Return takes it
        ACT(d, "keys lstRegCards Down Down"); // the record of the card the keys stand on
        QVERIFY(d.text("txtDesc").startsWith("NAME = [102] FAIRY"));
        ACT(d, "keys lstRegCards Enter");
        QCOMPARE(d.shows("lstDeck txtDeckCount txtRegCnt txtSpcCnt"), "[200] LIFELESS|[102] FAIRY 2 65 28");
        ACT(d, "keys lstDeck Home Delete Return");
        QCOMPARE(d.shows("lstDeck txtDeckCount txtRegCnt txtSpcCnt"), " 0 66 29");
    }

    void tabOrderFollowsTheBoard() {
        Shown d;
        QStringList expected, seen;
        for (const char* u : {"U1", "U2"})
            for (QString part :
                 {"lstDeck",   "btnOpen",  "btnAdd",   "btnQ5",    "lstHand",   "btnSacri", "btnSpecial",
                  "btnField",  "lblAtt_1", "lblAtt_2", "lblAtt_3", "lblAtt_4",  "lblAtt_5", "btnDirect",
                  "btnMaster", "cmbGrave", "cmbSlotA", "cmbSlotB", "btnAttack", "btnEnd"})
                expected << part.insert(part.contains('_') ? part.indexOf('_') : part.size(), u);
        // The focus chain is a ring: walk it from the start of the GAME tab.
        QWidget* w = d.window.findChild<QTabWidget*>()->widget(1);
        for (int i = 0; i < 500 && seen.size() < expected.size(); w = w->nextInFocusChain(), ++i)
            if (expected.contains(w->objectName()) && w->focusPolicy() & Qt::TabFocus)
                seen << w->objectName();
        QCOMPARE(seen, expected);
    }

    void closingAsksOnlyWhenSomethingWouldBeLost() {
        Shown plain; // nothing to lose
        QVERIFY(plain.window.close());
        QCOMPARE(plain.p.questions.size(), 0u);
        Shown b; // a deck being built: No keeps the window; once saved it closes at once
        ACT(b, "keys lstRegCards Return");
        QVERIFY(!b.window.close());
        QCOMPARE(b.p.last(), "question: Your deck has changes that were not saved. Close the game anyway?");
        ACT(b, "file:built.ucd click btnSave");
        QVERIFY(b.window.close());
        Shown e; // an opened deck is safe, a game is not; a changed deck and a game: Yes closes
        e.p.files = {e.deck("e.ucd", entries(3))};
        ACT(e, "click btnOpen, click smnOffline");
        QVERIFY(!e.window.close());
        QCOMPARE(e.p.last(), "question: A game is in progress. Close the game anyway?");
        ACT(e, "keys lstSpcCards Return");
        e.p.answers = {true};
        QVERIFY(e.window.close());
        QCOMPARE(e.p.last(),
                 "question: Your deck has changes that were not saved, and a game is in progress. "
                 "Close the game anyway?");
        // A game that is over has nothing to lose; a hand taking the focus picks no card.
        Shown d({}, 1);
        d.p.files = {d.deck("d.ucd", entries(40))};
        ACT(d, "click smnOffline, click btnOpenU1, click btnQ5U1, keys lstHandU1");
        QCOMPARE(d.find<QListWidget>("lstHandU1")->currentRow(), -1);
        d.window.forward([](Window& core) { core.u2.txtLp.text = "0"; });
        ACT(d, "click btnEndU1");
        QCOMPARE(d.p.last(), "message: Player 1 wins.");
        QVERIFY(d.window.close());
        QCOMPARE(d.p.last(), "message: Player 1 wins."); // nothing asked
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
