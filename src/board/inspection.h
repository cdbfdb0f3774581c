// What the player is looking at on the "GAME" tab, in txtDescControls: the catalogue
// record of a card clicked in a list or pointed at on the field, and the one-line hint
// of a button or counter under the mouse pointer.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim::gameSubs {

// Writes the catalogue record of a card into txtDescControls.
void showCardRecord(Window& w, CardId card);

// The pointer moved over the control of that name ("btnAddU1", "lblAttU2_3",
// "txtLpU1", "btnHost", "txtAttU1_4", ...): writes its hint, or for an occupied field
// slot the card's record. Controls without a hint leave the box as it was.
void controlMouseMove(Window& w, std::string_view controlName);

// The hint of a control, or an empty text when it has none.
std::string_view controlHint(std::string_view controlName);

// Clicks on an item of a side's graveyard, deck or hand list.
void cmbGrave_Click(Window& w, SideId side);
void lstDeck_Click(Window& w, SideId side);
void lstHand_Click(Window& w, SideId side);
// The pointer moved over field slot i (1 to 5) of a side.
void txtAtt_MouseMove(Window& w, SideId side, int i);

} // namespace grim::gameSubs
