#include "app/keyboard.h"

#include "app/frmMain.h"
#include "board/turn_state.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QShortcut>
#include <QTabWidget>

namespace grim::app {

const std::vector<TurnKey>& turnKeys() {
    static const std::vector<TurnKey> keys{
        {"btnOpen", QKeySequence(Qt::Key_O), "Open your deck"},
        {"btnAdd", QKeySequence(Qt::Key_D), "Draw one card"},
        {"btnQ5", QKeySequence(Qt::Key_Q), "Draw to five cards"},
        {"btnSacri", QKeySequence(Qt::Key_X), "Sacrifice the hand card"},
        {"btnSpecial", QKeySequence(Qt::Key_S), "Play the special card"},
        {"btnField", QKeySequence(Qt::Key_F), "Field the hand card"},
        {"btnDirect", QKeySequence(Qt::Key_R), "Direct attack"},
        {"btnMaster", QKeySequence(Qt::Key_M), "Master"},
        {"btnAttack", QKeySequence(Qt::Key_A), "Attack"},
        {"btnEnd", QKeySequence(Qt::Key_E), "End the turn"},
    };
    return keys;
}

namespace {

// The control of that name of the side whose turn it is, if it is enabled and shown there (the
// computer's controls are shown disabled).
template <class T> T* ofSideToMove(frmMain* window, const char* control) {
    const auto side = sideToMove(window->core());
    if (!side) return nullptr;
    auto* w =
        window->findChild<T*>(QLatin1String(control) + QLatin1String(*side == SideId::u1 ? "U1" : "U2"));
    return w && w->isEnabled() && w->isVisible() ? w : nullptr;
}

} // namespace

void installTurnKeys(frmMain* window, QTabWidget* tabs, QWidget* gameTab) {
    auto onGameTab = [tabs, gameTab] {
        return tabs->currentWidget() == gameTab || tabs->currentWidget()->isAncestorOf(gameTab);
    };
    for (const TurnKey& k : turnKeys()) {
        auto* shortcut = new QShortcut(k.key, window);
        QObject::connect(shortcut, &QShortcut::activated, window, [=] {
            if (!onGameTab()) return;
            if (auto* button = ofSideToMove<QAbstractButton>(window, k.control)) button->click();
        });
        const QString tip = QString::fromLatin1(k.what) + QStringLiteral(" (") +
                            k.key.toString(QKeySequence::NativeText) + QLatin1Char(')');
        for (const char* u : {"U1", "U2"})
            if (auto* button =
                    window->findChild<QAbstractButton*>(QLatin1String(k.control) + QLatin1String(u)))
                button->setToolTip(tip);
    }
    // 1 to 5 choose SLOT A, Shift+1 to Shift+5 SLOT B, as choosing in the drop-down does.
    for (const auto& [selector, modifier, tip] :
         {std::tuple{"cmbSlotA", Qt::KeyboardModifiers(), "Your slot for the attack (keys 1 to 5)"},
          std::tuple{"cmbSlotB", Qt::KeyboardModifiers(Qt::ShiftModifier),
                     "The opponent's slot for the attack (keys Shift+1 to Shift+5)"}}) {
        for (int n = 1; n <= 5; ++n) {
            auto* shortcut = new QShortcut(QKeySequence(modifier | Qt::Key(Qt::Key_0 + n)), window);
            QObject::connect(shortcut, &QShortcut::activated, window, [=, name = selector] {
                if (!onGameTab()) return;
                if (auto* combo = ofSideToMove<QComboBox>(window, name); combo && n <= combo->count())
                    combo->setCurrentIndex(n - 1);
            });
        }
        for (const char* u : {"U1", "U2"})
            if (auto* combo = window->findChild<QComboBox*>(QLatin1String(selector) + QLatin1String(u)))
                combo->setToolTip(QLatin1String(tip));
    }
}

void installQuit(frmMain* window) {
    auto* options = window->findChild<QMenu*>(QStringLiteral("mnOptions"));
    options->addSeparator();
    QAction* quit = options->addAction(QStringLiteral("&QUIT"));
    quit->setObjectName(QStringLiteral("smnQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    window->addAction(quit); // its key works with the menu closed
    QObject::connect(quit, &QAction::triggered, window, &QWidget::close);
}

} // namespace grim::app
