// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help and --version answer on standard output, mistakes
// are refused on standard error with status 1, Qt's own options and no
// options at all start the window, a subcommand answers without one. The
// built program answers the same without a display, also a thousand
// questions on its standard input, each as soon as it is asked.
#include "commandline.h"

#include "console.h"
#include "modarvutused.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

namespace {

constexpr int startsWindow = -1;

struct Answer {
    int status = startsWindow;
    QString out;
    QString err;
};

Answer run(const QStringList &arguments)
{
    Answer a;
    QTextStream out(&a.out);
    QTextStream err(&a.err);
    const std::optional<int> status = commandline::answer(QStringList{"tundrik"} + arguments, out,
                                                          err);
    a.status = status ? *status : startsWindow;
    return a;
}

const QString hint = QStringLiteral("Võimalikud võtmed näitab „tundrik --help“.\n");

// With Qt told to use X11 and no display to be had, starting a window
// system would abort the program.
void startWithoutDisplay(QProcess &program, const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TUNDRIK_PROGRAM), arguments);
}

} // namespace

class tst_commandline : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error");

        const QString help = commandline::helpText();
        const QString version = commandline::versionText();
        QTest::newRow("nothing") << QStringList{} << startsWindow << QString() << QString();
        QTest::newRow("only --") << QStringList{"--"} << startsWindow << QString() << QString();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << help << QString();
        QTest::newRow("-h") << QStringList{"-h"} << 0 << help << QString();
        QTest::newRow("-?") << QStringList{"-?"} << 0 << help << QString();
        QTest::newRow("-help") << QStringList{"-help"} << 0 << help << QString();
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << QString();
        QTest::newRow("help wins") << QStringList{"--version", "--help"} << 0 << help << QString();
        QTest::newRow("help after a Qt option")
            << QStringList{"-style", "fusion", "-h"} << 0 << help << QString();

        // Qt's own options are QApplication's business.
        QTest::newRow("-platform value")
            << QStringList{"-platform", "offscreen"} << startsWindow << QString() << QString();
        QTest::newRow("--platform=value")
            << QStringList{"--platform=xcb"} << startsWindow << QString() << QString();
        QTest::newRow("-style -reverse")
            << QStringList{"-style", "fusion", "-reverse"} << startsWindow << QString() << QString();
        QTest::newRow("-session") << QStringList{"-session", "10d2b3c4e5"} << startsWindow
                                  << QString() << QString();
        QTest::newRow("-qwindowgeometry")
            << QStringList{"-qwindowgeometry", "500x400+10+10"} << startsWindow << QString()
            << QString();

        // Mistakes name what was typed.
        QTest::newRow("unknown long") << QStringList{"--tundmatu"} << 1 << QString()
                                      << QStringLiteral("tundrik: tundmatu võti „--tundmatu“\n");
        QTest::newRow("unknown short") << QStringList{"-x"} << 1 << QString()
                                       << QStringLiteral("tundrik: tundmatu võti „-x“\n");
        QTest::newRow("unknown with value")
            << QStringList{"--kuupaev=1.1.2000"} << 1 << QString()
            << QStringLiteral("tundrik: tundmatu võti „--kuupaev“\n");
        QTest::newRow("letters run together") << QStringList{"-hv"} << 1 << QString()
                                              << QStringLiteral("tundrik: tundmatu võti „-hv“\n");
        QTest::newRow("a subcommand")
            << QStringList {"liigaasta", "2000"} << 0 << QStringLiteral("Jah, on liigaasta\n") << QString();
        QTest::newRow("a subcommand's help")
            << QStringList {"vahe", "--help"} << 0 << console::helpText(QStringLiteral("vahe")) << QString();
        QTest::newRow("unknown before help")
            << QStringList{"--abi", "--help"} << 1 << QString()
            << QStringLiteral("tundrik: tundmatu võti „--abi“\n");
        QTest::newRow("argument") << QStringList{"fail.txt"} << 1 << QString()
                                  << QStringLiteral("tundrik: liigne argument „fail.txt“\n");
        QTest::newRow("option after --")
            << QStringList{"--", "--help"} << 1 << QString()
            << QStringLiteral("tundrik: liigne argument „--help“\n");
        QTest::newRow("value missing") << QStringList{"-platform"} << 1 << QString()
                                       << QStringLiteral("tundrik: võti „-platform“ vajab väärtust\n");
        QTest::newRow("value given to a flag")
            << QStringList{"--help=jah"} << 1 << QString()
            << QStringLiteral("tundrik: võti „--help“ ei võta väärtust\n");
        QTest::newRow("value given to a Qt flag")
            << QStringList{"-reverse=1"} << 1 << QString()
            << QStringLiteral("tundrik: võti „-reverse“ ei võta väärtust\n");
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);

        const Answer a = run(arguments);
        QCOMPARE(a.status, status);
        QCOMPARE(a.out, out);
        // Every refusal says what went wrong, then where to look.
        QCOMPARE(a.err, error.isEmpty() ? QString() : error + hint);
    }

    void textsAreEstonian()
    {
        const QString version = commandline::versionText();
        QCOMPARE(version.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Tundrik %1.%2.%3")
                     .arg(TUNDRIK_VERSION_MAJOR)
                     .arg(TUNDRIK_VERSION_MINOR)
                     .arg(TUNDRIK_VERSION_PATCH));
        QVERIFY(version.contains(QStringLiteral("GPL")));
        const QString help = commandline::helpText();
        QVERIFY(help.startsWith(QStringLiteral("Kasutamine: tundrik [VÕTI]\n")));
        // Every subcommand is listed.
        QVERIFY(help.contains(console::summary()));
        for (const console::SubcommandInfo &s : console::subcommands())
            QVERIFY2(help.contains(QStringLiteral("\n  ") + s.name + QLatin1Char(' ')), qPrintable(s.name));
        QVERIFY(help.contains(QStringLiteral("-h, --help")));
        QVERIFY(help.contains(QStringLiteral("-v, --version")));
        // None of QCommandLineParser's own English texts slipped in.
        const QRegularExpression english(
            QStringLiteral("Usage|Options|Displays|help on|version information|Unknown|Missing"));
        for (const QString &text : {help, version})
            QVERIFY2(!english.match(text).hasMatch(), qPrintable(text));
        for (const QString &text : {help, version}) {
            for (const QString &line : text.split(QLatin1Char('\n')))
                QVERIFY2(line.size() <= 79, qPrintable(line));
        }
    }

    // The built program reads its command line before it touches a window
    // system: with Qt told to use X11 and no display to be had, starting one
    // would abort the program.
    void programWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << commandline::versionText()
                                   << QString();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << commandline::helpText()
                                << QString();
        QTest::newRow("unknown, typed in UTF-8 under the C locale")
            << QStringList{"--kuupäev"} << 1 << QString()
            << QStringLiteral("tundrik: tundmatu võti „--kuupäev“\n") + hint;
        // The digit groups of the C locale are the Estonian ones.
        QTest::newRow("day number") << QStringList {"jp", "01.01.2000"} << 0
                                    << QStringLiteral("2\u00A0451\u00A0545. Juliuse päev\n") << QString();
        QTest::newRow("weekday, named in UTF-8")
            << QStringList {"nädalapäev", "24.02.1918"} << 0 << QStringLiteral("Pühapäev\n") << QString();
        QTest::newRow("interval") << QStringList {"vahe", "--aastad", "--kuud", "24.02.1918", "20.08.1991"}
                                  << 0 << QStringLiteral("73 aastat, 5 kuud ja 27 päeva\n") << QString();
        QTest::newRow("month sheet") << QStringList {"kalender", "5", "2004"} << 0
                                     << QStringLiteral("            Mai  2004\n"
                                                       "       Esm Tei Kol Nel Ree Lau Püh\n"
                                                       "    18                       1   2\n"
                                                       "    19   3   4   5   6   7   8   9\n"
                                                       "    20  10  11  12  13  14  15  16\n"
                                                       "    21  17  18  19  20  21  22  23\n"
                                                       "    22  24  25  26  27  28  29  30\n"
                                                       "    23  31\n")
                                     << QString();
        QTest::newRow("a refusal") << QStringList {"kuupäev", "2561101"} << 1 << QString()
                                   << QStringLiteral("tundrik kuupäev: „2561101“ jääb vahemikust välja: "
                                                     "lubatud on 1 757 600 - 2 561 100\n");
    }

    // The holidays window's iCalendar file on standard output, whole.
    void iCalendarWithoutDisplay()
    {
        QProcess program;
        startWithoutDisplay(program,
                            {QStringLiteral("pühad"), QStringLiteral("2024"), QStringLiteral("--ics")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QByteArray ics = program.readAllStandardOutput();
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
        QVERIFY(ics.endsWith("\r\nEND:VCALENDAR\r\n"));
        QVERIFY(!ics.contains("\r\n\r\n"));
        QVERIFY(ics.count("BEGIN:VEVENT") > 80);
        QCOMPARE(ics.count("BEGIN:VEVENT"), ics.count("END:VEVENT"));
        QCOMPARE(program.readAllStandardError(), QByteArray());
    }

    // A thousand day numbers on standard input: a thousand dates on
    // standard output, in order, the wrong questions as empty lines.
    void thousandQuestionsWithoutDisplay()
    {
        QByteArray input;
        QString expected;
        for (qint32 i = 0; i < 1000; ++i) {
            const qint32 n = 2299000 + 262 * i;
            if (i % 100 == 99) {
                input += "x" + QByteArray::number(n) + "\n";
                expected += QLatin1Char('\n');
            } else {
                input += QByteArray::number(n) + "\n";
                expected += modArvutused::JulianDayToDateText(n, n < 2299161) + QLatin1Char('\n');
            }
        }
        QProcess program;
        startWithoutDisplay(program, {QStringLiteral("kuupäev")});
        program.write(input);
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), expected);
        const QStringList errors =
            QString::fromUtf8(program.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 10);
        QVERIFY2(errors.first().startsWith(QStringLiteral("tundrik kuupäev: rida 100: „x")),
                 qPrintable(errors.first()));
    }

    // Each question is answered as soon as its line is written, while the
    // input stays open: a program at the other end of a pipe can wait for it.
    void answersAsTheQuestionsCome()
    {
        QProcess program;
        startWithoutDisplay(program, {QStringLiteral("liigaasta")});
        for (const auto &[year, answer] :
             {std::pair {"2000", "Jah, on liigaasta\n"}, std::pair {"1900", "Ei ole liigaasta\n"},
              std::pair {"12", "\n"}}) {
            program.write(QByteArray(year) + "\n");
            QByteArray got;
            while (!got.endsWith('\n') && program.waitForReadyRead(30000))
                got += program.readAllStandardOutput();
            QCOMPARE(QString::fromUtf8(got), QString::fromUtf8(answer));
        }
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
    }

    void programWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);

        QProcess program;
        startWithoutDisplay(program, arguments);
        program.closeWriteChannel();
        QVERIFY2(program.waitForFinished(60000), "the program did not end by itself");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), error);
    }
};

QTEST_APPLESS_MAIN(tst_commandline)
#include "tst_commandline.moc"
