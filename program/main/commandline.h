// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, read before the window system starts: --help
// and --version answer and end the program, a subcommand (console.h)
// answers its questions without a window, anything unknown is an error.
#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

namespace tundrik {
class Clock;
}

namespace commandline {

// Reads the arguments (the first is the program's own name). Returns the exit
// status when the command line has been answered or refused, after writing
// the answer to out or the error to err; returns nothing when the program
// should open its window. Qt's own options (-platform, -style, ...) are
// accepted and left for QApplication.
// A subcommand reads its questions from in when the command line holds
// none, and takes today's date from the clock.
std::optional<int> answer(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err,
                          const tundrik::Clock &clock);
// The same with no questions on standard input and the system clock.
std::optional<int> answer(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The texts, also for the tests.
QString helpText();
QString versionText();

} // namespace commandline
