// How the window passes events to the core and shows its state: one event at a time,
// rendering and the player's input, the hints, the about boxes and the real message boxes.
#include "window_fixture.h"

#include "app/qt_ports.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

using grim::test::itemsOf;
using grim::test::WindowUnderTest;

namespace {
// A prompter whose message box lets other events through while it is open, as a real
// modal box does with its own event loop.
struct NestingPrompter : grim::test::FakePrompter {
    std::function<void()> whileOpen;
    std::vector<std::string> log;
    void message(const std::string& text, const std::string& title) override {
        FakePrompter::message(text, title);
        log.push_back("box opened");
        whileOpen();
        log.push_back("box closed");
    }
};
} // namespace

class WindowEventsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

  private slots:
    void aTickDuringAModalBoxRunsAfterTheHandler() {
        NestingPrompter prompter;
        frmMain::Overrides o;
        o.prompter = &prompter;
        o.programFolder = folder.path();
        frmMain window(o);
        auto* turnTimer = window.findChild<QTimer*>(QStringLiteral("tmrTurnLimit"));
        QObject::connect(turnTimer, &QTimer::timeout, &window, [&] {
            turnTimer->stop();
            window.forward([&] {
                prompter.log.push_back("tick");
                window.core.txtMins.text = "2 MINUTES";
            });
        });
        prompter.whileOpen = [&] { // the box's own event loop delivers the timer's tick
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            turnTimer->start(0);
            loop.exec();
            prompter.log.push_back(turnTimer->isActive() ? "tick pending" : "tick delivered");
        };
        window.findChild<QAction*>(QStringLiteral("smnCreator"))->trigger();
        QCOMPARE(prompter.log,
                 (std::vector<std::string>{"box opened", "tick delivered", "box closed", "tick"}));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtMins"))->text(),
                 QStringLiteral("2 MINUTES"));
    }

    void renderingAndInputBothWays() {
        WindowUnderTest w(folder.path());
        auto& core = w.window->core;
        auto* timer = w.find<QTimer>("tmrUpdate");
        w.window->forward([&] {
            core.timers.tmrUpdate.setOn(true); // started and, in the same event, restarted
            core.timers.tmrUpdate.setOn(false);
            core.timers.tmrUpdate.setOn(true);
            core.u1.lstHand.add("[105] CLOWN");
            core.u1.lstHand.add("[120] OGRE");
            core.u1.lstHand.select(1);
            core.u2.lstDeck.visible = false;
            core.online.txtPlayer.enabled = core.online.optPlayer1.enabled = core.online.optPlayer2.enabled =
                true;
            core.online.optPlayer2.checked = true;
            core.txtChat.text = "\r\n<[9:05:31 PM] Waiting for other player to connect>";
            core.u1.txtLp.text = "\xC9"; // 8-bit text shows as Latin-1
        });
        QVERIFY(timer->isActive() && timer->remainingTime() > 1000 && timer->interval() == 2000);
        auto* hand = w.find<QListWidget>("lstHandU1");
        QCOMPARE(itemsOf(hand), (QStringList{"[105] CLOWN", "[120] OGRE"}));
        QVERIFY(hand->currentRow() == 1 && hand->selectedItems().size() == 1);
        QVERIFY(w.find<QListWidget>("lstDeckU2")->isHidden());
        QVERIFY(w.find<QRadioButton>("optPlayer2")->isChecked());
        QCOMPARE(w.text("txtLpU1"), QString(QChar(0xC9)));
        w.window->forward([&] {
            core.timers.tmrUpdate.setOn(false);
            core.u1.lstHand.clearSelection();
            core.txtChat.text += "\r\n^[9:06:00 PM] ACE>-> good luck";
        });
        QVERIFY(!timer->isActive() && hand->selectedItems().isEmpty());
        QCOMPARE(w.text("txtChat"), QStringLiteral("\n<[9:05:31 PM] Waiting for other player to connect>\n"
                                                   "^[9:06:00 PM] ACE>-> good luck"));
        QVERIFY(w.find<QPlainTextEdit>("txtChat")->textCursor().atEnd());

        auto* name = w.find<QLineEdit>("txtPlayer");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Zo"));
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(QChar(0xEB)), Qt::NoModifier);
        QCOMPARE(core.online.txtPlayer.text, std::string("Zo\xEB"));
        w.find<QRadioButton>("optPlayer1")->click();
        QVERIFY(core.online.optPlayer1.checked && !core.online.optPlayer2.checked);
    }

    // The hints follow the pointer over disabled buttons and read-only boxes too.
    void pointingAtControlsAndCardsDescribesThem() {
        WindowUnderTest w(folder.path());
        QVERIFY(w.showGameTab());
        w.window->forward([&] { w.window->core.u2.slot(4).text = "[116] ZOMBIE 40"; });
        for (const auto& [name, hint] :
             {std::pair{"btnDirectU1", "Click this button to take 1L from opponent."},
              {"btnDirectU2", "Click this button to attack opponent's LP"},
              {"txtAttU2_4", "NAME = [116] ZOMBIE"}}) {
            auto* widget = w.find<QWidget>(QLatin1String(name));
            QTest::mouseMove(widget, widget->rect().center());
            QTRY_VERIFY2(w.text("txtDescControls").startsWith(QLatin1String(hint)), name);
        }
        QVERIFY(w.text("txtDescControls").contains(QStringLiteral("POWER = 100")));
    }

    // Q5 disables itself here. The click must not have moved the keyboard focus onto Q5,
    // or it would now pass to the hand beside it, whose first card would then look picked.
    void aButtonThatDisablesItselfLeavesNoCardLookingPicked() {
        WindowUnderTest w(folder.path());
        QVERIFY(w.showGameTab());
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.window->forward([&] {
            for (const char* card :
                 {"[105] CLOWN", "[120] OGRE", "[200] LIFELESS", "[101] ELF", "[102] FAIRY"})
                w.window->core.u1.lstHand.add(card);
            w.window->core.u1.btnQ5.enabled = true;
        });
        w.click(QStringLiteral("btnQ5U1"));
        QCOMPARE(w.prompter.lastMessage(), std::string("You don't have any cards in DECK to use Q5."));
        QVERIFY(!w.find<QPushButton>("btnQ5U1")->isEnabled());
        auto* hand = w.find<QListWidget>("lstHandU1");
        QVERIFY(!hand->hasFocus() && hand->currentRow() == -1 && !w.window->core.u1.lstHand.hasSelection());
    }

    void aboutBoxesAndTheClock() {
        WindowUnderTest w(folder.path());
        for (const char* item : {"smnCreator", "smnCredits", "smnComments"})
            w.trigger(QLatin1String(item));
        QCOMPARE(w.prompter.titles, (std::vector<std::string>{"The game's GOD", "Thanks to", "Comments"}));
        const std::string &credits = w.prompter.messages[1], &comments = w.prompter.messages[2];
        QVERIFY(credits.ends_with(
            "\r\nSecond, I would like to thank the beta testers who helped me test and find "
            "the errors in the program."));
        QVERIFY(comments.starts_with("If you would like to make a comment or suggestion about the game "));
        QVERIFY(comments.find('@') < comments.find("\r\n") &&
                comments.find("subject line") > comments.find("\r\n"));
        QCOMPARE(grim::app::timeFormatWithSeconds(QStringLiteral("h:mm AP")), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(grim::app::timeFormatWithSeconds(QStringLiteral("HH:mm:ss")), QStringLiteral("HH:mm:ss"));
    }

    void realMessageBoxesRenderFirstAndAnswer() {
        QWidget parent;
        int renders = 0;
        grim::app::QtPrompter prompter(&parent, [&] { ++renders; });
        QString seen; // title, text and default button of the box
        const auto answer = [&](QMessageBox::StandardButton press) {
            QTimer::singleShot(0, [&, press] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                seen = box->windowTitle() + "|" + box->text() + "|" +
                       (box->defaultButton() ? box->defaultButton()->text() : QString());
                box->button(press)->click();
            });
        };
        answer(QMessageBox::Ok);
        prompter.message("Player 1 wins.\r\n<b>plain</b>", "Message");
        QCOMPARE(renders, 1);
        QVERIFY(seen.startsWith(QStringLiteral("Message|Player 1 wins.\n<b>plain</b>|")));
        answer(QMessageBox::Yes);
        QVERIFY(prompter.question("Start a new game?", true));
        QVERIFY(seen.endsWith(QStringLiteral("|&No")));
        QCOMPARE(renders, 2);
        answer(QMessageBox::No);
        QVERIFY(!prompter.question("Start a new game?", false));
        QVERIFY(seen.endsWith(QStringLiteral("|&Yes")));
    }
};

QTEST_MAIN(WindowEventsTest)
#include "window_events_test.moc"
