#include "modes/play_mode.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;
using namespace grim::onlineSubs;

// NEW GAME ends a game on one machine, back to the state at start-up.
TEST(PlayMode, OfflineThenNewGame) {
    TestWindow t;
    const auto opening = snapshot(t.w);
    smnOffline_Click(t.w);
    EXPECT_EQ(t.flags("btnOpenU1 smnOffline.c smnNewGame btnOpenU2 smnOffline smnOnline"), "111000");
    EXPECT_TRUE(t.refused([&] { smnOffline_Click(t.w); }, ""));
    t.myTurn();
    for (Side* s : {&t.w.u1, &t.w.u2}) {
        t.fill(s->lstDeck, s->txtDeckCnt, entries(4)), t.fill(s->lstHand, s->txtHandCnt, entries(3));
        t.fill(s->cmbGrave, s->txtGraveCnt, entries(2)), put(s->slot(5), fielded(120));
        s->txtLp.value = s->txtSacriCnt.value = 3, s->turnSacrifices = 1;
    }
    t.w.timePassed = 2, t.w.txtMins.text = "1 MINUTES";
    EXPECT_TRUE(t.refused([&] { smnNewGame_Click(t.w); }, "question: Start a new game?"));
    t.p.answers = {true}, smnNewGame_Click(t.w);
    EXPECT_EQ(snapshot(t.w), opening);
}
