// Creates the three controls by class name from the installed library and
// enters a date and a time, as a host program does.
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>
#include <tundkast/tundkast.h>

#include <QApplication>
#include <QLineEdit>

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
    bool fullChange = false;
    QObject::connect(date, &TKKuupKast::TKFullChange, [&] { fullChange = true; });
    date->findChild<QLineEdit *>(QStringLiteral("txtPäev"))->setText(QStringLiteral("15"));
    date->findChild<QLineEdit *>(QStringLiteral("txtKuu"))->setText(QStringLiteral("03"));
    date->findChild<QLineEdit *>(QStringLiteral("txtAasta"))->setText(QStringLiteral("2004"));
    if (!date->TKKuupaevOige() || date->TKKuupaev() != 38061.0 || !fullChange)
        return fail("date entry");

    auto *time = qobject_cast<TKKellaKast *>(Tundkast::createControl(QStringLiteral("Tundkast.TKKellaKast"), &form));
    if (!time)
        return fail("time box");
    time->findChild<QLineEdit *>(QStringLiteral("txtTund"))->setText(QStringLiteral("9"));
    time->findChild<QLineEdit *>(QStringLiteral("txtMinut"))->setText(QStringLiteral("30"));
    time->findChild<QLineEdit *>(QStringLiteral("txtSekund"))->setText(QStringLiteral("15"));
    if (time->TKKell().toString() != QStringLiteral("09:30:15"))
        return fail("time entry");

    std::printf("consumer: Tundkast %s works\n", qPrintable(Tundkast::version()));
    return 0;
}
