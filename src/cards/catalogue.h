// The card catalogue: 66 regular cards (codes 100 to 165) and 29 special cards
// (codes 200 to 228), and the reading of card codes out of list and slot texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grim {

struct CardInfo {
    std::string name;  // the card entry, e.g. "[105] CLOWN"
    std::string type;  // type of a regular card, category of a special card
    std::string power; // decimal text
    std::string description;
};

inline constexpr int regularCount = 66;
inline constexpr int specialCount = 29;
inline constexpr int firstRegular = 100;
inline constexpr int firstSpecial = 200;

// regCards()[code - 100] and spcCards()[code - 200], in code order, never changed.
const std::array<CardInfo, regularCount>& regCards();
const std::array<CardInfo, specialCount>& spcCards();

// A card of the catalogue: its position in code order, regular cards first. The duel's
// lists and slots hold these; the card entry text is made only where it leaves the core.
class CardId {
  public:
    static constexpr int count = regularCount + specialCount;

    // The card of a catalogue code; nothing for a code outside 100-165 and 200-228.
    static constexpr std::optional<CardId> ofCode(int code) {
        if (code >= firstRegular && code < firstRegular + regularCount) return CardId(code - firstRegular);
        if (code >= firstSpecial && code < firstSpecial + specialCount)
            return CardId(regularCount + code - firstSpecial);
        return std::nullopt;
    }
    // The card at a position 0 to count - 1.
    static constexpr CardId at(int index) { return CardId(index); }

    constexpr int index() const { return index_; }
    constexpr bool special() const { return index_ >= regularCount; }
    constexpr int code() const { return special() ? firstSpecial + index_ - regularCount : firstRegular + index_; }

    friend constexpr auto operator<=>(CardId, CardId) = default;

  private:
    constexpr explicit CardId(int index) : index_(static_cast<std::uint8_t>(index)) {}
    std::uint8_t index_;
};

// A regular card's level, 1 to 6, by its code; 0 for any other code.
constexpr int cardLevel(int code) {
    if (code < firstRegular || code >= firstRegular + regularCount) return 0;
    return code < 120 ? 1 : code < 135 ? 2 : code < 150 ? 3 : code < 160 ? 4 : code < 165 ? 5 : 6;
}

// What fielding a card costs: life points ("L") and sacrificed cards ("C"), by its level;
// special cards cost nothing.
struct FieldingCost {
    int life = 0;
    int sacrificed = 0;
};
constexpr FieldingCost cardCost(int code) {
    constexpr FieldingCost byLevel[] = {{0, 0}, {0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}, {5, 5}};
    return byLevel[cardLevel(code)];
}

// The catalogue record of a card, its entry ("[105] CLOWN") and its power as a number.
const CardInfo& info(CardId card);
const std::string& entryText(CardId card);
namespace detail {
extern const std::array<std::int16_t, CardId::count> cardPowers; // read from the catalogue once
}
inline int cardPower(CardId card) {
    return detail::cardPowers[static_cast<std::size_t>(card.index())];
}
// The card whose entry is exactly the text; nothing for any other text.
std::optional<CardId> cardOfEntry(std::string_view text);

namespace cardSubs {

// Characters 2 to 4 of a card entry or slot text read as a number; nothing when
// they are not three digits.
std::optional<int> cardCode(std::string_view text);

// A code of 200 or more is a special card.
inline bool isSpecial(int code) {
    return code >= firstSpecial;
}

// The record of a catalogue code; nullptr for any code outside 100-165 and 200-228.
const CardInfo* record(int code);
// True when the text is exactly the card entry of a catalogue card ("[105] CLOWN").
bool isCatalogueEntry(std::string_view text);

// True when the text is a 16-bit whole number written plainly: an optional "-", then digits
// without leading zeros ("0", "25", "-3"; not "+3", "007" or "-0").
bool isNumberText(std::string_view text);

// The power field as a number.
int power(const CardInfo& card);

// The record as shown to the player: NAME, TYPE, POWER and DESCRIPTION lines
// separated by empty lines, CR LF line ends, no line end after the description.
std::string recordText(const CardInfo& card);

} // namespace cardSubs
} // namespace grim
