// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help and --version answer on standard output, mistakes
// are refused on standard error with status 1, Qt's own options and no
// options at all start the window. The built program answers the same
// without a display.
#include "commandline.h"

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

} // namespace

class TestCommandLine : public QObject {
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
    }

    void programWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TUNDRIK_PROGRAM), arguments);
        QVERIFY2(program.waitForFinished(60000), "the program did not end by itself");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), error);
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
