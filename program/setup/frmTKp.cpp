#include "frmTKp.h"

#include "formparts.h"
#include "versiondata.h"

#include "calendar/appicon.h"
#include "main/twips.h"

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
    setFont(form::sans(8.25));
    form::setClientSize(this, clientWidth, clientHeight);

    QFrame *fraRaam = form::frame(this, QStringLiteral("fraRaam"), 360, 120, 5415, 3615);

    auto *imgIkoon = new QLabel(fraRaam);
    imgIkoon->setObjectName(QStringLiteral("imgIkoon"));
    form::place(imgIkoon, 240, 300, 480, 480);
    imgIkoon->setPixmap(calendarui::programIcon().pixmap(imgIkoon->size(), devicePixelRatioF()));

    QLabel *lblProgramm = form::label(fraRaam, QStringLiteral("lblProgramm"), form::sans(13.5),
                                      840, 300, 3375, 495, QStringLiteral("Tundrik"));
    QPalette darkBlue = lblProgramm->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    lblProgramm->setPalette(darkBlue);

    form::label(fraRaam, QStringLiteral("lblVersioon"), form::sans(9.75, true), 840, 720, 4335, 375,
                versionLine(version::major, version::minor, version::revision));

    QLabel *lblKirjeldus = form::label(fraRaam, QStringLiteral("lblKirjeldus"), form::sans(8.25),
                                       480, 1200, 4575, 1215,
                                       version::description() + QStringLiteral("\n\n")
                                           + version::comments());
    lblKirjeldus->setWordWrap(true);

    // The etched separator, a control array of two lines: the shadow line and,
    // one row of pixels lower, the highlight line.
    const QColor lineColours[] = {palette().color(QPalette::Dark), palette().color(QPalette::Light)};
    const QRect lines[] = {QRect(240, 2640, 5160 - 240, 0), QRect(240, 2655, 5175 - 240, 0)};
    int previousTop = -1;
    for (int i = 0; i < 2; ++i) {
        auto *line = new QFrame(fraRaam);
        line->setObjectName(QStringLiteral("lneJoon"));
        line->setProperty("index", i);
        line->setAutoFillBackground(true);
        QPalette p = line->palette();
        p.setColor(QPalette::Window, lineColours[i]);
        line->setPalette(p);
        const QRect r = twipsToPixels(lines[i], this);
        const int top = std::max(r.y(), previousTop + 1);
        line->setGeometry(r.x(), top, r.width() + 1, 1);
        previousTop = top;
    }

    form::label(fraRaam, QStringLiteral("lblOSP"), form::sans(9.75), 840, 2850, 3135, 255,
                platformLine(info.platform));
    form::label(fraRaam, QStringLiteral("lblOSV"), form::sans(9.75), 840, 3150, 3135, 255,
                osVersionLine(info.versionMajor, info.versionMinor, info.build));
    form::label(fraRaam, QStringLiteral("lblEkraan"), form::font("Arial", 8.25, true), 3120, 3360,
                930, 210, workAreaLine(info.workArea));

    QFrame *fraOlgu = form::frame(this, QStringLiteral("fraOlgu"), 4440, 3000, 1455, 855);
    m_cmdOlgu = form::button(fraOlgu, QStringLiteral("cmdOlgu"), QStringLiteral("&Olgu"),
                             QStringLiteral(" Sule aken (Esc) "), form::sans(9.75, true), 240, 240,
                             1095, 495);
    connect(m_cmdOlgu, &QPushButton::clicked, this, &QDialog::accept);
    form::makeCancelButton(this, m_cmdOlgu);
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
