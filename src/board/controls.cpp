#include "board/controls.h"

#include <utility>

namespace grim {

namespace {
const std::string emptyText;
}

const std::string& ListBox::selectedText() const {
    return hasSelection() ? items_[static_cast<std::size_t>(selected_)] : emptyText;
}

void ListBox::select(int i) { selected_ = (i >= 0 && i < count()) ? i : none; }

void ListBox::add(std::string text) { items_.push_back(std::move(text)); }

void ListBox::insert(int i, std::string text) {
    if (i < 0) i = 0;
    if (i > count()) i = count();
    items_.insert(items_.begin() + i, std::move(text));
    if (selected_ >= i) ++selected_;
}

void ListBox::remove(int i) {
    if (i < 0 || i >= count()) return;
    items_.erase(items_.begin() + i);
    if (selected_ == i)
        selected_ = none;
    else if (selected_ > i)
        --selected_;
}

void ListBox::clear() {
    items_.clear();
    selected_ = none;
}

void ListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    selected_ = none;
}

void Timer::setOn(bool on) {
    if (on) ++restarts_;
    on_ = on;
}

} // namespace grim
