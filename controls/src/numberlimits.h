// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules of the integer box, apart from any widget: which texts
// are numbers inside the limits, the one form a number is shown in, which
// character may be typed next, what a paste may become, and what a value
// or a bound written by the box looks like.
//
// A NumberLimits holds the five limits and nothing else; every answer is
// computed from them when asked, so no change of a limit can leave an
// answer behind. Whether the maximum and the minimum have the same number
// of digits, for example, is worked out on every key.
//
// The texts are those of the box's field: an optional "-", digits, and the
// group separator of the user's locale (a space or a no-break space is
// read as one too).
#pragma once

#include <QString>
#include <QtGlobal>

struct NumberLimits {
    // The most digits a number can have, and the characters they take
    // grouped by threes.
    static constexpr int kMaxDigits = 20;
    static constexpr int kMaxGroupedLength = 26;

    bool negativeAllowed = false;
    bool zeroAllowed = false;
    qint32 maximum = 0;     // 0 or less: no maximum
    qint32 minimum = 0;     // 0: no minimum (only loaded limits hold a negative one)
    int characterLimit = 0; // characters of a number without its sign; 0: none

    friend bool operator==(const NumberLimits &, const NumberLimits &) = default;

    // ---- the limits as the box's properties set them ------------------------
    // Allowing negative numbers removes the maximum and the minimum.
    void setNegativeAllowed(bool allowed);
    // Either way the minimum becomes 0.
    void setZeroAllowed(bool allowed);
    // Ignored while negatives are allowed. A value not above the minimum
    // becomes minimum + 1 when positive; otherwise both limits are removed.
    void setMaximum(int value);
    // Ignored while negatives or zero are allowed. Held below the maximum
    // (maximum - 1), at 0 without a maximum, and never negative.
    void setMinimum(int value);
    // A digit count: negative means none, more than 20 means 20.
    void setDigitLimit(int digits);

    // The character limit that leaves room for the group separators of
    // a number of n digits (0 for none), and the digits a character limit
    // leaves room for.
    static int charactersForDigits(int n);
    static int digitsForCharacters(int characters);

    // ---- what the limits mean ------------------------------------------------
    // The digit limit, 0 for none.
    int digitLimit() const;
    // The number of digits of the maximum, 0 without one.
    int maximumDigits() const;
    // Whether the maximum and the minimum are written with the same number of
    // digits; only then does typing follow their prefixes.
    bool sameWidth() const;
    // Whether numbers are shown in groups of three: not when the box is kept
    // to four digits or to a four-digit maximum, so that years stay plain.
    bool grouping() const;
    // The character limit for a text, one more while it starts with "-"; 0: none.
    int characterLimitFor(const QString &text) const;

    // Whether a text is a number inside the limits: written as the box writes
    // it (plain or in whole groups of three, no leading zeros, no "-0"),
    // negative only while allowed, 0 only while allowed, within the digit
    // limit, the minimum and the maximum. The empty text is inside the limits
    // when the minimum is 0.
    bool inLimits(const QString &text) const;
    // The number of a text inside the limits; 0 for any other text and for
    // a number beyond the range of qint64.
    qint64 value(const QString &text) const;

    // The one form of a number: no leading zeros, no sign on 0, grouped as
    // grouping() says. A text that holds no digit becomes "-" or empty.
    QString canonical(const QString &text) const;
    // A number the box writes on its own account, cut to the leading digits
    // the digit limit leaves room for; empty for a text without digits.
    QString fitted(const QString &text) const;
    // Whether the text of a number lies above the maximum or below the
    // minimum (false while there is none, and for a text without digits).
    bool aboveMaximum(const QString &text) const;
    bool belowMinimum(const QString &text) const;
    // Whether the number of a text has more digits than the digit limit.
    bool tooManyDigits(const QString &text) const;

    // Whether a character typed at the end of text may stand there: "-" only
    // into an empty text while negatives are allowed; a digit when the text
    // stays within the digit and character limits, 0 only as a whole number
    // while zero is allowed, and the number within the maximum, or, when the
    // maximum and the minimum have the same number of digits, between the
    // prefixes of the same length of the two. Every number inside the limits
    // can so be typed digit by digit.
    bool mayType(const QString &text, QChar c) const;
    // Whether a number just typed is complete: 0, or a text that fills the
    // character limit, or, without one, a number with as many digits as the
    // maximum.
    bool complete(const QString &text) const;

    // What a paste of pasted into a field holding fieldText puts there: the
    // number in its one form, or empty when the paste is refused (the field
    // is not empty, the text is no number, is grouped wrongly, or the number
    // lies outside the limits or is longer than the field's limit; without a
    // character limit a negative number is never taken).
    QString pasted(const QString &fieldText, const QString &pasted) const;
    // What the box shows for a value set by its host: moved to 0 when
    // negative and negatives are not allowed, held between the minimum and
    // the maximum and to the largest number of the digit limit; empty for
    // a 0 the box does not take.
    QString written(qint64 value) const;
};
