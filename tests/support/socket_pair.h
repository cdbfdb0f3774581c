// Two windows' cores connected in memory as the Qt adapter connects them; the test pumps the events.
#pragma once

#include "online/framing.h"
#include "online/online_handlers.h"
#include "program/startup.h"
#include "support/fakes.h"

#include <deque>
#include <functional>
#include <map>

namespace grim::test {

class MemorySocket;

struct MemoryNetwork {
    std::deque<std::function<void()>> events;
    std::map<std::uint16_t, MemorySocket*> listening; // null: another program listens there
    MemorySocket* joining = nullptr;                  // waiting to be accepted as request 1
    std::size_t chunk = 0;                            // bytes per delivery; 0 delivers a send whole
    void pump(int most = 100000) {                    // also the events the handled ones queue
        for (; !events.empty() && most-- > 0; events.pop_front())
            std::exchange(events.front(), nullptr)();
    }
};

class MemorySocket final : public Socket {
  public:
    MemorySocket(MemoryNetwork& net, Window& w) : net_(net), w_(w) {}
    void close() override {
        if (state_ == State::listening) net_.listening.erase(port_);
        if (state_ == State::connected && peer_)
            cut(State::closed, [p = peer_] { onlineSubs::Winsock_Close(p->w_); });
        state_ = State::closed, decoder_.reset(), ++closes; // as the Qt adapter drops a connection
    }
    bool listen(std::uint16_t port, std::string& whyNot) override {
        if (net_.listening.count(port)) return whyNot = "the address is already in use", false;
        state_ = State::listening;
        return net_.listening[port_ = port] = this, true;
    }
    void accept(std::int32_t requestId) override {
        if (requestId != 1 || !net_.joining) return;
        (peer_ = std::exchange(net_.joining, nullptr))->peer_ = this;
        state_ = peer_->state_ = State::connected;
        net_.events.push_back([p = peer_] { onlineSubs::Winsock_Connect(p->w_); });
    }
    void connect(const std::string&, std::uint16_t port) override { // reaches the window listening there
        state_ = State::connecting;
        net_.events.push_back([this, port] { // silent: a host that never answers
            if (state_ == State::connecting && !silent)
                net_.joining = this, onlineSubs::Winsock_ConnectionRequest(net_.listening.at(port)->w_, 1);
        });
    }
    State state() const override { return state_; }
    void send(const std::string& message) override {
        sent.push_back(message);
        if (state_ == State::connected && peer_) peer_->receive(wire::frame(message));
    }
    // Bytes in chunks as the network says; a frame over the limit ends it through the error path.
    void receive(const std::string& bytes) {
        const std::size_t step = net_.chunk == 0 ? bytes.size() : net_.chunk;
        for (std::size_t at = 0; at < bytes.size(); at += step) {
            std::vector<std::string> messages;
            const bool ok = decoder_.feed(std::string_view(bytes).substr(at, step), messages);
            for (auto& m : messages)
                net_.events.push_back([this, m = std::move(m)] { onlineSubs::Winsock_DataArrival(w_, m); });
            if (ok) continue;
            net_.events.push_back([this] { onlineSubs::Winsock_Error(w_, 10040, "Message too long"); });
            return cut(State::error, [p = peer_] { onlineSubs::Winsock_Close(p->w_); });
        }
    }
    std::vector<std::string> sent;
    int closes = 0;
    bool silent = false; // connect() never gets an answer

  private:
    void cut(State mine, std::function<void()> peerEvent) { // ends it here; the peer hears by the event
        peer_->peer_ = nullptr, peer_->state_ = State::closed, peer_ = nullptr, state_ = mine;
        net_.events.push_back(std::move(peerEvent));
    }
    MemoryNetwork& net_;
    Window& w_;
    State state_ = State::closed;
    MemorySocket* peer_ = nullptr;
    std::uint16_t port_ = 0;
    wire::Decoder decoder_;
};

struct NetWindow { // a complete window core on the memory network, after start-up
    FakePorts p;
    MemorySocket socket;
    Window w{Ports{&p, &p, &p, &p, &socket}};
    explicit NetWindow(MemoryNetwork& net) : socket(net, w) { formLoad(w, "/nonexistent-grimward-folder"); }
};

} // namespace grim::test
