// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/modtundkast.h>

#include "datefields.h"
#include "daynumbers.h"

#include <QLineEdit>

#include <cmath>
#include <cstdint>

namespace {

// The value of a field's digits; texts that are not plain digits, or too long
// to matter, count as larger than any field allows.
std::int64_t numberOf(const QString &text)
{
    constexpr std::int64_t tooLarge = 1'000'000'000;
    if (text.isEmpty() || text.size() > 9)
        return tooLarge;
    std::int64_t value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return tooLarge;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// A field's text as a whole number, or -1 when it is not one.
std::int64_t wholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    std::int64_t value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

namespace modTundkast {

void FilterDigitKey(int &key, QLineEdit *field, int maxLength, int maxValue, bool allowLeadingZero)
{
    if (!field) {
        key = 0;
        return;
    }
    if (key >= '0' && key <= '9') {
        const QString text = field->text();
        const QChar digit(key);
        if (!field->hasSelectedText()) {
            if (!text.isEmpty()) {
                // An accepted digit always goes to the end of the number.
                if (field->cursorPosition() != text.size())
                    field->setCursorPosition(int(text.size()));
                if (numberOf(text + digit) > maxValue || text.size() >= maxLength)
                    key = 0;
            } else if (key == '0' && !allowLeadingZero) {
                key = 0;
            }
        } else {
            QString candidate = text;
            candidate.replace(field->selectionStart(), field->selectedText().size(), digit);
            if (numberOf(candidate) > maxValue) {
                field->setCursorPosition(int(text.size()));
            } else {
                field->insert(QString(digit));
                field->setCursorPosition(int(field->text().size()));
            }
            key = 0;
        }
    } else if (key != 8) {
        key = 0;
    }
}

void CheckDateFields(const QString &day, const QString &month, const QString &year,
                     int minimumYear, bool &valid, bool &beforeReform, bool julian)
{
    const datefields::Check c = datefields::check(wholeNumber(day), wholeNumber(month), wholeNumber(year),
                                                  minimumYear, julian);
    valid = c.valid;
    beforeReform = c.beforeReform;
}

int JulianToGregorianOffset(double dateValue)
{
    // The typed day, month and year are read back from the value and taken
    // as a Julian-calendar date; the offset is the difference of the two
    // Julian day numbers.
    const auto jdn = std::int64_t(std::trunc(dateValue)) + daynumbers::kDateValueEpochJdn;
    const daynumbers::CivilDate typed = daynumbers::jdnToGregorian(jdn);
    return int(daynumbers::julianToGregorianShift(typed.year, typed.month, typed.day));
}

double DateValueOf(int year, int month, int day)
{
    std::int64_t y = year;
    std::int64_t m = month - 1;
    y += daynumbers::floorDiv(m, 12);
    m -= daynumbers::floorDiv(m, 12) * 12; // [0, 11]
    return double(daynumbers::gregorianToJdn(y, int(m) + 1, day) - daynumbers::kDateValueEpochJdn);
}

} // namespace modTundkast
