// The small pictures of the open-deck and draw buttons, painted at run time.
#pragma once

#include <QIcon>

namespace grim::app {

QIcon openDeckIcon(); // an open folder with cards in it
QIcon drawCardIcon(); // a card with a plus sign

} // namespace grim::app
