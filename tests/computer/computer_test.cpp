// The computer decides only from what player 2 can see; its moves go through the handlers, asking nothing.
#include "support/fakes.h"

#include "board/turn_state.h"
#include "computer/observation.h"
#include "computer/search.h"
#include "modes/computer_mode.h"
#include "modes/play_mode.h"
#include "rules/game_handlers.h"
#include "rules/shuffle.h"

#include <algorithm>

namespace grim::test {
namespace {

using namespace computer;

const char* const lessThan40 = "You have less than 40 cards! To play a real game you need 40. Try again.";

// VS COMPUTER chosen right after an online game ended; player 1 has opened its deck.
struct VsComputer : TestWindow {
    TempFolder folder;
    std::vector<std::string> computerCards = entries(40), playerCards = entries(40, 120);
    VsComputer() : TestWindow(SideId::u1, "/program") {
        for (int i = 0; i < 6; ++i)
            computerCards[static_cast<std::size_t>(i)] = entry(200 + i);
        w.online.txtPlayer.enabled = w.online.txtIp.enabled = w.online.optPlayer1.enabled = true;
        w.timers.tmrWait.setOn(true);
        p.files.push_back(folder.deck("computer.ucd", computerCards));
        computer::smnComputer_Click(w);
        p.files.push_back(folder.deck("player.ucd", playerCards));
        p.answers.push_back(false);
        gameSubs::btnOpen_Click(w, SideId::u1);
    }
};

TEST(ComputerMode, choosingTheComputersDeck) {
    TempFolder folder;
    using Case = std::pair<std::optional<std::string>, const char*>; // the file chosen, the refusal
    for (const auto& [file, refusal] :
         {Case{std::nullopt, ""}, Case{folder.deck("short.ucd", entries(39)), lessThan40},
          Case{folder.raw("old.ucd", "version15\r\n"),
               "Your deck is outdated. Current deck version is 16."}}) {
        TestWindow t(SideId::u1, "/program");
        t.p.files.push_back(file);
        EXPECT_TRUE(t.refused([&] { computer::smnComputer_Click(t.w); }, refusal)) << refusal;
        EXPECT_EQ(t.p.dialogs, std::vector<std::string>{"/program/decks: Choose the computer's deck"});
    }
    VsComputer t;
    const std::string menu =
        "smnComputer.c smnComputer smnOffline smnOffline.c smnOnline smnOnline.c smnNewGame";
    EXPECT_EQ(t.flags(menu + " txtPlayer txtIp optPlayer1 tmrWait"), "10000010000");
    EXPECT_EQ(t.w.computerDeck, t.computerCards);
    EXPECT_TRUE(gameRunning(t.w)); // closing would ask; the computer's cards are hidden, player 1's are not
    EXPECT_EQ(t.flags("tmrTurnLimit btnEndU1 lstHandU1.v lstDeckU2.v lstHandU2.v"), "11100");
    EXPECT_TRUE(t.refused([&] { computer::smnComputer_Click(t.w); }, ""));

    t.p.answers.push_back(true);
    onlineSubs::smnNewGame_Click(t.w);
    EXPECT_EQ(t.p.questions.back(), "Start a new game?");
    EXPECT_EQ(t.flags(menu + " lstDeckU2.v lstHandU2.v"), "011010011");
    EXPECT_TRUE(t.w.computerDeck.empty());
}

TEST(ComputerMode, movesAreLoggedClickedAndAskNothing) {
    VsComputer t;
    Window& w = t.w;
    const Move q5{MoveKind::q5};
    EXPECT_FALSE(computerToMove(w)); // not the computer's turn: nothing happens
    EXPECT_TRUE(t.refused([&] { playComputerMove(w, q5); }, ""));

    gameSubs::btnEnd_Click(w, SideId::u1);
    ASSERT_TRUE(computerToMove(w));
    const auto computerFiles = [] {
        return std::ranges::count_if(
            std::filesystem::directory_iterator(std::filesystem::temp_directory_path()),
            [](const auto& e) { return e.path().filename().string().starts_with("grimward-computer-"); });
    };
    const auto before = computerFiles();
    const std::size_t questionsBefore = t.p.questions.size();
    playComputerMove(w, Move{MoveKind::open});
    EXPECT_EQ(lastLine(w), "<[9:05:31 PM] Computer (NORMAL) opens its deck.>");
    EXPECT_EQ(computerFiles(), before);
    EXPECT_NE(itemTexts(w.u2.lstDeck), t.computerCards); // shuffled: the question was answered Yes
    EXPECT_EQ(t.flags("btnAttackU2 btnOpenU2 tmrTurnLimit") + t.texts("txtDeckCntU2"), "10140");

    playComputerMove(w, q5);
    EXPECT_EQ(lastLine(w) + " " + shownText(w.u2.txtHandCnt), "<[9:05:31 PM] Computer draws with Q5.> 5");
    const std::string first = itemText(w.u2.lstHand.item(0));
    playComputerMove(w, Move{MoveKind::sacrificeHand, 0});
    EXPECT_EQ(lastLine(w), "<[9:05:31 PM] Computer sacrifices " + first + " from its hand.>");
    EXPECT_EQ(itemTexts(w.u2.cmbGrave), std::vector<std::string>{first});
    EXPECT_EQ(t.p.questions.size(), questionsBefore); // neither the shuffle nor the sacrifice asked

    const auto messages = t.p.messages.size(); // a move the rules refuse becomes END, with no message
    playComputerMove(w, Move{MoveKind::attack, -1, 3, 1});
    EXPECT_EQ(lastLine(w), "<[9:05:31 PM] Computer ends its turn.>");
    EXPECT_EQ(t.p.messages.size(), messages);
    EXPECT_TRUE(hasTurn(w.u1));
    EXPECT_FALSE(computerToMove(w));
}

TEST(ComputerMoves, logTextsAndWhatTheMovesDo) {
    MyTurn t(SideId::u2);
    Side& s = t.w.u2;
    TestWindow::fill(s.lstHand, s.txtHandCnt, {entry(120), entry(213)});
    put(s.slot(2), fielded(150)), put(s.slot(5), fielded(104)), put(t.w.u1.slot(4), fielded(104));
    // What the log says of the side, and what a hint says to the player.
    const std::tuple<Move, const char*, const char*> cases[] = {
        {{MoveKind::draw}, "draws a card.", "draw a card."},
        {{MoveKind::sacrificeSlot, -1, 5},
         "sacrifices [104] CAVEMAN from SLOT 5.",
         "sacrifice [104] CAVEMAN from SLOT 5."},
        {{MoveKind::field, 0}, "fields [120] OGRE.", "field [120] OGRE."},
        {{MoveKind::special, 1}, "plays [213] LIFEPOINT.", "play [213] LIFEPOINT."},
        {{MoveKind::special, 1, 2}, "plays [213] LIFEPOINT on SLOT 2.", "play [213] LIFEPOINT on SLOT 2."},
        {{MoveKind::direct},
         "attacks player 1's LIFEPOINTS directly.",
         "attack player 1's LIFEPOINTS directly."},
        {{MoveKind::master}, "uses MASTER.", "use MASTER."},
        {{MoveKind::attack, -1, 2, 4},
         "attacks [104] CAVEMAN in SLOT 4 with [150] ANGEL in SLOT 2.",
         "attack [104] CAVEMAN in SLOT 4 with [150] ANGEL in SLOT 2."},
        {{MoveKind::open}, "opens its deck.", "open your deck."},
        {{MoveKind::q5}, "draws with Q5.", "draw with Q5."},
        {{MoveKind::sacrificeHand, 1},
         "sacrifices [213] LIFEPOINT from its hand.",
         "sacrifice [213] LIFEPOINT from your hand."},
        {{MoveKind::end}, "ends its turn.", "end your turn."},
    };
    for (const auto& [move, log, hint] : cases) {
        EXPECT_EQ(describe(t.w, SideId::u2, move), log);
        EXPECT_EQ(describe(t.w, SideId::u2, move, Voice::hint), hint);
    }
    t.p.answers.push_back(true);
    applyMove(t.w, SideId::u2, std::get<0>(cases[1])); // moves do what they say
    EXPECT_EQ(itemTexts(s.cmbGrave), std::vector<std::string>{fielded(104)});
    applyMove(t.w, SideId::u2, std::get<0>(cases[7]));
    EXPECT_EQ(shownText(t.w.u1.slot(4)), "");
    MyTurn g(SideId::u2); // a special card picks the strongest card of each graveyard, by its catalogue power
    TestWindow::fill(g.w.u2.lstHand, g.w.u2.txtHandCnt, {entry(211)});
    TestWindow::fill(g.w.u2.cmbGrave, g.w.u2.txtGraveCnt, {fielded(101), entry(150), entry(120)});
    TestWindow::fill(g.w.u1.cmbGrave, g.w.u1.txtGraveCnt, {entry(140), fielded(160) + "0", entry(165)});
    const auto moves = candidateMoves(g.w, SideId::u2);
    const auto special = std::ranges::find(moves, MoveKind::special, &Move::kind);
    ASSERT_NE(special, moves.end());
    EXPECT_EQ(std::pair(special->grave, special->opponentGrave), std::pair(1, 2));
}

// Seeded random legal moves from the start until player 2 decides among several after `turns` turns.
struct Position : TestWindow {
    TempFolder folder;
    Position(std::uint64_t seed, int turns) {
        const std::string deck1 = folder.deck("a.ucd", entries(40)),
                          deck2 = folder.deck("b.ucd", entries(40, 126));
        onlineSubs::smnOffline_Click(w);
        TrialPorts trial(seed);
        SeededRandom pick(seed);
        int turn = 0;
        for (SideId last = SideId::u2; turn < 200;) {
            const SideId side = hasTurn(w.u1) ? SideId::u1 : SideId::u2;
            if (!hasTurn(w.side(side))) break;
            if (side != last) ++turn, last = side;
            const auto legal = legalMoves(w, side, trial);
            if (side == SideId::u2 && turn >= turns && legal.size() > 3) return;
            const Move m = legal[static_cast<std::size_t>(pick.next() * static_cast<double>(legal.size()))];
            p.files.push_back(side == SideId::u1 ? deck1 : deck2);
            p.answers.assign(3, true);
            applyMove(w, side, m);
            p.files.clear();
        }
        ADD_FAILURE() << "no position reached for seed " << seed;
    }
};

// Player 2's observation, and the move from a seed, change with all it can see and nothing else.
TEST(ComputerFairness, theChoiceIgnoresWhatPlayer2CannotSee) {
    const std::function<void(Window&)> visible[] = {
        [](Window& w) { put(w.u1.slot(3), entry(120) + " 150"); },
        [](Window& w) { w.u2.cmbSlotA.select(3); },
        [](Window& w) { ++w.timePassed; },
        [](Window& w) { w.timers.tmrTurnLimit.setOn(!w.timers.tmrTurnLimit.on()); },
        [](Window& w) { ++w.u2.turnSacrifices; },
        [](Window& w) { put(w.u2.lstDeck, entries(w.u2.lstDeck.count(), 131)); },
    };
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        Position game(seed, 2 + static_cast<int>(seed) * 2);
        const Window& w = game.w;
        const Observation seen = observe(w, SideId::u2);
        // Every level, and the hint: a search reading a hidden card or a clock chooses otherwise somewhere.
        const auto level = static_cast<Level>(seed % 3);
        const SearchOptions options{.seed = seed,
                                    .determinizations = 8,
                                    .level = level,
                                    .iterations = 200,
                                    .budget = std::chrono::hours(1)};
        const Move chosen = chooseMove(seen, options);
        const std::string hint = hintText(seen, options);

        for (int variant = 0; variant < 4; ++variant) {
            Window v = w; // the hidden lists shuffled, and for two variants player 1's other cards altogether
            for (CardList* list : {&v.u1.lstHand, &v.u1.lstDeck, &v.u2.lstDeck})
                gameSubs::shuffle(v, *list);
            if (variant == 1) put(v.u1.lstHand, entries(v.u1.lstHand.count(), 140));
            if (variant == 2) put(v.u1.lstDeck, entries(v.u1.lstDeck.count(), 100));
            if (variant == 3) v.u1.lstHand.select(0);
            v.txtChat.text += "\r\n<[12:00:00 PM] Computer draws a card.>";
            const Observation now = observe(v, SideId::u2);
            EXPECT_TRUE(sameView(now, seen)) << "seed " << seed << " variant " << variant;
            EXPECT_EQ(chooseMove(now, options), chosen) << "seed " << seed << " variant " << variant;
            EXPECT_EQ(hintText(now, options), hint) << "seed " << seed << " variant " << variant;
        }
        for (const auto& change : visible) {
            Window v = w;
            change(v);
            EXPECT_FALSE(sameView(observe(v, SideId::u2), seen))
                << "seed " << seed << " change " << &change - visible;
        }
    }
}

TEST(ComputerSearch, aStoppedSearchReturnsALegalMove) { // at once, though it would search for hours
    Position game(3, 8);
    game.w.u2.btnQ5.enabled = game.w.u2.btnAdd.enabled = false; // no draw, chosen without a search
    std::stop_source stop;
    stop.request_stop();
    const Move chosen = chooseMove(observe(game.w, SideId::u2), {3, 1 << 30}, stop.get_token());
    TrialPorts trial;
    EXPECT_EQ(std::ranges::count(legalMoves(game.w, SideId::u2, trial), chosen), 1);
}

// HARD wins this turn rather than later: fielding [115] MOTH lets it strike directly at once.
TEST(ComputerSearch, hardWinsNowRatherThanLater) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        MyTurn t(SideId::u2);
        TestWindow::fill(t.w.u2.lstHand, t.w.u2.txtHandCnt, {entry(165), entry(162), entry(115), entry(148)});
        t.w.u1.txtLp.value = t.w.u2.txtLp.value = 1;
        std::vector<MoveKind> played;
        for (int guard = 0; guard < 6 && hasTurn(t.w.u2); ++guard) {
            const Move m = chooseMove(observe(t.w, SideId::u2), {.seed = seed, .level = Level::hard});
            played.push_back(m.kind);
            applyMove(t.w, SideId::u2, m);
        }
        EXPECT_EQ(played, (std::vector{MoveKind::field, MoveKind::direct, MoveKind::end})) << "seed " << seed;
        EXPECT_EQ(shownText(t.w.u2.slot(1)), fielded(115));
        ASSERT_FALSE(t.p.messages.empty());
        EXPECT_EQ(t.p.messages.back(), "Player 2 wins.") << "seed " << seed;
    }
}

// A dealt board shuffles player 2's deck and deals player 1's hand and deck from the cards it has not shown.
TEST(ComputerFairness, eachDealShufflesTheUnseenCards) {
    Position game(4, 10);
    const Observation seen = observe(game.w, SideId::u2);
    std::vector<CardId> shown;
    for (const auto& item : game.w.u1.cmbGrave.items())
        shown.push_back(item.card);
    for (const auto& slot : game.w.u1.txtAtt)
        if (slot.card) shown.push_back(*slot.card);
    std::vector<std::vector<CardId>> own, unseen;
    for (std::uint64_t seed : {1, 2}) {
        SeededRandom random(seed);
        Window dealt{Ports{&game.p, &game.p, &game.p, &random, &game.p}};
        determinize(seen, dealt, dealt.ports);
        own.push_back(dealt.u2.lstDeck.items());
        unseen.push_back(dealt.u1.lstHand.items());
        unseen.back().insert(unseen.back().end(), dealt.u1.lstDeck.items().begin(),
                             dealt.u1.lstDeck.items().end());
        EXPECT_EQ(dealt.u1.lstHand.count(), game.w.u1.lstHand.count());
        EXPECT_EQ(dealt.u1.lstDeck.count(), game.w.u1.lstDeck.count());
        for (const auto& card : unseen.back())
            EXPECT_EQ(std::ranges::count(shown, card) + std::ranges::count(unseen.back(), card), 1)
                << itemText(card);
    }
    EXPECT_NE(own[0], own[1]);
    EXPECT_TRUE(std::ranges::is_permutation(own[0], game.w.u2.lstDeck.items()));
    EXPECT_NE(unseen[0], unseen[1]);
}

} // namespace
} // namespace grim::test
