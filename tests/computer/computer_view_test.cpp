// What the computer's seat at the window relies on to throw away a move chosen for a board
// that has changed since: two observations agree exactly when what player 2 sees agrees.
#include "support/fakes.h"

#include "modes/computer_mode.h"

#include <functional>
#include <span>

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

    // Player 2 cannot see player 1's cards nor the order of its own deck; the log does not
    // matter to a move.
    const Change unseen[] = {
        [](Window& w) { w.u1.lstHand.setItems(entries(4, 150)); },
        [](Window& w) {
            w.u2.lstDeck.setItems({w.u2.lstDeck.items().rbegin(), w.u2.lstDeck.items().rend()});
        },
        [](Window& w) { w.txtChat.text += "\r\n<[12:00:00 PM] Computer draws a card.>"; },
    };
    const Change visible[] = {
        [](Window& w) { w.u1.slot(3).text = entry(120) + " 150"; },
        [](Window& w) { w.u2.cmbSlotA.select(3); },
        [](Window& w) { ++w.timePassed; },
        [](Window& w) { w.timers.tmrTurnLimit.setOn(true); },
        [](Window& w) { w.u2.turnSacrifices = 1; },
        [](Window& w) { w.u2.lstDeck.setItems(entries(10, 131)); },
    };
    for (const auto& [changes, same] :
         {std::pair{std::span<const Change>(unseen), true}, {std::span<const Change>(visible), false}})
        for (const Change& change : changes) {
            Window now = t.w;
            change(now);
            EXPECT_EQ(sameView(seen, observe(now, SideId::u2)), same) << &change - changes.data();
        }
}

} // namespace
} // namespace grim::test
