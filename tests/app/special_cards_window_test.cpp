// Special cards played in the real window, offscreen, as the players would: OFFLINE, each
// player opens a deck file that brings the special cards to hand first (no shuffle), picks
// cards in the hand, slot numbers in SLOT A and graveyard items, and presses S. What each
// card does is checked in the core's tests; these games check that both S buttons, every
// kind of pick and the chance draw reach the core, and that the board shows the result.
#include "window_fixture.h"

#include "cards/catalogue.h"
#include "deck/deck_file.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using grim::test::WindowUnderTest;

namespace {

const QString p1 = QStringLiteral("U1");
const QString p2 = QStringLiteral("U2");

QString card(int code) {
    return QString::fromStdString(grim::cardSubs::record(code)->name);
}

// The top cards of a deck, then level 1 cards from [100] GNOME to [115] MOTH, over and over,
// up to 40 cards.
std::vector<std::string> deckOf(const std::vector<int>& top) {
    std::vector<std::string> deck;
    for (int code : top)
        deck.push_back(grim::cardSubs::record(code)->name);
    for (int code = 100; deck.size() < 40; code = code == 115 ? 100 : code + 1)
        deck.push_back(grim::cardSubs::record(code)->name);
    return deck;
}

// One game at the window: the clicks of both players and what the board shows.
class Duel {
  public:
    Duel(WindowUnderTest& w, const QString& folder, std::vector<std::string> deck1,
         std::vector<std::string> deck2)
        : w_(w), folder_(folder), decks_{std::move(deck1), std::move(deck2)} {}

    // What the board shows.
    QString text(const QString& name) const {
        auto* box = w_.find<QLineEdit>(name);
        return box ? box->text() : QStringLiteral("<no %1>").arg(name);
    }
    QString slot(const QString& u, int i) const { return text(QStringLiteral("txtAtt%1_%2").arg(u).arg(i)); }
    QStringList items(const QString& name) const {
        QStringList texts;
        if (auto* list = w_.find<QListWidget>(name))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        if (auto* combo = w_.find<QComboBox>(name))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        return texts;
    }
    QStringList hand(const QString& u) const { return items(QStringLiteral("lstHand") + u); }
    QStringList grave(const QString& u) const { return items(QStringLiteral("cmbGrave") + u); }
    QStringList deck(const QString& u) const { return items(QStringLiteral("lstDeck") + u); }
    bool enabled(const QString& name) const {
        auto* widget = w_.find<QWidget>(name);
        return widget && widget->isEnabled();
    }

    // Every widget of the window with its text, items, selection and enabled state.
    QStringList snapshot() const {
        QStringList state;
        for (QWidget* widget : w_.window->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty()) continue;
            QString line = widget->objectName() + (widget->isEnabled() ? " on" : " off");
            if (auto* box = qobject_cast<QLineEdit*>(widget)) line += " " + box->text();
            if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) line += " " + box->toPlainText();
            if (auto* list = qobject_cast<QListWidget*>(widget))
                line +=
                    QStringLiteral(" %1 ").arg(list->currentRow()) + items(widget->objectName()).join('|');
            if (auto* combo = qobject_cast<QComboBox*>(widget))
                line +=
                    QStringLiteral(" %1 ").arg(combo->currentIndex()) + items(widget->objectName()).join('|');
            state << line;
        }
        return state;
    }

    // The player's actions.
    void click(const QString& name) {
        auto* button = w_.find<QPushButton>(name);
        QVERIFY2(button && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void open(const QString& u) {
        const QString path = QDir(folder_).filePath(u + QStringLiteral(".ucd"));
        QVERIFY(grim::deckFile::write(path.toStdString(), decks_[u == p1 ? 0 : 1]));
        w_.prompter.files.push_back(path.toStdString());
        click(QStringLiteral("btnOpen") + u);
        QCOMPARE(text(QStringLiteral("txtDeckCnt") + u), QStringLiteral("40"));
    }
    void q5(const QString& u) { click(QStringLiteral("btnQ5") + u); }
    void end(const QString& u) { click(QStringLiteral("btnEnd") + u); }
    void pick(const QString& u, const QString& entry) {
        auto* list = w_.find<QListWidget>(QStringLiteral("lstHand") + u);
        QVERIFY(list);
        const auto found = list->findItems(entry, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(entry + " in the hand of " + u));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
        QCOMPARE(list->currentItem(), found.front());
    }
    void sacrifice(const QString& u, const QString& entry) {
        pick(u, entry);
        w_.prompter.answers.push_back(true);
        click(QStringLiteral("btnSacri") + u);
    }
    void field(const QString& u, const QString& entry) {
        pick(u, entry);
        click(QStringLiteral("btnField") + u);
        QVERIFY2(!enabled(QStringLiteral("btnField") + u), "one card fielded per turn");
    }
    void chooseSlotA(const QString& u, int slot) {
        auto* selector = w_.find<QComboBox>(QStringLiteral("cmbSlotA") + u);
        selector->setCurrentIndex(selector->findText(QString::number(slot)));
        QCOMPARE(selector->currentText(), QString::number(slot));
    }
    void chooseGraveItem(const QString& u, const QString& entry) {
        auto* graveyard = w_.find<QComboBox>(QStringLiteral("cmbGrave") + u);
        graveyard->setCurrentIndex(graveyard->findText(entry));
        QCOMPARE(graveyard->currentText(), entry);
    }

    // Picks the special card and presses S. The card must take effect without a message:
    // it leaves the hand for the newest place in its owner's graveyard, every count box
    // matches its list, and the side can no longer draw, sacrifice or play another one.
    void play(const QString& u, int code) {
        const QString entry = card(code);
        const int handBefore = hand(u).size();
        const std::size_t messagesBefore = w_.prompter.messages.size();
        pick(u, entry);
        click(QStringLiteral("btnSpecial") + u);
        QCOMPARE(w_.prompter.messages.size(), messagesBefore);
        QCOMPARE(hand(u).size(), handBefore - 1);
        QCOMPARE(grave(u).last(), entry);
        for (const QString& side : {p1, p2}) {
            QCOMPARE(text(QStringLiteral("txtHandCnt") + side), QString::number(hand(side).size()));
            QCOMPARE(text(QStringLiteral("txtGraveCnt") + side), QString::number(grave(side).size()));
            QCOMPARE(text(QStringLiteral("txtDeckCnt") + side), QString::number(deck(side).size()));
        }
        for (const char* button : {"btnSpecial", "btnSacri", "btnQ5", "btnAdd"})
            QVERIFY2(!enabled(QLatin1String(button) + u), button);
    }
    // Picks the special card and presses S: the card is refused with the message and the
    // window shows exactly what it showed before.
    void refused(const QString& u, int code, const char* message) {
        pick(u, card(code));
        const QStringList before = snapshot();
        const std::size_t messagesBefore = w_.prompter.messages.size();
        click(QStringLiteral("btnSpecial") + u);
        QCOMPARE(w_.prompter.messages.size(), messagesBefore + 1);
        QCOMPARE(w_.prompter.lastMessage(), std::string(message));
        QCOMPARE(snapshot(), before);
        QVERIFY(enabled(QStringLiteral("btnSpecial") + u));
    }
    // Player 1 ends its first turn; player 2 opens its deck and takes five cards.
    void secondPlayerStarts() {
        end(p1);
        open(p2);
        q5(p2);
    }
    void nextDraws(double fraction) { w_.random.script.push_back(fraction); }

  private:
    WindowUnderTest& w_;
    QString folder_;
    std::vector<std::string> decks_[2];
};

} // namespace

class SpecialCardsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<WindowUnderTest> w;
    std::unique_ptr<Duel> d;

    // An OFFLINE game whose decks start with these cards, at player 1's first turn after it
    // has opened its deck and taken five cards.
    void start(const std::vector<int>& top1, const std::vector<int>& top2) {
        d = std::make_unique<Duel>(*w, folder.path(), deckOf(top1), deckOf(top2));
        w->trigger(QStringLiteral("smnOffline"));
        d->open(p1);
        d->q5(p1);
    }

  private slots:
    void init() {
        w = std::make_unique<WindowUnderTest>(folder.path());
        QVERIFY(w->showGameTab());
    }
    void cleanup() {
        d.reset();
        w.reset();
    }

    void slotPicksAndLifePoints() {
        start({100, 207, 200}, {101, 205, 213});
        d->refused(p1, 207, "No # selected for SLOT A. This # is your card.");
        d->field(p1, card(100));
        d->chooseSlotA(p1, 1);
        d->play(p1, 207); // INCREASE
        QCOMPARE(d->slot(p1, 1), QStringLiteral("[100] GNOME 150"));
        d->secondPlayerStarts();
        d->field(p2, card(101));
        d->chooseSlotA(p2, 1);
        d->play(p2, 205); // REDUCTION of player 1's slot 1
        QCOMPARE(d->slot(p1, 1), QStringLiteral("[100] GNOME 100"));
        QCOMPARE(d->slot(p2, 1), QStringLiteral("[101] ELF 100"));
        d->end(p2);
        d->play(p1, 200); // LIFELESS
        QCOMPARE(d->text("txtLpU2"), QStringLiteral("24"));
        d->end(p1);
        d->play(p2, 213); // LIFEPOINT
        QCOMPARE(d->text("txtLpU2"), QStringLiteral("25"));
        QCOMPARE(d->text("txtLpU1"), QStringLiteral("25"));
    }

    void graveyardPicksAndTheChanceDraw() {
        start({116, 202, 209}, {211});
        d->sacrifice(p1, card(116));
        d->chooseGraveItem(p1, card(116));
        d->play(p1, 202); // REVIVAL: 1L
        QCOMPARE(d->deck(p1).first(), card(116));
        QCOMPARE(d->grave(p1), QStringList({card(202)}));
        QCOMPARE(d->text("txtLpU1"), QStringLiteral("24"));
        d->secondPlayerStarts();
        d->chooseGraveItem(p1, card(202));
        d->play(p2, 211); // GRAVE ROBBER
        QCOMPARE(d->grave(p2), QStringList({card(202), card(211)}));
        QCOMPARE(d->grave(p1), QStringList());
        d->end(p2);
        const QStringList handBefore = d->hand(p2);
        d->nextDraws(0.1); // 6: the second card
        d->play(p1, 209);  // CHOSEN ONE: 1C
        QStringList spared = handBefore;
        spared.removeAt(1);
        QCOMPARE(d->hand(p2), spared);
        QCOMPARE(d->grave(p2).last(), handBefore.at(1));
        QCOMPARE(d->text("txtSacriCntU1"), QStringLiteral("0"));
    }
};

QTEST_MAIN(SpecialCardsWindowTest)
#include "special_cards_window_test.moc"
