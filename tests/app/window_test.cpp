// The window through its real widgets, offscreen: a game on one machine in which every control of
// both players must reach its own side's handler, the real timers, start-up, the help text, the
// message boxes, the sounds and the deck editor with its real file dialog.
#include "app/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>

namespace {

// Messages ("!text", "!title: text" when the title is not "Message"), questions ("?text")
// and sounds ("~name") in the order they happen; answers and file choices from a script.
struct Recorder : grim::Prompter, grim::Sound, grim::Random {
    QStringList log;
    QList<bool> answers;      // unscripted questions answer No
    QStringList files;        // unscripted file dialogs are cancelled
    int spinMs = 0, open = 0; // a message box runs its own event loop for spinMs
    void message(grim::MessageId, const std::string& text, const std::string& title) override {
        log << (open++ ? "NESTED !" : "!") +
                   QString::fromLatin1((title == "Message" ? text : title + ": " + text).c_str());
        QTest::qWait(spinMs);
        --open;
    }
    bool question(grim::MessageId, const std::string& text, bool) override {
        log << "?" + QString::fromLatin1(text.c_str());
        return !answers.isEmpty() && answers.takeFirst();
    }
    std::optional<std::string> openFile(const std::string&, const std::string&, const std::string&) override { return saveFile(""); }
    std::optional<std::string> saveFile(const std::string&) override {
        return files.isEmpty() ? std::nullopt : std::optional(files.takeFirst().toStdString());
    }
    void play(const std::string& name) override { log << "~" + QString::fromLatin1(name.c_str()); }
    double next() override { return 0.5; }
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Win {
    QTemporaryDir folder;
    Recorder rec;
    std::unique_ptr<frmMain> window;
    QStringList catalogue; // every card's entry, as the deck editor lists them at start

    // realBoxes: the window's own message boxes and file dialogs instead of the recorder.
    explicit Win(const QString& programFolder = QString(), bool realBoxes = false) {
        window = std::make_unique<frmMain>(frmMain::Overrides{
            realBoxes ? nullptr : &rec, &rec, &rec, programFolder.isNull() ? folder.path() : programFolder, {}});
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
        return find(name)->property(find<QLineEdit>(name) ? "text" : "plainText").toString();
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
        return writeFile(folder.filePath(name), bytes);
    }

    // One player action: "click NAME", "menu NAME", "pick LIST ITEM" (a click on the item),
    // "dbl LIST ITEM", "set SELECTOR ITEM", "choose SELECTOR ITEM" (from its drop-down),
    // "hover NAME". A leading "yes" scripts a Yes to the next question, "file:NAME" the next
    // file dialog. False when the control is missing, hidden or disabled.
    bool act(const QString& actions) {
        if (actions.contains(", "))
            return std::ranges::all_of(actions.split(", "), [this](const QString& a) { return act(a); });
        QStringList words = cards(actions).split(' ');
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
             window->findChildren<QObject*>(QRegularExpression("^(btn|txt|lst|cmb|lbl|opt|smn|fraBoard)"))) {
            auto* w = qobject_cast<QWidget*>(o);
            auto* view = qobject_cast<QAbstractItemView*>(o);
            auto* a = qobject_cast<QAction*>(o);
            auto* combo = qobject_cast<QComboBox*>(o);
            if (!a && !w) continue;
            QString& v = state[o->objectName()] = (a ? a->isEnabled() : w->isEnabled()) ? "" : "off:";
            if (auto* line = qobject_cast<QLineEdit*>(o)) {
                v += line->text();
            } else if (auto* box = qobject_cast<QPlainTextEdit*>(o)) {
                v += box->toPlainText().section('\n', 0, 0);
            } else if (view || combo) {
                QAbstractItemModel* m = view ? view->model() : combo->model();
                QStringList items;
                for (int i = 0; i < m->rowCount(); ++i)
                    items << m->index(i, 0).data().toString();
                const auto picked = view ? view->selectionModel()->selectedRows() : QModelIndexList();
                const int at = view ? (picked.isEmpty() ? -1 : picked.front().row()) : combo->currentIndex();
                v += (items.size() > 6 ? QString::number(items.size()) : items.join('|')) +
                     (at >= 0 ? "@" + items[at] : "");
            } else {
                v = (v.isEmpty() ? "on" : "off") +
                    QString(o->property("checked").toBool() || o->property("turn").toBool() ? "+" : "");
            }
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
        const auto after = snapshot();
        const QString other = action.contains("U1") ? "U2" : action.contains("U2") ? "U1" : "none";
        QStringList wantLog, errors;
        bool namesOther = false;
        for (const QString& token : cards(expect).split(';', Qt::SkipEmptyParts)) {
            const QString name = token.section('=', 0, 0), want = token.section('=', 1);
            const QString now = after.count(name) ? after.at(name) : "<no control>";
            if (QStringLiteral("!?~").contains(token[0]))
                wantLog << token;
            else if (!(want.endsWith('*') ? now.startsWith(want.chopped(1)) : now == want) ||
                     (before.count(name) && before.at(name) == now))
                errors << name + " shows [" + now + "], not [" + want + "]";
            namesOther |= name.contains(other);
        }
        for (const auto& [name, value] : after)
            if (!namesOther && name.contains(other) && before.at(name) != value)
                errors << name + " of the other player changed to [" + value + "]";
        if (rec.log.mid(logged) != wantLog) errors << "log [" + rec.log.mid(logged).join(';') + "]";
        return errors.isEmpty() ? QString() : action + ": " + errors.join("; ");
    }
    // The steps of a table in order, up to the first that fails.
    template <std::size_t N> QString steps(const std::pair<const char*, const char*> (&table)[N]) {
        for (const auto& [action, expect] : table)
            if (QString failed = step(action, expect); !failed.isEmpty()) return failed;
        return {};
    }
};

using Step = std::pair<const char*, const char*>; // an action and its effect, for Win::step

#define EMPTY "!There is no card to sacrifice in this slot. Sacrifice will not take place."
#define SACRIFICE "?Do you want to sacrifice this card?"
#define SHUFFLE "?Do you want to shuffle your deck?"

// Each row's effect can only come from the right handler of the right side: the other
// side's controls are disabled in the core, so a control wired across shows nothing.
const Step firstTurns[] = {
    {"menu smnOffline", "smnOffline=off+;smnOnline=off;smnComputer=off;btnOpenU1=on;fraBoardU1=on+"},
    {"file:deck1.ucd click btnOpenU1", SHUFFLE ";txtDeckCntU1=40;btnOpenU1=off;btnAddU1=on;btnQ5U1=on"},
    {"click btnAddU1", "lstHandU1={200};txtHandCntU1=1;txtDeckCntU1=39"},
    {"click btnQ5U1", "lstHandU1={200}|{207}|{100}|{101}|{102};txtHandCntU1=5;txtDeckCntU1=35"},
    {"pick lstHandU1 {101}", "lstHandU1={200}|{207}|{100}|{101}|{102}@{101};txtDescControls=NAME = {101}"},
    {"yes click btnSacriU1", SACRIFICE ";cmbGraveU1={101};txtGraveCntU1=1;txtSacriCntU1=1"},
    {"pick lstDeckU1 {103}", "txtDescControls=NAME = {103}"},
    {"choose cmbGraveU1 {101}", "txtDescControls=NAME = {101}"},
    {"pick lstHandU1 {100}, click btnFieldU1",
     "txtAttU1_1={100} 100;txtHandCntU1=3;btnFieldU1=off;btnSacriU1=off"},
    {"set cmbSlotAU1 1, pick lstHandU1 {207}, click btnSpecialU1",
     "cmbSlotAU1=1|2|3|4|5@1;txtAttU1_1={100} "
     "150;cmbGraveU1={101}|{207}@{101};txtGraveCntU1=2;btnSpecialU1=off"},
    {"click btnEndU1", "btnEndU1=off;btnOpenU2=on;fraBoardU1=on;fraBoardU2=on+"},
    {"file:deck2.ucd click btnOpenU2", SHUFFLE ";txtDeckCntU2=40;btnOpenU2=off;btnAttackU2=on;lblAttU2_5=on"},
    {"click btnAddU2", "txtHandCntU2=1"},
    {"click btnQ5U2", "lstHandU2={200}|{211}|{110}|{111}|{112};txtHandCntU2=5"},
    {"click lblAttU2_1, click lblAttU2_2, click lblAttU2_3, click lblAttU2_4, click lblAttU2_5",
     EMPTY ";" EMPTY ";" EMPTY ";" EMPTY ";" EMPTY},
    {"pick lstHandU2 {111}", "txtDescControls=NAME = {111}"},
    {"yes click btnSacriU2", SACRIFICE ";cmbGraveU2={111};txtGraveCntU2=1;txtSacriCntU2=1"},
    {"pick lstDeckU2 {113}", "txtDescControls=NAME = {113}"},
    {"choose cmbGraveU2 {111}", "txtDescControls=NAME = {111}"},
    {"pick lstHandU2 {110}, click btnFieldU2", "txtAttU2_1={110} 100;txtHandCntU2=3;lblAttU2_1=off"},
    {"set cmbGraveU1 {207}", "cmbGraveU1={101}|{207}@{207}"},
    {"pick lstHandU2 {211}, click btnSpecialU2",
     "cmbGraveU1={101}*;txtGraveCntU1=1;cmbGraveU2={111}|{207}|{211}@{111};txtGraveCntU2=3"},
    {"menu smnSoundsOff, set cmbSlotAU2 1, set cmbSlotBU2 1, click btnAttackU2",
     "smnSoundsOff=off+;smnSoundsOn=on;txtAttU2_1=;txtLpU2=24;cmbGraveU2={111}|{207}|{211}|{110} "
     "100@{111};txtAttU1_1={100} 50;btnAttackU2=off"},
    {"menu smnSoundsOn, click btnEndU2",
     "smnSoundsOn=off+;smnSoundsOff=on;btnEndU2=off;btnAttackU1=on;lblAttU1_5=on;fraBoardU1=on+"},
    {"click lblAttU1_1, click lblAttU1_2, click lblAttU1_3, click lblAttU1_4, click lblAttU1_5",
     SACRIFICE ";" EMPTY ";" EMPTY ";" EMPTY ";" EMPTY}, // the question answered No
    {"set cmbSlotBU1 2, click btnAttackU1", "cmbSlotBU1=1|2|3|4|5@2;!You can't ATTACK an empty slot."},
    {"hover btnDirectU1, click btnDirectU1",
     "txtDescControls=Click this button to take 1L from opponent. Opponent must*;txtLpU2=23;btnDirectU1=off"},
    {"click btnEndU1", "btnEndU1=off;btnEndU2=on;fraBoardU2=on+"},
    {"hover btnDirectU2, click btnDirectU2, click btnMasterU2",
     "txtDescControls=Click this button to attack opponent's LP directly.*;!You need at least 1 ATTACK card "
     "on the field to attack opponent's LIFEPOINTS.;!You must have 5 cards on the FIELD to use MASTER."},
    {"pick lstHandU2 {200}, click btnSpecialU2", "txtLpU1=24;btnSpecialU2=off"},
    {"hover txtAttU1_1", "txtDescControls=NAME = {100}"},
};

bool anyTurnControlEnabled(const Win& w) {
    static const QRegularExpression turn(QStringLiteral(R"(^(btn\w+U[12]|lblAttU[12]_\d)$)"));
    return std::ranges::any_of(w.window->findChildren<QWidget*>(turn), &QWidget::isEnabled);
}

const char* const notFound =
    "Help file \"instructions.txt\" was not found in the same directory as the game.";

// "name=shows" of every named control at start, as Win::snapshot() reads them; "U" stands
// for each side, "_i" for each of the five slots.
const char* const atStart =
    "lstRegCards=66;lstSpcCards=29;lstDeck=;txtRegCnt=66;txtSpcCnt=29;txtDeckCount=0;txtDesc=;"
    "btnUp=on;btnDown=on;btnTop=on;txtBottom=on;btnSave=on;btnOpen=on;btnClose=on;txtMins=3 MINUTES;"
    "txtUpdates=0 of 8;txtDescControls=;txtChat=;txtPlayer=off:ACE;txtPort=off:33221;txtMsg=off:;"
    "btnHost=off;btnJoin=off;btnDisconnect=off;btnSet=off;optPlayer1=off;optPlayer2=off;smnOffline=on;"
    "smnOnline=on;smnComputer=on;smnRestore=off;smnNewGame=off;smnSounds=on;smnSoundsOn=off+;smnSoundsOff=on;smnCreator=on;"
    "smnCredits=on;smnComments=on;btnOpenU=off;btnQ5U=off;btnAddU=off;btnSacriU=off;btnSpecialU=off;"
    "btnFieldU=off;btnDirectU=off;btnMasterU=off;btnAttackU=off;btnEndU=off;txtDeckCntU=0;txtHandCntU=0;"
    "txtGraveCntU=0;txtLpU=25;txtSacriCntU=0;lstDeckU=;lstHandU=;cmbGraveU=;cmbSlotAU=1|2|3|4|5;"
    "cmbSlotBU=1|2|3|4|5;lblAttU_i=off;txtAttU_i=;fraBoardU=on";
const char* const captions =
    "btnUp=UP;btnDown=DOWN;btnTop=TOP;txtBottom=BOTTOM;btnSave=SAVE;btnOpen=OPEN;btnClose=CLOSE;"
    "btnHost=HOST GAME;btnJoin=JOIN GAME;btnDisconnect=DISCONNECT;btnSet=SET;optPlayer1=PLAYER 1;"
    "optPlayer2=PLAYER 2;btnOpenU=;btnAddU=;btnQ5U=Q5;btnSacriU=X;btnSpecialU=S;btnFieldU=F;"
    "btnDirectU=DIRECT;btnMasterU=MASTER;btnAttackU=ATTACK;btnEndU=END;lblAttU_i=SLOT i";

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// The tokens of a table with "U" and "_i" spelled out for both sides and all five slots.
QStringList expand(const char* table) {
    QStringList out;
    for (const QString& token : QString::fromLatin1(table).split(';')) {
        const QString name = token.section('=', 0, 0);
        for (const QString& u :
             name.endsWith('U') || name.endsWith("U_i") ? QStringList{"U1", "U2"} : QStringList{""})
            for (int i = 1; i <= (name.endsWith("_i") ? 5 : 1); ++i)
                out << QString(token)
                           .replace("U_i=", u + "_" + QString::number(i) + "=")
                           .replace("U=", u + "=")
                           .replace("SLOT i", "SLOT " + QString::number(i));
    }
    return out;
}

// The deck editor, through its widgets.
const Step editor[] = {
    {"click btnTop, click txtBottom, click btnSave, click btnClose",
     "!No item selected in DECK to move to top.;!No item selected in DECK to move to bottom.;"
     "!There are no cards in your deck to save.;!There are no cards in deck to close."},
    {"pick lstRegCards {105}", "txtDesc=NAME = {105};lstRegCards=66@{105}"},
    {"dbl lstRegCards {105}", "lstDeck={105};txtDeckCount=1;txtRegCnt=65"},
    {"dbl lstRegCards {164}", "lstDeck={105}|{164};txtRegCnt=64"},
    {"dbl lstRegCards {100}, dbl lstRegCards {120}, dbl lstSpcCards {228}, dbl lstSpcCards {203}",
     "lstDeck={105}|{164}|{100}|{120}|{228}|{203};txtSpcCnt=27;lstSpcCards=27@{202};txtDesc=NAME = {202};"
     "txtDeckCount=6;txtRegCnt=62"},
    {"pick lstDeck {228}", "lstDeck={105}|{164}|{100}|{120}|{228}|{203}@{228};txtDesc=NAME = {228}"},
    {"click btnTop", "lstDeck={228}|{105}|{164}|{100}|{120}|{203}@{100}"},
    {"click btnUp", "lstDeck={228}|{105}|{100}|{164}|{120}|{203}@{100}"},
    {"click btnDown", "lstDeck={228}|{105}|{164}|{100}|{120}|{203}@{100}"},
    {"pick lstDeck {105}", "lstDeck={228}|{105}|{164}|{100}|{120}|{203}@{105};txtDesc=NAME = {105}"},
    {"click txtBottom", "lstDeck={228}|{164}|{100}|{120}|{203}|{105}@{228};txtDesc=NAME = {228}"},
    {"dbl lstDeck {100}", "lstDeck={228}|{164}|{120}|{203}|{105}@{164};txtDeckCount=5;txtRegCnt=63"},
    {"file:built.ucd click btnSave", "!Your deck was saved."},
    {"yes click btnClose", "?This will close your current deck without saving any "
                           "changes!;lstDeck=;txtDeckCount=0;txtRegCnt=66;txtSpcCnt=29"},
    {"file:built.ucd click btnOpen",
     "!Opening a deck file will close the current deck loaded without saving any "
     "changes. Clicking cancel in next window will abort this.;"
     "lstDeck={228}|{164}|{120}|{203}|{105}@{228};txtDeckCount=5;txtRegCnt=63;txtDesc=NAME = {228}"},
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

  private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home_.filePath(".config").toLocal8Bit());
        QVERIFY(QDir(home_.path()).mkpath("Documents"));
    }

    void everyControlOfBothSidesTheTimerAndAWholeGame() {
        Win w;
        QVERIFY(w.show(1));
        QList<int> deck1{200, 207, 100, 101, 102}, deck2{200, 211, 110, 111, 112};
        for (int i = 0; deck1.size() < 40; ++i) {
            deck1 << 103 + i % 13; // level 1 cards from [103] on
            deck2 << 113 + i % 3;
        }
        QVERIFY(w.writeDeck("deck1.ucd", deck1) && w.writeDeck("deck2.ucd", deck2));
        auto* timer = w.find<QTimer>("tmrTurnLimit");
        timer->setTimerType(Qt::PreciseTimer); // so that its remaining time can be compared

        QCOMPARE(w.steps(firstTurns), QString());

        // END switches the running timer off and on within one event: it starts afresh.
        QVERIFY(timer->isActive() && timer->interval() == 60000);
        QTest::qWait(300);
        const int left = timer->remainingTime();
        QVERIFY(w.act("click btnEndU2"));
        QVERIFY2(timer->remainingTime() > left + 200, qPrintable(QString::number(left)));

        // The turn timer's own ticks: two minutes pass, the third tick comes while a message
        // box is open and runs after it, ending player 1's turn.
        timer->setSingleShot(true);
        for (const char* shown : {"2 MINUTES", "1 MINUTES"}) {
            timer->start(1);
            QTRY_COMPARE(w.text("txtMins"), QLatin1String(shown));
        }
        w.rec.spinMs = 50;
        timer->start(1);
        QCOMPARE(w.step("click btnMasterU1", "!You must have 5 cards on the FIELD to use MASTER.;"
                                             "!3 minutes have passed. Your turn has automatically ended.;"
                                             "txtMins=3 MINUTES;btnEndU1=off;btnEndU2=on;fraBoardU2=on+"),
                 QString());
        w.rec.spinMs = 0;
        timer->setSingleShot(false);
        QVERIFY(timer->isActive() && timer->interval() == 60000);

        // Player 1 fills its field, then uses MASTER, and strikes directly every turn.
        for (int round = 0; round < 40 && anyTurnControlEnabled(w); ++round) {
            QVERIFY(w.act("click btnEndU2"));
            if (!anyTurnControlEnabled(w)) break;
            auto* hand = w.find<QListWidget>("lstHandU1");
            if (hand->count() < 5) QVERIFY(w.act("click btnAddU1"));
            const auto regular = hand->findItems("[1", Qt::MatchStartsWith); // fields fill from slot 1
            if (!w.text("txtAttU1_5").isEmpty())
                QVERIFY(w.act("click btnMasterU1"));
            else if (!regular.isEmpty())
                QVERIFY(w.act("pick lstHandU1 " + regular[0]->text() + ", click btnFieldU1"));
            QVERIFY(w.act("click btnDirectU1") && w.act("click btnEndU1"));
        }
        QCOMPARE(w.rec.log.mid(w.rec.log.size() - 2), QStringList({"~over.wav", "!Player 1 wins."}));
        QVERIFY(!anyTurnControlEnabled(w) && !timer->isActive());

        QCOMPARE(w.step("yes menu smnNewGame", "?Start a new game?;txtLpU2=25;txtAttU1_1=;txtDeckCntU1=0;"
                                               "lstDeckU1=;smnOffline=on;smnNewGame=off"),
                 QString());
        QVERIFY(!anyTurnControlEnabled(w));
    }

    void whatTheWindowShowsAtStart() {
        Win w;
        QStringList shown, want = expand(atStart), named, texts;
        for (const auto& [name, value] : w.snapshot())
            if (name != "txtIp" && name != "txtInstruct" && name != "txtHelp") shown << name + "=" + value;
        want.sort();
        QCOMPARE(shown, want);
        for (QObject* o :
             w.window->findChildren<QObject*>(QRegularExpression("^(btn|txt|lst|cmb|lbl|opt|smn|tmr)")))
            named << o->objectName();
        QCOMPARE(std::set<QString>(named.begin(), named.end()).size(), std::size_t(named.size())); // one each
        for (const QString& token : expand(captions))
            QCOMPARE(token.section('=', 0, 0) + "=" +
                         w.find(token.section('=', 0, 0))->property("text").toString(),
                     token);
        QVERIFY(!w.find<QPushButton>("btnOpenU2")->icon().isNull() && !w.window->windowIcon().isNull());
        QVERIFY(w.text("txtIp").contains(
            QRegularExpression(R"(^(10|192\.168|172\.(1[6-9]|2\d|3[01]))(\.\d+){2}$)")));
        QVERIFY(w.window->minimumSizeHint().width() <= 1280 && w.window->minimumSizeHint().height() <= 760);
        // Every caption, frame title, tab and menu item, then the about boxes.
        for (QObject* o : w.window->findChildren<QObject*>())
            texts << o->property(qobject_cast<QGroupBox*>(o) ? "title" : "text").toString();
        auto* tabs = w.window->findChild<QTabWidget*>();
        texts << w.window->windowTitle() << tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2);
        for (const QString& text :
             QStringLiteral("GRIMWARD - [VERSION 16]|DECKGAMEHELP|&OPTIONS|O&FFLINE|O&NLINE|VS &COMPUTER|"
                            "R&ESTORE|NEW &GAME|&SOUNDS|O&N|O&FF|&ABOUT|&CREATOR|CREDI&TS|CO&MMENTS|PLAYER 1|"
                            "PLAYER 2|DECK|HAND|GRAVEYARD|SLOT A|SLOT B|TIME LEFT|UPDATE|DESCRIPTION OF GAME "
                            "CONTROLS|ACTUAL DECK|REGULAR CARDS|SPECIAL CARDS|INSTRUCTIONS TO BUILD DECK")
                 .split('|'))
            QVERIFY2(texts.contains(text), qPrintable(text));
        QVERIFY(w.act("menu smnCreator, menu smnCredits, menu smnComments"));
        QVERIFY2(
            w.rec.log.join('#').contains(QRegularExpression(
                "^!The game's GOD: [^#]+#!Thanks to: [^#]*\r\nSecond, I would like to thank the beta testers "
                "who helped me test and find the errors in the program[.]#!Comments: If you would like "
                "to make a comment or suggestion about the game [^#]*@[^#]*\r\n[^#]*subject line[^#]*$")),
            qPrintable(w.rec.log.join('#')));
    }

    void helpFileOrTheNotFoundText() {
        QTemporaryDir dir;
        QCOMPARE(Win(dir.path()).text("txtHelp"), QLatin1String(notFound));
        QVERIFY(writeFile(dir.filePath("instructions.txt"), "ZONES\r\nA TURN\nCOSTS\r"));
        QCOMPARE(Win(dir.path()).text("txtHelp"), "ZONES\nA TURN\nCOSTS\n");
        const QString shipped =
            Win(QCoreApplication::applicationDirPath()).text("txtHelp"); // built beside us
        QVERIFY(shipped.contains("SACRIFICE") && shipped.contains("ONLINE"));
    }

    void deckEditorThroughItsWidgets() {
        Win w;
        QVERIFY(w.show(0));
        QCOMPARE(w.steps(editor), QString());
        QCOMPARE(bytesOf(w.folder.filePath("built.ucd")),
                 QByteArray("version16\r\n[228] ABYSS\r\n[164] HORN BEETLE\r\n[120] OGRE\r\n[203] DOUBLE "
                            "TEAM\r\n[105] CLOWN\r\n"));
    }

    // The real file dialog and boxes: the first dialog starts in Documents, the next where the last deck was;
    // a name typed without ".ucd" is saved as typed; cancelling the open dialog keeps the deck. Boxes are
    // titled "Message", show plain text and offer their default button.
    void realFileDialogAndBoxes() {
        Win w(QString(), true);
        QVERIFY(w.show(0) && w.act("dbl lstRegCards {100}"));
        QStringList seen;
        QString from;
        QTimer ticks; // answers whatever box is open; a dialog that is not ready yet is tried again
        connect(&ticks, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + "|" + box->text().left(20) + "|" +
                            QString::number(box->textFormat()) + "|" +
                            (box->defaultButton() ? box->defaultButton()->text() : "");
                box->button(box->defaultButton() ? box->standardButton(box->defaultButton())
                                                 : QMessageBox::Ok)
                    ->click();
            } else if (name && dialog->acceptMode() == QFileDialog::AcceptOpen) {
                seen << "open cancelled in " + dialog->directory().absolutePath();
                dialog->reject();
            } else if (name) {
                from = from.isEmpty() ? dialog->directory().absolutePath() : from;
                dialog->setDirectory(w.folder.path());
                name->setText("typed");
                static_cast<QDialog*>(dialog)->accept();
                if (!dialog->isVisible())
                    seen << "saved " + dialog->nameFilters().join('|') + dialog->defaultSuffix();
            }
        });
        ticks.start(20);
        QVERIFY(w.act("click btnSave, click btnOpen"));
        QCOMPARE(w.find<QListWidget>("lstDeck")->count(), 1);
        QVERIFY(w.act("click btnClose"));
        const QString plain = "|" + QString::number(Qt::PlainText) + "|";
        QCOMPARE(seen,
                 QStringList({"saved Deck File (*.ucd)", "Message|Your deck was saved." + plain,
                              "Message|Opening a deck file " + plain, "open cancelled in " + w.folder.path(),
                              "Message|This will close your" + plain + "&Yes"}));
        QCOMPARE(from, home_.filePath("Documents"));
        QCOMPARE(bytesOf(w.folder.filePath("typed")), QByteArray("version16\r\n[100] GNOME\r\n"));
        QCOMPARE(w.find<QListWidget>("lstDeck")->count(), 0);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
