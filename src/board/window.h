// The whole state of the program's window: both sides of the duel board, the deck
// editor, the online panel, the menu, the timers and the window-level counters.
#pragma once

#include "board/controls.h"
#include "board/ports.h"
#include "board/side_id.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grim {

// Each side's field has this many attack slots.
inline constexpr int slotCount = 5;
// A hand holds at most this many cards.
inline constexpr int handLimit = 5;
// Each player starts a game with this many life points.
inline constexpr std::int16_t startingLife = 25;
// A turn lasts this many minutes.
inline constexpr int turnMinutes = 3;
// The turn time as txtMins shows it: "3 MINUTES".
inline std::string minutesText(int minutes) {
    return std::to_string(minutes) + " MINUTES";
}

// A side's attack slots, slot 1 at index 0.
using Field = std::array<FieldSlot, slotCount>;

// One player's board. The window holds two: u1 (player 1) and u2 (player 2).
struct Side {
    CardList lstDeck, lstHand;
    GraveList cmbGrave;
    Counter txtDeckCnt, txtHandCnt, txtGraveCnt, txtLp{startingLife}, txtSacriCnt;
    Field txtAtt;                         // slots 1 to 5 at indices 0 to 4
    std::array<Switch, slotCount> lblAtt; // the slot labels "SLOT 1" to "SLOT 5"
    SlotSelector cmbSlotA, cmbSlotB;
    Switch btnOpen, btnQ5, btnAdd, btnSacri, btnSpecial, btnField, btnDirect, btnMaster, btnAttack, btnEnd;
    std::int16_t turnSacrifices = 0; // sacrifices made in the current turn

    // The turn buttons, the open-deck button first (the slot labels are apart, in lblAtt).
    std::array<Switch*, 10> turnButtons() {
        return {&btnOpen,  &btnQ5,     &btnAdd,    &btnSacri,  &btnSpecial,
                &btnField, &btnDirect, &btnMaster, &btnAttack, &btnEnd};
    }
    std::array<const Switch*, 10> turnButtons() const {
        return {&btnOpen,  &btnQ5,     &btnAdd,    &btnSacri,  &btnSpecial,
                &btnField, &btnDirect, &btnMaster, &btnAttack, &btnEnd};
    }

    FieldSlot& slot(int i) { return txtAtt.at(static_cast<std::size_t>(i - 1)); } // i = 1..5
    const FieldSlot& slot(int i) const { return txtAtt.at(static_cast<std::size_t>(i - 1)); }
};

// The "DECK" tab.
struct DeckEditor {
    ListBox lstDeck, lstRegCards, lstSpcCards;
    TextBox txtDeckCount{"0"}, txtRegCnt{"0"}, txtSpcCnt{"0"}, txtDesc, txtInstruct;
    Switch btnUp, btnDown, btnTop, txtBottom, btnSave, btnOpen, btnClose;
    std::vector<std::string> savedDeck; // the deck list as last saved or opened
};

// The "ONLINE SETTINGS" frame and the chat input.
struct OnlinePanel {
    TextBox txtPlayer{"ACE"}, txtIp{"192.168.0.2"}, txtPort{"33221"}, txtMsg;
    // A meeting server ("address:port") and a room in it; with a room typed, HOST GAME and
    // JOIN GAME meet the other window there instead of listening or connecting directly.
    TextBox txtServer, txtRoom;
    Switch btnHost, btnJoin, btnDisconnect, btnSet, optPlayer1, optPlayer2;
};

struct Menu {
    Switch smnOffline, smnOnline, smnComputer, smnRestore{false}, smnNewGame{false}, smnSounds;
    Switch smnSoundsOn{false, true}, smnSoundsOff;
    Switch smnCreator, smnCredits, smnComments;
    // The computer's level, one item checked at a time.
    Switch smnLevel, smnLevelEasy, smnLevelNormal{true, true}, smnLevelHard;
};

struct Timers {
    Timer tmrTurnLimit{60000}, tmrConnect{60000}, tmrWait{60000}, tmrUpdate{2000}, tmrSynch{2000};
};

// The ports are pointers so that a window can be copied and assigned (a copy of the board
// for a trial) and a caller can answer the questions of one action itself.
struct Ports {
    Prompter* prompter;
    Sound* sound;
    Clock* clock;
    Random* random;
    Socket* socket;
};

struct Window {
    explicit Window(Ports p) : ports(p) {}

    Side u1, u2;
    DeckEditor deck;
    OnlinePanel online;
    Menu menu;
    Timers timers;

    TextBox txtMins{minutesText(turnMinutes)}, txtUpdates{"0 of 8"}, txtDescControls, txtChat, txtHelp;

    std::int16_t timePassed = 0;
    bool blnFirstMove = false;
    std::int16_t waitTicks = 0, partsSent = 0, partsReceived = 0, synchTicks = 0;

    // The other window's board on its way here. It is due while the other window's turn runs
    // (this window ended its turn, or plays player 2 before player 1's first turn) and
    // arriving once the other window's notice of the hand-over has come; only then are its
    // parts taken. A part at any other time was sent for a game that has ended here.
    enum class Incoming : std::uint8_t { none, due, arriving };
    Incoming incoming = Incoming::none;
    // Meeting through a meeting server: what this window awaits from it. none once the two
    // windows are paired, and in direct play.
    enum class Meeting : std::uint8_t { none, connecting, answer, waiting };
    Meeting meeting = Meeting::none;
    bool meetingHost = false;
    // "</synch/>" came while player 1's board was awaited: player 2 opens its deck once it has come.
    bool synchHeld = false;

    // The card last inspected on the GAME tab, for its card face; a field card with its side
    // and slot, so that the face can show its current power.
    struct Inspected {
        CardId card;
        std::optional<SideId> side;
        int slot = 0; // 1 to 5 for a field card
    };
    std::optional<Inspected> inspected;

    // The deck the computer plays player 2 with (VS COMPUTER), as chosen with the menu item.
    std::vector<std::string> computerDeck;
    // The folder of the help file, the sounds and the sample decks ("decks").
    std::string programFolder;

    Ports ports;

    // The controls of a side, and of the other side.
    Side& side(SideId id) { return id == SideId::u1 ? u1 : u2; }
    const Side& side(SideId id) const { return id == SideId::u1 ? u1 : u2; }
    Side& opponent(SideId id) { return side(other(id)); }
    const Side& opponent(SideId id) const { return side(other(id)); }
};

} // namespace grim
