#include "deck/deck_tools.h"

#include "cards/catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>

namespace grim::deckSubs {

namespace {

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The name of an entry without its code: "CLOWN" of "[105] CLOWN".
std::string_view nameOf(std::string_view entry) {
    const auto blank = entry.find(' ');
    return blank == std::string_view::npos ? entry : entry.substr(blank + 1);
}

// Level 1 to 6 of a regular card, specialCards for a special one.
int levelOf(CardId card) {
    return card.special() ? CatalogueFilter::specialCards : cardLevel(card.code());
}

std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

bool passes(const CatalogueFilter& filter, std::string_view entry) {
    const std::optional<CardId> card = cardOfEntry(entry);
    if (!card) return filter.text.empty() && filter.level == CatalogueFilter::anyLevel && filter.type.empty();
    if (!filter.text.empty() && upper(entry).find(upper(filter.text)) == std::string::npos) return false;
    if (filter.level != CatalogueFilter::anyLevel && levelOf(*card) != filter.level) return false;
    return filter.type.empty() || info(*card).type == filter.type;
}

std::vector<std::string> catalogueTypes() {
    std::vector<std::string> types;
    for (int i = 0; i < CardId::count; ++i)
        types.push_back(info(CardId::at(i)).type);
    std::sort(types.begin(), types.end());
    types.erase(std::unique(types.begin(), types.end()), types.end());
    return types;
}

std::vector<int> shownOrder(const ListBox& list, CatalogueOrder order) {
    std::vector<int> rows(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        rows[static_cast<std::size_t>(i)] = i;
    if (order == CatalogueOrder::code) return rows;
    // A row that is no catalogue card sorts last.
    auto key = [&](int row) -> std::pair<int, std::string_view> {
        const std::string& text = list.item(row);
        const std::optional<CardId> card = cardOfEntry(text);
        if (!card) return {1 << 20, text};
        switch (order) {
        case CatalogueOrder::name:
            return {0, nameOf(text)};
        case CatalogueOrder::level:
            return {card->special() ? 7 : levelOf(*card), {}};
        case CatalogueOrder::power:
            return {-cardPower(*card), {}};
        case CatalogueOrder::code:
            break;
        }
        return {0, {}};
    };
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return key(a) < key(b); });
    return rows;
}

DeckSummary summarize(const ListBox& deck) {
    DeckSummary s;
    std::map<std::string, int> types;
    long power = 0, life = 0, sacrificed = 0;
    for (const std::string& line : deck.items()) {
        ++s.count;
        const std::optional<CardId> card = cardOfEntry(line);
        if (!card) {
            ++s.other;
            continue;
        }
        if (card->special()) {
            ++s.special;
            continue;
        }
        ++s.regular;
        ++s.levels[static_cast<std::size_t>(levelOf(*card))];
        ++types[info(*card).type];
        const FieldingCost cost = cardCost(card->code());
        power += cardPower(*card), life += cost.life, sacrificed += cost.sacrificed;
    }
    s.types.assign(types.begin(), types.end());
    if (s.regular > 0) {
        s.averagePower = static_cast<double>(power) / s.regular;
        s.averageLife = static_cast<double>(life) / s.regular;
        s.averageSacrificed = static_cast<double>(sacrificed) / s.regular;
    }
    return s;
}

std::string summaryText(const DeckSummary& s) {
    std::string text = std::to_string(s.count) + (s.count == 1 ? " card: " : " cards: ") +
                       std::to_string(s.regular) + " regular, " + std::to_string(s.special) + " special";
    if (s.other > 0) text += ", " + std::to_string(s.other) + " unknown";
    text += ". Levels";
    for (int level = 1; level <= 6; ++level)
        text += " " + std::to_string(level) + ":" + std::to_string(s.levels[static_cast<std::size_t>(level)]);
    text += ".";
    for (std::size_t i = 0; i < s.types.size(); ++i)
        text += (i == 0 ? " " : ", ") + s.types[i].first + " " + std::to_string(s.types[i].second);
    if (!s.types.empty()) text += ".";
    if (s.regular > 0)
        text += " Average power " + std::to_string(static_cast<int>(s.averagePower + 0.5)) + ", cost " +
                oneDecimal(s.averageLife) + "L " + oneDecimal(s.averageSacrificed) + "C.";
    return text;
}

} // namespace grim::deckSubs
