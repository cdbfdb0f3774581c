// Two windows' cores connected in memory the way the Qt adapter connects them: every send is
// framed with wire::frame, the bytes pass through the receiver's wire::Decoder (in chunks of
// any size), and each whole message becomes one data-arrival event. Socket events wait in one
// queue and are handled one at a time, in order, when the test pumps them.
#pragma once

#include "program/startup.h"
#include "online/framing.h"
#include "online/online_handlers.h"
#include "support/fakes.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace grim::test {

class MemorySocket;

struct MemoryNetwork {
    std::deque<std::function<void()>> events;
    std::map<std::uint16_t, MemorySocket*> listening;
    std::map<std::int32_t, MemorySocket*> requests; // joiners waiting to be accepted
    std::set<std::uint16_t> taken;                  // ports another program listens on
    std::size_t chunk = 0;                          // bytes per delivery; 0 delivers a send whole
    std::int32_t nextRequest = 1;

    void post(std::function<void()> event) { events.push_back(std::move(event)); }
    // Handles the queued events one at a time, also those they queue; returns how many ran.
    int pump(int most = 100000) {
        int n = 0;
        while (!events.empty() && n < most) {
            auto next = std::move(events.front());
            events.pop_front();
            next();
            ++n;
        }
        return n;
    }
};

class MemorySocket final : public Socket {
  public:
    explicit MemorySocket(MemoryNetwork& net) : net_(net) {}
    void attach(Window& w) { window_ = &w; }

    void close() override {
        if (state_ == State::listening) net_.listening.erase(port_);
        if (state_ == State::connected && peer_ != nullptr) {
            MemorySocket* peer = peer_;
            peer->peer_ = nullptr;
            peer->state_ = State::closed;
            net_.post([peer] { onlineSubs::Winsock_Close(*peer->window_); });
        }
        peer_ = nullptr;
        state_ = State::closed;
        ++closes;
    }
    bool listen(std::uint16_t port, std::string& whyNot) override {
        if (net_.taken.count(port) || net_.listening.count(port)) {
            whyNot = "the address is already in use";
            return false;
        }
        port_ = port;
        state_ = State::listening;
        net_.listening[port] = this;
        return true;
    }
    void accept(std::int32_t requestId) override {
        auto it = net_.requests.find(requestId);
        if (it == net_.requests.end()) return;
        MemorySocket* joiner = it->second;
        net_.requests.erase(it);
        peer_ = joiner;
        joiner->peer_ = this;
        state_ = joiner->state_ = State::connected;
        decoder_.reset();
        joiner->decoder_.reset();
        net_.post([joiner] { onlineSubs::Winsock_Connect(*joiner->window_); });
    }
    void connect(const std::string& host, std::uint16_t port) override {
        state_ = State::connecting;
        ++connects;
        lastHost = host;
        net_.post([this, host, port] {
            if (state_ != State::connecting) return;
            auto it = net_.listening.find(port);
            if (host != "127.0.0.1" || it == net_.listening.end() || silent) {
                if (silent) return; // a host that never answers
                state_ = State::error;
                onlineSubs::Winsock_Error(*window_, 10061, "Connection refused");
                return;
            }
            const std::int32_t id = net_.nextRequest++;
            net_.requests[id] = this;
            MemorySocket* host = it->second;
            onlineSubs::Winsock_ConnectionRequest(*host->window_, id);
        });
    }
    State state() const override { return state_; }
    void send(const std::string& message) override {
        sent.push_back(message);
        if (state_ == State::connected && peer_ != nullptr) peer_->receive(wire::frame(message));
    }

    // Bytes as they arrive from the network, in chunks as the network's setting says.
    void receive(const std::string& bytes) {
        const std::size_t step = net_.chunk == 0 ? bytes.size() : net_.chunk;
        for (std::size_t at = 0; at < bytes.size(); at += step) {
            std::vector<std::string> messages;
            const bool ok = decoder_.feed(std::string_view(bytes).substr(at, step), messages);
            for (auto& m : messages)
                net_.post([this, m = std::move(m)] { onlineSubs::Winsock_DataArrival(*window_, m); });
            if (!ok) {
                // A frame over the limit ends the connection through the error path.
                MemorySocket* peer = peer_;
                if (peer) peer->peer_ = nullptr, peer->state_ = State::closed;
                peer_ = nullptr;
                state_ = State::error;
                net_.post([this] { onlineSubs::Winsock_Error(*window_, 10040, "Message too long"); });
                if (peer) net_.post([peer] { onlineSubs::Winsock_Close(*peer->window_); });
                return;
            }
        }
    }

    std::vector<std::string> sent;
    int closes = 0, connects = 0;
    std::string lastHost;
    bool silent = false; // connect() never gets an answer

  private:
    MemoryNetwork& net_;
    Window* window_ = nullptr;
    State state_ = State::closed;
    MemorySocket* peer_ = nullptr;
    std::uint16_t port_ = 0;
    wire::Decoder decoder_;
};

// A complete window core on the memory network, after start-up.
struct NetWindow {
    FakePrompter prompter;
    FakeSound sound;
    FakeClock clock;
    ScriptedRandom random;
    MemorySocket socket;
    Window w{Ports{prompter, sound, clock, random, socket}};

    explicit NetWindow(MemoryNetwork& net) : socket(net) {
        socket.attach(w);
        formLoad(w, "/nonexistent-grimward-folder");
    }
};

} // namespace grim::test
