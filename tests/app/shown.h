// A window shown offscreen with fake boxes, sounds and dice, and a small language of actions and effects.
#pragma once
#include "app/frmMain.h"
#include "support/fakes.h"

#include <QTest>
#include <QtWidgets>

namespace grim::test {

// The fakes, whose messages, questions and sounds also go into one log in order, with the log as Qt texts.
struct Boxes : FakePorts {
    QString last() const { return log.empty() ? QString() : QString::fromStdString(log.back()); }
    QStringList since(std::size_t n) const { // the log from its entry n on
        QStringList entries;
        for (; n < log.size(); ++n)
            entries << QString::fromStdString(log[n]);
        return entries;
    }
};

inline QString cards(QString text) { // "{105}" in a text stands for that card's entry
    static const QRegularExpression code(QStringLiteral(R"(\{(\d{3})\})"));
    for (auto m = code.match(text); m.hasMatch(); m = code.match(text))
        text.replace(m.captured(0), QString::fromStdString(entry(m.captured(1).toInt())));
    return text;
}

using Step = std::pair<const char*, const char*>; // an action and its effect, for Shown::step

// Stop the test when an action cannot be done, or when a step's effect is not the one expected.
#define ACT(w, actions) QCOMPARE((w).act(actions), QString())
#define STEP(w, action, expect) QCOMPARE((w).step(action, expect), QString())

struct Shown {
    QTemporaryDir files; // deck files, removed afterwards
    Boxes p;             // also the dice
    frmMain window;

    // realBoxes: the window's own message boxes and file dialogs instead of the fakes.
    explicit Shown(const QString& folder = "/nonexistent-grimward", int tab = 0,
                   std::optional<computer::SearchOptions> search = {}, bool realBoxes = false)
        : window(frmMain::Overrides{realBoxes ? nullptr : &p, &p, &p, folder, search}) {
        window.show();
        window.activateWindow();
        window.findChild<QTabWidget*>()->setCurrentIndex(tab);
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the window never became active");
    }
    template <class T = QWidget> T* find(const QString& name) const {
        if (auto* w = window.findChild<T*>(name)) return w;
        qFatal("no control %s", qPrintable(name));
    }
    QString text(const QString& name) const {
        return find(name)->property(find(name)->inherits("QPlainTextEdit") ? "plainText" : "text").toString();
    }
    std::string deck(const QString& name, const std::vector<std::string>& items) {
        deckFile::write(files.filePath(name).toStdString(), items);
        return files.filePath(name).toStdString();
    }

    // Actions, ", "-separated: "click NAME", "pick LIST ITEM", "dbl LIST ITEM", "choose SELECTOR ITEM",
    // "hover NAME", "keys NAME KEY..." (focus by Tab, then the keys), "key KEY" (to the window), "type BOX
    // TEXT", "close"; a leading "yes" answers the next question, "file:NAME" the next dialog. Empty: done.
    QString act(const QString& actions) {
        for (const QString& action : actions.split(", ", Qt::SkipEmptyParts))
            if (!actOne(cards(action).split(' '))) return action + ": cannot be done";
        return {};
    }
    bool actOne(QStringList words) {
        for (; words.size() > 2 && (words[0] == "yes" || words[0].startsWith("file:")); words.pop_front())
            words[0] == "yes" ? p.answers.push_back(true)
                              : p.files.push_back(files.filePath(words[0].mid(5)).toStdString());
        const QString verb = words.takeFirst(), name = words.value(0), item = words.mid(1).join(' ');
        if (verb == "key") return QTest::keySequence(&window, QKeySequence(name)), true;
        if (verb == "close") return window.close(), true;
        if (auto* a = window.findChild<QAction*>(name)) return a->isEnabled() && (a->trigger(), true);
        QWidget* widget = find(name);
        if (!widget->isVisible() || (!widget->isEnabled() && verb != "hover")) return false;
        if (verb == "click") return QTest::mouseClick(widget, Qt::LeftButton), true;
        if (verb == "keys" || verb == "type") widget->setFocus(Qt::TabFocusReason);
        if (verb == "type") return find<QLineEdit>(name)->selectAll(), QTest::keyClicks(widget, item), true;
        for (const QString& key : verb == "keys" ? words.mid(1) : QStringList())
            QTest::keyClick(widget, QKeySequence(key)[0].key());
        if (verb == "keys") return true;
        if (verb == "hover") {
            const QString before = text("txtDescControls");
            QTest::mouseMove(widget, widget->rect().center());
            return QTest::qWaitFor([&] { return text("txtDescControls") != before; }, 500);
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            const auto found = list->findItems(item, Qt::MatchExactly);
            if (found.isEmpty()) return false;
            list->scrollToItem(found.front());
            const QPoint at = list->visualItemRect(found.front()).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            if (verb == "dbl") QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            return true;
        }
        auto* combo = qobject_cast<QComboBox*>(widget);
        const int row = combo ? combo->findText(item) : -1;
        if (row < 0) return false;
        combo->showPopup();
        auto* view = combo->view();
        if (!QTest::qWaitForWindowExposed(view->window())) return false;
        const QPoint at(view->viewport()->width() / 2,
                        view->visualRect(view->model()->index(row, 0)).center().y());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return !view->isVisible();
    }

    // "on"/"off" ("+" when checked or the side to move); a box's first line; a list's items (their count when
    // over six), "@" and the selected one; "off:" before a disabled box or list.
    std::map<QString, QString> snapshot() const {
        std::map<QString, QString> state;
        for (QObject* o :
             window.findChildren<QObject*>(QRegularExpression("^(btn|txt|lst|cmb|lbl|opt|smn|fraBoard)"))) {
            auto* w = qobject_cast<QWidget*>(o);
            auto* view = qobject_cast<QAbstractItemView*>(o);
            auto* a = qobject_cast<QAction*>(o);
            auto* combo = qobject_cast<QComboBox*>(o);
            if (!a && !w) continue;
            QString& v = state[o->objectName()] = (a ? a->isEnabled() : w->isEnabled()) ? "" : "off:";
            if (o->inherits("QLineEdit") || o->inherits("QPlainTextEdit"))
                v += text(o->objectName()).section('\n', 0, 0);
            else if (view || combo) {
                QAbstractItemModel* m = view ? view->model() : combo->model();
                QStringList items;
                for (int i = 0; i < m->rowCount(); ++i)
                    items << m->index(i, 0).data().toString();
                const auto picked = view ? view->selectionModel()->selectedRows() : QModelIndexList();
                const int at = view ? (picked.isEmpty() ? -1 : picked.front().row()) : combo->currentIndex();
                v += (items.size() > 6 ? QString::number(items.size()) : items.join('|')) +
                     (at >= 0 ? "@" + items[at] : "");
            } else
                v = (v.isEmpty() ? "on" : "off") +
                    QString(o->property("checked").toBool() || o->property("turn").toBool() ? "+" : "");
        }
        return state;
    }
    // What the named controls show, " "-separated, as snapshot() reads them.
    QString shows(const QString& names) const {
        QStringList values;
        for (const auto state = snapshot(); const QString& name : names.split(' '))
            values << state.at(name);
        return values.join(' ');
    }
    // Does the actions and checks expect, ";"-separated: the messages ("!text"), questions ("?text") and
    // sounds ("~name") added, in order, and "name=value" ("*": a prefix) for each control that must change
    // to that; the other player's controls may change only when expect names one. Empty, or the faults.
    QString step(const QString& action, const QString& expect) {
        const auto before = snapshot();
        const std::size_t logged = p.log.size();
        if (QString failed = act(action); !failed.isEmpty()) return failed;
        QCoreApplication::processEvents();
        const auto after = snapshot();
        const QString other = action.contains("U1") ? "U2" : action.contains("U2") ? "U1" : "none";
        QStringList wantLog, errors;
        bool namesOther = false;
        for (const QString& token : cards(expect).split(';', Qt::SkipEmptyParts)) {
            const QString name = token.section('=', 0, 0), want = token.section('=', 1);
            const QString now = after.count(name) ? after.at(name) : "<no control>";
            if (const auto kind = QStringLiteral("!?~").indexOf(token[0]); kind >= 0)
                wantLog << QStringList{"message: ", "question: ", "sound: "}[kind] + token.mid(1);
            else if (!(want.endsWith('*') ? now.startsWith(want.chopped(1)) : now == want) ||
                     (before.count(name) && before.at(name) == now))
                errors << name + " shows [" + now + "], not [" + want + "]";
            namesOther |= name.contains(other);
        }
        for (const auto& [name, value] : after)
            if (!namesOther && name.contains(other) && before.at(name) != value)
                errors << name + " of the other player changed to [" + value + "]";
        if (p.since(logged) != wantLog) errors << "log [" + p.since(logged).join(';') + "]";
        return errors.isEmpty() ? QString() : action + ": " + errors.join("; ");
    }
    // The steps of a table in order, up to the first that fails.
    template <std::size_t N> QString steps(const Step (&table)[N]) {
        for (const auto& [action, expect] : table)
            if (QString failed = step(action, expect); !failed.isEmpty()) return failed;
        return {};
    }
};

} // namespace grim::test
