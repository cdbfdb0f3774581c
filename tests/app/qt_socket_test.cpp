// The window's socket over real TCP on 127.0.0.1: hosting, joining, whole messages however the bytes travel,
// refusals, hang-ups and errors.
#include "app/qt_socket.h"
#include "online/framing.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using grim::QtSocket;
using State = grim::Socket::State;
using Log = std::vector<std::string>;

namespace {
const QString loopback = QStringLiteral("127.0.0.1");

// Everything one socket reported, in order, as readable lines.
struct Recorder {
    Log log;
    std::int32_t lastRequest = 0;
    explicit Recorder(QtSocket& s) {
        QObject::connect(&s, &QtSocket::connectionRequest,
                         [this](qint32 id) { log.push_back("request"), lastRequest = id; });
        QObject::connect(&s, &QtSocket::messageArrived,
                         [this](const std::string& m) { log.push_back("msg " + m); });
        QObject::connect(&s, &QtSocket::closedByPeer, [this] { log.push_back("closed"); });
        QObject::connect(&s, &QtSocket::errorOccurred, [this](int n, const std::string& d) {
            log.push_back("error " + std::to_string(n) + " " + d);
        });
    }
};

QByteArray framed(const std::string& message) {
    return QByteArray::fromStdString(grim::wire::frame(message));
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
    std::string why;
    const std::string big = std::string(grim::wire::maxMessage, 'Z'); // a message of exactly the limit

    // The host listens and a raw peer connects and is accepted the way the window does it.
    bool acceptRawPeer(QTcpSocket& peer) {
        if (!host.listen(port, why)) return false;
        peer.connectToHost(loopback, port);
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
        QTcpServer probe; // a port nobody listens on at the moment
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }

    // A second request while the first waits is dropped; what the first sent while waiting and its last words
    // before hanging up arrive.
    void onlyTheFirstRequestIsOffered() {
        QTcpSocket first, second;
        QVERIFY(host.listen(port, why));
        first.connectToHost(loopback, port);
        QTRY_COMPARE(hostSaw.log.size(), 1u);
        second.connectToHost(loopback, port);
        QTRY_COMPARE(second.state(), QAbstractSocket::UnconnectedState);
        write(first, framed("sent while waiting"));
        host.accept(hostSaw.lastRequest);
        QTRY_COMPARE(hostSaw.log.back(), "msg sent while waiting");
        first.write(framed("bye"));
        first.disconnectFromHost();
        QTRY_COMPARE(hostSaw.log, (Log{"request", "msg sent while waiting", "msg bye", "closed"}));
    }

    // Joined and split frames, one of exactly the limit, then one over it: what came before is delivered,
    // then the connection ends.
    void wholeMessagesHoweverTheBytesTravel() {
        QTcpSocket peer;
        QVERIFY(acceptRawPeer(peer));
        const QByteArray hello = framed("hello");
        write(peer, framed("abc") + framed("") + hello.left(2)); // joined, then a header cut short
        QTRY_COMPARE(hostSaw.log, (Log{"msg abc", "msg "}));
        write(peer, hello.mid(2, 3)); // the rest of the header and one body byte
        write(peer, hello.mid(5));
        write(peer, framed(big));
        write(peer, framed("last") + QByteArray("\x00\x01\x00\x01", 4) + QByteArray(100, 'x'));
        QTRY_COMPARE(hostSaw.log,
                     (Log{"msg abc", "msg ", "msg hello", "msg " + big, "msg last",
                          "error " + std::to_string(QtSocket::messageTooLong) +
                              " The other window announced a message longer than 65536 bytes."}));
        QCOMPARE(host.state(), State::error);
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
    }

    void aMessageOverTheLimitIsNotSent() {
        QTcpSocket peer;
        QVERIFY(acceptRawPeer(peer));
        host.send(big);
        QTRY_COMPARE(peer.bytesAvailable(), qint64(framed(big).size()));
        peer.readAll();
        host.send(big + "!"); // refused here, as the peer would refuse it
        QTRY_VERIFY(hostSaw.log.size() == 1u &&
                    hostSaw.log[0].starts_with("error " + std::to_string(QtSocket::messageTooLong)));
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(peer.readAll(), QByteArray());
    }

    void failuresAreReported() {
        host.connect(loopback.toStdString(), port); // nobody listens: the join fails through the error signal
        QTRY_COMPARE(hostSaw.log, Log{"error " + std::to_string(QAbstractSocket::ConnectionRefusedError) +
                                      " Connection refused"});
        QCOMPARE(host.state(), State::error);
        hostSaw.log.clear();
        QTcpServer other; // a port in use cannot be listened on, and says why
        QVERIFY(other.listen(QHostAddress::Any, port));
        QVERIFY(!host.listen(port, why));
        QCOMPARE(why, "The bound address is already in use");
        QTest::qWait(20);
        QVERIFY(hostSaw.log.empty());
    }
};

QTEST_MAIN(QtSocketTest)
#include "qt_socket_test.moc"
