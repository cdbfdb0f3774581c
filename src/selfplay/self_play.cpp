#include "selfplay/self_play.h"

#include "board/game_subs.h"
#include "board/inspection.h"
#include "board/registry.h"
#include "board/same_board.h"
#include "cards/catalogue.h"
#include "computer/moves.h"
#include "deck/deck_file.h"
#include "program/startup.h"
#include "rules/fielding.h"
#include "rules/game_handlers.h"

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
        if (!s.txtAtt[static_cast<std::size_t>(i)].empty())
            o.slots[static_cast<std::size_t>(o.count++)] = i;
    return o;
}

} // namespace

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
        // Only a failure report reads the text; kept in one buffer: no allocation per message.
        if (options_.checkRefusals) firstText_ = text;
    }
    shown_ = true;
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

std::optional<std::string> SelfPlay::someDeck() {
    if (chance(0.8)) return goodDecks_[static_cast<std::size_t>(pick(static_cast<int>(goodDecks_.size())))];
    return badDecks_[static_cast<std::size_t>(pick(static_cast<int>(badDecks_.size())))];
}

template <class List> void SelfPlay::selectSome(List& list) {
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
    using computer::MoveKind;
    auto selectAndAnswer = [](double yes) {
        return [yes](SelfPlay& d, Side& s) {
            d.selectSome(s.lstHand);
            d.answerNext(d.chance(yes));
        };
    };
    // Each move of the table, with how often it is taken and the selections and answers it
    // comes with: mostly what a player would pick, now and then what the rules refuse.
    struct Habit {
        MoveKind kind;
        const char* name;
        int weight;
        std::function<void(SelfPlay&, Side&)> prepare;
    };
    const Habit habits[] = {
        {MoveKind::open, "open", 10,
         [](SelfPlay& d, Side&) {
             d.chooseFile(d.someDeck());
             d.answerNext(d.chance(0.5));
         }},
        {MoveKind::draw, "draw", 6, nullptr},
        {MoveKind::q5, "q5", 4, nullptr},
        {MoveKind::sacrificeHand, "sacrifice hand card", 2, selectAndAnswer(0.85)},
        {MoveKind::sacrificeSlot, "sacrifice field card", 2,
         [](SelfPlay& d, Side& s) {
             do
                 d.chosenSlot = d.pick(slotCount) + 1;
             while (!s.lblAtt[static_cast<std::size_t>(d.chosenSlot - 1)].enabled);
             d.answerNext(d.chance(0.85));
         }},
        {MoveKind::field, "field", 8, selectAndAnswer(0.6)},
        {MoveKind::special, "special", 4,
         [](SelfPlay& d, Side& s) {
             // Mostly a special card of the hand, with a random slot chosen for its effect.
             std::vector<int> specials;
             for (int i = 0; i < s.lstHand.count(); ++i)
                 if (s.lstHand.item(i).special())
                     specials.push_back(i);
             if (!specials.empty() && d.chance(0.8))
                 s.lstHand.select(
                     specials[static_cast<std::size_t>(d.pick(static_cast<int>(specials.size())))]);
             else
                 d.selectSome(s.lstHand);
             s.cmbSlotA.select(d.pick(slotCount + 1) - 1); // -1 selects nothing
         }},
        {MoveKind::direct, "direct attack", 10, nullptr},
        {MoveKind::master, "master", 10, nullptr},
        {MoveKind::attack, "attack", 10,
         [](SelfPlay& d, Side& s) {
             // Mostly occupied slots on both sides, now and then any or none.
             auto choose = [&d](SlotSelector& selector, const Side& field) {
                 const auto used = occupied(field);
                 selector.select(used.count > 0 && d.chance(0.9)
                                     ? used.slots[static_cast<std::size_t>(d.pick(used.count))]
                                     : d.pick(slotCount + 1) - 1);
             };
             choose(s.cmbSlotA, s);
             choose(s.cmbSlotB, &s == &d.window().u1 ? d.window().u2 : d.window().u1);
         }},
        {MoveKind::end, "end turn", 3, nullptr},
    };
    for (const Habit& h : habits)
        actions.push_back({h.name, h.weight, nullptr, h.prepare, nullptr, &computer::rowOf(h.kind)});
    actions.push_back({"minute passes", 1,
                       [](const Window& w, const Side&) { return w.timers.tmrTurnLimit.on(); }, nullptr,
                       [](SelfPlay& d, SideId) { gameSubs::tmrTurnLimit_Timer(d.window()); }});
    actions.push_back({"inspect", 1, [](const Window&, const Side&) { return true; },
                       [](SelfPlay& d, Side& s) { d.selectSome(s.lstHand); },
                       [](SelfPlay& d, SideId side) {
                           gameSubs::lstHand_Click(d.window(), side);
                           const auto& names = d.controlNames_;
                           gameSubs::controlMouseMove(
                               d.window(),
                               names[static_cast<std::size_t>(d.pick(static_cast<int>(names.size())))]);
                       }});
}

void SelfPlay::fail(int, std::string_view after, const std::string& what) {
    if (failures.size() < maxFailures)
        failures.push_back("seed " + std::to_string(options_.seed) + ", game " + std::to_string(game_) +
                           ", after " + std::string(after) + ": " + what);
}

bool SelfPlay::refused() const {
    if (cancelled_) return true;
    return shown_ && leavesTheWindowAsItWas(firstShown_);
}

GameRecord SelfPlay::playGame() {
    ++game_;
    return driveGame(w_, *this, {options_.maxTurns, options_.maxActionsPerTurn});
}

Actors::Step SelfPlay::act(SideId id) {
    Side& side = w_.side(id);
    // A weighted choice among the possible actions.
    weights_.resize(actions.size());
    int total = 0;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const Action& a = actions[i];
        total += weights_[i] =
            (a.move ? computer::clickable(side, *a.move) : a.possible(w_, side)) ? a.weight : 0;
    }
    if (total == 0) return {"turn", "the side whose turn it is can do nothing"};
    int roll = pick(total);
    std::size_t chosen = 0;
    for (; roll >= weights_[chosen]; ++chosen)
        roll -= weights_[chosen];
    const Action& action = actions[chosen];

    shown_ = false;
    cancelled_ = false;
    if (action.prepare) action.prepare(*this, side);
    if (options_.checkRefusals) before_ = w_;
    if (action.move)
        computer::click(w_, id, computer::Move{action.move->kind, -1, chosenSlot});
    else
        action.click(*this, id);
    if (!answers_.empty()) answers_.clear();
    if (!files_.empty()) files_.clear();

    if (options_.checkRefusals && refused() && !sameBoard(*before_, w_))
        fail(0, action.name,
             "a refused action changed the window (" + (shown_ ? firstText_ : std::string("no message")) +
                 ")");
    return {action.name, {}};
}

} // namespace grim::selfplay
