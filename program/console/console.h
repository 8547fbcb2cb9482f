// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands of the program: "tundrik jp 01.01.2000" and the like
// answer on standard output what the matching window shows, without a
// window. A question is given on the command line or, where it holds none,
// read from standard input one per line; a wrong one is told on standard
// error in Estonian.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace tundrik {
class Clock;
}

namespace console {

// Whether a word names a subcommand ("jp", "nädalapäev", also spelled
// without its diacritics, "nadalapaev").
bool isSubcommand(const QString &word);

// Runs a subcommand: arguments[0] is its name, the rest are its words.
// Answers go to out, one per line (a month or a listing takes several);
// errors go to err. Without a question on the command line the questions
// are read from in, one per line, each answered as it comes; a line that
// cannot be answered gets its message on err and an empty line on out. The
// clock gives today's month (kalender) and the time stamp of an iCalendar
// file. Returns 0 when every question was answered, else 1.
int run(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err,
        const tundrik::Clock &clock);

// The lines of the program's help that list the subcommands.
QString summary();

// The --help text of a subcommand (by any of its spellings); empty for a
// word that names none.
QString helpText(const QString &subcommand);

// The subcommands' names and, for each, the options it takes (with their
// leading "--"), in the order of its help.
struct SubcommandInfo {
    QString name;
    QStringList options;
    QStringList values; // what an option's value may be: "--esimene-päev=esmaspäev" ...
};
QList<SubcommandInfo> subcommands();

} // namespace console
