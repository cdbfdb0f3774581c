// The window's socket over real TCP on 127.0.0.1: hosting, joining, whole messages however
// the bytes travel, refusals, hang-ups and errors.
#include "app/qt_socket.h"
#include "online/framing.h"

#include <QAbstractSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <string>
#include <vector>

using grim::QtSocket;
using State = grim::Socket::State;

namespace {
const QString loopback = QStringLiteral("127.0.0.1");

// Everything one socket reported, in order, as readable lines.
struct Recorder {
    std::vector<std::string> log;
    std::int32_t lastRequest = 0;
    explicit Recorder(QtSocket& s) {
        QObject::connect(&s, &QtSocket::connectionRequest, [this](qint32 id) {
            lastRequest = id;
            log.push_back("request");
        });
        QObject::connect(&s, &QtSocket::connected, [this] { log.push_back("connected"); });
        QObject::connect(&s, &QtSocket::messageArrived,
                         [this](const std::string& m) { log.push_back("msg " + m); });
        QObject::connect(&s, &QtSocket::closedByPeer, [this] { log.push_back("closed"); });
        QObject::connect(&s, &QtSocket::errorOccurred, [this](int n, const std::string& d) {
            log.push_back("error " + std::to_string(n) + " " + d);
        });
    }
};

// A port nobody listens on at the moment.
quint16 freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    return probe.serverPort();
}

QByteArray framed(const std::string& message) {
    const std::string bytes = grim::wire::frame(message);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void write(QTcpSocket& peer, const QByteArray& bytes) {
    peer.write(bytes);
    peer.flush();
    QTest::qWait(20); // lets the bytes arrive on their own, apart from the next write
}
} // namespace

class QtSocketTest : public QObject {
    Q_OBJECT

    quint16 port = 0;
    QtSocket host;
    Recorder hostSaw{host};

    // The host listens and a raw peer connects and is accepted the way the window does it.
    bool acceptRawPeer(QTcpSocket& peer) {
        std::string why;
        if (!host.listen(port, why)) return false;
        peer.connectToHost(loopback, port);
        if (!peer.waitForConnected(5000)) return false;
        if (!QTest::qWaitFor([&] { return !hostSaw.log.empty(); }, 5000)) return false;
        host.close();
        host.accept(hostSaw.lastRequest);
        hostSaw.log.clear();
        return host.state() == State::connected;
    }

  private slots:
    void init() {
        host.close();
        hostSaw.log.clear();
        port = freePort();
        QVERIFY(port != 0);
    }

    void hostAndJoinerTalkAndAHangUpEndsIt() {
        QtSocket joiner;
        Recorder joinerSaw(joiner);
        std::string why;
        QVERIFY(host.listen(port, why));
        QCOMPARE(host.state(), State::listening);
        joiner.send("before"); // not connected: nothing goes anywhere
        joiner.connect(loopback.toStdString(), port);
        QCOMPARE(joiner.state(), State::connecting);
        QTRY_COMPARE(hostSaw.log, std::vector<std::string>{"request"});
        QTRY_COMPARE(joinerSaw.log, std::vector<std::string>{"connected"});
        QCOMPARE(host.state(), State::listening); // offered, not yet taken

        host.accept(hostSaw.lastRequest + 1); // not the request offered: ignored
        QCOMPARE(host.state(), State::listening);
        host.close(); // as the window does: close, then accept on the same socket
        host.accept(hostSaw.lastRequest);
        QCOMPARE(host.state(), State::connected);
        QCOMPARE(joiner.state(), State::connected);

        host.send("</whatGameVersion/>");
        joiner.send("</gameVersion=16/>"); // three sends that TCP may join
        joiner.send("");
        joiner.send("[105] CLOWN@\xE9\x01@");
        QTRY_COMPARE(joinerSaw.log, (std::vector<std::string>{"connected", "msg </whatGameVersion/>"}));
        QTRY_COMPARE(hostSaw.log, (std::vector<std::string>{"request", "msg </gameVersion=16/>", "msg ",
                                                            "msg [105] CLOWN@\xE9\x01@"}));

        // A latecomer is refused at once and the duel goes on undisturbed.
        QTcpSocket latecomer;
        latecomer.connectToHost(loopback, port);
        QTRY_COMPARE(latecomer.state(), QAbstractSocket::UnconnectedState);
        host.send("still here");
        QTRY_COMPARE(joinerSaw.log.back(), std::string("msg still here"));
        QCOMPARE(hostSaw.log.size(), std::size_t{4});
        QCOMPARE(host.state(), State::connected);

        // The joiner hangs up: the host hears it once; the joiner, who closed, hears nothing.
        joiner.close();
        QCOMPARE(joiner.state(), State::closed);
        QTRY_COMPARE(hostSaw.log.back(), std::string("closed"));
        QCOMPARE(host.state(), State::closed);
        host.send("into the void");
        QTest::qWait(50);
        QCOMPARE(hostSaw.log.size(), std::size_t{5});
        QCOMPARE(joinerSaw.log.size(), std::size_t{3});
        host.close(); // harmless when closed
        QCOMPARE(host.state(), State::closed);
    }

    void onlyTheFirstRequestIsOffered() {
        QTcpSocket first, second;
        std::string why;
        QVERIFY(host.listen(port, why));
        first.connectToHost(loopback, port);
        QTRY_COMPARE(hostSaw.log.size(), std::size_t{1});
        second.connectToHost(loopback, port);
        QTRY_COMPARE(second.state(), QAbstractSocket::UnconnectedState); // let in, then dropped at once
        QCOMPARE(hostSaw.log, std::vector<std::string>{"request"});
        write(first, framed("sent while waiting"));
        host.accept(hostSaw.lastRequest);
        QTRY_COMPARE(hostSaw.log.back(), std::string("msg sent while waiting"));
        first.write(framed("bye")); // the last words come before the hang-up
        first.disconnectFromHost();
        QTRY_COMPARE(hostSaw.log.size(), std::size_t{4});
        QCOMPARE(hostSaw.log[2], std::string("msg bye"));
        QCOMPARE(hostSaw.log[3], std::string("closed"));
    }

    void aCloseSilencesWhatIsStillDue() {
        QTcpSocket peer;
        QVERIFY(acceptRawPeer(peer));
        const auto closer = QObject::connect(&host, &QtSocket::messageArrived, [this] { host.close(); });
        write(peer, framed("a") + framed("b"));
        peer.disconnectFromHost();
        QTest::qWait(50);
        QObject::disconnect(closer);
        QCOMPARE(hostSaw.log, std::vector<std::string>{"msg a"});
    }

    void wholeMessagesHoweverTheBytesTravel() {
        QTcpSocket peer;
        QVERIFY(acceptRawPeer(peer));
        const QByteArray hello = framed("hello");
        write(peer, framed("abc") + framed("") + hello.left(2)); // joined, then a header cut short
        QTRY_COMPARE(hostSaw.log, (std::vector<std::string>{"msg abc", "msg "}));
        write(peer, hello.mid(2, 3)); // the rest of the header and one body byte
        write(peer, hello.mid(5));
        QTRY_COMPARE(hostSaw.log.size(), std::size_t{3});
        QCOMPARE(hostSaw.log.back(), std::string("msg hello"));

        // Over the limit: what came before it is delivered, then the connection ends.
        write(peer, framed("last") + QByteArray("\x00\x01\x00\x01", 4) + QByteArray(100, 'x'));
        QTRY_COMPARE(hostSaw.log.size(), std::size_t{5});
        QCOMPARE(hostSaw.log[3], std::string("msg last"));
        QCOMPARE(hostSaw.log[4], "error " + std::to_string(QtSocket::messageTooLong) +
                                     " The other window announced a message longer than 65536 bytes.");
        QCOMPARE(host.state(), State::error);
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
    }

    void aFrameOfExactlyTheLimitArrives() {
        QTcpSocket peer;
        QVERIFY(acceptRawPeer(peer));
        const std::string big(grim::wire::maxMessage, 'Z');
        write(peer, framed(big));
        QTRY_COMPARE(hostSaw.log.size(), std::size_t{1});
        QCOMPARE(hostSaw.log[0], "msg " + big);
        host.send(big + "!"); // one byte too many: refused here, as the peer would refuse it
        QTRY_COMPARE(hostSaw.log.size(), std::size_t{2});
        QVERIFY(hostSaw.log[1].starts_with("error " + std::to_string(QtSocket::messageTooLong)));
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(peer.readAll(), QByteArray()); // nothing of it was sent
    }

    void failuresAreReported() {
        // Nobody listens: the join fails through the error signal.
        QtSocket joiner;
        Recorder joinerSaw(joiner);
        joiner.connect(loopback.toStdString(), port);
        QTRY_COMPARE(joinerSaw.log.size(), std::size_t{1});
        QCOMPARE(joinerSaw.log[0],
                 "error " + std::to_string(QAbstractSocket::ConnectionRefusedError) + " Connection refused");
        QCOMPARE(joiner.state(), State::error);

        // A port in use cannot be listened on, and says why.
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::Any, port));
        std::string why;
        QVERIFY(!host.listen(port, why));
        QCOMPARE(why, std::string("The bound address is already in use"));
        QCOMPARE(host.state(), State::closed);
        QTest::qWait(20);
        QVERIFY(hostSaw.log.empty());
    }
};

QTEST_MAIN(QtSocketTest)
#include "qt_socket_test.moc"
