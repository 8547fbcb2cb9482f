// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a calculator's Julian check boxes: whether a box asks for the
// Julian reading of its date, the lock that grays a box for dates before the
// Gregorian reform, and the date box that reads its text in the calendar
// its Julian box asks for.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class FrameCheckBox;
class TKKuupKast;

class JulianBoxes : public QObject {
    Q_OBJECT
public:
    explicit JulianBoxes(QObject *parent = nullptr);

    // Grayed and locked ("KEELA"), as a box starts whose date lies before
    // the reform until one is typed.
    static void lockAtStart(FrameCheckBox *box);

    // True when the box asks for the Julian reading (checked or grayed).
    static bool julianReading(const FrameCheckBox *box);
    // A valid date of the box that exists only in the Julian calendar (29.02.1700).
    static bool validOnlyInJulianReading(TKKuupKast *date);

    // The date box reads its text in the calendar its Julian box asks for,
    // from now on and after every change of the box.
    void pair(FrameCheckBox *box, TKKuupKast *date);

    // The lock rule: grayed with "KEELA" before the reform, or unchecked
    // with "LUBA"; a date of its date box that exists only in the Julian
    // calendar keeps the box checked, with "LUBA". Nothing changes while
    // the reading of the box's date is changing because the user clicked
    // the box.
    void lock(FrameCheckBox *box, bool beforeReform);

    // While an answer stands, a box whose date exists only in the Julian
    // calendar keeps its check (it has no other reading to show); once the
    // answer is gone every paired box takes clicks again.
    void holdForAnswer(bool answerShown);

private:
    QHash<FrameCheckBox *, QPointer<TKKuupKast>> m_dates;
    bool m_userReading = false;
};
