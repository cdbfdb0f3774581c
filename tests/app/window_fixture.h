// The window under test with recording ports, the player's ways of using it (by control
// name) and a step that checks what one action changed.
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

// Messages ("!text", with "title: " when the title is not "Message"), questions ("?text")
// and sounds ("~name") in the order they happen; answers and file choices from a script.
struct Recorder : grim::Prompter, grim::Sound, grim::Random {
    QStringList log;
    std::deque<bool> answers;  // unscripted questions answer No
    std::deque<QString> files; // unscripted file dialogs are cancelled
    int spinMs = 0;            // a message box runs its own event loop this long
    int open = 0;
    void message(const std::string& text, const std::string& title) override {
        log << (open ? "NESTED " : "") + QStringLiteral("!") +
                   (title == "Message" ? QString() : QString::fromLatin1(title.c_str()) + ": ") +
                   QString::fromLatin1(text.c_str());
        ++open;
        if (spinMs) QTest::qWait(spinMs);
        --open;
    }
    bool question(const std::string& text, bool) override {
        log << "?" + QString::fromLatin1(text.c_str());
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    std::optional<std::string> openFile(const std::string&) override { return nextFile(); }
    std::optional<std::string> saveFile(const std::string&) override { return nextFile(); }
    std::optional<std::string> nextFile() {
        if (files.empty()) return std::nullopt;
        const QString f = files.front();
        files.pop_front();
        return QFile::encodeName(f).toStdString();
    }
    void play(const std::string& name) override { log << "~" + QString::fromLatin1(name.c_str()); }
    double next() override { return 0.5; }
};

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

struct Win {
    QTemporaryDir folder;
    Recorder rec;
    std::unique_ptr<frmMain> window;

    // realBoxes: the window's own message boxes and file dialogs instead of the recorder.
    explicit Win(const QString& programFolder = QString(), bool realBoxes = false) {
        frmMain::Overrides o;
        o.prompter = realBoxes ? nullptr : &rec;
        o.sound = &rec;
        o.random = &rec;
        o.programFolder = programFolder.isNull() ? folder.path() : programFolder;
        window = std::make_unique<frmMain>(o);
        for (const char* name : {"lstRegCards", "lstSpcCards"})
            for (int i = 0; i < find<QListWidget>(name)->count(); ++i)
                catalogue << find<QListWidget>(name)->item(i)->text();
    }
    QStringList catalogue; // every card's entry, as the deck editor lists them at start
    bool show(int tab) {
        window->show();
        window->findChild<QTabWidget*>()->setCurrentIndex(tab);
        return QTest::qWaitForWindowExposed(window.get());
    }
    template <class T = QWidget> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QString text(const QString& name) const {
        if (auto* line = find<QLineEdit>(name)) return line->text();
        auto* box = find<QPlainTextEdit>(name);
        return box ? box->toPlainText() : "<no " + name + ">";
    }
    QString entry(int code) const {
        const QString prefix = QStringLiteral("[%1] ").arg(code);
        for (const QString& card : catalogue)
            if (card.startsWith(prefix)) return card;
        return "<no card " + prefix + ">";
    }
    // "{105}" in a text becomes the card's entry.
    QString cards(QString text) const {
        static const QRegularExpression code(QStringLiteral(R"(\{(\d{3})\})"));
        for (auto m = code.match(text); m.hasMatch(); m = code.match(text))
            text.replace(m.captured(0), entry(m.captured(1).toInt()));
        return text;
    }
    bool writeDeck(const QString& name, const QList<int>& codes) const {
        QByteArray bytes = "version16\r\n";
        for (int code : codes)
            bytes += entry(code).toLatin1() + "\r\n";
        QFile file(folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // One player action, by the control's name: "click NAME", "menu NAME", "pick NAME ITEM"
    // (a click on a list item), "dbl NAME ITEM", "set NAME ITEM" (a selector's choice),
    // "choose NAME ITEM" (picked from the drop-down), "hover NAME". Leading "yes" scripts a
    // Yes to the next question, "file:NAME" the next file dialog. False if it cannot be done.
    bool act(const QString& action) {
        QStringList words = cards(action).split(' ');
        for (; words.size() > 1; words.pop_front()) {
            if (words[0] == "yes")
                rec.answers.push_back(true);
            else if (words[0].startsWith("file:"))
                rec.files.push_back(folder.filePath(words[0].mid(5)));
            else
                break;
        }
        if (words.size() < 2) return false;
        const QString verb = words.takeFirst(), name = words.takeFirst(), item = words.join(' ');
        QObject* object = window->findChild<QObject*>(name);
        auto* widget = qobject_cast<QWidget*>(object);
        if (auto* a = qobject_cast<QAction*>(object); a && verb == "menu")
            return a->isEnabled() && (a->trigger(), true);
        if (!widget || !widget->isVisible()) return false;
        if (verb == "hover") {
            const QString before = text("txtDescControls");
            QTest::mouseMove(widget, widget->rect().center());
            for (int i = 0; i < 100 && text("txtDescControls") == before; ++i)
                QTest::qWait(5);
            return true;
        }
        if (!widget->isEnabled()) return false;
        if (verb == "click") return QTest::mouseClick(widget, Qt::LeftButton), true;
        if (auto* list = qobject_cast<QListWidget*>(widget); list && (verb == "pick" || verb == "dbl")) {
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
        if (verb == "set") return combo->setCurrentIndex(row), true;
        if (verb != "choose") return false;
        combo->showPopup();
        auto* view = combo->view();
        if (!QTest::qWaitForWindowExposed(view->window())) return false;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
        return !view->isVisible();
    }

    // What each named control shows: "on"/"off" for buttons and labels, "+" after a checked
    // item; a box's text (its first line); a list's items (its count when over six) and
    // "@" with the selected one; "off:" before a disabled box or list.
    std::map<QString, QString> snapshot() const {
        static const QRegularExpression named(QStringLiteral(R"(^(btn|txt|lst|cmb|lbl|opt|smn)\w+$)"));
        std::map<QString, QString> state;
        for (QObject* o : window->findChildren<QObject*>(named)) {
            QString v;
            auto* w = qobject_cast<QWidget*>(o);
            QStringList items;
            int selected = -1;
            if (auto* a = qobject_cast<QAction*>(o))
                v = QString(a->isEnabled() ? "on" : "off") + (a->isChecked() ? "+" : "");
            else if (!w)
                continue;
            else if (auto* line = qobject_cast<QLineEdit*>(w))
                v = line->text();
            else if (auto* box = qobject_cast<QPlainTextEdit*>(w))
                v = box->toPlainText().section('\n', 0, 0);
            else if (auto* list = qobject_cast<QListWidget*>(w)) {
                for (int i = 0; i < list->count(); ++i)
                    items << list->item(i)->text();
                selected = list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems().front());
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; i < combo->count(); ++i)
                    items << combo->itemText(i);
                selected = combo->currentIndex();
            } else
                v = QString(w->isEnabled() ? "on" : "off") +
                    (qobject_cast<QRadioButton*>(w) && static_cast<QRadioButton*>(w)->isChecked() ? "+" : "");
            if (qobject_cast<QListWidget*>(w) || qobject_cast<QComboBox*>(w))
                v = (items.size() > 6 ? QString::number(items.size()) : items.join('|')) +
                    (selected >= 0 ? "@" + items[selected] : "");
            if (w && !w->isEnabled() &&
                (qobject_cast<QLineEdit*>(w) || items.size() || qobject_cast<QListWidget*>(w)))
                v = "off:" + v;
            state[o->objectName()] = v;
        }
        return state;
    }

    // Does the action and compares its effect with expect, ";"-separated: the log entries it
    // adds, exactly and in order, and "name=value" (value ending in "*": a prefix) for the
    // controls that must change to that. A control of the other side (the one whose suffix
    // the action's control does not carry) may change only when expect names one of them.
    // Returns what went wrong, or nothing.
    QString step(const QString& action, const QString& expect) {
        const auto before = snapshot();
        const qsizetype logged = rec.log.size();
        if (!act(action)) return action + ": cannot be done";
        QCoreApplication::processEvents();
        const auto after = snapshot();
        QStringList wantLog, got, errors;
        const QString own = action.contains("U1")   ? "U1"
                            : action.contains("U2") ? "U2"
                                                    : "",
                      other = own == "U1" ? "U2" : "U1";
        bool namesOther = false;
        for (const QString& token : cards(expect).split(';', Qt::SkipEmptyParts)) {
            if (QStringLiteral("!?~").contains(token[0])) {
                wantLog << token;
                continue;
            }
            const QString name = token.section('=', 0, 0), want = token.section('=', 1);
            namesOther |= !own.isEmpty() && name.contains(other);
            const QString now = after.count(name) ? after.at(name) : "<none>";
            const bool matches = want.endsWith('*') ? now.startsWith(want.chopped(1)) : now == want;
            if (!matches || (before.count(name) && before.at(name) == now))
                errors << name + " shows [" + now + "], not [" + want + "]";
        }
        for (const auto& [name, value] : after)
            if (!own.isEmpty() && !namesOther && name.contains(other) && before.at(name) != value)
                errors << name + " of the other side changed to [" + value + "]";
        got = rec.log.mid(logged);
        if (got != wantLog) errors << "log [" + got.join(';') + "], not [" + wantLog.join(';') + "]";
        return errors.isEmpty() ? QString() : action + ": " + errors.join("; ");
    }
};

struct Step {
    const char* action;
    const char* expect;
};

} // namespace wintest
