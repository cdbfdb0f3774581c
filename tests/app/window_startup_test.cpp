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

    // The "text" of a line box, button or label, the "plainText" of a text box.
    QString shown(const QString& name) const {
        auto* widget = w->find<QWidget>(name);
        if (!widget) return QStringLiteral("<no %1>").arg(name);
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
        QStringList shows{"lstRegCards",     "[100] GNOME",
                          "lstSpcCards",     "[200] LIFELESS",
                          "txtRegCnt",       "66",
                          "txtSpcCnt",       "29",
                          "txtDeckCount",    "0",
                          "txtDesc",         "",
                          "btnUp",           "UP",
                          "btnDown",         "DOWN",
                          "btnTop",          "TOP",
                          "txtBottom",       "BOTTOM",
                          "btnSave",         "SAVE",
                          "btnOpen",         "OPEN",
                          "btnClose",        "CLOSE",
                          "txtMins",         "3 MINUTES",
                          "txtUpdates",      "0 of 8",
                          "txtDescControls", "",
                          "txtChat",         "",
                          "txtPlayer",       "ACE",
                          "txtPort",         "33221",
                          "txtMsg",          "",
                          "btnHost",         "HOST GAME",
                          "btnJoin",         "JOIN GAME",
                          "btnDisconnect",   "DISCONNECT",
                          "btnSet",          "SET",
                          "optPlayer1",      "PLAYER 1",
                          "optPlayer2",      "PLAYER 2"};
        QStringList disabled{"btnHost",   "btnJoin", "btnDisconnect", "btnSet",     "txtMsg",
                             "txtPlayer", "txtIp",   "txtPort",       "optPlayer1", "optPlayer2"};
        const QStringList turn{"btnOpen",     "",       "btnQ5",      "Q5",     "btnAdd",      "",
                               "btnSacri",    "X",      "btnSpecial", "S",      "btnField",    "F",
                               "btnDirect",   "DIRECT", "btnMaster",  "MASTER", "btnAttack",   "ATTACK",
                               "btnEnd",      "END",    "txtDeckCnt", "0",      "txtHandCnt",  "0",
                               "txtGraveCnt", "0",      "txtLp",      "25",     "txtSacriCnt", "0"};
        for (const QString u : {"U1", "U2"}) {
            for (int i = 0; i < turn.size(); i += 2) {
                shows << turn[i] + u << turn[i + 1];
                if (turn[i].startsWith("btn")) disabled << turn[i] + u;
            }
            for (int i = 1; i <= 5; ++i) {
                shows << QStringLiteral("lblAtt%1_%2").arg(u).arg(i) << QStringLiteral("SLOT %1").arg(i)
                      << QStringLiteral("txtAtt%1_%2").arg(u).arg(i) << "";
                disabled << QStringLiteral("lblAtt%1_%2").arg(u).arg(i);
            }
            for (const QString list : {"lstDeck", "lstHand"})
                QCOMPARE(w->find<QListWidget>(list + u)->count(), 0);
            QCOMPARE(w->find<QComboBox>("cmbGrave" + u)->count(), 0);
            QVERIFY(!w->find<QPushButton>("btnOpen" + u)->icon().isNull());
            QVERIFY(!w->find<QPushButton>("btnAdd" + u)->icon().isNull());
        }
        for (int i = 0; i < shows.size(); i += 2) {
            auto* list = w->find<QListWidget>(shows[i]);
            QCOMPARE(list ? list->item(0)->text() : shown(shows[i]), shows[i + 1]);
        }
        for (const QString& name : disabled)
            QVERIFY2(!w->find<QWidget>(name)->isEnabled(), qPrintable(name));

        QCOMPARE(w->find<QListWidget>("lstRegCards")->count(), 66);
        QCOMPARE(w->find<QListWidget>("lstRegCards")->item(65)->text(), QStringLiteral("[165] OMEGA"));
        QCOMPARE(w->find<QListWidget>("lstSpcCards")->count(), 29);
        QCOMPARE(w->find<QListWidget>("lstSpcCards")->item(28)->text(), QStringLiteral("[228] ABYSS"));
        QCOMPARE(w->find<QListWidget>("lstDeck")->count(), 0);
        QCOMPARE(shown("txtInstruct"), QString::fromLatin1(grim::deckSubs::instructions));
        QVERIFY(
            QRegularExpression(QStringLiteral(R"(^(10|192\.168|172\.(1[6-9]|2\d|3[01]))(\.\d{1,3}){2,3}$)"))
                .match(shown("txtIp"))
                .hasMatch()); // a private address
        for (const char* name : {"optPlayer1", "optPlayer2"})
            QVERIFY(!w->find<QRadioButton>(name)->isChecked());
        for (const char* name : {"tmrTurnLimit", "tmrConnect", "tmrWait", "tmrUpdate", "tmrSynch"})
            QVERIFY2(!w->find<QTimer>(name)->isActive(), name);
    }

    void boxesThePlayerCannotTypeInto() {
        for (auto* box : w->window->findChildren<QLineEdit*>()) {
            const bool typed =
                QStringList{"txtMsg", "txtPlayer", "txtIp", "txtPort"}.contains(box->objectName()) ||
                box->parent()->inherits("QComboBox") || box->parent()->inherits("QFileDialog");
            QVERIFY2(box->isReadOnly() != typed, qPrintable(box->objectName()));
        }
        for (auto* box : w->window->findChildren<QPlainTextEdit*>())
            QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        for (const char* name : {"txtDescControls", "txtChat", "txtHelp"})
            QCOMPARE(w->find<QPlainTextEdit>(name)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        for (const char* name : {"cmbSlotAU1", "cmbSlotBU1", "cmbSlotAU2", "cmbSlotBU2"}) {
            auto* selector = w->find<QComboBox>(name);
            QCOMPARE(selector->count(), 5);
            for (int i = 0; i < 5; ++i)
                QCOMPARE(selector->itemText(i), QString::number(i + 1));
            QCOMPARE(selector->currentIndex(), -1);
        }
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
        // Per item: name (empty for a separator), caption, enabled, checked.
        const auto check = [](QMenu* menu, const QStringList& items) {
            QStringList seen;
            for (QAction* a : menu->actions())
                seen << (a->menu() ? a->menu()->objectName() : a->objectName()) << a->text()
                     << QString::number(a->isEnabled()) + QString::number(a->isChecked());
            QCOMPARE(seen, items);
        };
        QCOMPARE(menus[0]->text() + menus[1]->text(), QStringLiteral("&OPTIONS&ABOUT"));
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
