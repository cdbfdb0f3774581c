// How the window passes events to the core and shows its state: one event at a time,
// the player's input reaching the core, rendering, the about boxes, the real message
// boxes and the pointer reports for the hints.
#include "window_fixture.h"

#include "app/qt_ports.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using grim::test::WindowUnderTest;

namespace {
// A prompter whose message box lets other events through while it is open, as a real
// modal box does with its own event loop.
struct NestingPrompter : grim::test::FakePrompter {
    std::function<void()> whileOpen;
    std::vector<std::string>* log = nullptr;
    void message(const std::string& text, const std::string& title) override {
        FakePrompter::message(text, title);
        log->push_back("box opened");
        if (whileOpen) whileOpen();
        log->push_back("box closed");
    }
};
} // namespace

class WindowEventsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

  private slots:
    void aboutBoxes() {
        WindowUnderTest w(folder.path());
        w.trigger(QStringLiteral("smnCreator"));
        w.trigger(QStringLiteral("smnCredits"));
        w.trigger(QStringLiteral("smnComments"));
        QCOMPARE(w.prompter.titles, (std::vector<std::string>{"The game's GOD", "Thanks to", "Comments"}));
        QVERIFY(w.prompter.messages[0].find("Grimward") != std::string::npos);
        const std::string& credits = w.prompter.messages[1];
        const auto lineBreak = credits.find("\r\n");
        QVERIFY(lineBreak != std::string::npos);
        QCOMPARE(credits.substr(lineBreak + 2),
                 std::string(
                     "Second, I would like to thank the beta testers who helped me test and find the errors "
                     "in the program."));
        const std::string& comments = w.prompter.messages[2];
        const std::string start = "If you would like to make a comment or suggestion about the game ";
        QCOMPARE(comments.substr(0, start.size()), start);
        QVERIFY(comments.find('@') < comments.find("\r\n"));
        QVERIFY(comments.find("subject line") > comments.find("\r\n"));
        // R&ESTORE does nothing at all.
        QVERIFY(!w.find<QAction>("smnRestore")->isEnabled());
    }

    void aTickDuringAModalBoxRunsAfterTheHandler() {
        NestingPrompter prompter;
        std::vector<std::string> log;
        prompter.log = &log;
        frmMain::Overrides o;
        o.prompter = &prompter;
        o.programFolder = folder.path();
        frmMain window(o);
        auto* turnTimer = window.findChild<QTimer*>(QStringLiteral("tmrTurnLimit"));
        QObject::connect(turnTimer, &QTimer::timeout, &window, [&] {
            turnTimer->stop();
            window.forward([&] {
                log.push_back("tick");
                window.core.txtMins.text = "2 MINUTES";
            });
        });
        // The box's own event loop delivers the timer's tick while the box is open.
        prompter.whileOpen = [&] {
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            turnTimer->start(0);
            loop.exec();
            log.push_back(turnTimer->isActive() ? "tick pending" : "tick delivered");
        };
        window.findChild<QAction*>(QStringLiteral("smnCreator"))->trigger();
        QCOMPARE(log, (std::vector<std::string>{"box opened", "tick delivered", "box closed", "tick"}));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtMins"))->text(),
                 QStringLiteral("2 MINUTES"));
    }

    void theCoreDrivesTheTimers() {
        WindowUnderTest w(folder.path());
        auto* timer = w.find<QTimer>("tmrUpdate");
        w.window->forward([&] { w.window->core.timers.tmrUpdate.setOn(true); });
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2000);
        w.window->forward([&] {
            w.window->core.timers.tmrUpdate.setOn(false);
            w.window->core.timers.tmrUpdate.setOn(true);
        });
        QVERIFY(timer->isActive());
        QVERIFY(timer->remainingTime() > 1000);
        w.window->forward([&] { w.window->core.timers.tmrUpdate.setOn(false); });
        QVERIFY(!timer->isActive());
    }

    void renderingShowsTheCoreState() {
        WindowUnderTest w(folder.path());
        auto& core = w.window->core;
        w.window->forward([&] {
            core.u1.lstHand.add("[105] CLOWN");
            core.u1.lstHand.add("[120] OGRE");
            core.u1.lstHand.select(1);
            core.u1.slot(3).text = "[116] ZOMBIE 40";
            core.u2.cmbGrave.add("[200] LIFELESS");
            core.u2.lstDeck.visible = false;
            core.u1.btnEnd.enabled = true;
            core.online.optPlayer2.checked = true;
            core.txtChat.text = "\r\n<[9:05:31 PM] Waiting for other player to connect>";
            core.u1.txtLp.text = "\xC9"; // 8-bit text shows as Latin-1
        });
        auto* hand = w.find<QListWidget>("lstHandU1");
        QCOMPARE(hand->count(), 2);
        QCOMPARE(hand->currentRow(), 1);
        QCOMPARE(hand->selectedItems().size(), 1);
        QCOMPARE(w.find<QLineEdit>("txtAttU1_3")->text(), QStringLiteral("[116] ZOMBIE 40"));
        QCOMPARE(w.find<QComboBox>("cmbGraveU2")->itemText(0), QStringLiteral("[200] LIFELESS"));
        QVERIFY(w.find<QListWidget>("lstDeckU2")->isHidden());
        QVERIFY(w.find<QPushButton>("btnEndU1")->isEnabled());
        QVERIFY(w.find<QRadioButton>("optPlayer2")->isChecked());
        QCOMPARE(w.find<QLineEdit>("txtLpU1")->text(), QString(QChar(0xC9)));

        w.window->forward([&] {
            core.u1.lstHand.clearSelection();
            core.online.optPlayer2.checked = false;
            core.txtChat.text += "\r\n^[9:06:00 PM] ACE>-> good luck";
        });
        QVERIFY(hand->selectedItems().isEmpty());
        QVERIFY(!w.find<QRadioButton>("optPlayer2")->isChecked());
        auto* chat = w.find<QPlainTextEdit>("txtChat");
        QCOMPARE(chat->toPlainText(), QStringLiteral("\n<[9:05:31 PM] Waiting for other player to connect>\n"
                                                     "^[9:06:00 PM] ACE>-> good luck"));
        QVERIFY(chat->textCursor().atEnd());
    }

    void thePlayersInputReachesTheCore() {
        WindowUnderTest w(folder.path());
        auto& core = w.window->core;
        w.window->forward([&] {
            core.online.txtPlayer.enabled = true;
            core.online.optPlayer1.enabled = true;
            core.online.optPlayer2.enabled = true;
        });
        auto* regular = w.find<QListWidget>("lstRegCards");
        regular->setCurrentRow(5); // what a click does
        QCOMPARE(core.deck.lstRegCards.selected(), 5);
        QCOMPARE(core.deck.lstRegCards.selectedText(), std::string("[105] CLOWN"));

        w.find<QComboBox>("cmbSlotBU2")->setCurrentIndex(3);
        QCOMPARE(core.u2.cmbSlotB.selectedText(), std::string("4"));

        auto* name = w.find<QLineEdit>("txtPlayer");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Zo"));
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(QChar(0xEB)), Qt::NoModifier);
        QCOMPARE(core.online.txtPlayer.text, std::string("Zo\xEB"));

        w.find<QRadioButton>("optPlayer1")->click();
        QVERIFY(core.online.optPlayer1.checked);
        w.find<QRadioButton>("optPlayer2")->click();
        QVERIFY(core.online.optPlayer2.checked);
        QVERIFY(!core.online.optPlayer1.checked);
    }

    void pointerMovesAreReportedOverDisabledControlsToo() {
        WindowUnderTest w(folder.path());
        QVERIFY(w.showGameTab());
        QObject* filter = w.window->findChild<QObject*>(QStringLiteral("hintFilter"));
        QVERIFY(filter);
        QSignalSpy spy(filter, SIGNAL(pointerOver(QString)));
        auto* add = w.find<QPushButton>("btnAddU1");
        QVERIFY(!add->isEnabled());
        QTest::mouseMove(add, add->rect().center());
        QTRY_VERIFY(!spy.isEmpty());
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("btnAddU1"));
        auto* slot = w.find<QLineEdit>("txtAttU2_3");
        QTest::mouseMove(slot, slot->rect().center());
        QTRY_COMPARE(spy.last().at(0).toString(), QStringLiteral("txtAttU2_3"));
        auto* lp = w.find<QLineEdit>("txtLpU1");
        QTest::mouseMove(lp, lp->rect().center());
        QTRY_COMPARE(spy.last().at(0).toString(), QStringLiteral("txtLpU1"));
    }

    // Q5 disables itself here. The click must not have moved the keyboard focus onto Q5,
    // or it would now pass to the hand beside it, whose first card would then look picked
    // while nothing is selected.
    void aButtonThatDisablesItselfLeavesNoCardLookingPicked() {
        WindowUnderTest w(folder.path());
        QVERIFY(w.showGameTab());
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        auto& core = w.window->core;
        w.window->forward([&] {
            for (const char* card :
                 {"[105] CLOWN", "[120] OGRE", "[200] LIFELESS", "[101] ELF", "[102] FAIRY"})
                core.u1.lstHand.add(card);
            core.u1.btnQ5.enabled = true;
        });
        auto* q5 = w.find<QPushButton>("btnQ5U1");
        QTest::mouseClick(q5, Qt::LeftButton);
        QCOMPARE(w.prompter.lastMessage(), std::string("You don't have any cards in DECK to use Q5."));
        QVERIFY(!q5->isEnabled());
        auto* hand = w.find<QListWidget>("lstHandU1");
        QVERIFY(!hand->hasFocus());
        QCOMPARE(hand->currentRow(), -1);
        QVERIFY(!core.u1.lstHand.hasSelection());
    }

    void realMessageBoxesRenderFirstAndAnswer() {
        QWidget parent;
        int renders = 0;
        grim::app::QtPrompter prompter(&parent, [&] { ++renders; });
        QString seenTitle, seenText;
        QMessageBox::StandardButton seenDefault = QMessageBox::NoButton;
        auto answer = [&](QMessageBox::StandardButton press) {
            QTimer::singleShot(0, [&, press] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                seenTitle = box->windowTitle();
                seenText = box->text();
                seenDefault =
                    box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
                box->button(press)->click();
            });
        };
        answer(QMessageBox::Ok);
        prompter.message("Player 1 wins.\r\n<b>plain</b>", "Message");
        QCOMPARE(renders, 1);
        QCOMPARE(seenTitle, QStringLiteral("Message"));
        QCOMPARE(seenText, QStringLiteral("Player 1 wins.\n<b>plain</b>"));

        answer(QMessageBox::Yes);
        QVERIFY(prompter.question("Start a new game?", true));
        QCOMPARE(seenDefault, QMessageBox::No);
        QCOMPARE(renders, 2);
        answer(QMessageBox::No);
        QVERIFY(!prompter.question("Start a new game?", false));
        QCOMPARE(seenDefault, QMessageBox::Yes);
    }

    void clockShowsSeconds() {
        QCOMPARE(grim::app::timeFormatWithSeconds(QStringLiteral("h:mm AP")), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(grim::app::timeFormatWithSeconds(QStringLiteral("HH:mm")), QStringLiteral("HH:mm:ss"));
        QCOMPARE(grim::app::timeFormatWithSeconds(QStringLiteral("HH:mm:ss")), QStringLiteral("HH:mm:ss"));
        const std::string now = grim::app::QtClock().timeOfDay();
        QVERIFY(std::count(now.begin(), now.end(), ':') >= 2);
    }
};

QTEST_MAIN(WindowEventsTest)
#include "window_events_test.moc"
