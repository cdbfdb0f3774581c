// What the other side did in its last turn, worked out by comparing the board at the start
// of that turn with the board at its end: the lines of the last-turn box on the GAME tab.
// Nothing here changes the window; the shell feeds the watch after every event.
#pragma once

#include "board/window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grim {

// The zones and counters of both sides at one moment.
struct BoardSides {
    Side u1, u2;
    static BoardSides of(const Window& w) { return {w.u1, w.u2}; }
    const Side& side(SideId id) const { return id == SideId::u1 ? u1 : u2; }
};

// One change between two boards, for one side.
struct TurnChange {
    enum class Kind : std::uint8_t {
        deckOpened,     // the deck came into play: count = its cards
        drew,           // count = cards drawn from the deck into the hand
        fielded,        // card put in slot, with power
        removed,        // card left slot (destroyed, sacrificed or taken by an effect)
        powerChanged,   // card in slot: power from -> to
        sacrificed,     // a card went from the hand to the graveyard, sacrificed
        handToGrave,    // a regular card went from the hand to the graveyard otherwise
        specialPlayed,  // a special card went from the hand to the graveyard, played
        specialGone,    // the same, played or sacrificed: the board does not tell which
        intoGrave,      // any other card that came into the graveyard
        tookFromGrave,  // card left the graveyard for the hand
        leftGrave,      // card left the graveyard for elsewhere
        lifePoints,     // from -> to
        sacrificedCount // from -> to
    };
    SideId side = SideId::u1;
    Kind kind = Kind::drew;
    std::optional<CardId> card;
    int slot = 0; // 1 to 5 for the field's changes
    int from = 0, to = 0;
    int count = 0;
    friend bool operator==(const TurnChange&, const TurnChange&) = default;
};

// The changes from before to after, player 1's first, each side's in the order of the kinds;
// mover is the side whose turn it was, when known.
std::vector<TurnChange> turnChanges(const BoardSides& before, const BoardSides& after,
                                    std::optional<SideId> mover = std::nullopt);

// The line the last-turn box shows for a change: "Player 2 fielded [120] OGRE in slot 3 (150).".
std::string changeText(const TurnChange& change);

// Follows the game from event to event and keeps the changes of the last turn of the side
// this window watches: at one machine both players' turns, against the computer the
// computer's, online the other window's (from this window's end of turn until its board has
// been received whole). Empty when a game starts.
class LastTurnWatch {
  public:
    void observe(const Window& w);
    const std::vector<TurnChange>& changes() const { return changes_; }

  private:
    std::optional<SideId> mover_;
    Window::Incoming incoming_ = Window::Incoming::none;
    std::optional<BoardSides> start_;
    std::vector<TurnChange> changes_;
};

} // namespace grim
