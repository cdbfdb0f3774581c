// The window as a desktop program: where it finds its data, the keyboard paths, the mark of the side to move,
// the file dialogs' folder and the question before closing.
#include "app/data_folder.h"
#include "board/numbers.h"
#include "deck/query_unload.h"
#include "shown.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace grim;
using namespace grim::test;

namespace {

struct Desk : Shown {
    Desk() {
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");
    }
    QString counts() { return text("txtDeckCount") + "/" + text("txtRegCnt") + "/" + text("txtSpcCnt"); }
    QString item(const char* list, int row) { return find<QListWidget>(list)->item(row)->text(); }
    QString asked() { return prompter.questions.empty() ? "" : prompter.questions.back().c_str(); }
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home_.filePath(".config").toLocal8Bit());
        QVERIFY(QDir(home_.path()).mkpath("Documents"));
    }

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

    // A whole deck built with the keyboard alone and taken apart again; slot labels act on Space and Return.
    void keyboardPaths() {
        Desk d;
        d.keys("lstSpcCards", {Qt::Key_Return}); // Tab stands on the first card; Return takes it
        d.keys("lstRegCards", {Qt::Key_Down, Qt::Key_Down}); // the record of the card the keys stand on
        QVERIFY(d.find<QPlainTextEdit>("txtDesc")->toPlainText().startsWith("NAME = [102] FAIRY"));
        d.keys("lstRegCards", {Qt::Key_Enter});
        QCOMPARE(d.item("lstDeck", 0) + d.item("lstDeck", 1) + d.counts(),
                 "[200] LIFELESS[102] FAIRY2/65/28");
        d.keys("lstDeck", {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Return});
        QCOMPARE(d.counts(), "0/66/29");
        d.prompter.answers = {true, true};
        d.window.forward([](Window& core) {
            for (std::size_t i : {3, 4})
                core.u1.txtAtt.at(i).text = fielded(106 + int(i)), core.u1.lblAtt.at(i).enabled = true;
        });
        d.keys("lblAttU1_4", {Qt::Key_Space});
        d.keys("lblAttU1_5", {Qt::Key_Return});
        QCOMPARE(d.text("txtAttU1_4") + d.text("txtAttU1_5") + "|" + d.text("txtSacriCntU1") +
                     QString("|%1|%2")
                         .arg(d.prompter.questions.size())
                         .arg(d.find<QComboBox>("cmbGraveU1")->count()),
                 "|2|2|2");
    }

    void tabOrderFollowsTheBoard() {
        Desk d;
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
        Desk plain; // nothing to lose
        QVERIFY(plain.window.close() && plain.prompter.questions.empty());
        // A deck being built: No keeps the window; once saved it closes at once.
        Desk b;
        b.keys("lstRegCards", {Qt::Key_Return});
        QVERIFY(!b.window.close() && b.window.isVisible());
        QCOMPARE(b.asked(), "Your deck has changes that were not saved. Close the game anyway?");
        b.prompter.files = {b.files.filePath("built.ucd").toStdString()};
        QVERIFY(b.click("btnSave") && b.window.close());
        QCOMPARE(b.prompter.questions.size(), 1u);
        // An opened deck is safe, a game is not; a changed deck and a game: Yes closes.
        Desk e;
        e.prompter.files = {b.files.filePath("built.ucd").toStdString()};
        QVERIFY(e.click("btnOpen"));
        e.find<QAction>("smnOffline")->trigger();
        QVERIFY(!e.window.close());
        QCOMPARE(e.asked(), "A game is in progress. Close the game anyway?");
        e.keys("lstSpcCards", {Qt::Key_Return});
        e.prompter.answers = {true};
        QVERIFY(e.window.close());
        QCOMPARE(e.asked(), "Your deck has changes that were not saved, and a game is in progress. Close the game anyway?");
        // A game that is over has nothing to lose; a hand taking the focus picks no card.
        Desk d;
        d.find<QAction>("smnOffline")->trigger();
        d.prompter.files = {d.deck("b.ucd", entries(40))};
        QVERIFY(d.click("btnOpenU1") && d.click("btnQ5U1"));
        d.keys("lstHandU1", {});
        QCOMPARE(d.find<QListWidget>("lstHandU1")->currentRow(), -1);
        d.window.forward([](Window& core) { writeNumber(core.u2.txtLp, 0); });
        QVERIFY(d.click("btnEndU1"));
        QCOMPARE(d.prompter.lastMessage(), "Player 1 wins.");
        QVERIFY(d.window.close() && d.prompter.questions.size() == 1u); // only the shuffle question
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
