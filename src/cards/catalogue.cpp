#include "cards/catalogue.h"

#include <charconv>
#include <string>

namespace grim::cardSubs {

std::optional<int> cardCode(std::string_view text) {
    if (text.size() < 4) return std::nullopt;
    int code = 0;
    for (char c : text.substr(1, 3)) {
        if (c < '0' || c > '9') return std::nullopt;
        code = code * 10 + (c - '0');
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

const CardInfo* recordOf(std::string_view text) {
    const auto code = cardCode(text);
    return code ? record(*code) : nullptr;
}

bool isCatalogueEntry(std::string_view text) {
    const CardInfo* card = recordOf(text);
    return card != nullptr && card->name == text;
}

bool isNumberText(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < -32768 ||
        value > 32767)
        return false;
    // Written plainly: a digit 0 leads only the number 0 itself (not "007" or "-0").
    const std::string_view digits = text.front() == '-' ? text.substr(1) : text;
    return digits.front() != '0' || text == "0";
}

bool isSlotText(std::string_view text) {
    if (text.empty()) return true;
    const auto blank = text.rfind(' ');
    return blank != std::string_view::npos && isCatalogueEntry(text.substr(0, blank)) &&
           isNumberText(text.substr(blank + 1));
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
