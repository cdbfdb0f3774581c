// Test doubles for the core's ports: they record what the program showed and played,
// and answer questions, file dialogs and random draws from a script.
#pragma once

#include "board/ports.h"
#include "board/window.h"
#include "program/startup.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace grim {
inline std::ostream& operator<<(std::ostream& o, SideId s) {
    return o << idText(s);
}
} // namespace grim

namespace grim::test {

struct FakePrompter : Prompter {
    std::vector<std::string> messages;            // every message box text, in order
    std::vector<std::string> titles;              // their titles
    std::vector<std::string> questions;           // every question asked
    std::deque<bool> answers;                     // scripted answers; unscripted questions answer No
    std::deque<std::optional<std::string>> files; // scripted dialog results; unscripted cancel
    std::vector<std::string> filters;

    void message(const std::string& text, const std::string& title) override {
        messages.push_back(text);
        titles.push_back(title);
    }
    bool question(const std::string& text, bool) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> nextFile(const std::string& filter) {
        filters.push_back(filter);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<std::string> openFile(const std::string& filter) override { return nextFile(filter); }
    std::optional<std::string> saveFile(const std::string& filter) override { return nextFile(filter); }

    std::string lastMessage() const { return messages.empty() ? std::string() : messages.back(); }
};

struct FakeSound : Sound {
    std::vector<std::string> played;
    void play(const std::string& name) override { played.push_back(name); }
};

struct FakeClock : Clock {
    std::string now = "9:05:31 PM";
    std::string timeOfDay() override { return now; }
};

// Answers scripted fractions first, then a seeded sequence.
struct ScriptedRandom : Random {
    std::deque<double> script;
    SeededRandom fallback{12345};
    double next() override {
        if (script.empty()) return fallback.next();
        const double r = script.front();
        script.pop_front();
        return r;
    }
};

// A complete window core with fake ports, after start-up.
struct TestWindow {
    FakePrompter prompter;
    FakeSound sound;
    FakeClock clock;
    ScriptedRandom random;
    ClosedSocket socket;
    Window w{Ports{prompter, sound, clock, random, socket}};

    explicit TestWindow(const std::string& programFolder = "/nonexistent-grimward-folder") {
        formLoad(w, programFolder);
    }
};

} // namespace grim::test
