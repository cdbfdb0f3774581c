// The window's one TCP connection, built on QTcpServer and QTcpSocket: the core's Socket port.
#pragma once

#include "board/ports.h"
#include "online/framing.h"

#include <QObject>

#include <deque>
#include <string>

class QTcpServer;
class QTcpSocket;

namespace grim {

class QtSocket final : public QObject, public Socket {
    Q_OBJECT
  public:
    // The error number reported when the peer announces a message over wire::maxMessage bytes,
    // or when this side is asked to send one. Other numbers are QAbstractSocket::SocketError.
    static constexpr int messageTooLong = 1000;

    explicit QtSocket(QObject* parent = nullptr);
    ~QtSocket() override;

    // Closes the server and the connection; no signal follows, not even one already due.
    // A connection request offered and not yet accepted stays acceptable, so that the
    // window may close and then accept, as it does on a request.
    void close() override;
    // Listens on all interfaces. Only the first connection request is offered; every
    // later attempt is refused at once while one is offered or connected.
    bool listen(std::uint16_t port, std::string& whyNot) override;
    // Makes the offered request the connection and stops listening. Any other id is ignored.
    void accept(std::int32_t requestId) override;
    void connect(const std::string& host, std::uint16_t port) override;
    State state() const override;
    // Sends one framed message; sends nothing unless connected.
    void send(const std::string& message) override;

  signals:
    void connectionRequest(qint32 requestId);
    void connected();
    void messageArrived(const std::string& message);
    void closedByPeer();
    void errorOccurred(int number, const std::string& description);

  private:
    // Everything this object reports goes through one queue, so the signals keep their order
    // even when a receiver runs a nested event loop (a modal box) while handling one.
    struct Event {
        enum class Kind { request, connected, message, closed, error } kind;
        std::string text;
        int number = 0;
    };
    void post(Event event);
    void deliver();

    void onNewConnection();
    void adopt(QTcpSocket* socket);
    void dropConnection();
    void readAvailable();
    void onDisconnected();
    void onSocketError(int error);
    void fail(int number, const std::string& description);

    QTcpServer* server_;
    QTcpSocket* connection_ = nullptr; // connecting or connected
    QTcpSocket* offered_ = nullptr;    // the request offered to the window, not yet accepted
    std::int32_t offeredId_ = 0;
    std::int32_t lastId_ = 0;
    bool failed_ = false;
    wire::Decoder decoder_;
    std::deque<Event> events_;
    bool delivering_ = false;
};

} // namespace grim
