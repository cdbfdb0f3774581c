// Two complete windows in one process playing online over a real TCP connection on
// 127.0.0.1: ONLINE, HOST GAME, JOIN GAME, SET, chat, a hand-over on the real timers, a
// message that waits while a question is open, a refused third connection and DISCONNECT.
#include "app/frmMain.h"
#include "support/fakes.h"

#include "cards/catalogue.h"
#include "deck/deck_file.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>

using namespace grim::test;

namespace {

// Answers like the fake, but first runs what the test asks while the "box" is open.
struct OpenBoxPrompter : FakePrompter {
    std::function<void()> whileOpen;
    bool question(const std::string& text, bool defaultNo) override {
        if (whileOpen) whileOpen();
        return FakePrompter::question(text, defaultNo);
    }
};

struct OnlineWindow {
    OpenBoxPrompter prompter;
    FakeSound sound;
    ScriptedRandom random;
    std::unique_ptr<frmMain> window;

    explicit OnlineWindow(const QString& folder) {
        frmMain::Overrides o;
        o.prompter = &prompter;
        o.sound = &sound;
        o.random = &random;
        o.programFolder = folder;
        window = std::make_unique<frmMain>(o);
        window->show();
        window->findChild<QTabWidget*>()->setCurrentIndex(1); // the GAME tab, as a player sees it
    }
    template <class T> T* find(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }
    QString log() const { return find<QPlainTextEdit>("txtChat")->toPlainText(); }
    bool enabled(const char* name) const { return find<QWidget>(name)->isEnabled(); }
    void type(const char* box, const QString& text) const {
        auto* line = find<QLineEdit>(box);
        line->selectAll();
        QTest::keyClicks(line, text);
    }
    // A mouse click on a button; false when it is not there or not enabled.
    [[nodiscard]] bool click(const char* name) const {
        auto* b = find<QAbstractButton>(name);
        if (!b || !b->isEnabled()) return false;
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }
    void say(const QString& text) const {
        type("txtMsg", text);
        QTest::keyClick(find<QLineEdit>("txtMsg"), Qt::Key_Return);
    }
};

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

class OnlineWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<OnlineWindow> host, join;
    quint16 port = 0;

  private slots:
    void init() {
        host = std::make_unique<OnlineWindow>(folder.path());
        join = std::make_unique<OnlineWindow>(folder.path());
        port = freePort();
        for (OnlineWindow* w : {host.get(), join.get()}) {
            w->find<QAction>("smnOnline")->trigger();
            w->type("txtPort", QString::number(port));
        }
        join->type("txtIp", QStringLiteral("127.0.0.1"));
        join->type("txtPlayer", QStringLiteral("BOB"));
        QVERIFY(host->click("btnHost"));
        QVERIFY(host->enabled("btnDisconnect"));
        QVERIFY(host->log().endsWith(QStringLiteral("Waiting for other player to connect>")));
        QVERIFY(join->click("btnJoin"));
        QTRY_VERIFY(join->enabled("txtMsg") && host->enabled("txtMsg"));
        for (OnlineWindow* w : {host.get(), join.get()})
            QVERIFY(
                w->log().endsWith(QStringLiteral("] Game versions are compatible. Let the duel begin.>")));
        QVERIFY(host->enabled("btnSet") && !join->enabled("btnSet"));
        QTest::mouseClick(host->find<QRadioButton>("optPlayer1"), Qt::LeftButton);
        QVERIFY(host->click("btnSet"));
        QTRY_VERIFY(join->find<QRadioButton>("optPlayer2")->isChecked());
        QVERIFY(!join->enabled("optPlayer1") && host->enabled("btnOpenU1"));
        QVERIFY(join->find<QListWidget>("lstHandU2")->isVisible() &&
                !join->find<QListWidget>("lstHandU1")->isVisible());
    }
    void cleanup() {
        host.reset();
        join.reset();
    }

    void chatBothWaysAndAThirdConnectionChangesNothing() {
        host->say(QStringLiteral("good luck"));
        QTRY_VERIFY(join->log().endsWith(QStringLiteral("] ACE>-> good luck")));
        QVERIFY(host->log().endsWith(QStringLiteral("] ACE>-> good luck")));
        QCOMPARE(host->find<QLineEdit>("txtMsg")->text(), QString());

        const QString hostLog = host->log();
        QTcpSocket intruder;
        intruder.connectToHost(QHostAddress::LocalHost, port);
        intruder.waitForConnected(1000);
        QTest::qWait(100);
        QCOMPARE(host->log(), hostLog);

        join->say(QStringLiteral("thanks"));
        QTRY_VERIFY(host->log().endsWith(QStringLiteral("] BOB>-> thanks")));
        QCOMPARE(join->sound.played.size(), 2u); // update.wav, then im.wav for the line
        QCOMPARE(host->sound.played.back(), std::string("im.wav"));
    }

    void aHandOverOnTheRealTimers() {
        std::vector<std::string> cards;
        for (int i = 0; i < 40; ++i)
            cards.push_back(grim::regCards()[static_cast<std::size_t>(i)].name);
        const std::string deck = (folder.path() + QStringLiteral("/one.ucd")).toStdString();
        grim::deckFile::write(deck, cards);
        host->prompter.files.push_back(deck);
        host->prompter.answers.push_back(false);
        QVERIFY(host->click("btnOpenU1"));
        QVERIFY(host->click("btnQ5U1"));
        QVERIFY(host->click("btnEndU1"));
        QTRY_VERIFY(join->log().contains(QStringLiteral("] Other player is updating changes 1-8 to you.>")));
        // The update and synch timers run at their own pace; only their interval is shortened here.
        host->find<QTimer>("tmrUpdate")->start(20);
        host->find<QTimer>("tmrSynch")->start(20);
        QTRY_COMPARE(join->find<QLineEdit>("txtUpdates")->text(), QStringLiteral("8 of 8"));
        QCOMPARE(host->find<QLineEdit>("txtUpdates")->text(), QStringLiteral("8 of 8"));
        QTRY_VERIFY(join->enabled("btnEndU2") && join->enabled("btnOpenU2"));
        QVERIFY(!host->enabled("btnEndU1") && !host->find<QTimer>("tmrUpdate")->isActive());
        for (const char* list : {"lstDeckU1", "lstHandU1"})
            QCOMPARE(itemsOf(join->find<QListWidget>(list)), itemsOf(host->find<QListWidget>(list)));
        QCOMPARE(join->find<QListWidget>("lstHandU1")->count(), 5);
        QVERIFY(join->log().endsWith(QStringLiteral("] Changes from other player updated successfully.>")));
    }

    void messagesWaitWhileAQuestionIsOpen() {
        // The restart question is open on the joiner while two chat lines arrive: they wait and
        // are handled after it, in order.
        bool shownEarly = true;
        join->prompter.whileOpen = [&] {
            QTest::qWait(300);
            shownEarly = join->log().contains(QStringLiteral("one"));
        };
        join->prompter.answers.push_back(true);
        host->find<QAction>("smnNewGame")->trigger();
        host->say(QStringLiteral("one"));
        host->say(QStringLiteral("two"));
        QTRY_VERIFY(join->log().endsWith(QStringLiteral("] ACE>-> two")));
        QVERIFY(!shownEarly);
        const QString log = join->log();
        const auto started = log.indexOf(QStringLiteral("] New game started.>"));
        QVERIFY(started > 0 && started < log.indexOf(QStringLiteral("ACE>-> one")));
        QVERIFY(log.indexOf(QStringLiteral("ACE>-> one")) < log.indexOf(QStringLiteral("ACE>-> two")));
        QTRY_VERIFY(host->enabled("btnSet"));
        QCOMPARE(host->prompter.messages.size(), 1u);
    }

    void disconnectEndsBothSides() {
        host->prompter.answers.push_back(true);
        QVERIFY(host->click("btnDisconnect"));
        QVERIFY(host->log().endsWith(QStringLiteral("] Connection ended by you>")));
        QTRY_VERIFY(join->log().endsWith(QStringLiteral("] Other player disconnected.>")));
        QCOMPARE(join->prompter.messages.back(),
                 std::string("Other player disconnected. Start a new game and please wait 3 minutes before "
                             "rejoining/reconnecting."));
        for (OnlineWindow* w : {host.get(), join.get()}) {
            QVERIFY(!w->enabled("btnDisconnect") && !w->enabled("txtMsg") && !w->enabled("btnHost"));
            QVERIFY(w->find<QTimer>("tmrWait")->isActive());
            QVERIFY(w->find<QAction>("smnOnline")->isEnabled() &&
                    !w->find<QAction>("smnOnline")->isChecked());
        }
    }
};

QTEST_MAIN(OnlineWindowTest)
#include "online_window_test.moc"
