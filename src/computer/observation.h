// What one player can know of the board, and the boards that agree with it. A player sees
// its own hand, both fields, both graveyards, every counter and how many cards each deck
// and hand holds; not the other player's hand, nor the order of either deck.
#pragma once

#include "board/window.h"

#include <string>
#include <vector>

namespace grim::computer {

struct Observation {
    SideId me = SideId::u2;
    // What `me` can see of the board, and nothing else: the opponent's hand and deck are
    // empty (their count boxes still hold the numbers), the own deck is in catalogue order.
    // Its ports are unusable: a board built from it gets its own.
    Window board{Ports{nullptr, nullptr, nullptr, nullptr, nullptr}};
};

// Copies what the side can see, each part by name: of both sides the fields, graveyards,
// counter boxes, controls and the turn's sacrifices; its own hand, and its own deck in
// catalogue order; the menu, the timers, the turn's counters and whether a connection is
// open. A part not named here is not copied: the opponent's hand and deck, the deck
// editor, the log, the rest of the online panel.
Observation observe(const Window& w, SideId me);

// One board that agrees with the observation, drawn with the ports' random: the own deck in
// a random order, and the opponent's hand and deck dealt from the catalogue cards it has
// not been seen to own (each card at most once, as in a deck the editor builds).
void determinize(const Observation& o, Window& out, Ports ports);

// The two observations show the same board: a move chosen for one is the move for the other.
bool sameView(const Observation& a, const Observation& b);

} // namespace grim::computer
