// What a player can do on its turn, as one typed move: the selections it makes and the
// button it clicks. The computer opponent and the arena's players choose among these, try
// them on a copy of the board, and carry them out through the handlers the buttons call.
#pragma once

#include "board/window.h"
#include "rules/game_handlers.h"
#include "specials/activation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace grim::computer {

// In the order the computer lists its candidate moves.
enum class MoveKind : std::uint8_t {
    open,          // OPEN DECK (the deck and the shuffle question are answered by the caller)
    q5,            // Q5
    draw,          // the draw button
    sacrificeHand, // X with a hand card picked
    field,         // F with a hand card picked
    special,       // S with a hand card picked, slot selector A and graveyard picks set
    sacrificeSlot, // a slot label
    direct,        // DIRECT
    master,        // MASTER
    attack,        // ATTACK with slot selectors A and B set
    end,           // END
};

struct Move {
    MoveKind kind = MoveKind::end;
    int hand = -1;          // the hand card (0-based) sacrificed, fielded or played
    int slot = 0;           // 1..5: the own slot sacrificed or attacking; selector A of a special (0: none)
    int target = 0;         // 1..5: the opponent's slot attacked
    int grave = -1;         // the own graveyard card picked for a special (-1: none)
    int opponentGrave = -1; // the opponent's graveyard card picked for a special (-1: none)
    bool operator==(const Move&) const = default;
};

// What a move picks before its click, and so the selections it makes.
enum class Picks : std::uint8_t {
    nothing,  // a button alone
    handCard, // the hand card Move::hand, selected in the hand list
    special,  // the hand card, slot selector A set to Move::slot, a card of each graveyard
    ownSlot,  // the slot label of Move::slot (the click names the slot)
    slotPair, // slot selectors A and B set to Move::slot and Move::target
};

// One row of the table of moves. A slot label has neither button nor handler here: its
// control is the label of Move::slot, its handler lblAtt_Click with that slot.
struct MoveRow {
    MoveKind kind;
    Picks picks;
    Switch Side::*button;             // the side's control that must be enabled
    void (*handler)(Window&, SideId); // what its click calls
};

// The table of moves, one row per kind in the order of MoveKind: each kind's control, the
// selections it makes and the handler it clicks are written here once. The candidate and
// legal moves, applyMove, the arena and the self-play driver all read it.
inline constexpr std::array<MoveRow, 11> moveTable{{
    {MoveKind::open, Picks::nothing, &Side::btnOpen, gameSubs::btnOpen_Click},
    {MoveKind::q5, Picks::nothing, &Side::btnQ5, gameSubs::btnQ5_Click},
    {MoveKind::draw, Picks::nothing, &Side::btnAdd, gameSubs::btnAdd_Click},
    {MoveKind::sacrificeHand, Picks::handCard, &Side::btnSacri, gameSubs::btnSacri_Click},
    {MoveKind::field, Picks::handCard, &Side::btnField, gameSubs::btnField_Click},
    {MoveKind::special, Picks::special, &Side::btnSpecial, activationSubs::btnSpecial_Click},
    {MoveKind::sacrificeSlot, Picks::ownSlot, nullptr, nullptr},
    {MoveKind::direct, Picks::nothing, &Side::btnDirect, gameSubs::btnDirect_Click},
    {MoveKind::master, Picks::nothing, &Side::btnMaster, gameSubs::btnMaster_Click},
    {MoveKind::attack, Picks::slotPair, &Side::btnAttack, gameSubs::btnAttack_Click},
    {MoveKind::end, Picks::nothing, &Side::btnEnd, gameSubs::btnEnd_Click},
}};
static_assert([] {
    for (std::size_t i = 0; i < moveTable.size(); ++i)
        if (moveTable[i].kind != static_cast<MoveKind>(i)) return false;
    return true;
}());

inline const MoveRow& rowOf(MoveKind kind) {
    return moveTable[static_cast<std::size_t>(kind)];
}

// Whether a move of the row's kind can be clicked now (for the slot labels: any of them).
inline bool clickable(const Side& s, const MoveRow& row) {
    if (row.button != nullptr) return (s.*row.button).enabled;
    for (const Switch& label : s.lblAtt)
        if (label.enabled) return true;
    return false;
}

// Whether the control the move clicks is enabled for the side: a player clicks nothing
// else. A slot label outside slots 1 to 5 is never enabled.
inline bool clickable(const Side& s, const Move& m) {
    const MoveRow& row = rowOf(m.kind);
    if (row.button != nullptr) return (s.*row.button).enabled;
    return m.slot >= 1 && m.slot <= slotCount && s.lblAtt[static_cast<std::size_t>(m.slot - 1)].enabled;
}

// The move's click alone, through the handler, with the selections as they stand.
inline void click(Window& w, SideId side, const Move& m) {
    const MoveRow& row = rowOf(m.kind);
    if (row.handler != nullptr)
        row.handler(w, side);
    else
        gameSubs::lblAtt_Click(w, side, m.slot);
}

// A message a move may show without being refused: a chance effect that failed, the result.
bool isRefusal(MessageId id);

// Ports for trying moves on a copy of a board: nothing shown, played or sent; questions
// answered Yes; messages recorded; chance drawn from its own generator.
class TrialPorts final : Prompter, Sound, Clock, Socket {
  public:
    explicit TrialPorts(std::uint64_t seed = 1) : random_(seed) {}
    TrialPorts(const TrialPorts&) = delete;
    TrialPorts& operator=(const TrialPorts&) = delete;
    Ports ports() { return Ports{this, this, this, &random_, this}; }
    Random& random() { return random_; }
    // Whether a message other than a chance report or a result was shown since the last clear.
    bool refused = false;
    // Whether the game ended (a result was shown).
    bool over = false;
    // The last refusal shown, when refused.
    MessageId refusal{};
    void clear() { refused = over = false; }

  private:
    void message(MessageId id, const std::string&, const std::string&) override;
    bool question(MessageId, const std::string&, bool) override { return true; }
    std::optional<std::string> openFile(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&) override { return std::nullopt; }
    void play(const std::string&) override {}
    std::string timeOfDay() override { return "12:00:00 PM"; }
    void close() override {}
    bool listen(std::uint16_t, std::string&) override { return false; }
    void accept(std::int32_t) override {}
    void connect(const std::string&, std::uint16_t) override {}
    State state() const override { return State::closed; }
    void send(const std::string&) override {}
    SeededRandom random_;
};

// Copies what the duel's rules read and change: both sides, the menu, the timers, the
// turn's counters and whether a connection is open; not the deck editor, the help text or
// the message log. The ports stay the target's.
void copyDuel(const Window& from, Window& to);
// The same but for the two sides: the menu, the timers, the turn's counters, the connection.
void copyDuelWithoutSides(const Window& from, Window& to);

// The moves the side may take now, each tried on a copy of the board with the trial
// ports: only those the rules allow (no refusal shown) are listed. An enabled OPEN DECK
// is the only move then; drawing is offered as Q5 when the deck holds enough, else as
// single draws.
std::vector<Move> legalMoves(const Window& w, SideId side, TrialPorts& trial);
// The candidate moves before trying them: what the enabled controls offer, in the order of
// the table, the moves of a hand card together, card by card.
std::vector<Move> candidateMoves(const Window& w, SideId side);

// Makes the move's selections on the side's controls and clicks it through the window's
// handler. Questions are asked of the window's prompter as usual; the caller
// answers them (see playMove). OPEN DECK opens what the prompter's file dialog gives.
void applyMove(Window& w, SideId side, const Move& m);

// Who a description speaks to: the log, of the side ("fields [120] OGRE."), or a hint, to
// the player ("field [120] OGRE.").
enum class Voice : std::uint8_t { log, hint };

// What the move does, in the words of the message log (read before the move).
std::string describe(const Window& w, SideId side, const Move& m, Voice voice = Voice::log);

} // namespace grim::computer
