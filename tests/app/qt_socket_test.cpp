// The window's socket over real TCP on 127.0.0.1.
#include "app/qt_socket.h"
#include "online/framing.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using grim::QtSocket;

namespace {
const QString loopback = QStringLiteral("127.0.0.1");
const std::string big(grim::wire::maxMessage, 'Z'); // a message of exactly the limit
const QString tooLong = "error " + QString::number(QtSocket::messageTooLong) + " ";

QByteArray framed(const std::string& m) { return QByteArray::fromStdString(grim::wire::frame(m)); }
// Bytes that arrive on their own, apart from the next write.
void write(QTcpSocket& peer, const QByteArray& bytes) {
    peer.write(bytes), peer.flush(), QTest::qWait(20);
}
} // namespace

class QtSocketTest : public QObject {
    Q_OBJECT

    quint16 port = 0;
    QtSocket host;
    QStringList log; // everything the host reported, in order
    std::int32_t lastRequest = 0;
    std::string why;

    // The host listens and a raw peer connects and is accepted the way the window does it.
    bool acceptRawPeer(QTcpSocket& peer) {
        if (!host.listen(port, why)) return false;
        peer.connectToHost(loopback, port);
        if (!QTest::qWaitFor([&] { return !log.empty(); }, 5000)) return false;
        host.close(), host.accept(lastRequest), log.clear();
        return host.state() == grim::Socket::State::connected;
    }

  private slots:
    void initTestCase() {
        connect(&host, &QtSocket::connectionRequest, this,
                [this](qint32 id) { log << "request", lastRequest = id; });
        connect(&host, &QtSocket::messageArrived, this,
                [this](const std::string& m) { log << "msg " + QString::fromStdString(m); });
        connect(&host, &QtSocket::closedByPeer, this, [this] { log << "closed"; });
        connect(&host, &QtSocket::errorOccurred, this,
                [this](int n, const std::string& d) { log << QString("error %1 %2").arg(n).arg(d.c_str()); });
    }
    void init() {
        host.close(), log.clear();
        QTcpServer probe; // a port nobody listens on at the moment
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }

    // A second request while the first waits is dropped; all the first sent, to its last words, arrives.
    void onlyTheFirstRequestIsOffered() {
        QTcpSocket first, second;
        QVERIFY(host.listen(port, why));
        first.connectToHost(loopback, port);
        QTRY_COMPARE(log, QStringList{"request"});
        second.connectToHost(loopback, port);
        QTRY_COMPARE(second.state(), QAbstractSocket::UnconnectedState);
        write(first, framed("sent while waiting"));
        host.accept(lastRequest);
        QTRY_COMPARE(log.size(), 2);
        first.write(framed("bye")), first.disconnectFromHost();
        QTRY_COMPARE(log, (QStringList{"request", "msg sent while waiting", "msg bye", "closed"}));
    }

    // Joined and split frames, one of exactly the limit, then one over it, which ends the connection.
    void wholeMessagesHoweverTheBytesTravel() {
        QTcpSocket peer;
        QVERIFY(acceptRawPeer(peer));
        const QByteArray hello = framed("hello");
        write(peer, framed("abc") + framed("") + hello.left(2)); // joined, then a header cut short
        QTRY_COMPARE(log, (QStringList{"msg abc", "msg "}));
        write(peer, hello.mid(2, 3)); // the rest of the header and one body byte
        write(peer, hello.mid(5) + framed(big));
        write(peer, framed("last") + QByteArray("\x00\x01\x00\x01", 4) + QByteArray(100, 'x'));
        QTRY_COMPARE(
            log,
            (QStringList{"msg abc", "msg ", "msg hello", "msg " + QString::fromStdString(big), "msg last",
                         tooLong + "The other window announced a message longer than 65536 bytes."}));
        QCOMPARE(host.state(), grim::Socket::State::error);
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
    }

    void aMessageOverTheLimitIsNotSent() {
        QTcpSocket peer;
        QVERIFY(acceptRawPeer(peer));
        host.send(big);
        QTRY_COMPARE(peer.bytesAvailable(), qint64(framed(big).size()));
        peer.readAll();
        host.send(big + "!"); // refused here, as the peer would refuse it
        QTRY_COMPARE(
            log, QStringList{tooLong + "A message of 65537 bytes cannot be sent; the limit is 65536 bytes."});
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(peer.readAll(), QByteArray());
    }

    void failuresAreReported() {
        host.connect(loopback.toStdString(), port); // nobody listens: the join fails through the error signal
        QTRY_COMPARE(log, QStringList{"error " + QString::number(QAbstractSocket::ConnectionRefusedError) +
                                      " Connection refused"});
        QCOMPARE(host.state(), grim::Socket::State::error);
        log.clear();
        QTcpServer other; // a port in use cannot be listened on, and says why
        QVERIFY(other.listen(QHostAddress::Any, port));
        QVERIFY(!host.listen(port, why));
        QCOMPARE(why, "The bound address is already in use");
        QTest::qWait(20);
        QCOMPARE(log, QStringList());
    }
};

QTEST_MAIN(QtSocketTest)
#include "qt_socket_test.moc"
