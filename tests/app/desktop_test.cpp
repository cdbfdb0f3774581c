// The window as a desktop program: where it finds its data, the keyboard paths, the mark of
// the side to move, the file dialogs' folder and the question before closing.
#include "app/data_folder.h"
#include "app/frmMain.h"
#include "app/qt_ports.h"
#include "deck/query_unload.h"
#include "support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace grim;
using namespace grim::test;

namespace {

// Deck files for one test, in a folder removed afterwards.
struct DeckFolder {
    QTemporaryDir dir;
    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    std::string deck(const std::string& name, const std::vector<std::string>& items) const {
        deckFile::write(path(name), items);
        return path(name);
    }
};

struct Desk {
    FakePrompter prompter;
    FakeSound sound;
    ScriptedRandom random;
    frmMain window{frmMain::Overrides{&prompter, &random, &sound, QStringLiteral("/nonexistent-grimward")}};

    Desk() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");
    }
    template <class T = QWidget> T* find(const char* name) {
        if (auto* w = window.findChild<T*>(QLatin1String(name))) return w;
        qFatal("no control %s", name);
    }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    QString counts() { return text("txtDeckCount") + "/" + text("txtRegCnt") + "/" + text("txtSpcCnt"); }
    QString item(const char* list, int row) { return find<QListWidget>(list)->item(row)->text(); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void keys(const char* name, std::initializer_list<Qt::Key> sequence) { // focus by Tab, then keys
        find(name)->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : sequence)
            QTest::keyClick(find(name), key);
    }
    QString marked() { // the frames marked as the side to move
        return QString(find<QGroupBox>("fraBoardU1")->property("turn").toBool() ? "1" : "") +
               (find<QGroupBox>("fraBoardU2")->property("turn").toBool() ? "2" : "");
    }
};

bool touch(const QString& path) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly);
}

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
        QVERIFY(touch(share + "/instructions.txt"));
        QCOMPARE(app::findDataFolder(candidates), share);
        QVERIFY(touch(bin + "/instructions.txt"));
        QCOMPARE(app::findDataFolder(candidates), bin);
    }

    void fileDialogsStartWhereTheLastDeckWas() {
        QTemporaryDir decks;
        const QString deck = decks.filePath("new.ucd");
        app::QtPrompter prompter(nullptr, {});
        QStringList startedIn;
        const auto answer = [&] {
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                startedIn << dialog->directory().absolutePath();
                dialog->selectFile(deck);
                static_cast<QDialog*>(dialog)->accept();
            });
        };
        answer();
        QCOMPARE(prompter.saveFile("Deck File (*.ucd)"), QFile::encodeName(deck).toStdString());
        QVERIFY(touch(deck));
        answer();
        QVERIFY(prompter.openFile("Deck File (*.ucd)"));
        QCOMPARE(startedIn, (QStringList{home_.filePath("Documents"), decks.path()}));
    }

    // A whole deck built with the keyboard alone, and taken apart again.
    void deckBuiltWithTheKeyboard() {
        Desk d;
        d.keys("lstSpcCards", {Qt::Key_Return}); // Tab stands on the first card; Return takes it
        d.keys("lstRegCards", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter});
        QCOMPARE(d.item("lstDeck", 0) + d.item("lstDeck", 1), "[200] LIFELESS[102] FAIRY");
        for (int i = 0; i < 38; ++i)
            d.keys("lstRegCards", {Qt::Key_Return});
        QCOMPARE(d.counts(), "40/27/28");
        QVERIFY(d.prompter.messages.empty());
        d.keys("lstRegCards", {Qt::Key_Return, Qt::Key_Delete});
        QCOMPARE(d.prompter.messages, std::vector<std::string>{"You cannot have more than 40 cards!"});
        d.keys("lstDeck", {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Return});
        QCOMPARE(d.item("lstSpcCards", 28) + d.item("lstRegCards", 0), "[200] LIFELESS[102] FAIRY");
        QCOMPARE(d.counts(), "38/28/29");
    }

    void slotLabelsActOnSpaceAndReturn() {
        Desk d;
        d.prompter.answers = {true, true};
        for (std::size_t i : {0, 1}) {
            d.window.core.u1.txtAtt.at(i).text = fielded(106 + int(i));
            d.window.core.u1.lblAtt.at(i).enabled = true;
        }
        d.window.render();
        d.keys("lblAttU1_1", {Qt::Key_Space});
        d.keys("lblAttU1_2", {Qt::Key_Return});
        QCOMPARE(d.prompter.questions.size(), 2u);
        QCOMPARE(d.text("txtAttU1_1") + d.text("txtAttU1_2") + "|" + d.text("txtSacriCntU1"), "|2");
        QCOMPARE(d.find<QComboBox>("cmbGraveU1")->count(), 2);
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

    // The side to move is marked through a hand-over of the turn; a hand that takes the focus
    // shows no card as picked.
    void turnMarkerAndHandFocus() {
        DeckFolder files;
        Desk d;
        QVERIFY(!d.window.windowIcon().isNull());
        QCOMPARE(d.marked(), "");
        d.find<QAction>("smnOffline")->trigger();
        QCOMPARE(d.marked(), "1");
        d.prompter.files = {files.deck("a.ucd", entries(40))};
        d.click("btnOpenU1");
        d.click("btnQ5U1");
        auto* hand = d.find<QListWidget>("lstHandU1");
        hand->setFocus(Qt::TabFocusReason);
        QCOMPARE(hand->count(), 5);
        QCOMPARE(hand->currentRow(), -1);
        d.click("btnEndU1");
        QCOMPARE(d.marked(), "2");
    }

    void closingAsksOnlyWhenSomethingWouldBeLost() {
        DeckFolder files;
        const auto asked = [](Desk& d) {
            return d.prompter.questions.empty() ? "" : d.prompter.questions.back();
        };
        {
            Desk d; // nothing to lose
            QVERIFY(d.window.close());
            QVERIFY(d.prompter.questions.empty());
        }
        {
            Desk d; // a deck being built: No keeps the window; once saved it closes at once
            d.keys("lstRegCards", {Qt::Key_Return});
            QVERIFY(!d.window.close() && d.window.isVisible());
            QCOMPARE(asked(d), unsavedDeckQuestion);
            d.prompter.files = {files.path("built.ucd")};
            d.click("btnSave");
            QVERIFY(d.window.close());
            QCOMPARE(d.prompter.questions.size(), 1u);
        }
        {
            Desk d; // an opened deck is safe, a game is not; a changed deck and a game: Yes closes
            d.prompter.files = {files.path("built.ucd")};
            d.click("btnOpen");
            d.find<QAction>("smnOffline")->trigger();
            QVERIFY(!d.window.close());
            QCOMPARE(asked(d), runningGameQuestion);
            d.keys("lstSpcCards", {Qt::Key_Return});
            d.prompter.answers = {true};
            QVERIFY(d.window.close());
            QCOMPARE(asked(d), deckAndGameQuestion);
        }
        {
            Desk d; // a game that is over has nothing to lose
            d.find<QAction>("smnOffline")->trigger();
            d.prompter.files = {files.deck("b.ucd", entries(40))};
            d.click("btnOpenU1");
            d.window.core.u2.txtLp.text = "0";
            d.click("btnEndU1");
            QCOMPARE(d.prompter.lastMessage(), "Player 1 wins.");
            QVERIFY(d.window.close());
            QVERIFY(d.prompter.questions.size() == 1u); // only the shuffle question
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
