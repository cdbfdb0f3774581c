// Online play in the window: the socket's events, the online timers and the online panel's
// controls, each forwarded to the core one at a time.
#include "app/frmMain.h"

#include "app/qt_socket.h"
#include "online/online_handlers.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// Reports a press of the left mouse button on a widget (a text box has no click signal).
class ClickFilter final : public QObject {
  public:
    ClickFilter(QObject* parent, std::function<void()> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) onClick_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onClick_;
};

// A chat line carries the time, the name and the text; these limits keep it well under the
// 4096 bytes the other window accepts.
constexpr int longestName = 40;
constexpr int longestChatText = 4000;

} // namespace

void frmMain::wireOnline() {
    onClick("btnHost", &frmMain::btnHost_Click);
    onClick("btnJoin", &frmMain::btnJoin_Click);
    onClick("btnDisconnect", &frmMain::btnDisconnect_Click);
    onClick("btnSet", &frmMain::btnSet_Click);
    onClick("smnOnline", &frmMain::smnOnline_Click);

    auto* message = control<QLineEdit>("txtMsg");
    message->setMaxLength(longestChatText);
    connect(message, &QLineEdit::returnPressed, this, [this] { txtMsg_KeyPress(13); });
    auto* name = control<QLineEdit>("txtPlayer");
    name->setMaxLength(longestName);
    name->installEventFilter(new ClickFilter(name, [this] { txtPlayer_Click(); }));

    connect(control<QTimer>("tmrConnect"), &QTimer::timeout, this, &frmMain::tmrConnect_Timer);
    connect(control<QTimer>("tmrWait"), &QTimer::timeout, this, &frmMain::tmrWait_Timer);
    connect(control<QTimer>("tmrUpdate"), &QTimer::timeout, this, &frmMain::tmrUpdate_Timer);
    connect(control<QTimer>("tmrSynch"), &QTimer::timeout, this, &frmMain::tmrSynch_Timer);

    grim::QtSocket* socket = &socket_();
    connect(socket, &grim::QtSocket::connectionRequest, this, &frmMain::Winsock_ConnectionRequest);
    connect(socket, &grim::QtSocket::connected, this, &frmMain::Winsock_Connect);
    connect(socket, &grim::QtSocket::messageArrived, this, &frmMain::Winsock_DataArrival);
    connect(socket, &grim::QtSocket::closedByPeer, this, &frmMain::Winsock_Close);
    connect(socket, &grim::QtSocket::errorOccurred, this, &frmMain::Winsock_Error);
}

using namespace grim::onlineSubs;

void frmMain::btnHost_Click() {
    forward([this] { grim::onlineSubs::btnHost_Click(core); });
}
void frmMain::btnJoin_Click() {
    forward([this] { grim::onlineSubs::btnJoin_Click(core); });
}
void frmMain::btnDisconnect_Click() {
    forward([this] { grim::onlineSubs::btnDisconnect_Click(core); });
}
void frmMain::btnSet_Click() {
    forward([this] { grim::onlineSubs::btnSet_Click(core); });
}
void frmMain::txtMsg_KeyPress(int keyAscii) {
    forward([this, keyAscii] { grim::onlineSubs::txtMsg_KeyPress(core, keyAscii); });
}
void frmMain::txtPlayer_Click() {
    forward([this] { grim::onlineSubs::txtPlayer_Click(core); });
}
void frmMain::smnOnline_Click() {
    forward([this] { grim::onlineSubs::smnOnline_Click(core); });
}
void frmMain::tmrConnect_Timer() {
    forward([this] { grim::onlineSubs::tmrConnect_Timer(core); });
}
void frmMain::tmrWait_Timer() {
    forward([this] { grim::onlineSubs::tmrWait_Timer(core); });
}
void frmMain::tmrUpdate_Timer() {
    forward([this] { grim::onlineSubs::tmrUpdate_Timer(core); });
}
void frmMain::tmrSynch_Timer() {
    forward([this] { grim::onlineSubs::tmrSynch_Timer(core); });
}
void frmMain::Winsock_ConnectionRequest(qint32 requestId) {
    forward([this, requestId] { grim::onlineSubs::Winsock_ConnectionRequest(core, requestId); });
}
void frmMain::Winsock_Connect() {
    forward([this] { grim::onlineSubs::Winsock_Connect(core); });
}
void frmMain::Winsock_Close() {
    forward([this] { grim::onlineSubs::Winsock_Close(core); });
}
void frmMain::Winsock_Error(int number, const std::string& description) {
    forward([this, number, description] { grim::onlineSubs::Winsock_Error(core, number, description); });
}
void frmMain::Winsock_DataArrival(const std::string& message) {
    forward([this, message] { grim::onlineSubs::Winsock_DataArrival(core, message); });
}
