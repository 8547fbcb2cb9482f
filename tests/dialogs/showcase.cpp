// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: one calculator over the main window with an answer shown, for
// screenshots under Xvfb. Usage: dialogs_showcase <objectName> [seconds]
#include "dialogtest.h"
#include "frmjuuliusepaev.h"
#include "frmkuupaev.h"
#include "frmliidalahuta.h"
#include "frmliigaasta.h"
#include "frmvahemik.h"

#include <QTimer>

#include <cstdio>

using namespace dialogtest;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const QString which = argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("frmJuuliusePäev");
    const int seconds = argc > 2 ? QString::fromUtf8(argv[2]).toInt() : 4;

    MainWindow main;
    std::unique_ptr<CalculatorDialog> dialog;
    QString keys;
    if (which == QStringLiteral("frmJuuliusePäev")) {
        dialog = std::make_unique<frmJuuliusePaev>(main.window.get(), QStringLiteral("JP"));
        dialog->setWindowTitle(QStringLiteral("Leia Juliuse päev"));
        keys = QStringLiteral("04101582");
    } else if (which == QStringLiteral("frmKuupäev")) {
        dialog = std::make_unique<frmKuupaev>(main.window.get());
        dialog->setWindowTitle(QStringLiteral("Leia kuupäev"));
        keys = QStringLiteral("2299160");
    } else if (which == QStringLiteral("frmVahemik")) {
        dialog = std::make_unique<frmVahemik>(main.window.get());
        dialog->setWindowTitle(QStringLiteral("Leia päevade arv"));
        keys = QStringLiteral("1005200309082005");
    } else if (which == QStringLiteral("frmLiidaLahuta")) {
        dialog = std::make_unique<frmLiidaLahuta>(main.window.get());
        keys = QStringLiteral("01031700\t\t1");
    } else {
        dialog = std::make_unique<frmLiigaasta>(main.window.get());
        dialog->setWindowTitle(QStringLiteral("Kas liigaasta, või mitte"));
        keys = QStringLiteral("2000");
    }
    showDialog(dialog.get());
    if (which == QStringLiteral("frmLiidaLahuta"))
        click(child(dialog.get(), QStringLiteral("chkLiida")));
    for (QChar c : keys) {
        if (c == QLatin1Char('\t'))
            key(Qt::Key_Tab);
        else
            type(QString(c));
    }
    if (which == QStringLiteral("frmVahemik")) {
        click(child(dialog.get(), QStringLiteral("chkAasta")));
        click(child(dialog.get(), QStringLiteral("chkKuu")));
    }
    child<QPushButton>(dialog.get(), QStringLiteral("cmdArvuta"))->click();
    const QRect g = dialog->frameGeometry();
    printf("%d %d %d %d\n", g.x(), g.y(), g.width(), g.height());
    fflush(stdout);
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
