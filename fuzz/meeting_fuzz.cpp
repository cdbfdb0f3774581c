// The meeting server's reading of what windows send it, on arbitrary bytes: a first frame, a
// server address, and a whole connection's bytes in arbitrary pieces against a room whose
// host waits. A first frame that reads back writes the same text; whatever the server does,
// it answers only with its own answers or with the bytes it was given, in order, says nothing
// to a connection it closed, and never holds more than two connections here.
//
// Input: one byte c (pieces of c % 16 + 1 bytes), then the bytes of the connection.
#include "online/framing.h"
#include "server/meeting.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

using namespace grim::meet;

struct Recorder final : grim::meet::Outlet {
    std::set<ConnectionId> closed;
    std::string toHost, toGuest;
    void send(ConnectionId to, std::string_view bytes) override {
        check(!closed.count(to));
        (to == 1 ? toHost : toGuest) += bytes;
    }
    void close(ConnectionId id) override { check(closed.insert(id).second); }
};

bool onlyAnswers(std::string_view bytes) {
    grim::wire::Decoder d;
    std::vector<std::string> frames;
    if (!d.feed(bytes, frames) || d.pending() != 0) return false;
    for (const std::string& f : frames)
        if (!answerOf(f)) return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) return 0;
    const std::size_t piece = static_cast<unsigned char>(input[0]) % 16 + 1;
    input.remove_prefix(1);

    if (const auto f = parseFirstFrame(input)) {
        check(validRoom(f->room) && firstFrameText(f->role, f->room) == input);
        check(roomKey(f->room).size() == f->room.size());
    }
    if (const auto a = parseServerAddress(input)) check(!a->host.empty() && a->port >= 1);

    Recorder out;
    Limits limits;
    limits.maxRooms = 1;
    Meeting m(out, limits);
    m.opened(1, "host", 0);
    m.received(1, grim::wire::frame("</host=fuzz/>"), 0);
    m.opened(2, "guest", 0);
    Millis now = 0;
    for (std::size_t at = 0; at < input.size(); at += piece) {
        m.received(2, input.substr(at, piece), now);
        m.tick(now += 997);
        check(m.counts().connections <= 2 && m.counts().roomsPaired + m.counts().roomsWaiting <= 1);
    }
    // The guest hears answers only; the host its answers, then nothing but the guest's bytes.
    check(onlyAnswers(out.toGuest));
    const std::string waitPaired = grim::wire::frame("</waiting/>") + grim::wire::frame("</paired/>");
    if (out.toHost.size() > waitPaired.size()) {
        check(out.toHost.starts_with(waitPaired));
        // Passed unchanged: exactly the bytes after the first frame, up to where the server stopped.
        const std::string_view passed = std::string_view(out.toHost).substr(waitPaired.size());
        const std::size_t first = grim::wire::frame("</join=fuzz/>").size(); // the room in any case
        check(input.size() >= first && input.substr(first).starts_with(passed));
    } else {
        check(onlyAnswers(out.toHost));
    }
    return 0;
}
