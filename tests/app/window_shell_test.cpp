// The window as a whole: what it shows at start, the help text, the message boxes, the
// about boxes, the sound adapter, and the deck editor with its real file dialog.
#include "window_fixture.h"

#include "app/qt_ports.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <set>

using wintest::Step;
using wintest::Win;

namespace {

const char* const notFound =
    "Help file \"instructions.txt\" was not found in the same directory as the game.";

// "name=shows" of every named control at start, as Win::snapshot() reads them; "U" stands
// for each side, "_i" for each of the five slots.
const char* const atStart =
    "lstRegCards=66;lstSpcCards=29;lstDeck=;txtRegCnt=66;txtSpcCnt=29;txtDeckCount=0;txtDesc=;"
    "btnUp=on;btnDown=on;btnTop=on;txtBottom=on;btnSave=on;btnOpen=on;btnClose=on;txtMins=3 MINUTES;"
    "txtUpdates=0 of 8;txtDescControls=;txtChat=;txtPlayer=off:ACE;txtPort=off:33221;txtMsg=off:;"
    "btnHost=off;btnJoin=off;btnDisconnect=off;btnSet=off;optPlayer1=off;optPlayer2=off;smnOffline=on;"
    "smnOnline=on;smnRestore=off;smnNewGame=off;smnSounds=on;smnSoundsOn=off+;smnSoundsOff=on;smnCreator=on;"
    "smnCredits=on;smnComments=on;btnOpenU=off;btnQ5U=off;btnAddU=off;btnSacriU=off;btnSpecialU=off;"
    "btnFieldU=off;btnDirectU=off;btnMasterU=off;btnAttackU=off;btnEndU=off;txtDeckCntU=0;txtHandCntU=0;"
    "txtGraveCntU=0;txtLpU=25;txtSacriCntU=0;lstDeckU=;lstHandU=;cmbGraveU=;cmbSlotAU=1|2|3|4|5;"
    "cmbSlotBU=1|2|3|4|5;lblAttU_i=off;txtAttU_i=";
const char* const captions =
    "btnUp=UP;btnDown=DOWN;btnTop=TOP;txtBottom=BOTTOM;btnSave=SAVE;btnOpen=OPEN;btnClose=CLOSE;"
    "btnHost=HOST GAME;btnJoin=JOIN GAME;btnDisconnect=DISCONNECT;btnSet=SET;optPlayer1=PLAYER 1;"
    "optPlayer2=PLAYER "
    "2;btnOpenU=;btnAddU=;btnQ5U=Q5;btnSacriU=X;btnSpecialU=S;btnFieldU=F;btnDirectU=DIRECT;"
    "btnMasterU=MASTER;btnAttackU=ATTACK;btnEndU=END;lblAttU_i=SLOT i";

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// The tokens of a table with "U" and "_i" spelled out for both sides and all five slots.
QStringList expand(const char* table) {
    QStringList out;
    for (const QString& token : QString::fromLatin1(table).split(';')) {
        const QString name = token.section('=', 0, 0);
        for (const QString u : {"U1", "U2"}) {
            if (!name.endsWith('U') && !name.endsWith("U_i")) break;
            for (int i = 1; i <= (name.endsWith("_i") ? 5 : 1); ++i)
                out << QString(token)
                           .replace("U_i=", u + "_" + QString::number(i) + "=")
                           .replace("U=", u + "=")
                           .replace("SLOT i", "SLOT " + QString::number(i));
        }
        if (!name.endsWith('U') && !name.endsWith("U_i")) out << token;
    }
    return out;
}

// The deck editor, through its widgets.
const Step editor[] = {
    {"click btnTop", "!No item selected in DECK to move to top."},
    {"click txtBottom", "!No item selected in DECK to move to bottom."},
    {"click btnSave", "!There are no cards in your deck to save."},
    {"click btnClose", "!There are no cards in deck to close."},
    {"pick lstRegCards {105}", "txtDesc=NAME = {105};lstRegCards=66@{105}"},
    {"dbl lstRegCards {105}", "lstDeck={105};txtDeckCount=1;txtRegCnt=65"},
    {"dbl lstRegCards {164}", "lstDeck={105}|{164};txtRegCnt=64"},
    {"dbl lstRegCards {100}", "lstDeck={105}|{164}|{100}"},
    {"dbl lstRegCards {120}", "lstDeck={105}|{164}|{100}|{120}"},
    {"dbl lstSpcCards {228}", "lstDeck={105}|{164}|{100}|{120}|{228};txtSpcCnt=28"},
    {"dbl lstSpcCards {203}", "lstDeck={105}|{164}|{100}|{120}|{228}|{203};txtSpcCnt=27;"
                              "lstSpcCards=27@{202};txtDesc=NAME = {202};txtDeckCount=6"},
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

class WindowShellTest : public QObject {
    Q_OBJECT

  private slots:
    void whatTheWindowShowsAtStart() {
        Win w;
        auto* tabs = w.window->findChild<QTabWidget*>();
        QCOMPARE(w.window->windowTitle() + tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2),
                 "GRIMWARD - [VERSION 16]DECKGAMEHELP");
        QStringList shown, want = expand(atStart), named, menus, labels;
        for (const auto& [name, value] : w.snapshot())
            if (name != "txtIp" && name != "txtInstruct" && name != "txtHelp") shown << name + "=" + value;
        want.sort();
        QCOMPARE(shown, want);
        for (QObject* o :
             w.window->findChildren<QObject*>(QRegularExpression("^(btn|txt|lst|cmb|lbl|opt|smn|tmr)")))
            named << o->objectName();
        QCOMPARE(std::set<QString>(named.begin(), named.end()).size(),
                 std::size_t(named.size())); // one of each
        for (const QString& token : expand(captions))
            QCOMPARE(token.section('=', 0, 0) + "=" +
                         w.find(token.section('=', 0, 0))->property("text").toString(),
                     token);
        QVERIFY(!w.find<QPushButton>("btnOpenU2")->icon().isNull() &&
                !w.find<QPushButton>("btnAddU1")->icon().isNull());
        QVERIFY(QRegularExpression(R"(^(10|192\.168|172\.(1[6-9]|2\d|3[01]))(\.\d{1,3}){2,3}$)")
                    .match(w.text("txtIp"))
                    .hasMatch() &&
                !w.find("txtIp")->isEnabled());
        QVERIFY(w.text("txtInstruct")
                    .startsWith("To view a card's description, click the card once. To add a card"));
        QCOMPARE(w.text("txtHelp"), QLatin1String(notFound));
        QCOMPARE(w.catalogue.first() + w.catalogue[65] + w.catalogue[66] + w.catalogue.last(),
                 "[100] GNOME[165] OMEGA[200] LIFELESS[228] ABYSS");
        QVERIFY(w.window->minimumSizeHint().width() <= 1280 && w.window->minimumSizeHint().height() <= 760);
        for (QAction* menu : w.window->menuBar()->actions())
            for (QAction* item : QList<QAction*>{menu} + menu->menu()->actions() +
                                     (menu->menu()->actions().last()->menu()
                                          ? menu->menu()->actions().last()->menu()->actions()
                                          : QList<QAction*>()))
                menus << item->text();
        QCOMPARE(menus.join('|'), "&OPTIONS|O&FFLINE|O&NLINE||R&ESTORE|NEW &GAME||&SOUNDS|O&N|O&FF|"
                                  "&ABOUT|&CREATOR|CREDI&TS|CO&MMENTS");
        for (auto* label : w.window->findChildren<QLabel*>())
            labels << label->text();
        for (auto* frame : w.window->findChildren<QGroupBox*>())
            labels << frame->title();
        for (const QString& text :
             QStringLiteral("PLAYER 1|PLAYER 2|DECK|HAND|GRAVEYARD|SLOT A|SLOT B|TIME LEFT|UPDATE|"
                            "DESCRIPTION OF GAME CONTROLS|ACTUAL DECK|REGULAR CARDS|SPECIAL "
                            "CARDS|INSTRUCTIONS TO BUILD DECK")
                 .split('|'))
            QVERIFY2(labels.contains(text), qPrintable(text));

        QVERIFY(w.act("menu smnCreator") && w.act("menu smnCredits") && w.act("menu smnComments"));
        const QString about = w.rec.log.join('#');
        QVERIFY2(
            QRegularExpression(
                "^!The game's GOD: [^#]+#!Thanks to: [^#]*\r\nSecond, I would like to thank the beta testers "
                "who "
                "helped me test and find the errors in the program[.]#!Comments: If you would like to make a "
                "comment or suggestion about the game [^#]*@[^#]*\r\n[^#]*subject line[^#]*$")
                .match(about)
                .hasMatch(),
            qPrintable(about));
    }

    void helpFileOrTheNotFoundText() {
        // The file's bytes (none: no file; "/": a folder of that name), and what the box shows.
        const std::pair<QByteArray, QString> cases[] = {
            {"ZONES\r\nA TURN\nCOSTS\r", "ZONES\nA TURN\nCOSTS\n"},
            {"", ""},
            {QByteArray(), notFound},
            {"/", notFound},
            {"FIRST\r\n" + QByteArray(100000, 'x') + "\r\nLAST\r\n", notFound}}; // an overlong line
        for (const auto& [bytes, shown] : cases) {
            QTemporaryDir dir;
            QFile file(dir.filePath("instructions.txt"));
            QVERIFY(bytes == "/" ? QDir(dir.path()).mkdir("instructions.txt")
                                 : bytes.isNull() || (file.open(QIODevice::WriteOnly) &&
                                                      file.write(bytes) == bytes.size()));
            file.close();
            Win w(dir.path());
            QCOMPARE(w.text("txtHelp"), shown);
        }
        Win shipped(QCoreApplication::applicationDirPath()); // the build puts it beside every program
        for (const char* topic :
             {"DECK", "HAND", "FIELD", "GRAVEYARD", "SACRIFICE", "ATTACK", "SPECIAL", "ONLINE"})
            QVERIFY2(shipped.text("txtHelp").contains(QLatin1String(topic)), topic);
    }

    // Real boxes: titled "Message", plain text whatever the text holds, rendered first.
    void realMessageBoxes() {
        QWidget parent;
        int renders = 0;
        grim::app::QtPrompter prompter(&parent, [&] { ++renders; });
        QStringList seen;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + "|" + box->text() + "|" + QString::number(box->textFormat()) +
                            "|" + (box->defaultButton() ? box->defaultButton()->text() : "");
                box->button(box->defaultButton() ? box->standardButton(box->defaultButton())
                                                 : QMessageBox::Ok)
                    ->click();
            }
        });
        ticks.start(10);
        prompter.message("Player 1 wins.\r\n<b>[100]</b>", "Message");
        QVERIFY(prompter.question("<i>Start</i> a new game?", false));
        QVERIFY(!prompter.question("Start a new game?", true));
        const QString plain = "|" + QString::number(Qt::PlainText) + "|";
        QCOMPARE(seen, QStringList({"Message|Player 1 wins.\n<b>[100]</b>" + plain,
                                    "Message|<i>Start</i> a new game?" + plain + "&Yes",
                                    "Message|Start a new game?" + plain + "&No"}));
        QCOMPARE(renders, 3);
    }

    void missingOrBrokenSoundsPlayNothingAndPrintNothing() {
        QTemporaryDir dir;
        QFile broken(dir.filePath("attack.wav"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("no sound at all") > 0);
        broken.close();
        static QStringList printed;
        const auto previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { printed << text; });
        {
            grim::app::QtSound sound(dir.path());
            for (const char* name : {"im.wav", "update.wav", "attack.wav", "over.wav"})
                sound.play(name);
            QTest::qWait(50);
        }
        qInstallMessageHandler(previous);
        QVERIFY2(printed.isEmpty(), qPrintable(printed.join('\n')));
    }

    void deckEditorThroughItsWidgets() {
        Win w;
        QVERIFY(w.show(0));
        for (const Step& s : editor) {
            const QString failed = w.step(s.action, s.expect);
            QVERIFY2(failed.isEmpty(), qPrintable(failed));
        }
        QCOMPARE(bytesOf(w.folder.filePath("built.ucd")),
                 QByteArray("version16\r\n[228] ABYSS\r\n[164] HORN BEETLE\r\n[120] OGRE\r\n[203] DOUBLE "
                            "TEAM\r\n[105] CLOWN\r\n"));
    }

    // The real file dialog and boxes: a name typed without ".ucd" is saved as typed;
    // cancelling the open dialog keeps the deck.
    void realFileDialog() {
        Win w(QString(), true);
        QVERIFY(w.show(0) && w.act("dbl lstRegCards {100}"));
        QStringList seen;
        QTimer ticks; // answers whatever box is open; a dialog that is not ready yet is tried again
        connect(&ticks, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->text().left(20);
                box->accept();
            } else if (name && dialog->acceptMode() == QFileDialog::AcceptOpen) {
                seen << "open cancelled";
                dialog->reject();
            } else if (name) {
                dialog->setDirectory(w.folder.path());
                name->setText("typed");
                static_cast<QDialog*>(dialog)->accept();
                if (!dialog->isVisible())
                    seen << "saved " + dialog->nameFilters().join('|') + dialog->defaultSuffix();
            }
        });
        ticks.start(20);
        w.find<QPushButton>("btnSave")->click();
        w.find<QPushButton>("btnOpen")->click();
        QCOMPARE(seen, QStringList({"saved Deck File (*.ucd)", "Your deck was saved.", "Opening a deck file ",
                                    "open cancelled"}));
        QCOMPARE(bytesOf(w.folder.filePath("typed")), QByteArray("version16\r\n[100] GNOME\r\n"));
        QCOMPARE(w.find<QListWidget>("lstDeck")->count(), 1);
    }
};

QTEST_MAIN(WindowShellTest)
#include "window_shell_test.moc"
