// SPDX-License-Identifier: GPL-3.0-or-later
#include "subcommands.h"

#include "inputs.h"
#include "sheets.h"

#include "calculatorrules.h"
#include "clock.h"
#include "datefields.h"
#include "daynumbers.h"
#include "errors.h"
#include "holidays.h"
#include "icalendar.h"
#include "modarvutused.h"
#include "monthsheet.h"
#include "readouttexts.h"

#include <QDateTime>
#include <QRegularExpression>

#include <functional>

namespace console {

namespace {

using datevalue::DateValue;

constexpr OptionRule kOptionRules[] = {
    {kJulian, u"--juliuse", nullptr, nullptr},
    {kJulian1, u"--juliuse1", nullptr, nullptr},
    {kJulian2, u"--juliuse2", nullptr, nullptr},
    {kGregorian, u"--gregooriuse", nullptr, nullptr},
    {kYears, u"--aastad", nullptr, nullptr},
    {kMonths, u"--kuud", nullptr, nullptr},
    {kIcs, u"--ics", nullptr, nullptr},
    {kFirstDay, u"--esimene-päev", u"--esimene-paev", u"PÄEV"},
    {kFirstWeek, u"--esimene-nädal", u"--esimene-nadal", u"NÄDAL"},
    {kIso, u"--iso", nullptr, nullptr},
    {kHelp, u"--help", nullptr, nullptr},
};

Reply fail(const QString &error)
{
    return {QString(), error};
}

Reply answered(const QString &text)
{
    return {text, QString()};
}

// A range label without its brackets: "03.01.100 - 31.12.2299".
QString rangeWords(const QString &label)
{
    return label.mid(1, label.size() - 2);
}

QString outOfRange(const QString &word, const QString &label)
{
    return QStringLiteral("%1 jääb vahemikust välja: lubatud on %2").arg(quoted(word), rangeWords(label));
}

// A whole number inside a range, or why the word is none.
struct RangedNumber {
    qint64 value = 0;
    QString error;
};

RangedNumber rangedNumber(const QString &word, const calculators::NumberRange &range, const QString &what)
{
    const std::optional<qint64> n = wholeNumber(word);
    if (!n)
        return {0, QStringLiteral("%1 ei ole %2").arg(quoted(word), what)};
    if (!range.contains(*n))
        return {0, outOfRange(word, range.labelText())};
    return {*n, QString()};
}

// The years of the month calendar, and of its holidays.
constexpr calculators::NumberRange kCalendarYears {monthsheet::kFirstYear, monthsheet::kLastYear,
                                                   u"(100 - 9999)"};

const QString kBothReadings = QStringLiteral("--juliuse ja --gregooriuse välistavad teineteist");

// Runs a step of the arithmetic; a refusal (an input beyond what it can
// compute, which the ranges keep out) becomes the reason of the reply.
Reply computed(const std::function<QString()> &text)
{
    try {
        return answered(text());
    } catch (const tundrik::CalcError &) {
        return fail(QStringLiteral("seda ei saa arvutada"));
    }
}

Reply withIso(const Question &q, const Reply &r)
{
    if (!r.error.isEmpty() || !(q.options & kIso))
        return r;
    return answered(isoText(r.text));
}

// ---- dates --------------------------------------------------------------

// A written date that is a day of the Julian calendar at least (which has
// every day of the Gregorian one), with the facts its reading depends on.
struct CheckedDate {
    WrittenDate written;
    bool gregorian = false; // a day of the Gregorian calendar
    bool beforeReform = false; // as written, before 15.10.1582
    QString error;
};

CheckedDate checkedDate(const QString &word, const calculators::DateRange &range)
{
    CheckedDate c {};
    const std::optional<WrittenDate> w = writtenDate(word);
    if (!w) {
        c.error = QStringLiteral("%1 ei ole kuupäev kujul PP.KK.AAAA").arg(quoted(word));
        return c;
    }
    c.written = *w;
    // The Julian calendar has every day of the Gregorian one, and 29 February
    // of every fourth year.
    if (w->month < 1 || w->month > 12 || w->day < 1
        || w->day > daynumbers::julianMonthLength(w->year, w->month)) {
        c.error = QStringLiteral("%1 ei ole kuupäev").arg(quoted(word));
        return c;
    }
    if (!range.contains(w->year, w->month, w->day)) {
        c.error = outOfRange(word, range.labelText());
        return c;
    }
    const datefields::Check julian = datefields::check(w->day, w->month, w->year, range.first.year, true);
    c.gregorian = datefields::check(w->day, w->month, w->year, range.first.year, false).valid;
    c.beforeReform = julian.beforeReform;
    return c;
}

DateValue valueOf(const WrittenDate &d, bool julian)
{
    return julian ? datevalue::JulianDateSerial(d.year, d.month, d.day)
                  : datevalue::DateSerial(d.year, d.month, d.day);
}

// A date of "Leia Juliuse päev" or "Leia päevade arv": its box reads a date
// before the reform, and a day of the Julian calendar only, in the Julian
// calendar, a later one in the Gregorian calendar unless its Julian box is
// checked (julianAsked); "G" (gregorianAsked) reads a date before the
// reform in the Gregorian calendar.
struct DayDate {
    DateValue value = 0;
    bool julian = false;
    QString error;
};

DayDate dayDate(const QString &word, bool julianAsked, bool gregorianAsked)
{
    DayDate r;
    const CheckedDate c = checkedDate(word, calculators::kDayDates);
    if (!c.error.isEmpty()) {
        r.error = c.error;
        return r;
    }
    r.julian = c.beforeReform || !c.gregorian || julianAsked;
    if (gregorianAsked) {
        if (julianAsked)
            r.error = kBothReadings;
        else if (!c.beforeReform)
            r.error = QStringLiteral("--gregooriuse käib vaid kuupäevaga enne 15.10.1582; "
                                     "%1 loetakse nagunii gregooriuse kalendri järgi")
                          .arg(quoted(word));
        else if (!c.gregorian)
            r.error = QStringLiteral("%1 on olemas vaid juliuse kalendris; gregooriuse "
                                     "kalendri järgi seda päeva pole")
                          .arg(quoted(word));
        if (!r.error.isEmpty())
            return r;
        r.julian = false;
    }
    r.value = valueOf(c.written, r.julian);
    return r;
}

// ---- the answers ------------------------------------------------------------

Reply dayDescription(const Question &q, const QString &mode)
{
    const DayDate d = dayDate(q.words.at(0), q.options & kJulian, q.options & kGregorian);
    if (!d.error.isEmpty())
        return fail(d.error);
    return withIso(q, computed([&] { return modArvutused::DayDescription(d.value, mode); }));
}

Reply answerJp(const Question &q, const tundrik::Clock &)
{
    return dayDescription(q, QStringLiteral("JP"));
}

Reply answerWeekday(const Question &q, const tundrik::Clock &)
{
    return dayDescription(q, QStringLiteral("NP"));
}

Reply answerDate(const Question &q, const tundrik::Clock &)
{
    const QString &word = q.words.at(0);
    const RangedNumber n = rangedNumber(word, calculators::kDayNumbers,
                                        QStringLiteral("Juliuse päeva number"));
    if (!n.error.isEmpty())
        return fail(n.error);
    const bool beforeReform = n.value < calculators::kReformDayNumber;
    bool julian = beforeReform || (q.options & kJulian);
    if (q.options & kGregorian) {
        if (q.options & kJulian)
            return fail(kBothReadings);
        if (!beforeReform)
            return fail(QStringLiteral("--gregooriuse käib vaid Juliuse päevaga enne %1 "
                                       "(15.10.1582); %2 loetakse nagunii gregooriuse "
                                       "kalendri järgi")
                            .arg(readouttexts::groupedInteger(calculators::kReformDayNumber), quoted(word)));
        julian = false;
    }
    return withIso(q, computed([&] { return modArvutused::JulianDayToDateText(qint32(n.value), julian); }));
}

Reply answerInterval(const Question &q, const tundrik::Clock &)
{
    const bool bothJulian = q.options & kJulian;
    const DayDate first = dayDate(q.words.at(0), bothJulian || (q.options & kJulian1), false);
    if (!first.error.isEmpty())
        return fail(first.error);
    const DayDate second = dayDate(q.words.at(1), bothJulian || (q.options & kJulian2), false);
    if (!second.error.isEmpty())
        return fail(second.error);
    // Two Julian dates are counted within the Julian calendar.
    const bool julianCalendar = first.julian && second.julian;
    const calculators::IntervalUnits units = calculators::IntervalUnitsOffered(first.value, second.value,
                                                                               julianCalendar);
    const bool years = q.options & kYears;
    const bool months = q.options & kMonths;
    if (years && !units.years)
        return fail(QStringLiteral("--aastad: aastaid saab lugeda vaid siis, kui teine kuupäev "
                                   "on hilisemal aastal kui esimene"));
    if (months && !units.months)
        return fail(QStringLiteral("--kuud: kuid saab lugeda vaid siis, kui teine kuupäev "
                                   "on hilisemas kuus kui esimene"));
    const auto interval = [&] {
        return modArvutused::IntervalText(first.value, second.value, years, months, julianCalendar);
    };
    return withIso(q, computed(interval));
}

Reply shift(const Question &q, bool add)
{
    const QString &word = q.words.at(0);
    const CheckedDate c = checkedDate(word, calculators::kShiftDates);
    if (!c.error.isEmpty())
        return fail(c.error);
    const bool julian = q.options & kJulian;
    if (!julian && !c.gregorian)
        return fail(QStringLiteral("%1 on olemas vaid juliuse kalendris (vt --juliuse)").arg(quoted(word)));

    const char16_t *const countNames[3] = {u"aastate", u"kuude", u"päevade"};
    qint64 counts[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const QString &w = q.words.at(1 + i);
        const std::optional<qint64> n = wholeNumber(w);
        if (!n)
            return fail(QStringLiteral("%1 ei ole %2 arv").arg(quoted(w), QString::fromUtf16(countNames[i])));
        counts[i] = *n;
    }
    const qint64 years = counts[0];
    const qint64 months = counts[1];
    const qint64 days = counts[2];
    // The limits as the window sets them after each box: the years decide
    // the months, both decide the days.
    const calculators::ShiftLimits limits = calculators::ShiftLimitsFor(years, months);
    auto tooLarge = [&](int i, const QString &label, const QString &because) {
        const QString allowed = because.isEmpty() ? QStringLiteral("lubatud on ") + label
                                                  : because + QStringLiteral(" on lubatud ") + label;
        return fail(QStringLiteral("%1 arv %2 jääb vahemikust välja: %3")
                        .arg(QString::fromUtf16(countNames[i]), quoted(q.words.at(1 + i)), allowed));
    };
    if (years > limits.years)
        return tooLarge(0, limits.yearsLabel, QString());
    if (months > limits.months)
        return tooLarge(1, limits.monthsLabel, years != 0 ? QStringLiteral("aastatega") : QString());
    if (days > limits.days)
        return tooLarge(2, limits.daysLabel,
                        months != 0      ? QStringLiteral("kuudega")
                            : years != 0 ? QStringLiteral("aastatega")
                                         : QString());
    if (julian && c.gregorian
        && !calculators::ShiftSpansJulianLeapDay(valueOf(c.written, false), years, months, days))
        return fail(QStringLiteral("--juliuse käib vaid nihkega päevades (0 aastat ja 0 kuud), "
                                   "mis ulatub üle sajandi aasta, millel gregooriuse kalendris "
                                   "29. veebruari pole (1700, 1800, 1900, …)"));
    const DateValue start = valueOf(c.written, julian);
    const auto shifted = [&] {
        return modArvutused::ShiftedDateText(start, qint16(years), qint16(months), qint32(days), add, julian);
    };
    return withIso(q, computed(shifted));
}

Reply answerAdd(const Question &q, const tundrik::Clock &)
{
    return shift(q, true);
}

Reply answerSubtract(const Question &q, const tundrik::Clock &)
{
    return shift(q, false);
}

Reply answerLeapYear(const Question &q, const tundrik::Clock &)
{
    const RangedNumber year = rangedNumber(q.words.at(0), calculators::kLeapYears, QStringLiteral("aasta"));
    if (!year.error.isEmpty())
        return fail(year.error);
    return answered(calculators::LeapYearText(year.value));
}

// The month and year of pühad and kalender: "[KUU] AAAA"; month 0 for a
// whole year.
struct MonthOfYear {
    int month = 0;
    int year = 0;
    QString error;
};

MonthOfYear monthOfYear(const QStringList &words)
{
    MonthOfYear r;
    const RangedNumber year = rangedNumber(words.constLast(), kCalendarYears, QStringLiteral("aasta"));
    if (!year.error.isEmpty()) {
        r.error = year.error;
        return r;
    }
    r.year = int(year.value);
    if (words.size() == 2) {
        const std::optional<int> m = month(words.at(0));
        if (!m) {
            r.error = QStringLiteral("%1 ei ole kuu: kuu on 1 - 12 või kuu nimi").arg(quoted(words.at(0)));
            return r;
        }
        r.month = *m;
    }
    return r;
}

// The instant of the clock's reading in UTC.
QDateTime stampOf(const tundrik::Clock &clock)
{
    const tundrik::ClockReading r = clock.now();
    const QDateTime local(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute, r.second), Qt::OffsetFromUTC,
                          r.utcOffset);
    return local.toUTC();
}

Reply answerHolidays(const Question &q, const tundrik::Clock &clock)
{
    const MonthOfYear when = monthOfYear(q.words);
    if (!when.error.isEmpty())
        return fail(when.error);
    if (q.options & kIcs) {
        std::vector<icalendar::Event> events = holidays::CalendarEvents(when.year, when.year);
        if (when.month != 0)
            std::erase_if(events, [&](const icalendar::Event &e) { return e.date.month() != when.month; });
        QString text = QString::fromUtf8(icalendar::Calendar(events, stampOf(clock)));
        // The file ends with its own line break; the answer's is added after it.
        text.chop(1);
        return answered(text);
    }
    QStringList months;
    for (int m = 1; m <= 12; ++m) {
        if (when.month == 0 || when.month == m)
            months << holidayListing(when.year, m, q.options & kIso);
    }
    return answered(months.join(QLatin1Char('\n')));
}

Reply answerCalendar(const Question &q, const tundrik::Clock &clock)
{
    const int firstDay = q.firstDayOfWeek ? q.firstDayOfWeek : monthsheet::kFirstDayOfWeekAtStart;
    const int firstWeek = q.firstWeekOfYear ? q.firstWeekOfYear : monthsheet::kFirstWeekOfYearAtStart;
    MonthOfYear when;
    if (q.words.isEmpty()) {
        const tundrik::ClockReading now = clock.now();
        when.month = now.month;
        when.year = now.year;
    } else {
        when = monthOfYear(q.words);
        if (!when.error.isEmpty())
            return fail(when.error);
    }
    QStringList months;
    for (int m = 1; m <= 12; ++m) {
        if (when.month == 0 || when.month == m)
            months << monthSheet(when.year, m, firstDay, firstWeek);
    }
    return answered(months.join(QStringLiteral("\n\n")));
}

// ---- help ----------------------------------------------------------------

const QString kStandardInput = QStringLiteral(
    "\n"
    "Kui käsureal küsimust pole, loeb tundrik küsimused standardsisendist, ühe\n"
    "rea kohta (samade sõnadega kui käsureal, ka võtmetega), ja vastab igaühele\n"
    "oma real; vigase rea kohta tuleb tühi rida ja veateade standardveaväljundisse.\n");

const QString kIsoLine = QStringLiteral(
    "  --iso           kirjutab kuupäeva kujul AAAA-KK-PP ja numbrid rühmaeraldajata\n");
const QString kHelpLine = QStringLiteral("  -h, --help      näitab seda abiteksti\n");

QString dayDateHelp(const QString &name, const QString &answer, const QString &example)
{
    return QStringLiteral("Kasutamine: tundrik %1 [VÕTMED] [PP.KK.AAAA]\n"
                          "%2, nagu aken „Leia %3“ selle näitab\n"
                          "(näiteks %4).\n"
                          "\n"
                          "Kuupäev on vahemikus %5. Enne 15.10.1582 jääv kuupäev (ja\n"
                          "29. veebruar, mis on olemas vaid juliuse kalendris) loetakse juliuse\n"
                          "kalendri järgi, hilisem gregooriuse kalendri järgi.\n")
               .arg(name, answer,
                    name == QLatin1String("jp") ? QStringLiteral("Juliuse päev")
                                                : QStringLiteral("nädalapäev"),
                    example, rangeWords(calculators::kDayDates.labelText()))
        + kStandardInput
        + QStringLiteral("\nVõtmed:\n"
                         "  --juliuse       loeb hilisema kuupäeva juliuse kalendri järgi\n"
                         "  --gregooriuse   loeb varasema kuupäeva gregooriuse kalendri järgi („G“)\n")
        + kIsoLine + kHelpLine;
}

QString helpJp()
{
    return dayDateHelp(QStringLiteral("jp"), QStringLiteral("Kuupäevale vastav Juliuse päev"),
                       QStringLiteral("„2 451 545. Juliuse päev“"));
}

QString helpWeekday()
{
    return dayDateHelp(QStringLiteral("nädalapäev"), QStringLiteral("Kuupäeva nädalapäev"),
                       QStringLiteral("„Laupäev“"));
}

QString helpDate()
{
    return QStringLiteral("Kasutamine: tundrik kuupäev [VÕTMED] [JP]\n"
                          "Juliuse päevale vastav kuupäev, nagu aken „Leia kuupäev“ selle näitab\n"
                          "(näiteks „01.01.2000. a.“).\n"
                          "\n"
                          "Juliuse päev on vahemikus %1. Päev enne %2\n"
                          "(15.10.1582) antakse juliuse kalendri järgi, hilisem gregooriuse kalendri\n"
                          "järgi.\n")
               .arg(rangeWords(calculators::kDayNumbers.labelText()),
                    readouttexts::groupedInteger(calculators::kReformDayNumber))
        + kStandardInput
        + QStringLiteral("\nVõtmed:\n"
                         "  --juliuse       annab hilisema päeva juliuse kalendri järgi\n"
                         "  --gregooriuse   annab varasema päeva gregooriuse kalendri järgi („G“)\n")
        + kIsoLine + kHelpLine;
}

QString helpInterval()
{
    return QStringLiteral("Kasutamine: tundrik vahe [VÕTMED] [PP.KK.AAAA PP.KK.AAAA]\n"
                          "Kahe kuupäeva vaheline aeg, nagu aken „Leia päevade arv“ selle näitab\n"
                          "(näiteks „822 päeva“ või „2 aastat, 2 kuud ja 30 päeva“).\n"
                          "\n"
                          "Kuupäevad on vahemikus %1 ja loetakse nagu aknas „Leia\n"
                          "Juliuse päev“. Kaks juliuse kalendri kuupäeva arvestatakse juliuse\n"
                          "kalendris. Täisaastaid saab lugeda, kui teine kuupäev on hilisemal aastal,\n"
                          "ja täiskuid, kui see on hilisemas kuus.\n")
               .arg(rangeWords(calculators::kDayDates.labelText()))
        + kStandardInput
        + QStringLiteral("\nVõtmed:\n"
                         "  --aastad        loeb ka täisaastad („aastat“)\n"
                         "  --kuud          loeb ka täiskuud („kuud“)\n"
                         "  --juliuse1      loeb esimese kuupäeva juliuse kalendri järgi\n"
                         "  --juliuse2      loeb teise kuupäeva juliuse kalendri järgi\n"
                         "  --juliuse       loeb mõlemad kuupäevad juliuse kalendri järgi\n")
        + kIsoLine + kHelpLine;
}

QString shiftHelp(const QString &name, const QString &verb)
{
    const calculators::ShiftLimits years = calculators::ShiftLimitsFor(1, 0);
    const calculators::ShiftLimits months = calculators::ShiftLimitsFor(0, 1);
    const calculators::ShiftLimits none = calculators::ShiftLimitsFor(0, 0);
    return QStringLiteral("Kasutamine: tundrik %1 [VÕTMED] [PP.KK.AAAA AASTAD KUUD PÄEVAD]\n"
                          "Uus kuupäev: %2 kuupäevale aastad, kuud ja päevad, nagu aken „Leia uus\n"
                          "kuupäev“ (näiteks „04.03.2001. a.“ käsule „tundrik liida 01.01.2000 1 2 3“).\n"
                          "\n"
                          "Kuupäev on vahemikus %3 ja loetakse gregooriuse\n"
                          "kalendri järgi. Aastaid on %4, kuid %5 (aastatega %6), päevi %7\n"
                          "(aastatega %8, kuudega %9).\n")
               .arg(name, verb, rangeWords(calculators::kShiftDates.labelText()), none.yearsLabel,
                    none.monthsLabel, years.monthsLabel, none.daysLabel, years.daysLabel, months.daysLabel)
        + kStandardInput
        + QStringLiteral("\nVõtmed:\n"
                         "  --juliuse       loeb kuupäeva ja arvutab juliuse kalendri järgi; käib\n"
                         "                  vaid nihkega päevades (0 aastat, 0 kuud) üle aasta 1700,\n"
                         "                  1800, 1900 vms või kuupäevaga, mida on vaid juliuse\n"
                         "                  kalendris (29.02.1700)\n")
        + kIsoLine + kHelpLine;
}

QString helpAdd()
{
    return shiftHelp(QStringLiteral("liida"), QStringLiteral("liidab"));
}

QString helpSubtract()
{
    return shiftHelp(QStringLiteral("lahuta"), QStringLiteral("lahutab"));
}

QString helpLeapYear()
{
    return QStringLiteral("Kasutamine: tundrik liigaasta [VÕTMED] [AAAA]\n"
                          "Kas aasta on liigaasta, nagu aken „Kas liigaasta, või mitte“ selle näitab\n"
                          "(„Jah, on liigaasta“ või „Ei ole liigaasta“), gregooriuse kalendri järgi.\n"
                          "\n"
                          "Aasta on vahemikus %1.\n")
               .arg(rangeWords(calculators::kLeapYears.labelText()))
        + kStandardInput + QStringLiteral("\nVõtmed:\n") + kIsoLine + kHelpLine;
}

QString helpHolidays()
{
    return QStringLiteral("Kasutamine: tundrik pühad [VÕTMED] [[KUU] AAAA]\n"
                          "Kuu (või ilma kuuta terve aasta) pühad, lipu- ja tähtpäevad, rahvakalendri\n"
                          "päevad ja kellakeeramised nagu pühade aknas: iga kuu pealkiri ja siis iga\n"
                          "rida kujul päev, tabeldusmärk, nimetus(ed), tabeldusmärk ja märgid sõnadega\n"
                          "(„punane päev“, „lipupäev“, „leinalipp“).\n"
                          "\n"
                          "KUU on 1 - 12 või kuu nimi, AAAA vahemikus %1 - %2.\n")
               .arg(monthsheet::kFirstYear)
               .arg(monthsheet::kLastYear)
        + kStandardInput
        + QStringLiteral("\nVõtmed:\n"
                         "  --ics           kirjutab aasta (või KUU) pühad iCalendari failina\n"
                         "                  (RFC 5545), nagu pühade akna „Salvesta iCalendar…“\n")
        + kIsoLine + kHelpLine;
}

// The words of a text in lines of at most 79 characters, each after the
// indent; a name in quotation marks stays on one line.
QString wrapped(const QString &text, int indent)
{
    static const QRegularExpression words(QStringLiteral("„[^“]*“\\S*|\\S+"));
    QString out;
    QString line;
    for (const QRegularExpressionMatch &m : words.globalMatch(text)) {
        const QString word = m.captured();
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > 79) {
            out += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
}

// "a, b või c".
QString choices(const QStringList &names)
{
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" või ")
        + names.constLast();
}

QString helpCalendar()
{
    QStringList weekNames;
    for (const QString &n : firstWeekOfYearNames())
        weekNames << QStringLiteral("„") + n + QStringLiteral("“");
    return QStringLiteral("Kasutamine: tundrik kalender [VÕTMED] [[KUU] AAAA]\n"
                          "Kuu (või ilma kuuta terve aasta) kalender koos nädalate numbritega, nagu\n"
                          "kalendriaken; ilma argumentideta tänane kuu. Sulgudes on nädala number,\n"
                          "mille rida jääb tervenisti naaberkuusse.\n"
                          "\n"
                          "KUU on 1 - 12 või kuu nimi, AAAA vahemikus %1 - %2. Nädalad algavad\n"
                          "esmaspäevaga ja aasta esimene nädal on esimene, milles on neli päeva, nagu\n"
                          "programmi igal käivitusel; teisiti valivad need menüü „Seaded“ nimedega:\n"
                          "\n"
                          "Võtmed:\n"
                          "  --esimene-päev PÄEV\n")
               .arg(monthsheet::kFirstYear)
               .arg(monthsheet::kLastYear)
        + wrapped(QStringLiteral("nädala esimene päev: ") + choices(firstDayOfWeekNames()), 18)
        + QStringLiteral("  --esimene-nädal NÄDAL\n")
        + wrapped(QStringLiteral("aasta esimene nädal: ") + choices(weekNames)
                      + QStringLiteral(" (tühikute asemel võib olla sidekriips)"),
                  18)
        + kIsoLine + kHelpLine;
}

constexpr unsigned kDayOptions = kJulian | kGregorian | kIso | kHelp;

constexpr Subcommand kSubcommands[] = {
    {u"jp", nullptr, u"PP.KK.AAAA", u"kuupäevale vastav Juliuse päev", kDayOptions, 1, 1, true, &answerJp,
     &helpJp},
    {u"nädalapäev", u"nadalapaev", u"PP.KK.AAAA", u"kuupäeva nädalapäev", kDayOptions, 1, 1, true,
     &answerWeekday, &helpWeekday},
    {u"kuupäev", u"kuupaev", u"JP", u"Juliuse päevale vastav kuupäev", kDayOptions, 1, 1, true, &answerDate,
     &helpDate},
    {u"vahe", nullptr, u"PP.KK.AAAA PP.KK.AAAA", u"kahe kuupäeva vaheline aeg",
     kYears | kMonths | kJulian | kJulian1 | kJulian2 | kIso | kHelp, 2, 2, true, &answerInterval,
     &helpInterval},
    {u"liida", nullptr, u"PP.KK.AAAA A K P", u"uus kuupäev: liidab aastad, kuud, päevad",
     kJulian | kIso | kHelp, 4, 4, true, &answerAdd, &helpAdd},
    {u"lahuta", nullptr, u"PP.KK.AAAA A K P", u"uus kuupäev: lahutab aastad, kuud, päevad",
     kJulian | kIso | kHelp, 4, 4, true, &answerSubtract, &helpSubtract},
    {u"liigaasta", nullptr, u"AAAA", u"kas aasta on liigaasta", kIso | kHelp, 1, 1, true, &answerLeapYear,
     &helpLeapYear},
    {u"pühad", u"puhad", u"[KUU] AAAA", u"kuu või aasta pühad ja tähtpäevad", kIcs | kIso | kHelp, 1, 2, true,
     &answerHolidays, &helpHolidays},
    {u"kalender", nullptr, u"[[KUU] AAAA]", u"kuu või aasta kalender nädalanumbritega",
     kFirstDay | kFirstWeek | kIso | kHelp, 0, 2, false, &answerCalendar, &helpCalendar},
};

// A name of a menu's choice as typed: folded, the points left out and
// hyphens read as spaces.
QString choiceKey(const QString &word)
{
    QString key = folded(word);
    key.remove(QLatin1Char('.'));
    key.replace(QLatin1Char('-'), QLatin1Char(' '));
    key.replace(QLatin1Char('_'), QLatin1Char(' '));
    return key.simplified();
}

} // namespace

std::span<const OptionRule> optionRules()
{
    return kOptionRules;
}

std::span<const Subcommand> subcommandTable()
{
    return kSubcommands;
}

const Subcommand *findSubcommand(const QString &word)
{
    for (const Subcommand &s : kSubcommands) {
        if (word == QString::fromUtf16(s.name) || (s.ascii && word == QString::fromUtf16(s.ascii)))
            return &s;
    }
    return nullptr;
}

QStringList firstDayOfWeekNames()
{
    QStringList names;
    for (int i = 1; i <= 7; ++i)
        names << modArvutused::WeekdayNames().at(i % 7).toLower();
    return names;
}

QStringList firstWeekOfYearNames()
{
    QStringList names;
    for (const QString &n : monthsheet::FirstWeekOfYearNames())
        names << n.toLower();
    return names;
}

int firstDayOfWeekNamed(const QString &word)
{
    const QStringList &names = modArvutused::WeekdayNames();
    for (int i = 0; i < names.size(); ++i) {
        if (choiceKey(names.at(i)) == choiceKey(word))
            return i + 1;
    }
    return 0;
}

int firstWeekOfYearNamed(const QString &word)
{
    const QStringList &names = monthsheet::FirstWeekOfYearNames();
    for (int i = 0; i < names.size(); ++i) {
        if (choiceKey(names.at(i)) == choiceKey(word))
            return i + 1;
    }
    // The full week spelled as the word is spelled elsewhere.
    if (choiceKey(word) == QLatin1String("esimene taisnadal"))
        return 3;
    return 0;
}

} // namespace console
