// The deck editor through the real widgets: a deck built by double-clicks, ordered with the
// buttons, saved, closed and opened again; and the real file dialog and message boxes.
#include "window_fixture.h"

#include "cards/catalogue.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>

using grim::test::itemsOf;
using grim::test::WindowUnderTest;

namespace {

QString entry(int code) {
    return QString::fromStdString(grim::cardSubs::record(code)->name);
}
QStringList entries(std::initializer_list<int> codes) {
    QStringList list;
    for (int code : codes)
        list << entry(code);
    return list;
}
QString recordOf(int code) {
    return QString::fromStdString(grim::cardSubs::recordText(*grim::cardSubs::record(code)))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A click, or a double-click as the mouse makes it: press and release, then the second press
// (the double-click event) and its release.
void click(QListWidget* list, int code, bool twice = false) {
    const auto found = list->findItems(entry(code), Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(entry(code)));
    list->scrollToItem(found.front());
    const QPoint at = list->visualItemRect(found.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (!twice) return;
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DeckEditorWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

  private slots:
    void buildSaveCloseReopen() {
        WindowUnderTest w(folder.path());
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto *deck = w.find<QListWidget>("lstDeck"), *reg = w.find<QListWidget>("lstRegCards"),
             *spc = w.find<QListWidget>("lstSpcCards");
        const auto counts = [&] {
            return w.text("txtDeckCount") + " " + w.text("txtRegCnt") + " " + w.text("txtSpcCnt");
        };
        const auto selected = [&] {
            return deck->selectedItems().value(0) ? deck->selectedItems()[0]->text() : "";
        };
        for (const char* button : {"btnTop", "txtBottom", "btnSave", "btnClose"})
            w.click(QLatin1String(button));
        QCOMPARE(w.prompter.messages, (std::vector<std::string>{"No item selected in DECK to move to top.",
                                                                "No item selected in DECK to move to bottom.",
                                                                "There are no cards in your deck to save.",
                                                                "There are no cards in deck to close."}));
        w.prompter.messages.clear();

        // A click shows the record; a double-click moves the card into the deck.
        click(reg, 105);
        QCOMPARE(w.text("txtDesc"), recordOf(105));
        for (int code : {105, 164, 100, 120})
            click(reg, code, true);
        for (int code : {228, 203})
            click(spc, code, true);
        QCOMPARE(itemsOf(deck), entries({105, 164, 100, 120, 228, 203}));
        QCOMPARE(counts(), QStringLiteral("6 62 27"));
        QCOMPARE(spc->selectedItems().value(0)->text(), entry(202)); // the entry above the one taken
        QCOMPARE(w.text("txtDesc"), recordOf(202));

        // Order the deck with the buttons; take one card back out.
        click(deck, 228);
        w.click(QStringLiteral("btnTop")); // the entry that stood above the moved one is selected
        QCOMPARE(itemsOf(deck), entries({228, 105, 164, 100, 120, 203}));
        QCOMPARE(selected(), entry(100));
        w.click(QStringLiteral("btnUp"));
        w.click(QStringLiteral("btnUp"));
        click(deck, 105);
        w.click(QStringLiteral("txtBottom"));
        w.click(QStringLiteral("btnDown"));
        QCOMPARE(itemsOf(deck), entries({228, 164, 100, 120, 203, 105}));
        QCOMPARE(selected(), entry(100));
        QCOMPARE(w.text("txtDesc"), recordOf(100));
        click(deck, 100, true);
        QCOMPARE(reg->item(0)->text(), entry(100));
        QCOMPARE(selected(), entry(164));
        QCOMPARE(counts(), QStringLiteral("5 63 27"));
        QVERIFY(w.prompter.messages.empty());

        const QStringList built = itemsOf(deck), regBefore = itemsOf(reg), spcBefore = itemsOf(spc);
        const QString path = folder.filePath(QStringLiteral("built.ucd"));
        w.prompter.files = {QFile::encodeName(path).toStdString()};
        w.click(QStringLiteral("btnSave"));
        QCOMPARE(w.prompter.lastMessage(), std::string("Your deck was saved."));
        QCOMPARE(fileBytes(path), QByteArray("version16\r\n[228] ABYSS\r\n[164] HORN BEETLE\r\n[120] OGRE\r\n"
                                             "[203] DOUBLE TEAM\r\n[105] CLOWN\r\n"));
        w.prompter.answers = {true};
        w.click(QStringLiteral("btnClose"));
        QVERIFY(itemsOf(deck).isEmpty());
        QCOMPARE(counts(), QStringLiteral("0 66 29"));
        w.prompter.files = {QFile::encodeName(path).toStdString()};
        w.click(QStringLiteral("btnOpen"));
        QCOMPARE(itemsOf(deck), built);
        QCOMPARE(itemsOf(reg), regBefore);
        QCOMPARE(itemsOf(spc), spcBefore);
        QCOMPARE(counts(), QStringLiteral("5 63 27"));
        QCOMPARE(selected(), entry(228));
        QCOMPARE(w.text("txtDesc"), recordOf(228));
    }

    // The real file dialog and message boxes: the name is typed without ".ucd" and saved as
    // typed; cancelling the open dialog keeps the deck.
    void saveAndOpenThroughTheFileDialog() {
        frmMain::Overrides o;
        o.programFolder = folder.path();
        frmMain window(o);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(window.findChild<QListWidget*>(QStringLiteral("lstRegCards")), 100, true);
        QCOMPARE(window.core.deck.lstDeck.count(), 1);

        // Each step waits until a visible box of its kind is the active modal window, and is tried
        // again on the next tick until it reports done (a dialog may refuse a name before its
        // folder is loaded).
        std::deque<std::function<bool(QWidget*)>> steps;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && !steps.empty() && steps.front()(modal)) steps.pop_front();
        });
        ticks.start(20);
        QStringList filters;
        QString suffix = QStringLiteral("unset");
        const auto pressOk = [](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            return box && (box->accept(), true);
        };
        steps.push_back([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!name) return false;
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            dialog->setDirectory(folder.path());
            name->setText(QStringLiteral("typed"));
            static_cast<QDialog*>(dialog)->accept(); // takes the typed name, as Save does
            return !dialog->isVisible();
        });
        steps.push_back(pressOk); // "Your deck was saved."
        window.findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
        QCOMPARE(filters, QStringList{QStringLiteral("Deck File (*.ucd)")});
        QCOMPARE(suffix, QString());
        QCOMPARE(fileBytes(folder.filePath(QStringLiteral("typed"))),
                 QByteArray("version16\r\n[100] GNOME\r\n"));

        steps.push_back(pressOk); // the warning before the dialog
        steps.push_back([](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            return dialog && (dialog->reject(), true);
        });
        window.findChild<QPushButton*>(QStringLiteral("btnOpen"))->click();
        QVERIFY(steps.empty());
        QCOMPARE(window.core.deck.lstDeck.items(), std::vector<std::string>{"[100] GNOME"});
    }
};

QTEST_MAIN(DeckEditorWindowTest)
#include "deck_editor_window_test.moc"
