#include "rules/game_handlers.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;
using namespace grim::gameSubs;

TEST(Attack, TheWeakerCardGoesAndItsOwnerPays) {
    // own card in slot a, opposing card in slot b; then both slots, both life points and both graveyards
    const std::tuple<int, const char*, int, const char*, const char*> cases[] = {
        {5, "[120] OGRE 150", 1, "[105] CLOWN 100", "[120] OGRE 50  25 24 0  1 [105] CLOWN 100|"},
        {1, "[105] CLOWN 100", 5, "[120] OGRE 150", " [120] OGRE 50 24 25 1 [105] CLOWN 100| 0 "},
        {3, "[116] ZOMBIE 150", 3, "[121] DWARF 150", "  25 25 1 [116] ZOMBIE 150| 1 [121] DWARF 150|"},
        {2, "[165] OMEGA 32767", 4, "[116] ZOMBIE -32768",
         "[165] OMEGA 32767  25 24 0  1 [116] ZOMBIE -32768|"}};
    const std::string boxes = " txtLpMe txtLpThem txtGraveCntMe cmbGraveMe txtGraveCntThem cmbGraveThem";
    for (SideId side : {SideId::u1, SideId::u2})
        for (const auto& [a, own, b, theirs, after] : cases) {
            MyTurn t(side);
            Side &m = t.mine(), &o = t.theirs();
            put(m.slot(a), own);
            put(o.slot(b), theirs);
            m.cmbSlotA.select(a - 1);
            m.cmbSlotB.select(b - 1);
            o.cmbSlotA.select(0); // the other side's selectors play no part
            btnAttack_Click(t.w, side);
            EXPECT_EQ(t.texts("txtAttMe_" + std::to_string(a) + " txtAttThem_" + std::to_string(b) + boxes),
                      after);
            EXPECT_EQ(t.p.log, Log{"sound: attack.wav"});
            EXPECT_EQ(t.flags("btnEndMe btnAttackMe btnFieldMe lblAttMe_1"), "1000");
        }
}

TEST(Attack, RefusalsAndTheDirectAttack) {
    const char* const both = "You need to select both slot #s.";
    const std::tuple<int, int, const char*> refusals[] = {{1, 0, both},
                                                          {0, 5, both},
                                                          {2, 5, "You can't ATTACK from an empty slot."},
                                                          {1, 4, "You can't ATTACK an empty slot."}};
    for (SideId side : {SideId::u1, SideId::u2}) {
        MyTurn t(side);
        auto direct = [&] { btnDirect_Click(t.w, side); };
        EXPECT_TRUE(t.refused(
            direct, "You need at least 1 ATTACK card on the field to attack opponent's LIFEPOINTS."));
        put(t.mine().slot(1), fielded(100)), put(t.theirs().slot(5), fielded(100));
        for (const auto& [a, b, message] : refusals) {
            a ? t.mine().cmbSlotA.select(a - 1) : t.mine().cmbSlotA.clearSelection();
            b ? t.mine().cmbSlotB.select(b - 1) : t.mine().cmbSlotB.clearSelection();
            EXPECT_TRUE(t.refused([&] { btnAttack_Click(t.w, side); }, message)) << message;
        }
        EXPECT_TRUE(t.refused(direct, "A DIRECT attack to opponent's LIFEPOINTS can only be done when "
                                      "opponent has no cards on FIELD."));
        t.theirs().slot(5).clear();
        direct();
        EXPECT_EQ(t.texts("txtLpThem txtLpMe") + " " + t.flags("btnEndMe btnDirectMe"), "24 25 10");
        EXPECT_EQ(t.p.log.size(), 6u);   // the refusals' messages, and nothing for the attack
        t.mine().btnEnd.enabled = false; // a disabled button does nothing
        EXPECT_TRUE(t.refused([&] { btnEnd_Click(t.w, side); }, ""));
    }
}
