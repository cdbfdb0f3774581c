// The socket port on QTcpServer and QTcpSocket: listens on all interfaces, offers only the
// first connection request, frames every send and delivers each whole message as one signal.
#pragma once

#include "board/ports.h"
#include "online/framing.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <deque>
#include <string>

class QTcpServer;
class QTcpSocket;

namespace grim {

class QtSocket final : public QObject, public Socket {
    Q_OBJECT

  public:
    explicit QtSocket(QObject* parent = nullptr);
    ~QtSocket() override;

    void close() override;
    bool listen(std::uint16_t port, std::string& whyNot) override;
    void accept(std::int32_t requestId) override;
    void connect(const std::string& host, std::uint16_t port) override;
    State state() const override;
    void send(const std::string& message) override;

  signals:
    void connectionRequest(qint32 requestId);
    void connected();
    void messageArrived(const std::string& message);
    void closedByPeer();
    void errorOccurred(int number, const std::string& description);

  private:
    void adopt(QTcpSocket* socket);
    void readArrived();
    void deliver();
    void fail(int number, const std::string& description);
    void dropPending();

    QPointer<QTcpServer> server_;
    QPointer<QTcpSocket> socket_;
    QHash<qint32, QTcpSocket*> pending_;
    qint32 nextRequest_ = 1;
    bool offered_ = false;
    wire::Decoder decoder_;
    std::deque<std::string> inbox_;
    bool delivering_ = false;
};

} // namespace grim
