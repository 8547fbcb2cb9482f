// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "clock.h"
#include "console.h"
#include "versiondata.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIODevice>
#include <QRegularExpression>
#include <QTextStream>

namespace commandline {

namespace {

// Options QGuiApplication and QApplication read from the command line
// themselves: accepted here without a word and left in argv for them.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},      {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},        {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},  {"session", true},            {"display", true},
    {"geometry", true},      {"style", true},              {"stylesheet", true},
    {"qmljsdebugger", true}, {"reverse", false},           {"widgetcount", false},
};

const QString programName = QStringLiteral("tundrik");

// The argument as the user typed it that the parser reports as unknown.
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &arg : arguments.mid(1)) {
        for (const QString &prefix : {QStringLiteral("--"), QStringLiteral("-")}) {
            const QString option = prefix + name;
            if (arg == option || arg.startsWith(option + QLatin1Char('=')))
                return option;
        }
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

bool takesValue(const QString &name)
{
    for (const QtOption &qt : qtOptions) {
        if (name == QLatin1String(qt.name))
            return qt.takesValue;
    }
    return false;
}

int refuse(QTextStream &err, const QString &what)
{
    err << programName << ": " << what << '\n'
        << QStringLiteral("Võimalikud võtmed näitab „%1 --help“.").arg(programName) << '\n';
    err.flush();
    return 1;
}

} // namespace

QString versionText()
{
    return QStringLiteral("Tundrik %1.%2.%3\n"
                          "%4\n"
                          "Autoriõigus © 2004–2026 Tundriku arendajad.\n"
                          "Litsents: GNU GPL versioon 3 või hilisem "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "See on vaba tarkvara: seda võib muuta ja levitada.\n"
                          "Garantii puudub, niivõrd kui seadus lubab.\n")
        .arg(setup::version::major)
        .arg(setup::version::minor)
        .arg(setup::version::revision)
        .arg(setup::version::description());
}

QString helpText()
{
    return QStringLiteral("Kasutamine: tundrik [VÕTI]\n"
                          "     või:  tundrik ALAMKÄSK [VÕTMED] [ARGUMENDID]\n"
                          "Kõik, mis seondub ajaga: kell, Juliuse päevad, kalender ja pühad.\n"
                          "Ilma võtmeta avab Tundrik oma akna; alamkäsk vastab käsureal akent avamata.\n"
                          "\n"
                          "Võtmed:\n"
                          "  -h, --help      näitab seda abiteksti ja väljub\n"
                          "  -v, --version   näitab programmi versiooni ja väljub\n"
                          "\n")
        + console::summary()
        + QStringLiteral("\n"
                         "Qt üldised võtmed (-platform, -style, -reverse jt) antakse edasi Qt-le.\n"
                         "Aknad, alamkäsud ja kiirklahvid kirjeldab käsiraamat: man tundrik\n");
}

std::optional<int> answer(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QString none;
    QTextStream in(&none, QIODevice::ReadOnly);
    return answer(arguments, in, out, err, tundrik::systemClock());
}

std::optional<int> answer(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err,
                          const tundrik::Clock &clock)
{
    // A subcommand comes first and owns the rest of the command line.
    if (arguments.size() >= 2 && console::isSubcommand(arguments.at(1)))
        return console::run(arguments.mid(1), in, out, err, clock);

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform), so every single-dash
    // word is one option, not a run of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &qt : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("väärtus"));
        parser.addOption(option);
    }

    if (arguments.isEmpty())
        return std::nullopt;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return refuse(err, QStringLiteral("tundmatu võti „%1“")
                                   .arg(typedOption(arguments, unknown.first())));
        // Otherwise a flag was given a value (--help=x) or an option that
        // takes one came last without it.
        for (const QString &arg : arguments.mid(1)) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            if (arg.startsWith(QLatin1Char('-')) && eq > 0) {
                const QString name = arg.left(eq).remove(QRegularExpression(QStringLiteral("^--?")));
                if (!takesValue(name))
                    return refuse(err, QStringLiteral("võti „%1“ ei võta väärtust").arg(arg.left(eq)));
            }
        }
        return refuse(err, QStringLiteral("võti „%1“ vajab väärtust").arg(arguments.last()));
    }
    if (parser.isSet(help)) {
        out << helpText();
        out.flush();
        return 0;
    }
    if (parser.isSet(version)) {
        out << versionText();
        out.flush();
        return 0;
    }
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty())
        return refuse(err, QStringLiteral("liigne argument „%1“").arg(extra.first()));
    return std::nullopt;
}

} // namespace commandline
