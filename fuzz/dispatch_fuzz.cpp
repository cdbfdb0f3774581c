// One window's core receiving arbitrary messages from the other window, in several states.
// The first byte picks the state; the rest is split at 0xFF bytes into messages, and a
// message that is one 0xFE byte and an event number runs a local event instead (a tick of an
// online timer, SET, END, NEW GAME). After every event the board must still be one that this
// window could send: every part it would write must pass the part check.
#include "board/game_subs.h"
#include "board/message_log.h"
#include "board/numbers.h"
#include "online/board_parts.h"
#include "online/online_handlers.h"
#include "online/online_subs.h"
#include "modes/play_mode.h"
#include "rules/game_handlers.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace grim;

struct Prompts : Prompter {
    unsigned n = 0;
    void message(MessageId, const std::string&, const std::string&) override {}
    bool question(MessageId, const std::string&, bool) override { return (++n & 1u) != 0; }
    std::optional<std::string> openFile(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&) override { return std::nullopt; }
};
struct Quiet : Sound {
    void play(const std::string&) override {}
};
struct FixedClock : Clock {
    std::string timeOfDay() override { return "9:05:31 PM"; }
};
// Connected until the window closes it; what is sent is only counted.
struct LoopSocket : Socket {
    State current = State::connected;
    std::size_t sent = 0;
    void close() override { current = State::closed; }
    bool listen(std::uint16_t, std::string&) override {
        current = State::listening;
        return true;
    }
    void accept(std::int32_t) override { current = State::connected; }
    void connect(const std::string&, std::uint16_t) override { current = State::connecting; }
    State state() const override { return current; }
    void send(const std::string& m) override {
        if (m.size() > 65536) std::abort();
        ++sent;
    }
};

void setUp(Window& w, LoopSocket& socket, unsigned which) {
    onlineSubs::smnOnline_Click(w);
    switch (which % 5) {
    case 0: // connected, versions not yet checked
        break;
    case 1: // the duel is open on the host, sides not chosen
        onlineSubs::Winsock_DataArrival(w, "</gameVersion=16/>");
        break;
    case 2: // player 2 in the middle of receiving a hand-over
        onlineSubs::openDuel(w);
        onlineSubs::Winsock_DataArrival(w, "</set1/>");
        onlineSubs::Winsock_DataArrival(w, "<[9:05:31 PM] Other player is updating changes 1-8 to you.>");
        onlineSubs::Winsock_DataArrival(w, "[100] GNOME@[101] ELF@");
        onlineSubs::Winsock_DataArrival(w, "e@");
        onlineSubs::Winsock_DataArrival(w, "[200] LIFELESS@");
        break;
    case 3: // player 1 with a board and its turn
        onlineSubs::openDuel(w);
        onlineSubs::Winsock_DataArrival(w, "</set2/>");
        w.u1.lstHand.setItems({CardId::ofCode(100).value(), CardId::ofCode(101).value()});
        gameSubs::putCard(w.u1.slot(2), CardId::ofCode(120).value(), 150);
        writeNumber(w.u1.txtHandCnt, 2);
        gameSubs::enableSide(w, SideId::u1);
        break;
    default: // not connected at all
        socket.close();
        break;
    }
}

void localEvent(Window& w, unsigned e) {
    switch (e % 8) {
    case 0:
        onlineSubs::tmrUpdate_Timer(w);
        break;
    case 1:
        onlineSubs::tmrSynch_Timer(w);
        break;
    case 2:
        onlineSubs::btnSet_Click(w);
        break;
    case 3:
        gameSubs::btnEnd_Click(w, SideId::u1);
        break;
    case 4:
        gameSubs::btnEnd_Click(w, SideId::u2);
        break;
    case 5:
        onlineSubs::smnNewGame_Click(w);
        break;
    case 6:
        onlineSubs::tmrConnect_Timer(w);
        break;
    default:
        w.online.txtMsg.text = "hi";
        onlineSubs::txtMsg_KeyPress(w, 13);
        break;
    }
}

void checkBoard(const Window& w) {
    for (int n = 1; n <= onlineSubs::partCount; ++n)
        if (!onlineSubs::isValidPart(n, onlineSubs::encodePart(w, n))) std::abort();
    if (w.partsReceived < 0 || w.partsReceived >= onlineSubs::partCount) std::abort();
    if (w.partsSent < 0 || w.partsSent >= onlineSubs::partCount) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Prompts prompts;
    Quiet quiet;
    FixedClock clock;
    SeededRandom random(7);
    LoopSocket socket;
    Window w{Ports{&prompts, &quiet, &clock, &random, &socket}};
    // The board's and the panel's share of start-up; the editor's lists play no part here.
    gameSubs::disableBoth(w);
    onlineSubs::disableOnlineControls(w);
    socket.current = Socket::State::connected;
    setUp(w, socket, data[0]);
    checkBoard(w);

    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find('\xff', start);
        if (end == std::string::npos) end = rest.size();
        const std::string m = rest.substr(start, end - start);
        if (m.size() == 2 && m[0] == '\xfe')
            localEvent(w, static_cast<unsigned char>(m[1]));
        else
            onlineSubs::Winsock_DataArrival(w, m);
        checkBoard(w);
        start = end + 1;
    }
    return 0;
}
