// The window as a desktop program: where it finds its data, the keyboard paths, the mark of
// the side to move and the question before closing. Real widgets and real key events.
#include "app/data_folder.h"
#include "app/frmMain.h"
#include "app/qt_ports.h"
#include "deck/query_unload.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace grim;
using namespace grim::test;

namespace {

struct Desk {
    FakePrompter prompter;
    FakeSound sound;
    ScriptedRandom random;
    std::unique_ptr<frmMain> window;

    Desk() {
        frmMain::Overrides o;
        o.prompter = &prompter;
        o.sound = &sound;
        o.random = &random;
        o.programFolder = QStringLiteral("/nonexistent-grimward-folder");
        window = std::make_unique<frmMain>(o);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window never became active");
    }
    template <class T = QWidget> T* find(const char* name) const {
        auto* w = window->findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QString text(const char* name) const { return find<QLineEdit>(name)->text(); }
    void tab(int index) const { window->findChild<QTabWidget*>()->setCurrentIndex(index); }
    // Key clicks on a widget that holds the keyboard focus, as the player gives it.
    void keys(QWidget* target, std::initializer_list<Qt::Key> sequence) const {
        target->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : sequence)
            QTest::keyClick(target, key);
    }
    bool marked(const char* frame) const { return find<QGroupBox>(frame)->property("turn").toBool(); }
};

void writeFile(const QString& path) {
    QFile file(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral(".config")).toLocal8Bit());
        QVERIFY(QDir(home_.path()).mkpath(QStringLiteral("Documents")));
    }

    // The file dialogs start in the documents folder, then where the last deck was chosen.
    void fileDialogsStartWhereTheLastDeckWas() {
        QTemporaryDir decks;
        app::QtPrompter prompter(nullptr, {});
        QStringList startedIn;
        const auto choose = [&](const QString& file) {
            QTimer::singleShot(0, [&, file] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                startedIn << dialog->directory().absolutePath();
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept();
            });
        };
        choose(decks.filePath(QStringLiteral("new.ucd")));
        QCOMPARE(prompter.saveFile("Deck File (*.ucd)"),
                 QFile::encodeName(decks.filePath("new.ucd")).toStdString());
        writeFile(decks.filePath(QStringLiteral("new.ucd")));
        choose(decks.filePath(QStringLiteral("new.ucd")));
        QVERIFY(prompter.openFile("Deck File (*.ucd)").has_value());
        QCOMPARE(startedIn, (QStringList{QDir(home_.filePath(QStringLiteral("Documents"))).absolutePath(),
                                         QDir(decks.path()).absolutePath()}));
    }

    void dataFolderBesideTheProgramThenInstalled() {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        const QString share = prefix.filePath(QStringLiteral("share/grimward"));
        QDir().mkpath(bin);
        const QStringList candidates = app::dataFolderCandidates(bin);
        QCOMPARE(candidates.mid(0, 2), (QStringList{QDir::cleanPath(bin), QDir::cleanPath(share)}));
        QCOMPARE(app::findDataFolder(candidates), QDir::cleanPath(bin)); // nothing anywhere
        writeFile(share + QStringLiteral("/instructions.txt"));
        QCOMPARE(app::findDataFolder(candidates), QDir::cleanPath(share));
        writeFile(bin + QStringLiteral("/instructions.txt"));
        QCOMPARE(app::findDataFolder(candidates), QDir::cleanPath(bin));
    }

    // A whole deck built with the keyboard alone, and taken apart again.
    void deckBuiltWithTheKeyboard() {
        Desk d;
        auto* regular = d.find<QListWidget>("lstRegCards");
        auto* special = d.find<QListWidget>("lstSpcCards");
        auto* deck = d.find<QListWidget>("lstDeck");
        // Tabbing into a list stands on its first card without picking it; Return adds it.
        d.keys(special, {Qt::Key_Return});
        QCOMPARE(deck->count(), 1);
        QCOMPARE(deck->item(0)->text(), QStringLiteral("[200] LIFELESS"));
        d.keys(regular, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter});
        QCOMPARE(deck->item(1)->text(), QStringLiteral("[102] FAIRY"));
        for (int i = 0; i < 38; ++i)
            QTest::keyClick(regular, Qt::Key_Return);
        QCOMPARE(deck->count(), 40);
        QVERIFY(d.prompter.messages.empty());
        QTest::keyClick(regular, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(d.prompter.lastMessage()),
                 QStringLiteral("You cannot have more than 40 cards!"));
        QCOMPARE(d.text("txtDeckCount") + d.text("txtRegCnt") + d.text("txtSpcCnt"),
                 QStringLiteral("402728"));

        d.keys(deck, {Qt::Key_Home, Qt::Key_Delete});
        QCOMPARE(special->item(special->count() - 1)->text(), QStringLiteral("[200] LIFELESS"));
        QCOMPARE(deck->item(0)->text(), QStringLiteral("[102] FAIRY"));
        QTest::keyClick(deck, Qt::Key_Return);
        QCOMPARE(regular->item(0)->text(), QStringLiteral("[102] FAIRY")); // back in code order
        QCOMPARE(d.text("txtDeckCount") + d.text("txtRegCnt") + d.text("txtSpcCnt"),
                 QStringLiteral("382829"));
        QCOMPARE(deck->count(), 38);
        // Delete on a catalogue list does nothing.
        d.keys(regular, {Qt::Key_Delete});
        QCOMPARE(deck->count(), 38);
    }

    void slotLabelsActOnSpaceAndReturn() {
        Desk d;
        d.tab(1);
        d.prompter.answers = {true, true};
        for (int i : {1, 2}) {
            d.window->core.u1.slot(i).text = fielded(105 + i);
            d.window->core.u1.lblAtt.at(static_cast<std::size_t>(i - 1)).enabled = true;
        }
        d.window->render();
        d.keys(d.find("lblAttU1_1"), {Qt::Key_Space});
        d.keys(d.find("lblAttU1_2"), {Qt::Key_Return});
        QCOMPARE(d.prompter.questions.size(), std::size_t(2));
        QCOMPARE(d.text("txtAttU1_1") + d.text("txtAttU1_2"), QString());
        QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("2"));
        QCOMPARE(d.find<QComboBox>("cmbGraveU1")->count(), 2);
        QCOMPARE(d.text("txtAttU1_3"), QString()); // nothing else moved
    }

    void tabOrderFollowsTheBoard() {
        Desk d;
        QStringList seen;
        const QStringList parts{"lstDeck",  "btnOpen",    "btnAdd",   "btnQ5",     "lstHand",
                                "btnSacri", "btnSpecial", "btnField", "lblAtt_1",  "lblAtt_2",
                                "lblAtt_3", "lblAtt_4",   "lblAtt_5", "btnDirect", "btnMaster",
                                "cmbGrave", "cmbSlotA",   "cmbSlotB", "btnAttack", "btnEnd"};
        QStringList expected;
        for (const QString u : {"U1", "U2"})
            for (QString part : parts)
                expected << part.insert(part.contains('_') ? part.indexOf('_') : part.size(), u);
        // The chain is a ring: walk it from the start of the GAME tab.
        QWidget* w = d.window->findChild<QTabWidget*>()->widget(1);
        for (int i = 0; i < 500 && seen.size() < expected.size(); w = w->nextInFocusChain(), ++i)
            if (expected.contains(w->objectName()) && w->focusPolicy() & Qt::TabFocus)
                seen << w->objectName();
        QCOMPARE(seen, expected);
    }

    // The frame of the side that may act is marked, through a whole hand-over of the turn;
    // a hand that takes the focus shows no card as picked.
    void turnMarkerAndHandFocus() {
        TempFolder files;
        Desk d;
        d.tab(1);
        QVERIFY(!d.marked("fraBoardU1") && !d.marked("fraBoardU2"));
        d.find<QAction>("smnOffline")->trigger();
        QVERIFY(d.marked("fraBoardU1") && !d.marked("fraBoardU2"));
        d.prompter.files = {files.deck("a.ucd", entries(40))};
        QTest::mouseClick(d.find<QPushButton>("btnOpenU1"), Qt::LeftButton);
        QTest::mouseClick(d.find<QPushButton>("btnQ5U1"), Qt::LeftButton);
        auto* hand = d.find<QListWidget>("lstHandU1");
        QCOMPARE(hand->count(), 5);
        hand->setFocus(Qt::TabFocusReason);
        QCOMPARE(hand->currentRow(), -1);
        QVERIFY(hand->selectedItems().isEmpty());
        QTest::mouseClick(d.find<QPushButton>("btnEndU1"), Qt::LeftButton);
        QVERIFY(!d.marked("fraBoardU1") && d.marked("fraBoardU2"));
        QVERIFY(find(d, "fraBoardU2")->styleSheet().isEmpty()); // the window's style sheet marks it
    }

    void closingAsksOnlyWhenSomethingWouldBeLost() {
        TempFolder files;
        {
            Desk d; // nothing to lose
            QVERIFY(!d.window->windowIcon().isNull());
            QVERIFY(d.window->close());
            QVERIFY(d.prompter.questions.empty());
        }
        {
            Desk d; // a deck being built: No keeps the window, saving makes it safe
            d.keys(d.find("lstRegCards"), {Qt::Key_Return});
            QVERIFY(!d.window->close());
            QVERIFY(d.window->isVisible());
            QCOMPARE(d.prompter.questions.back(), std::string(unsavedDeckQuestion));
            d.prompter.files = {files.path("built.ucd")};
            QTest::mouseClick(d.find<QPushButton>("btnSave"), Qt::LeftButton);
            QCOMPARE(d.prompter.lastMessage(), std::string("Your deck was saved."));
            QVERIFY(d.window->close());
            QCOMPARE(d.prompter.questions.size(), std::size_t(1));
        }
        {
            Desk d; // a changed deck and a running game; Yes closes
            d.prompter.files = {files.path("built.ucd")};
            QTest::mouseClick(d.find<QPushButton>("btnOpen"), Qt::LeftButton);
            d.find<QAction>("smnOffline")->trigger();
            QCOMPARE(d.find<QListWidget>("lstDeck")->count(), 1);
            QVERIFY(d.window->close() == false); // opened as saved: only the game is at stake
            QCOMPARE(d.prompter.questions.back(), std::string(runningGameQuestion));
            d.keys(d.find("lstSpcCards"), {Qt::Key_Return});
            d.prompter.answers = {true};
            QVERIFY(d.window->close());
            QCOMPARE(d.prompter.questions.back(), std::string(deckAndGameQuestion));
        }
        {
            Desk d; // a game runs until it is over
            d.find<QAction>("smnOffline")->trigger();
            QVERIFY(!d.window->close());
            QCOMPARE(d.prompter.questions.back(), std::string(runningGameQuestion));
            d.prompter.files = {files.deck("b.ucd", entries(40))};
            QTest::mouseClick(d.find<QPushButton>("btnOpenU1"), Qt::LeftButton);
            d.window->core.u2.txtLp.text = "0";
            QTest::mouseClick(d.find<QPushButton>("btnEndU1"), Qt::LeftButton);
            QCOMPARE(d.prompter.lastMessage(), std::string("Player 1 wins."));
            const auto asked = d.prompter.questions.size();
            QVERIFY(d.window->close());
            QCOMPARE(d.prompter.questions.size(), asked);
        }
    }

  private:
    QTemporaryDir home_;
    static QWidget* find(const Desk& d, const char* name) { return d.find(name); }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
