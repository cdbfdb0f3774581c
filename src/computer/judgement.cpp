#include "computer/judgement.h"

#include "board/game_subs.h"

#include <algorithm>

namespace grim::computer {

std::optional<Move> winningAttack(const Window& w, SideId side) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    if (s.btnDirect.enabled && gameSubs::occupiedSlots(s) > 0 && gameSubs::occupiedSlots(o) == 0)
        return Move{MoveKind::direct};
    if (!s.btnAttack.enabled) return std::nullopt;
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

bool sacrificeHasUse(const Window& w, SideId side, const Move& sacrifice, TrialPorts& trial) {
    const Side& s = w.side(side);
    const bool fromSlot = sacrifice.kind == MoveKind::sacrificeSlot;
    Window copy(trial.ports());
    auto wants = [&](Move m) {
        if (!clickable(s, m)) return false;
        copyDuel(w, copy);
        trial.clear();
        applyMove(copy, side, m);
        return trial.refused && (trial.refusal == MessageId::sacrificedCost ||
                                 (fromSlot && trial.refusal == MessageId::fieldFull));
    };
    for (int i = 0; i < s.lstHand.count(); ++i) {
        if (!fromSlot && i == sacrifice.hand) continue;
        if (!s.lstHand.item(i).special()) {
            if (wants(Move{MoveKind::field, i})) return true;
            continue;
        }
        // A special card may need a slot picked before it asks for its price.
        for (int slot = 0; slot <= slotCount; ++slot)
            if (wants(Move{MoveKind::special, i, slot})) return true;
    }
    return false;
}

std::vector<Move> sensibleMoves(const Window& w, SideId side, std::vector<Move> legal, TrialPorts& trial) {
    for (const Move& m : legal)
        if (m.kind == MoveKind::q5 || m.kind == MoveKind::draw) return {m};
    const bool fightOpen = winningAttack(w, side).has_value();
    std::vector<Move> kept;
    for (const Move& m : legal) {
        const bool sacrifice = m.kind == MoveKind::sacrificeHand || m.kind == MoveKind::sacrificeSlot;
        if (sacrifice && !sacrificeHasUse(w, side, m, trial)) continue;
        if (fightOpen && m.kind == MoveKind::end) continue;
        kept.push_back(m);
    }
    return kept.empty() ? legal : kept;
}

} // namespace grim::computer
