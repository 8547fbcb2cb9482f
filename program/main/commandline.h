// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, read before the window system starts: --help
// and --version answer and end the program, anything unknown is an error.
#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

namespace commandline {

// Reads the arguments (the first is the program's own name). Returns the exit
// status when the command line has been answered or refused, after writing
// the answer to out or the error to err; returns nothing when the program
// should open its window. Qt's own options (-platform, -style, ...) are
// accepted and left for QApplication.
std::optional<int> answer(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The texts, also for the tests.
QString helpText();
QString versionText();

} // namespace commandline
