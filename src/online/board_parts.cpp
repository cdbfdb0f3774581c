#include "online/board_parts.h"

#include "board/formats.h"
#include "cards/catalogue.h"

#include <array>
#include <optional>
#include <type_traits>

namespace grim::onlineSubs {

namespace {

constexpr std::size_t slotFields = 10;
constexpr std::size_t counterFields = 10;
constexpr std::string_view emptyList = "e@";
constexpr std::string_view freeSlot = "e";

// Parts 1 to 4 carry the decks and hands, parts 6 and 7 the graveyards.
CardList& cardsOfPart(Window& w, int n) {
    switch (n) {
    case 1:
        return w.u1.lstDeck;
    case 2:
        return w.u2.lstDeck;
    case 3:
        return w.u1.lstHand;
    default:
        return w.u2.lstHand;
    }
}
GraveList& graveOfPart(Window& w, int n) { return n == 6 ? w.u1.cmbGrave : w.u2.cmbGrave; }

// The ten counters in the order part 8 carries them.
std::array<Counter*, counterFields> counters(Window& w) {
    return {&w.u1.txtDeckCnt,  &w.u2.txtDeckCnt, &w.u1.txtHandCnt, &w.u2.txtHandCnt,  &w.u1.txtSacriCnt,
            &w.u2.txtSacriCnt, &w.u1.txtLp,      &w.u2.txtLp,      &w.u1.txtGraveCnt, &w.u2.txtGraveCnt};
}

// The ten field slots in the order part 5 carries them.
std::array<FieldSlot*, slotFields> slots(Window& w) {
    std::array<FieldSlot*, slotFields> all{};
    for (int i = 1; i <= 5; ++i) {
        all[static_cast<std::size_t>(i - 1)] = &w.u1.slot(i);
        all[static_cast<std::size_t>(i + 4)] = &w.u2.slot(i);
    }
    return all;
}

// A slot field: "e" for a free slot, else an occupied slot's text.
std::optional<FieldSlot> slotOfField(std::string_view f) {
    if (f == freeSlot) return FieldSlot{};
    if (f.empty()) return std::nullopt;
    return slotOfText(f);
}

template <class T> void encodeList(std::string& m, const List<T>& list) {
    if (list.empty()) {
        m = emptyList;
        return;
    }
    for (const T& item : list.items())
        m.append(itemText(item)).push_back('@');
}

// The values of a part's fields as read reads them: the part ends in "@", has at most `most`
// fields (exactly `exactly` unless 0) and every field reads; nothing otherwise.
template <class Read> auto readFields(std::string_view m, std::size_t most, std::size_t exactly, Read read) {
    using Values = std::vector<typename std::invoke_result_t<Read, std::string_view>::value_type>;
    std::optional<Values> values;
    if (m.empty() || m.back() != '@') return values;
    values.emplace();
    for (std::size_t start = 0; start < m.size();) {
        const std::size_t at = m.find('@', start);
        auto value = read(m.substr(start, at - start));
        if (values->size() == most || !value) return std::optional<Values>{};
        values->push_back(*std::move(value));
        start = at + 1;
    }
    if (exactly != 0 && values->size() != exactly) values.reset();
    return values;
}

// A list part: "e@" for an empty list.
template <class Read> auto readList(std::string_view m, Read read) {
    using Values = std::vector<typename std::invoke_result_t<Read, std::string_view>::value_type>;
    return m == emptyList ? std::optional<Values>(std::in_place) : readFields(m, maxListItems, 0, read);
}

// Reads part n into values and hands them to write with the part's number; false, and
// nothing written, when the part is not valid.
template <class Write> bool readPart(int n, std::string_view m, Write write) {
    auto take = [&](auto values) {
        if (values) write(n, *values);
        return values.has_value();
    };
    switch (n) {
    case 1:
    case 2:
    case 3:
    case 4:
        return take(readList(m, cardOfEntry));
    case 6:
    case 7:
        return take(readList(m, graveItemOfText));
    case 5:
        return take(readFields(m, slotFields, slotFields, slotOfField));
    case 8:
        return take(readFields(m, counterFields, counterFields, counterOfText));
    default:
        return false;
    }
}

} // namespace

std::string encodePart(const Window& w, int n) {
    Window& board = const_cast<Window&>(w); // read only: the tables of parts serve both ways
    std::string m;
    if (n == 5) {
        for (const FieldSlot* slot : slots(board))
            m.append(slot->empty() ? std::string(freeSlot) : shownText(*slot)).push_back('@');
    } else if (n == 8) {
        for (const Counter* box : counters(board))
            m.append(shownText(*box)).push_back('@');
    } else if (n == 6 || n == 7) {
        encodeList(m, graveOfPart(board, n));
    } else {
        encodeList(m, cardsOfPart(board, n));
    }
    return m;
}

bool isValidPart(int n, std::string_view m) {
    return readPart(n, m, [](int, const auto&) {});
}

bool applyPart(Window& w, int n, std::string_view m) {
    return readPart(n, m, [&w](int part, const auto& values) {
        using T = typename std::decay_t<decltype(values)>::value_type;
        if constexpr (std::is_same_v<T, FieldSlot>) {
            const auto all = slots(w);
            for (std::size_t i = 0; i < all.size(); ++i)
                all[i]->card = values[i].card, all[i]->power = values[i].power;
        } else if constexpr (std::is_same_v<T, std::int16_t>) {
            const auto all = counters(w);
            for (std::size_t i = 0; i < all.size(); ++i)
                all[i]->value = values[i];
        } else if constexpr (std::is_same_v<T, GraveItem>) {
            graveOfPart(w, part).setItems(values);
        } else {
            cardsOfPart(w, part).setItems(values);
        }
    });
}

} // namespace grim::onlineSubs
