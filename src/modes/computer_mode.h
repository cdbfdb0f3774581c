// Playing against the computer (VS COMPUTER): the mode item, the computer's deck, and the
// computer's moves carried out on the window as a player's clicks would be.
#pragma once

#include "board/window.h"
#include "computer/moves.h"
#include "computer/observation.h"
#include "computer/search.h"

#include <optional>
#include <stop_token>
#include <string>

namespace grim::computer {

// The computer plays player 2.
inline constexpr SideId computerSide = SideId::u2;

// The title of the open dialog that asks for the computer's deck.
inline constexpr const char* computerDeckTitle = "Choose the computer's deck";

// The folder of the sample decks that come with the program.
std::string sampleDeckFolder(const Window& w);

// VS COMPUTER: asks for the computer's deck, starting in the sample deck folder. A deck
// that opening for play would refuse is refused with the same message; cancelling or a
// refusal leaves everything as it was. Then the mode is chosen as OFFLINE chooses it, the
// online panel is disabled (with the wait after an online game), and the computer's deck
// and hand lists are hidden until the game ends.
void smnComputer_Click(Window& w);

// VS COMPUTER is checked and player 2 may act.
bool computerToMove(const Window& w);

// A control the computer clicks for player 2 in VS COMPUTER: its turn buttons, slot labels
// and attack slot selectors. The window shows them disabled, so that the player cannot act
// for the computer even while the rules let player 2 act.
bool clickedByComputer(const Window& w, const Switch& control);
bool clickedByComputer(const Window& w, const SlotSelector& control);

// Carries out the computer's move on the window: tried first on a copy (a move the rules
// would refuse becomes END), written to the message log ("<[time] Computer fields [120]
// OGRE.>"), then clicked through the handlers with its questions answered Yes without
// being shown. OPEN DECK opens the computer's deck, and its line names the computer's level
// ("<[time] Computer (HARD) opens its deck.>"). Other messages (a result, a chance that
// failed) show as usual.
void playComputerMove(Window& w, const Move& m);

// COMPUTER LEVEL: the item of the level is checked, the others not. The computer reads the
// level at each decision.
void smnLevel_Click(Window& w, Level level);
Level computerLevel(const Window& w);

// The side a hint is for: in OFFLINE the side whose turn it is, in VS COMPUTER player 1 on
// its turn; none in any other mode, or while no player may act.
std::optional<SideId> hintSide(const Window& w);

// The hint for what the side can see: the move the HARD search would play, in the words of the
// log ("Hint: attack [104] CAVEMAN in SLOT 4 with [150] ANGEL in SLOT 2."). The options'
// level is taken as HARD.
std::string hintText(const Observation& seen, SearchOptions options, std::stop_token stop = {});

} // namespace grim::computer
