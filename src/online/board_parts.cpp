#include "online/board_parts.h"

#include "board/formats.h"
#include "cards/catalogue.h"

#include <array>

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

// The fields of a part that ends in "@"; nothing when it does not or holds too many.
bool fieldsOf(std::string_view m, std::size_t most, std::vector<std::string_view>& out) {
    if (m.empty() || m.back() != '@') return false;
    std::size_t start = 0;
    while (start < m.size()) {
        if (out.size() == most) return false;
        const std::size_t at = m.find('@', start);
        out.push_back(m.substr(start, at - start));
        start = at + 1;
    }
    return true;
}

template <class Valid>
bool allFields(std::string_view m, std::size_t most, std::size_t exactly, Valid valid) {
    std::vector<std::string_view> fields;
    if (!fieldsOf(m, most, fields) || (exactly != 0 && fields.size() != exactly)) return false;
    for (auto f : fields)
        if (!valid(f)) return false;
    return true;
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
    switch (n) {
    case 1:
    case 2:
    case 3:
    case 4:
        return m == emptyList ||
               allFields(m, maxListItems, 0, [](std::string_view f) { return cardOfEntry(f).has_value(); });
    case 6:
    case 7:
        return m == emptyList ||
               allFields(m, maxListItems, 0, [](std::string_view f) { return graveItemOfText(f).has_value(); });
    case 5:
        return allFields(m, slotFields, slotFields, [](std::string_view f) { return slotOfField(f).has_value(); });
    case 8:
        return allFields(m, counterFields, counterFields,
                         [](std::string_view f) { return counterOfText(f).has_value(); });
    default:
        return false;
    }
}

void applyPart(Window& w, int n, const std::string& m) {
    if (n < 1 || n > partCount) return;
    std::vector<std::string_view> fields;
    if (m != emptyList && !fieldsOf(m, maxListItems, fields)) return;
    if (n == 5) {
        const auto all = slots(w);
        for (std::size_t i = 0; i < all.size() && i < fields.size(); ++i)
            *all[i] = slotOfField(fields[i]).value_or(FieldSlot{});
    } else if (n == 8) {
        const auto all = counters(w);
        for (std::size_t i = 0; i < all.size() && i < fields.size(); ++i)
            all[i]->value = counterOfText(fields[i]).value_or(0);
    } else if (n == 6 || n == 7) {
        GraveList& list = graveOfPart(w, n);
        list.clear();
        for (const auto f : fields)
            if (const auto item = graveItemOfText(f)) list.add(*item);
    } else {
        CardList& list = cardsOfPart(w, n);
        list.clear();
        for (const auto f : fields)
            if (const auto card = cardOfEntry(f)) list.add(*card);
    }
}

} // namespace grim::onlineSubs
