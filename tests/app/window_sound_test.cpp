// The sound switch of the OPTIONS menu, and the sound adapter's silence when a file is
// missing or is no WAV file.
#include "window_fixture.h"

#include "app/qt_ports.h"
#include "board/game_subs.h"

#include <QFile>
#include <QTest>

using grim::test::WindowUnderTest;

namespace {
QStringList printed;
void collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    printed << text;
}
} // namespace

class WindowSoundTest : public QObject {
    Q_OBJECT

    static void endGame(WindowUnderTest& w) {
        w.window->forward([&w] {
            w.window->core.u1.txtLp.text = "0";
            grim::gameSubs::gameOverCheck(w.window->core);
            w.window->core.u1.txtLp.text = "25";
        });
    }

  private slots:
    void switchingSoundsOffAndOn() {
        QTemporaryDir dir;
        WindowUnderTest w(dir.path());
        auto* on = w.find<QAction>("smnSoundsOn");
        auto* off = w.find<QAction>("smnSoundsOff");

        endGame(w);
        QCOMPARE(w.sound.played, std::vector<std::string>{"over.wav"});

        off->trigger();
        QVERIFY(off->isChecked() && !off->isEnabled());
        QVERIFY(!on->isChecked() && on->isEnabled());
        endGame(w);
        QCOMPARE(w.sound.played.size(), std::size_t{1});
        QCOMPARE(w.prompter.lastMessage(), std::string("Player 2 wins."));

        on->trigger();
        QVERIFY(on->isChecked() && !on->isEnabled());
        QVERIFY(!off->isChecked() && off->isEnabled());
        endGame(w);
        QCOMPARE(w.sound.played, (std::vector<std::string>{"over.wav", "over.wav"}));
    }

    void aCheckedItemClickedAgainStaysAsTheCoreSays() {
        QTemporaryDir dir;
        WindowUnderTest w(dir.path());
        auto* on = w.find<QAction>("smnSoundsOn");
        on->setEnabled(true); // as if a click slipped through
        on->trigger();        // Qt unticks it; the handler ticks it again
        QVERIFY(on->isChecked());
        QVERIFY(w.window->core.menu.smnSoundsOn.checked);
    }

    void missingOrBrokenFilesPlayNothingAndPrintNothing() {
        QTemporaryDir dir;
        {
            QFile broken(dir.filePath(QStringLiteral("attack.wav")));
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("this is no sound at all");
        }
        printed.clear();
        const auto previous = qInstallMessageHandler(collect);
        {
            grim::app::QtSound sound(dir.path());
            for (const char* name : {"im.wav", "update.wav", "attack.wav", "over.wav"})
                sound.play(name);
            QTest::qWait(50);
        }
        qInstallMessageHandler(previous);
        QVERIFY2(printed.isEmpty(), qPrintable(printed.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WindowSoundTest)
#include "window_sound_test.moc"
