// The controls that hold the duel's state. They are plain values with exactly the
// behaviour the rules rely on; the Qt window renders them into real widgets.
#pragma once

#include "cards/catalogue.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grim {

// A button, label, option button or menu item.
struct Switch {
    bool enabled = true;
    bool checked = false;
    bool visible = true;
};

// A one-line or multi-line text box.
struct TextBox {
    std::string text;
    bool enabled = true;
    bool visible = true;
};

// A list box or drop-down list: items with one selected item or none. The deck editor's
// lists hold texts, the duel's lists cards (CardList, GraveList), the slot selectors numbers.
template <class T> class List {
  public:
    static constexpr int none = -1;
    using Item = T;

    const std::vector<T>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    const T& item(int i) const { return items_.at(static_cast<std::size_t>(i)); }

    int selected() const { return selected_; }
    bool hasSelection() const { return selected_ != none; }
    // The selected item; nullptr when nothing is selected.
    const T* selectedItem() const {
        return hasSelection() ? &items_[static_cast<std::size_t>(selected_)] : nullptr;
    }
    // Selects item i; an index outside the list selects nothing.
    void select(int i) { selected_ = (i >= 0 && i < count()) ? i : none; }
    void clearSelection() { selected_ = none; }

    void add(T item) { items_.push_back(std::move(item)); }
    // Inserts before position i (0 inserts at the top, count() appends).
    void insert(int i, T item) {
        i = std::clamp(i, 0, count());
        items_.insert(items_.begin() + i, std::move(item));
        if (selected_ >= i) ++selected_;
    }
    // Removes item i. Removing the selected item leaves nothing selected; the selection
    // otherwise stays on the same item.
    void remove(int i) {
        if (i < 0 || i >= count()) return;
        items_.erase(items_.begin() + i);
        if (selected_ == i)
            selected_ = none;
        else if (selected_ > i)
            --selected_;
    }
    // Swaps items i and j (both in the list); the selection stays at its position.
    void swapItems(int i, int j) {
        std::swap(items_.at(static_cast<std::size_t>(i)), items_.at(static_cast<std::size_t>(j)));
    }
    void clear() {
        items_.clear();
        selected_ = none;
    }
    void setItems(std::vector<T> items) {
        items_ = std::move(items);
        selected_ = none;
    }

    bool enabled = true;
    bool visible = true;

  private:
    std::vector<T> items_;
    int selected_ = none;
};

// A list of any kind of item.
template <class C> concept SelectableList = requires(C& c, int i) {
    typename C::Item;
    c.select(i);
};

// A list of texts: the deck editor's lists, which show any line a deck file held.
class ListBox : public List<std::string> {
  public:
    // The selected item's text; empty text when nothing is selected.
    const std::string& selectedText() const;
};

// A counter of the duel (cards in a zone, life points, sacrifices): a 16-bit number; every
// result saturates at the 16-bit bounds.
struct Counter {
    std::int16_t value = 0;
    bool enabled = true;
    bool visible = true;
};

// A field slot: free, or a card with its current power.
struct FieldSlot {
    std::optional<CardId> card;
    std::int16_t power = 0;
    bool enabled = true;
    bool visible = true;

    bool empty() const { return !card.has_value(); }
    void clear() {
        card.reset();
        power = 0;
    }
};

// A card of a graveyard: from the hand without a power, from the field with the power it had.
struct GraveItem {
    CardId card;
    std::optional<std::int16_t> power;
    friend bool operator==(const GraveItem&, const GraveItem&) = default;
};

using CardList = List<CardId>;
using GraveList = List<GraveItem>;
// A slot selector (SLOT A, SLOT B): the slot numbers 1 to 5.
using SlotSelector = List<int>;

// A timer of the window. Turning it on while it is already on restarts its interval;
// restarts counts every switch-on so the window can restart its real timer.
class Timer {
public:
    explicit Timer(int intervalMs) : interval_(intervalMs) {}
    int interval() const { return interval_; }
    bool on() const { return on_; }
    unsigned restarts() const { return restarts_; }
    void setOn(bool on);

private:
    int interval_;
    bool on_ = false;
    unsigned restarts_ = 0;
};

} // namespace grim
