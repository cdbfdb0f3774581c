#include "rules/costs.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;

TEST(Costs, TableByCodeAtEveryBoundary) {
    struct Case {
        int code, life, sacrificed;
    };
    const Case cases[] = {{99, 0, 0},  {119, 0, 0}, {120, 0, 1}, {134, 0, 1}, {135, 1, 1},
                          {149, 1, 1}, {150, 1, 2}, {159, 1, 2}, {160, 2, 2}, {164, 2, 2},
                          {165, 5, 5}, {166, 0, 0}, {228, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(gameSubs::fieldingCost(c.code).life, c.life) << c.code;
        EXPECT_EQ(gameSubs::fieldingCost(c.code).sacrificed, c.sacrificed) << c.code;
    }
}

// Life points must stay above zero; sacrificed cards may be spent to zero. Paying both
// checks both before paying either, the life points first (more through fielding).
TEST(Costs, PaymentsAndRefusals) {
    const std::string lpMessage = "The LP cost of this card would reduce your LP to zero. Action cancelled.";
    enum Pay { life, sacrificed, both };
    struct Case {
        Pay pay;
        SideId side;
        const char *lp, *c;
        int l, s;
        gameSubs::Verdict result;
        std::string message; // "" when none
        const char *lpAfter, *cAfter;
    };
    const Case cases[] = {
        {life, SideId::u2, "3", "0", 2, 0, gameSubs::Verdict::passed, "", "1", "0"},
        {life, SideId::u2, "1", "0", 1, 0, gameSubs::Verdict::failed, lpMessage, "1", "0"},
        {life, SideId::u1, "0", "0", 0, 0, gameSubs::Verdict::failed, lpMessage, "0", "0"},
        {sacrificed, SideId::u1, "25", "2", 0, 3, gameSubs::Verdict::failed,
         "You don't have enough cards SACRIFICED.", "25", "2"},
        {sacrificed, SideId::u2, "25", "2", 0, 2, gameSubs::Verdict::passed, "", "25", "0"},
        {both, SideId::u2, "-32768", "32767", 0, 5, gameSubs::Verdict::failed, lpMessage, "-32768", "32767"},
        {both, SideId::u1, "32767", "32767", 5, 5, gameSubs::Verdict::passed, "", "32762", "32762"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(idText(c.side)) + " " + c.lp + "L " + c.c + "C");
        TestWindow t;
        Side& s = t.w.side(c.side);
        s.txtLp.text = c.lp;
        s.txtSacriCnt.text = c.c;
        const gameSubs::Verdict result = c.pay == life ? gameSubs::payLifePoints(t.w, c.side, c.l)
                                         : c.pay == sacrificed
                                             ? gameSubs::paySacrificed(t.w, c.side, c.s)
                                             : gameSubs::payLifeAndSacrificed(t.w, c.side, c.l, c.s);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(t.prompter.messages,
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(t.prompter.titles, std::vector<std::string>(t.prompter.messages.size(), "Message"));
        EXPECT_EQ(s.txtLp.text, c.lpAfter);
        EXPECT_EQ(s.txtSacriCnt.text, c.cAfter);
        EXPECT_EQ(t.w.opponent(c.side).txtLp.text, "25");
        EXPECT_EQ(t.w.opponent(c.side).txtSacriCnt.text, "0");
    }
}
