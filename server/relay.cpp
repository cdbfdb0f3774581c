#include "server/relay.h"

#include <asio/post.hpp>
#include <asio/write.hpp>

namespace grim::meet {

namespace {
// Bytes held for one connection before its partner is no longer read from.
constexpr std::size_t holdLimit = 64 * 1024;
// A connection closed by the server has this long to take its last bytes.
constexpr Millis lingerFor = 5000;
constexpr auto tickEvery = std::chrono::seconds(1);
} // namespace

struct Relay::Connection {
    explicit Connection(asio::io_context& io) : socket(io) {}
    asio::ip::tcp::socket socket;
    ConnectionId id = 0;
    std::string out; // bytes not yet written, from outAt on
    std::size_t outAt = 0;
    bool reading = false, writing = false, closing = false, gone = false;
    std::size_t holding() const { return out.size() - outAt; }
};

std::string statusLine(const Counts& c) {
    return "rooms waiting: " + std::to_string(c.roomsWaiting) +
           ", rooms paired: " + std::to_string(c.roomsPaired) +
           ", bytes passed: " + std::to_string(c.bytesPassed);
}

Relay::Relay(asio::io_context& io, Options options)
    : io_(io), options_(std::move(options)),
      acceptor_(io, asio::ip::tcp::endpoint(asio::ip::make_address(options_.address), options_.port)),
      ticker_(io), acceptPause_(io), start_(std::chrono::steady_clock::now()),
      nextStatus_(start_ + options_.statusEvery), meeting_(*this, options_.limits) {
    acceptNext();
    ticker_.expires_after(tickEvery);
    ticker_.async_wait([this](std::error_code e) {
        if (!e) tick();
    });
}

Relay::~Relay() {
    for (auto& [id, c] : connections_) {
        c->gone = true;
        std::error_code ignored;
        c->socket.close(ignored);
    }
}

std::uint16_t Relay::port() const {
    return acceptor_.local_endpoint().port();
}

Millis Relay::now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
        .count();
}

void Relay::acceptNext() {
    acceptor_.async_accept([this](std::error_code e, asio::ip::tcp::socket socket) {
        if (e == asio::error::operation_aborted) return;
        if (e) { // out of file descriptors, most likely: try again shortly instead of spinning
            acceptPause_.expires_after(std::chrono::milliseconds(100));
            acceptPause_.async_wait([this](std::error_code e2) {
                if (!e2) acceptNext();
            });
            return;
        }
        auto c = std::make_shared<Connection>(io_);
        std::error_code ignored;
        socket.non_blocking(true, ignored);
        socket.set_option(asio::ip::tcp::no_delay(true), ignored);
        const auto peer = socket.remote_endpoint(ignored);
        c->socket = std::move(socket);
        c->id = ++lastId_;
        connections_.emplace(c->id, c);
        if (meeting_.opened(c->id, peer.address().to_string(), now()) && !c->gone && !c->closing)
            waitToRead(c);
        acceptNext();
    });
}

void Relay::waitToRead(const Handle& c) {
    if (c->reading || c->gone || c->closing) return;
    c->reading = true;
    c->socket.async_wait(asio::ip::tcp::socket::wait_read, [this, c](std::error_code e) {
        c->reading = false;
        if (c->gone || c->closing) return;
        if (e) return lost(c);
        readReady(c);
    });
}

std::size_t Relay::partnerHolds(const Handle& c) const {
    const std::optional<ConnectionId> p = meeting_.partner(c->id);
    if (!p) return 0;
    const auto at = connections_.find(*p);
    return at == connections_.end() ? 0 : at->second->holding();
}

void Relay::readReady(const Handle& c) {
    std::error_code e;
    const std::size_t n = c->socket.read_some(asio::buffer(buffer_), e);
    if (e == asio::error::would_block || e == asio::error::try_again) return waitToRead(c);
    if (e || n == 0) return lost(c);
    meeting_.received(c->id, std::string_view(buffer_.data(), n), now());
    // A partner that does not take its bytes stops this side being read, and nothing else.
    if (partnerHolds(c) < holdLimit) waitToRead(c);
}

void Relay::send(ConnectionId to, std::string_view bytes) {
    const auto at = connections_.find(to);
    if (at == connections_.end() || bytes.empty()) return;
    const Handle& c = at->second;
    if (c->gone || c->closing) return;
    if (c->holding() == 0) { // straight out when nothing waits before these bytes
        std::error_code e;
        const std::size_t n = c->socket.write_some(asio::buffer(bytes.data(), bytes.size()), e);
        if (e && e != asio::error::would_block && e != asio::error::try_again) {
            // Reported from the event loop: the Meeting is in the middle of a call now.
            asio::post(io_, [this, c] { lost(c); });
            return;
        }
        bytes.remove_prefix(e ? 0 : n);
        c->out.clear();
        c->outAt = 0;
    }
    c->out.append(bytes);
    flush(c);
}

void Relay::flush(const Handle& c) {
    if (c->holding() == 0 || c->writing || c->gone) return;
    c->writing = true;
    c->socket.async_wait(asio::ip::tcp::socket::wait_write, [this, c](std::error_code e) {
        c->writing = false;
        if (c->gone) return;
        if (e) return lost(c);
        const std::size_t n = c->socket.write_some(asio::buffer(c->out.data() + c->outAt, c->holding()), e);
        if (e && e != asio::error::would_block && e != asio::error::try_again) return lost(c);
        c->outAt += e ? 0 : n;
        if (c->holding() > 0) return flush(c);
        c->out.clear();
        c->outAt = 0;
        if (c->out.capacity() > 16384) c->out.shrink_to_fit();
        if (c->closing) return finish(c);
        resumePartner(c);
    });
}

void Relay::resumePartner(const Handle& c) {
    const std::optional<ConnectionId> p = meeting_.partner(c->id);
    if (!p) return;
    const auto at = connections_.find(*p);
    if (at != connections_.end()) waitToRead(at->second);
}

void Relay::lost(const Handle& c) {
    if (c->gone) return;
    meeting_.closed(c->id); // forgets it and closes its partner
    forget(c);
}

void Relay::close(ConnectionId id) {
    const auto at = connections_.find(id);
    if (at == connections_.end() || at->second->closing) return;
    const Handle c = at->second;
    c->closing = true;
    closing_.emplace_back(now() + lingerFor, id);
    if (c->holding() == 0) finish(c); // else its last bytes go first
}

// Says it has finished and reads until the other side closes too: closing with bytes unread
// would reset the connection and could lose the last bytes sent to it (a refusal).
void Relay::finish(const Handle& c) {
    std::error_code ignored;
    c->socket.shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
    c->socket.async_wait(asio::ip::tcp::socket::wait_read, [this, c](std::error_code e) {
        if (c->gone) return;
        std::size_t n = 0;
        if (!e) n = c->socket.read_some(asio::buffer(buffer_), e);
        if (e == asio::error::would_block || e == asio::error::try_again || (!e && n > 0)) return finish(c);
        forget(c);
    });
}

void Relay::forget(const Handle& c) {
    if (c->gone) return;
    c->gone = true;
    std::error_code ignored;
    c->socket.close(ignored);
    connections_.erase(c->id);
}

void Relay::tick() {
    const Millis t = now();
    meeting_.tick(t);
    while (!closing_.empty() && closing_.front().first <= t) {
        const auto at = connections_.find(closing_.front().second);
        closing_.pop_front();
        if (at != connections_.end()) forget(at->second);
    }
    if (std::chrono::steady_clock::now() >= nextStatus_) {
        nextStatus_ += options_.statusEvery;
        if (options_.status) options_.status(statusLine(meeting_.counts()));
    }
    ticker_.expires_after(tickEvery);
    ticker_.async_wait([this](std::error_code e) {
        if (!e) tick();
    });
}

} // namespace grim::meet
