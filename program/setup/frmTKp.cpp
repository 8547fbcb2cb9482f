// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmTKp.h"

#include "forms.h"
#include "versiondata.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// The client area in twips: the information frame and the button frame that
// overlaps its lower right corner, with a margin.
constexpr int clientWidth = 6015;
constexpr int clientHeight = 3975;

} // namespace

using namespace setup;

frmTKp::frmTKp(const SystemInfo &info, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTKp"));
    setWindowTitle(QStringLiteral("Programmist Tundrik"));
    setFont(forms::sans(8.25));
    forms::setDialogTitleBar(this);
    forms::setClientSize(this, clientWidth, clientHeight);
    auto label = [](QWidget *parent, const QString &name, const QRect &twips, const QFont &font,
                    const QString &text) {
        QLabel *l = forms::label(parent, name, twips, text);
        l->setFont(font);
        return l;
    };

    QFrame *fraRaam = forms::frame(this, QStringLiteral("fraRaam"), QRect(360, 120, 5415, 3615));

    QLabel *imgIkoon = forms::label(fraRaam, QStringLiteral("imgIkoon"), QRect(240, 300, 480, 480));
    imgIkoon->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imgIkoon->setPixmap(forms::programIcon().pixmap(imgIkoon->size(), devicePixelRatioF()));

    QLabel *lblProgramm = label(fraRaam, QStringLiteral("lblProgramm"), QRect(840, 300, 3375, 495),
                                forms::sans(13.5), QStringLiteral("Tundrik"));
    forms::setTextColour(lblProgramm, forms::colour::darkBlue);

    label(fraRaam, QStringLiteral("lblVersioon"), QRect(840, 720, 4335, 375), forms::sans(9.75, true),
          versionLine(version::major, version::minor, version::revision));

    QLabel *lblKirjeldus =
        label(fraRaam, QStringLiteral("lblKirjeldus"), QRect(480, 1200, 4575, 1215), forms::sans(8.25),
              version::description() + QStringLiteral("\n\n") + version::comments());
    lblKirjeldus->setWordWrap(true);

    // The etched separator, a control array of two lines: the shadow line and,
    // one row of pixels lower, the highlight line.
    const QPalette::ColorRole lineColours[] = {QPalette::Dark, QPalette::Light};
    const QRect lines[] = {QRect(240, 2640, 5160 - 240, 0), QRect(240, 2655, 5175 - 240, 0)};
    const forms::Twips twips = forms::Twips::of(this);
    int previousTop = -1;
    for (int i = 0; i < 2; ++i) {
        const QRect r = twips.rect(lines[i]);
        const int top = std::max(r.y(), previousTop + 1);
        QFrame *line = forms::line(fraRaam, QStringLiteral("lneJoon"), QRect(r.x(), top, r.width() + 1, 1),
                                   lineColours[i]);
        line->setProperty("index", i);
        previousTop = top;
    }

    label(fraRaam, QStringLiteral("lblOSP"), QRect(840, 2850, 3135, 255), forms::sans(9.75),
          platformLine(info.platform));
    label(fraRaam, QStringLiteral("lblOSV"), QRect(840, 3150, 3135, 255), forms::sans(9.75),
          osVersionLine(info.versionMajor, info.versionMinor, info.build));
    label(fraRaam, QStringLiteral("lblEkraan"), QRect(3120, 3360, 930, 210),
          forms::font("Arial", 8.25, true), workAreaLine(info.workArea));

    QFrame *fraOlgu = forms::frame(this, QStringLiteral("fraOlgu"), QRect(4440, 3000, 1455, 855),
                                   forms::Border::None);
    m_cmdOlgu = forms::button(fraOlgu, QStringLiteral("cmdOlgu"), QRect(240, 240, 1095, 495),
                              QStringLiteral("&Olgu"), QStringLiteral(" Sule aken (Esc) "));
    m_cmdOlgu->setFont(forms::sans(9.75, true));
    connect(m_cmdOlgu, &QPushButton::clicked, this, &QDialog::accept);
    forms::makeCancelButton(this, m_cmdOlgu);
    m_cmdOlgu->setFocus();
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
