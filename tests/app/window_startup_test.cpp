// The window right after start-up: caption, tabs, catalogue lists, slot selectors, the
// boards, the online panel, the menu bar and the naming of every control.
#include "window_fixture.h"

#include "board/registry.h"
#include "deck/instructions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using grim::test::WindowUnderTest;

class WindowStartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<WindowUnderTest> w;

  private slots:
    void init() { w = std::make_unique<WindowUnderTest>(folder.path()); }
    void cleanup() { w.reset(); }

    void captionAndTabs() {
        QCOMPARE(w->window->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(w->window->windowTitle(), QStringLiteral("GRIMWARD - [VERSION 16]"));
        auto* tabs = w->window->findChild<QTabWidget*>();
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("DECK"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("GAME"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("HELP"));
    }

    void everyControlHasExactlyOneObjectOfItsName() {
        int controls = 0;
        grim::forEachControl(w->window->core, [&](const std::string& name, auto&) {
            ++controls;
            const auto found = w->window->findChildren<QObject*>(QString::fromStdString(name));
            QVERIFY2(found.size() == 1, name.c_str());
        });
        QCOMPARE(controls,
                 2 * 30 + 15 + 10 + 10 + 5 + 5); // boards, deck editor, online panel, menu, timers, boxes
        for (const char* name : {"txtAttU1_1", "txtAttU2_5", "lblAttU1_1", "lblAttU2_3"})
            QVERIFY2(w->find<QWidget>(QLatin1String(name)), name);
    }

    void catalogueListsAndInstructions() {
        auto* regular = w->find<QListWidget>("lstRegCards");
        auto* special = w->find<QListWidget>("lstSpcCards");
        QCOMPARE(regular->count(), 66);
        QCOMPARE(regular->item(0)->text(), QStringLiteral("[100] GNOME"));
        QCOMPARE(regular->item(65)->text(), QStringLiteral("[165] OMEGA"));
        QCOMPARE(special->count(), 29);
        QCOMPARE(special->item(0)->text(), QStringLiteral("[200] LIFELESS"));
        QCOMPARE(special->item(28)->text(), QStringLiteral("[228] ABYSS"));
        QVERIFY(regular->selectedItems().isEmpty() && special->selectedItems().isEmpty());
        QCOMPARE(w->find<QListWidget>("lstDeck")->count(), 0);
        QCOMPARE(w->find<QLineEdit>("txtRegCnt")->text(), QStringLiteral("66"));
        QCOMPARE(w->find<QLineEdit>("txtSpcCnt")->text(), QStringLiteral("29"));
        QCOMPARE(w->find<QLineEdit>("txtDeckCount")->text(), QStringLiteral("0"));
        QCOMPARE(w->find<QPlainTextEdit>("txtInstruct")->toPlainText(),
                 QString::fromLatin1(grim::deckSubs::instructions));
        QVERIFY(w->find<QPlainTextEdit>("txtInstruct")->isReadOnly());
        QVERIFY(w->find<QPlainTextEdit>("txtDesc")->isReadOnly());
        QVERIFY(w->find<QPlainTextEdit>("txtDesc")->toPlainText().isEmpty());
        const char* buttons[][2] = {{"btnUp", "UP"},         {"btnDown", "DOWN"}, {"btnTop", "TOP"},
                                    {"txtBottom", "BOTTOM"}, {"btnSave", "SAVE"}, {"btnOpen", "OPEN"},
                                    {"btnClose", "CLOSE"}};
        for (const auto& [name, text] : buttons)
            QCOMPARE(w->find<QPushButton>(name)->text(), QLatin1String(text));
    }

    void slotSelectorsOfferOneToFiveWithNothingSelected() {
        for (const char* name : {"cmbSlotAU1", "cmbSlotBU1", "cmbSlotAU2", "cmbSlotBU2"}) {
            auto* selector = w->find<QComboBox>(name);
            QVERIFY2(selector, name);
            QCOMPARE(selector->count(), 5);
            for (int i = 0; i < 5; ++i)
                QCOMPARE(selector->itemText(i), QString::number(i + 1));
            QCOMPARE(selector->currentIndex(), -1);
        }
    }

    void boardsStartEmptyWithEveryTurnControlDisabled() {
        const char* captions[][2] = {
            {"btnOpen", ""},         {"btnQ5", "Q5"},   {"btnAdd", ""},          {"btnSacri", "X"},
            {"btnSpecial", "S"},     {"btnField", "F"}, {"btnDirect", "DIRECT"}, {"btnMaster", "MASTER"},
            {"btnAttack", "ATTACK"}, {"btnEnd", "END"}};
        for (const QString u : {"U1", "U2"}) {
            for (const auto& [name, text] : captions) {
                auto* b = w->find<QPushButton>(QLatin1String(name) + u);
                QVERIFY(b);
                QCOMPARE(b->text(), QLatin1String(text));
                QVERIFY2(!b->isEnabled(), name);
            }
            QVERIFY(!w->find<QPushButton>("btnOpen" + u)->icon().isNull());
            QVERIFY(!w->find<QPushButton>("btnAdd" + u)->icon().isNull());
            for (int i = 1; i <= 5; ++i) {
                auto* label = w->find<QLabel>("lblAtt" + u + "_" + QString::number(i));
                QCOMPARE(label->text(), QStringLiteral("SLOT ") + QString::number(i));
                QVERIFY(!label->isEnabled());
                auto* slot = w->find<QLineEdit>("txtAtt" + u + "_" + QString::number(i));
                QVERIFY(slot->text().isEmpty() && slot->isReadOnly());
            }
            const char* counters[][2] = {{"txtDeckCnt", "0"},
                                         {"txtHandCnt", "0"},
                                         {"txtGraveCnt", "0"},
                                         {"txtLp", "25"},
                                         {"txtSacriCnt", "0"}};
            for (const auto& [name, value] : counters) {
                auto* box = w->find<QLineEdit>(QLatin1String(name) + u);
                QCOMPARE(box->text(), QLatin1String(value));
                QVERIFY(box->isReadOnly());
            }
            QCOMPARE(w->find<QListWidget>("lstDeck" + u)->count(), 0);
            QCOMPARE(w->find<QListWidget>("lstHand" + u)->count(), 0);
            QCOMPARE(w->find<QComboBox>("cmbGrave" + u)->count(), 0);
        }
        QCOMPARE(w->find<QLineEdit>("txtMins")->text(), QStringLiteral("3 MINUTES"));
        QCOMPARE(w->find<QLineEdit>("txtUpdates")->text(), QStringLiteral("0 of 8"));
        QVERIFY(w->find<QLineEdit>("txtMins")->isReadOnly() &&
                w->find<QLineEdit>("txtUpdates")->isReadOnly());
        for (const char* name : {"txtDescControls", "txtChat", "txtHelp"}) {
            QVERIFY(w->find<QPlainTextEdit>(name)->isReadOnly());
            QCOMPARE(w->find<QPlainTextEdit>(name)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
        QVERIFY(w->find<QPlainTextEdit>("txtDescControls")->toPlainText().isEmpty());
        QVERIFY(w->find<QPlainTextEdit>("txtChat")->toPlainText().isEmpty());
        for (const char* name : {"tmrTurnLimit", "tmrConnect", "tmrWait", "tmrUpdate", "tmrSynch"})
            QVERIFY2(!w->find<QTimer>(name)->isActive(), name);
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

    void onlinePanelStartsWithDefaultsAndDisabled() {
        QCOMPARE(w->find<QLineEdit>("txtPlayer")->text(), QStringLiteral("ACE"));
        QCOMPARE(w->find<QLineEdit>("txtPort")->text(), QStringLiteral("33221"));
        const QRegularExpression privateIp(
            QStringLiteral(R"(^(10|192\.168|172\.(1[6-9]|2\d|3[01]))(\.\d{1,3}){2,3}$)"));
        QVERIFY(privateIp.match(w->find<QLineEdit>("txtIp")->text()).hasMatch());
        const char* buttons[][2] = {{"btnHost", "HOST GAME"},
                                    {"btnJoin", "JOIN GAME"},
                                    {"btnDisconnect", "DISCONNECT"},
                                    {"btnSet", "SET"}};
        for (const auto& [name, text] : buttons) {
            QCOMPARE(w->find<QPushButton>(name)->text(), QLatin1String(text));
            QVERIFY2(!w->find<QPushButton>(name)->isEnabled(), name);
        }
        for (const char* name : {"txtMsg", "txtPlayer", "txtIp", "txtPort"}) {
            QVERIFY2(!w->find<QLineEdit>(name)->isEnabled(), name);
            QVERIFY(!w->find<QLineEdit>(name)->isReadOnly());
        }
        QVERIFY(w->find<QLineEdit>("txtMsg")->text().isEmpty());
        QCOMPARE(w->find<QRadioButton>("optPlayer1")->text(), QStringLiteral("PLAYER 1"));
        QCOMPARE(w->find<QRadioButton>("optPlayer2")->text(), QStringLiteral("PLAYER 2"));
        for (const char* name : {"optPlayer1", "optPlayer2"}) {
            QVERIFY(!w->find<QRadioButton>(name)->isEnabled());
            QVERIFY(!w->find<QRadioButton>(name)->isChecked());
        }
    }

    void menuBarCaptionsSeparatorsAndStates() {
        const auto menus = w->window->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&OPTIONS"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&ABOUT"));

        // Name, caption, enabled, checked; an empty name is a separator.
        struct Item {
            const char* name;
            const char* text;
            bool enabled, checked;
        };
        auto check = [](QMenu* menu, std::initializer_list<Item> items) {
            const auto actions = menu->actions();
            QCOMPARE(actions.size(), static_cast<qsizetype>(items.size()));
            int i = 0;
            for (const Item& item : items) {
                QAction* a = actions[i++];
                if (!*item.name) {
                    QVERIFY(a->isSeparator());
                    continue;
                }
                const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
                QCOMPARE(name, QLatin1String(item.name));
                QCOMPARE(a->text(), QLatin1String(item.text));
                QCOMPARE(a->isEnabled(), item.enabled);
                QCOMPARE(a->isChecked(), item.checked);
            }
        };
        check(menus[0]->menu(), {{"smnOffline", "O&FFLINE", true, false},
                                 {"smnOnline", "O&NLINE", true, false},
                                 {"", "", false, false},
                                 {"smnRestore", "R&ESTORE", false, false},
                                 {"smnNewGame", "NEW &GAME", false, false},
                                 {"", "", false, false},
                                 {"smnSounds", "&SOUNDS", true, false}});
        check(w->find<QMenu>("smnSounds"),
              {{"smnSoundsOn", "O&N", false, true}, {"smnSoundsOff", "O&FF", true, false}});
        check(menus[1]->menu(), {{"smnCreator", "&CREATOR", true, false},
                                 {"smnCredits", "CREDI&TS", true, false},
                                 {"smnComments", "CO&MMENTS", true, false}});
    }

    void windowFitsTheSmallScreen() {
        const QSize least = w->window->minimumSizeHint();
        QVERIFY2(least.width() <= 1280 && least.height() <= 760,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        QVERIFY(w->window->width() <= 1280 && w->window->height() <= 760);
    }
};

QTEST_MAIN(WindowStartupTest)
#include "window_startup_test.moc"
