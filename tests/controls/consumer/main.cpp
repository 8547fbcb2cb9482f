// SPDX-License-Identifier: GPL-3.0-or-later
// Creates the three controls by class name from the installed library and
// enters a date and a time, as a host program does; watches them through
// QSignalSpy, reads and writes their values through the user property, wires
// one box's value to another's setter, and gives a date box its own today.
#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>
#include <tundkast/tundkast.h>

#include <QApplication>
#include <QLineEdit>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

static int fail(const char *what)
{
    std::fprintf(stderr, "consumer: %s\n", what);
    return 1;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget form;
    for (const QString &name : Tundkast::controlClassNames()) {
        QWidget *w = Tundkast::createControl(name, &form);
        if (!w || name != QStringLiteral("Tundkast.") + QString::fromLatin1(w->metaObject()->className()))
            return fail("creation by class name");
    }
    if (Tundkast::createControl(QStringLiteral("Tundkast.Muu"), &form))
        return fail("unknown class name");

    auto *date = qobject_cast<TKKuupKast *>(Tundkast::createControl(QStringLiteral("Tundkast.TKKuupKast"), &form));
    if (!date)
        return fail("date box");
    QSignalSpy change(date, &TKKuupKast::TKChange);
    QSignalSpy fullChange(date, &TKKuupKast::TKFullChange);
    QSignalSpy dateChanged(date, &TKKuupKast::kuupaevChanged);
    date->findChild<QLineEdit *>(QStringLiteral("txtPäev"))->setText(QStringLiteral("15"));
    date->findChild<QLineEdit *>(QStringLiteral("txtKuu"))->setText(QStringLiteral("03"));
    date->findChild<QLineEdit *>(QStringLiteral("txtAasta"))->setText(QStringLiteral("2004"));
    if (!date->TKKuupaevOige() || date->TKKuupaev() != 38061.0 || fullChange.count() != 1)
        return fail("date entry");
    if (change.count() != 3 || change.last() != QVariantList{false, true})
        return fail("TKChange through QSignalSpy");
    const QMetaProperty user = date->metaObject()->userProperty();
    if (QByteArray(user.name()) != "kuupaev" || user.read(date).toDate() != QDate(2004, 3, 15)
        || dateChanged.count() != 1 || dateChanged.at(0).at(0).toDate() != QDate(2004, 3, 15))
        return fail("the date as a QDate");
    // Julian 29.02.1700 is Gregorian 11.03.1700.
    date->setTKJuliuseKalender(true);
    if (!user.write(date, QDate(1700, 3, 11))
        || date->findChild<QLineEdit *>(QStringLiteral("txtPäev"))->text() != QStringLiteral("29")
        || change.last() != QVariantList{false, true})
        return fail("the date written in the Julian reading");

    auto *time = qobject_cast<TKKellaKast *>(Tundkast::createControl(QStringLiteral("Tundkast.TKKellaKast"), &form));
    if (!time)
        return fail("time box");
    time->findChild<QLineEdit *>(QStringLiteral("txtTund"))->setText(QStringLiteral("9"));
    time->findChild<QLineEdit *>(QStringLiteral("txtMinut"))->setText(QStringLiteral("30"));
    time->findChild<QLineEdit *>(QStringLiteral("txtSekund"))->setText(QStringLiteral("15"));
    if (time->TKKell().toString() != QStringLiteral("09:30:15")
        || time->metaObject()->userProperty().read(time).toTime() != QTime(9, 30, 15))
        return fail("time entry");

    auto *number = qobject_cast<TKArvuKast *>(Tundkast::createControl(QStringLiteral("Tundkast.TKArvuKast"), &form));
    if (!number)
        return fail("integer box");
    QSignalSpy numberChange(number, &TKArvuKast::TKChange);
    if (!number->setProperty("arv", qint64(1234567)) || numberChange.count() != 1
        || numberChange.at(0) != QVariantList{true}
        || number->TKArv().toString() != QStringLiteral("1") + QChar(0x00A0) + QStringLiteral("234")
                                             + QChar(0x00A0) + QStringLiteral("567"))
        return fail("the number written as a qint64");

    // The typed setters are slots: a second box follows the first.
    auto *copy = new TKArvuKast(&form);
    QObject::connect(number, &TKArvuKast::arvChanged, copy, &TKArvuKast::setArv);
    number->setArv(42);
    if (copy->arv() != 42)
        return fail("a box's value wired to another's setter");

    // A double-click fills in the day from the box's own source.
    auto *today = new TKKuupKast(&form);
    today->setTodayProvider([] { return QDate(1999, 12, 31); });
    form.show();
    QTest::mouseDClick(today->findChild<QLineEdit *>(QStringLiteral("txtPäev")), Qt::LeftButton);
    if (today->kuupaev() != QDate(1999, 12, 31))
        return fail("today from the box's own source");

    std::printf("consumer: Tundkast %s works\n", qPrintable(Tundkast::version()));
    return 0;
}
