// What the core asks of the world outside it. The Qt window implements these;
// tests implement them with fakes that record and answer from a script.
#pragma once

#include "board/messages.h"

#include <cstdint>
#include <optional>
#include <string>

namespace grim {

// The title of a message box and of every question.
inline const std::string messageTitle = "Message";

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A modal message box with an OK button, showing the message's text.
    virtual void message(MessageId id, const std::string& text, const std::string& title = messageTitle) = 0;
    // A modal Yes/No question titled "Message"; true for Yes. defaultNo makes No the default button.
    virtual bool question(MessageId id, const std::string& text, bool defaultNo = false) = 0;
    // The message, or the question, with its text from the table.
    void show(MessageId id) { message(id, messageString(id)); }
    bool ask(MessageId id, bool defaultNo = false) { return question(id, messageString(id), defaultNo); }
    // File dialogs with one filter, e.g. "Deck File (*.ucd)". Cancelling gives no path.
    // The open dialog starts in startFolder and shows title when they are given.
    virtual std::optional<std::string> openFile(const std::string& filter,
                                                const std::string& startFolder = {},
                                                const std::string& title = {}) = 0;
    virtual std::optional<std::string> saveFile(const std::string& filter) = 0;
};

class Sound {
  public:
    virtual ~Sound() = default;
    // Starts playing the named WAV file ("attack.wav") from the program's folder without waiting.
    // A missing or unplayable file plays nothing and reports nothing.
    virtual void play(const std::string& name) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // The local time of day as hours, minutes and seconds, e.g. "9:05:31 PM".
    virtual std::string timeOfDay() = 0;
};

class Random {
  public:
    virtual ~Random() = default;
    // A uniform fraction in [0, 1).
    virtual double next() = 0;
};

// The one TCP connection to the other window. Each send is delivered to the other side
// as one whole message (framed as online/framing.h says). Events (connection request,
// connected, data arrival, closed by the peer, error) reach the window's handlers, one at a time.
class Socket {
  public:
    enum class State { closed, listening, connecting, connected, error };
    virtual ~Socket() = default;
    // Closes a listening or connected socket; harmless when closed; no event follows.
    virtual void close() = 0;
    // Listens on all interfaces. On failure returns false and puts the reason in whyNot.
    virtual bool listen(std::uint16_t port, std::string& whyNot) = 0;
    virtual void accept(std::int32_t requestId) = 0;
    virtual void connect(const std::string& host, std::uint16_t port) = 0;
    virtual State state() const = 0;
    virtual void send(const std::string& message) = 0;
};

// The program's own generator: the same seed gives the same fractions on every compiler.
class SeededRandom final : public Random {
  public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    // splitmix64, then the top 53 bits as a fraction. Defined here: the self-play driver and
    // the search draw from their own generators on every step.
    double next() override {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

  private:
    std::uint64_t state_;
};

// A socket that is never connected, for a window that plays on one machine only.
class ClosedSocket final : public Socket {
  public:
    void close() override {}
    bool listen(std::uint16_t, std::string& whyNot) override {
        whyNot = "this window plays on one machine only";
        return false;
    }
    void accept(std::int32_t) override {}
    void connect(const std::string&, std::uint16_t) override {}
    State state() const override { return State::closed; }
    void send(const std::string&) override {}
};

} // namespace grim
