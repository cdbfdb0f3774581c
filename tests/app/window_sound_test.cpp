// The sound switch of the OPTIONS menu, and the sound adapter's silence when a file is
// missing or is no WAV file.
#include "window_fixture.h"

#include "app/qt_ports.h"
#include "board/game_subs.h"

#include <QFile>

using grim::test::WindowUnderTest;

namespace {
QStringList printed;
void collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    printed << text;
}
} // namespace

class WindowSoundTest : public QObject {
    Q_OBJECT

  private slots:
    void switchingSoundsOffAndOn() {
        QTemporaryDir dir;
        WindowUnderTest w(dir.path());
        auto* on = w.find<QAction>("smnSoundsOn");
        auto* off = w.find<QAction>("smnSoundsOff");
        const auto endGame = [&w] {
            w.window->forward([&w] {
                w.window->core.u1.txtLp.text = "0";
                grim::gameSubs::gameOverCheck(w.window->core);
                w.window->core.u1.txtLp.text = "25";
            });
        };
        // Per click (none at first): on and off as checked and enabled, and how many game-over
        // sounds have played once a game has ended after it.
        for (const auto& [item, state, played] :
             {std::tuple<QAction*, const char*, std::size_t>{nullptr, "1001", 1},
              {off, "0110", 1},
              {on, "1001", 2},
              {on, "1001", 3}}) {
            if (item) {
                item->setEnabled(true); // the last click slips through on the checked item:
                item->trigger();        // Qt unticks it; the handler ticks it again
            }
            endGame();
            QCOMPARE(QString::number(on->isChecked()) + QString::number(on->isEnabled()) +
                         QString::number(off->isChecked()) + QString::number(off->isEnabled()),
                     QLatin1String(state));
            QCOMPARE(w.sound.played, std::vector<std::string>(played, "over.wav"));
        }
        QCOMPARE(w.prompter.lastMessage(), std::string("Player 2 wins."));
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
