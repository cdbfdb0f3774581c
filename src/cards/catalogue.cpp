#include "cards/catalogue.h"

#include <charconv>
#include <string>

namespace grim {

const CardInfo& info(CardId card) {
    return card.special() ? spcCards()[static_cast<std::size_t>(card.index() - regularCount)]
                          : regCards()[static_cast<std::size_t>(card.index())];
}

const std::string& entryText(CardId card) { return info(card).name; }

const std::array<std::int16_t, CardId::count> detail::cardPowers = [] {
    std::array<std::int16_t, CardId::count> powers{};
    for (int i = 0; i < CardId::count; ++i)
        powers[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(cardSubs::power(info(CardId::at(i))));
    return powers;
}();

std::optional<CardId> cardOfEntry(std::string_view text) {
    const auto code = cardSubs::cardCode(text);
    const auto card = code ? CardId::ofCode(*code) : std::nullopt;
    if (card && entryText(*card) == text) return card;
    return std::nullopt;
}

} // namespace grim

namespace grim::cardSubs {

std::optional<int> cardCode(std::string_view text) {
    if (text.size() < 4) return std::nullopt;
    int code = 0;
    for (std::size_t i = 1; i <= 3; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        code = code * 10 + (text[i] - '0');
    }
    return code;
}

const CardInfo* record(int code) {
    if (code >= firstRegular && code < firstRegular + regularCount)
        return &regCards()[static_cast<std::size_t>(code - firstRegular)];
    if (code >= firstSpecial && code < firstSpecial + specialCount)
        return &spcCards()[static_cast<std::size_t>(code - firstSpecial)];
    return nullptr;
}

bool isCatalogueEntry(std::string_view text) { return cardOfEntry(text).has_value(); }

bool isNumberText(std::string_view text) {
    // Read digit by digit: asked of every occupied slot after every action of a self-played game.
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 5 || (digits.front() == '0' && text != "0")) return false;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= (negative ? 32768 : 32767);
}

int power(const CardInfo& card) {
    int value = 0;
    std::from_chars(card.power.data(), card.power.data() + card.power.size(), value);
    return value;
}

std::string recordText(const CardInfo& card) {
    return "NAME = " + card.name + "\r\n\r\nTYPE = " + card.type + "\r\n\r\nPOWER = " + card.power +
           "\r\n\r\nDESCRIPTION\r\n" + card.description;
}

} // namespace grim::cardSubs
