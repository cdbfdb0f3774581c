// What the computer's seat at the window relies on to throw away a move chosen for a board
// that has changed since: two observations agree exactly when what player 2 sees agrees.
#include "support/fakes.h"

#include "computer/computer_mode.h"

#include <algorithm>
#include <functional>

namespace grim::test {
namespace {

using namespace computer;
using Change = std::function<void(Window&)>;

TEST(ComputerSeat, aChosenMoveFitsOnlyTheSameView) {
    TestWindow t;
    t.w.menu.smnComputer.checked = true;
    gameSubs::enableSide(t.w, SideId::u2);
    TestWindow::fill(t.w.u1.lstHand, t.w.u1.txtHandCnt, entries(4));
    TestWindow::fill(t.w.u1.lstDeck, t.w.u1.txtDeckCnt, entries(10, 110));
    TestWindow::fill(t.w.u2.lstDeck, t.w.u2.txtDeckCnt, entries(10, 130));
    TestWindow::fill(t.w.u2.lstHand, t.w.u2.txtHandCnt, entries(3, 140));
    const Observation seen = observe(t.w, SideId::u2);

    // Player 2 cannot see player 1's cards nor the order of its own deck; the log and the
    // description box do not matter to a move.
    const Change unseen[] = {
        [](Window& w) { w.u1.lstHand.setItems(entries(4, 150)); },
        [](Window& w) { w.u1.lstDeck.setItems(entries(10, 120)); },
        [](Window& w) {
            auto deck = w.u2.lstDeck.items();
            std::reverse(deck.begin(), deck.end());
            w.u2.lstDeck.setItems(deck);
        },
        [](Window& w) { w.txtChat.text += "\r\n<[12:00:00 PM] Computer draws a card.>"; },
        [](Window& w) { w.txtDescControls.text = "NAME = [100] GNOME"; },
    };
    for (const Change& change : unseen) {
        Window now = t.w;
        change(now);
        EXPECT_TRUE(sameView(seen, observe(now, SideId::u2))) << &change - unseen;
    }
    const Change visible[] = {
        [](Window& w) { w.u1.txtLp.text = "24"; },
        [](Window& w) { w.u1.slot(3).text = entry(120) + " 150"; },
        [](Window& w) { w.u2.cmbSlotA.select(3); },
        [](Window& w) { w.u1.cmbGrave.add(entry(101)); },
        [](Window& w) { ++w.timePassed; },
        [](Window& w) { w.timers.tmrTurnLimit.setOn(true); },
        [](Window& w) { w.u2.btnEnd.enabled = false; },
        [](Window& w) { w.u2.turnSacrifices = 1; },
        [](Window& w) { w.u2.lstHand.setItems(entries(3, 141)); },
        [](Window& w) { w.u2.lstDeck.setItems(entries(10, 131)); },
        [](Window& w) { w.u1.txtDeckCnt.text = "9"; },
        [](Window& w) { w.menu.smnComputer.checked = false; },
    };
    for (const Change& change : visible) {
        Window now = t.w;
        change(now);
        EXPECT_FALSE(sameView(seen, observe(now, SideId::u2))) << &change - visible;
    }
}

} // namespace
} // namespace grim::test
