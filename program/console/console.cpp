// SPDX-License-Identifier: GPL-3.0-or-later
#include "console.h"

#include "inputs.h"
#include "subcommands.h"

#include <QRegularExpression>
#include <QTextStream>

namespace console {

namespace {

const QString kProgram = QStringLiteral("tundrik");

QString nameOf(const Subcommand &s)
{
    return QString::fromUtf16(s.name);
}

const OptionRule *findOption(const QString &name)
{
    for (const OptionRule &o : optionRules()) {
        if (name == QString::fromUtf16(o.name) || (o.ascii && name == QString::fromUtf16(o.ascii)))
            return &o;
    }
    return nullptr;
}

// The words of a command line or of an input line: the options with their
// values and the other words, or what is wrong with them.
struct Parsed {
    Question question;
    bool help = false;
    QString error;
};

Parsed parse(const QStringList &words, const Subcommand &sub, bool commandLine)
{
    Parsed p;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size() && p.error.isEmpty(); ++i) {
        const QString &w = words.at(i);
        if (optionsEnded || !w.startsWith(QLatin1Char('-')) || w == QLatin1String("-")) {
            p.question.words << w;
            continue;
        }
        if (w == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype eq = w.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? w : w.left(eq);
        const OptionRule *rule = name == QLatin1String("-h") || name == QLatin1String("-?")
            ? findOption(QStringLiteral("--help"))
            : findOption(name);
        if (!rule) {
            p.error = QStringLiteral("tundmatu võti %1").arg(quoted(name));
        } else if (!(sub.options & rule->option)) {
            p.error = QStringLiteral("võti %1 ei käi alamkäsuga %2").arg(quoted(name), nameOf(sub));
        } else if (!rule->valueName) {
            if (eq >= 0)
                p.error = QStringLiteral("võti %1 ei võta väärtust").arg(quoted(name));
            else if (rule->option == kHelp && !commandLine)
                p.error = QStringLiteral("võti %1 käib vaid käsureal").arg(quoted(name));
            else if (rule->option == kHelp)
                p.help = true;
            else
                p.question.options |= rule->option;
        } else {
            QString value;
            if (eq >= 0) {
                value = w.mid(eq + 1);
            } else if (i + 1 < words.size()) {
                value = words.at(++i);
            } else {
                p.error = QStringLiteral("võti %1 vajab väärtust").arg(quoted(name));
                break;
            }
            if (rule->option == kFirstDay) {
                p.question.firstDayOfWeek = firstDayOfWeekNamed(value);
                if (!p.question.firstDayOfWeek)
                    p.error = QStringLiteral("%1: tundmatu päev %2; valida saab: %3")
                                  .arg(name, quoted(value), firstDayOfWeekNames().join(QStringLiteral(", ")));
            } else if (rule->option == kFirstWeek) {
                p.question.firstWeekOfYear = firstWeekOfYearNamed(value);
                if (!p.question.firstWeekOfYear) {
                    QStringList choices;
                    for (const QString &c : firstWeekOfYearNames())
                        choices << quoted(c);
                    p.error = QStringLiteral("%1: tundmatu valik %2; valida saab: %3")
                                  .arg(name, quoted(value), choices.join(QStringLiteral(", ")));
                }
            }
        }
    }
    return p;
}

// What is wrong with the number of words, if anything.
QString countError(const Subcommand &sub, const QStringList &words)
{
    if (words.size() < sub.minWords)
        return QStringLiteral("liiga vähe argumente; kasutamine: %1 %2 %3")
            .arg(kProgram, nameOf(sub), QString::fromUtf16(sub.words));
    if (words.size() > sub.maxWords)
        return QStringLiteral("liigne argument %1").arg(quoted(words.at(sub.maxWords)));
    return {};
}

// The options of the command line hold for every input line; a line's own
// values come first.
Question merged(const Question &commandLine, const Question &line)
{
    Question q = line;
    q.options |= commandLine.options;
    if (!q.firstDayOfWeek)
        q.firstDayOfWeek = commandLine.firstDayOfWeek;
    if (!q.firstWeekOfYear)
        q.firstWeekOfYear = commandLine.firstWeekOfYear;
    return q;
}

int refuse(QTextStream &err, const Subcommand &sub, const QString &what)
{
    err << kProgram << ' ' << nameOf(sub) << ": " << what << '\n'
        << QStringLiteral("Võimalikud võtmed näitab „%1 %2 --help“.").arg(kProgram, nameOf(sub)) << '\n';
    err.flush();
    return 1;
}

int answerLines(const Subcommand &sub, const Question &commandLine, QTextStream &in, QTextStream &out,
                QTextStream &err, const tundrik::Clock &clock)
{
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\r]+"));
    int status = 0;
    qint64 number = 0;
    QString line;
    while (in.readLineInto(&line)) {
        ++number;
        const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        const Parsed p = parse(words, sub, false);
        QString error = p.error;
        Reply reply;
        if (error.isEmpty() && words.isEmpty())
            error = QStringLiteral("tühi rida");
        if (error.isEmpty())
            error = countError(sub, p.question.words);
        if (error.isEmpty()) {
            reply = sub.answer(merged(commandLine, p.question), clock);
            error = reply.error;
        }
        if (error.isEmpty()) {
            out << reply.text << '\n';
        } else {
            err << kProgram << ' ' << nameOf(sub) << ": rida " << number << ": " << error << '\n';
            err.flush();
            out << '\n';
            status = 1;
        }
        out.flush();
    }
    return status;
}

} // namespace

bool isSubcommand(const QString &word)
{
    return findSubcommand(word) != nullptr;
}

int run(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err,
        const tundrik::Clock &clock)
{
    const Subcommand *sub = findSubcommand(arguments.value(0));
    if (!sub) {
        err << kProgram << ": tundmatu alamkäsk " << quoted(arguments.value(0)) << '\n';
        err.flush();
        return 1;
    }
    const Parsed p = parse(arguments.mid(1), *sub, true);
    if (!p.error.isEmpty())
        return refuse(err, *sub, p.error);
    if (p.help) {
        out << sub->help();
        out.flush();
        return 0;
    }
    if (p.question.words.isEmpty() && sub->readsInput)
        return answerLines(*sub, p.question, in, out, err, clock);
    if (const QString error = countError(*sub, p.question.words); !error.isEmpty())
        return refuse(err, *sub, error);
    const Reply reply = sub->answer(p.question, clock);
    if (!reply.error.isEmpty()) {
        err << kProgram << ' ' << nameOf(*sub) << ": " << reply.error << '\n';
        err.flush();
        return 1;
    }
    out << reply.text << '\n';
    out.flush();
    return 0;
}

QString summary()
{
    QString text = QStringLiteral("Alamkäsud (igaühe abi: tundrik ALAMKÄSK --help):\n");
    for (const Subcommand &s : subcommandTable()) {
        const QString call = nameOf(s) + QLatin1Char(' ') + QString::fromUtf16(s.words);
        text += QStringLiteral("  ") + call.leftJustified(30) + QString::fromUtf16(s.summary)
            + QLatin1Char('\n');
    }
    return text;
}

QString helpText(const QString &subcommand)
{
    const Subcommand *s = findSubcommand(subcommand);
    return s ? s->help() : QString();
}

QList<SubcommandInfo> subcommands()
{
    QList<SubcommandInfo> list;
    for (const Subcommand &s : subcommandTable()) {
        SubcommandInfo info {nameOf(s), {}, {}};
        for (const OptionRule &o : optionRules()) {
            if (!(s.options & o.option))
                continue;
            info.options << QString::fromUtf16(o.name);
            if (o.option == kFirstDay) {
                for (const QString &v : firstDayOfWeekNames())
                    info.values << QString::fromUtf16(o.name) + QLatin1Char('=') + v;
            } else if (o.option == kFirstWeek) {
                for (const QString &v : firstWeekOfYearNames())
                    info.values << QString::fromUtf16(o.name) + QLatin1Char('=') + v;
            }
        }
        list << info;
    }
    return list;
}

} // namespace console
