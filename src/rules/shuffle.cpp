#include "rules/shuffle.h"

#include <utility>

namespace grim::gameSubs {

void shuffle(Window& w, CardList& list) {
    // In place: the selection stays at its position.
    for (int i = list.count() - 1; i >= 1; --i) {
        int j = static_cast<int>(w.ports.random->next() * (i + 1));
        if (j > i) j = i;  // guards a generator that returns exactly 1
        list.swapItems(i, j);
    }
}

} // namespace grim::gameSubs
