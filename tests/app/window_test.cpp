// The window through its real widgets, offscreen.
#include "app/data_folder.h"
#include "board/same_board.h"
#include "shown.h"

#include <set>

using namespace grim;
using namespace grim::test;

namespace {

#define SACRIFICE "?Do you want to sacrifice this card?"
#define SHUFFLE "?Do you want to shuffle your deck?"

// The other side's controls are disabled in the core, so a control wired across shows nothing.
const Step firstTurns[] = {
    {"click smnOffline", "smnOffline=off+;smnOnline=off;smnComputer=off;btnOpenU1=on;fraBoardU1=on+"},
    {"file:deck1.ucd click btnOpenU1, click btnAddU1",
     SHUFFLE ";lstHandU1={200};txtHandCntU1=1;txtDeckCntU1=39;btnOpenU1=off;btnQ5U1=on"},
    {"click btnQ5U1", "lstHandU1={200}|{207}|{100}|{101}|{102};txtHandCntU1=5;txtDeckCntU1=35"},
    {"pick lstHandU1 {101}, yes click btnSacriU1",
     "txtDescControls=NAME = {101};" SACRIFICE ";cmbGraveU1={101};txtGraveCntU1=1;txtSacriCntU1=1"},
    {"pick lstDeckU1 {103}", "txtDescControls=NAME = {103}"},
    {"choose cmbGraveU1 {101}", "txtDescControls=NAME = {101}"},
    {"pick lstHandU1 {100}, click btnFieldU1",
     "txtAttU1_1={100} 100;txtHandCntU1=3;btnFieldU1=off;btnSacriU1=off"},
    {"choose cmbSlotAU1 1, pick lstHandU1 {207}, click btnSpecialU1",
     "cmbSlotAU1=1|2|3|4|5@1;txtAttU1_1={100} 150;cmbGraveU1={101}|{207}@{101};txtGraveCntU1=2"},
    {"click btnEndU1", "btnEndU1=off;btnOpenU2=on;fraBoardU1=on;fraBoardU2=on+"},
    {"file:deck2.ucd click btnOpenU2, click btnAddU2",
     SHUFFLE ";txtHandCntU2=1;txtDeckCntU2=39;btnOpenU2=off;btnAttackU2=on;lblAttU2_5=on"},
    {"click btnQ5U2", "lstHandU2={200}|{211}|{110}|{111}|{112};txtHandCntU2=5;txtDeckCntU2=35"},
    {"pick lstHandU2 {111}, yes click btnSacriU2",
     "txtDescControls=NAME = {111};" SACRIFICE ";cmbGraveU2={111};txtGraveCntU2=1;txtSacriCntU2=1"},
    {"pick lstDeckU2 {113}", "txtDescControls=NAME = {113}"},
    {"choose cmbGraveU2 {111}", "txtDescControls=NAME = {111}"},
    {"pick lstHandU2 {110}, click btnFieldU2", "txtAttU2_1={110} 100;txtHandCntU2=3;lblAttU2_1=off"},
    {"click smnSoundsOff, choose cmbSlotAU2 1, choose cmbSlotBU2 1, click btnAttackU2",
     "smnSoundsOff=off+;smnSoundsOn=on;txtAttU2_1=;txtLpU2=24;txtAttU1_1={100} 50"},
    {"click smnSoundsOn, click btnEndU2",
     "smnSoundsOn=off+;smnSoundsOff=on;btnEndU2=off;btnAttackU1=on;lblAttU1_5=on;fraBoardU1=on+"},
    {"choose cmbSlotBU1 2, click btnAttackU1", "cmbSlotBU1=1|2|3|4|5@2;!You can't ATTACK an empty slot."},
    {"hover btnDirectU1, click btnDirectU1",
     "txtDescControls=Click this button to take 1L from opponent. Opponent must*;txtLpU2=23;btnDirectU1=off"},
    {"click btnEndU1", "btnEndU1=off;btnEndU2=on;fraBoardU2=on+"},
    {"hover btnDirectU2, click btnDirectU2, click btnMasterU2",
     "txtDescControls=Click this button to attack opponent's LP directly.*;!You need at least 1 ATTACK card "
     "on the field to attack opponent's LIFEPOINTS.;!You must have 5 cards on the FIELD to use MASTER."},
    {"pick lstHandU2 {200}, click btnSpecialU2", "txtLpU1=24;btnSpecialU2=off"},
    {"hover txtAttU1_1", "txtDescControls=NAME = {100}"},
};

// Every control at start, then a button's, option's or slot label's caption; "U": a side, "_i": a slot.
const char* const atStart =
    "btnAddU=off ;btnAttackU=off ATTACK;btnClose=on CLOSE;btnDirectU=off DIRECT;"
    "btnDisconnect=off DISCONNECT;btnDown=on DOWN;btnEndU=off END;btnFieldU=off F;btnHost=off HOST GAME;"
    "btnJoin=off JOIN GAME;btnMasterU=off MASTER;btnOpen=on OPEN;btnOpenU=off ;btnQ5U=off Q5;"
    "btnSacriU=off X;btnSave=on SAVE;btnSet=off SET;btnSpecialU=off S;btnTop=on TOP;btnUp=on UP;cmbGraveU=;"
    "cmbLevelFilter=8@ALL LEVELS;cmbSlotAU=1|2|3|4|5;cmbSlotBU=1|2|3|4|5;"
    "cmbSort=BY CODE|BY NAME|BY LEVEL|BY POWER@BY CODE;cmbTypeFilter=18@ALL TYPES;fraBoardU=on;"
    "lblAttU_i=off SLOT i;lblDeckSummary=on;lblStatus=on;lstDeck=;lstDeckU=;lstHandU=;lstRegCards=66;"
    "lstSpcCards=29;optPlayer1=off PLAYER 1;optPlayer2=off PLAYER 2;smnComments=on;smnComputer=on;"
    "smnCreator=on;smnCredits=on;smnHint=off;smnLevel=on;smnLevelEasy=on;smnLevelHard=on;smnLevelNormal=on+;"
    "smnNewGame=off;smnOffline=on;smnOnline=on;smnQuit=on;smnRestore=off;smnSounds=on;smnSoundsOff=on;"
    "smnSoundsOn=off+;txtAttU_i=;txtBottom=on BOTTOM;txtChat=;txtDeckCntU=0;txtDeckCount=0;txtDesc=;"
    "txtDescControls=;txtFilter=;txtGraveCntU=0;txtHandCntU=0;txtLastTurn=;txtLpU=25;txtMins=3 MINUTES;"
    "txtMsg=off:;txtPlayer=off:ACE;txtPort=off:33221;txtRegCnt=66;txtRoom=off:;txtSacriCntU=0;"
    "txtServer=off:;txtSpcCnt=29;txtUpdates=0 of 8";

// The window's title, its tabs' texts one after another, and every menu item, frame title and label.
const char* const titles =
    "GRIMWARD - [VERSION 16]|DECKGAMEHELP|&OPTIONS|O&FFLINE|O&NLINE|VS &COMPUTER|R&ESTORE|NEW &GAME|&SOUNDS|"
    "O&N|O&FF|COMPUTER &LEVEL|&EASY|&NORMAL|&HARD|&HINT|&ABOUT|&CREATOR|CREDI&TS|CO&MMENTS|PLAYER 1|"
    "PLAYER 2|DECK|HAND|FIELD|GRAVEYARD|LIFE POINTS|SACRIFICED|SLOT A|SLOT B|TIME LEFT|UPDATE|"
    "DESCRIPTION OF GAME CONTROLS|ONLINE SETTINGS|NAME|IP|PORT|GAME MESSAGES && ONLINE CHAT|"
    "TYPE MESSAGE BELOW - [press ENTER key to send]|ACTUAL DECK|CARDS|REGULAR CARDS|SPECIAL CARDS|"
    "CARD DESCRIPTION|INSTRUCTIONS TO BUILD DECK";

// A control's "name=value" with "U1"/"U2" as "U" and its slot's number as "i".
QString general(const QString& name, const QString& value) {
    static const QRegularExpression side(R"(^(\w+)U[12](_(\d))?$)");
    const auto m = side.match(name);
    if (!m.hasMatch()) return name + "=" + value;
    return m.captured(1) + "U" +
           (m.hasCaptured(3) ? "_i=" + QString(value).replace(m.captured(3), "i") : "=" + value);
}

const std::pair<const char*, const char*> closings[] = {
    {"keys lstRegCards Return", "Your deck has changes that were not saved."},
    {"click smnOffline", "Your deck has changes that were not saved, and a game is in progress."},
    {"file:d.ucd click btnSave", "A game is in progress."},
    {"keys lstSpcCards Return", "Your deck has changes that were not saved, and a game is in progress."},
    {"file:d.ucd click btnOpen", "A game is in progress."},
};

const Step editor[] = {
    // the deck editor, first by keys alone, then by mouse
    {"keys lstSpcCards Return", "lstDeck={200};txtDeckCount=1;txtSpcCnt=28"}, // Tab stands on the first card
    {"keys lstRegCards Down Down", "txtDesc=NAME = {102}"}, // the record of the card the keys stand on
    {"keys lstRegCards Enter", "lstDeck={200}|{102};txtDeckCount=2;txtRegCnt=65"},
    {"keys lstDeck Home Delete Return", "lstDeck=;txtDeckCount=0;txtRegCnt=66;txtSpcCnt=29"},
    {"dbl lstRegCards {105}, dbl lstRegCards {164}, dbl lstRegCards {100}, dbl lstRegCards {120}, "
     "dbl lstSpcCards {228}, dbl lstSpcCards {203}",
     "lstDeck={105}|{164}|{100}|{120}|{228}|{203};txtSpcCnt=27;lstSpcCards=27@{202};txtDesc=NAME = {202};"
     "txtDeckCount=6;txtRegCnt=62"},
    {"pick lstDeck {228}, click btnTop, click btnUp",
     "lstDeck={228}|{105}|{100}|{164}|{120}|{203}@{100};txtDesc=NAME = {100}"},
    {"click btnDown", "lstDeck={228}|{105}|{164}|{100}|{120}|{203}@{100}"},
    {"pick lstDeck {105}, click txtBottom",
     "lstDeck={228}|{164}|{100}|{120}|{203}|{105}@{228};txtDesc=NAME = {228}"},
    {"dbl lstDeck {100}", "lstDeck={228}|{164}|{120}|{203}|{105}@{164};txtDeckCount=5;txtRegCnt=63"},
    {"file:built.ucd click btnSave", "!Your deck was saved."},
    {"yes click btnClose", "?This will close your current deck without saving any "
                           "changes!;lstDeck=;txtDeckCount=0;txtRegCnt=66;txtSpcCnt=29"},
    {"file:built.ucd click btnOpen",
     "!Opening a deck file will close the current deck loaded without saving any changes. Clicking cancel in "
     "next window will abort this.;lstDeck={228}|{164}|{120}|{203}|{105}@{228};txtDeckCount=5;txtRegCnt=63"},
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home_.filePath(".config").toLocal8Bit());
        QVERIFY(QDir(home_.path()).mkpath("Documents"));
    }

    void everyControlOfBothSidesTheTurnTimerAndTheSlotLabels() {
        Shown w({}, 1);
        auto* timer = w.find<QTimer>("tmrTurnLimit");
        timer->setTimerType(Qt::PreciseTimer); // so that its remaining time can be compared
        auto deck1 = entries(35, 103), deck2 = entries(35, 113);
        deck1.insert(deck1.begin(), {entry(200), entry(207), entry(100), entry(101), entry(102)});
        deck2.insert(deck2.begin(), {entry(200), entry(211), entry(110), entry(111), entry(112)});
        w.deck("deck1.ucd", deck1), w.deck("deck2.ucd", deck2);
        QCOMPARE(w.steps(firstTurns), QString());

        // END switches the running timer off and on within one event: it starts afresh.
        QTRY_VERIFY(timer->remainingTime() < 59990);
        const int left = timer->remainingTime();
        ACT(w, "click btnEndU2");
        QCOMPARE_GT(timer->remainingTime(), left);

        // The third tick comes while a message box is open and waits for it, then ends the turn.
        timer->setSingleShot(true);
        for (const char* shown : {"2 MINUTES", "1 MINUTES"}) {
            timer->start(1);
            QTRY_COMPARE(w.text("txtMins"), QLatin1String(shown));
        }
        w.p.whileOpen = [] { QTest::qWait(50); };
        timer->start(1);
        STEP(w, "click btnMasterU1",
             "!You must have 5 cards on the FIELD to use MASTER.;!3 minutes have passed. Your turn has "
             "automatically ended.;txtMins=3 MINUTES;btnEndU1=off;btnEndU2=on;fraBoardU2=on+");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 60000);

        // Each slot label sacrifices its own slot's card: player 1's by key, player 2's by click.
        w.p.answers.assign(10, true);
        for (int n = 0; n < 10; ++n) {
            const QString u = n < 5 ? "U1" : "U2", slot = u + "_" + QString::number(n % 5 + 1);
            w.window.forward([n](Window& core) { // only this slot holds a card, only its label is on
                Side& s = n < 5 ? core.u1 : core.u2;
                put(s.txtAtt.at(n % 5), fielded(106)), s.lblAtt.at(n % 5).enabled = true;
                s.turnSacrifices = 0, put(s.txtSacriCnt, "0");
            });
            ACT(w, n < 5 ? "keys lblAtt" + slot + (n % 2 ? " Return" : " Space") : "click lblAtt" + slot);
            QCOMPARE(w.shows("txtAtt" + slot + " txtSacriCnt" + u), " 1");
        }
    }

    void whatTheWindowShowsAtStart() {
        Shown w;
        std::set<QString> shown;
        QStringList named, texts, order, tabs;
        for (const auto& [name, value] : w.snapshot())
            if (name != "txtIp" && name != "txtInstruct" && name != "txtHelp")
                shown.insert(general(name, name.contains(QRegularExpression("^(btn|opt|lblAtt|txtBottom$)"))
                                               ? value + " " + w.find(name)->property("text").toString()
                                               : value));
        QCOMPARE(QStringList(shown.begin(), shown.end()), QString(atStart).split(';'));
        for (QObject* o :
             w.window.findChildren<QObject*>(QRegularExpression("^(btn|txt|lst|cmb|lbl|opt|smn|tmr)")))
            named << o->objectName();
        QCOMPARE(named.removeDuplicates(), 0); // one each
        // The tab order follows the board; the focus chain is a ring: walk it from the start of the GAME tab.
        for (const char* u : {"U1", "U2"})
            for (QString part : QString("lstDeck btnOpen btnAdd btnQ5 lstHand btnSacri btnSpecial btnField "
                                        "lblAtt_1 lblAtt_2 lblAtt_3 lblAtt_4 lblAtt_5 btnDirect btnMaster "
                                        "cmbGrave cmbSlotA cmbSlotB btnAttack btnEnd")
                                    .split(' '))
                order << part.insert(part.contains('_') ? part.indexOf('_') : part.size(), u);
        QWidget* at = w.window.findChild<QTabWidget*>()->widget(1);
        for (int i = 0; i < 500 && tabs.size() < order.size(); at = at->nextInFocusChain(), ++i)
            if (order.contains(at->objectName()) && at->focusPolicy() & Qt::TabFocus)
                tabs << at->objectName();
        QCOMPARE(tabs, order);
        QVERIFY(!w.find<QPushButton>("btnOpenU2")->icon().isNull() && !w.window.windowIcon().isNull());
        QVERIFY(w.text("txtIp").contains(
            QRegularExpression(R"(^(10|192\.168|172\.(1[6-9]|2\d|3[01]))(\.\d+){2}$)")));
        QCOMPARE_LE(w.window.minimumSizeHint().width(), 1280);
        QCOMPARE_LE(w.window.minimumSizeHint().height(), 760);
        for (QObject* o : w.window.findChildren<QObject*>())
            texts << o->property(qobject_cast<QGroupBox*>(o) ? "title" : "text").toString();
        auto* tab = w.find<QTabWidget>("tabMain");
        texts << w.window.windowTitle() << tab->tabText(0) + tab->tabText(1) + tab->tabText(2);
        for (const QString& text : QString(titles).split('|'))
            QVERIFY2(texts.contains(text), qPrintable(text));
        ACT(w, "click smnCreator, click smnCredits, click smnComments");
        const QString about = w.p.since(0).join('#');
        QVERIFY2(
            about.contains(QRegularExpression(
                "^The game's GOD: [^#]+#Thanks to: [^#]*\r\nSecond, I would like to thank the beta testers "
                "who helped me test and find the errors in the program[.]#Comments: If you would like "
                "to make a comment or suggestion about the game [^#]*@[^#]*\r\n[^#]*subject line[^#]*$")),
            qPrintable(about));
    }

    // The data folder is beside the program, else where it is installed; the help text comes from there.
    void dataFolderAndHelp() {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin"), share = prefix.filePath("share/grimward");
        const QStringList candidates = app::dataFolderCandidates(bin);
        QVERIFY(QDir().mkpath(share) && QDir().mkpath(bin));
        QCOMPARE(app::findDataFolder(candidates), bin); // found nowhere: the help tab says so
        QCOMPARE(Shown(bin).text("txtHelp"),
                 "Help file \"instructions.txt\" was not found in the same directory as the game.");
        QVERIFY(QFile(share + "/instructions.txt").open(QIODevice::WriteOnly));
        QCOMPARE(app::findDataFolder(candidates), share);
        std::ofstream(bin.toStdString() + "/instructions.txt") << "ZONES\r\nA TURN\nCOSTS\r";
        QCOMPARE(app::findDataFolder(candidates), bin);
        QCOMPARE(Shown(bin).text("txtHelp"), "ZONES\nA TURN\nCOSTS\n");
        // The help file built beside the program.
        const QString shipped = Shown(QCoreApplication::applicationDirPath()).text("txtHelp");
        QVERIFY(shipped.contains("SACRIFICE") && shipped.contains("ONLINE"));
    }

    // Closing the window, or QUIT, asks only when a deck or a game would be lost.
    void deckEditorThenClosing() {
        Shown w;
        QCOMPARE(w.steps(editor), QString());
        for (const auto& [actions, asked] : closings) {
            ACT(w, actions);
            STEP(w, "close", "?" + QString(asked) + " Close the game anyway?");
            QVERIFY(w.window.isVisible()); // unanswered: No
        }
        // QUIT (Ctrl+Q) asks as closing does: No keeps the window, Yes closes it.
        STEP(w, "key Ctrl+Q", "?A game is in progress. Close the game anyway?");
        QVERIFY(w.window.isVisible());
        ACT(w, "yes key Ctrl+Q");
        QVERIFY(!w.window.isVisible());
        Shown d({}, 1); // a game that is over has nothing to lose; a hand taking the focus picks no card
        d.p.files = {d.deck("d.ucd", entries(40))};
        ACT(d, "click smnOffline, click btnOpenU1, click btnQ5U1, keys lstHandU1");
        QCOMPARE(d.find<QListWidget>("lstHandU1")->currentRow(), -1);
        d.window.forward([](Window& core) { put(core.u2.txtLp, "0"); });
        STEP(d, "click btnEndU1", "~over.wav;!Player 1 wins.");
        QVERIFY(d.window.close());
        QCOMPARE(d.p.last(), "message: Player 1 wins."); // nothing asked
    }

    // VS COMPUTER with the sample decks, its turns played on the real tmrComputer, seeded.
    void aGameAgainstTheComputer() {
        const QString decks = QCoreApplication::applicationDirPath() + "/decks/";
        Shown w(QCoreApplication::applicationDirPath(), 1, computer::SearchOptions{.seed = 7});
        auto* tmrComputer = w.find<QTimer>("tmrComputer");
        const QRegularExpression computerLine(R"(^<\[[^\]]+\] Computer .+\.>$)");
        const auto computerLines = [&] { return w.text("txtChat").split('\n').filter(computerLine); };
        const auto usableByPlayer2 = [&] { // player 2's controls that the player can use
            QStringList usable;
            for (auto* c : w.window.findChildren<QWidget*>(QRegularExpression("^(btn|lbl|cmbSlot|lst).*U2")))
                if (c->isVisible() && c->isEnabled()) usable << c->objectName();
            return usable.join(',');
        };
        // Cancelling the computer's deck leaves the choice of mode as it was.
        w.p.files = {std::nullopt, (decks + "giants.ucd").toStdString(), (decks + "swarm.ucd").toStdString()};
        ACT(w, "click smnComputer");
        QCOMPARE(w.shows("smnOffline smnOnline smnComputer smnNewGame"), "on on on off");
        STEP(w, "click smnComputer", "smnOffline=off;smnOnline=off;smnComputer=off+;smnNewGame=on");
        QVERIFY(w.find("lstHandU2")->isHidden());

        // Player 1's first turn, unshuffled: [100] to [104] in hand.
        ACT(w, "click btnOpenU1, click btnQ5U1, pick lstHandU1 {100}, click btnFieldU1");
        QCOMPARE(usableByPlayer2(), QString());
        QVERIFY(!tmrComputer->isActive());
        ACT(w, "click btnEndU1");

        // The computer's turn: its controls are on in the rules but not for the player.
        QVERIFY(w.window.core().u2.btnOpen.enabled);
        QCOMPARE(usableByPlayer2(), QString());
        QVERIFY(w.find("fraBoardU2")->property("turn").toBool());
        QVERIFY(tmrComputer->isActive());
        QCOMPARE(tmrComputer->interval(), 700);
        tmrComputer->setInterval(60000); // its move, however soon chosen, waits for the tick
        QTest::qWait(300);
        QCOMPARE(computerLines(), QStringList());
        // Five cards reach its hand after it chose to draw: it chooses again instead of being refused.
        QObject watch;
        QStringList usable;
        int ticks = 0; // every move waits for a tick of its own
        connect(tmrComputer, &QTimer::timeout, &watch, [&] {
            ++ticks;
            if (w.text("txtDeckCntU2") == "40")
                w.window.forward([](Window& core) {
                    auto deck = core.u2.lstDeck.items();
                    core.u2.lstHand.setItems({deck.begin(), deck.begin() + 5});
                    core.u2.lstDeck.setItems({deck.begin() + 5, deck.end()});
                    put(core.u2.txtDeckCnt, "35"), put(core.u2.txtHandCnt, "5");
                });
            if (w.window.core().u2.btnEnd.enabled) usable << usableByPlayer2();
        });
        tmrComputer->setInterval(5);
        QTRY_VERIFY_WITH_TIMEOUT(w.shows("btnEndU1 btnAddU1") != "off off", 30000); // player 1 to move
        QCOMPARE_GT(usable.size(), 0);
        QCOMPARE(usable.filter(QRegularExpression(".")), QStringList());
        const QStringList said = computerLines();
        QCOMPARE_LE(said.size(), ticks);
        QCOMPARE_GE(said.size(), 3);
        QVERIFY2(said.front().endsWith("] Computer (NORMAL) opens its deck.>"), qPrintable(said.join('\n')));
        QCOMPARE(said.filter("draws"), QStringList());
        QVERIFY2(!said[1].endsWith("ends its turn.>"), qPrintable(said.join('\n')));
        // Only player 1 was asked to shuffle; nothing was shown for the computer.
        QCOMPARE(w.p.questions, std::vector<std::string>{"Do you want to shuffle your deck?"});
        QCOMPARE(w.p.messages.size(), 0u);
    }

    // One level checked at a time; HINT (F1), for the side to move only, shows a legal move, changes nothing.
    void computerLevelsAndAHint() {
        const QString decks = QCoreApplication::applicationDirPath() + "/decks/";
        const computer::SearchOptions quick{.seed = 7, .determinizations = 4, .iterations = 300};
        Shown w(QCoreApplication::applicationDirPath(), 1, quick); // NORMAL checked at start, no HINT
        ACT(w, "click smnLevelHard");
        QCOMPARE(w.shows("smnLevelEasy smnLevelNormal smnLevelHard"), "on on on+");
        w.p.files = {(decks + "giants.ucd").toStdString()};
        STEP(w, "click smnOffline, click btnOpenU1, click btnQ5U1", SHUFFLE ";smnHint=on");
        const Window before = w.window.core();
        ACT(w, "key F1");
        QTRY_VERIFY(w.text("txtDescControls").startsWith("Hint: "));
        QStringList legal;
        computer::TrialPorts trial;
        for (const computer::Move& m : computer::legalMoves(before, SideId::u1, trial))
            legal << QString::fromStdString("Hint: " +
                                            computer::describe(before, SideId::u1, m, computer::Voice::hint));
        QVERIFY2(legal.contains(w.text("txtDescControls")),
                 qPrintable(w.text("txtDescControls") + "\n" + legal.join('\n')));
        Window after = w.window.core();
        after.txtDescControls = before.txtDescControls;
        QVERIFY(sameBoard(after, before));
        Shown c(QCoreApplication::applicationDirPath(), 1, quick); // not for the computer's side
        c.p.files = {(decks + "giants.ucd").toStdString(), (decks + "swarm.ucd").toStdString()};
        ACT(c, "click smnLevelEasy, click smnComputer, click btnOpenU1");
        QCOMPARE(c.shows("smnHint"), "on");
        ACT(c, "click btnEndU1");
        QCOMPARE(c.shows("smnHint"), "off");
        c.find<QTimer>("tmrComputer")->setInterval(1);
        QTRY_VERIFY(c.text("txtChat").contains("] Computer (EASY) opens its deck.>"));
        ACT(c, "click smnLevelNormal");
        QCOMPARE(c.shows("smnLevelEasy smnLevelNormal smnLevelHard"), "on on+ on");
    }

    // A search for hours stops once its move would be thrown away: the window closed or the board changed.
    void aSearchStopsOnceItsMoveWouldBeThrownAway() {
        const QString beside = QCoreApplication::applicationDirPath(), decks = beside + "/decks/";
        for (const bool close : {true, false}) {
            Shown w(beside, 1, computer::SearchOptions{.seed = 7, .determinizations = 1 << 30});
            w.p.files = {(decks + "giants.ucd").toStdString(), (decks + "swarm.ucd").toStdString()};
            ACT(w, "click smnComputer, click btnOpenU1, click btnEndU1");
            w.find<QTimer>("tmrComputer")->setInterval(1);
            QTRY_COMPARE(w.text("txtChat").count("] Computer "), 2);
            if (close) continue;
            w.window.forward([](Window& core) {
                for (Switch* button : core.u2.turnButtons())
                    button->enabled = button == &core.u2.btnEnd;
            });
            QTRY_VERIFY(w.shows("btnEndU1 btnAddU1") != "off off");
        }
    }

    // The real file dialog starts in Documents, saves a name as typed; boxes are plain text titled "Message".
    void realFileDialogAndBoxes() {
        Shown w({}, 0, {}, true);
        ACT(w, "dbl lstRegCards {100}");
        QStringList seen;
        QString from;
        QTimer ticks; // answers whatever box is open; a dialog that is not ready yet is tried again
        connect(&ticks, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                auto* answer = box->defaultButton() ? box->defaultButton() : box->button(QMessageBox::Ok);
                seen << QString("%1|%2|%3|%4")
                            .arg(box->windowTitle(), box->text().left(20), QString::number(box->textFormat()),
                                 box->defaultButton() ? answer->text() : "");
                answer->click();
            } else if (name && dialog->acceptMode() == QFileDialog::AcceptOpen) {
                seen << "open cancelled in " + dialog->directory().absolutePath();
                dialog->reject();
            } else if (name) {
                from = from.isEmpty() ? dialog->directory().absolutePath() : from;
                dialog->setDirectory(w.files.path());
                name->setText("typed");
                static_cast<QDialog*>(dialog)->accept();
                if (!dialog->isVisible())
                    seen << "saved " + dialog->nameFilters().join('|') + dialog->defaultSuffix();
            }
        });
        ticks.start(20);
        ACT(w, "click btnSave, click btnOpen");
        QCOMPARE(w.find<QListWidget>("lstDeck")->count(), 1);
        ACT(w, "click btnClose");
        const QString plain = "|" + QString::number(Qt::PlainText) + "|";
        QCOMPARE(seen,
                 QStringList({"saved Deck File (*.ucd)", "Message|Your deck was saved." + plain,
                              "Message|Opening a deck file " + plain, "open cancelled in " + w.files.path(),
                              "Message|This will close your" + plain + "&Yes"}));
        QCOMPARE(from, home_.filePath("Documents"));
        QCOMPARE(w.find<QListWidget>("lstDeck")->count(), 0);
        QFile typed(w.files.filePath("typed"));
        QVERIFY(typed.open(QIODevice::ReadOnly));
        QCOMPARE(typed.readAll(), QByteArray("version16\r\n[100] GNOME\r\n"));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
