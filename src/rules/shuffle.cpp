#include "rules/shuffle.h"

#include <utility>

namespace grim::gameSubs {

void shuffle(Window& w, CardList& list) {
    std::vector<CardId> items = list.items();
    for (int i = static_cast<int>(items.size()) - 1; i >= 1; --i) {
        int j = static_cast<int>(w.ports.random->next() * (i + 1));
        if (j > i) j = i;  // guards a generator that returns exactly 1
        std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
    }
    const int selected = list.selected();
    list.setItems(std::move(items));
    list.select(selected);
}

} // namespace grim::gameSubs
