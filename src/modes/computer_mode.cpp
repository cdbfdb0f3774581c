#include "modes/computer_mode.h"

#include "board/formats.h"
#include "board/message_log.h"
#include "board/turn_state.h"
#include "deck/deck_file.h"
#include "modes/play_mode.h"
#include "online/online_subs.h"
#include "rules/turn_flow.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

namespace grim::computer {

namespace {

// Answers the questions of the computer's own moves and its file dialog; every message
// goes on to the window's prompter.
class Answers final : public Prompter {
  public:
    Answers(Prompter& shown, std::string deckPath) : shown_(shown), deckPath_(std::move(deckPath)) {}
    void message(MessageId id, const std::string& text, const std::string& title) override {
        shown_.message(id, text, title);
    }
    bool question(MessageId, const std::string&, bool) override { return answer_; }
    std::optional<std::string> openFile(const std::string&, const std::string&, const std::string&) override {
        return deckPath_;
    }
    std::optional<std::string> saveFile(const std::string&) override { return std::nullopt; }
    // The answer to every question: Yes for the computer's moves, No to shuffling a deck
    // that is only being checked.
    bool answer_ = true;

  private:
    Prompter& shown_;
    std::string deckPath_;
};

// Puts the window's ports back when the move is done, whatever happens.
struct RestorePorts {
    Window& w;
    Ports saved;
    ~RestorePorts() { w.ports = saved; }
};

// The deck in the file as opening it for play reads it, with that operation's messages;
// nothing when it would be refused.
std::optional<std::vector<std::string>> checkedDeck(Window& w, const std::string& path) {
    Answers answers(*w.ports.prompter, path);
    answers.answer_ = false;
    TrialPorts trial;
    Ports ports = trial.ports();
    ports.prompter = &answers;
    Window scratch(ports);
    Side& s = scratch.side(computerSide);
    s.btnOpen.enabled = true;
    gameSubs::openDeckForPlay(scratch, s.lstDeck, s.btnOpen, s.txtDeckCnt, computerSide);
    if (s.btnOpen.enabled) return std::nullopt;
    return itemTexts(s.lstDeck);
}

// A private copy of the computer's deck to open: the file chosen may have changed since.
std::string writeDeckCopy(const Window& w) {
    std::error_code error;
    auto folder = std::filesystem::temp_directory_path(error);
    if (error) folder = ".";
    const auto unique = static_cast<unsigned long long>(w.ports.random->next() * 1e15);
    const auto path = (folder / ("grimward-computer-" + std::to_string(unique) + ".ucd")).string();
    deckFile::write(path, w.computerDeck);
    return path;
}

} // namespace

std::string sampleDeckFolder(const Window& w) {
    return (std::filesystem::path(w.programFolder) / "decks").string();
}

void smnComputer_Click(Window& w) {
    Menu& m = w.menu;
    if (!m.smnComputer.enabled) return;
    const auto path = w.ports.prompter->openFile(deckFile::filter, sampleDeckFolder(w), computerDeckTitle);
    if (!path) return;
    auto deck = checkedDeck(w, *path);
    if (!deck) return;
    w.computerDeck = std::move(*deck);
    onlineSubs::chooseMode(w, m.smnComputer);
    w.u1.btnOpen.enabled = true;
    // No connection in this mode: after an online game the panel stays disabled, and the
    // wait after that game's end no longer matters (choosing ONLINE enables the panel).
    onlineSubs::disableOnlineControls(w);
    w.timers.tmrWait.setOn(false);
    w.waitTicks = 0;
    // What the computer holds is its own until the game ends.
    Side& computer = w.side(computerSide);
    computer.lstDeck.visible = false;
    computer.lstHand.visible = false;
}

bool computerToMove(const Window& w) {
    return playMode(w) == PlayMode::computer && hasTurn(w.side(computerSide));
}

bool clickedByComputer(const Window& w, const Switch& control) {
    if (playMode(w) != PlayMode::computer) return false;
    const Side& s = w.side(computerSide);
    for (const Switch* button : s.turnButtons())
        if (&control == button) return true;
    for (const Switch& label : s.lblAtt)
        if (&control == &label) return true;
    return false;
}

bool clickedByComputer(const Window& w, const SlotSelector& control) {
    const Side& s = w.side(computerSide);
    return playMode(w) == PlayMode::computer && (&control == &s.cmbSlotA || &control == &s.cmbSlotB);
}

void playComputerMove(Window& w, const Move& m) {
    if (!computerToMove(w)) return;
    Move move = m;
    std::string deckPath;
    if (move.kind == MoveKind::open) {
        if (!w.side(computerSide).btnOpen.enabled) return;
        deckPath = writeDeckCopy(w);
    } else {
        TrialPorts trial;
        Window copy(trial.ports());
        copyDuel(w, copy);
        applyMove(copy, computerSide, move);
        if (trial.refused) {
            if (!w.side(computerSide).btnEnd.enabled) return;
            move = Move{MoveKind::end};
        }
    }
    const std::string level =
        move.kind == MoveKind::open ? "(" + std::string(levelName(computerLevel(w))) + ") " : std::string();
    logLine(w, "] Computer " + level + describe(w, computerSide, move) + ">");
    Answers answers(*w.ports.prompter, deckPath);
    {
        RestorePorts restore{w, w.ports};
        w.ports.prompter = &answers;
        applyMove(w, computerSide, move);
    }
    if (!deckPath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(deckPath, ignored);
    }
}

namespace {
Switch Menu::*levelItem(Level level) {
    static constexpr std::array<Switch Menu::*, 3> items{&Menu::smnLevelEasy, &Menu::smnLevelNormal,
                                                         &Menu::smnLevelHard};
    return items[static_cast<std::size_t>(level)];
}
constexpr std::array<Level, 3> levels{Level::easy, Level::normal, Level::hard};
} // namespace

void smnLevel_Click(Window& w, Level level) {
    for (const Level l : levels)
        (w.menu.*levelItem(l)).checked = l == level;
}

Level computerLevel(const Window& w) {
    for (const Level l : levels)
        if ((w.menu.*levelItem(l)).checked) return l;
    return Level::normal;
}

std::optional<SideId> hintSide(const Window& w) {
    const PlayMode mode = playMode(w);
    if (mode != PlayMode::offline && mode != PlayMode::computer) return std::nullopt;
    const auto side = sideToMove(w);
    if (mode == PlayMode::computer && side == computerSide) return std::nullopt;
    return side;
}

std::string hintText(const Observation& seen, SearchOptions options, std::stop_token stop) {
    options.level = Level::hard;
    return "Hint: " + describe(seen.board, seen.me, chooseMove(seen, options, stop), Voice::hint);
}

} // namespace grim::computer
