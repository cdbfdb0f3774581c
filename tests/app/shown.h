// A window shown offscreen with fake boxes, sounds and dice, for the window tests here.
#pragma once
#include "app/frmMain.h"
#include "support/fakes.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace grim::test {

// Answers like the fake, but first runs what the test asks while the "box" is open.
struct OpenBoxPrompter : FakePrompter {
    std::function<void()> whileOpen;
    bool question(MessageId id, const std::string& text, bool defaultNo) override {
        if (whileOpen) whileOpen();
        return FakePrompter::question(id, text, defaultNo);
    }
};

struct Shown {
    QTemporaryDir files; // deck files, removed afterwards
    OpenBoxPrompter prompter;
    FakeSound sound;
    ScriptedRandom random;
    frmMain window;

    explicit Shown(const QString& folder = "/nonexistent-grimward", int tab = 0,
                   std::optional<computer::SearchOptions> search = {})
        : window(frmMain::Overrides{&prompter, &random, &sound, folder, search}) {
        window.show();
        window.activateWindow();
        window.findChild<QTabWidget*>()->setCurrentIndex(tab);
    }
    template <class T = QWidget> T* find(const char* name) {
        if (auto* w = window.findChild<T*>(QLatin1String(name))) return w;
        qFatal("no control %s", name);
    }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    bool enabled(const char* name) { return find(name)->isEnabled(); }
    // A mouse click on a button; false when it is disabled.
    bool click(const char* name) {
        auto* b = find<QAbstractButton>(name);
        return b->isEnabled() && (QTest::mouseClick(b, Qt::LeftButton), true);
    }
    // A mouse click on a list's item; false when the list or the item is not there to click.
    bool pick(const char* list, const QString& item) {
        auto* l = find<QListWidget>(list);
        const auto found = l->findItems(item, Qt::MatchExactly);
        if (!l->isVisible() || !l->isEnabled() || found.isEmpty()) return false;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(found.front()).center());
        return true;
    }
    // Focus by Tab, then the keys.
    void keys(const char* name, std::initializer_list<Qt::Key> sequence) {
        find(name)->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : sequence)
            QTest::keyClick(find(name), key);
    }
    void type(const char* box, const QString& text) {
        find<QLineEdit>(box)->selectAll();
        QTest::keyClicks(find(box), text);
    }
    std::string deck(const char* name, const std::vector<std::string>& items) {
        const std::string path = files.filePath(name).toStdString();
        deckFile::write(path, items);
        return path;
    }
};

} // namespace grim::test
