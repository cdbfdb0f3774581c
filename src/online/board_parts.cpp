#include "online/board_parts.h"

#include "cards/catalogue.h"

#include <array>

namespace grim::onlineSubs {

namespace {

constexpr std::size_t slotFields = 10;
constexpr std::size_t counterFields = 10;
constexpr std::string_view emptyList = "e@";
constexpr std::string_view freeSlot = "e";

ListBox& listOfPart(Window& w, int n) {
    switch (n) {
    case 1:
        return w.u1.lstDeck;
    case 2:
        return w.u2.lstDeck;
    case 3:
        return w.u1.lstHand;
    case 4:
        return w.u2.lstHand;
    case 6:
        return w.u1.cmbGrave;
    default:
        return w.u2.cmbGrave;
    }
}
const ListBox& listOfPart(const Window& w, int n) {
    return listOfPart(const_cast<Window&>(w), n);
}

// The ten counters in the order part 8 carries them.
std::array<TextBox*, counterFields> counters(Window& w) {
    return {&w.u1.txtDeckCnt,  &w.u2.txtDeckCnt, &w.u1.txtHandCnt, &w.u2.txtHandCnt,  &w.u1.txtSacriCnt,
            &w.u2.txtSacriCnt, &w.u1.txtLp,      &w.u2.txtLp,      &w.u1.txtGraveCnt, &w.u2.txtGraveCnt};
}

// The ten field slots in the order part 5 carries them.
std::array<TextBox*, slotFields> slots(Window& w) {
    std::array<TextBox*, slotFields> all{};
    for (int i = 1; i <= 5; ++i) {
        all[static_cast<std::size_t>(i - 1)] = &w.u1.slot(i);
        all[static_cast<std::size_t>(i + 4)] = &w.u2.slot(i);
    }
    return all;
}

bool isGraveItem(std::string_view item) {
    return cardSubs::isCatalogueEntry(item) || (!item.empty() && cardSubs::isSlotText(item));
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

std::vector<std::string> splitFields(const std::string& s, const char& d) {
    std::vector<std::string> fields;
    fields.reserve(56);
    fields.emplace_back();
    std::size_t start = 0;
    for (std::size_t at = s.find(d); at != std::string::npos; at = s.find(d, start)) {
        fields.push_back(s.substr(start, at - start));
        start = at + 1;
    }
    return fields;
}

std::string encodePart(const Window& w, int n) {
    std::string m;
    if (n == 5) {
        for (const TextBox* slot : slots(const_cast<Window&>(w)))
            m += (slot->text.empty() ? std::string(freeSlot) : slot->text) + "@";
        return m;
    }
    if (n == 8) {
        for (const TextBox* box : counters(const_cast<Window&>(w)))
            m += box->text + "@";
        return m;
    }
    const ListBox& list = listOfPart(w, n);
    if (list.empty()) return std::string(emptyList);
    for (const auto& item : list.items())
        m += item + "@";
    return m;
}

bool isValidPart(int n, std::string_view m) {
    switch (n) {
    case 1:
    case 2:
    case 3:
    case 4:
        return m == emptyList || allFields(m, maxListItems, 0, cardSubs::isCatalogueEntry);
    case 6:
    case 7:
        return m == emptyList || allFields(m, maxListItems, 0, isGraveItem);
    case 5:
        return allFields(m, slotFields, slotFields, [](std::string_view f) {
            return f == freeSlot || (!f.empty() && cardSubs::isSlotText(f));
        });
    case 8:
        return allFields(m, counterFields, counterFields, cardSubs::isNumberText);
    default:
        return false;
    }
}

void applyPart(Window& w, int n, const std::string& m) {
    const auto fields = splitFields(m, '@');
    if (n == 5) {
        const auto all = slots(w);
        for (std::size_t i = 0; i < all.size() && i + 1 < fields.size(); ++i)
            all[i]->text = fields[i + 1] == freeSlot ? std::string() : fields[i + 1];
        return;
    }
    if (n == 8) {
        const auto all = counters(w);
        for (std::size_t i = 0; i < all.size() && i + 1 < fields.size(); ++i)
            all[i]->text = fields[i + 1];
        return;
    }
    if (n < 1 || n > partCount) return;
    ListBox& list = listOfPart(w, n);
    list.clear();
    if (m == emptyList) return;
    for (std::size_t i = 1; i < fields.size(); ++i)
        list.add(fields[i]);
}

} // namespace grim::onlineSubs
