// The HELP tab: the help file beside the program, and what the window shows when that
// file is missing, unreadable or strange.
#include "window_fixture.h"

#include "board/startup.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using grim::test::WindowUnderTest;

namespace {
void writeHelp(const QTemporaryDir& dir, const QByteArray& bytes) {
    QFile file(dir.filePath(QStringLiteral("instructions.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
QString notFound() {
    return QString::fromLatin1(grim::helpNotFound);
}
} // namespace

class WindowHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void threeLinesEachFollowedByALineBreak() {
        QTemporaryDir dir;
        writeHelp(dir, "ZONES\r\nA TURN\nCOSTS\r");
        WindowUnderTest w(dir.path());
        QCOMPARE(w.window->core.txtHelp.text, std::string("ZONES\r\nA TURN\r\nCOSTS\r\n"));
        QCOMPARE(w.find<QPlainTextEdit>("txtHelp")->toPlainText(), QStringLiteral("ZONES\nA TURN\nCOSTS\n"));
    }

    void missingFileShowsTheNotFoundTextAndTheWindowWorks() {
        QTemporaryDir dir;
        WindowUnderTest w(dir.path());
        QCOMPARE(w.find<QPlainTextEdit>("txtHelp")->toPlainText(), notFound());
        QCOMPARE(w.find<QListWidget>("lstRegCards")->count(), 66);
        w.trigger(QStringLiteral("smnCreator"));
        QCOMPARE(w.prompter.messages.size(), std::size_t{1});
    }

    void aFolderInPlaceOfTheFileIsNotFound() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("instructions.txt")));
        WindowUnderTest w(dir.path());
        QCOMPARE(w.find<QPlainTextEdit>("txtHelp")->toPlainText(), notFound());
    }

    void anOverlongLineMakesTheFileUnreadable() {
        QTemporaryDir dir;
        writeHelp(dir, "FIRST LINE\r\n" + QByteArray(100000, 'x') + "\r\nLAST\r\n");
        WindowUnderTest w(dir.path());
        QCOMPARE(w.find<QPlainTextEdit>("txtHelp")->toPlainText(), notFound());
    }

    void binaryContentIsShownAsTextWithoutHarm() {
        QTemporaryDir dir;
        QByteArray bytes;
        for (int i = 0; i < 4000; ++i)
            bytes.append(static_cast<char>((i * 73 + 11) % 256));
        writeHelp(dir, bytes);
        WindowUnderTest w(dir.path());
        const QString shown = w.find<QPlainTextEdit>("txtHelp")->toPlainText();
        QVERIFY(!shown.isEmpty());
        QVERIFY(shown != notFound());
        QCOMPARE(w.find<QListWidget>("lstSpcCards")->count(), 29);
    }

    void emptyFileGivesAnEmptyHelpBox() {
        QTemporaryDir dir;
        writeHelp(dir, QByteArray());
        WindowUnderTest w(dir.path());
        QVERIFY(w.find<QPlainTextEdit>("txtHelp")->toPlainText().isEmpty());
    }

    void theShippedHelpFileTeachesTheGame() {
        // The build places instructions.txt beside the programs, these tests included.
        WindowUnderTest w(QCoreApplication::applicationDirPath());
        const QString help = w.find<QPlainTextEdit>("txtHelp")->toPlainText();
        QVERIFY(help != notFound());
        for (const char* topic :
             {"DECK", "HAND", "FIELD", "GRAVEYARD", "SACRIFICE", "ATTACK", "SPECIAL", "ONLINE"})
            QVERIFY2(help.contains(QLatin1String(topic)), topic);
        for (QChar c : help)
            QVERIFY(c.unicode() < 128);
    }
};

QTEST_MAIN(WindowHelpTest)
#include "window_help_test.moc"
