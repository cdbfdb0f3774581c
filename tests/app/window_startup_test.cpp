// The window right after start-up, through its real widgets: captions, texts, lists, what
// is enabled, the menu bar and the naming of every control.
#include "window_fixture.h"

#include "board/registry.h"
#include "deck/instructions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

using grim::test::WindowUnderTest;

class WindowStartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<WindowUnderTest> w;

    // What a widget shows: its text, or for a list its count, first and last item.
    QString shown(const QString& name) const {
        auto* widget = w->find<QWidget>(name);
        QStringList items;
        if (auto* list = qobject_cast<QListWidget*>(widget)) items = grim::test::itemsOf(list);
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
        if (!widget) return QStringLiteral("<none>");
        if (!items.isEmpty())
            return QStringLiteral("%1 %2..%3").arg(items.size()).arg(items.first(), items.last());
        const QVariant text = widget->property("text");
        return text.isValid() ? text.toString() : widget->property("plainText").toString();
    }

  private slots:
    void init() { w = std::make_unique<WindowUnderTest>(folder.path()); }
    void cleanup() { w.reset(); }

    void everyControlHasExactlyOneWidgetOfItsName() {
        QCOMPARE(w->window->windowTitle(), QStringLiteral("GRIMWARD - [VERSION 16]"));
        auto* tabs = w->window->findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2), QStringLiteral("DECKGAMEHELP"));
        int controls = 0;
        grim::forEachControl(w->window->core, [&](const std::string& name, auto&) {
            ++controls;
            QVERIFY2(w->window->findChildren<QObject*>(QString::fromStdString(name)).size() == 1,
                     name.c_str());
        });
        QCOMPARE(controls, 2 * 30 + 15 + 10 + 10 + 5 + 5); // boards, deck editor, online, menu, timers, boxes
        const QSize least = w->window->minimumSizeHint();  // fits a small screen
        QVERIFY2(least.width() <= 1280 && least.height() <= 760,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
    }

    void everyTextAndWhatIsEnabled() {
        // "name=text", with "!=" for what is disabled.
        QStringList shows =
            QStringLiteral(
                "lstRegCards=66 [100] GNOME..[165] OMEGA|lstSpcCards=29 [200] LIFELESS..[228] ABYSS|"
                "lstDeck=|txtRegCnt=66|txtSpcCnt=29|txtDeckCount=0|txtDesc=|btnUp=UP|btnDown=DOWN|"
                "btnTop=TOP|txtBottom=BOTTOM|btnSave=SAVE|btnOpen=OPEN|btnClose=CLOSE|txtMins=3 MINUTES|"
                "txtUpdates=0 of 8|txtDescControls=|txtChat=|txtPlayer!=ACE|txtPort!=33221|txtMsg!=|"
                "btnHost!=HOST GAME|btnJoin!=JOIN GAME|btnDisconnect!=DISCONNECT|btnSet!=SET|"
                "optPlayer1!=PLAYER 1|optPlayer2!=PLAYER 2")
                .split('|');
        shows << "txtIp!=" + shown("txtIp");
        const QStringList side =
            QStringLiteral(
                "btnOpen!=|btnQ5!=Q5|btnAdd!=|btnSacri!=X|btnSpecial!=S|btnField!=F|btnDirect!=DIRECT|"
                "btnMaster!=MASTER|btnAttack!=ATTACK|btnEnd!=END|txtDeckCnt=0|txtHandCnt=0|txtGraveCnt=0|"
                "txtLp=25|txtSacriCnt=0|lstDeck=|lstHand=|cmbGrave=|cmbSlotA=5 1..5|cmbSlotB=5 1..5")
                .split('|');
        for (const QString u : {"U1", "U2"}) {
            for (const QString& turn : side)
                shows << QString(turn).insert(turn.indexOf(QRegularExpression("!?=")), u);
            for (int i = 1; i <= 5; ++i)
                shows << QStringLiteral("lblAtt%1_%2!=SLOT %2").arg(u).arg(i)
                      << QStringLiteral("txtAtt%1_%2=").arg(u).arg(i);
            QVERIFY(!w->find<QPushButton>("btnOpen" + u)->icon().isNull());
            QVERIFY(!w->find<QPushButton>("btnAdd" + u)->icon().isNull());
        }
        for (const QString& line : shows) {
            const QString name = line.section('=', 0, 0).remove('!');
            QCOMPARE(name + "=" + shown(name), name + "=" + line.section('=', 1));
            QVERIFY2(w->find<QWidget>(name)->isEnabled() != line.contains("!="), qPrintable(name));
        }
        QCOMPARE(shown("txtInstruct"), QString::fromLatin1(grim::deckSubs::instructions));
        QVERIFY(
            QRegularExpression(QStringLiteral(R"(^(10|192\.168|172\.(1[6-9]|2\d|3[01]))(\.\d{1,3}){2,3}$)"))
                .match(shown("txtIp"))
                .hasMatch()); // a private address
        for (auto* selector : w->window->findChildren<QComboBox*>())
            QCOMPARE(selector->currentIndex(), -1);
        for (auto* list : w->window->findChildren<QListWidget*>())
            QVERIFY(list->selectedItems().isEmpty());
        for (const char* name : {"optPlayer1", "optPlayer2"})
            QVERIFY(!w->find<QRadioButton>(name)->isChecked());
        for (const char* name : {"tmrTurnLimit", "tmrConnect", "tmrWait", "tmrUpdate", "tmrSynch"})
            QVERIFY2(!w->find<QTimer>(name)->isActive(), name);
        const QStringList typedInto{"txtMsg", "txtPlayer", "txtIp", "txtPort"}; // the online settings
        for (auto* box : w->window->findChildren<QLineEdit*>())
            QVERIFY2(box->isReadOnly() != typedInto.contains(box->objectName()),
                     qPrintable(box->objectName()));
        for (auto* box : w->window->findChildren<QPlainTextEdit*>())
            QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    }

    void fixedLabelsAndFrames() {
        QStringList texts;
        for (auto* label : w->window->findChildren<QLabel*>())
            texts << label->text();
        for (auto* frame : w->window->findChildren<QGroupBox*>())
            texts << frame->title();
        for (const char* text : {"PLAYER 1",
                                 "PLAYER 2",
                                 "DECK",
                                 "HAND",
                                 "GRAVEYARD",
                                 "SLOT A",
                                 "SLOT B",
                                 "TIME LEFT",
                                 "UPDATE",
                                 "DESCRIPTION OF GAME CONTROLS",
                                 "NAME",
                                 "IP",
                                 "PORT",
                                 "TYPE MESSAGE BELOW - [press ENTER key to send]",
                                 "ONLINE SETTINGS",
                                 "GAME MESSAGES && ONLINE CHAT",
                                 "ACTUAL DECK",
                                 "REGULAR CARDS",
                                 "SPECIAL CARDS",
                                 "INSTRUCTIONS TO BUILD DECK"})
            QVERIFY2(texts.contains(QLatin1String(text)), text);
    }

    void menuBarCaptionsSeparatorsAndStates() {
        const auto menus = w->window->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text() + menus[1]->text(), QStringLiteral("&OPTIONS&ABOUT"));
        // Per item: name (empty for a separator), caption, enabled and checked.
        const auto check = [](QMenu* menu, const QStringList& items) {
            QStringList seen;
            for (QAction* a : menu->actions())
                seen << (a->menu() ? a->menu()->objectName() : a->objectName()) << a->text()
                     << QString::number(a->isEnabled()) + QString::number(a->isChecked());
            QCOMPARE(seen, items);
        };
        check(menus[0]->menu(),
              {"smnOffline", "O&FFLINE", "10",         "smnOnline", "O&NLINE",   "10",         "",
               "",           "10",       "smnRestore", "R&ESTORE",  "00",        "smnNewGame", "NEW &GAME",
               "00",         "",         "",           "10",        "smnSounds", "&SOUNDS",    "10"});
        check(w->find<QMenu>("smnSounds"), {"smnSoundsOn", "O&N", "01", "smnSoundsOff", "O&FF", "10"});
        check(menus[1]->menu(), {"smnCreator", "&CREATOR", "10", "smnCredits", "CREDI&TS", "10",
                                 "smnComments", "CO&MMENTS", "10"});
    }
};

QTEST_MAIN(WindowStartupTest)
#include "window_startup_test.moc"
