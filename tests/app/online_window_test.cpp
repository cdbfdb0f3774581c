// Two complete windows in one process playing online over a real TCP connection on 127.0.0.1.
#include "shown.h"

#include <QTcpServer>

using namespace grim::test;

class OnlineWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A restart while the board is on its way: chat waits behind the question, the old game's parts are lost.
    void aRestartCrossingAHandOver() {
        QTemporaryDir folder;
        Shown host(folder.path(), 1), join(folder.path(), 1);
        host.deck("one.ucd", entries(40));
        const QString firstTurn = "file:one.ucd click btnOpenU1, click btnQ5U1, click btnEndU1";
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const QString port = QString::number(probe.serverPort());
        probe.close();
        for (Shown* w : {&host, &join})
            ACT(*w, "click smnOnline, type txtPort " + port);
        ACT(join, "type txtIp 127.0.0.1, click txtPlayer");
        QCOMPARE(join.text("txtPlayer"), QString()); // a click in the name box empties it
        ACT(join, "type txtPlayer BOB, click btnJoin");
        ACT(host, "click btnHost");
        QTRY_COMPARE(join.shows("txtMsg"), QString()); // connected: the chat box is on
        auto* tmrConnect = join.find<QTimer>("tmrConnect");
        tmrConnect->start(1); // its tick finds the connection made and only stops it
        QTRY_VERIFY(!tmrConnect->isActive());
        QTRY_COMPARE(host.shows("btnSet"), "on");
        ACT(host, "click optPlayer1, click btnSet");
        QTRY_COMPARE(join.shows("optPlayer1 optPlayer2"), "off off+");

        ACT(host, firstTurn);
        host.find<QTimer>("tmrUpdate")->start(300); // slow enough for parts to queue behind the question
        QTRY_VERIFY(join.text("txtUpdates") != "0 of 8");
        bool shownEarly = true;
        QString atQuestion;
        join.p.whileOpen = [&] {
            atQuestion = join.text("txtUpdates");
            QTest::qWait(1000);
            shownEarly = join.text("txtChat").contains("one");
        };
        join.p.answers.push_back(true);
        ACT(host, "click smnNewGame, type txtMsg one, keys txtMsg Return");
        ACT(host, "type txtMsg two, keys txtMsg Return");
        QTRY_VERIFY(join.text("txtChat").endsWith("] ACE>-> two"));
        QVERIFY(!shownEarly);
        const QString log = join.text("txtChat"); // the restart's line, then "one"; "two" ends the log
        QCOMPARE_GT(log.indexOf("] New game started.>"), 0);
        QCOMPARE_LT(log.indexOf("] New game started.>"), log.indexOf("] ACE>-> one"));
        QTRY_COMPARE(host.shows("btnSet"), "on");
        QTest::qWait(400); // anything still on its way has come
        for (Shown* w : {&host, &join}) {
            QCOMPARE(w->shows("txtDeckCntU1 txtHandCntU1 txtAttU1_1 btnEndU2"), "0 0  off");
            QVERIFY(!w->find<QTimer>("tmrTurnLimit")->isActive());
        }
        QCOMPARE(join.text("txtUpdates"), atQuestion);
        ACT(host, "click btnSet");
        QTRY_COMPARE(join.shows("optPlayer2"), "off+");
        ACT(host, firstTurn);
        host.find<QTimer>("tmrUpdate")->start(20);
        host.find<QTimer>("tmrSynch")->start(20); // only faster
        QTRY_COMPARE(join.shows("txtUpdates btnOpenU2 btnEndU2 txtDeckCntU1 txtHandCntU1"),
                     "8 of 8 on on 35 5");
        QCOMPARE(host.shows("btnEndU1"), "off");
        ACT(join, "type txtMsg thanks, keys txtMsg Return");
        QTRY_VERIFY(host.text("txtChat").endsWith("] BOB>-> thanks"));
        QCOMPARE(host.p.last(), "sound: im.wav");

        ACT(host, "yes click btnDisconnect");
        QVERIFY(host.text("txtChat").endsWith("] Connection ended by you>"));
        QTRY_VERIFY(join.text("txtChat").endsWith("] Other player disconnected.>"));
        for (Shown* w : {&host, &join}) {
            auto* wait = w->find<QTimer>("tmrWait");
            QCOMPARE(w->shows("btnDisconnect btnHost btnJoin"), "off off off");
            QVERIFY(wait->isActive());
            wait->start(1); // its third tick lets HOST and JOIN be clicked again
            QTRY_COMPARE(w->shows("btnDisconnect btnHost btnJoin"), "off on on");
            QVERIFY(!wait->isActive());
        }
    }
};

QTEST_MAIN(OnlineWindowTest)
#include "online_window_test.moc"
