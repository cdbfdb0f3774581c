// Two complete windows in one process playing online over a real TCP connection on 127.0.0.1: ONLINE, HOST
// GAME, JOIN GAME, SET, chat, a hand-over on the real timers, a message that waits while a question is open
// and DISCONNECT.
#include "shown.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTcpServer>
#include <QTimer>

#include <memory>

using namespace grim::test;

class OnlineWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<Shown> host, join;
    quint16 port = 0;
    static QString log(Shown& w) { return w.find<QPlainTextEdit>("txtChat")->toPlainText(); }
    static void say(Shown& w, const QString& s) {
        w.type("txtMsg", s), QTest::keyClick(w.find("txtMsg"), Qt::Key_Return);
    }

  private slots:
    void init() {
        host = std::make_unique<Shown>(folder.path(), 1), join = std::make_unique<Shown>(folder.path(), 1);
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
        probe.close();
        for (Shown* w : {host.get(), join.get()}) {
            w->find<QAction>("smnOnline")->trigger();
            w->type("txtPort", QString::number(port));
        }
        join->type("txtIp", "127.0.0.1");
        QTest::mouseClick(join->find("txtPlayer"), Qt::LeftButton); // a click in the name box empties it
        QTest::keyClicks(join->find("txtPlayer"), "BOB");
        QVERIFY(host->click("btnHost") && join->click("btnJoin"));
        QTRY_VERIFY(join->enabled("txtMsg") && host->enabled("txtMsg"));
        QTest::mouseClick(host->find("optPlayer1"), Qt::LeftButton);
        QVERIFY(host->click("btnSet"));
        QTRY_VERIFY(join->find<QRadioButton>("optPlayer2")->isChecked());
        QVERIFY(!join->enabled("optPlayer1") && host->enabled("btnOpenU1"));
        QVERIFY(join->find("lstHandU2")->isVisible() && !join->find("lstHandU1")->isVisible());
    }
    void cleanup() {
        host.reset();
        join.reset();
    }

    void chatBothWays() {
        say(*host, "good luck");
        QTRY_VERIFY(log(*join).endsWith("] ACE>-> good luck"));
        QVERIFY(log(*host).endsWith("] ACE>-> good luck") && host->text("txtMsg").isEmpty());
        say(*join, "thanks");
        QTRY_VERIFY(log(*host).endsWith("] BOB>-> thanks"));
        QCOMPARE(host->sound.played.back(), std::string("im.wav"));
    }

    void aHandOverOnTheRealTimers() {
        host->prompter.files.push_back(host->deck("one.ucd", entries(40)));
        QVERIFY(host->click("btnOpenU1") && host->click("btnQ5U1") && host->click("btnEndU1"));
        QTRY_VERIFY(log(*join).contains("] Other player is updating changes 1-8 to you.>"));
        // The update and synch timers run at their own pace; only their interval is shortened here.
        host->find<QTimer>("tmrUpdate")->start(20);
        host->find<QTimer>("tmrSynch")->start(20);
        QTRY_COMPARE(join->text("txtUpdates"), "8 of 8");
        QTRY_VERIFY(join->enabled("btnEndU2") && !host->enabled("btnEndU1"));
        QCOMPARE(join->find<QListWidget>("lstHandU1")->count(), 5);
    }

    // Player 1 asks for a new game while its board is on its way: the parts that arrive behind
    // the open question belong to the ended game and land nowhere; the next hand-over counts
    // from 1 of 8 and gives player 2 the turn on the new game's board.
    void aRestartCrossingAHandOver() {
        auto endFirstTurn = [this] {
            host->prompter.files.push_back(host->deck("one.ucd", entries(40)));
            return host->click("btnOpenU1") && host->click("btnQ5U1") && host->click("btnEndU1");
        };
        QVERIFY(endFirstTurn());
        host->find<QTimer>("tmrUpdate")->start(300);
        QTRY_VERIFY(join->text("txtUpdates") != "0 of 8");
        // The parts that arrive while the question is open wait behind it.
        QString atQuestion;
        join->prompter.whileOpen = [&] { atQuestion = join->text("txtUpdates"), QTest::qWait(1000); };
        join->prompter.answers.push_back(true);
        host->find<QAction>("smnNewGame")->trigger();
        QTRY_VERIFY(log(*join).endsWith("] New game started.>") && !host->find<QTimer>("tmrUpdate")->isActive());
        QTRY_VERIFY(host->enabled("btnSet"));
        QTest::qWait(400); // anything still on its way has come
        for (Shown* w : {host.get(), join.get()}) {
            QCOMPARE(w->text("txtDeckCntU1") + w->text("txtHandCntU1") + w->text("txtAttU1_1"), "00");
            QVERIFY(!w->enabled("btnEndU2") && !w->find<QTimer>("tmrTurnLimit")->isActive());
        }
        QCOMPARE(join->text("txtUpdates"), atQuestion);
        QVERIFY(host->click("btnSet"));
        QTRY_VERIFY(join->find<QRadioButton>("optPlayer2")->isChecked());
        QVERIFY(endFirstTurn());
        host->find<QTimer>("tmrUpdate")->start(20);
        QTRY_COMPARE(join->text("txtUpdates"), "8 of 8");
        QTRY_VERIFY(join->enabled("btnEndU2"));
        QCOMPARE(join->text("txtDeckCntU1") + "/" + join->text("txtHandCntU1"), "35/5");
    }

    void messagesWaitWhileAQuestionIsOpen() {
        // The restart question is open on the joiner while two chat lines arrive: they wait and are handled
        // after it, in order.
        bool shownEarly = true;
        join->prompter.whileOpen = [&] {
            QTest::qWait(300);
            shownEarly = log(*join).contains("one");
        };
        join->prompter.answers.push_back(true);
        host->find<QAction>("smnNewGame")->trigger();
        say(*host, "one"), say(*host, "two");
        QTRY_VERIFY(log(*join).endsWith("] ACE>-> two"));
        const QString log = OnlineWindowTest::log(*join);
        const auto started = log.indexOf("] New game started.>"), one = log.indexOf("ACE>-> one");
        QVERIFY(!shownEarly && started > 0 && started < one && one < log.indexOf("ACE>-> two"));
    }

    void disconnectEndsBothSides() {
        host->prompter.answers.push_back(true);
        QVERIFY(host->click("btnDisconnect"));
        QVERIFY(log(*host).endsWith("] Connection ended by you>"));
        QTRY_VERIFY(log(*join).endsWith("] Other player disconnected.>"));
        for (Shown* w : {host.get(), join.get()}) {
            auto* wait = w->find<QTimer>("tmrWait");
            QVERIFY(!w->enabled("btnDisconnect") && !w->enabled("btnHost") && wait->isActive());
            wait->start(1); // its third tick lets HOST and JOIN be clicked again
            QTRY_VERIFY(w->enabled("btnHost") && w->enabled("btnJoin") && !wait->isActive());
        }
    }
};

QTEST_MAIN(OnlineWindowTest)
#include "online_window_test.moc"
