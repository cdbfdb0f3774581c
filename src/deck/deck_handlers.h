// The event handlers of the "DECK" tab. The window calls them after setting the
// clicked list's selection to the entry the player clicked.
#pragma once

#include "board/window.h"

namespace grim::deckSubs {

void lstRegCards_Click(Window& w);
void lstSpcCards_Click(Window& w);
void lstDeck_Click(Window& w);
void lstRegCards_DblClick(Window& w);
void lstSpcCards_DblClick(Window& w);
void lstDeck_DblClick(Window& w);

void btnUp_Click(Window& w);
void btnDown_Click(Window& w);
void btnTop_Click(Window& w);
void txtBottom_Click(Window& w);

void btnClose_Click(Window& w);
// Writes the deck list to a deck file chosen in a save dialog.
void btnSave_Click(Window& w);
// Replaces the deck list with the entries of a deck file chosen in an open dialog.
void btnOpen_Click(Window& w);

} // namespace grim::deckSubs
