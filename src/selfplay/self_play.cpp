#include "selfplay/self_play.h"

#include "board/game_subs.h"
#include "board/inspection.h"
#include "board/registry.h"
#include "board/same_board.h"
#include "board/turn_state.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"
#include "modes/play_mode.h"
#include "program/startup.h"
#include "rules/fielding.h"
#include "rules/game_handlers.h"
#include "selfplay/invariants.h"
#include "specials/activation.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <set>

namespace grim::selfplay {

namespace {

constexpr std::size_t maxFailures = 50;

// The first message of an action that must leave the window as it was.
bool leavesTheWindowAsItWas(MessageId first) {
    using enum MessageId;
    switch (first) {
    case noCardToField: case fieldFull: case noHandCardToSacrifice: case emptySlotToSacrifice:
    case masterNeedsFullField: case lifeCost: case sacrificedCost: case selectBothSlots:
    case attackFromEmptySlot: case attackEmptySlot: case directNeedsAttacker: case directNeedsEmptyField:
    case deckOutdated: case lessThan40: case notACard: case deckUnreadable: case noSpecialSelected:
    case notASpecial:
        return true;
    default:
        return false;
    }
}

// 0-based numbers of the occupied slots of a side (the first `count` of `slots`).
struct Occupied {
    std::array<int, slotCount> slots{};
    int count = 0;
};
Occupied occupied(const Side& s) {
    Occupied o;
    for (int i = 0; i < slotCount; ++i)
        if (!s.txtAtt[static_cast<std::size_t>(i)].text.empty())
            o.slots[static_cast<std::size_t>(o.count++)] = i;
    return o;
}

} // namespace

GameResult resultOf(std::optional<MessageId> message) {
    return message == MessageId::player1Wins   ? GameResult::player1
           : message == MessageId::player2Wins ? GameResult::player2
           : message == MessageId::gameDrawn   ? GameResult::draw
                                               : GameResult::unfinished;
}

SelfPlay::SelfPlay(const std::string& deckFolder, SelfPlayOptions options)
    : options_(options), choices_(options.seed * 2 + 1), draws_(options.seed * 2 + 2),
      w_(Ports{this, &silence_, &clock_, &draws_, &socket_}) {
    formLoad(w_, deckFolder);
    forEachControl(w_, [this](const std::string& name, const auto&) { controlNames_.push_back(name); });
    writeDecks(deckFolder);
    addDefaultActions();
}

void SelfPlay::message(MessageId id, const std::string& text, const std::string&) {
    if (!shown_) {
        firstShown_ = id;
        firstText_ = text; // kept in one buffer: no allocation per message
    }
    shown_ = true;
    if (isResult(id)) result_ = id;
}

bool SelfPlay::question(MessageId id, const std::string&, bool) {
    bool yes = chance(0.5);
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.pop_front();
    }
    // Declining to sacrifice or to field a special card cancels the action.
    if (!yes && (id == MessageId::sacrificeQuestion || id == MessageId::specialFieldQuestion))
        cancelled_ = true;
    return yes;
}

std::optional<std::string> SelfPlay::openFile(const std::string&, const std::string&, const std::string&) {
    std::optional<std::string> file;
    if (!files_.empty()) {
        file = files_.front();
        files_.pop_front();
    }
    if (!file) cancelled_ = true;
    return file;
}

int SelfPlay::pick(int n) {
    return std::min(static_cast<int>(choices_.next() * n), n - 1);
}

std::optional<std::string> SelfPlay::someDeck() {
    if (chance(0.8)) return goodDecks_[static_cast<std::size_t>(pick(static_cast<int>(goodDecks_.size())))];
    return badDecks_[static_cast<std::size_t>(pick(static_cast<int>(badDecks_.size())))];
}

void SelfPlay::selectSome(ListBox& list) {
    if (list.empty() || chance(0.1))
        list.clearSelection();
    else
        list.select(pick(list.count()));
}

void SelfPlay::writeDecks(const std::string& folder) {
    std::vector<std::string> regular, special;
    for (const auto& c : regCards())
        regular.push_back(c.name);
    for (const auto& c : spcCards())
        special.push_back(c.name);
    // Regular cards with a few special ones among them, in a random order.
    auto randomDeck = [&](int size) {
        std::vector<std::string> pool = regular, deck;
        for (int i = 0; i < 6; ++i)
            pool.push_back(special[static_cast<std::size_t>(pick(static_cast<int>(special.size())))]);
        while (static_cast<int>(deck.size()) < size) {
            const auto i = static_cast<std::ptrdiff_t>(pick(static_cast<int>(pool.size())));
            deck.push_back(pool[static_cast<std::size_t>(i)]);
            pool.erase(pool.begin() + i);
        }
        return deck;
    };
    auto write = [&](const std::string& name, const std::vector<std::string>& entries) {
        const std::string path = folder + "/" + name + ".ucd";
        deckFile::write(path, entries);
        return path;
    };
    for (int i = 0; i < 4; ++i)
        goodDecks_.push_back(write("good" + std::to_string(i), randomDeck(40)));
    goodDecks_.push_back(write("long", randomDeck(41))); // the first 40 are loaded
    auto misspelt = randomDeck(40);
    misspelt[17] = "[105] CLOWNS";
    const std::string outdated = folder + "/outdated.ucd";
    std::ofstream(outdated, std::ios::binary) << "version15\r\n" << regular.front() << "\r\n";
    badDecks_ = {write("short", randomDeck(39)),
                 write("misspelt", misspelt),
                 outdated,
                 folder + "/missing.ucd",
                 folder,
                 std::nullopt};
}

void SelfPlay::addDefaultActions() {
    using namespace gameSubs;
    auto on = [](const Switch Side::*control) {
        return [control](const Window&, const Side& s) { return (s.*control).enabled; };
    };
    auto handler = [](void (*click)(Window&, SideId)) {
        return [click](SelfPlay& d, SideId side) { click(d.window(), side); };
    };
    auto selectAndAnswer = [](double yes) {
        return [yes](SelfPlay& d, Side& s) {
            d.selectSome(s.lstHand);
            d.answerNext(d.chance(yes));
        };
    };
    actions = {
        {"open", 10, on(&Side::btnOpen),
         [](SelfPlay& d, Side&) {
             d.chooseFile(d.someDeck());
             d.answerNext(d.chance(0.5));
         },
         handler(btnOpen_Click)},
        {"draw", 6, on(&Side::btnAdd), nullptr, handler(btnAdd_Click)},
        {"q5", 4, on(&Side::btnQ5), nullptr, handler(btnQ5_Click)},
        {"sacrifice hand card", 2, on(&Side::btnSacri), selectAndAnswer(0.85), handler(btnSacri_Click)},
        {"sacrifice field card", 2,
         [](const Window&, const Side& s) {
             return std::any_of(s.lblAtt.begin(), s.lblAtt.end(), [](const Switch& l) { return l.enabled; });
         },
         [](SelfPlay& d, Side& s) {
             do
                 d.chosenSlot = d.pick(slotCount) + 1;
             while (!s.lblAtt[static_cast<std::size_t>(d.chosenSlot - 1)].enabled);
             d.answerNext(d.chance(0.85));
         },
         [](SelfPlay& d, SideId side) { lblAtt_Click(d.window(), side, d.chosenSlot); }},
        {"field", 8, on(&Side::btnField), selectAndAnswer(0.6), handler(btnField_Click)},
        {"special", 4, on(&Side::btnSpecial),
         [](SelfPlay& d, Side& s) {
             // Mostly a special card of the hand, with a random slot chosen for its effect.
             std::vector<int> specials;
             for (int i = 0; i < s.lstHand.count(); ++i)
                 if (cardSubs::isSpecial(cardSubs::cardCode(s.lstHand.item(i)).value_or(0)))
                     specials.push_back(i);
             if (!specials.empty() && d.chance(0.8))
                 s.lstHand.select(
                     specials[static_cast<std::size_t>(d.pick(static_cast<int>(specials.size())))]);
             else
                 d.selectSome(s.lstHand);
             s.cmbSlotA.select(d.pick(slotCount + 1) - 1); // -1 selects nothing
         },
         [](SelfPlay& d, SideId side) { activationSubs::btnSpecial_Click(d.window(), side); }},
        {"direct attack", 10, on(&Side::btnDirect), nullptr, handler(btnDirect_Click)},
        {"master", 10, on(&Side::btnMaster), nullptr, handler(btnMaster_Click)},
        {"attack", 10, on(&Side::btnAttack),
         [](SelfPlay& d, Side& s) {
             // Mostly occupied slots on both sides, now and then any or none.
             auto choose = [&d](ListBox& selector, const Side& field) {
                 const auto used = occupied(field);
                 selector.select(used.count > 0 && d.chance(0.9)
                                     ? used.slots[static_cast<std::size_t>(d.pick(used.count))]
                                     : d.pick(slotCount + 1) - 1);
             };
             choose(s.cmbSlotA, s);
             choose(s.cmbSlotB, &s == &d.window().u1 ? d.window().u2 : d.window().u1);
         },
         handler(btnAttack_Click)},
        {"end turn", 3, on(&Side::btnEnd), nullptr, handler(btnEnd_Click)},
        {"minute passes", 1, [](const Window& w, const Side&) { return w.timers.tmrTurnLimit.on(); }, nullptr,
         [](SelfPlay& d, SideId) { tmrTurnLimit_Timer(d.window()); }},
        {"inspect", 1, [](const Window&, const Side&) { return true; },
         [](SelfPlay& d, Side& s) { d.selectSome(s.lstHand); },
         [](SelfPlay& d, SideId side) {
             lstHand_Click(d.window(), side);
             const auto& names = d.controlNames_;
             controlMouseMove(d.window(),
                              names[static_cast<std::size_t>(d.pick(static_cast<int>(names.size())))]);
         }},
    };
}

void SelfPlay::fail(const std::string& action, const std::string& what) {
    if (failures.size() < maxFailures)
        failures.push_back("seed " + std::to_string(options_.seed) + ", game " + std::to_string(game_) +
                           ", after " + action + ": " + what);
}

void SelfPlay::check(const std::string& action) {
    for (auto& problem : boardCheck_.problems(w_, result_.has_value()))
        fail(action, problem);
}

bool SelfPlay::refused() const {
    if (cancelled_) return true;
    return shown_ && leavesTheWindowAsItWas(firstShown_);
}

GameRecord SelfPlay::playGame() {
    ++game_;
    GameRecord record;
    result_.reset();
    onlineSubs::smnOffline_Click(w_);
    check("OFFLINE");

    const Side* turnOf = nullptr;
    int actionsThisTurn = 0;
    std::vector<char> possible;   // per action: whether the side may take it now
    std::optional<Window> before; // the window before the action, when refusals are checked
    for (const Side* acting; (acting = hasTurn(w_.u1) ? &w_.u1 : hasTurn(w_.u2) ? &w_.u2 : nullptr);) {
        if (acting != turnOf) {
            turnOf = acting;
            actionsThisTurn = 0;
            if (++record.turns > options_.maxTurns) break;
        }
        if (++actionsThisTurn > options_.maxActionsPerTurn) {
            fail("turn", "no progress: the turn has not passed after " +
                             std::to_string(options_.maxActionsPerTurn) + " actions");
            break;
        }
        const SideId id = acting == &w_.u1 ? SideId::u1 : SideId::u2;
        Side& side = w_.side(id);

        // A weighted choice among the possible actions.
        possible.resize(actions.size());
        int total = 0;
        for (std::size_t i = 0; i < actions.size(); ++i) {
            possible[i] = actions[i].possible(w_, side);
            total += possible[i] ? actions[i].weight : 0;
        }
        if (total == 0) {
            fail("turn", "the side whose turn it is can do nothing");
            break;
        }
        int roll = pick(total);
        std::size_t chosen = 0;
        for (; !possible[chosen] || roll >= actions[chosen].weight; ++chosen)
            roll -= possible[chosen] ? actions[chosen].weight : 0;
        const Action& action = actions[chosen];

        shown_ = false;
        cancelled_ = false;
        if (action.prepare) action.prepare(*this, side);
        if (options_.checkRefusals) before = w_;
        action.click(*this, id);
        ++record.actions;
        if (!answers_.empty()) answers_.clear();
        if (!files_.empty()) files_.clear();

        check(action.name);
        if (options_.checkRefusals && refused() && !sameBoard(*before, w_))
            fail(action.name, "a refused action changed the window (" +
                                  (shown_ ? firstText_ : std::string("no message")) + ")");
    }

    record.result = resultOf(result_);
    answerNext(true);
    onlineSubs::smnNewGame_Click(w_);
    answers_.clear();
    check("NEW GAME");
    for (const Side* s : {&w_.u1, &w_.u2})
        if (!s->lstDeck.empty() || !s->lstHand.empty() || !s->cmbGrave.empty() || s->txtLp.text != "25" ||
            s->txtSacriCnt.text != "0" || hasTurn(*s))
            fail("NEW GAME", "the board was not reset");
    if (!w_.menu.smnOffline.enabled || w_.menu.smnOffline.checked || w_.menu.smnNewGame.enabled)
        fail("NEW GAME", "the menu is not back in its opening state");
    return record;
}

} // namespace grim::selfplay
