#include "rules/costs.h"

#include "board/numbers.h"

namespace grim::gameSubs {

namespace {
} // namespace

Verdict payLifePoints(Window& w, SideId side, int life) {
    Side& s = w.side(side);
    const int p = readNumber(s.txtLp);
    if (p > life) {
        writeNumber(s.txtLp, p - life);
        return Verdict::passed;
    }
    w.ports.prompter->show(MessageId::lifeCost);
    return Verdict::failed;
}

Verdict paySacrificed(Window& w, SideId side, int sacrificed) {
    Side& s = w.side(side);
    const int c = readNumber(s.txtSacriCnt);
    if (c >= sacrificed) {
        writeNumber(s.txtSacriCnt, c - sacrificed);
        return Verdict::passed;
    }
    w.ports.prompter->show(MessageId::sacrificedCost);
    return Verdict::failed;
}

Verdict payLifeAndSacrificed(Window& w, SideId side, int life, int sacrificed) {
    Side& s = w.side(side);
    const int p = readNumber(s.txtLp);
    if (p <= life) {
        w.ports.prompter->show(MessageId::lifeCost);
        return Verdict::failed;
    }
    const int c = readNumber(s.txtSacriCnt);
    if (c < sacrificed) {
        w.ports.prompter->show(MessageId::sacrificedCost);
        return Verdict::failed;
    }
    writeNumber(s.txtLp, p - life);
    writeNumber(s.txtSacriCnt, c - sacrificed);
    return Verdict::passed;
}

} // namespace grim::gameSubs
