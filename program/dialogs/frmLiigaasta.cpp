#include "frmLiigaasta.h"

#include "datevalue.h"
#include "forms.h"
#include "framewidgets.h"

#include <tundkast/tkarvukast.h>

#include <QFrame>
#include <QLabel>

frmLiigaasta::frmLiigaasta(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, QStringLiteral("frmLiigaasta"), QSize(4455, 3030),
                       Placement::CentredLessOnePixel,
                       {QStringLiteral("&Kontrolli"), QStringLiteral("&Kustuta"), QString()}, parent)
{
    const CommonLayout layout{
        QRect(360, 120, 3735, 2595),  QRect(300, 240, 3135, 855),  QRect(300, 1200, 3135, 615),
        QRect(240, 240, 2655, 240),   QRect(240, 1980, 1815, 855), QRect(2400, 1980, 1815, 855)};
    buildCommon(layout);

    QLabel *lblAasta = addLabel(fraSisesta, QStringLiteral("lblAasta"), QRect(330, 345, 645, 240),
                                QStringLiteral("&Aasta"));
    addRangeLabel(fraSisesta, QStringLiteral("lblVahemik"), QRect(1005, 375, 975, 255),
                  QStringLiteral("(100 - 2299)"));
    takAasta = forms::widget<TKArvuKast>(fraSisesta, QStringLiteral("takAasta"),
                                     QRect(2160, 300, 615, 330));
    takAasta->setAccessibleName(QStringLiteral("Aasta"));
    takAasta->loadPersisted({{QStringLiteral("lubanegarv"), false},
                             {QStringLiteral("lubanull"), false},
                             {QStringLiteral("maksimaalnev"), 2299},
                             {QStringLiteral("minimaalnev"), 100},
                             {QStringLiteral("maxpikkus"), 0}});
    setBuddy(lblAasta, takAasta);

    buildButtons(layout);

    connect(takAasta, &TKArvuKast::TKChange, this,
            [this](bool arvPiirides) { cmdArvuta->setEnabled(arvPiirides); });
    connect(takAasta, &TKArvuKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(takAasta, &TKArvuKast::TKFullChange, this, [this] { focusTo(cmdArvuta); });
}

QWidget *frmLiigaasta::focusTarget() const
{
    if (cmdArvuta->isEnabled())
        return cmdArvuta;
    return takAasta;
}

void frmLiigaasta::showAnswer()
{
    const qint64 year = numberValue(takAasta->TKArv());
    lblVastus->setText(datevalue::IsValidDate(year, 2, 29) ? QStringLiteral("Jah, on liigaasta")
                                                           : QStringLiteral("Ei ole liigaasta"));
}

void frmLiigaasta::clearInputs()
{
    takAasta->TKClear();
}
