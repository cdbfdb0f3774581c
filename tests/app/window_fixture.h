// A window for the window tests: fake prompter, sound and random draws, and a program
// folder of the test's choosing.
#pragma once

#include "app/frmMain.h"
#include "support/fakes.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace grim::test {

struct WindowUnderTest {
    FakePrompter prompter;
    FakeSound sound;
    ScriptedRandom random;
    std::unique_ptr<frmMain> window;

    explicit WindowUnderTest(const QString& folder) {
        frmMain::Overrides o;
        o.prompter = &prompter;
        o.sound = &sound;
        o.random = &random;
        o.programFolder = folder;
        window = std::make_unique<frmMain>(o);
    }

    // Shows the window on its GAME tab, as a player sees it; false when it never appeared.
    bool showGameTab() const {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) return false;
        window->findChild<QTabWidget*>()->setCurrentIndex(1);
        return true;
    }

    template <class T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    void trigger(const QString& actionName) const {
        QAction* action = find<QAction>(actionName);
        if (action) action->trigger();
    }
    // The text a box shows, one-line or many-line.
    QString text(const QString& name) const {
        if (auto* line = find<QLineEdit>(name)) return line->text();
        auto* box = find<QPlainTextEdit>(name);
        return box ? box->toPlainText() : QStringLiteral("<no box %1>").arg(name);
    }
    // A mouse click on a button, which must be there and enabled.
    void click(const QString& name) const {
        auto* button = find<QPushButton>(name);
        QVERIFY2(button && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

inline QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace grim::test
