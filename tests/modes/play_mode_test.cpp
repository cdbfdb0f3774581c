#include "online/online_subs.h"
#include "modes/play_mode.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;

TEST(PlayMode, OfflineThenNewGame) {
    TestWindow t;
    const auto opening = snapshot(t.w);
    onlineSubs::smnOffline_Click(t.w);
    EXPECT_TRUE(t.w.u1.btnOpen.enabled && t.w.menu.smnOffline.checked && t.w.menu.smnNewGame.enabled);
    EXPECT_FALSE(t.w.u2.btnOpen.enabled || t.w.menu.smnOffline.enabled || t.w.menu.smnOnline.enabled);
    EXPECT_TRUE(t.refused([&] { onlineSubs::smnOffline_Click(t.w); }, ""));
    t.myTurn(), t.w.u2.slot(5).text = fielded(100);
    TestWindow::fill(t.w.u1.lstHand, t.w.u1.txtHandCnt, entries(3));
    EXPECT_TRUE(t.refused([&] { onlineSubs::smnNewGame_Click(t.w); }, "question: Start a new game?"));
    t.p.answers = {true}, onlineSubs::smnNewGame_Click(t.w);
    EXPECT_EQ(snapshot(t.w), opening);

    TestWindow o; // online, never connected: back to the choice, the panel off, the socket closed
    o.w.menu.smnOnline.checked = o.w.menu.smnNewGame.enabled = o.w.online.btnHost.enabled = true;
    o.p.socketState = Socket::State::listening;
    onlineSubs::smnNewGame_Click(o.w);
    EXPECT_TRUE(snapshot(o.w) == opening && o.p.socketState == Socket::State::closed);
    o.w.menu.smnNewGame.enabled = o.w.menu.smnOnline.checked = true;
    o.p.socketState = Socket::State::connected; // connected: the other window must agree first
    const auto asked = snapshot(o.w);
    o.p.log.clear(), onlineSubs::smnNewGame_Click(o.w);
    EXPECT_EQ(o.p.log, (Log{"send: </r/>", "message: A message to start a new game has been sent to other "
                                           "player. \r\nIf other player agrees, the game will restart."}));
    EXPECT_EQ(snapshot(o.w), asked);
    onlineSubs::hideDeckAndHandLists(o.w);
    EXPECT_FALSE(o.w.u2.lstHand.visible || o.w.u1.lstDeck.visible);
}
