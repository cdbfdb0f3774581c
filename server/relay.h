// The meeting server on the network: one thread, standalone Asio. It accepts connections,
// hands their bytes and hang-ups to the Meeting, writes what the Meeting sends, and holds no
// more than a little of any connection's bytes: a window that stops reading slows only its
// own partner.
#pragma once

#include "server/meeting.h"

#include <asio/io_context.hpp>
#include <asio/ip/tcp.hpp>
#include <asio/steady_timer.hpp>

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace grim::meet {

class Relay final : Outlet {
  public:
    struct Options {
        std::string address = "0.0.0.0";
        std::uint16_t port = defaultPort; // 0: any free port
        Limits limits;
        std::chrono::milliseconds statusEvery{60'000};
        std::function<void(const std::string&)> status; // gets the status line
    };
    // Listens at once; throws asio::system_error when it cannot.
    Relay(asio::io_context& io, Options options);
    ~Relay() override;
    std::uint16_t port() const;
    Counts counts() const { return meeting_.counts(); }

  private:
    struct Connection;
    using Handle = std::shared_ptr<Connection>;

    void acceptNext();
    void waitToRead(const Handle& c);
    void readReady(const Handle& c);
    void flush(const Handle& c);
    void lost(const Handle& c);
    void finish(const Handle& c);
    void forget(const Handle& c);
    void resumePartner(const Handle& c);
    std::size_t partnerHolds(const Handle& c) const;
    void tick();
    Millis now() const;

    void send(ConnectionId to, std::string_view bytes) override;
    void close(ConnectionId id) override;

    asio::io_context& io_;
    Options options_;
    asio::ip::tcp::acceptor acceptor_;
    asio::steady_timer ticker_, acceptPause_;
    std::deque<std::pair<Millis, ConnectionId>>
        closing_; // connections given until then to send their last bytes
    std::chrono::steady_clock::time_point start_, nextStatus_;
    Meeting meeting_;
    std::unordered_map<ConnectionId, Handle> connections_;
    ConnectionId lastId_ = 0;
    std::array<char, 16384> buffer_{}; // one read at a time, shared by all connections
};

// "rooms waiting: 3, rooms paired: 12, bytes passed: 123456"
std::string statusLine(const Counts& counts);

} // namespace grim::meet
