#include "rules/costs.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;
using gameSubs::fieldingCost;

TEST(Costs, TableByCodeAtEveryBoundary) {
    struct Case {
        int code, life, sacrificed;
    };
    const Case cases[] = {{100, 0, 0}, {119, 0, 0}, {120, 0, 1}, {134, 0, 1}, {135, 1, 1},
                          {149, 1, 1}, {150, 1, 2}, {159, 1, 2}, {160, 2, 2}, {164, 2, 2},
                          {165, 5, 5}, {166, 0, 0}, {200, 0, 0}, {228, 0, 0}, {99, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(fieldingCost(c.code).life, c.life);
        EXPECT_EQ(fieldingCost(c.code).sacrificed, c.sacrificed);
    }
}

TEST(Costs, LifePointsMustStayAboveZero) {
    TestWindow t;
    Window& w = t.w;
    w.u2.txtLp.text = "3";
    EXPECT_EQ(gameSubs::payLifePoints(w, "u2", 2), "passed");
    EXPECT_EQ(w.u2.txtLp.text, "1");
    EXPECT_EQ(w.u1.txtLp.text, "25");

    const auto before = snapshot(w);
    EXPECT_EQ(gameSubs::payLifePoints(w, "u2", 1), "failed");
    EXPECT_EQ(gameSubs::payLifePoints(w, "someone", 1), "failed"); // any other text is player 2
    EXPECT_EQ(snapshot(w), before);
    EXPECT_EQ(t.prompter.messages,
              std::vector<std::string>(2, "The LP cost of this card would reduce your LP to "
                                          "zero. Action cancelled."));
    EXPECT_EQ(t.prompter.titles.front(), "Message");

    w.u1.txtLp.text = "0";
    EXPECT_EQ(gameSubs::payLifePoints(w, "u1", 0), "failed");
}

TEST(Costs, SacrificedCardsMayBeSpentToZero) {
    TestWindow t;
    Window& w = t.w;
    w.u1.txtSacriCnt.text = "2";
    EXPECT_EQ(gameSubs::paySacrificed(w, "u1", 3), "failed");
    EXPECT_EQ(t.prompter.lastMessage(), "You don't have enough cards SACRIFICED.");
    EXPECT_EQ(w.u1.txtSacriCnt.text, "2");
    EXPECT_EQ(gameSubs::paySacrificed(w, "u1", 2), "passed");
    EXPECT_EQ(w.u1.txtSacriCnt.text, "0");
    EXPECT_EQ(gameSubs::paySacrificed(w, "u1", 0), "passed");
}

TEST(Costs, BothAreCheckedBeforeEitherIsPaid) {
    struct Case {
        const char* lp;
        const char* c;
        int life, sacrificed;
        const char* result;
        const char* message; // "" when none
        const char* lpAfter;
        const char* cAfter;
    };
    const char* lpMessage = "The LP cost of this card would reduce your LP to zero. Action cancelled.";
    const char* cMessage = "You don't have enough cards SACRIFICED.";
    const Case cases[] = {
        {"2", "1", 1, 1, "passed", "", "1", "0"},        // level 3 with 2L and 1C
        {"1", "1", 1, 1, "failed", lpMessage, "1", "1"}, // the last life point cannot be paid
        {"25", "0", 0, 1, "failed", cMessage, "25", "0"},
        {"1", "0", 1, 1, "failed", lpMessage, "1", "0"}, // both short: only the LP message
        {"5", "0", 0, 0, "passed", "", "5", "0"},
        {"0", "3", 0, 0, "failed", lpMessage, "0", "3"},
        {"-32768", "32767", 0, 5, "failed", lpMessage, "-32768", "32767"},
        {"32767", "32767", 5, 5, "passed", "", "32762", "32762"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lp) + "L " + c.c + "C");
        TestWindow t;
        t.w.u1.txtLp.text = c.lp;
        t.w.u1.txtSacriCnt.text = c.c;
        EXPECT_EQ(gameSubs::payLifeAndSacrificed(t.w, "u1", c.life, c.sacrificed), c.result);
        if (*c.message)
            EXPECT_EQ(t.prompter.messages, std::vector<std::string>{c.message});
        else
            EXPECT_TRUE(t.prompter.messages.empty());
        EXPECT_EQ(t.w.u1.txtLp.text, c.lpAfter);
        EXPECT_EQ(t.w.u1.txtSacriCnt.text, c.cAfter);
        EXPECT_EQ(t.w.u2.txtLp.text, "25");
    }
}
