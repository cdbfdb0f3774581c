#include "board/formats.h"

#include <charconv>

namespace grim {

namespace {

// A card with a power, as a slot and a graveyard item from the field show it: "[120] OGRE 150".
std::string withPower(CardId card, std::int16_t power) {
    return entryText(card) + " " + std::to_string(power);
}

} // namespace

std::string shownText(const Counter& c) { return std::to_string(c.value); }

std::string shownText(const FieldSlot& slot) {
    return slot.card ? withPower(*slot.card, slot.power) : std::string();
}

std::string itemText(const GraveItem& item) {
    return item.power ? withPower(item.card, *item.power) : entryText(item.card);
}

std::optional<std::int16_t> counterOfText(std::string_view text) {
    if (!cardSubs::isNumberText(text)) return std::nullopt;
    std::int16_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<FieldSlot> slotOfText(std::string_view text) {
    if (text.empty()) return FieldSlot{};
    const auto blank = text.rfind(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const auto card = cardOfEntry(text.substr(0, blank));
    const auto power = counterOfText(text.substr(blank + 1));
    if (!card || !power) return std::nullopt;
    FieldSlot slot;
    slot.card = card;
    slot.power = *power;
    return slot;
}

std::optional<GraveItem> graveItemOfText(std::string_view text) {
    if (const auto card = cardOfEntry(text)) return GraveItem{*card, std::nullopt};
    if (text.empty()) return std::nullopt;
    const auto slot = slotOfText(text);
    if (!slot) return std::nullopt;
    return GraveItem{*slot->card, slot->power};
}

} // namespace grim
