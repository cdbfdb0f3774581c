// The controls that hold the duel's state. They are plain values with exactly the
// behaviour the rules rely on; the Qt window renders them into real widgets.
#pragma once

#include <cstddef>
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

// A list box or drop-down list: texts with one selected item or none.
class ListBox {
public:
    static constexpr int none = -1;

    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    const std::string& item(int i) const { return items_.at(static_cast<std::size_t>(i)); }

    int selected() const { return selected_; }
    bool hasSelection() const { return selected_ != none; }
    // The selected item's text; empty text when nothing is selected.
    const std::string& selectedText() const;
    // Selects item i; an index outside the list selects nothing.
    void select(int i);
    void clearSelection() { selected_ = none; }

    void add(std::string text);
    // Inserts before position i (0 inserts at the top, count() appends).
    void insert(int i, std::string text);
    // Removes item i. Removing the selected item leaves nothing selected; the selection
    // otherwise stays on the same item.
    void remove(int i);
    void clear();
    void setItems(std::vector<std::string> items);

    bool enabled = true;
    bool visible = true;

private:
    std::vector<std::string> items_;
    int selected_ = none;
};

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
