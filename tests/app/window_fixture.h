// The window under test with recording ports, the player's actions by control name, and a
// step that checks what one action changed.
#pragma once

#include "app/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <map>

namespace wintest {

// Messages ("!text", "!title: text" when the title is not "Message"), questions ("?text")
// and sounds ("~name") in the order they happen; answers and file choices from a script.
struct Recorder : grim::Prompter, grim::Sound, grim::Random {
    QStringList log;
    std::deque<bool> answers;  // unscripted questions answer No
    std::deque<QString> files; // unscripted file dialogs are cancelled
    int spinMs = 0, open = 0;  // a message box runs its own event loop for spinMs
    void message(const std::string& text, const std::string& title) override {
        log << QString(open ? "NESTED !" : "!") +
                   (title == "Message" ? "" : QString::fromStdString(title + ": ")) +
                   QString::fromLatin1(text.c_str());
        ++open;
        QTest::qWait(spinMs);
        --open;
    }
    bool question(const std::string& text, bool) override {
        log << "?" + QString::fromLatin1(text.c_str());
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    std::optional<std::string> openFile(const std::string&) override { return saveFile(""); }
    std::optional<std::string> saveFile(const std::string&) override {
        if (files.empty()) return std::nullopt;
        const QString f = files.front();
        files.pop_front();
        return QFile::encodeName(f).toStdString();
    }
    void play(const std::string& name) override { log << "~" + QString::fromLatin1(name.c_str()); }
    double next() override { return 0.5; }
};

struct Win {
    QTemporaryDir folder;
    Recorder rec;
    std::unique_ptr<frmMain> window;
    QStringList catalogue; // every card's entry, as the deck editor lists them at start

    // realBoxes: the window's own message boxes and file dialogs instead of the recorder.
    explicit Win(const QString& programFolder = QString(), bool realBoxes = false) {
        frmMain::Overrides o;
        o.prompter = realBoxes ? nullptr : &rec;
        o.sound = &rec;
        o.random = &rec;
        o.programFolder = programFolder.isNull() ? folder.path() : programFolder;
        window = std::make_unique<frmMain>(o);
        for (const char* name : {"lstRegCards", "lstSpcCards"})
            for (auto* item : find<QListWidget>(name)->findItems("*", Qt::MatchWildcard))
                catalogue << item->text();
    }
    bool show(int tab) {
        window->show();
        window->findChild<QTabWidget*>()->setCurrentIndex(tab);
        return QTest::qWaitForWindowExposed(window.get());
    }
    template <class T = QWidget> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QString text(const QString& name) const {
        if (auto* line = find<QLineEdit>(name)) return line->text();
        return find<QPlainTextEdit>(name)->toPlainText();
    }
    // "{105}" in a text becomes that card's entry.
    QString cards(QString text) const {
        static const QRegularExpression code(QStringLiteral(R"(\{(\d{3})\})"));
        for (auto m = code.match(text); m.hasMatch(); m = code.match(text))
            text.replace(m.captured(0),
                         catalogue.filter(QRegularExpression("^\\[" + m.captured(1))).value(0));
        return text;
    }
    bool writeDeck(const QString& name, const QList<int>& codes) const {
        QByteArray bytes = "version16\r\n";
        for (int code : codes)
            bytes += cards(QStringLiteral("{%1}\r\n").arg(code)).toLatin1();
        QFile file(folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // One player action: "click NAME", "menu NAME", "pick LIST ITEM" (a click on the item),
    // "dbl LIST ITEM", "set SELECTOR ITEM", "choose SELECTOR ITEM" (from its drop-down),
    // "hover NAME". A leading "yes" scripts a Yes to the next question, "file:NAME" the next
    // file dialog. False when the control is missing, hidden or disabled.
    bool act(const QString& action) {
        QStringList words = cards(action).split(' ');
        for (; words.size() > 2 && (words[0] == "yes" || words[0].startsWith("file:")); words.pop_front())
            words[0] == "yes" ? rec.answers.push_back(true)
                              : rec.files.push_back(folder.filePath(words[0].mid(5)));
        const QString verb = words.takeFirst(), name = words.value(0), item = words.mid(1).join(' ');
        if (auto* a = window->findChild<QAction*>(name); a && verb == "menu")
            return a->isEnabled() && (a->trigger(), true);
        auto* widget = find(name);
        if (!widget || !widget->isVisible() || (!widget->isEnabled() && verb != "hover")) return false;
        if (verb == "click") return QTest::mouseClick(widget, Qt::LeftButton), true;
        if (verb == "hover") {
            const QString before = text("txtDescControls");
            QTest::mouseMove(widget, widget->rect().center());
            for (int i = 0; i < 100 && text("txtDescControls") == before; ++i)
                QTest::qWait(5);
            return true;
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
        if (row < 0 || verb == "set") return row >= 0 && (combo->setCurrentIndex(row), true);
        combo->showPopup();
        auto* view = combo->view();
        if (!QTest::qWaitForWindowExposed(view->window())) return false;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
        return !view->isVisible();
    }

    // What each named control shows: "on"/"off" for buttons, labels and menu items, "+" when
    // checked; a box's text (its first line); a list's items (their count when over six)
    // and "@" with the selected one; "off:" before a disabled box or list.
    std::map<QString, QString> snapshot() const {
        std::map<QString, QString> state;
        for (QObject* o :
             window->findChildren<QObject*>(QRegularExpression("^(btn|txt|lst|cmb|lbl|opt|smn)"))) {
            auto* w = qobject_cast<QWidget*>(o);
            auto* a = qobject_cast<QAction*>(o);
            auto* list = qobject_cast<QListWidget*>(o);
            auto* combo = qobject_cast<QComboBox*>(o);
            const bool on = a ? a->isEnabled() : w && w->isEnabled();
            QString v = on ? "" : "off:";
            if (auto* line = qobject_cast<QLineEdit*>(o))
                v += line->text();
            else if (auto* box = qobject_cast<QPlainTextEdit*>(o))
                v += box->toPlainText().section('\n', 0, 0);
            else if (list || combo) {
                QAbstractItemModel* m = list ? list->model() : combo->model();
                QStringList items;
                for (int i = 0; i < m->rowCount(); ++i)
                    items << m->index(i, 0).data().toString();
                const auto picked = list ? list->selectionModel()->selectedRows() : QModelIndexList();
                const int at = list ? (picked.isEmpty() ? -1 : picked.front().row()) : combo->currentIndex();
                v += (items.size() > 6 ? QString::number(items.size()) : items.join('|')) +
                     (at >= 0 ? "@" + items[at] : "");
            } else if (a || w) {
                v = QString(on ? "on" : "off") + (o->property("checked").toBool() ? "+" : "");
            } else
                continue;
            state[o->objectName()] = v;
        }
        return state;
    }

    // Does the action and checks its effect against expect, ";"-separated: the log entries
    // it adds, exactly and in order, and "name=value" (a value ending in "*": a prefix) for
    // each control that must change to that. A control of the other player (the action's
    // control ends in U1 or U2) may change only when expect names one. Returns the faults.
    QString step(const QString& action, const QString& expect) {
        const auto before = snapshot();
        const qsizetype logged = rec.log.size();
        if (!act(action)) return action + ": cannot be done";
        QCoreApplication::processEvents();
        auto after = snapshot();
        const QString other = action.contains("U1") ? "U2" : action.contains("U2") ? "U1" : "none";
        QStringList wantLog, errors;
        bool namesOther = false;
        for (const QString& token : cards(expect).split(';', Qt::SkipEmptyParts)) {
            if (QStringLiteral("!?~").contains(token[0])) {
                wantLog << token;
                continue;
            }
            const QString name = token.section('=', 0, 0), want = token.section('=', 1);
            const QString now = after.count(name) ? after[name] : "<no control>";
            namesOther |= name.contains(other);
            if (!(want.endsWith('*') ? now.startsWith(want.chopped(1)) : now == want) ||
                (before.count(name) && before.at(name) == now))
                errors << name + " shows [" + now + "], not [" + want + "]";
        }
        for (const auto& [name, value] : after)
            if (!namesOther && name.contains(other) && before.at(name) != value)
                errors << name + " of the other player changed to [" + value + "]";
        if (rec.log.mid(logged) != wantLog) errors << "log [" + rec.log.mid(logged).join(';') + "]";
        return errors.isEmpty() ? QString() : action + ": " + errors.join("; ");
    }
};

struct Step {
    const char* action;
    const char* expect;
};

} // namespace wintest
