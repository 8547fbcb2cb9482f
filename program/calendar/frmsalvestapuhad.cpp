// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmsalvestapuhad.h"

#include "forms.h"
#include "ui_frmsalvestapuhad.h"

#include <tundkast/tkarvukast.h>

#include <QLabel>
#include <QPushButton>

frmSalvestaPuhad::frmSalvestaPuhad(int year, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmSalvestaPühad>())
{
    m_ui->setupUi(this);
    setWindowIcon(forms::programIcon());
    forms::finish(this);
    // The access keys lead into the boxes' fields.
    for (const auto &[label, box] :
         {std::pair {m_ui->lblAlates, m_ui->takAlates}, std::pair {m_ui->lblKuni, m_ui->takKuni}})
        label->setBuddy(box->focusProxy() ? box->focusProxy() : box);

    connect(m_ui->cmdSalvesta, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdLoobu, &QPushButton::clicked, this, &QDialog::reject);
    for (TKArvuKast *box : {m_ui->takAlates, m_ui->takKuni}) {
        box->setArv(year);
        connect(box, &TKArvuKast::TKChange, this, [this] { m_ui->cmdSalvesta->setEnabled(valid()); });
        connect(box, &TKArvuKast::arvChanged, this, [this] { m_ui->cmdSalvesta->setEnabled(valid()); });
        connect(box, &TKArvuKast::TKEnterPress, this, [this] {
            if (valid())
                m_ui->cmdSalvesta->click();
        });
    }
    m_ui->takAlates->setFocus(Qt::OtherFocusReason);
}

frmSalvestaPuhad::~frmSalvestaPuhad() = default;

int frmSalvestaPuhad::first() const
{
    return int(m_ui->takAlates->arv());
}

int frmSalvestaPuhad::last() const
{
    return int(m_ui->takKuni->arv());
}

bool frmSalvestaPuhad::valid() const
{
    return m_ui->takAlates->TKArvPiirides() && m_ui->takKuni->TKArvPiirides() && first() <= last()
        && last() - first() < 100;
}
