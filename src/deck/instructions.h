#pragma once

namespace grim::deckSubs {

// The fixed text of the deck editor's instructions box.
inline constexpr const char* instructions =
    "To view a card's description, click the card once. To add a card to your deck, double click the "
    "card. To remove a card from your deck, double click the card. To change the order of a card in "
    "your deck, click the card and then click the UP or BUTTON button. You can also click the TOP or "
    "DOWN button to move a card to the top or bottom of the deck. To save your deck, click SAVE button. "
    "To open your deck, click OPEN button. To close your deck, click CLOSE button.";

} // namespace grim::deckSubs
