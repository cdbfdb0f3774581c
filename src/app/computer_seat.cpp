#include "app/computer_seat.h"

#include "app/frmMain.h"
#include "modes/computer_mode.h"

#include <QTimer>

#include <exception>

namespace grim::app {

using computer::computerSide;

namespace {
// The pause between two of the computer's moves, and before its first move of a turn.
constexpr int moveInterval = 700;
} // namespace

ComputerSeat::ComputerSeat(frmMain& window, computer::SearchOptions options, std::uint64_t seed)
    : window_(window), tmrComputer_(new QTimer(&window)), options_(options), seeds_(seed) {
    tmrComputer_->setObjectName(QStringLiteral("tmrComputer"));
    tmrComputer_->setInterval(moveInterval);
    tmrComputer_->setSingleShot(true);
    connect(tmrComputer_, &QTimer::timeout, this, &ComputerSeat::settled);
}

ComputerSeat::~ComputerSeat() {
    search_.request_stop();
    if (search_.joinable()) search_.join();
}

void ComputerSeat::settled() {
    // A tick or a result that arrives while a message box is open waits for the event
    // that holds the box to end; the window calls again then.
    if (!window_.idle()) return;
    const Window& board = window_.core();
    if (hinting_) {
        // A hint for a board that has changed since would be thrown away.
        if (!computer::sameView(*asked_, computer::observe(board, asked_->me))) search_.request_stop();
        return;
    }
    const bool hasTurn = computer::computerToMove(board);
    // The player sees the turn pass before the computer's first move.
    if (hasTurn && !hadTurn_) tmrComputer_->start();
    hadTurn_ = hasTurn;
    if (thinking_) {
        // A move chosen for a board that has changed since would be thrown away.
        if (!hasTurn || !computer::sameView(*asked_, computer::observe(board, computerSide)))
            search_.request_stop();
        return;
    }
    if (!hasTurn) return;

    computer::Observation seen = computer::observe(board, computerSide);
    if (move_ && computer::sameView(*asked_, seen)) {
        if (tmrComputer_->isActive()) return;
        const computer::Move move = *move_;
        move_.reset();
        window_.forward([move](Window& core) { computer::playComputerMove(core, move); });
        // Counted from the end of the move, after any box it showed has been closed.
        tmrComputer_->start();
        return;
    }
    // Nothing chosen yet, or chosen for a board that has changed since.
    move_.reset();
    think(std::move(seen));
}

template <class Result>
void ComputerSeat::launch(computer::Observation seen,
                          Result (*work)(const computer::Observation&, const computer::SearchOptions&,
                                         std::stop_token),
                          void (ComputerSeat::*done)(std::optional<Result>)) {
    if (search_.joinable()) search_.join(); // it has sent its result: it is ending
    computer::SearchOptions options = options_;
    options.seed = static_cast<std::uint64_t>(seeds_.next() * 9007199254740992.0); // 2^53
    options.level = computer::computerLevel(window_.core());
    asked_ = seen;
    search_ = std::jthread([this, seen = std::move(seen), options, work, done](std::stop_token stop) {
        std::optional<Result> result = work(seen, options, stop);
        if (stop.stop_requested()) result.reset();
        QMetaObject::invokeMethod(
            this, [this, result, done] { (this->*done)(result); }, Qt::QueuedConnection);
    });
}

void ComputerSeat::think(computer::Observation seen) {
    thinking_ = true;
    launch<computer::Move>(
        std::move(seen),
        [](const computer::Observation& o, const computer::SearchOptions& options, std::stop_token stop) {
            try {
                return computer::chooseMove(o, options, stop);
            } catch (const std::exception&) {
                // A search that fails ends the computer's turn rather than the program.
                return computer::Move{computer::MoveKind::end};
            }
        },
        &ComputerSeat::chosen);
}

void ComputerSeat::hint() {
    const auto side = computer::hintSide(window_.core());
    if (thinking_ || hinting_ || !side) return;
    hinting_ = true;
    launch<std::string>(
        computer::observe(window_.core(), *side),
        [](const computer::Observation& o, const computer::SearchOptions& options, std::stop_token stop) {
            try {
                return computer::hintText(o, options, stop);
            } catch (const std::exception&) {
                return std::string(); // no hint rather than no program
            }
        },
        &ComputerSeat::hinted);
}

void ComputerSeat::hinted(std::optional<std::string> text) {
    hinting_ = false;
    if (text && !text->empty() && computer::sameView(*asked_, computer::observe(window_.core(), asked_->me)))
        window_.forward([text = *text](Window& w) { w.txtDescControls.text = text; });
    else
        settled();
}

void ComputerSeat::chosen(std::optional<computer::Move> move) {
    thinking_ = false;
    move_ = move;
    settled();
}

} // namespace grim::app
