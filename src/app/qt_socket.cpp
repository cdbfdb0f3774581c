#include "app/qt_socket.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace grim {

QtSocket::QtSocket(QObject* parent) : QObject(parent) {}

QtSocket::~QtSocket() {
    close();
    dropPending();
}

void QtSocket::dropPending() {
    for (QTcpSocket* s : std::as_const(pending_)) {
        s->abort();
        s->deleteLater();
    }
    pending_.clear();
}

void QtSocket::close() {
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    if (socket_) {
        QTcpSocket* s = socket_;
        QObject::disconnect(s, nullptr, this, nullptr); // no event follows a local close
        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        s->disconnectFromHost();
        if (s->state() == QAbstractSocket::UnconnectedState) s->deleteLater();
        socket_ = nullptr;
    }
    decoder_.reset();
    inbox_.clear();
}

bool QtSocket::listen(std::uint16_t port, std::string& whyNot) {
    close();
    dropPending();
    offered_ = false;
    auto* server = new QTcpServer(this);
    if (!server->listen(QHostAddress::Any, port)) {
        whyNot = server->errorString().toLower().toStdString();
        delete server;
        return false;
    }
    QObject::connect(server, &QTcpServer::newConnection, this, [this, server] {
        while (server->hasPendingConnections()) {
            QTcpSocket* s = server->nextPendingConnection();
            if (offered_ || socket_) {
                s->abort(); // only the first request is offered
                s->deleteLater();
                continue;
            }
            offered_ = true;
            const qint32 id = nextRequest_++;
            pending_.insert(id, s);
            s->setParent(this);
            emit connectionRequest(id);
        }
    });
    server_ = server;
    return true;
}

void QtSocket::accept(std::int32_t requestId) {
    QTcpSocket* s = pending_.take(requestId);
    if (!s) return;
    adopt(s);
}

void QtSocket::connect(const std::string& host, std::uint16_t port) {
    close();
    auto* s = new QTcpSocket(this);
    adopt(s);
    QObject::connect(s, &QTcpSocket::connected, this, [this] { emit connected(); });
    s->connectToHost(QString::fromLatin1(host.c_str()), port);
}

void QtSocket::adopt(QTcpSocket* s) {
    socket_ = s;
    decoder_.reset();
    inbox_.clear();
    QObject::connect(s, &QTcpSocket::readyRead, this, &QtSocket::readArrived);
    QObject::connect(s, &QTcpSocket::disconnected, this, [this] {
        close();
        emit closedByPeer();
    });
    QObject::connect(s, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) return; // disconnected follows
        fail(static_cast<int>(error), socket_ ? socket_->errorString().toStdString() : std::string());
    });
}

void QtSocket::fail(int number, const std::string& description) {
    if (socket_) {
        QTcpSocket* s = socket_;
        QObject::disconnect(s, nullptr, this, nullptr);
        s->abort();
        s->deleteLater();
        socket_ = nullptr;
    }
    close();
    emit errorOccurred(number, description);
}

void QtSocket::readArrived() {
    if (!socket_) return;
    std::vector<std::string> messages;
    const QByteArray bytes = socket_->readAll();
    const bool ok =
        decoder_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), messages);
    for (auto& m : messages)
        inbox_.push_back(std::move(m));
    deliver();
    if (!ok && socket_) fail(-1, "a message longer than the longest allowed arrived");
}

// One signal per message, in order, even when a handler opens a modal box and more bytes
// arrive meanwhile: those wait in the inbox behind the ones still to be delivered.
void QtSocket::deliver() {
    if (delivering_) return;
    delivering_ = true;
    while (!inbox_.empty()) {
        std::string m = std::move(inbox_.front());
        inbox_.pop_front();
        emit messageArrived(m);
    }
    delivering_ = false;
}

Socket::State QtSocket::state() const {
    if (socket_) {
        switch (socket_->state()) {
        case QAbstractSocket::ConnectedState:
            return State::connected;
        case QAbstractSocket::HostLookupState:
        case QAbstractSocket::ConnectingState:
            return State::connecting;
        default:
            return State::closed;
        }
    }
    return server_ && server_->isListening() ? State::listening : State::closed;
}

void QtSocket::send(const std::string& message) {
    if (state() != State::connected || message.size() > wire::maxMessage) return;
    socket_->write(QByteArray::fromStdString(wire::frame(message)));
}

} // namespace grim
