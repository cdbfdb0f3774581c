#include "computer/quick_play.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "board/turn_state.h"
#include "cards/catalogue.h"
#include "computer/judgement.h"
#include "computer/moves.h"
#include "rules/costs.h"

#include <algorithm>
#include <optional>

namespace grim::computer {

namespace {

// The weights of the board score, in points: a life point is worth 100, a point of power
// on the field 1.5 (fielding is what wins the battles that take life points), a slot
// filled 20. Sacrificed cards count until four are banked, cards still to draw or play
// until ten are left: a side that runs out of cards loses its field and then its life.
// Quick play weighs a card to field the same way, less 10 points for each hand card it
// must sacrifice first.
constexpr double wLife = 100, wPower = 1.5, wSlot = 20, wSac = 10, wSacCap = 4, wCard = 12, wCardCap = 10,
                 wCardMore = 3, wNeed = 10;

double sacrificedValue(int n) {
    return wSac * std::min<double>(n, wSacCap) + std::max<double>(0, n - wSacCap);
}
double cardsValue(int n) {
    return wCard * std::min<double>(n, wCardCap) + wCardMore * std::max<double>(0, n - wCardCap);
}

// The hand card to field and how many hand cards must be sacrificed for it first.
struct FieldPlan {
    int card = -1;
    int sacrifices = 0;
    double value = 0;
};

std::optional<FieldPlan> planField(const Side& s) {
    if (!s.btnField.enabled || gameSubs::occupiedSlots(s) == slotCount) return std::nullopt;
    const int life = readNumber(s.txtLp);
    const int banked = readNumber(s.txtSacriCnt);
    const int canSacrifice = s.btnSacri.enabled ? gameSubs::sacrificesPerTurn - s.turnSacrifices : 0;
    std::optional<FieldPlan> best;
    for (int i = 0; i < s.lstHand.count(); ++i) {
        const CardId card = s.lstHand.item(i);
        if (card.special()) continue;
        const auto cost = gameSubs::fieldingCost(card.code());
        const int need = std::max(0, cost.sacrificed - banked);
        if (life <= cost.life || need > canSacrifice || need > s.lstHand.count() - 1) continue;
        const double value = wPower * cardPower(card) + wSlot - wLife * cost.life - wNeed * need;
        if (value > 0 && (!best || value > best->value)) best = FieldPlan{i, need, value};
    }
    return best;
}

// The weakest hand card other than keep, specials counted at 50.
int weakest(const Side& s, int keep) {
    int found = -1;
    for (int i = 0; i < s.lstHand.count(); ++i)
        if (i != keep && (found < 0 || cardPower(s.lstHand.item(i)) < cardPower(s.lstHand.item(found))))
            found = i;
    return found;
}

} // namespace

void playTurnQuickly(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.btnOpen.enabled) return;

    for (int guard = 0; guard < handLimit && s.lstHand.count() < handLimit && !s.lstDeck.empty(); ++guard) {
        const bool q5 = s.btnQ5.enabled && handLimit - s.lstHand.count() <= s.lstDeck.count();
        if (!q5 && !s.btnAdd.enabled) break;
        applyMove(w, side, Move{q5 ? MoveKind::q5 : MoveKind::draw});
    }
    if (const auto plan = planField(s)) {
        const CardId card = s.lstHand.item(plan->card);
        for (int n = 0; n < plan->sacrifices; ++n) {
            int keep = -1;
            for (int i = 0; i < s.lstHand.count(); ++i)
                if (s.lstHand.item(i) == card) keep = i;
            applyMove(w, side, Move{MoveKind::sacrificeHand, weakest(s, keep)});
        }
        for (int i = 0; i < s.lstHand.count(); ++i)
            if (s.lstHand.item(i) == card) {
                applyMove(w, side, Move{MoveKind::field, i});
                break;
            }
    }
    if (s.btnMaster.enabled && gameSubs::occupiedSlots(s) == slotCount)
        applyMove(w, side, Move{MoveKind::master});
    if (const auto attack = winningAttack(w, side)) applyMove(w, side, *attack);
    if (s.btnEnd.enabled) applyMove(w, side, Move{MoveKind::end});
}

namespace {
// One turn of whichever side has it, played quickly: the side, or none when neither has the
// turn or the side still has it afterwards (a deck still to open).
std::optional<SideId> playOneTurn(Window& w, SideId me) {
    const SideId side = hasTurn(w.side(me)) ? me : other(me);
    if (!hasTurn(w.side(side))) return std::nullopt;
    playTurnQuickly(w, side);
    if (hasTurn(w.side(side))) return std::nullopt;
    return side;
}
} // namespace

void playOn(Window& w, SideId me, int ended, int turns) {
    for (int guard = 0; ended < turns && guard < 2 * turns + 2; ++guard) {
        const auto side = playOneTurn(w, me);
        if (!side) return;
        if (*side == me) ++ended;
    }
}

int playTurns(Window& w, SideId me, int turns) {
    int t = 0;
    while (t < turns && playOneTurn(w, me))
        ++t;
    return t;
}

double evaluate(const Window& w, SideId side) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    const int life = readNumber(s.txtLp), opponentLife = readNumber(o.txtLp);
    const int cards = s.lstHand.count() + readNumber(s.txtDeckCnt);
    // A won game beats any other board, a lost one loses to any. Among won games, the one
    // won with more life points and cards kept: won sooner, without wasting cards (damage
    // beyond the last life point counts for nothing).
    if (life <= 0 || opponentLife <= 0) {
        if (life <= 0 && opponentLife <= 0) return 0;
        return life > 0 ? 1e6 + wLife * life + cardsValue(cards) : -1e6 - wLife * opponentLife;
    }
    return wLife * (life - opponentLife) + wPower * (gameSubs::fieldPower(s) - gameSubs::fieldPower(o)) +
           wSlot * (gameSubs::occupiedSlots(s) - gameSubs::occupiedSlots(o)) +
           sacrificedValue(readNumber(s.txtSacriCnt)) - sacrificedValue(readNumber(o.txtSacriCnt)) +
           cardsValue(cards) - cardsValue(o.lstHand.count() + readNumber(o.txtDeckCnt));
}

} // namespace grim::computer
