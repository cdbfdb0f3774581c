// VS COMPUTER through the real window, offscreen: the menu item and the computer's deck from
// the sample decks built beside the program, player 1's clicks, the computer's turns played
// on the real tmrComputer with their log lines, the end of a game and NEW GAME.
#include "shown.h"

using namespace grim;
using namespace grim::test;

namespace {

// A window whose computer's searches are seeded, so that a run replays; the computer's deck and
// player 1's are the sample decks the build puts beside the program.
struct Versus : Shown {
    Versus() : Shown(QCoreApplication::applicationDirPath(), 1, computer::SearchOptions{.seed = 7}) {
        for (const char* name : {"giants.ucd", "swarm.ucd"})
            p.files.push_back((QCoreApplication::applicationDirPath() + "/decks/" + name).toStdString());
    }
    // The mode items OFFLINE, ONLINE, VS COMPUTER and NEW GAME, then whether player 2's hand is hidden.
    QString menu() {
        return shows("smnOffline smnOnline smnComputer smnNewGame") +
               (find("lstHandU2")->isHidden() ? " hidden" : "");
    }
    QStringList computerLines() {
        return text("txtChat").split('\n').filter(QRegularExpression(R"(^<\[[^\]]+\] Computer .+\.>$)"));
    }
    // Player 2's controls that the player can use.
    QString usableByPlayer2() {
        QStringList usable;
        for (QWidget* w : window.findChildren<QWidget*>(QRegularExpression("^(btn|lbl|cmbSlot|lst).*U2")))
            if (w->isVisible() && w->isEnabled()) usable << w->objectName();
        return usable.join(',');
    }
};

} // namespace

class ComputerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The window goes while the computer is thinking: it waits for the search, and the
    // search's answer reaches nothing.
    void closedWhileTheComputerThinks() {
        auto w = std::make_unique<Versus>();
        ACT(*w, "click smnComputer, click btnOpenU1, click btnEndU1");
        QVERIFY(w->find<QTimer>("tmrComputer")->isActive());
        w.reset();
        QTest::qWait(20);
    }

    void aGameAgainstTheComputer() {
        Versus w;
        auto* tmrComputer = w.find<QTimer>("tmrComputer");
        w.p.files.push_front(
            std::nullopt); // cancelling the computer's deck leaves the choice of mode as it was
        ACT(w, "click smnComputer");
        QCOMPARE(w.menu(), "on on on off");
        ACT(w, "click smnComputer");
        QCOMPARE(w.menu(), "off off off+ on hidden");

        // Player 1's first turn, unshuffled: [100] to [104] in hand.
        ACT(w, "click btnOpenU1, click btnQ5U1, pick lstHandU1 {100}, click btnFieldU1");
        QCOMPARE(w.usableByPlayer2(), QString());
        QVERIFY(!tmrComputer->isActive());
        ACT(w, "click btnEndU1");

        // The computer's turn: its controls are on in the rules but not for the player, the
        // mark shows it moves, and its first move waits for tmrComputer.
        QVERIFY(w.window.core().u2.btnOpen.enabled);
        QCOMPARE(w.usableByPlayer2(), QString());
        QVERIFY(w.find("fraBoardU2")->property("turn").toBool());
        QVERIFY(tmrComputer->isActive());
        QCOMPARE(tmrComputer->interval(), 700);
        // Its move, however soon chosen, waits for the tick.
        tmrComputer->setInterval(60000);
        QTest::qWait(300);
        QCOMPARE(w.computerLines(), QStringList());
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
                w.window.forward([](Window& core) {
                    auto deck = core.u2.lstDeck.items();
                    core.u2.lstHand.setItems({deck.begin(), deck.begin() + 5});
                    core.u2.lstDeck.setItems({deck.begin() + 5, deck.end()});
                    core.u2.txtDeckCnt.text = "35", core.u2.txtHandCnt.text = "5";
                });
            if (w.window.core().u2.btnEnd.enabled) usable << w.usableByPlayer2();
        });
        tmrComputer->setInterval(5);
        QTRY_VERIFY_WITH_TIMEOUT(w.shows("btnEndU1 btnAddU1") != "off off", 30000); // player 1 to move
        QCOMPARE_GT(usable.size(), 0);
        QCOMPARE(usable.filter(QRegularExpression(".")), QStringList());
        const QStringList lines = w.computerLines();
        QCOMPARE_LE(lines.size(), ticks);
        QCOMPARE_GE(lines.size(), 3);
        QVERIFY2(lines.front().endsWith("] Computer opens its deck.>"), qPrintable(lines.join('\n')));
        QCOMPARE(lines.filter("draws"), QStringList());
        QVERIFY2(!lines[1].endsWith("ends its turn.>"), qPrintable(lines.join('\n')));
        // Only player 1 was asked to shuffle; nothing was shown for the computer.
        QCOMPARE(w.p.questions, std::vector<std::string>{"Do you want to shuffle your deck?"});
        QCOMPARE(w.p.messages.size(), 0u);
        QCOMPARE(w.menu(), "off off off+ on hidden");

        // Player 1 at its last life point with nothing on its field: the computer strikes
        // directly and wins when it ends its turn.
        w.window.forward([](Window& core) {
            core.u1.txtLp.text = "1";
            for (auto& slot : core.u1.txtAtt)
                slot.text.clear();
            if (core.u2.txtAtt[0].text.empty()) core.u2.txtAtt[0].text = "[120] OGRE 150";
        });
        ACT(w, "click btnEndU1");
        QTRY_VERIFY_WITH_TIMEOUT(!w.p.messages.empty(), 30000);
        QCOMPARE(QString::fromStdString(w.p.log.end()[-2]), "sound: over.wav");
        QCOMPARE(w.p.last(), "message: Player 2 wins.");
        QCOMPARE(w.computerLines().filter("] Computer attacks player 1's LIFEPOINTS directly.>").size(), 1);
        QCOMPARE(w.menu(), "off off off+ on");

        // NEW GAME returns to the choice of mode.
        ACT(w, "yes click smnNewGame");
        QCOMPARE(w.p.last(), "question: Start a new game?");
        QCOMPARE(w.menu(), "on on on off");
        QCOMPARE(w.text("txtAttU2_1"), QString());
        QVERIFY(w.usableByPlayer2().contains("cmbSlotAU2"));
    }
};

QTEST_MAIN(ComputerWindowTest)
#include "computer_window_test.moc"
