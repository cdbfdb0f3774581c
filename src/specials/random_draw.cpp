#include "specials/random_draw.h"

#include <cmath>

namespace grim::activationSubs {

int drawOneToFifty(Window& w) {
    const double r = w.ports.random->next();
    const double n = std::floor(r * 50 + 1);
    if (!(n >= 1)) return 1; // also catches a generator that answers NaN
    if (n > 50) return 50;
    return static_cast<int>(n);
}

int randomDraw(Window& w, const BandTable& positions) {
    const int band = (drawOneToFifty(w) - 1) / 10;
    return positions[static_cast<std::size_t>(band)];
}

} // namespace grim::activationSubs
