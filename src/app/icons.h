// The small pictures of the open-deck and draw buttons, painted at run time.
#pragma once

#include <QIcon>

namespace grim::app {

QIcon openDeckIcon(); // an open folder with cards in it
QIcon drawCardIcon(); // a card with a plus sign
QIcon programIcon();  // the window's icon, the picture of resources/grimward.svg

} // namespace grim::app
