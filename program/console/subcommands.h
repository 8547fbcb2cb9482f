// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands one by one: the words and options each takes, its help,
// and how it answers one question.
#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace tundrik {
class Clock;
}

namespace console {

// The options of the subcommands, as bits.
enum Option : unsigned {
    kHelp = 1u << 0,
    kIso = 1u << 1,
    kJulian = 1u << 2,
    kGregorian = 1u << 3,
    kJulian1 = 1u << 4,
    kJulian2 = 1u << 5,
    kYears = 1u << 6,
    kMonths = 1u << 7,
    kIcs = 1u << 8,
    kFirstDay = 1u << 9,
    kFirstWeek = 1u << 10,
};

struct OptionRule {
    Option option;
    const char16_t *name; // "--esimene-päev"
    const char16_t *ascii; // the same without diacritics, or nullptr
    const char16_t *valueName; // "PÄEV" for an option that takes a value, else nullptr
};
std::span<const OptionRule> optionRules();

// One question: the options given, with their values, and the other words.
struct Question {
    unsigned options = 0;
    int firstDayOfWeek = 0; // 1 = Sunday .. 7; 0 when not given
    int firstWeekOfYear = 0; // 1..3; 0 when not given
    QStringList words;
};

// An answer (its lines joined by line breaks), or the reason there is none.
struct Reply {
    QString text;
    QString error;
};

struct Subcommand {
    const char16_t *name;
    const char16_t *ascii; // the name without diacritics, or nullptr
    const char16_t *words; // what it takes: "PP.KK.AAAA"
    const char16_t *summary;
    unsigned options;
    int minWords;
    int maxWords;
    // With no words on the command line, the questions come from standard input.
    bool readsInput;
    Reply (*answer)(const Question &, const tundrik::Clock &);
    QString (*help)();
};
std::span<const Subcommand> subcommandTable();
const Subcommand *findSubcommand(const QString &word);

// The values --esimene-päev and --esimene-nädal take, as the "Seaded"
// menu names them, in lower case; 0 for a word that names none.
int firstDayOfWeekNamed(const QString &word);
int firstWeekOfYearNamed(const QString &word);
QStringList firstDayOfWeekNames();
QStringList firstWeekOfYearNames();

} // namespace console
