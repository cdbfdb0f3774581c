// The meeting server's rooms, as a state machine that knows nothing of sockets or clocks:
// the network side reports connections, bytes, hang-ups and the time, and the machine answers
// through an Outlet. Tests drive it with fake connections and a time of their own.
#pragma once

#include "online/meeting_wire.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace grim::meet {

using ConnectionId = std::uint64_t;
using Millis = std::int64_t;

struct Limits {
    std::size_t maxRooms = 5000;    // rooms waiting or paired
    std::size_t maxPerAddress = 16; // connections from one address
    Millis firstFrameWait = 10'000; // for the first frame of a connection
    Millis partnerWait = 600'000;   // for the partner of a room
};

// Where the machine's answers go.
class Outlet {
  public:
    virtual ~Outlet() = default;
    // Bytes for the connection, as they go on the wire, after everything sent to it before.
    virtual void send(ConnectionId to, std::string_view bytes) = 0;
    // Ends the connection once what was sent to it has gone; the machine has forgotten it and
    // expects no closed() for it.
    virtual void close(ConnectionId id) = 0;
};

struct Counts {
    std::size_t roomsWaiting = 0, roomsPaired = 0, connections = 0;
    std::uint64_t bytesPassed = 0; // between paired windows, since the start
};

class Meeting {
  public:
    Meeting(Outlet& outlet, Limits limits) : outlet_(outlet), limits_(limits) {}

    // A new connection from the address. Refused with "</busy/>" (and closed) when the address
    // holds its limit of connections; then false.
    bool opened(ConnectionId id, const std::string& address, Millis now);
    // Bytes that came from the connection, in order.
    void received(ConnectionId id, std::string_view bytes, Millis now);
    // The connection hung up or failed; its partner is closed too.
    void closed(ConnectionId id);
    // Ends the connections whose wait is over: no first frame after firstFrameWait, no
    // partner after partnerWait.
    void tick(Millis now);

    std::optional<ConnectionId> partner(ConnectionId id) const;
    Counts counts() const;

  private:
    enum class Stage : std::uint8_t { greeting, waiting, paired };
    struct Connection {
        Stage stage = Stage::greeting;
        Role role = Role::host;
        std::uint8_t headerHave = 0; // length bytes of the current frame read so far
        std::uint32_t header = 0;
        std::uint32_t bodyLeft = 0; // bytes of the current frame still to pass
        ConnectionId partner = 0;
        std::string address;
        std::string room;  // its key, once the first frame named it
        std::string first; // the first frame's bytes so far
    };
    struct Room {
        std::optional<ConnectionId> host, join;
    };

    void greet(ConnectionId id, Connection& c, std::string_view bytes, Millis now);
    void enter(ConnectionId id, Connection& c, const FirstFrame& f, Millis now);
    void pass(ConnectionId id, Connection& c, std::string_view bytes);
    void refuse(ConnectionId id, Answer answer);
    void answer(ConnectionId id, Answer answer);
    // Forgets the connection and closes it; leaves its room and its partner alone.
    void drop(ConnectionId id);
    // Closes the connection and, when paired, its partner; frees the room.
    void end(ConnectionId id);

    Outlet& outlet_;
    Limits limits_;
    std::unordered_map<ConnectionId, Connection> connections_;
    std::unordered_map<std::string, Room> rooms_;
    std::unordered_map<std::string, std::size_t> perAddress_;
    // Deadlines in the order they were set (each wait has one length, so the order holds).
    struct Deadline {
        Millis at;
        ConnectionId id;
    };
    std::deque<Deadline> greetings_, waits_;
    std::size_t paired_ = 0;
    std::uint64_t bytesPassed_ = 0;
};

} // namespace grim::meet
