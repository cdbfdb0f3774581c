// The HELP tab: the help file beside the program, and what the window shows when that
// file is missing, unreadable or strange.
#include "window_fixture.h"

#include "program/startup.h"

#include <QDir>
#include <QFile>

using grim::test::WindowUnderTest;

class WindowHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void helpFileOrTheNotFoundText() {
        const QString notFound = QString::fromLatin1(grim::helpNotFound);
        QByteArray binary;
        for (int i = 0; i < 4000; ++i)
            binary.append(static_cast<char>((i * 73 + 11) % 256));
        // The file's bytes (none: no file; "/": a folder of that name), and what the box shows.
        const std::pair<QByteArray, QString> cases[] = {
            {"ZONES\r\nA TURN\nCOSTS\r", "ZONES\nA TURN\nCOSTS\n"}, // each line followed by a line break
            {"", ""},
            {QByteArray(), notFound},
            {"/", notFound},
            {"FIRST LINE\r\n" + QByteArray(100000, 'x') + "\r\nLAST\r\n", notFound}, // an overlong line
            {binary, "<shown without harm>"}};
        for (const auto& [bytes, shown] : cases) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("instructions.txt"));
            if (bytes == "/") {
                QVERIFY(QDir(dir.path()).mkdir(path));
            } else if (!bytes.isNull()) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(bytes);
            }
            WindowUnderTest w(dir.path());
            if (bytes == binary) {
                QVERIFY(!w.text("txtHelp").isEmpty() && w.text("txtHelp") != notFound);
            } else {
                QCOMPARE(w.text("txtHelp"), shown);
            }
            if (bytes.startsWith("ZONES"))
                QCOMPARE(w.window->core.txtHelp.text, std::string("ZONES\r\nA TURN\r\nCOSTS\r\n"));
            QCOMPARE(w.find<QListWidget>("lstRegCards")->count(), 66); // the window works all the same
        }
    }

    void theShippedHelpFileTeachesTheGame() {
        // The build places instructions.txt beside the programs, these tests included.
        WindowUnderTest w(QCoreApplication::applicationDirPath());
        const QString help = w.text("txtHelp");
        for (const char* topic :
             {"DECK", "HAND", "FIELD", "GRAVEYARD", "SACRIFICE", "ATTACK", "SPECIAL", "ONLINE"})
            QVERIFY2(help.contains(QLatin1String(topic)), topic);
        for (QChar c : help)
            QVERIFY(c.unicode() < 128);
    }
};

QTEST_MAIN(WindowHelpTest)
#include "window_help_test.moc"
