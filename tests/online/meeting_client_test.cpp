// HOST GAME and JOIN GAME through a meeting server with a room typed, then the socket's events.
#include "online/online_handlers.h"
#include "program/startup.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

using namespace grim;
using namespace grim::onlineSubs;
using namespace grim::test;

namespace {

struct ServerSocket final : Socket {
    std::string log;
    State now = State::closed;
    void close() override { log += "|close", now = State::closed; }
    bool listen(std::uint16_t, std::string&) override { return true; }
    void accept(std::int32_t) override {}
    void connect(const std::string& host, std::uint16_t port) override {
        log += "|connect " + host + ":" + std::to_string(port), now = State::connecting;
    }
    State state() const override { return now; }
    void send(const std::string& m) override { log += "|send " + m; }
};

struct Row {
    const char* what;
    bool host;
    // Events: "connect", "closed", "error", "minute" (tmrConnect), "again" (the button), or a message.
    const char *server, *room, *events;
    // Messages and log lines "/"-separated (without "<[9:05:31 PM"); the panel's flags as run() reads them.
    const char *socket, *messages, *log, *panel;
};

constexpr const char* at = "127.0.0.1:33222";

const Row rows[] = {
    {"a host waits in its room, is paired and asks for the version", true, at, "Den",
     "connect; </waiting/>; </paired/>",
     "close|connect 127.0.0.1:33222|send </host=Den/>|send </whatGameVersion/>", "",
     "] Waiting in room Den on the meeting server 127.0.0.1:33222>/] Other player found in room Den>/"
     "] A connection with other player has been established. Checking game version compatibility.>",
     "00100000"},
    {"a join paired at once waits for the question; its connect timer runs on", false, at, "Den",
     "connect; </paired/>; </whatGameVersion/>",
     "close|connect 127.0.0.1:33222|send </join=Den/>|send </gameVersion=16/>", "",
     "] Attempting to connect to 127.0.0.1:33222>/] Other player found in room Den>/"
     "] A connection with other player has been established. Checking game version compatibility.>",
     "00000010"},
    {"a join refused: the room has a join", false, at, "Den", "connect; </roomTaken/>",
     "close|connect 127.0.0.1:33222|send </join=Den/>|close",
     "The meeting server refused room Den: another player is already joining there. "
     "Choose another room name.",
     "] Attempting to connect to 127.0.0.1:33222>", "11011000"},
    {"a host refused: the room has a host; trying again at once", true, "[::1]:9", "x",
     "connect; </roomTaken/>; again", "close|connect ::1:9|send </host=x/>|close|close|connect ::1:9",
     "The meeting server refused room x: another player is already hosting there. Choose another room name.",
     "", "00100000"},
    {"a busy server", true, at, "Den", "connect; </busy/>",
     "close|connect 127.0.0.1:33222|send </host=Den/>|close",
     "The meeting server at 127.0.0.1:33222 is busy. Please try again later.", "", "11011000"},
    {"a server that answers anything else", false, at, "Den", "connect; </whatGameVersion/>",
     "close|connect 127.0.0.1:33222|send </join=Den/>|close",
     "The meeting server at 127.0.0.1:33222 answered what this program does not understand.",
     "] Attempting to connect to 127.0.0.1:33222>", "11011000"},
    {"a server that is not there", true, at, "Den", "error", "close|connect 127.0.0.1:33222|close",
     "Not able to reach the meeting server at 127.0.0.1:33222: Connection refused.", "", "11011000"},
    {"a server connection that breaks in the wait", true, at, "Den", "connect; </waiting/>; error",
     "close|connect 127.0.0.1:33222|send </host=Den/>|close",
     "The connection to the meeting server at 127.0.0.1:33222 broke: Connection refused.",
     "] Waiting in room Den on the meeting server 127.0.0.1:33222>", "11011000"},
    {"the server ends the wait: no hang-up, no three-minute wait", true, at, "Den",
     "connect; </waiting/>; closed", "close|connect 127.0.0.1:33222|send </host=Den/>|close",
     "The meeting server at 127.0.0.1:33222 ended the wait in room Den before another player came.",
     "] Waiting in room Den on the meeting server 127.0.0.1:33222>", "11011000"},
    {"the join's minute runs out with no host in the room", false, at, "Den", "connect; </waiting/>; minute",
     "close|connect 127.0.0.1:33222|send </join=Den/>|close", "",
     "] Attempting to connect to 127.0.0.1:33222>/] Waiting in room Den on the meeting server "
     "127.0.0.1:33222>/<Not able to connect to room Den on 127.0.0.1:33222.>",
     "00011100"},
    {"once paired, a hang-up is the other player's", true, at, "Den", "connect; </paired/>; closed",
     "close|connect 127.0.0.1:33222|send </host=Den/>|send </whatGameVersion/>|close",
     "Other player disconnected. Start a new game and please wait 3 minutes before rejoining/reconnecting.",
     "] Other player found in room Den>/"
     "] A connection with other player has been established. Checking game version compatibility.>/"
     "] Other player disconnected.>",
     "00011101"},
    {"no server typed", true, "", "Den", "", "close",
     "You must type the meeting server as address:port, for example 192.0.2.7:33222.", "", "11011000"},
    {"a room with a blank", false, at, "D n", "", "close",
     "A room name is 1 to 32 letters (A-Z), digits (0-9) or hyphens (-).", "", "11011000"},
};

std::string run(const Row& r) {
    FakePorts p;
    ServerSocket s;
    Window w{Ports{&p, &p, &p, &p, &s}};
    formLoad(w, "/nonexistent-grimward-folder");
    smnOnline_Click(w);
    w.online.txtServer.text = r.server;
    w.online.txtRoom.text = r.room;
    const std::size_t logFrom = w.txtChat.text.size();
    auto click = [&] { r.host ? btnHost_Click(w) : btnJoin_Click(w); };
    s.log.clear();
    click();
    std::istringstream events(r.events);
    for (std::string e; std::getline(events, e, ';');) {
        e.erase(0, e.find_first_not_of(' '));
        if (e == "connect")
            s.now = Socket::State::connected, Winsock_Connect(w);
        else if (e == "closed")
            s.now = Socket::State::closed, Winsock_Close(w);
        else if (e == "error")
            s.now = Socket::State::error, Winsock_Error(w, 10061, "Connection refused");
        else if (e == "minute")
            tmrConnect_Timer(w);
        else if (e == "again")
            click();
        else
            Winsock_DataArrival(w, e);
    }
    const std::string lines = // the new log lines, without their time
        std::regex_replace(w.txtChat.text.substr(logFrom), std::regex("\r\n(<\\[9:05:31 PM)?"), "/");
    std::string shown;
    for (const std::string& m : p.messages)
        shown += (shown.empty() ? "" : "/") + m;
    return s.log.substr(1) + "\n" + shown + "\n" + lines.substr(lines.empty() ? 0 : 1) + "\n" +
           flags(w, "btnHost btnJoin btnDisconnect txtServer txtRoom optPlayer1 tmrConnect tmrWait");
}

TEST(MeetingClient, Rows) {
    for (const Row& r : rows)
        EXPECT_EQ(run(r), std::string(r.socket) + "\n" + r.messages + "\n" + r.log + "\n" + r.panel)
            << r.what;
}

} // namespace
