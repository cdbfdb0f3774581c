// The deck editor through the real widgets: a deck built by double-clicks, ordered with the
// buttons, saved, closed and opened again; and the real file dialog and message boxes.
#include "window_fixture.h"

#include "cards/catalogue.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

using grim::test::WindowUnderTest;

namespace {

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QString entry(int code) {
    return QString::fromStdString(grim::cardSubs::record(code)->name);
}

QString recordOf(int code) {
    return QString::fromStdString(grim::cardSubs::recordText(*grim::cardSubs::record(code)))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A double-click as the mouse makes it: press and release, then the second press (the
// double-click event) and its release.
void doubleClick(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the modal boxes and dialogs that open, in order. An action waits until a visible
// box of its kind is the active modal window, and is tried again on the next tick until it
// reports that it is done (a file dialog may refuse a name before its folder is loaded).
class ModalScript : public QObject {
  public:
    template <class Box> void then(std::function<bool(Box*)> action) {
        actions_.push_back([action](QWidget* modal) {
            auto* box = qobject_cast<Box*>(modal);
            return box && box->isVisible() && action(box);
        });
    }
    int left() const { return static_cast<int>(actions_.size()); }
    ModalScript() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !actions_.empty() && actions_.front()(modal)) actions_.pop_front();
        });
        timer_.start(20);
    }

  private:
    QTimer timer_;
    std::deque<std::function<bool(QWidget*)>> actions_;
};

} // namespace

class DeckEditorWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<WindowUnderTest> w;
    QListWidget *deck = nullptr, *reg = nullptr, *spc = nullptr;

    void click(QListWidget* list, const QString& text, bool twice = false) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(text));
        if (twice) return doubleClick(list, found.front());
        list->scrollToItem(found.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    }
    void press(const char* name) {
        auto* b = w->find<QPushButton>(QLatin1String(name));
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString text(const char* name) const {
        if (auto* line = w->find<QLineEdit>(QLatin1String(name))) return line->text();
        return w->find<QPlainTextEdit>(QLatin1String(name))->toPlainText();
    }
    QString selected(QListWidget* list) const {
        const auto items = list->selectedItems();
        return items.isEmpty() ? QString() : items.front()->text();
    }

  private slots:
    void init() {
        w = std::make_unique<WindowUnderTest>(folder.path());
        w->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w->window.get()));
        deck = w->find<QListWidget>(QStringLiteral("lstDeck"));
        reg = w->find<QListWidget>(QStringLiteral("lstRegCards"));
        spc = w->find<QListWidget>(QStringLiteral("lstSpcCards"));
        QVERIFY(deck && reg && spc);
    }
    void cleanup() { w.reset(); }

    void buildSaveCloseReopen() {
        // A click shows the record; a double-click moves the card into the deck.
        click(reg, entry(105));
        QCOMPARE(text("txtDesc"), recordOf(105));
        for (int code : {105, 164, 100, 120})
            click(reg, entry(code), true);
        for (int code : {228, 203})
            click(spc, entry(code), true);
        QCOMPARE(itemsOf(deck),
                 (QStringList{entry(105), entry(164), entry(100), entry(120), entry(228), entry(203)}));
        QCOMPARE(text("txtDeckCount"), QStringLiteral("6"));
        QCOMPARE(text("txtRegCnt"), QStringLiteral("62"));
        QCOMPARE(text("txtSpcCnt"), QStringLiteral("27"));
        // Taking 203 selected the entry above it, and its record is shown.
        QCOMPARE(selected(spc), entry(202));
        QCOMPARE(text("txtDesc"), recordOf(202));

        // Order the deck with the buttons.
        click(deck, entry(228));
        QCOMPARE(text("txtDesc"), recordOf(228));
        press("btnTop"); // 228 to the top; index i - 1 of the new order is selected
        QCOMPARE(itemsOf(deck),
                 (QStringList{entry(228), entry(105), entry(164), entry(100), entry(120), entry(203)}));
        QCOMPARE(selected(deck), entry(100));
        QCOMPARE(text("txtDesc"), recordOf(100));
        press("btnUp");
        press("btnUp");
        QCOMPARE(selected(deck), entry(100));
        click(deck, entry(105));
        press("txtBottom"); // the entry that stood above 105 (100) is selected
        QCOMPARE(selected(deck), entry(100));
        press("btnDown");
        QCOMPARE(itemsOf(deck),
                 (QStringList{entry(228), entry(164), entry(100), entry(120), entry(203), entry(105)}));
        QCOMPARE(selected(deck), entry(100));
        QCOMPARE(text("txtDesc"), recordOf(100));
        QVERIFY(w->prompter.messages.empty());

        // A card taken back out returns to its place; the entry above it is selected.
        click(deck, entry(100), true);
        QCOMPARE(reg->item(0)->text(), entry(100));
        QCOMPARE(text("txtRegCnt"), QStringLiteral("63"));
        QCOMPARE(text("txtDeckCount"), QStringLiteral("5"));
        QCOMPARE(selected(deck), entry(164));
        QCOMPARE(text("txtDesc"), recordOf(164));

        const QStringList built = itemsOf(deck);
        const QStringList regBefore = itemsOf(reg), spcBefore = itemsOf(spc);
        const QString path = folder.filePath(QStringLiteral("built.ucd"));
        w->prompter.files = {QFile::encodeName(path).toStdString()};
        press("btnSave");
        QCOMPARE(w->prompter.filters, std::vector<std::string>{"Deck File (*.ucd)"});
        QCOMPARE(w->prompter.lastMessage(), std::string("Your deck was saved."));
        QCOMPARE(fileBytes(path), QByteArray("version16\r\n[228] ABYSS\r\n[164] HORN BEETLE\r\n[120] OGRE\r\n"
                                             "[203] DOUBLE TEAM\r\n[105] CLOWN\r\n"));

        w->prompter.answers = {true};
        press("btnClose");
        QVERIFY(itemsOf(deck).isEmpty());
        QCOMPARE(text("txtDeckCount"), QStringLiteral("0"));
        QCOMPARE(text("txtRegCnt"), QStringLiteral("66"));
        QCOMPARE(text("txtSpcCnt"), QStringLiteral("29"));

        w->prompter.files = {QFile::encodeName(path).toStdString()};
        press("btnOpen");
        QCOMPARE(itemsOf(deck), built);
        QCOMPARE(itemsOf(reg), regBefore);
        QCOMPARE(itemsOf(spc), spcBefore);
        QCOMPARE(text("txtDeckCount"), QStringLiteral("5"));
        QCOMPARE(text("txtRegCnt"), QStringLiteral("63"));
        QCOMPARE(text("txtSpcCnt"), QStringLiteral("27"));
        QCOMPARE(selected(deck), entry(228));
        QCOMPARE(text("txtDesc"), recordOf(228));
    }

    void refusalsShowTheirMessage() {
        press("btnTop");
        press("txtBottom");
        press("btnSave");
        press("btnClose");
        QCOMPARE(w->prompter.messages,
                 (std::vector<std::string>{"No item selected in DECK to move to top.",
                                           "No item selected in DECK to move to bottom.",
                                           "There are no cards in your deck to save.",
                                           "There are no cards in deck to close."}));
    }
};

// The real file dialog and message boxes of the window.
class DeckEditorDialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

  private slots:
    void saveAndOpenThroughTheFileDialog() {
        frmMain::Overrides o;
        o.programFolder = folder.path();
        frmMain window(o);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* reg = window.findChild<QListWidget*>(QStringLiteral("lstRegCards"));
        doubleClick(reg, reg->item(0));
        QCOMPARE(window.core.deck.lstDeck.count(), 1);

        ModalScript script;
        QStringList filters;
        QString suffix = QStringLiteral("unset");
        // The name is typed without ".ucd": it is saved as typed.
        const QString path = folder.filePath(QStringLiteral("typed"));
        script.then<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            // The player types the name into the dialog's file name box in the folder.
            dialog->setDirectory(folder.path());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) return false;
            name->setText(QStringLiteral("typed"));
            static_cast<QDialog*>(dialog)->accept(); // takes the typed name, as Save does
            return !dialog->isVisible();
        });
        script.then<QMessageBox>([](QMessageBox* box) { // "Your deck was saved."
            box->accept();
            return true;
        });
        window.findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
        QCOMPARE(filters, QStringList{QStringLiteral("Deck File (*.ucd)")});
        QCOMPARE(suffix, QString());
        QCOMPARE(fileBytes(path), QByteArray("version16\r\n[100] GNOME\r\n"));

        // Cancelling the open dialog ends OPEN silently: the deck stays.
        script.then<QMessageBox>([](QMessageBox* box) { // the warning before the dialog
            box->accept();
            return true;
        });
        script.then<QFileDialog>([](QFileDialog* dialog) {
            dialog->reject();
            return true;
        });
        window.findChild<QPushButton*>(QStringLiteral("btnOpen"))->click();
        QCOMPARE(script.left(), 0);
        QCOMPARE(window.core.deck.lstDeck.items(), std::vector<std::string>{"[100] GNOME"});
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DeckEditorWindowTest editor;
    DeckEditorDialogsTest dialogs;
    return QTest::qExec(&editor, argc, argv) | QTest::qExec(&dialogs, argc, argv);
}

#include "deck_editor_window_test.moc"
