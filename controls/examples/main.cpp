// SPDX-License-Identifier: GPL-3.0-or-later
// A form of three Tundkast boxes: a date, a time and a number of days. The
// button is enabled while all three hold a value; Enter in a box presses it.
#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>

#include <QApplication>
#include <QDateTime>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tundkasti näide"));
    auto *form = new QFormLayout(&window);

    auto *date = new TKKuupKast;
    date->setAccessibleName(QStringLiteral("Alguse kuupäev")); // what a screen reader calls the box
    date->setTKAastaMiinimum(1900);
    auto *time = new TKKellaKast;
    time->setAccessibleName(QStringLiteral("Alguse kellaaeg"));
    auto *days = new TKArvuKast;
    days->setAccessibleName(QStringLiteral("Päevade arv"));
    days->setTKMaksimaalneVaartus(9999);
    days->setTKNullLubatud(true);
    auto *compute = new QPushButton(QStringLiteral("&Arvuta"));
    compute->setEnabled(false);
    auto *answer = new QLabel;

    form->addRow(QStringLiteral("&Kuupäev:"), date);
    form->addRow(QStringLiteral("K&ellaaeg:"), time);
    form->addRow(QStringLiteral("&Päevi juurde:"), days);
    form->addRow(compute);
    form->addRow(answer);

    // The flags come with every change; the values are read when needed.
    const auto update = [=] {
        compute->setEnabled(date->TKKuupaevOige() && time->kell().isValid() && days->TKArv().isValid());
    };
    QObject::connect(date, &TKKuupKast::TKChange, compute, [=](bool, bool) { update(); });
    QObject::connect(time, &TKKellaKast::TKChange, compute, [=](bool) { update(); });
    QObject::connect(days, &TKArvuKast::TKChange, compute, [=](bool) { update(); });
    // A complete date moves the focus on to the time.
    QObject::connect(date, &TKKuupKast::TKFullChange, time, &TKKellaKast::TKFocusInValidation);
    QObject::connect(date, &TKKuupKast::TKEnterPress, compute, &QPushButton::click);
    QObject::connect(time, &TKKellaKast::TKEnterPress, compute, &QPushButton::click);
    QObject::connect(days, &TKArvuKast::TKEnterPress, compute, &QPushButton::click);

    QObject::connect(compute, &QPushButton::clicked, answer, [=] {
        const QDateTime end = QDateTime(date->kuupaev(), time->kell()).addDays(days->arv());
        answer->setText(end.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
    });

    window.show();
    return app.exec();
}
