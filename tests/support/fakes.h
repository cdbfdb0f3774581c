// Test doubles for the core's ports, and what the core tests share.
#pragma once

#include "board/formats.h"
#include "board/game_subs.h"
#include "board/registry.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"
#include "online/board_parts.h"
#include "program/startup.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace grim {
inline std::ostream& operator<<(std::ostream& o, SideId s) { return o << idText(s); }
} // namespace grim

namespace grim::test {

// The refusals of a card whose cost cannot be paid, and the message of a connection that failed.
inline const char* const lpShort = "The LP cost of this card would reduce your LP to zero. Action cancelled.";
inline const char* const cShort = "You don't have enough cards SACRIFICED.";
inline const std::string connectionError =
    "The online connection has encountered an error. I don't know why. Start a new game and please wait 3 "
    "minutes before rejoining/reconnecting";

using Log = std::vector<std::string>; // "message: ...", "question: ...", "sound: ...", "send: ..."

template <class T, class D> T pop(std::deque<T>& q, D fallback) {
    if (q.empty()) return fallback;
    T v = q.front();
    return q.pop_front(), v;
}

// All the ports in one: each records its own events, and all go into one ordered log too.
struct FakePorts : Prompter, Sound, Clock, Random, Socket {
    Log log;
    std::vector<std::string> messages, questions, dialogs, played; // a file dialog as "folder: title"
    std::deque<bool> answers;                                      // unscripted questions answer No
    std::deque<std::optional<std::string>> files;                  // unscripted dialogs are cancelled
    std::function<void()> whileOpen; // runs while a box is open, as the events its own loop lets through
    std::string now = "9:05:31 PM";
    std::deque<double> script; // the random fractions drawn first, then a seeded sequence
    SeededRandom fallback{12345};

    void message(MessageId, const std::string& text, const std::string& title) override {
        if (whileOpen) whileOpen();
        messages.push_back(text);
        log.push_back((title == "Message" ? "message" : title) + ": " + text);
    }
    bool question(MessageId, const std::string& text, bool) override {
        if (whileOpen) whileOpen();
        questions.push_back(text);
        log.push_back("question: " + text);
        return pop(answers, false);
    }
    std::optional<std::string> openFile(const std::string&, const std::string& folder,
                                        const std::string& title) override {
        dialogs.push_back(folder + ": " + title);
        return pop(files, std::nullopt);
    }
    std::optional<std::string> saveFile(const std::string&) override { return pop(files, std::nullopt); }
    void play(const std::string& name) override { played.push_back(name), log.push_back("sound: " + name); }
    std::string timeOfDay() override { return now; }
    double next() override { return script.empty() ? fallback.next() : pop(script, 0.0); }
    void close() override {}
    bool listen(std::uint16_t, std::string&) override { return true; }
    void accept(std::int32_t) override {}
    void connect(const std::string&, std::uint16_t) override {}
    State state() const override { return State::closed; }
    void send(const std::string& m) override { log.push_back("send: " + m); }
};

// Lays out a control of the duel from the text it would show; a text it cannot show throws.
inline void put(Counter& c, std::string_view text) { c.value = counterOfText(text).value(); }
inline void put(FieldSlot& slot, std::string_view text) {
    const FieldSlot laid = slotOfText(text).value();
    slot.card = laid.card, slot.power = laid.power;
}
// A card list from card entries, a graveyard from its items' texts.
template <class T> void put(List<T>& list, const std::vector<std::string>& texts) {
    std::vector<T> items;
    for (const auto& s : texts)
        items.push_back(std::get<std::optional<T>>(std::tuple(cardOfEntry(s), graveItemOfText(s))).value());
    list.setItems(std::move(items));
}

// Every control by name, and the counters: its flags (enabled, visible; then a switch's checked, a list's
// selection), then after a blank a box's text or a list's items, each ending with "|".
inline std::map<std::string, std::string> snapshot(const Window& w) {
    std::map<std::string, std::string> s;
    auto flags = [](bool e, bool v) { return std::to_string(e) + std::to_string(v); };
    forEachControl(w, [&](const std::string& name, const auto& c) {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, Switch>)
            s[name] = flags(c.enabled, c.visible) + std::to_string(c.checked);
        else if constexpr (std::is_same_v<C, Timer>)
            s[name] = std::to_string(c.on());
        else if constexpr (SelectableList<C>) {
            s[name] = flags(c.enabled, c.visible) + std::to_string(c.selected()) + " ";
            for (const auto& i : c.items())
                s[name] += itemText(i) + "|";
        } else
            s[name] = flags(c.enabled, c.visible) + " " + shownText(c);
    });
    s["counters"] = std::to_string(w.u1.turnSacrifices) + " " + std::to_string(w.u2.turnSacrifices) + " " +
                    std::to_string(w.timePassed) + " " + std::to_string(w.blnFirstMove);
    return s;
}

// The controls a test names: in a name "Me" stands for the side's suffix (U1 or U2), "Them" for the other's.
inline std::vector<std::string> named(const std::string& names, SideId me) {
    std::istringstream in(names);
    std::vector<std::string> out;
    for (std::string n; in >> n; out.push_back(n))
        for (auto [word, side] : {std::pair{std::string("Me"), me}, {std::string("Them"), other(me)}})
            if (const auto at = n.find(word); at != n.npos)
                n.replace(at, word.size(), side == SideId::u1 ? "U1" : "U2");
    return out;
}

// The flags of the named controls as 1 or 0: enabled (a timer: on), with ".v" visible, with ".c" checked.
inline std::string flags(const Window& w, const std::string& names, SideId me = SideId::u1) {
    const auto all = snapshot(w);
    std::string out;
    for (const auto& n : named(names, me))
        out += all.at(n.substr(0, n.find('.'))).at(n.find('.') == n.npos ? 0 : n.back() == 'v' ? 1 : 2);
    return out;
}

// The texts of the named boxes and lists, " "-separated; each item of a list ends with "|".
inline std::string texts(const Window& w, const std::string& names, SideId me = SideId::u1) {
    const auto all = snapshot(w);
    std::string out, between;
    for (const auto& n : named(names, me)) // what follows a box's or a list's flags and the blank after them
        out += std::exchange(between, " ") + all.at(n).substr(all.at(n).find(' ') + 1);
    return out;
}

// The board as the hand-over's eight parts write it, a part a line.
inline std::string board(const Window& w) {
    std::string text;
    for (int n = 1; n <= 8; ++n)
        text += onlineSubs::encodePart(w, n) + "\n";
    return text;
}

// A window core after start-up, with its side of interest ("me") and helpers to lay out a board.
struct TestWindow {
    FakePorts p;
    Window w{Ports{&p, &p, &p, &p, &p}};
    SideId me;
    explicit TestWindow(SideId side = SideId::u1, const std::string& folder = "/nonexistent-grimward")
        : me(side) {
        formLoad(w, folder);
    }
    Side& mine() { return w.side(me); }
    Side& theirs() { return w.opponent(me); }
    void myTurn() { // a game on one machine in which it is my full turn
        w.menu.smnOffline.checked = w.menu.smnNewGame.enabled = true;
        w.menu.smnOffline.enabled = w.menu.smnOnline.enabled = false, gameSubs::enableSide(w, me);
        w.timers.tmrTurnLimit.setOn(true);
    }
    template <class List> static void fill(List& list, Counter& count, const std::vector<std::string>& items) {
        put(list, items);
        count.value = static_cast<std::int16_t>(items.size());
    }
    std::string flags(const std::string& names) const { return test::flags(w, names, me); }
    std::string texts(const std::string& names) const { return test::texts(w, names, me); }
    // Shows exactly this message (none if empty; "question: ..." answered No), changes nothing else.
    testing::AssertionResult refused(const std::function<void()>& act, const std::string& message) {
        const auto before = snapshot(w);
        const auto logged = p.log.size();
        const bool asked = message.starts_with("question: ");
        act();
        if (const Log shown(p.log.begin() + static_cast<long>(logged), p.log.end());
            shown != (message.empty() ? Log{} : Log{asked ? message : "message: " + message}))
            return testing::AssertionFailure() << "shown: " << testing::PrintToString(shown);
        for (const auto& [name, state] : snapshot(w))
            if (before.at(name) != state)
                return testing::AssertionFailure() << name << " changed to " << state;
        return testing::AssertionSuccess();
    }
};

struct MyTurn : TestWindow { // a window core on one machine in which it is this side's full turn
    explicit MyTurn(SideId side = SideId::u1) : TestWindow(side) { myTurn(); }
};

inline std::string lastLine(const Window& w) { return w.txtChat.text.substr(w.txtChat.text.rfind('\n') + 1); }

inline std::string entry(int code) { return cardSubs::record(code)->name; }
inline std::string fielded(int code) { return entry(code) + " " + cardSubs::record(code)->power; }
// count entries of codes first, first+1, ... (regular codes stop at 165).
inline std::vector<std::string> entries(int count, int first = 100) {
    std::vector<std::string> v;
    for (int i = 0; i < count; ++i)
        v.push_back(entry(first + i % 66));
    return v;
}

// A list of entries of codes 100..109 by their last digits, and its selection.
template <class List> std::string digits(const List& l) {
    std::string s;
    for (const auto& item : l.items())
        s += itemText(item).substr(3, 1);
    return s + " " + std::to_string(l.selected());
}

struct TempFolder { // a temporary folder for the files a test writes, removed with everything in it
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("grimward-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempFolder() { std::filesystem::create_directories(dir); }
    ~TempFolder() { std::filesystem::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string raw(const std::string& name, const std::string& bytes) const {
        return std::ofstream(path(name), std::ios::binary) << bytes, path(name);
    }
    std::string deck(const std::string& name, const std::vector<std::string>& items) const {
        return deckFile::write(path(name), items), path(name);
    }
    std::string bytes(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

} // namespace grim::test
