// Two complete windows meeting through the real grimward-server on 127.0.0.1; neither listens itself.
#include "shown.h"

#include <QProcess>
#include <QTcpServer>

using namespace grim::test;

class MeetingWindowTest : public QObject {
    Q_OBJECT
    QProcess server_;
    QString address_;

  private slots:
    void initTestCase() {
        server_.start(QStringLiteral(GRIMWARD_SERVER), {"--port", "0", "--address", "127.0.0.1"});
        QVERIFY(server_.waitForReadyRead(10000));
        const QString banner = QString::fromLatin1(server_.readLine()).trimmed();
        QVERIFY2(banner.startsWith("grimward-server listening on 127.0.0.1 port "), qPrintable(banner));
        address_ = "127.0.0.1:" + banner.section(' ', -1);
    }
    void cleanupTestCase() {
        server_.terminate();
        QVERIFY(server_.waitForFinished(5000));
        QCOMPARE(server_.exitCode(), 0);
    }

    void twoWindowsMeetByRoomName() {
        QTemporaryDir folder;
        Shown host(folder.path(), 1), join(folder.path(), 1);
        host.deck("one.ucd", entries(40));
        for (Shown* w : {&host, &join})
            ACT(*w, "click smnOnline, type txtServer " + address_ + ", type txtRoom Den-7");
        // The join comes first and waits in the room; the host's room name differs only in case.
        ACT(join, "type txtPlayer BOB, click btnJoin");
        QTRY_VERIFY(
            join.text("txtChat").endsWith("] Waiting in room Den-7 on the meeting server " + address_ + ">"));
        ACT(host, "type txtRoom den-7, click btnHost");
        QTRY_COMPARE(host.shows("btnSet"), "on");
        QTRY_COMPARE(join.shows("txtMsg"), QString());
        for (Shown* w : {&host, &join}) {
            QVERIFY(w->text("txtChat").contains("] Other player found in room "));
            for (auto* listening : w->window.findChildren<QTcpServer*>())
                QVERIFY(!listening->isListening());
        }
        QVERIFY(join.text("txtChat").contains("] Game versions are compatible. Let the duel begin.>"));

        ACT(host, "click optPlayer1, click btnSet");
        QTRY_COMPARE(join.shows("optPlayer1 optPlayer2"), "off off+");
        ACT(host, "file:one.ucd click btnOpenU1, click btnQ5U1, click btnEndU1");
        host.find<QTimer>("tmrUpdate")->start(20);
        host.find<QTimer>("tmrSynch")->start(20);
        QTRY_COMPARE(join.shows("txtUpdates btnOpenU2 btnEndU2 txtDeckCntU1 txtHandCntU1"),
                     "8 of 8 on on 35 5");
        QCOMPARE(join.text("lstHandU1"), host.text("lstHandU1"));
        ACT(join, "type txtMsg thanks, keys txtMsg Return");
        QTRY_VERIFY(host.text("txtChat").endsWith("] BOB>-> thanks"));

        Shown third(folder.path(), 1); // the room is taken: a third window is told so and may try again
        ACT(third, "click smnOnline, type txtServer " + address_ + ", type txtRoom DEN-7, click btnHost");
        QTRY_COMPARE(third.p.since(0),
                     QStringList("message: The meeting server refused room DEN-7: another player "
                                 "is already hosting there. Choose another room name."));
        QCOMPARE(third.shows("btnHost btnJoin btnDisconnect txtRoom"), "on on off DEN-7");

        ACT(host, "yes click btnDisconnect");
        QTRY_VERIFY(join.text("txtChat").endsWith("] Other player disconnected.>"));
    }
};

QTEST_MAIN(MeetingWindowTest)
#include "meeting_window_test.moc"
