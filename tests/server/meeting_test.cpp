// The meeting server's rooms, driven through fake connections and a clock of the test's own.
#include "online/framing.h"
#include "server/meeting.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using namespace grim;
using namespace grim::meet;

namespace {

// Connections are named by one letter; what the server sends each is read back as frames.
struct FakeOutlet : Outlet {
    std::string log;
    std::map<ConnectionId, wire::Decoder> decoders;
    void send(ConnectionId to, std::string_view bytes) override {
        std::vector<std::string> frames;
        if (!decoders[to].feed(bytes, frames)) log += " " + name(to) + ":??";
        for (const std::string& f : frames)
            log += " " + name(to) + ":" + f;
    }
    void close(ConnectionId id) override { log += " " + name(id) + "#"; }
    static std::string name(ConnectionId id) { return std::string(1, static_cast<char>('A' + id)); }
};

std::string unescape(const std::string& text) { // "%0a" is the byte 0x0a
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '%' && i + 2 < text.size())
            bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)), i += 2;
        else
            bytes += text[i];
    return bytes;
}

// Steps separated by "; ":  "A open" (from 10.0.0.1), "A open 10.0.0.9", "A </host=x/>" (one frame),
// "A raw TEXT" (bytes, %hh escaped), "A len N" (a length field alone), "A closes", "at MS" (the clock).
std::string run(const std::string& script, Limits limits = {}) {
    FakeOutlet out;
    Meeting m(out, limits);
    Millis now = 0;
    std::istringstream steps(script);
    for (std::string step; std::getline(steps, step, ';');) {
        step.erase(0, step.find_first_not_of(' '));
        const ConnectionId id = static_cast<ConnectionId>(step.at(0) - 'A');
        const std::string rest = step.substr(2);
        if (step.starts_with("at "))
            m.tick(now = std::stoll(step.substr(3)));
        else if (rest.starts_with("open"))
            m.opened(id, rest.size() > 5 ? rest.substr(5) : "10.0.0.1", now);
        else if (rest == "closes")
            m.closed(id);
        else if (rest.starts_with("raw "))
            m.received(id, unescape(rest.substr(4)), now);
        else if (rest.starts_with("len "))
            m.received(id, wire::frame(std::string(std::stoul(rest.substr(4)), 'x')).substr(0, 4), now);
        else
            m.received(id, wire::frame(rest), now);
    }
    const Counts c = m.counts();
    return out.log.substr(out.log.empty() ? 0 : 1) + " | " + std::to_string(c.roomsWaiting) + " " +
           std::to_string(c.roomsPaired) + " " + std::to_string(c.connections);
}

struct Case {
    const char *what, *script, *expected; // what the server did | rooms waiting, rooms paired, connections
    Limits limits = {};
};

// Room for two rooms in all and two connections from one address.
const Limits two{.maxRooms = 2, .maxPerAddress = 2};

const Case cases[] = {
    {"a host waits, a join pairs, frames pass both ways in order",
     "A open; A </host=Den/>; B open; B </join=den/>; A </whatGameVersion/>; B </gameVersion=16/>; A x; A y",
     "A:</waiting/> A:</paired/> B:</paired/> B:</whatGameVersion/> A:</gameVersion=16/> B:x B:y | 0 1 2"},
    {"a join waits for its host too", "A open; A </join=r-1/>; B open; B </host=R-1/>; B hello",
     "A:</waiting/> A:</paired/> B:</paired/> A:hello | 0 1 2"},
    {"a second host is refused, the first keeps waiting",
     "A open; A </host=x/>; B open; B </host=X/>; C open; C </join=x/>",
     "A:</waiting/> B:</roomTaken/> B# A:</paired/> C:</paired/> | 0 1 2"},
    {"a second join is refused", "A open; A </join=x/>; B open; B </join=x/>",
     "A:</waiting/> B:</roomTaken/> B# | 1 0 1"},
    {"a paired room takes no third", "A open; A </host=x/>; B open; B </join=x/>; C open; C </join=x/>",
     "A:</waiting/> A:</paired/> B:</paired/> C:</roomTaken/> C# | 0 1 2"},
    {"the room is free again once its pair has gone",
     "A open; A </host=x/>; B open; B </join=x/>; A closes; C open; C </host=x/>",
     "A:</waiting/> A:</paired/> B:</paired/> B# C:</waiting/> | 1 0 1"},
    {"closed by the join: the host is closed", "A open; A </host=x/>; B open; B </join=x/>; B closes",
     "A:</waiting/> A:</paired/> B:</paired/> A# | 0 0 0"},
    {"a waiting host that leaves frees its room; other names do not meet",
     "A open; A </host=x/>; A closes; B open; B </join=x/>; C open; C </host=y/>",
     "A:</waiting/> B:</waiting/> C:</waiting/> | 2 0 2"},
    {"a first frame in pieces", "A open; A raw %00%00; A raw %00%0b</h; A raw ost=ab/>",
     "A:</waiting/> | 1 0 1"},
    {"bad first frames: another tag, an empty room, a room of 33 (of 32 is fine), a blank, an underscore, "
     "a dot, the tag's case, a trailing blank, a length no first frame has",
     "A open; A </whatGameVersion/>; B open; B </host=/>; "
     "C open; C </join=abcdefghijklmnopqrstuvwxyz0123456/>; "
     "D open; D </join=abcdefghijklmnopqrstuvwxyz012345/>; E open; E </host=a b/>; F open; F </host=a_b/>; "
     "G open; G </host=a.b/>; H open; H </HOST=a/>; I open; I </host=a/> ; J open; J len 42",
     "A:</badRoom/> A# B:</badRoom/> B# C:</badRoom/> C# D:</waiting/> E:</badRoom/> E# F:</badRoom/> F# "
     "G:</badRoom/> G# H:</badRoom/> H# I:</badRoom/> I# J:</badRoom/> J# | 1 0 1"},
    {"a first frame over the game's limit is closed without a word", "A open; A len 65537", "A# | 0 0 0"},
    {"bytes after the first frame, before an answer, end the connection",
     "A open; A raw %00%00%00%0a</host=a/>xyz", "A# | 0 0 0"},
    {"a waiting window that speaks is closed and its room freed",
     "A open; A </host=a/>; A early; B open; B </join=a/>", "A:</waiting/> A# B:</waiting/> | 1 0 1"},
    {"no first frame within 10 s", "A open; at 9999; B open; at 10000", "A# | 0 0 1"},
    {"half a first frame is no first frame", "A open; A raw %00%00%00%0a</ho; at 10000", "A# | 0 0 0"},
    {"a room waits 10 minutes for its partner",
     "A open; A </host=a/>; at 599999; B open; B </host=b/>; at 600000; C open; C </join=a/>",
     "A:</waiting/> B:</waiting/> A# C:</waiting/> | 2 0 2"},
    {"a paired room has no time limit", "A open; A </host=a/>; B open; B </join=a/>; at 9000000; A x",
     "A:</waiting/> A:</paired/> B:</paired/> B:x | 0 1 2"},
    {"an over-long frame between paired windows closes both; frames before it pass",
     "A open; A </host=a/>; B open; B </join=a/>; A raw %00%00%00%01z%00%01%00%01",
     "A:</waiting/> A:</paired/> B:</paired/> B:z A# B# | 0 0 0"},
    {"a frame of exactly 65536 passes", "A open; A </host=a/>; B open; B </join=a/>; B len 65536",
     "A:</waiting/> A:</paired/> B:</paired/> | 0 1 2"},
    {"a third room is refused, but a partner for a waiting room is still let in",
     "A open 1; A </host=a/>; B open 2; B </host=b/>; C open 3; C </host=c/>; D open 4; D </join=a/>",
     "A:</waiting/> B:</waiting/> C:</busy/> C# A:</paired/> D:</paired/> | 1 1 3", two},
    {"a third connection from one address is refused at once; one that leaves makes room",
     "A open 1; B open 1; C open 1; A closes; D open 1; E open 2", "C:</busy/> C# | 0 0 3", two},
};

TEST(Meeting, Rooms) {
    for (const Case& c : cases)
        EXPECT_EQ(run(c.script, c.limits), c.expected) << c.what;
}

TEST(MeetingWire, FirstFramesAndAddresses) {
    for (const char* bad :
         {"</host=/>", "</host=a/", "<host=a/>", "</host=a//>", "</hosts=a/>", "</host=\xe9/>", ""})
        EXPECT_FALSE(parseFirstFrame(bad)) << bad;
    EXPECT_FALSE(answerOf("</paired />"));

    for (const auto& [text, read] : {std::pair{"127.0.0.1:33222", "127.0.0.1 33222"},
                                     {"meet.example.org:1", "meet.example.org 1"},
                                     {"[::1]:65535", "::1 65535"}}) {
        const auto a = parseServerAddress(text);
        EXPECT_EQ(a ? a->host + " " + std::to_string(a->port) : "-", read);
    }
    for (const char* bad :
         {"::1:80", "127.0.0.1", "127.0.0.1:", ":33222", "a:0", "a:65536", "a:12x", "a b:1", "[]:1"})
        EXPECT_FALSE(parseServerAddress(bad)) << bad;
}

} // namespace
