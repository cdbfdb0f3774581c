// VS COMPUTER through the real window, offscreen: the menu item and the computer's deck from
// the sample decks built beside the program, player 1's clicks, the computer's turns played
// on the real tmrComputer with their log lines, the end of a game and NEW GAME.
#include "board/numbers.h"
#include "shown.h"

#include <QAction>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

using namespace grim;
using namespace grim::test;

namespace {

// The sample decks the build puts beside the program.
QString decks(const QString& name = {}) {
    return QCoreApplication::applicationDirPath() + "/decks" + (name.isEmpty() ? "" : "/" + name);
}

// A window whose computer's searches are seeded, so that a run replays.
struct Versus : Shown {
    explicit Versus(computer::SearchOptions search = {.seed = 7})
        : Shown(QCoreApplication::applicationDirPath(), 1, search) {
        prompter.files = {decks("giants.ucd").toStdString(), decks("swarm.ucd").toStdString()};
    }
    QAction* item(const char* name) { return find<QAction>(name); }
    // The mode items as "enabled/checked" flags: OFFLINE, ONLINE, VS COMPUTER, NEW GAME.
    QString menu() {
        QString flags;
        for (const char* name : {"smnOffline", "smnOnline", "smnComputer", "smnNewGame"})
            flags +=
                QString::number(item(name)->isEnabled()) + QString::number(item(name)->isChecked()) + " ";
        return flags + QString::number(find("lstDeckU2")->isVisible()) +
               QString::number(find("lstHandU2")->isVisible());
    }
    QStringList computerLines() {
        static const QRegularExpression line(R"(^<\[[^\]]+\] Computer .+\.>$)");
        return find<QPlainTextEdit>("txtChat")->toPlainText().split('\n').filter(line);
    }
    // Player 2's controls that the player can use.
    QStringList usableByPlayer2() {
        QStringList usable;
        for (QWidget* w : window.findChildren<QWidget*>(QRegularExpression("^(btn|lbl|cmbSlot).*U2")))
            if (w->isEnabled()) usable << w->objectName();
        return usable;
    }
    bool player1ToMove() { return enabled("btnEndU1") || enabled("btnAddU1"); }
    // Changes the board as a rule might, through the window's event queue.
    void edit(const std::function<void(Window&)>& change) { window.forward(change); }
};

const QString noMode = "10 10 10 00 11", computerMode = "00 00 01 10 00";

} // namespace

class ComputerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Cancelling the computer's deck, or a deck that could not be played, leaves the choice of
    // mode as it was.
    void deckCancelledOrRefused() {
        Versus w;
        QCOMPARE(w.menu(), noMode);
        w.prompter.files = {std::nullopt, w.deck("short.ucd", {39, "[100] GNOME"})};
        for (int i = 0; i < 2; ++i) {
            w.item("smnComputer")->trigger();
            QVERIFY(w.menu() == noMode && !w.enabled("btnOpenU1"));
        }
        QCOMPARE(w.prompter.messages,
                 std::vector<std::string>{
                     "You have less than 40 cards! To play a real game you need 40. Try again."});
        QCOMPARE(w.prompter.folders, std::vector<std::string>(2, decks().toStdString()));
    }

    // The computer opens its deck and draws at once, then starts a search of hours; it stops
    // when the window goes, and when the board changes (to one where only END is left).
    void aSearchStopsOnceItsMoveWouldBeThrownAway() {
        for (const bool close : {true, false}) {
            auto w =
                std::make_unique<Versus>(computer::SearchOptions{.seed = 7, .determinizations = 1 << 30});
            w->item("smnComputer")->trigger();
            QVERIFY(w->click("btnOpenU1"));
            QVERIFY(w->click("btnEndU1"));
            w->find<QTimer>("tmrComputer")->setInterval(1);
            QTRY_COMPARE(w->computerLines().size(), 2);
            if (close) continue;
            w->edit([](Window& core) {
                for (Switch* button : core.u2.turnButtons())
                    button->enabled = button == &core.u2.btnEnd;
            });
            QTRY_VERIFY(w->player1ToMove());
        }
    }

    void aGameAgainstTheComputer() {
        Versus w;
        auto* tmrComputer = w.find<QTimer>("tmrComputer");
        w.item("smnComputer")->trigger();
        QCOMPARE(w.menu(), computerMode);

        // Player 1's first turn, unshuffled: [100] to [104] in hand.
        QVERIFY(w.click("btnOpenU1") && w.click("btnQ5U1"));
        QVERIFY(w.pick("lstHandU1", "[100] GNOME") && w.click("btnFieldU1"));
        QCOMPARE(w.text("txtAttU1_1"), "[100] GNOME 100");
        QVERIFY(w.usableByPlayer2().isEmpty() && !tmrComputer->isActive());
        QVERIFY(w.click("btnEndU1"));

        // The computer's turn: its controls are on in the rules but not for the player, the
        // mark shows it moves, and its first move waits for tmrComputer.
        QVERIFY(w.window.core().u2.btnOpen.enabled && !w.enabled("btnOpenU2"));
        QVERIFY(w.find<QGroupBox>("fraBoardU2")->property("turn").toBool());
        QVERIFY(tmrComputer->isActive() && tmrComputer->interval() == 700);
        // Its move, however soon chosen, waits for the tick.
        tmrComputer->setInterval(60000);
        QTest::qWait(300);
        QVERIFY(w.computerLines().isEmpty());
        // After each tick, the controls the player could use while the computer has its turn.
        // At the tick that opened its deck, the computer has already set out to choose its
        // draw; then five cards reach its hand as a rule might put them there: the draw it
        // chose no longer fits, and it chooses again instead of being refused.
        QObject watch;
        QStringList usable;
        // Every move waits for a tick of its own, the second move of a turn as much as the first.
        int ticks = 0;
        connect(tmrComputer, &QTimer::timeout, &watch, [&] {
            ++ticks;
            if (w.text("txtDeckCntU2") == "40")
                w.edit([](Window& core) {
                    auto deck = core.u2.lstDeck.items();
                    core.u2.lstHand.setItems({deck.begin(), deck.begin() + 5});
                    core.u2.lstDeck.setItems({deck.begin() + 5, deck.end()});
                    writeNumber(core.u2.txtDeckCnt, 35);
                    writeNumber(core.u2.txtHandCnt, 5);
                });
            if (w.window.core().u2.btnEnd.enabled)
                usable << w.usableByPlayer2().join(',') +
                              (w.find("lstHandU2")->isVisible() ? "lstHandU2" : "");
        });
        tmrComputer->setInterval(5);
        QTRY_VERIFY_WITH_TIMEOUT(w.player1ToMove(), 30000);
        QVERIFY(!usable.isEmpty() && usable.filter(QRegularExpression(".")).isEmpty());
        QVERIFY2(w.computerLines().size() <= ticks, qPrintable(QString::number(ticks)));
        const QStringList lines = w.computerLines();
        QVERIFY2(lines.size() >= 3 && lines.front().endsWith("] Computer opens its deck.>") &&
                     lines.filter("draws").isEmpty() && !lines[1].endsWith("ends its turn.>"),
                 qPrintable(lines.join('\n')));
        // Only player 1 was asked to shuffle; nothing was shown for the computer.
        QCOMPARE(w.prompter.questions, std::vector<std::string>{"Do you want to shuffle your deck?"});
        QVERIFY(w.prompter.messages.empty());
        QCOMPARE(w.menu(), computerMode);

        // Player 1 at its last life point with nothing on its field: the computer strikes
        // directly and wins when it ends its turn.
        w.edit([](Window& core) {
            writeNumber(core.u1.txtLp, 1);
            for (auto& slot : core.u1.txtAtt)
                slot.text.clear();
            if (core.u2.txtAtt[0].text.empty()) core.u2.txtAtt[0].text = "[120] OGRE 150";
        });
        QVERIFY(w.click("btnEndU1"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.prompter.messages.empty(), 30000);
        QCOMPARE(w.prompter.messages, std::vector<std::string>{"Player 2 wins."});
        QCOMPARE(w.sound.played.back(), std::string("over.wav"));
        QVERIFY(w.computerLines().filter("] Computer attacks player 1's LIFEPOINTS directly.>").size() == 1);
        QVERIFY(w.find("lstDeckU2")->isVisible() && w.find("lstHandU2")->isVisible());
        QVERIFY(!w.player1ToMove() && !w.window.core().u2.btnEnd.enabled);

        // NEW GAME returns to the choice of mode.
        w.prompter.answers = {true};
        w.item("smnNewGame")->trigger();
        QCOMPARE(w.prompter.questions.back(), std::string("Start a new game?"));
        QCOMPARE(w.menu(), noMode);
        QVERIFY(w.text("txtAttU2_1").isEmpty() && w.usableByPlayer2().contains("cmbSlotAU2"));
    }
};

QTEST_MAIN(ComputerWindowTest)
#include "computer_window_test.moc"
