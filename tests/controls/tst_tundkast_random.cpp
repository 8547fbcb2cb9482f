// SPDX-License-Identifier: GPL-3.0-or-later
// Random user sessions on each control: digits, letters, Backspace, Delete,
// Enter, Tab, "-", selections, caret moves, clicks, pastes, drops, focus
// changes, double-clicks, enabling and disabling, TKClear, every setter and
// the value property, with a host that sometimes clears the control from
// inside its handlers.
//
// After every action each flag must equal what this test computes on its
// own from the texts shown and the limits (with QDate and QCalendar, not the
// library's routines), the last TKChange must have carried exactly those
// flags, a TKChange must have come with every change of a flag and every
// edit of the text, and the value property's last change signal must carry
// its value. Whenever the integer box's limits have changed, numbers inside
// them (by this test's arithmetic) must each be typeable digit by digit into
// an empty box that went through the same setters. The seed is fixed and
// printed; TUNDRIK_SEED chooses another, TUNDKAST_ACTIONS changes a
// session's length.
#include "testseed.h"
#include "tkhelpers.h"

#include <QCalendar>
#include <QClipboard>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace tktest;

namespace {

int actionsFromEnvironment()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TUNDKAST_ACTIONS", &ok);
    return ok && n > 0 ? n : 30000;
}

bool digitsOnly(const QString &s)
{
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// What the last TKChange carried and how many have come.
struct Told {
    int count = 0;
    QList<bool> flags;
};

} // namespace

class tst_tundkast_random : public QObject {
    Q_OBJECT

    quint64 m_seed = 0;
    int m_actions = 0;
    QRandomGenerator m_rng;
    QStringList m_trail; // the last actions, for the failure message

    int pick(int n) { return int(m_rng.bounded(n)); }
    bool chance(int percent) { return pick(100) < percent; }

    void note(const QString &action)
    {
        m_trail << action;
        if (m_trail.size() > 25)
            m_trail.removeFirst();
    }

    QString failure(int step, const QString &what) const
    {
        return QStringLiteral("seed %1, action %2: %3\nlast actions: %4")
            .arg(m_seed)
            .arg(step)
            .arg(what, m_trail.join(QStringLiteral(" | ")));
    }

    QString randomClip()
    {
        switch (pick(7)) {
        case 0: return QString::number(m_rng.bounded(1000));
        case 1: return QString::number(m_rng.generate64());
        case 2: return QStringLiteral("-") + QString::number(m_rng.bounded(100000));
        case 3: return grouped(QStringLiteral("12 345"));
        case 4: return QStringLiteral("1 2345");
        case 5: return QStringLiteral("12a");
        default: return QString(pick(30), QChar(u'9'));
        }
    }

    // The actions every control shares; returns false when none was done.
    // edit is set for the actions that may change a text the user's way,
    // which TKChange must follow.
    bool commonAction(TKControl *box, QWidget *window, QLineEdit *other,
                      const QList<QLineEdit *> &fields, bool &enabled, bool &edit)
    {
        QWidget *f = focused();
        QLineEdit *target = fields.contains(qobject_cast<QLineEdit *>(f))
                                ? qobject_cast<QLineEdit *>(f)
                                : fields.at(pick(int(fields.size())));
        const int r = pick(100);
        edit = false;
        // Input events reach only an enabled widget (Qt drops the rest, with a warning).
        const auto keyClick = [](QWidget *w, auto key, Qt::KeyboardModifiers m = Qt::NoModifier) {
            if (w->isEnabled())
                QTest::keyClick(w, key, m);
        };
        if (r < 38) {
            const char c = char('0' + pick(10));
            note(QStringLiteral("digit %1 in %2").arg(c).arg(target->objectName()));
            keyClick(target, c);
            edit = true;
        } else if (r < 42) {
            const char c = "a- +.:x"[pick(7)];
            note(QStringLiteral("char '%1'").arg(c));
            keyClick(target, c);
            edit = true;
        } else if (r < 48) {
            note(QStringLiteral("backspace"));
            keyClick(target, Qt::Key_Backspace);
            edit = true;
        } else if (r < 50) {
            note(QStringLiteral("delete"));
            keyClick(target, Qt::Key_Delete);
            edit = true;
        } else if (r < 52) {
            note(QStringLiteral("enter"));
            keyClick(target, Qt::Key_Return);
        } else if (r < 55) {
            note(QStringLiteral("tab"));
            keyClick(target, Qt::Key_Tab);
        } else if (r < 56) {
            note(QStringLiteral("backtab"));
            keyClick(target, Qt::Key_Backtab);
        } else if (r < 61) {
            const int len = int(target->text().size());
            const int start = pick(len + 1);
            const int n = pick(len - start + 1);
            note(QStringLiteral("select %1,%2 in %3").arg(start).arg(n).arg(target->objectName()));
            target->setSelection(start, n);
        } else if (r < 64) {
            static const Qt::Key keys[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
            const Qt::Key k = keys[pick(4)];
            const bool shift = chance(50);
            note(QStringLiteral("move %1%2").arg(int(k)).arg(shift ? " shift" : ""));
            keyClick(target, k, shift ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (r < 66) {
            note(QStringLiteral("select all"));
            keyClick(target, Qt::Key_A, Qt::ControlModifier);
        } else if (r < 69) {
            const QString clip = randomClip();
            note(QStringLiteral("paste '%1'").arg(clip));
            QGuiApplication::clipboard()->setText(clip);
            keyClick(target, Qt::Key_V, Qt::ControlModifier);
            edit = true;
        } else if (r < 71) {
            const QString clip = randomClip();
            note(QStringLiteral("drop '%1'").arg(clip));
            dropText(target, clip);
            edit = true;
        } else if (r < 73) {
            note(QStringLiteral("cut"));
            keyClick(target, Qt::Key_X, Qt::ControlModifier);
            edit = true;
        } else if (r < 77) {
            note(QStringLiteral("focus other"));
            other->setFocus();
        } else if (r < 81) {
            QLineEdit *to = fields.at(pick(int(fields.size())));
            note(QStringLiteral("focus %1").arg(to->objectName()));
            to->setFocus();
        } else if (r < 84) {
            QLineEdit *to = fields.at(pick(int(fields.size())));
            note(QStringLiteral("click %1").arg(to->objectName()));
            const QPoint at(pick(to->width()), 5);
            if (to->isEnabled())
                QTest::mouseClick(to, Qt::LeftButton, Qt::NoModifier, at);
        } else if (r < 85) {
            note(QStringLiteral("focus box"));
            box->setFocus();
        } else if (r < 86) {
            note(QStringLiteral("TKFocusInValidation"));
            QMetaObject::invokeMethod(box, "TKFocusInValidation");
        } else if (r < 87) {
            note(QStringLiteral("TKClear"));
            QMetaObject::invokeMethod(box, "TKClear");
            edit = true;
        } else if (r < 88) {
            const bool locked = chance(30);
            note(QStringLiteral("locked %1").arg(locked));
            box->setTKLukus(locked);
        } else if (r < 89) {
            note(QStringLiteral("undo"));
            keyClick(target, Qt::Key_Z, Qt::ControlModifier);
        } else if (r < 90) {
            enabled = chance(70);
            note(QStringLiteral("TKLubatud %1").arg(enabled));
            box->setTKLubatud(enabled);
        } else if (r < 91) {
            const bool on = !window->isEnabled() || chance(20);
            note(QStringLiteral("window enabled %1").arg(on));
            window->setEnabled(on);
        } else if (r < 92) {
            note(QStringLiteral("enabled"));
            box->setTKLubatud(true);
            enabled = true;
            window->setEnabled(true);
        } else if (r < 93) {
            note(QStringLiteral("unlock"));
            box->setTKLukus(false);
        } else {
            return false;
        }
        return true;
    }

    // Runs a session of m_actions steps. An exception escaping a control
    // fails the test with the seed and the last actions instead of ending
    // the test program.
    template <typename Step>
    void session(Step &&step)
    {
        int i = 0;
        try {
            for (; i < m_actions && !QTest::currentTestFailed(); ++i)
                step(i);
        } catch (const std::exception &e) {
            QFAIL(qPrintable(failure(i, QStringLiteral("exception: ") + QString::fromUtf8(e.what()))));
        }
    }

    template <typename Box>
    void hostClearsSometimes(Box *box)
    {
        // A host that reacts to a change by clearing the box, nested.
        connect(box, &Box::TKFullChange, this, [this, box] {
            if (chance(5)) {
                note(QStringLiteral("host clears"));
                box->TKClear();
            }
        });
        connect(box, &Box::TKChange, this, [this, box] {
            if (chance(1)) {
                note(QStringLiteral("host clears on change"));
                box->TKClear();
            }
        });
    }

    // Checks what every control owes its host after an action: the flags
    // its getters give equal the expected ones, the last TKChange carried
    // them, one came with a change of a flag or an edit of the text, and the
    // own enabled flag is the one last set.
    bool checkTold(int step, const QString &state, const QList<bool> &actual, const QList<bool> &expected,
                   const QList<bool> &before, const Told &told, int countBefore, bool textEdited,
                   TKControl *box, bool enabled)
    {
        if (actual != expected) {
            qWarning().noquote() << failure(step, QStringLiteral("flags %1, expected %2: %3")
                                                      .arg(flagText(actual), flagText(expected), state));
            return false;
        }
        if (told.flags != expected) {
            qWarning().noquote() << failure(step, QStringLiteral("last TKChange %1, flags %2: %3")
                                                      .arg(flagText(told.flags), flagText(expected), state));
            return false;
        }
        if ((before != expected || textEdited) && told.count == countBefore) {
            qWarning().noquote() << failure(step, QStringLiteral("no TKChange: ") + state);
            return false;
        }
        if (box->TKLubatud() != enabled) {
            qWarning().noquote() << failure(step, QStringLiteral("TKLubatud %1").arg(box->TKLubatud()));
            return false;
        }
        return true;
    }

    static QString flagText(const QList<bool> &flags)
    {
        QStringList parts;
        for (bool b : flags)
            parts << QString::number(int(b));
        return QStringLiteral("(") + parts.join(u',') + QStringLiteral(")");
    }

private slots:
    void initTestCase()
    {
        pinLocale();
        m_seed = testseed::fromEnvironment(20040303);
        m_actions = actionsFromEnvironment();
        m_rng.seed(m_seed);
        qInfo("%d actions per control", m_actions);
    }

    void dateBox()
    {
        Host<TKKuupKast> h;
        Told told;
        connect(h.box, &TKKuupKast::TKChange, this, [&told](bool before, bool valid) {
            ++told.count;
            told.flags = {before, valid};
        });
        QDate toldDate;
        connect(h.box, &TKKuupKast::kuupaevChanged, this, [&toldDate](const QDate &date) { toldDate = date; });
        hostClearsSometimes(h.box);
        h.box->setTodayProvider([this] {
            return QDate(100 + pick(3900), 1 + pick(12), 1).addDays(pick(31));
        });
        const QList<QLineEdit *> fields{h.field("txtPäev"), h.field("txtKuu"), h.field("txtAasta")};
        const QCalendar julianCalendar(QCalendar::System::Julian);

        // The flags of the texts shown, computed here from the limits.
        const auto expectedFlags = [&]() -> QList<bool> {
            const QString d = fields[0]->text(), m = fields[1]->text(), y = fields[2]->text();
            if (d.isEmpty() || m.isEmpty() || y.isEmpty() || !digitsOnly(d + m + y))
                return {true, false};
            const int dv = d.toInt(), mv = m.toInt(), yv = y.toInt();
            const bool exists = h.box->TKJuliuseKalender() ? julianCalendar.isDateValid(yv, mv, dv)
                                                            : QDate::isValid(yv, mv, dv);
            const bool valid = exists && yv >= 100 && yv <= 9999 && yv >= h.box->TKAastaMiinimum()
                               && yv <= h.box->TKAastaMaksimum();
            const bool before = !valid || yv < 1582 || (yv == 1582 && (mv < 10 || (mv == 10 && dv < 15)));
            return {before, valid};
        };
        told.flags = expectedFlags();
        toldDate = h.box->kuupaev();
        bool enabled = true;
        int validSteps = 0;
        session([&](int step) {
            const QList<bool> before = expectedFlags();
            const int countBefore = told.count;
            const QString textBefore = fields[0]->text() + u'.' + fields[1]->text() + u'.' + fields[2]->text();
            bool edit = false;
            if (!commonAction(h.box, &h.window, h.other, fields, enabled, edit)) {
                const int r = pick(8);
                if (r == 0) {
                    note(QStringLiteral("double-click"));
                    if (QLineEdit *f = fields.at(pick(3)); f->isEnabled())
                        QTest::mouseDClick(f, Qt::LeftButton);
                    // (the click's focus move may zero-fill a field on its own)
                    edit = !h.box->TKLukus();
                } else if (r == 1) {
                    const int v = 1900 + pick(2200);
                    note(QStringLiteral("maximum %1").arg(v));
                    h.box->setTKAastaMaksimum(v);
                } else if (r == 2) {
                    const int v = pick(2100);
                    note(QStringLiteral("minimum %1").arg(v));
                    h.box->setTKAastaMiinimum(v);
                } else if (r == 3 && chance(10)) {
                    const int mx = pick(4000), mn = pick(2000);
                    note(QStringLiteral("load %1 %2").arg(mx).arg(mn));
                    h.box->loadPersisted({{QStringLiteral("maksimum"), mx}, {QStringLiteral("miinimum"), mn}});
                } else if (r == 3) {
                    const int v = chance(50) ? 100 + pick(300) : 2000 + pick(2000);
                    note(QStringLiteral("maksimum/miinimum %1").arg(v));
                    h.box->setProperty(v < 2000 ? "miinimum" : "maksimum", v);
                } else if (r == 4) {
                    note(QStringLiteral("gregorian"));
                    const QList<bool> flags = expectedFlags();
                    const QString d = fields[0]->text(), m = fields[1]->text(), y = fields[2]->text();
                    const double gr = h.box->TKKuupaevGr();
                    // 1 and 2 January 100 are read as the 3rd
                    const int dv = (y.toInt() == 100 && m.toInt() == 1 && d.toInt() < 3) ? 3 : d.toInt();
                    const double expected =
                        flags[1] ? double(QDate(y.toInt(), m.toInt(), dv, julianCalendar).toJulianDay() - 2415019)
                                 : 0.0;
                    if (gr != expected)
                        QFAIL(qPrintable(failure(step, QStringLiteral("TKKuupaevGr %1, expected %2: %3.%4.%5")
                                                           .arg(gr).arg(expected).arg(d, m, y))));
                } else if (r == 5) {
                    const bool julian = chance(50);
                    note(QStringLiteral("Julian %1").arg(julian));
                    h.box->setTKJuliuseKalender(julian);
                } else if (r == 6) {
                    const QDate date = chance(10) ? QDate() : QDate(50 + pick(4000), 1 + pick(12), 1 + pick(28));
                    note(QStringLiteral("kuupaev %1").arg(date.toString(Qt::ISODate)));
                    h.box->setProperty("kuupaev", date);
                } else {
                    // the Julian-only leap days, now and then
                    note(QStringLiteral("29.02.%1").arg(fields[2]->text()));
                    fields[0]->setText(QStringLiteral("29"));
                    fields[1]->setText(QStringLiteral("02"));
                    edit = true;
                }
            }
            const QString d = fields[0]->text(), m = fields[1]->text(), y = fields[2]->text();
            const QString state = QStringLiteral("%1.%2.%3 valid %4 before %5 min %6 max %7 julian %8")
                                      .arg(d, m, y)
                                      .arg(h.box->TKKuupaevOige())
                                      .arg(h.box->TKEnneGregoriust())
                                      .arg(h.box->TKAastaMiinimum())
                                      .arg(h.box->TKAastaMaksimum())
                                      .arg(h.box->TKJuliuseKalender());
            if (!digitsOnly(d) || !digitsOnly(m) || !digitsOnly(y) || d.size() > 2 || m.size() > 2
                || y.size() > 4)
                QFAIL(qPrintable(failure(step, QStringLiteral("field text: ") + state)));
            const QList<bool> expected = expectedFlags();
            const bool edited = edit && textBefore != d + u'.' + m + u'.' + y;
            if (!checkTold(step, state, {h.box->TKEnneGregoriust(), h.box->TKKuupaevOige()}, expected,
                           before, told, countBefore, edited, h.box, enabled))
                QFAIL("see the warning above");
            // The values of the text, in both readings.
            const bool valid = expected[1];
            const QDate written = valid ? QDate(y.toInt(), m.toInt(), d.toInt()) : QDate();
            const QDate date = !valid                         ? QDate()
                               : h.box->TKJuliuseKalender() ? QDate(y.toInt(), m.toInt(), d.toInt(), julianCalendar)
                                                              : written;
            const double gregorian = written.isValid() ? double(written.toJulianDay() - 2415019) : 0.0;
            if (h.box->TKKuupaev() != gregorian || h.box->kuupaev() != date || toldDate != date)
                QFAIL(qPrintable(failure(step, QStringLiteral("value %1 / %2, told %3: %4")
                                                   .arg(h.box->kuupaev().toString(Qt::ISODate),
                                                        date.toString(Qt::ISODate),
                                                        toldDate.toString(Qt::ISODate), state))));
            validSteps += valid;
        });
        qInfo("valid after %d of %d actions", validSteps, m_actions);
        QVERIFY(validSteps > 0);
    }

    void timeBox()
    {
        Host<TKKellaKast> h;
        Told told;
        connect(h.box, &TKKellaKast::TKChange, this, [&told](bool allSet) {
            ++told.count;
            told.flags = {allSet};
        });
        QTime toldTime;
        connect(h.box, &TKKellaKast::kellChanged, this, [&toldTime](const QTime &time) { toldTime = time; });
        hostClearsSometimes(h.box);
        const QList<QLineEdit *> fields{h.field("txtTund"), h.field("txtMinut"), h.field("txtSekund")};
        const auto expectedFlags = [&]() -> QList<bool> {
            return {!fields[0]->text().isEmpty() && !fields[1]->text().isEmpty() && !fields[2]->text().isEmpty()};
        };
        told.flags = expectedFlags();
        bool enabled = true;
        int setSteps = 0;
        session([&](int step) {
            const QList<bool> before = expectedFlags();
            const int countBefore = told.count;
            const QString textBefore = fields[0]->text() + u':' + fields[1]->text() + u':' + fields[2]->text();
            bool edit = false;
            if (!commonAction(h.box, &h.window, h.other, fields, enabled, edit)) {
                const QTime time = chance(10) ? QTime() : QTime(pick(24), pick(60), pick(60), pick(1000));
                note(QStringLiteral("kell %1").arg(time.toString()));
                h.box->setProperty("kell", time);
            }
            const QString hh = fields[0]->text(), mm = fields[1]->text(), ss = fields[2]->text();
            const QString state = hh + u':' + mm + u':' + ss;
            if (!digitsOnly(hh) || !digitsOnly(mm) || !digitsOnly(ss) || hh.size() > 2 || mm.size() > 2
                || ss.size() > 2 || hh.toInt() > 23 || mm.toInt() > 59 || ss.toInt() > 59)
                QFAIL(qPrintable(failure(step, QStringLiteral("field text: ") + state)));
            const QList<bool> expected = expectedFlags();
            const QVariant kell = h.box->TKKell();
            if (!checkTold(step, state, {kell.isValid()}, expected, before, told, countBefore,
                           edit && textBefore != state, h.box, enabled))
                QFAIL("see the warning above");
            const QTime time = expected[0] ? QTime(hh.toInt(), mm.toInt(), ss.toInt()) : QTime();
            if ((kell.isValid() && kell.toString() != time.toString(QStringLiteral("HH:mm:ss")))
                || h.box->kell() != time || toldTime != time)
                QFAIL(qPrintable(failure(step, QStringLiteral("TKKell: ") + state)));
            setSteps += expected[0];
        });
        qInfo("all set after %d of %d actions", setSteps, m_actions);
        QVERIFY(setSteps > 0);
    }

    void integerBox()
    {
        Host<TKArvuKast> h;
        Told told;
        connect(h.box, &TKArvuKast::TKChange, this, [&told](bool inLimits) {
            ++told.count;
            told.flags = {inLimits};
        });
        qint64 toldValue = 0;
        connect(h.box, &TKArvuKast::arvChanged, this, [&toldValue](qint64 value) { toldValue = value; });
        hostClearsSometimes(h.box);
        QLineEdit *field = h.field("txtArv");
        const QList<QLineEdit *> fields{field};
        const QString sep = grouped(QStringLiteral(" "));
        // A number as the box may show it: plain, or in whole groups of three.
        const QRegularExpression wellFormed(
            QStringLiteral("^-?(0|[1-9][0-9]*|[1-9][0-9]{0,2}(%1[0-9]{3})+)$").arg(sep));
        const auto randomValue = [this]() -> int {
            switch (pick(5)) {
            case 0: return 0;
            case 1: return pick(20);
            case 2: return pick(5000);
            case 3: return int(m_rng.bounded(2147483647u));
            default: return -pick(100);
            }
        };
        // Whether a text is a number inside the box's limits, computed here
        // from the limits.
        const auto insideByTest = [&](const QString &text) -> bool {
            const int mn = h.box->TKMinimaalneVaartus(), mx = h.box->TKMaksimaalneVaartus();
            if (text.isEmpty())
                return mn == 0;
            if (!wellFormed.match(text).hasMatch())
                return false;
            const bool negative = text.startsWith(u'-');
            QString digits = text;
            digits.remove(u'-').remove(sep);
            if (negative && (digits == QLatin1String("0") || !h.box->TKNegArvLubatud()))
                return false;
            if (digits == QLatin1String("0") && !h.box->TKNullLubatud())
                return false;
            const int limit = h.box->maxpikkus();
            const int digitLimit = limit > 4 ? limit - limit / 4 : limit;
            if (digits.size() > 20 || (digitLimit > 0 && digits.size() > digitLimit))
                return false;
            // Limits are 32-bit numbers: a double holds every value that can
            // meet them exactly, and larger ones stay larger.
            const double value = (negative ? -1.0 : 1.0) * digits.toDouble();
            if (mx > 0)
                return value >= mn && value <= mx;
            return mn <= 0 || value >= mn;
        };
        // The in-limits flag of the text shown.
        const auto expectedFlags = [&]() -> QList<bool> { return {insideByTest(field->text())}; };
        const auto expectedValue = [&]() -> qint64 {
            if (!expectedFlags()[0] || field->text().isEmpty())
                return 0;
            bool ok = false;
            const qint64 v = QString(field->text()).remove(sep).toLongLong(&ok);
            return ok ? v : 0;
        };
        // Numbers to try under the box's limits, written as typed: the bounds
        // and their neighbours, small and round numbers, the longest ones
        // the digit limit allows, and a few drawn at random.
        const auto candidates = [&]() -> QStringList {
            const qint64 mn = h.box->TKMinimaalneVaartus(), mx = h.box->TKMaksimaalneVaartus();
            const int limit = h.box->maxpikkus();
            const int digits = qMin(limit > 4 ? limit - limit / 4 : (limit > 0 ? limit : 20), 20);
            QStringList out;
            for (qint64 v : {mn, mn + 1, mx - 1, mx, (mn + mx) / 2, qint64(0), qint64(1), qint64(7), qint64(10),
                             qint64(99), qint64(100), qint64(940), qint64(2004), qint64(-1), qint64(-7),
                             qint64(-123)})
                out << QString::number(v);
            if (mx > 0 && mx >= mn) {
                for (int i = 0; i < 3; ++i)
                    out << QString::number(mn + qint64(m_rng.bounded(quint64(mx - mn + 1))));
            }
            out << QString(digits, u'9') << QStringLiteral("1") + QString(digits - 1, u'0')
                << QStringLiteral("-") + QString(digits, u'9');
            for (int i = 0; i < 3; ++i) {
                QString random = QString::number(1 + pick(9));
                for (int n = pick(digits); n > 0; --n)
                    random += QChar(u'0' + pick(10));
                out << random << QStringLiteral("-") + random;
            }
            return out;
        };
        // A second box, never shown, goes through the same setters of the
        // limits as the first. Whenever they have changed, every candidate
        // inside them is typed into it, key by key, after emptying it: each
        // must end as that number, inside the limits.
        TKArvuKast probe;
        QLineEdit *probeField = probe.findChild<QLineEdit *>(QStringLiteral("txtArv"));
        const auto bothBoxes = [&](const auto &setter) {
            setter(h.box);
            setter(&probe);
        };
        QVariantMap probedLimits = probe.savePersisted();
        int probedNumbers = 0;
        const auto everyNumberInsideCanBeTyped = [&](int step, const QString &state) -> bool {
            const QVariantMap limits = h.box->savePersisted();
            if (limits == probedLimits)
                return true;
            probedLimits = limits;
            if (probe.savePersisted() != limits) {
                qWarning().noquote() << failure(step, QStringLiteral("the same setters gave other limits: ") + state);
                return false;
            }
            for (const QString &number : candidates()) {
                if (!insideByTest(number))
                    continue;
                probe.TKClear();
                for (QChar c : number)
                    QTest::keyClick(probeField, c.toLatin1());
                if (QString(probeField->text()).remove(sep) != number || !probe.TKArvPiirides()) {
                    qWarning().noquote() << failure(step, QStringLiteral("%1 typed into an empty box gives '%2': %3")
                                                              .arg(number, probeField->text(), state));
                    return false;
                }
                ++probedNumbers;
            }
            return true;
        };
        told.flags = expectedFlags();
        bool enabled = true;
        int numberSteps = 0;
        session([&](int step) {
            const QList<bool> before = expectedFlags();
            const int countBefore = told.count;
            const QString textBefore = field->text();
            bool edit = false;
            if (!commonAction(h.box, &h.window, h.other, fields, enabled, edit)) {
                const int r = pick(7);
                if (r == 0) {
                    const bool v = chance(30);
                    note(QStringLiteral("negative %1").arg(v));
                    bothBoxes([v](TKArvuKast *b) { b->setTKNegArvLubatud(v); });
                } else if (r == 1) {
                    const bool v = chance(30);
                    note(QStringLiteral("zero %1").arg(v));
                    bothBoxes([v](TKArvuKast *b) { b->setTKNullLubatud(v); });
                } else if (r == 2) {
                    const int v = randomValue();
                    note(QStringLiteral("maximum %1").arg(v));
                    bothBoxes([v](TKArvuKast *b) { b->setTKMaksimaalneVaartus(v); });
                } else if (r == 3) {
                    const int v = randomValue();
                    note(QStringLiteral("minimum %1").arg(v));
                    bothBoxes([v](TKArvuKast *b) { b->setTKMinimaalneVaartus(v); });
                } else if (r == 4) {
                    const int v = pick(28) - 3;
                    note(QStringLiteral("digits %1").arg(v));
                    bothBoxes([v](TKArvuKast *b) { b->setTKMaksimaalnePikkus(v); });
                } else if (r == 5 && chance(20)) {
                    const QVariantMap store{{QStringLiteral("lubanegarv"), chance(30)},
                                            {QStringLiteral("LUBANULL"), chance(30)},
                                            {QStringLiteral("maksimaalnev"), randomValue()},
                                            {QStringLiteral("minimaalnev"), randomValue()},
                                            {QStringLiteral("maxpikkus"), pick(30) - 2}};
                    note(QStringLiteral("load"));
                    bothBoxes([&store](TKArvuKast *b) { b->loadPersisted(store); });
                } else if (r == 5) {
                    static const char *const names[] = {"lubanegarv", "lubanull", "maksimaalnev",
                                                        "minimaalnev", "maxpikkus"};
                    const int i = pick(5);
                    const QVariant v = i < 2 ? QVariant(chance(30)) : QVariant(i == 4 ? pick(30) - 2 : randomValue());
                    note(QStringLiteral("%1 %2").arg(QLatin1String(names[i]), v.toString()));
                    bothBoxes([&](TKArvuKast *b) { b->setProperty(names[i], v); });
                } else if (r == 6) {
                    const qint64 v = chance(20) ? qint64(m_rng.generate64())
                                                : qint64(pick(200000)) - (chance(30) ? 100000 : 0);
                    note(QStringLiteral("arv %1").arg(v));
                    h.box->setProperty("arv", v);
                }
            }
            const QString text = field->text();
            const QString state = QStringLiteral("'%1' in %2 min %3 max %4 limit %5 neg %6 zero %7")
                                      .arg(text)
                                      .arg(h.box->TKArvPiirides())
                                      .arg(h.box->TKMinimaalneVaartus())
                                      .arg(h.box->TKMaksimaalneVaartus())
                                      .arg(h.box->maxpikkus())
                                      .arg(h.box->TKNegArvLubatud())
                                      .arg(h.box->TKNullLubatud());
            // Never a malformed number, whatever the limits.
            if (!text.isEmpty() && text != QLatin1String("-") && !wellFormed.match(text).hasMatch())
                QFAIL(qPrintable(failure(step, QStringLiteral("text: ") + state)));
            if (QString(text).remove(u'-').remove(sep).size() > 20)
                QFAIL(qPrintable(failure(step, QStringLiteral("more than 20 digits: ") + state)));
            const QList<bool> expected = expectedFlags();
            if (!checkTold(step, state, {h.box->TKArvPiirides()}, expected, before, told, countBefore,
                           edit && textBefore != text, h.box, enabled))
                QFAIL("see the warning above");
            const QVariant arv = h.box->TKArv();
            if (arv.isValid() != (expected[0] && !text.isEmpty()) || (arv.isValid() && arv.toString() != text))
                QFAIL(qPrintable(failure(step, QStringLiteral("TKArv: ") + state)));
            if (h.box->arv() != expectedValue() || toldValue != expectedValue())
                QFAIL(qPrintable(failure(step, QStringLiteral("arv %1, told %2: ").arg(h.box->arv()).arg(toldValue)
                                                   + state)));
            if (!everyNumberInsideCanBeTyped(step, state))
                QFAIL("see the warning above");
            numberSteps += expected[0] && !text.isEmpty();
        });
        qInfo("a number in limits after %d of %d actions", numberSteps, m_actions);
        qInfo("%d numbers inside changing limits typed into an empty box", probedNumbers);
        QVERIFY(numberSteps > 0);
        QVERIFY(probedNumbers > 0);
    }
};

QTEST_MAIN(tst_tundkast_random)
#include "tst_tundkast_random.moc"
