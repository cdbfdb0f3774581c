// Every special card played in the real window, offscreen, as the players would: OFFLINE,
// each player opens a deck file that brings the special cards to hand first (no shuffle),
// picks cards in the hand, slot numbers in SLOT A and graveyard items, and presses S. Each
// game below plays a few special cards on both sides and checks what the board shows.
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

#include <iterator>
#include <set>

using grim::test::WindowUnderTest;

namespace {

const QString p1 = QStringLiteral("U1");
const QString p2 = QStringLiteral("U2");

QString card(int code) {
    return QString::fromStdString(grim::cardSubs::record(code)->name);
}

// The top cards of a deck, then level 1 cards from [100] GNOME to [115] MOTH, over and over,
// up to 40 cards. Those fill-ins cost nothing to field and are the cards the players
// sacrifice.
std::vector<std::string> deckOf(const std::vector<int>& top) {
    std::vector<std::string> deck;
    for (int code : top)
        deck.push_back(grim::cardSubs::record(code)->name);
    for (int code = 100; deck.size() < 40; code = code == 115 ? 100 : code + 1)
        deck.push_back(grim::cardSubs::record(code)->name);
    return deck;
}

QStringList sorted(QStringList texts) {
    texts.sort();
    return texts;
}

bool isFillIn(const QString& entry) {
    const auto code = grim::cardSubs::cardCode(entry.toStdString());
    return code && *code >= 100 && *code <= 115;
}

// The special codes played so far, over all games.
std::set<int> played;

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
    // The first fill-in card of the side's hand.
    QString fillIn(const QString& u) const {
        for (const QString& entry : hand(u))
            if (isFillIn(entry)) return entry;
        return QString();
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
    void draw(const QString& u) { click(QStringLiteral("btnAdd") + u); }
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
        const int before = text(QStringLiteral("txtSacriCnt") + u).toInt();
        pick(u, entry);
        w_.prompter.answers.push_back(true);
        click(QStringLiteral("btnSacri") + u);
        QCOMPARE(text(QStringLiteral("txtSacriCnt") + u).toInt(), before + 1);
        QCOMPARE(grave(u).last(), entry);
    }
    void sacrificeFillIns(const QString& u, int n) {
        for (int i = 0; i < n; ++i)
            sacrifice(u, fillIn(u));
    }
    int onField(const QString& u, const QString& entry) const {
        int n = 0;
        for (int i = 1; i <= 5; ++i)
            n += slot(u, i).startsWith(entry + ' ') ? 1 : 0;
        return n;
    }
    void field(const QString& u, const QString& entry) {
        const int before = onField(u, entry);
        pick(u, entry);
        click(QStringLiteral("btnField") + u);
        QCOMPARE(onField(u, entry), before + 1);
        QVERIFY2(!enabled(QStringLiteral("btnField") + u), "one card fielded per turn");
    }
    void fieldFillIn(const QString& u) { field(u, fillIn(u)); }
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
        played.insert(code);
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

// The games. Each begins with player 1's first turn, after it has opened its deck and taken
// five cards.

void lifePoints(Duel& d) {
    d.play(p1, 200); // LIFELESS
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("24"));
    d.secondPlayerStarts();
    d.play(p2, 213); // LIFEPOINT
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("25"));
    d.end(p2);
    d.play(p1, 212); // SUICIDE
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("24"));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("24"));
    d.end(p1);
    d.play(p2, 201); // LIFELESS
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("23"));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("24"));
}

void powers(Duel& d) {
    d.field(p1, card(100));
    d.chooseSlotA(p1, 1);
    d.play(p1, 207); // INCREASE
    QCOMPARE(d.slot(p1, 1), QStringLiteral("[100] GNOME 150"));
    d.secondPlayerStarts();
    d.field(p2, card(101));
    d.chooseSlotA(p2, 1);
    d.play(p2, 205); // REDUCTION of player 1's slot 1
    QCOMPARE(d.slot(p1, 1), QStringLiteral("[100] GNOME 100"));
    QCOMPARE(d.slot(p2, 1), QStringLiteral("[101] ELF 100"));
    d.end(p2);
    d.play(p1, 204); // REDUCTION (SLOT A is still 1)
    QCOMPARE(d.slot(p2, 1), QStringLiteral("[101] ELF 50"));
    d.end(p1);
    d.field(p2, card(102));
    d.chooseSlotA(p2, 2);
    d.play(p2, 208); // INCREASE
    QCOMPARE(d.slot(p2, 2), QStringLiteral("[102] FAIRY 150"));
    d.end(p2);
    d.chooseSlotA(p1, 1);
    d.play(p1, 206); // REDUCTION to 0: ELF is destroyed
    QCOMPARE(d.slot(p2, 1), QString());
    QCOMPARE(d.grave(p2), QStringList({card(205), card(208), QStringLiteral("[101] ELF 50")}));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("24"));
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("25"));
}

void counters(Duel& d) {
    d.refused(p1, 214, "Use this card after reaching your sacrifice limit.");
    d.sacrificeFillIns(p1, 2);
    QVERIFY(!d.enabled("btnSacriU1"));
    d.play(p1, 214); // IOU
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("3"));
    d.secondPlayerStarts();
    d.play(p2, 217); // INCONVENIENCE
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("2"));
    d.end(p2);
    d.play(p1, 220); // RECOVERY
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("27"));
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("0"));
    d.end(p1);
    d.sacrificeFillIns(p2, 1);
    d.play(p2, 222); // SELFISHNESS
    QCOMPARE(d.grave(p2), QStringList({card(222)}));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("26"));
}

void godKillerAndDeadlyDice(Duel& d) {
    d.refused(p1, 210, "No # selected for SLOT A. This # is opponent's card.");
    d.sacrificeFillIns(p1, 2);
    d.secondPlayerStarts();
    d.sacrificeFillIns(p2, 2);
    d.end(p2);
    for (const QString& u : {p1, p2}) {
        d.q5(u);
        d.sacrificeFillIns(u, 2);
        d.end(u);
    }
    d.q5(p1);
    d.sacrificeFillIns(p1, 2);
    d.fieldFillIn(p1);
    const QString fielded = d.slot(p1, 1);
    d.end(p1);
    d.q5(p2);
    d.sacrificeFillIns(p2, 2);
    d.field(p2, card(165));
    QCOMPARE(d.slot(p2, 1), QStringLiteral("[165] OMEGA 600"));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("20"));
    d.end(p2);

    d.chooseSlotA(p1, 1);
    d.play(p1, 210); // GOD KILLER: 5L & 5C
    QCOMPARE(d.slot(p2, 1), QString());
    QCOMPARE(d.grave(p2).last(), QStringLiteral("[165] OMEGA 600"));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("20"));
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("20"));
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("1"));
    d.end(p1);

    d.nextDraws(0.65); // 33: slot 1
    d.play(p2, 218);   // DEADLY DICE: 2L & 1C
    QCOMPARE(d.slot(p1, 1), QString());
    QCOMPARE(d.grave(p1).last(), fielded);
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("19"));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("18"));
    QCOMPARE(d.text("txtSacriCntU2"), QStringLiteral("0"));
}

void deathAndArmageddon(Duel& d) {
    d.sacrificeFillIns(p1, 1);
    d.fieldFillIn(p1);
    d.secondPlayerStarts();
    d.sacrificeFillIns(p2, 2);
    d.fieldFillIn(p2);
    const QString victim = d.slot(p2, 1);
    d.end(p2);
    d.q5(p1);
    d.fieldFillIn(p1);
    d.play(p1, 221); // DEATH: 1L & 1C
    QCOMPARE(d.slot(p2, 1), QString());
    QCOMPARE(d.grave(p2).last(), victim);
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("24"));
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("24"));
    d.end(p1);
    d.q5(p2);
    d.sacrificeFillIns(p2, 2);
    d.fieldFillIn(p2);
    d.end(p2);
    d.q5(p1);
    d.fieldFillIn(p1);
    d.end(p1);
    d.q5(p2);
    d.sacrificeFillIns(p2, 2);
    d.fieldFillIn(p2);

    const QStringList field1{d.slot(p1, 1), d.slot(p1, 2), d.slot(p1, 3)};
    const QStringList field2{d.slot(p2, 1), d.slot(p2, 2)};
    const QStringList grave1 = d.grave(p1);
    const QStringList grave2 = d.grave(p2);
    d.play(p2, 215); // ARMAGEDDON: 5L & 5C, and 1L for each own card destroyed
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(d.slot(p1, i), QString());
        QCOMPARE(d.slot(p2, i), QString());
    }
    QCOMPARE(d.grave(p1), grave1 + field1);
    QCOMPARE(d.grave(p2), grave2 + field2 + QStringList{card(215)});
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("21"));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("17"));
    QCOMPARE(d.text("txtSacriCntU2"), QStringLiteral("1"));
}

void graveyards(Duel& d) {
    d.sacrifice(p1, card(116));
    d.chooseGraveItem(p1, card(116));
    d.play(p1, 202); // REVIVAL: 1L
    QCOMPARE(d.deck(p1).first(), card(116));
    QCOMPARE(d.text("txtDeckCntU1"), QStringLiteral("36"));
    QCOMPARE(d.grave(p1), QStringList({card(202)}));
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("24"));
    d.secondPlayerStarts();
    d.chooseGraveItem(p1, card(202));
    d.play(p2, 211); // GRAVE ROBBER
    QCOMPARE(d.grave(p2), QStringList({card(202), card(211)}));
    QCOMPARE(d.grave(p1), QStringList());
    d.end(p2);
    d.draw(p1);
    QCOMPARE(d.hand(p1).last(), card(116));
    const QStringList handBefore = d.hand(p2);
    d.nextDraws(0.1); // 6: the second card
    d.play(p1, 209);  // CHOSEN ONE: 1C
    QStringList spared = handBefore;
    spared.removeAt(1);
    QCOMPARE(d.hand(p2), spared);
    QCOMPARE(d.grave(p2).last(), handBefore.at(1));
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("0"));
    d.end(p1);
    d.sacrificeFillIns(p2, 1);
    d.play(p2, 228); // ABYSS: 1C
    QCOMPARE(d.grave(p1), QStringList());
    QCOMPARE(d.text("txtGraveCntU1"), QStringLiteral("0"));
    QCOMPARE(d.text("txtSacriCntU2"), QStringLiteral("0"));
}

void decksAndHands(Duel& d) {
    const QStringList deck = d.deck(p1);
    d.play(p1, 225); // LUCK
    QVERIFY(d.deck(p1) != deck);
    QCOMPARE(sorted(d.deck(p1)), sorted(deck));
    d.secondPlayerStarts();
    const QStringList luckyDeck = d.deck(p1);
    const QStringList ownDeck = d.deck(p2);
    d.play(p2, 223); // DISRUPTOR
    QVERIFY(d.deck(p1) != luckyDeck);
    QCOMPARE(sorted(d.deck(p1)), sorted(luckyDeck));
    QCOMPARE(d.deck(p2), ownDeck);
    d.end(p2);
    d.q5(p1);
    d.sacrificeFillIns(p1, 1);
    d.fieldFillIn(p1);
    d.play(p1, 203); // DOUBLE TEAM: 1C for a second card on the field
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("0"));
    QVERIFY(d.enabled("btnFieldU1"));
    d.fieldFillIn(p1);
    QVERIFY(!d.slot(p1, 2).isEmpty());
    d.end(p1);
    d.sacrificeFillIns(p2, 2);
    const QStringList hand1 = d.hand(p1);
    QStringList hand2 = d.hand(p2);
    hand2.removeOne(card(224));
    d.play(p2, 224); // EXCHANGE
    QCOMPARE(d.hand(p1), hand2);
    QCOMPARE(d.hand(p2), hand1);
}

void fieldPowers(Duel& d) {
    d.sacrificeFillIns(p1, 2);
    d.field(p1, card(116));
    d.chooseSlotA(p1, 1);
    d.play(p1, 216); // INVIGORATION: 1C, 20 for the one card on the field
    QCOMPARE(d.slot(p1, 1), QStringLiteral("[116] ZOMBIE 120"));
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("1"));
    d.secondPlayerStarts();
    d.sacrificeFillIns(p2, 2);
    d.field(p2, card(119));
    d.chooseSlotA(p2, 1);
    d.play(p2, 227); // DEVESTATION of player 1's slot 1: 1C, 20 for each of 2 cards
    QCOMPARE(d.slot(p1, 1), QStringLiteral("[116] ZOMBIE 80"));
    QCOMPARE(d.text("txtSacriCntU2"), QStringLiteral("1"));
    d.end(p2);
    d.q5(p1);
    d.sacrificeFillIns(p1, 2);
    QCOMPARE(d.text("txtGraveCntU1"), QStringLiteral("5"));
    d.play(p1, 219); // SOUL TRANSFER: 3L & 3C, 10 for each of 5 own graveyard cards
    QCOMPARE(d.slot(p1, 1), QStringLiteral("[116] ZOMBIE 130"));
    QCOMPARE(d.grave(p1), QStringList({card(219)}));
    QCOMPARE(d.text("txtLpU1"), QStringLiteral("22"));
    QCOMPARE(d.text("txtSacriCntU1"), QStringLiteral("0"));
    d.end(p1);
    d.q5(p2);
    d.sacrificeFillIns(p2, 2);
    d.play(p2, 226); // SOUL STEALER: 3L & 3C, 10 for the one card in player 1's graveyard
    QCOMPARE(d.slot(p2, 1), QStringLiteral("[119] GHOST 110"));
    QCOMPARE(d.grave(p1), QStringList());
    QCOMPARE(d.text("txtGraveCntU1"), QStringLiteral("0"));
    QCOMPARE(d.text("txtLpU2"), QStringLiteral("22"));
    QCOMPARE(d.text("txtSacriCntU2"), QStringLiteral("0"));
}

struct Game {
    const char* name;
    std::vector<int> top1, top2; // the first cards of each player's deck
    void (*play)(Duel&);
};

const Game games[] = {
    {"LIFELESS, LIFEPOINT, SUICIDE", {200, 212}, {201, 213}, lifePoints},
    {"INCREASE, REDUCTION", {100, 207, 204, 206}, {101, 205, 208, 102}, powers},
    {"IOU, INCONVENIENCE, RECOVERY, SELFISHNESS", {214, 220}, {217, 222}, counters},
    {"GOD KILLER, DEADLY DICE", {210}, {165, 218}, godKillerAndDeadlyDice},
    {"DEATH, ARMAGEDDON", {221}, {215}, deathAndArmageddon},
    {"REVIVAL, GRAVE ROBBER, CHOSEN ONE, ABYSS", {116, 202, 209}, {211, 228}, graveyards},
    {"LUCK, DISRUPTOR, DOUBLE TEAM, EXCHANGE", {225, 203}, {223, 224}, decksAndHands},
    {"INVIGORATION, DEVESTATION, SOUL TRANSFER, SOUL STEALER", {116, 216, 219}, {119, 227, 226}, fieldPowers},
};

} // namespace

class SpecialCardsWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<WindowUnderTest> w;

  private slots:
    void init() {
        w = std::make_unique<WindowUnderTest>(folder.path());
        QVERIFY(w->showGameTab());
    }
    void cleanup() { w.reset(); }

    void playsSpecialCards_data() {
        QTest::addColumn<int>("game");
        for (int i = 0; i < int(std::size(games)); ++i)
            QTest::newRow(games[i].name) << i;
    }
    void playsSpecialCards() {
        QFETCH(int, game);
        const Game& g = games[game];
        Duel duel(*w, folder.path(), deckOf(g.top1), deckOf(g.top2));
        w->trigger(QStringLiteral("smnOffline"));
        duel.open(p1);
        duel.q5(p1);
        g.play(duel);
    }

    // Runs after the games: between them they played every special code.
    void everySpecialCodeWasPlayed() {
        std::set<int> all;
        for (int code = 200; code <= 228; ++code)
            all.insert(code);
        QCOMPARE(played, all);
    }
};

QTEST_MAIN(SpecialCardsWindowTest)
#include "special_cards_window_test.moc"
