#include "app/qt_socket.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <string_view>
#include <vector>

namespace grim {

namespace {
std::string latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

// A socket given up by this side still sends what was written to it before it closes, then
// goes away; one whose peer never lets it finish is dropped after a few seconds.
void retire(QTcpSocket* socket) {
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(5000, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
}
} // namespace

QtSocket::QtSocket(QObject* parent) : QObject(parent), server_(new QTcpServer(this)) {
    QObject::connect(server_, &QTcpServer::newConnection, this, &QtSocket::onNewConnection);
}

QtSocket::~QtSocket() {
    close();
}

void QtSocket::close() {
    server_->close();
    dropConnection();
    failed_ = false;
    events_.clear();
}

bool QtSocket::listen(std::uint16_t port, std::string& whyNot) {
    close();
    if (offered_) {
        offered_->abort();
        offered_->deleteLater();
        offered_ = nullptr;
    }
    if (server_->listen(QHostAddress::Any, port)) return true;
    whyNot = latin1(server_->errorString());
    return false;
}

void QtSocket::onNewConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        if (connection_ || offered_) { // only the first request is offered: refuse the rest
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        offered_ = socket;
        offeredId_ = ++lastId_;
        post({Event::Kind::request, {}, offeredId_});
    }
}

void QtSocket::accept(std::int32_t requestId) {
    if (!offered_ || requestId != offeredId_) return;
    server_->close();
    dropConnection();
    failed_ = false;
    QTcpSocket* socket = offered_;
    offered_ = nullptr;
    adopt(socket);
    readAvailable(); // whatever the peer sent while its request waited
    if (connection_ && connection_->state() != QAbstractSocket::ConnectedState) onDisconnected();
}

void QtSocket::connect(const std::string& host, std::uint16_t port) {
    close();
    QTcpSocket* socket = new QTcpSocket(this);
    adopt(socket);
    QObject::connect(socket, &QAbstractSocket::connected, this, [this] {
        post({Event::Kind::connected, {}, 0});
    });
    socket->connectToHost(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())), port);
}

Socket::State QtSocket::state() const {
    if (connection_) {
        switch (connection_->state()) {
        case QAbstractSocket::ConnectedState:
            return State::connected;
        case QAbstractSocket::HostLookupState:
        case QAbstractSocket::ConnectingState:
        case QAbstractSocket::BoundState:
            return State::connecting;
        default:
            return State::closed;
        }
    }
    if (failed_) return State::error;
    return server_->isListening() ? State::listening : State::closed;
}

void QtSocket::send(const std::string& message) {
    if (state() != State::connected) return;
    if (message.size() > wire::maxMessage) { // the other window would refuse it
        fail(messageTooLong, "A message of " + std::to_string(message.size()) +
                                 " bytes cannot be sent; the limit is " + std::to_string(wire::maxMessage) +
                                 " bytes.");
        return;
    }
    const std::string bytes = wire::frame(message);
    connection_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void QtSocket::adopt(QTcpSocket* socket) {
    connection_ = socket;
    decoder_.reset();
    QObject::connect(socket, &QIODevice::readyRead, this, &QtSocket::readAvailable);
    QObject::connect(socket, &QAbstractSocket::disconnected, this, &QtSocket::onDisconnected);
    QObject::connect(socket, &QAbstractSocket::errorOccurred, this,
                     [this](QAbstractSocket::SocketError error) { onSocketError(static_cast<int>(error)); });
}

void QtSocket::dropConnection() {
    if (!connection_) return;
    connection_->disconnect(this);
    retire(connection_);
    connection_ = nullptr;
    decoder_.reset();
}

void QtSocket::readAvailable() {
    if (!connection_) return;
    const QByteArray bytes = connection_->readAll();
    std::vector<std::string> messages;
    const bool whole =
        decoder_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), messages);
    for (std::string& message : messages)
        post({Event::Kind::message, std::move(message), 0});
    if (!whole)
        fail(messageTooLong, "The other window announced a message longer than " +
                                 std::to_string(wire::maxMessage) + " bytes.");
}

void QtSocket::onDisconnected() {
    readAvailable(); // the last messages come before the hang-up
    if (!connection_) return;
    dropConnection();
    post({Event::Kind::closed, {}, 0});
}

void QtSocket::onSocketError(int error) {
    if (!connection_) return;
    if (error == QAbstractSocket::RemoteHostClosedError) {
        onDisconnected();
        return;
    }
    fail(error, latin1(connection_->errorString()));
}

void QtSocket::fail(int number, const std::string& description) {
    dropConnection();
    failed_ = true;
    post({Event::Kind::error, description, number});
}

void QtSocket::post(Event event) {
    events_.push_back(std::move(event));
    // Signals leave from the event loop, never from inside a call the window made.
    QMetaObject::invokeMethod(this, &QtSocket::deliver, Qt::QueuedConnection);
}

void QtSocket::deliver() {
    if (delivering_) return; // the outer delivery goes on once its receiver returns
    delivering_ = true;
    while (!events_.empty()) {
        Event event = std::move(events_.front());
        events_.pop_front();
        switch (event.kind) {
        case Event::Kind::request:
            emit connectionRequest(event.number);
            break;
        case Event::Kind::connected:
            emit connected();
            break;
        case Event::Kind::message:
            emit messageArrived(event.text);
            break;
        case Event::Kind::closed:
            emit closedByPeer();
            break;
        case Event::Kind::error:
            emit errorOccurred(event.number, event.text);
            break;
        }
    }
    delivering_ = false;
}

} // namespace grim
