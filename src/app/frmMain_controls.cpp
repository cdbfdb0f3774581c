// The link between the core's controls and the widgets: rendering the core into them,
// taking the player's selections, typing and choices back into the core, and routing the
// controls' clicks, keys and ticks to the core's handlers.
#include "app/frmMain.h"

#include "app/control_binding.h"
#include "app/deck_view.h"
#include "app/event_routes.h"
#include "app/glance.h"
#include "app/slot_label.h"

#include "board/formats.h"
#include "board/registry.h"
#include "deck/deck_subs.h"
#include "modes/computer_mode.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace grim::app {

namespace {

void showWidget(QWidget* widget, bool visible) {
    if (widget->isHidden() == visible) widget->setVisible(visible);
}

void enableWidget(QWidget* widget, bool enabled) {
    if (widget->isEnabled() != enabled) widget->setEnabled(enabled);
}

int selectedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void applyAction(QAction* action, const Switch& s) {
    if (action->isEnabled() != s.enabled) action->setEnabled(s.enabled);
    if (action->isChecked() != s.checked) action->setChecked(s.checked);
    if (action->isVisible() != s.visible) action->setVisible(s.visible);
}

void apply(ControlBinding& b, const Switch& s) {
    if (auto* action = qobject_cast<QAction*>(b.object)) return applyAction(action, s);
    if (auto* menu = qobject_cast<QMenu*>(b.object)) return applyAction(menu->menuAction(), s);
    auto* widget = qobject_cast<QWidget*>(b.object);
    if (!widget) return;
    enableWidget(widget, s.enabled);
    showWidget(widget, s.visible);
    if (auto* option = qobject_cast<QRadioButton*>(widget); option && option->isChecked() != s.checked) {
        // An exclusive option button refuses to be unchecked while it is the checked one.
        option->setAutoExclusive(false);
        option->setChecked(s.checked);
        option->setAutoExclusive(true);
    }
}

void apply(ControlBinding& b, const TextBox& t) {
    auto* widget = qobject_cast<QWidget*>(b.object);
    if (!widget) return;
    enableWidget(widget, t.enabled);
    showWidget(widget, t.visible);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        const QString text = fromCore(t.text);
        if (line->text() != text) line->setText(text);
        return;
    }
    auto* box = qobject_cast<QPlainTextEdit*>(widget);
    if (!box || (b.shown && b.text == t.text)) return;
    // A growing log gets only its new lines and shows the newest; other boxes are rewritten
    // and show their beginning.
    const bool appended = b.shown && !b.text.empty() && b.text.back() != '\r' &&
                          t.text.size() > b.text.size() && t.text.compare(0, b.text.size(), b.text) == 0;
    if (appended) {
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        end.insertText(displayText(t.text.substr(b.text.size())));
        box->moveCursor(QTextCursor::End);
    } else {
        box->setPlainText(displayText(t.text));
    }
    b.text = t.text;
    b.shown = true;
}

// A counter or a field slot shows as a read-only text box.
template <class Value> void apply(ControlBinding& b, const Value& v)
    requires(std::is_same_v<Value, Counter> || std::is_same_v<Value, FieldSlot>)
{
    apply(b, TextBox{shownText(v), v.enabled, v.visible});
}

template <class T> void apply(ControlBinding& b, const List<T>& l) {
    auto* widget = qobject_cast<QWidget*>(b.object);
    if (!widget) return;
    enableWidget(widget, l.enabled);
    showWidget(widget, l.visible);
    // The duel's cards become their entries only here, on their way to the widget. A list of
    // texts is compared as it is: the catalogue lists are not copied on every render.
    bool itemsChanged = !b.shown;
    if constexpr (std::is_same_v<T, std::string>) {
        itemsChanged = itemsChanged || b.items != l.items();
        if (itemsChanged) b.items = l.items();
    } else {
        std::vector<std::string> texts = itemTexts(l);
        itemsChanged = itemsChanged || b.items != texts;
        if (itemsChanged) b.items = std::move(texts);
    }
    b.shown = true;
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (itemsChanged || b.order != b.shownOrder) {
            itemsChanged = true;
            b.shownOrder = b.order;
            list->clear();
            for (int row = 0; row < static_cast<int>(b.items.size()); ++row)
                list->addItem(fromCore(b.items[static_cast<std::size_t>(itemOfRow(b, row))]));
        }
        if (itemsChanged || b.hidden != b.shownHidden) {
            b.shownHidden = b.hidden;
            for (int row = 0; row < list->count(); ++row) {
                const auto item = static_cast<std::size_t>(itemOfRow(b, row));
                list->setRowHidden(row, item < b.hidden.size() && b.hidden[item]);
            }
        }
        const int row = rowOfItem(b, l.selected());
        if (selectedRow(list) != row || list->currentRow() != row) {
            if (row >= 0) {
                list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            } else {
                list->clearSelection();
                list->setCurrentRow(-1);
            }
        }
        if (row >= 0 && itemsChanged) list->scrollToItem(list->item(row));
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (itemsChanged) {
            combo->clear();
            for (const auto& item : b.items)
                combo->addItem(fromCore(item));
        }
        if (combo->currentIndex() != l.selected()) combo->setCurrentIndex(l.selected());
    }
}

void apply(ControlBinding& b, const Timer& t) {
    auto* timer = qobject_cast<QTimer*>(b.object);
    if (!timer) return;
    if (!t.on()) {
        if (timer->isActive()) timer->stop();
        b.restarts = t.restarts();
        return;
    }
    if (!timer->isActive() || b.restarts != t.restarts()) timer->start(t.interval());
    b.restarts = t.restarts();
}

// Runs an action on the events of a widget that match: a mouse press in a text box, which
// has no click signal, or a key that acts as a double-click on a list instead of the list's
// own handling of that key.
class EventAction final : public QObject {
  public:
    EventAction(QWidget* watched, std::function<bool(QEvent*)> matches, bool instead,
                std::function<void()> action)
        : QObject(watched), matches_(std::move(matches)), instead_(instead), action_(std::move(action)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!matches_(event)) return false;
        action_();
        return instead_;
    }

  private:
    std::function<bool(QEvent*)> matches_;
    bool instead_;
    std::function<void()> action_;
};

// A key that acts as a double-click on a list: Return on a catalogue list adds its current
// card, Return or Delete on the deck list puts it back.
bool doubleClickKey(const std::string& list, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            (key->key() == Qt::Key_Delete && list == "lstDeck")) &&
           !(key->modifiers() & ~Qt::KeypadModifier);
}

// Connects the event a route takes on its control to run; false when the control has no
// such event.
bool connectRoute(QObject* window, QObject* object, const Route& route, const std::function<void()>& run) {
    auto* list = qobject_cast<QListWidget*>(object);
    auto* line = qobject_cast<QLineEdit*>(object);
    switch (route.gesture) {
    case Gesture::click:
        if (auto* action = qobject_cast<QAction*>(object))
            return QObject::connect(action, &QAction::triggered, window, run);
        if (auto* label = qobject_cast<SlotLabel*>(object))
            return QObject::connect(label, &SlotLabel::clicked, window, run);
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            return QObject::connect(button, &QAbstractButton::clicked, window, run);
        if (auto* combo = qobject_cast<QComboBox*>(object))
            return QObject::connect(combo, &QComboBox::activated, window, run);
        if (auto* timer = qobject_cast<QTimer*>(object))
            return QObject::connect(timer, &QTimer::timeout, window, run);
        return list && QObject::connect(list, &QListWidget::itemClicked, window, run);
    case Gesture::pick:
        // The selection reaches the core first (wireInputs connected earlier), then the click.
        return list && QObject::connect(list, &QListWidget::itemSelectionChanged, window, run) &&
               QObject::connect(list, &QListWidget::itemClicked, window, run);
    case Gesture::doubleClick:
        if (!list) return false;
        // The keys run the very handler a double-click runs, on the card they stand on.
        new EventAction(
            list, [name = route.control](QEvent* e) { return doubleClickKey(name, e); }, true,
            [list, run] {
                if (QListWidgetItem* current = list->currentItem(); current && !current->isSelected())
                    list->setCurrentItem(current, QItemSelectionModel::ClearAndSelect);
                run();
            });
        return QObject::connect(list, &QListWidget::itemDoubleClicked, window, run);
    case Gesture::enter:
        return line && QObject::connect(line, &QLineEdit::returnPressed, window, run);
    case Gesture::press:
        return line && new EventAction(
                           line, [](QEvent* e) { return e->type() == QEvent::MouseButtonPress; }, false, run);
    }
    return false;
}

} // namespace
} // namespace grim::app

using grim::app::ControlBinding;

void frmMain::bindControls() {
    QHash<QString, QObject*> byName;
    for (QObject* object : findChildren<QObject*>())
        if (!object->objectName().isEmpty()) byName.insert(object->objectName(), object);
    bindings_.clear();
    grim::forEachControl(core_, [&](const std::string& name, auto&) {
        ControlBinding binding;
        binding.object = byName.value(QString::fromStdString(name));
        Q_ASSERT_X(binding.object, "frmMain::bindControls", name.c_str());
        bindings_.push_back(std::move(binding));
    });
}

void frmMain::render() {
    std::size_t i = 0;
    grim::forEachControl(core_, [&](const std::string& name, const auto& control) {
        ControlBinding& b = bindings_[i++];
        if (!b.object) return;
        const QSignalBlocker quiet(b.object);
        using Control = std::decay_t<decltype(control)>;
        if constexpr (std::is_same_v<Control, grim::ListBox>) deckView_->arrange(name, control, b);
        if constexpr (std::is_same_v<Control, grim::Switch> || std::is_same_v<Control, grim::SlotSelector>) {
            // Player 2's turn controls belong to the computer in VS COMPUTER.
            if (grim::computer::clickedByComputer(core_, control)) {
                Control shown = control;
                shown.enabled = false;
                return grim::app::apply(b, shown);
            }
        }
        grim::app::apply(b, control);
    });
    showTurn();
    if (smnHint_) smnHint_->setEnabled(grim::computer::hintSide(core_).has_value());
    glance_->show();
    deckView_->show(core_.deck);
    keepSelectionShown();
}

void frmMain::keepSelectionShown() {
    std::size_t i = 0;
    grim::forEachControl(core_, [&](const std::string&, auto& control) {
        const ControlBinding& b = bindings_[i++];
        if constexpr (std::is_same_v<std::decay_t<decltype(control)>, grim::ListBox>) {
            const int shown = grim::app::selectionShown(control, b);
            if (shown == control.selected()) return;
            grim::ListBox* list = &control;
            forward([list, shown](grim::Window& core) {
                if (shown < 0)
                    list->clearSelection();
                else
                    grim::deckSubs::selectEntry(core, *list, shown);
            });
        }
    });
}

// The player's selections, typing and option choices reach the core as they happen, so a
// handler that runs next reads what the player sees.
void frmMain::wireInputs() {
    std::size_t i = 0;
    grim::forEachControl(core_, [&](const std::string&, auto& control) {
        QObject* object = bindings_[i++].object;
        using Control = std::decay_t<decltype(control)>;
        if constexpr (grim::SelectableList<Control>) {
            Control* l = &control;
            if (auto* list = qobject_cast<QListWidget*>(object)) {
                const std::size_t at = i - 1;
                connect(list, &QListWidget::itemSelectionChanged, this, [this, l, list, at] {
                    const int item = grim::app::itemOfRow(bindings_[at], grim::app::selectedRow(list));
                    forward([l, item](grim::Window&) { l->select(item); });
                });
            } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
                connect(combo, &QComboBox::currentIndexChanged, this,
                        [this, l](int row) { forward([l, row](grim::Window&) { l->select(row); }); });
            }
        } else if constexpr (std::is_same_v<Control, grim::TextBox>) {
            grim::TextBox* t = &control;
            if (auto* line = qobject_cast<QLineEdit*>(object); line && !line->isReadOnly()) {
                connect(line, &QLineEdit::textEdited, this, [this, t](const QString& text) {
                    forward([t, text = grim::app::toCore(text)](grim::Window&) { t->text = text; });
                });
            }
        } else if constexpr (std::is_same_v<Control, grim::Switch>) {
            grim::Switch* s = &control;
            if (auto* option = qobject_cast<QRadioButton*>(object)) {
                connect(option, &QRadioButton::toggled, this, [this, s](bool checked) {
                    forward([s, checked](grim::Window&) { s->checked = checked; });
                });
            } else if (auto* action = qobject_cast<QAction*>(object); action && action->isCheckable()) {
                // A checkable item ticks itself when clicked; the core decides what it shows.
                connect(action, &QAction::triggered, this, &frmMain::render);
            }
        }
    });
}

void frmMain::wireRoutes() {
    QHash<std::string, QObject*> byName;
    std::size_t i = 0;
    grim::forEachControl(core_,
                         [&](const std::string& name, auto&) { byName.insert(name, bindings_[i++].object); });
    for (grim::app::Route& route : grim::app::routes()) {
        const auto run = [this, handler = route.handler] { forward(handler); };
        if (!grim::app::connectRoute(this, byName.value(route.control), route, run))
            qFatal("frmMain::wireRoutes: %s does not take its route", route.control.c_str());
    }
}
