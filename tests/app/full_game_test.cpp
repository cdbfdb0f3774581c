// A whole game on one machine played through the real window, offscreen: the menu, the
// turn buttons, the hands and the slot selectors are used as a player would; message boxes
// and file dialogs answer from a script.
#include "window_fixture.h"

#include "cards/catalogue.h"
#include "deck/deck_file.h"

#include <QComboBox>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

using grim::test::WindowUnderTest;

namespace {

std::vector<std::string> deckOf(std::initializer_list<std::pair<int, int>> ranges) {
    std::vector<std::string> deck;
    for (const auto& [first, last] : ranges)
        for (int code = first; code <= last; ++code)
            deck.push_back(grim::cardSubs::record(code)->name);
    return deck;
}

// The ten turn buttons and the five slot labels of each side.
const QRegularExpression turnControls(QStringLiteral(R"(^(btn\w+U[12]|lblAttU[12]_\d)$)"));

} // namespace

class FullGameTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<WindowUnderTest> w;

    QString text(const char* name) const { return w->text(QLatin1String(name)); }
    void click(const char* name) const { w->click(QLatin1String(name)); }
    void clickHandCard(const char* list, int row) {
        auto* hand = w->find<QListWidget>(QLatin1String(list));
        QVERIFY(row < hand->count());
        QTest::mouseClick(hand->viewport(), Qt::LeftButton, {},
                          hand->visualItemRect(hand->item(row)).center());
        QCOMPARE(hand->currentRow(), row);
    }
    void choose(const char* selector, const QString& item) {
        auto* combo = w->find<QComboBox>(QLatin1String(selector));
        combo->setCurrentIndex(combo->findText(item));
    }
    int occupiedSlots(const QString& u) const {
        int n = 0;
        for (int i = 1; i <= 5; ++i)
            n += !w->text(QStringLiteral("txtAtt%1_%2").arg(u).arg(i)).isEmpty();
        return n;
    }
    bool anyTurnControlEnabled() const {
        const auto controls = w->window->findChildren<QWidget*>(turnControls);
        return controls.size() != 30 ||
               std::any_of(controls.begin(), controls.end(), [](QWidget* c) { return c->isEnabled(); });
    }

  private slots:
    void aWholeGameFromOfflineToTheWinner() {
        w = std::make_unique<WindowUnderTest>(folder.path());
        QVERIFY(w->showGameTab());
        auto& prompter = w->prompter;
        const std::string deck1 = QDir(folder.path()).filePath("player1.ucd").toStdString();
        const std::string deck2 = QDir(folder.path()).filePath("player2.ucd").toStdString();
        QVERIFY(grim::deckFile::write(deck1, deckOf({{120, 120}, {100, 119}, {121, 139}})));
        QVERIFY(grim::deckFile::write(deck2, deckOf({{100, 139}})));

        w->trigger(QStringLiteral("smnOffline"));
        QVERIFY(!w->find<QAction>("smnOffline")->isEnabled());
        QVERIFY(w->find<QAction>("smnOffline")->isChecked());

        // Player 1 opens a deck (not shuffled) and plays the first move: no attacks yet.
        prompter.files.push_back(deck1);
        click("btnOpenU1");
        QCOMPARE(prompter.questions.back(), std::string("Do you want to shuffle your deck?"));
        QCOMPARE(text("txtDeckCntU1"), QStringLiteral("40"));
        for (const char* button : {"btnOpenU1", "btnAttackU1", "btnDirectU1"})
            QVERIFY2(!w->find<QPushButton>(QLatin1String(button))->isEnabled(), button);
        click("btnQ5U1");
        QCOMPARE(text("txtHandCntU1"), QStringLiteral("5"));
        clickHandCard("lstHandU1", 1);
        QVERIFY(text("txtDescControls").startsWith(QStringLiteral("NAME = [100] GNOME")));
        click("btnFieldU1");
        QCOMPARE(text("txtAttU1_1"), QStringLiteral("[100] GNOME 100"));
        QCOMPARE(text("txtHandCntU1"), QStringLiteral("4"));
        click("btnEndU1");

        // Player 2 opens a deck, which starts a full turn, and fields a card.
        QVERIFY(w->find<QPushButton>("btnOpenU2")->isEnabled());
        prompter.files.push_back(deck2);
        click("btnOpenU2");
        QVERIFY(w->find<QPushButton>("btnAttackU2")->isEnabled());
        click("btnQ5U2");
        clickHandCard("lstHandU2", 0);
        click("btnFieldU2");
        QCOMPARE(text("txtAttU2_1"), QStringLiteral("[100] GNOME 100"));
        click("btnEndU2");

        // Player 1 sacrifices a card for 1C, fields OGRE with it and attacks GNOME.
        click("btnAddU1");
        clickHandCard("lstHandU1", 1);
        prompter.answers.push_back(true);
        click("btnSacriU1");
        QCOMPARE(text("txtSacriCntU1"), QStringLiteral("1"));
        QCOMPARE(text("txtGraveCntU1"), QStringLiteral("1"));
        clickHandCard("lstHandU1", 0);
        click("btnFieldU1");
        QCOMPARE(text("txtAttU1_2"), QStringLiteral("[120] OGRE 150"));
        QCOMPARE(text("txtSacriCntU1"), QStringLiteral("0"));
        choose("cmbSlotAU1", QStringLiteral("2"));
        choose("cmbSlotBU1", QStringLiteral("1"));
        click("btnAttackU1");
        QCOMPARE(text("txtAttU1_2"), QStringLiteral("[120] OGRE 50"));
        QCOMPARE(text("txtAttU2_1"), QString());
        QCOMPARE(text("txtLpU2"), QStringLiteral("24"));
        QCOMPARE(w->find<QComboBox>("cmbGraveU2")->itemText(0), QStringLiteral("[100] GNOME 100"));
        QCOMPARE(w->sound.played.back(), std::string("attack.wav"));
        QVERIFY(w->find<QPushButton>("btnEndU1")->isEnabled());
        QVERIFY(!w->find<QPushButton>("btnFieldU1")->isEnabled());
        click("btnEndU1");

        // Player 2's turn runs out: three minutes.
        w->window->tmrTurnLimit_Timer();
        QCOMPARE(text("txtMins"), QStringLiteral("2 MINUTES"));
        w->window->tmrTurnLimit_Timer();
        QCOMPARE(text("txtMins"), QStringLiteral("1 MINUTES"));
        w->window->tmrTurnLimit_Timer();
        QCOMPARE(prompter.lastMessage(),
                 std::string("3 minutes have passed. Your turn has automatically ended."));
        QVERIFY(text("txtChat").contains(
            QStringLiteral("] 3 minutes have passed. Your turn has automatically ended.>")));
        QCOMPARE(text("txtMins"), QStringLiteral("3 MINUTES"));
        QVERIFY(w->find<QPushButton>("btnEndU1")->isEnabled());

        // From now on player 1 fills the field, then uses MASTER, and strikes directly each
        // turn; player 2 only ends its turns.
        for (int round = 0; round < 30 && anyTurnControlEnabled(); ++round) {
            if (text("txtHandCntU1").toInt() < 5) click("btnAddU1");
            if (occupiedSlots("U1") < 5) {
                clickHandCard("lstHandU1", 0);
                click("btnFieldU1");
            } else {
                click("btnMasterU1");
            }
            click("btnDirectU1");
            click("btnEndU1");
            if (anyTurnControlEnabled()) click("btnEndU2");
        }
        QCOMPARE(prompter.lastMessage(), std::string("Player 1 wins."));
        QVERIFY(text("txtLpU2").toInt() <= 0);
        QVERIFY(!anyTurnControlEnabled());
        QCOMPARE(w->sound.played.back(), std::string("over.wav"));

        // NEW GAME: the board is empty and the mode may be chosen again.
        prompter.answers.push_back(true);
        w->trigger(QStringLiteral("smnNewGame"));
        QCOMPARE(prompter.questions.back(), std::string("Start a new game?"));
        QCOMPARE(text("txtLpU2"), QStringLiteral("25"));
        QCOMPARE(text("txtAttU1_1"), QString());
        QCOMPARE(w->find<QListWidget>("lstDeckU1")->count(), 0);
        QVERIFY(w->find<QAction>("smnOffline")->isEnabled());
        QVERIFY(!w->find<QAction>("smnOffline")->isChecked());
        QVERIFY(!w->find<QAction>("smnNewGame")->isEnabled());
        QVERIFY(!anyTurnControlEnabled());
    }
};

QTEST_MAIN(FullGameTest)
#include "full_game_test.moc"
