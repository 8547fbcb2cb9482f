// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules of the integer box without a widget: the limits the
// setters leave, which texts lie inside them, what typing a key sequence
// leaves (each key offered to mayType, an accepted one appended and the
// text put into its one form, as the box does), completion, pastes and the
// values a host writes. Then a sweep: under every kind of limits, every
// number that this test itself finds inside them can be typed digit by
// digit.
#include "numberlimits.h"

#include <QLocale>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(NumberLimits)

namespace {

// "1 234 567" with the Estonian group separator.
QString grouped(QString s)
{
    return s.replace(u' ', QChar(0x00A0));
}

// Limits made the way a host makes them, one step after another:
// "max 500, min 100, zero 1, neg 0, digits 4" through the box's rules, or
// "load max 500 min -50 neg 1 zero 0 chars 6" stored as a form loads them.
NumberLimits limitsOf(const QString &steps)
{
    NumberLimits l;
    if (steps.startsWith(QLatin1String("load"))) {
        const QStringList words = steps.mid(4).split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
            const QString &what = words.at(i);
            const int v = words.at(i + 1).toInt();
            if (what == QLatin1String("max"))
                l.maximum = v;
            else if (what == QLatin1String("min"))
                l.minimum = v;
            else if (what == QLatin1String("neg"))
                l.negativeAllowed = v != 0;
            else if (what == QLatin1String("zero"))
                l.zeroAllowed = v != 0;
            else if (what == QLatin1String("chars"))
                l.characterLimit = v;
            else
                qFatal("unknown limit %s", qPrintable(what));
        }
        return l;
    }
    for (const QString &step : steps.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
        const QString &what = words.at(0);
        const int v = words.at(1).toInt();
        if (what == QLatin1String("max"))
            l.setMaximum(v);
        else if (what == QLatin1String("min"))
            l.setMinimum(v);
        else if (what == QLatin1String("neg"))
            l.setNegativeAllowed(v != 0);
        else if (what == QLatin1String("zero"))
            l.setZeroAllowed(v != 0);
        else if (what == QLatin1String("digits"))
            l.setDigitLimit(v);
        else
            qFatal("unknown step %s", qPrintable(what));
    }
    return l;
}

// What typing keys into an empty box leaves: each key offered, an accepted
// one appended and the text put into its one form.
QString typed(const NumberLimits &limits, const QString &keys)
{
    QString text;
    for (QChar c : keys) {
        if (limits.mayType(text, c))
            text = limits.canonical(text + c);
    }
    return text;
}

} // namespace

class tst_numberlimits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia)); }

    void setters_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("characters");
        QTest::newRow("new box") << "" << 0 << 0 << 0 << 0;
        QTest::newRow("maximum above the minimum") << "max 500, min 100" << 500 << 100 << 0 << 0;
        QTest::newRow("maximum not above the minimum") << "max 500, min 100, max 50" << 101 << 100 << 0 << 0;
        QTest::newRow("maximum 0 removes both") << "max 500, min 100, max 0" << 0 << 0 << 0 << 0;
        QTest::newRow("negative maximum removes both") << "max 500, min 100, max -7" << 0 << 0 << 0 << 0;
        QTest::newRow("minimum without a maximum") << "min 10" << 0 << 0 << 0 << 0;
        QTest::newRow("minimum above the maximum") << "max 12, min 40" << 12 << 11 << 0 << 0;
        QTest::newRow("negative minimum") << "max 12, min -4" << 12 << 0 << 0 << 0;
        QTest::newRow("zero allowed removes the minimum") << "max 500, min 100, zero 1" << 500 << 0 << 0 << 0;
        QTest::newRow("zero forbidden removes it too") << "max 2790, min 2651, zero 0" << 2790 << 0 << 0 << 0;
        QTest::newRow("no minimum while zero is allowed") << "max 500, zero 1, min 100" << 500 << 0 << 0 << 0;
        QTest::newRow("negatives remove both") << "max 500, min 100, neg 1" << 0 << 0 << 0 << 0;
        QTest::newRow("no maximum while negatives are allowed") << "neg 1, max 500" << 0 << 0 << 0 << 0;
        QTest::newRow("digit count 4") << "digits 4" << 0 << 0 << 4 << 4;
        QTest::newRow("digit count 7") << "digits 7" << 0 << 0 << 7 << 9;
        QTest::newRow("digit count 9") << "digits 9" << 0 << 0 << 9 << 11;
        QTest::newRow("digit count 20") << "digits 20" << 0 << 0 << 20 << 26;
        QTest::newRow("digit count 25") << "digits 25" << 0 << 0 << 20 << 26;
        QTest::newRow("negative digit count") << "digits 7, digits -3" << 0 << 0 << 0 << 0;
    }
    void setters()
    {
        QFETCH(QString, steps);
        const NumberLimits l = limitsOf(steps);
        QTEST(int(l.maximum), "maximum");
        QTEST(int(l.minimum), "minimum");
        QTEST(l.digitLimit(), "digits");
        QTEST(l.characterLimit, "characters");
    }

    void inLimits_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inLimits");
        QTest::newRow("empty, no minimum") << "" << "" << true;
        QTest::newRow("empty, minimum 5") << "max 10, min 5" << "" << false;
        QTest::newRow("empty, loaded negative minimum") << "load max 10 min -5" << "" << false;
        QTest::newRow("plain") << "" << "1234" << true;
        QTest::newRow("grouped") << "" << grouped("1 234") << true;
        QTest::newRow("grouped with another separator") << "" << "1 234" << false;
        QTest::newRow("groups of the wrong size") << "" << grouped("12 34") << false;
        QTest::newRow("leading zero") << "" << "012" << false;
        QTest::newRow("a lone sign") << "neg 1" << "-" << false;
        QTest::newRow("letters") << "" << "12a" << false;
        QTest::newRow("negative, not allowed") << "" << "-5" << false;
        QTest::newRow("negative, allowed") << "neg 1" << "-5" << true;
        QTest::newRow("minus zero") << "neg 1, zero 1" << "-0" << false;
        QTest::newRow("zero, not allowed") << "" << "0" << false;
        QTest::newRow("zero, allowed") << "zero 1" << "0" << true;
        QTest::newRow("at the maximum") << "max 12" << "12" << true;
        QTest::newRow("above the maximum") << "max 12" << "13" << false;
        QTest::newRow("at the minimum") << "max 12, min 3" << "3" << true;
        QTest::newRow("below the minimum") << "max 12, min 3" << "2" << false;
        QTest::newRow("20 digits") << "" << grouped("12 345 678 901 234 567 890") << true;
        QTest::newRow("21 digits") << "" << "123456789012345678901" << false;
        QTest::newRow("inside the digit limit") << "digits 4" << "1234" << true;
        QTest::newRow("beyond the digit limit") << "digits 4" << "12345" << false;
        QTest::newRow("loaded minimum above the maximum") << "load max 5 min 10" << "7" << false;
        QTest::newRow("loaded negative minimum") << "load max 500 min -50 neg 1" << "-7" << true;
        QTest::newRow("below a loaded negative minimum") << "load max 500 min -50 neg 1" << "-51" << false;
    }
    void inLimits()
    {
        QFETCH(QString, steps);
        QFETCH(QString, text);
        QTEST(limitsOf(steps).inLimits(text), "inLimits");
    }

    void value_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::newRow("grouped") << "" << grouped("1 234 567") << qint64(1234567);
        QTest::newRow("negative") << "neg 1" << "-42" << qint64(-42);
        QTest::newRow("the largest qint64") << "" << "9223372036854775807" << std::numeric_limits<qint64>::max();
        QTest::newRow("one beyond qint64") << "" << "9223372036854775808" << qint64(0);
        QTest::newRow("the smallest qint64") << "neg 1" << "-9223372036854775808" << std::numeric_limits<qint64>::min();
        QTest::newRow("outside the limits") << "max 12" << "13" << qint64(0);
        QTest::newRow("empty") << "" << "" << qint64(0);
    }
    void value()
    {
        QFETCH(QString, steps);
        QFETCH(QString, text);
        QTEST(limitsOf(steps).value(text), "value");
    }

    void typing_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("no limits: grouped as typed") << "" << "1234567" << grouped("1 234 567");
        QTest::newRow("no limits: the 21st digit is discarded")
            << "" << "123456789012345678901" << grouped("12 345 678 901 234 567 890");
        QTest::newRow("letters and signs are discarded") << "" << "a1+2 3-" << "123";
        QTest::newRow("zero not allowed") << "" << "0" << "";
        QTest::newRow("zero allowed, nothing after it") << "zero 1" << "05" << "0";
        QTest::newRow("minus first, and only first") << "neg 1" << "-5-3" << "-53";
        QTest::newRow("minus not allowed") << "" << "-5" << "5";
        QTest::newRow("no zero after the minus") << "neg 1, zero 1" << "-05" << "-5";
        QTest::newRow("digit count 4 stays plain") << "digits 4" << "20045" << "2004";
        QTest::newRow("digit count 5 is grouped") << "digits 5" << "123456" << grouped("12 345");
        QTest::newRow("four-digit maximum stays plain") << "max 2999" << "2999" << "2999";
        QTest::newRow("different widths: 13 above 12") << "max 12, min 1" << "13" << "1";
        QTest::newRow("different widths: 12") << "max 12, min 1" << "12" << "12";
        QTest::newRow("same width: 3 cannot start") << "max 2999, min 1000" << "3" << "";
        QTest::newRow("same width: 2 9 3 by the prefixes") << "max 2999, min 1000" << "293" << "293";
        QTest::newRow("same width: nothing after 2999") << "max 2999, min 1000" << "29995" << "2999";
        QTest::newRow("same width: 9 cannot start") << "max 2790, min 2651" << "9" << "";
        QTest::newRow("same width: 2651") << "max 2790, min 2651" << "2651" << "2651";
        QTest::newRow("same width: 2 6 4 below the prefix 265") << "max 2790, min 2651" << "264" << "26";
        QTest::newRow("maximum 500, minimum 100: 7 cannot start") << "max 500, min 100" << "7" << "";
        QTest::newRow("maximum 500, minimum 100, then zero allowed: 7")
            << "max 500, min 100, zero 1" << "7" << "7";
        QTest::newRow("maximum 500, minimum 100, then zero allowed: 0") << "max 500, min 100, zero 1" << "0" << "0";
        QTest::newRow("maximum 2790, minimum 2651, then zero forbidden: 940")
            << "max 2790, min 2651, zero 0" << "940" << "940";
        QTest::newRow("maximum 2790, minimum 2651, then zero forbidden: 2791 stops at 279")
            << "max 2790, min 2651, zero 0" << "2791" << "279";
        QTest::newRow("minimum lowered below the maximum's width") << "max 2790, min 2651, min 5" << "940" << "940";
        QTest::newRow("maximum raised beyond the minimum's width")
            << "max 2790, min 2651, max 12000" << "9400" << grouped("9 400");
        QTest::newRow("loaded negative minimum: -7") << "load max 500 min -50 neg 1" << "-7" << "-7";
        QTest::newRow("loaded negative minimum: 499") << "load max 500 min -50 neg 1" << "499" << "499";
    }
    void typing()
    {
        QFETCH(QString, steps);
        QFETCH(QString, keys);
        QTEST(typed(limitsOf(steps), keys), "text");
    }

    void complete_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("complete");
        QTest::newRow("zero") << "zero 1" << "0" << true;
        QTest::newRow("no limits") << "" << "12345" << false;
        QTest::newRow("digit count 4, four digits") << "digits 4" << "2004" << true;
        QTest::newRow("digit count 4, three digits") << "digits 4" << "200" << false;
        QTest::newRow("digit count 7, grouped") << "digits 7" << grouped("1 234 567") << true;
        QTest::newRow("digit count 4, negative") << "neg 1, digits 4" << "-2004" << true;
        QTest::newRow("maximum 12, two characters") << "max 12" << "12" << true;
        QTest::newRow("maximum 12, one character") << "max 12" << "1" << false;
        QTest::newRow("maximum 99999, five digits") << "max 99999" << grouped("12 345") << true;
        QTest::newRow("maximum 99999, four digits") << "max 99999" << "1234" << false;
    }
    void complete()
    {
        QFETCH(QString, steps);
        QFETCH(QString, text);
        QTEST(limitsOf(steps).complete(text), "complete");
    }

    void pasted_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("result");
        QTest::newRow("plain number") << "" << "" << "1234567" << grouped("1 234 567");
        QTest::newRow("grouped number, spaces around") << "" << "" << " 12 345 " << grouped("12 345");
        QTest::newRow("badly grouped") << "" << "" << "1 2345" << "";
        QTest::newRow("into a field that is not empty") << "" << "5" << "12" << "";
        QTest::newRow("above the maximum") << "max 100" << "" << "150" << "";
        QTest::newRow("inside the maximum") << "max 100" << "" << "50" << "50";
        QTest::newRow("below the minimum") << "max 100, min 20" << "" << "5" << "";
        QTest::newRow("21 digits") << "" << "" << "123456789012345678901" << "";
        QTest::newRow("leading zeros dropped") << "" << "" << "007" << "7";
        QTest::newRow("longer than the digit limit") << "digits 4" << "" << "12345" << "";
        QTest::newRow("negative, with a digit limit") << "neg 1, digits 4" << "" << "-1234" << "-1234";
        QTest::newRow("negative, without a digit limit") << "neg 1" << "" << "-12" << "";
        QTest::newRow("negative, not allowed") << "digits 4" << "" << "-12" << "";
    }
    void pasted()
    {
        QFETCH(QString, steps);
        QFETCH(QString, field);
        QFETCH(QString, clip);
        QTEST(limitsOf(steps).pasted(field, clip), "result");
    }

    void written_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("grouped") << "" << qint64(1234567) << grouped("1 234 567");
        QTest::newRow("the largest qint64") << "" << std::numeric_limits<qint64>::max()
                                            << grouped("9 223 372 036 854 775 807");
        QTest::newRow("above the maximum") << "max 100" << qint64(150) << "100";
        QTest::newRow("below the minimum") << "max 100, min 20" << qint64(5) << "20";
        QTest::newRow("negative, not allowed: 0, not taken") << "" << qint64(-5) << "";
        QTest::newRow("negative, not allowed: 0, taken") << "zero 1" << qint64(-5) << "0";
        QTest::newRow("negative, allowed") << "neg 1" << qint64(-1234567) << grouped("-1 234 567");
        QTest::newRow("the digit limit's largest number") << "digits 3" << qint64(12345) << "999";
        QTest::newRow("loaded minimum above the maximum") << "load max 5 min 10" << qint64(7) << "10";
    }
    void written()
    {
        QFETCH(QString, steps);
        QFETCH(qint64, value);
        QTEST(limitsOf(steps).written(value), "text");
    }

    void boundsWrittenBySetters_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("aboveMaximum");
        QTest::addColumn<bool>("belowMinimum");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("inside") << "max 100, min 20" << "50" << false << false << "50";
        QTest::newRow("above") << "max 100, min 20" << "150" << true << false << "150";
        QTest::newRow("below") << "max 100, min 20" << "5" << false << true << "5";
        QTest::newRow("no limits") << "" << "-5" << false << false << "-5";
        QTest::newRow("cut to the digit limit") << "digits 3" << grouped("12 345") << false << false << "123";
        QTest::newRow("no digits") << "max 100" << "-" << false << false << "";
    }
    void boundsWrittenBySetters()
    {
        QFETCH(QString, steps);
        QFETCH(QString, text);
        const NumberLimits l = limitsOf(steps);
        QTEST(l.aboveMaximum(text), "aboveMaximum");
        QTEST(l.belowMinimum(text), "belowMinimum");
        QTEST(l.fitted(text), "fitted");
    }

    // Under each kind of limits, every number this test finds inside them
    // (by its own arithmetic, below) is typed key by key into an empty box:
    // each key must be taken, and the box must call the result inside the
    // limits.
    void everyNumberInsideTheLimitsCanBeTyped_data()
    {
        QTest::addColumn<NumberLimits>("limits");
        const int maxima[] = {0, 7, 12, 99, 500, 2790, 2999, 10050};
        const int minima[] = {0, 1, 7, 100, 2651, -50};
        const int characters[] = {0, 2, 4, 6};
        for (int mx : maxima) {
            for (int mn : minima) {
                for (int chars : characters) {
                    for (int flags = 0; flags < 4; ++flags) {
                        NumberLimits l;
                        l.maximum = mx;
                        l.minimum = mn;
                        l.characterLimit = chars;
                        l.zeroAllowed = flags & 1;
                        l.negativeAllowed = flags & 2;
                        QTest::addRow("max %d min %d chars %d zero %d neg %d", mx, mn, chars, flags & 1,
                                      (flags & 2) >> 1)
                            << l;
                    }
                }
            }
        }
    }
    void everyNumberInsideTheLimitsCanBeTyped()
    {
        QFETCH(NumberLimits, limits);
        const int digitLimit = limits.characterLimit > 4 ? limits.characterLimit - limits.characterLimit / 4
                                                         : limits.characterLimit;
        // The limits as numbers: between lo and hi, at most that many digits.
        // (Without a maximum the numbers from -3000 to 3000 stand for all.)
        const int lo = limits.maximum > 0 ? qMax(limits.minimum, -3000)
                       : limits.minimum > 0 ? limits.minimum
                                            : -3000;
        const int hi = limits.maximum > 0 ? limits.maximum : qMax(lo, 0) + 3000;
        int typedNumbers = 0;
        for (int v = lo; v <= hi; ++v) {
            const QString digits = QString::number(qAbs(v));
            if ((v < 0 && !limits.negativeAllowed) || (v == 0 && !limits.zeroAllowed)
                || (digitLimit > 0 && digits.size() > digitLimit))
                continue;
            const QString keys = QString::number(v);
            const QString text = typed(limits, keys);
            QString digitsShown;
            for (QChar c : text) {
                if (c.isDigit())
                    digitsShown += c;
            }
            if (digitsShown != digits || !limits.inLimits(text))
                QFAIL(qPrintable(QStringLiteral("%1 typed gives '%2'").arg(keys, text)));
            ++typedNumbers;
        }
        // And the longest numbers of all, without a maximum.
        if (limits.maximum <= 0 && limits.minimum <= 0 && digitLimit == 0) {
            for (const QString &keys : {QStringLiteral("99999999999999999999"), QStringLiteral("10000000000000000000")}) {
                const QString text = typed(limits, keys);
                QVERIFY2(limits.inLimits(text) && QString(text).remove(QChar(0x00A0)) == keys, qPrintable(text));
            }
        }
        QVERIFY(typedNumbers > 0 || limits.minimum > limits.maximum || digitLimit > 0);
    }
};

QTEST_GUILESS_MAIN(tst_numberlimits)
#include "tst_numberlimits.moc"
