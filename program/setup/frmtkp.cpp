// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtkp.h"

#include "forms.h"
#include "ui_frmtkp.h"
#include "versiondata.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

using namespace setup;

frmTKp::frmTKp(const SystemInfo &info, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmTKp>())
{
    m_ui->setupUi(this);
    forms::setDialogTitleBar(this);
    forms::finish(this);

    m_ui->imgIkoon->setPixmap(forms::programIcon().pixmap(m_ui->imgIkoon->size(), devicePixelRatioF()));
    m_ui->lblVersioon->setText(versionLine(version::major, version::minor, version::revision));
    m_ui->lblKirjeldus->setText(version::description() + QStringLiteral("\n\n") + version::comments());
    m_ui->lblOSP->setText(platformLine(info.platform));
    m_ui->lblOSV->setText(osVersionLine(info.versionMajor, info.versionMinor, info.build));
    m_ui->lblEkraan->setText(workAreaLine(info.workArea));

    connect(m_ui->cmdOlgu, &QPushButton::clicked, this, &QDialog::accept);
    m_ui->cmdOlgu->setFocus();
}

frmTKp::~frmTKp() = default;

void frmTKp::placeOver(const QRect &mainFrame, int mainInnerHeight)
{
    move(mainFrame.width() / 2 + mainFrame.left() - width() / 2,
         (mainFrame.height() - mainInnerHeight) / 2 + mainFrame.top());
}

QString frmTKp::versionLine(int major, int minor, int revision)
{
    return QStringLiteral("Versioon:  %1.%2.%3")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(revision, 4, 10, QLatin1Char('0'));
}

QString frmTKp::platformLine(int platform)
{
    switch (platform) {
    case 0:
        return QStringLiteral("OS Platvorm:    < tundmatu >");
    case 1:
        return QStringLiteral("OS Platvorm:    Windows 95");
    case 2:
        return QStringLiteral("OS Platvorm:    Windows NT");
    default:
        return QString();
    }
}

QString frmTKp::osVersionLine(int major, int minor, int build)
{
    return QStringLiteral("OS Versioon:    %1.%2.%3")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(build, 4, 10, QLatin1Char('0'));
}

QString frmTKp::workAreaLine(const QRect &workArea)
{
    return QStringLiteral("%1 x %2")
        .arg(workArea.x() + workArea.width())
        .arg(workArea.y() + workArea.height());
}
