#include "support/self_play.h"

#include "board/game_subs.h"
#include "board/inspection.h"
#include "board/startup.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"
#include "online/play_mode.h"
#include "rules/game_handlers.h"
#include "specials/activation.h"
#include "support/snapshot.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>

namespace grim::test {

namespace {

constexpr std::size_t maxFailures = 50;

const std::set<std::string, std::less<>>& refusalMessages() {
    static const std::set<std::string, std::less<>> messages{
        "No card has been selected to send to an ATTACK slot.",
        "Your ATTACK area is full. Action cancelled.",
        "No card in HAND selected for sacrifice. Sacrifice will not take place.",
        "There is no card to sacrifice in this slot. Sacrifice will not take place.",
        "You must have 5 cards on the FIELD to use MASTER.",
        "The LP cost of this card would reduce your LP to zero. Action cancelled.",
        "You don't have enough cards SACRIFICED.",
        "You need to select both slot #s.",
        "You can't ATTACK from an empty slot.",
        "You can't ATTACK an empty slot.",
        "You need at least 1 ATTACK card on the field to attack opponent's LIFEPOINTS.",
        "A DIRECT attack to opponent's LIFEPOINTS can only be done when opponent has no cards on FIELD.",
        "Your deck is outdated. Current deck version is 16.",
        "You have less than 40 cards! To play a real game you need 40. Try again.",
    };
    return messages;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool isResult(std::string_view m) {
    return m == "Player 1 wins." || m == "Player 2 wins." || m == "Game is a draw.";
}

// The text is exactly the decimal text of n.
bool shows(const TextBox& box, int n) {
    char buffer[12];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
    return box.text == std::string_view(buffer, static_cast<std::size_t>(end - buffer));
}

// Empty, or a catalogue entry, one blank and a 16-bit number written the usual way.
bool validSlot(const std::string& text) {
    if (text.empty()) return true;
    const auto blank = text.rfind(' ');
    if (blank == std::string::npos) return false;
    const std::string_view entry(text.data(), blank);
    const CardInfo* card = cardSubs::recordOf(entry);
    if (card == nullptr || card->name != entry) return false;
    const std::string_view number = std::string_view(text).substr(blank + 1);
    int value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) return false;
    if (value < -32768 || value > 32767) return false;
    return number == std::to_string(value);
}

bool anyTurnControlEnabled(const Side& s) {
    for (const Switch* b : {&s.btnOpen, &s.btnQ5, &s.btnAdd, &s.btnSacri, &s.btnSpecial, &s.btnField,
                            &s.btnDirect, &s.btnMaster, &s.btnAttack, &s.btnEnd})
        if (b->enabled) return true;
    return std::any_of(s.lblAtt.begin(), s.lblAtt.end(), [](const Switch& l) { return l.enabled; });
}

// Occupied slot numbers of a field, 1 to 5.
std::vector<int> occupied(const std::array<TextBox, 5>& field) {
    std::vector<int> v;
    for (int i = 0; i < 5; ++i)
        if (!field[static_cast<std::size_t>(i)].text.empty()) v.push_back(i + 1);
    return v;
}

// Names of controls the pointer may pass over on the "GAME" tab.
const std::vector<std::string>& pointerTargets() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v{"btnHost", "btnJoin", "btnSet", "btnDisconnect", "txtChat", "txtMins"};
        for (const char* u : {"U1", "U2"}) {
            for (const char* base : {"btnAdd", "btnQ5", "btnOpen", "btnField", "btnSacri", "btnSpecial",
                                     "btnAttack", "btnDirect", "btnMaster", "btnEnd", "txtDeckCnt",
                                     "txtHandCnt", "txtGraveCnt", "txtLp", "txtSacriCnt", "lstHand"})
                v.push_back(std::string(base) + u);
            for (int i = 1; i <= 5; ++i) {
                v.push_back(std::string("txtAtt") + u + "_" + std::to_string(i));
                v.push_back(std::string("lblAtt") + u + "_" + std::to_string(i));
            }
        }
        return v;
    }();
    return names;
}

} // namespace

void SelfPlay::DriverPrompter::message(const std::string& text, const std::string&) {
    shown.push_back(text);
    if (isResult(text)) result = text;
}

bool SelfPlay::DriverPrompter::question(const std::string& text, bool) {
    bool yes = rng->next() < 0.5;
    if (!answers.empty()) {
        yes = answers.front();
        answers.pop_front();
    }
    asked.push_back(text);
    answered.push_back(yes);
    return yes;
}

std::optional<std::string> SelfPlay::DriverPrompter::openFile(const std::string&) {
    std::optional<std::string> file;
    if (!files.empty()) {
        file = files.front();
        files.pop_front();
    }
    if (!file) cancelled = true;
    return file;
}

std::optional<std::string> SelfPlay::DriverPrompter::saveFile(const std::string&) {
    return std::nullopt;
}

SelfPlay::SelfPlay(const std::string& deckFolder, SelfPlayOptions options)
    : options_(options), choices_(options.seed * 2 + 1), draws_(options.seed * 2 + 2),
      w_(Ports{prompter_, sound_, clock_, draws_, socket_}) {
    prompter_.rng = &choices_;
    formLoad(w_, deckFolder);
    writeDecks(deckFolder);
    addDefaultActions();
}

int SelfPlay::pick(int n) {
    const int i = static_cast<int>(choices_.next() * n);
    return std::min(i, n - 1);
}

bool SelfPlay::chance(double p) {
    return choices_.next() < p;
}

std::string SelfPlay::goodDeck() {
    return goodDecks_[static_cast<std::size_t>(pick(static_cast<int>(goodDecks_.size())))];
}

std::optional<std::string> SelfPlay::badDeck() {
    return badDecks_[static_cast<std::size_t>(pick(static_cast<int>(badDecks_.size())))];
}

void SelfPlay::selectSome(ListBox& list) {
    if (list.empty() || chance(0.1))
        list.clearSelection();
    else
        list.select(pick(list.count()));
}

void SelfPlay::writeDecks(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> regular, special;
    for (const auto& c : regCards())
        regular.push_back(c.name);
    for (const auto& c : spcCards())
        special.push_back(c.name);
    // Some cards of every kind, in a random order: a few special cards among regular ones.
    auto randomDeck = [&](int size) {
        std::vector<std::string> pool = regular;
        std::vector<std::string> deck;
        for (int i = 0; i < 6; ++i)
            pool.push_back(special[static_cast<std::size_t>(pick(29))]);
        while (static_cast<int>(deck.size()) < size) {
            const auto i = static_cast<std::size_t>(pick(static_cast<int>(pool.size())));
            deck.push_back(pool[i]);
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(i));
        }
        return deck;
    };
    const fs::path dir(folder);
    for (int i = 0; i < 4; ++i) {
        const auto path = (dir / ("good" + std::to_string(i) + ".ucd")).string();
        deckFile::write(path, randomDeck(40));
        goodDecks_.push_back(path);
    }
    const auto longDeck = (dir / "long.ucd").string(); // 41 cards: the first 40 are loaded
    deckFile::write(longDeck, randomDeck(41));
    goodDecks_.push_back(longDeck);

    const auto shortDeck = (dir / "short.ucd").string();
    deckFile::write(shortDeck, randomDeck(39));
    auto misspelt = randomDeck(40);
    misspelt[17] = "[105] CLOWNS";
    const auto misspeltDeck = (dir / "misspelt.ucd").string();
    deckFile::write(misspeltDeck, misspelt);
    const auto outdated = (dir / "outdated.ucd").string();
    std::ofstream(outdated, std::ios::binary) << "version15\r\n" << regular.front() << "\r\n";
    badDecks_ = {shortDeck, misspeltDeck, outdated, (dir / "missing.ucd").string(), folder, std::nullopt};
}

void SelfPlay::addDefaultActions() {
    auto on = [](const Switch Side::*control) {
        return [control](const Window&, const Side& s) { return (s.*control).enabled; };
    };
    actions.push_back(
        {"open", 10, on(&Side::btnOpen),
         [](SelfPlay& d, Side&) {
             d.chooseFile(d.chance(0.8) ? std::optional<std::string>(d.goodDeck()) : d.badDeck());
             d.answerNext(d.chance(0.5));
         },
         [](SelfPlay& d, std::string_view side) { gameSubs::btnOpen_Click(d.window(), side); }});
    actions.push_back({"draw", 6, on(&Side::btnAdd), nullptr,
                       [](SelfPlay& d, std::string_view side) { gameSubs::btnAdd_Click(d.window(), side); }});
    actions.push_back({"q5", 4, on(&Side::btnQ5), nullptr,
                       [](SelfPlay& d, std::string_view side) { gameSubs::btnQ5_Click(d.window(), side); }});
    actions.push_back(
        {"sacrifice hand card", 2, on(&Side::btnSacri),
         [](SelfPlay& d, Side& s) {
             d.selectSome(s.lstHand);
             d.answerNext(d.chance(0.85));
         },
         [](SelfPlay& d, std::string_view side) { gameSubs::btnSacri_Click(d.window(), side); }});
    actions.push_back(
        {"sacrifice field card", 2,
         [](const Window&, const Side& s) {
             return std::any_of(s.lblAtt.begin(), s.lblAtt.end(), [](const Switch& l) { return l.enabled; });
         },
         [](SelfPlay& d, Side& s) {
             std::vector<int> enabled;
             for (int i = 1; i <= 5; ++i)
                 if (s.lblAtt[static_cast<std::size_t>(i - 1)].enabled) enabled.push_back(i);
             d.chosenSlot = enabled[static_cast<std::size_t>(d.pick(static_cast<int>(enabled.size())))];
             d.answerNext(d.chance(0.85));
         },
         [](SelfPlay& d, std::string_view side) { gameSubs::lblAtt_Click(d.window(), side, d.chosenSlot); }});
    actions.push_back(
        {"field", 8, on(&Side::btnField),
         [](SelfPlay& d, Side& s) {
             d.selectSome(s.lstHand);
             d.answerNext(d.chance(0.6));
         },
         [](SelfPlay& d, std::string_view side) { gameSubs::btnField_Click(d.window(), side); }});
    actions.push_back(
        {"direct attack", 10, on(&Side::btnDirect), nullptr,
         [](SelfPlay& d, std::string_view side) { gameSubs::btnDirect_Click(d.window(), side); }});
    actions.push_back({"master", 10, on(&Side::btnMaster), nullptr, [](SelfPlay& d, std::string_view side) {
                           gameSubs::btnMaster_Click(d.window(), side);
                       }});
    actions.push_back(
        {"attack", 10, on(&Side::btnAttack),
         [](SelfPlay& d, Side& s) {
             const Side& opponent = &s == &d.window().u1 ? d.window().u2 : d.window().u1;
             const auto own = occupied(s.txtAtt);
             const auto theirs = occupied(opponent.txtAtt);
             auto choose = [&d](ListBox& selector, const std::vector<int>& useful) {
                 if (!useful.empty() && d.chance(0.9))
                     selector.select(
                         useful[static_cast<std::size_t>(d.pick(static_cast<int>(useful.size())))] - 1);
                 else
                     selector.select(d.pick(6) - 1); // -1 selects nothing
             };
             choose(s.cmbSlotA, own);
             choose(s.cmbSlotB, theirs);
         },
         [](SelfPlay& d, std::string_view side) { gameSubs::btnAttack_Click(d.window(), side); }});
    actions.push_back({"end turn", 3, on(&Side::btnEnd), nullptr,
                       [](SelfPlay& d, std::string_view side) { gameSubs::btnEnd_Click(d.window(), side); }});
    actions.push_back({"minute passes", 1,
                       [](const Window& w, const Side&) { return w.timers.tmrTurnLimit.on(); }, nullptr,
                       [](SelfPlay& d, std::string_view) { gameSubs::tmrTurnLimit_Timer(d.window()); }});
    actions.push_back({"inspect", 1, [](const Window&, const Side&) { return true; },
                       [](SelfPlay& d, Side& s) { d.selectSome(s.lstHand); },
                       [](SelfPlay& d, std::string_view side) {
                           gameSubs::lstHand_Click(d.window(), side);
                           const auto& names = pointerTargets();
                           gameSubs::controlMouseMove(
                               d.window(),
                               names[static_cast<std::size_t>(d.pick(static_cast<int>(names.size())))]);
                       }});
}

const Side* SelfPlay::actingSide() const {
    if (anyTurnControlEnabled(w_.u1)) return &w_.u1;
    if (anyTurnControlEnabled(w_.u2)) return &w_.u2;
    return nullptr;
}

void SelfPlay::fail(const std::string& actionName, const std::string& what) {
    if (failures.size() >= maxFailures) return;
    failures.push_back("seed " + std::to_string(options_.seed) + ", game " + std::to_string(game_) +
                       ", after " + actionName + ": " + what);
}

void SelfPlay::check(const std::string& actionName) {
    int sidesWithTurn = 0;
    for (const Side* s : {&w_.u1, &w_.u2}) {
        const std::string u = s == &w_.u1 ? "U1" : "U2";
        if (!shows(s->txtDeckCnt, s->lstDeck.count())) fail(actionName, "txtDeckCnt" + u + " does not match");
        if (!shows(s->txtHandCnt, s->lstHand.count())) fail(actionName, "txtHandCnt" + u + " does not match");
        if (!shows(s->txtGraveCnt, s->cmbGrave.count()))
            fail(actionName, "txtGraveCnt" + u + " does not match");
        if (s->lstHand.count() > 5) fail(actionName, "lstHand" + u + " holds more than 5 cards");
        if (s->lstDeck.count() > 40) fail(actionName, "lstDeck" + u + " holds more than 40 cards");
        for (const auto& slot : s->txtAtt)
            if (!validSlot(slot.text)) fail(actionName, "slot text [" + slot.text + "] of side " + u);
        if (s->turnSacrifices < 0 || s->turnSacrifices > 2)
            fail(actionName, std::to_string(s->turnSacrifices) + " sacrifices in one turn on side " + u);
        if (anyTurnControlEnabled(*s)) ++sidesWithTurn;
    }
    if (sidesWithTurn > 1) fail(actionName, "both sides have enabled turn controls");
    if (!prompter_.result.empty() && sidesWithTurn != 0)
        fail(actionName, "a side still has its turn after the end");
}

bool SelfPlay::refused() const {
    if (prompter_.cancelled) return true;
    if (!prompter_.shown.empty()) {
        const std::string& first = prompter_.shown.front();
        if (refusalMessages().count(first) != 0 || startsWith(first, "Line ") ||
            startsWith(first, "The deck file"))
            return true;
    }
    for (std::size_t i = 0; i < prompter_.asked.size(); ++i) {
        const std::string& q = prompter_.asked[i];
        if (!prompter_.answered[i] &&
            (q == "Do you want to sacrifice this card?" || startsWith(q, "Adding a SPECIAL")))
            return true;
    }
    return false;
}

GameRecord SelfPlay::playGame() {
    ++game_;
    GameRecord record;
    prompter_.result.clear();
    onlineSubs::smnOffline_Click(w_);
    check("OFFLINE");

    const Side* turnOf = nullptr;
    std::vector<std::size_t> candidates;
    while (const Side* acting = actingSide()) {
        if (acting != turnOf) {
            turnOf = acting;
            if (++record.turns > options_.maxTurns) break;
        }
        Side& side = acting == &w_.u1 ? w_.u1 : w_.u2;
        const std::string_view id = acting == &w_.u1 ? "u1" : "u2";

        candidates.clear();
        int total = 0;
        for (std::size_t i = 0; i < actions.size(); ++i) {
            if (actions[i].possible(w_, side)) {
                candidates.push_back(i);
                total += actions[i].weight;
            }
        }
        if (total == 0) {
            fail("turn", "the side whose turn it is can do nothing");
            break;
        }
        int roll = pick(total);
        std::size_t chosen = candidates.front();
        for (std::size_t i : candidates) {
            if (roll < actions[i].weight) {
                chosen = i;
                break;
            }
            roll -= actions[i].weight;
        }
        const Action& action = actions[chosen];

        prompter_.shown.clear();
        prompter_.asked.clear();
        prompter_.answered.clear();
        prompter_.cancelled = false;
        if (action.prepare) action.prepare(*this, side);
        std::optional<Window> before;
        if (options_.checkRefusals) before.emplace(w_);
        action.click(*this, id);
        ++record.actions;
        prompter_.answers.clear();
        prompter_.files.clear();

        check(action.name);
        if (before && refused() && !sameState(*before, w_))
            fail(action.name,
                 "a refused action changed the window (" +
                     (prompter_.shown.empty() ? std::string("no message") : prompter_.shown.front()) + ")");
    }

    const std::string& result = prompter_.result;
    record.result = result == "Player 1 wins."    ? GameRecord::Result::player1
                    : result == "Player 2 wins."  ? GameRecord::Result::player2
                    : result == "Game is a draw." ? GameRecord::Result::draw
                                                  : GameRecord::Result::unfinished;

    answerNext(true);
    onlineSubs::smnNewGame_Click(w_);
    prompter_.answers.clear();
    check("NEW GAME");
    for (const Side* s : {&w_.u1, &w_.u2}) {
        if (!s->lstDeck.empty() || !s->lstHand.empty() || !s->cmbGrave.empty() || s->txtLp.text != "25" ||
            s->txtSacriCnt.text != "0" || anyTurnControlEnabled(*s))
            fail("NEW GAME", "the board was not reset");
    }
    if (!w_.menu.smnOffline.enabled || w_.menu.smnOffline.checked || w_.menu.smnNewGame.enabled)
        fail("NEW GAME", "the menu is not back in its opening state");
    return record;
}

} // namespace grim::test
