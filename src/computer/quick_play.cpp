#include "computer/quick_play.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
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
        if (i != keep &&
            (found < 0 || cardPower(s.lstHand.item(i)) < cardPower(s.lstHand.item(found))))
            found = i;
    return found;
}

// The attack that wins against the opponent's strongest card it can beat, with the
// weakest attacker that does.
std::optional<Move> bestAttack(const Side& s, const Side& o) {
    std::optional<Move> best;
    int bestTarget = -1, bestAttacker = 0;
    for (int b = 1; b <= slotCount; ++b) {
        if (o.slot(b).empty()) continue;
        const int defender = o.slot(b).power;
        for (int a = 1; a <= slotCount; ++a) {
            if (s.slot(a).empty()) continue;
            const int attacker = s.slot(a).power;
            if (attacker <= defender) continue;
            if (defender > bestTarget || (defender == bestTarget && attacker < bestAttacker)) {
                best = Move{MoveKind::attack, -1, a, b};
                bestTarget = defender;
                bestAttacker = attacker;
            }
        }
    }
    return best;
}

} // namespace

void playTurnQuickly(Window& w, SideId side) {
    Side& s = w.side(side);
    const Side& o = w.opponent(side);
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
    if (s.btnDirect.enabled && gameSubs::occupiedSlots(o) == 0 && gameSubs::occupiedSlots(s) > 0)
        applyMove(w, side, Move{MoveKind::direct});
    else if (const auto attack = bestAttack(s, o); attack && s.btnAttack.enabled)
        applyMove(w, side, *attack);
    if (s.btnEnd.enabled) applyMove(w, side, Move{MoveKind::end});
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
