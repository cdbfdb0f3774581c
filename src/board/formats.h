// The texts the duel's values show where they leave the core (the widgets, the log, the wire,
// the deck files), one formatter per kind, and the reading of such texts back into values
// where outside text comes in (the other window's board parts).
#pragma once

#include "board/controls.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grim {

// A counter as decimal text: "25", "-3".
std::string shownText(const Counter& c);
// A field slot: the card entry, a blank and the power ("[120] OGRE 150"); empty when free.
std::string shownText(const FieldSlot& slot);
inline const std::string& shownText(const TextBox& box) { return box.text; }

// A list item: a card entry; a graveyard item with a power as a slot shows it ("[120] OGRE 75").
inline const std::string& itemText(CardId card) { return entryText(card); }
std::string itemText(const GraveItem& item);
inline const std::string& itemText(const std::string& text) { return text; }
inline std::string itemText(int slotNumber) { return std::to_string(slotNumber); }

template <class T> std::vector<std::string> itemTexts(const List<T>& list) {
    std::vector<std::string> texts;
    texts.reserve(list.items().size());
    for (const T& item : list.items())
        texts.push_back(itemText(item));
    return texts;
}

// A slot text as the rules write it: empty (a free slot), or a catalogue card entry, one
// blank and a 16-bit whole number in plain decimal; nothing for any other text.
std::optional<FieldSlot> slotOfText(std::string_view text);
// A graveyard item: a card entry, or an occupied slot's text; nothing for any other text.
std::optional<GraveItem> graveItemOfText(std::string_view text);
// A counter's text: a 16-bit whole number in plain decimal; nothing for any other text.
std::optional<std::int16_t> counterOfText(std::string_view text);

} // namespace grim
