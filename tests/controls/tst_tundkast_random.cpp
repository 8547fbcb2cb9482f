// Random user sessions on each control: digits, letters, Backspace, Delete,
// Enter, Tab, "-", selections, caret moves, pastes, drops, focus changes,
// double-clicks, TKClear and property changes, with a host that sometimes
// clears the control from inside its handlers. After every action the
// control's flags must agree with its texts. The seed is fixed and printed;
// TUNDRIK_SEED chooses another, TUNDKAST_ACTIONS changes a session's length.
#include "testseed.h"
#include "tkhelpers.h"

#include <tundkast/modtundkast.h>
#include <tundkast/tundkast.h>

#include <QClipboard>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace tktest;

namespace {

int actionsFromEnvironment()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TUNDKAST_ACTIONS", &ok);
    return ok && n > 0 ? n : 100000;
}

bool digitsOnly(const QString &s)
{
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

class TestTundkastRandom : public QObject
{
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
    bool commonAction(TKControl *box, QLineEdit *other, const QList<QLineEdit *> &fields)
    {
        QWidget *f = focused();
        QLineEdit *target = fields.contains(qobject_cast<QLineEdit *>(f))
                                ? qobject_cast<QLineEdit *>(f)
                                : fields.at(pick(int(fields.size())));
        const int r = pick(100);
        if (r < 40) {
            const char c = char('0' + pick(10));
            note(QStringLiteral("digit %1 in %2").arg(c).arg(target->objectName()));
            QTest::keyClick(target, c);
        } else if (r < 45) {
            const char c = "a- +.:x"[pick(7)];
            note(QStringLiteral("char '%1'").arg(c));
            QTest::keyClick(target, c);
        } else if (r < 52) {
            note(QStringLiteral("backspace"));
            QTest::keyClick(target, Qt::Key_Backspace);
        } else if (r < 54) {
            note(QStringLiteral("delete"));
            QTest::keyClick(target, Qt::Key_Delete);
        } else if (r < 56) {
            note(QStringLiteral("enter"));
            QTest::keyClick(target, Qt::Key_Return);
        } else if (r < 59) {
            note(QStringLiteral("tab"));
            QTest::keyClick(target, Qt::Key_Tab);
        } else if (r < 60) {
            note(QStringLiteral("backtab"));
            QTest::keyClick(target, Qt::Key_Backtab);
        } else if (r < 66) {
            const int len = int(target->text().size());
            const int start = pick(len + 1);
            const int n = pick(len - start + 1);
            note(QStringLiteral("select %1,%2 in %3").arg(start).arg(n).arg(target->objectName()));
            target->setSelection(start, n);
        } else if (r < 70) {
            static const Qt::Key keys[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
            const Qt::Key k = keys[pick(4)];
            const bool shift = chance(50);
            note(QStringLiteral("move %1%2").arg(int(k)).arg(shift ? " shift" : ""));
            QTest::keyClick(target, k, shift ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (r < 72) {
            note(QStringLiteral("select all"));
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        } else if (r < 75) {
            const QString clip = randomClip();
            note(QStringLiteral("paste '%1'").arg(clip));
            QGuiApplication::clipboard()->setText(clip);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        } else if (r < 77) {
            const QString clip = randomClip();
            note(QStringLiteral("drop '%1'").arg(clip));
            dropText(target, clip);
        } else if (r < 79) {
            note(QStringLiteral("cut"));
            QTest::keyClick(target, Qt::Key_X, Qt::ControlModifier);
        } else if (r < 84) {
            note(QStringLiteral("focus other"));
            other->setFocus();
        } else if (r < 89) {
            QLineEdit *to = fields.at(pick(int(fields.size())));
            note(QStringLiteral("focus %1").arg(to->objectName()));
            to->setFocus();
        } else if (r < 90) {
            note(QStringLiteral("focus box"));
            box->setFocus();
        } else if (r < 91) {
            note(QStringLiteral("TKFocusInValidation"));
            QMetaObject::invokeMethod(box, "TKFocusInValidation");
        } else if (r < 92) {
            note(QStringLiteral("TKClear"));
            QMetaObject::invokeMethod(box, "TKClear");
        } else if (r < 93) {
            const bool locked = chance(30);
            note(QStringLiteral("locked %1").arg(locked));
            box->setTKLukus(locked);
        } else if (r < 94) {
            note(QStringLiteral("undo"));
            QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
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
        hostClearsSometimes(h.box);
        Tundkast::setTodayProvider([this] {
            return QDate(100 + pick(3900), 1 + pick(12), 1).addDays(pick(31));
        });
        const QList<QLineEdit *> fields{h.field("txtPäev"), h.field("txtKuu"), h.field("txtAasta")};
        int validSteps = 0;
        session([&](int step) {
            if (!commonAction(h.box, h.other, fields)) {
                const int r = pick(6);
                if (r == 0) {
                    note(QStringLiteral("double-click"));
                    QTest::mouseDClick(fields.at(pick(3)), Qt::LeftButton);
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
                } else if (r == 4) {
                    note(QStringLiteral("gregorian"));
                    const bool valid = h.box->TKKuupaevOige();
                    const double gr = h.box->TKKuupaevGr();
                    if (!valid && gr != 0.0)
                        QFAIL(qPrintable(failure(step, QStringLiteral("Gregorian date of an invalid date"))));
                } else {
                    note(QStringLiteral("unlock"));
                    h.box->setTKLukus(false);
                }
            }
            const QString d = fields[0]->text(), m = fields[1]->text(), y = fields[2]->text();
            const QString state = QStringLiteral("%1.%2.%3 valid %4 before %5 min %6 max %7")
                                      .arg(d, m, y)
                                      .arg(h.box->TKKuupaevOige())
                                      .arg(h.box->TKEnneGregoriust())
                                      .arg(h.box->TKAastaMiinimum())
                                      .arg(h.box->TKAastaMaksimum());
            if (!digitsOnly(d) || !digitsOnly(m) || !digitsOnly(y) || d.size() > 2 || m.size() > 2
                || y.size() > 4)
                QFAIL(qPrintable(failure(step, QStringLiteral("field text: ") + state)));
            if (h.box->TKKuupaevOige()) {
                ++validSteps;
                bool valid = false, before = true;
                modTundkast::CheckDateFields(d, m, y, h.box->TKAastaMiinimum(), valid, before);
                if (!valid || y.toInt() > h.box->TKAastaMaksimum() || before != h.box->TKEnneGregoriust()
                    || h.box->TKKuupaev() != modTundkast::DateValueOf(y.toInt(), m.toInt(), d.toInt()))
                    QFAIL(qPrintable(failure(step, QStringLiteral("valid flag: ") + state)));
            } else if (h.box->TKKuupaev() != 0.0 || h.box->TKKuupaevGr() != 0.0) {
                QFAIL(qPrintable(failure(step, QStringLiteral("invalid date: ") + state)));
            }
        });
        Tundkast::setTodayProvider({});
        qInfo("valid after %d of %d actions", validSteps, m_actions);
        QVERIFY(validSteps > 0);
    }

    void timeBox()
    {
        Host<TKKellaKast> h;
        hostClearsSometimes(h.box);
        const QList<QLineEdit *> fields{h.field("txtTund"), h.field("txtMinut"), h.field("txtSekund")};
        int setSteps = 0;
        session([&](int step) {
            if (!commonAction(h.box, h.other, fields)) {
                note(QStringLiteral("enabled toggle"));
                h.box->setTKLubatud(false);
                h.box->setTKLubatud(true);
            }
            const QString hh = fields[0]->text(), mm = fields[1]->text(), ss = fields[2]->text();
            const QString state = hh + u':' + mm + u':' + ss;
            if (!digitsOnly(hh) || !digitsOnly(mm) || !digitsOnly(ss) || hh.size() > 2 || mm.size() > 2
                || ss.size() > 2 || hh.toInt() > 23 || mm.toInt() > 59 || ss.toInt() > 59)
                QFAIL(qPrintable(failure(step, QStringLiteral("field text: ") + state)));
            const bool allSet = !hh.isEmpty() && !mm.isEmpty() && !ss.isEmpty();
            const QVariant kell = h.box->TKKell();
            setSteps += kell.isValid();
            if (kell.isValid() && !allSet)
                QFAIL(qPrintable(failure(step, QStringLiteral("all-set flag: ") + state)));
            if (kell.isValid()
                && kell.toString()
                       != QStringLiteral("%1:%2:%3")
                              .arg(hh.toInt(), 2, 10, QChar(u'0'))
                              .arg(mm.toInt(), 2, 10, QChar(u'0'))
                              .arg(ss.toInt(), 2, 10, QChar(u'0')))
                QFAIL(qPrintable(failure(step, QStringLiteral("TKKell: ") + state)));
        });
        qInfo("all set after %d of %d actions", setSteps, m_actions);
        QVERIFY(setSteps > 0);
    }

    void integerBox()
    {
        Host<TKArvuKast> h;
        hostClearsSometimes(h.box);
        QLineEdit *field = h.field("txtArv");
        const QList<QLineEdit *> fields{field};
        const QString sep = grouped(QStringLiteral(" "));
        const QRegularExpression shape(QStringLiteral("^-?[0-9%1]*$").arg(sep));
        const auto randomValue = [this]() -> int {
            switch (pick(5)) {
            case 0: return 0;
            case 1: return pick(20);
            case 2: return pick(5000);
            case 3: return int(m_rng.bounded(2147483647u));
            default: return -pick(100);
            }
        };
        int numberSteps = 0;
        session([&](int step) {
            if (!commonAction(h.box, h.other, fields)) {
                const int r = pick(7);
                if (r == 0) {
                    const bool v = chance(30);
                    note(QStringLiteral("negative %1").arg(v));
                    h.box->setTKNegArvLubatud(v);
                } else if (r == 1) {
                    const bool v = chance(30);
                    note(QStringLiteral("zero %1").arg(v));
                    h.box->setTKNullLubatud(v);
                } else if (r == 2) {
                    const int v = randomValue();
                    note(QStringLiteral("maximum %1").arg(v));
                    h.box->setTKMaksimaalneVaartus(v);
                } else if (r == 3) {
                    const int v = randomValue();
                    note(QStringLiteral("minimum %1").arg(v));
                    h.box->setTKMinimaalneVaartus(v);
                } else if (r == 4) {
                    const int v = pick(28) - 3;
                    note(QStringLiteral("digits %1").arg(v));
                    h.box->setTKMaksimaalnePikkus(v);
                } else if (r == 5 && chance(20)) {
                    const QVariantMap store{{QStringLiteral("lubanegarv"), chance(30)},
                                            {QStringLiteral("LUBANULL"), chance(30)},
                                            {QStringLiteral("maksimaalnev"), randomValue()},
                                            {QStringLiteral("minimaalnev"), randomValue()},
                                            {QStringLiteral("maxpikkus"), pick(30) - 2}};
                    note(QStringLiteral("load"));
                    h.box->loadPersisted(store);
                } else {
                    note(QStringLiteral("unlock"));
                    h.box->setTKLukus(false);
                }
            }
            const QString text = field->text();
            const int mx = h.box->TKMaksimaalneVaartus(), mn = h.box->TKMinimaalneVaartus();
            const QString state = QStringLiteral("'%1' in %2 min %3 max %4 limit %5")
                                      .arg(text)
                                      .arg(h.box->TKArvPiirides())
                                      .arg(mn)
                                      .arg(mx)
                                      .arg(h.box->maxpikkus());
            QString digits = text;
            digits.remove(u'-').remove(sep);
            if (!shape.match(text).hasMatch() || digits.size() > 20)
                QFAIL(qPrintable(failure(step, QStringLiteral("text: ") + state)));
            const QVariant arv = h.box->TKArv();
            if (arv.isValid() != (h.box->TKArvPiirides() && !text.isEmpty())
                || (arv.isValid() && arv.toString() != text))
                QFAIL(qPrintable(failure(step, QStringLiteral("TKArv: ") + state)));
            if (!h.box->TKArvPiirides())
                return;
            if (text.isEmpty()) {
                if (mn != 0)
                    QFAIL(qPrintable(failure(step, QStringLiteral("empty in limits: ") + state)));
                return;
            }
            ++numberSteps;
            if (text == QLatin1String("-") || digits.isEmpty())
                QFAIL(qPrintable(failure(step, QStringLiteral("sign in limits: ") + state)));
            // Correctly grouped (or plain), no leading zeros, value within the limits.
            const bool negative = text.startsWith(u'-');
            QString core = digits;
            const QString plain = (negative ? QStringLiteral("-") : QString()) + core;
            const QString groupedForm = (negative ? QStringLiteral("-") : QString())
                                        + regionalGroup(core, sep);
            if ((text != plain && text != groupedForm) || (core.size() > 1 && core.startsWith(u'0'))
                || (negative && core == QLatin1String("0")))
                QFAIL(qPrintable(failure(step, QStringLiteral("grouping: ") + state)));
            const double value = (negative ? -1.0 : 1.0) * core.toDouble();
            if ((mx > 0 && (value < mn || value > mx)) || (mn > 0 && value < mn))
                QFAIL(qPrintable(failure(step, QStringLiteral("value outside limits: ") + state)));
        });
        qInfo("a number in limits after %d of %d actions", numberSteps, m_actions);
        QVERIFY(numberSteps > 0);
    }

private:
    static QString regionalGroup(const QString &digits, const QString &sep)
    {
        QString out;
        for (qsizetype i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0)
                out += sep;
            out += digits.at(i);
        }
        return out;
    }
};

QTEST_MAIN(TestTundkastRandom)
#include "tst_tundkast_random.moc"
