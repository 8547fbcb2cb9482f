// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its lines for this machine and for given operating-system
// values, its labels and button, Esc, and its place over the main window.
#include "frmtkp.h"
#include "systeminfo.h"
#include <QFrame>

#include "forms.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using setup::SystemInfo;

namespace {

QString labelText(const QWidget &w, const char *name)
{
    const auto *l = w.findChild<QLabel *>(QString::fromUtf8(name));
    return l ? l->text() : QStringLiteral("<no %1>").arg(QString::fromUtf8(name));
}

SystemInfo info(int platform, int major, int minor, int build, const QRect &workArea)
{
    SystemInfo i;
    i.platform = platform;
    i.versionMajor = major;
    i.versionMinor = minor;
    i.build = build;
    i.workArea = workArea;
    return i;
}

} // namespace

class tst_frmtkp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void thisMachine();
    void givenSystem_data();
    void givenSystem();
    void kernelRelease_data();
    void kernelRelease();
    void programLines();
    void controls();
    void escCloses();
    void olguCloses();
    void placement();
};

void tst_frmtkp::initTestCase()
{
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
}

// The kernel release read apart from uname(), as /proc tells it.
void tst_frmtkp::thisMachine()
{
    QFile release(QStringLiteral("/proc/sys/kernel/osrelease"));
    if (!release.open(QIODevice::ReadOnly))
        QSKIP("no /proc/sys/kernel/osrelease");
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"))
                                          .match(QString::fromLatin1(release.readAll()));
    QVERIFY(m.hasMatch());

    frmTKp about(setup::currentSystemInfo(nullptr));
    QCOMPARE(labelText(about, "lblOSP"), QStringLiteral("OS Platvorm:    < tundmatu >"));
    QCOMPARE(labelText(about, "lblOSV"),
             QStringLiteral("OS Versioon:    %1.%2.%3")
                 .arg(m.captured(1).toInt())
                 .arg(m.captured(2).toInt(), 2, 10, QLatin1Char('0'))
                 .arg(m.captured(3).toInt(), 4, 10, QLatin1Char('0')));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(labelText(about, "lblEkraan"),
             QStringLiteral("%1 x %2").arg(area.right() + 1).arg(area.bottom() + 1));
}

void tst_frmtkp::givenSystem_data()
{
    QTest::addColumn<SystemInfo>("system");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("workArea");

    const QRect bottomBar(0, 0, 1024, 738);
    QTest::newRow("platform 1, version 4.10 build 2222, bar at the bottom")
        << info(1, 4, 10, 2222, bottomBar) << "OS Platvorm:    Windows 95"
        << "OS Versioon:    4.10.2222" << "1024 x 738";
    QTest::newRow("platform 2") << info(2, 5, 0, 2195, bottomBar) << "OS Platvorm:    Windows NT"
                                << "OS Versioon:    5.00.2195" << "1024 x 738";
    QTest::newRow("platform 0") << info(0, 6, 1, 55, bottomBar) << "OS Platvorm:    < tundmatu >"
                                << "OS Versioon:    6.01.0055" << "1024 x 738";
    QTest::newRow("platform 7: empty line") << info(7, 4, 10, 2222, bottomBar) << ""
                                            << "OS Versioon:    4.10.2222" << "1024 x 738";
    QTest::newRow("platform -1: empty line") << info(-1, 4, 10, 2222, bottomBar) << ""
                                             << "OS Versioon:    4.10.2222" << "1024 x 738";
    QTest::newRow("bar at the right") << info(1, 4, 10, 2222, QRect(0, 0, 994, 768))
                                      << "OS Platvorm:    Windows 95" << "OS Versioon:    4.10.2222"
                                      << "994 x 768";
    // A bar at the top or the left is not subtracted: the line counts to the far edge.
    QTest::newRow("bar at the top") << info(1, 4, 10, 2222, QRect(0, 30, 1024, 738))
                                    << "OS Platvorm:    Windows 95" << "OS Versioon:    4.10.2222"
                                    << "1024 x 768";
    QTest::newRow("five-digit build") << info(2, 10, 0, 19045, bottomBar)
                                      << "OS Platvorm:    Windows NT" << "OS Versioon:    10.00.19045"
                                      << "1024 x 738";
}

void tst_frmtkp::givenSystem()
{
    QFETCH(SystemInfo, system);
    QFETCH(QString, platform);
    QFETCH(QString, version);
    QFETCH(QString, workArea);

    frmTKp about(system);
    QCOMPARE(labelText(about, "lblOSP"), platform);
    QCOMPARE(labelText(about, "lblOSV"), version);
    QCOMPARE(labelText(about, "lblEkraan"), workArea);
}

void tst_frmtkp::kernelRelease_data()
{
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("build");

    QTest::newRow("6.1.55") << QByteArray("6.1.55") << 6 << 1 << 55;
    QTest::newRow("distribution suffix") << QByteArray("6.1.0-18-amd64") << 6 << 1 << 0;
    QTest::newRow("four parts") << QByteArray("5.15.133.1-microsoft-standard-WSL2") << 5 << 15 << 133;
    QTest::newRow("two parts") << QByteArray("4.19") << 4 << 19 << 0;
    QTest::newRow("two parts and a suffix") << QByteArray("6.8-rc3") << 6 << 8 << 0;
    QTest::newRow("empty") << QByteArray("") << 0 << 0 << 0;
    QTest::newRow("not a number") << QByteArray("linux") << 0 << 0 << 0;
    QTest::newRow("out of range parts kept in range") << QByteArray("6.123.70000") << 6 << 99 << 65535;
}

void tst_frmtkp::kernelRelease()
{
    QFETCH(QByteArray, release);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, build);
    const SystemInfo i = setup::versionFromRelease(release.constData());
    QCOMPARE(i.versionMajor, major);
    QCOMPARE(i.versionMinor, minor);
    QCOMPARE(i.build, build);
}

void tst_frmtkp::programLines()
{
    frmTKp about(info(0, 6, 1, 55, QRect(0, 0, 1024, 738)));
    QCOMPARE(about.windowTitle(), QStringLiteral("Programmist Tundrik"));
    QCOMPARE(labelText(about, "lblProgramm"), QStringLiteral("Tundrik"));
    // The version comes from the build's version data (3.3.2004).
    QCOMPARE(labelText(about, "lblVersioon"),
             frmTKp::versionLine(TUNDRIK_VERSION_MAJOR, TUNDRIK_VERSION_MINOR, TUNDRIK_VERSION_PATCH));
    QCOMPARE(frmTKp::versionLine(3, 3, 2004), QStringLiteral("Versioon:  3.03.2004"));
    QCOMPARE(labelText(about, "lblVersioon"), QStringLiteral("Versioon:  3.03.2004"));
    QCOMPARE(labelText(about, "lblKirjeldus"),
             QStringLiteral("Kõik, mis seondub ajaga ...\n\nProgrammiga saab vaadata hetke aega ning "
                            "teha sellega mitmesuguseid arvutusi. Alates sellest versioonist saab "
                            "ka kalendrit vaadata."));
    QVERIFY(about.findChild<QLabel *>(QStringLiteral("lblKirjeldus"))->wordWrap());
}

void tst_frmtkp::controls()
{
    frmTKp about(info(0, 6, 1, 55, QRect(0, 0, 1024, 738)));

    // The controls' places: tst_formlayout. The button's frame draws no border across the outer frame's
    // corner.
    QCOMPARE(about.findChild<QFrame *>(QStringLiteral("fraOlgu"))->frameShape(), QFrame::NoFrame);

    // The program's icon, drawn at the label's size.
    const auto *icon = about.findChild<QLabel *>(QStringLiteral("imgIkoon"));
    QVERIFY(!icon->pixmap().isNull());
    QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), icon->size());

    // The etched separator: two lines, the highlight one just below the shadow one.
    const QList<QWidget *> lines = about.findChildren<QWidget *>(QStringLiteral("lneJoon"));
    QCOMPARE(lines.size(), 2);
    const QWidget *shadow = lines.at(0)->property("index").toInt() == 0 ? lines.at(0) : lines.at(1);
    const QWidget *light = shadow == lines.at(0) ? lines.at(1) : lines.at(0);
    QCOMPARE(light->property("index").toInt(), 1);
    QVERIFY(light->y() > shadow->y());
    QVERIFY(light->palette().color(light->backgroundRole())
            != shadow->palette().color(shadow->backgroundRole()));

    const auto *olgu = about.findChild<QPushButton *>(QStringLiteral("cmdOlgu"));
    QCOMPARE(olgu->text(), QStringLiteral("&Olgu"));
    QCOMPARE(olgu->toolTip(), QStringLiteral(" Sule aken (Esc) "));
    QVERIFY(olgu->font().bold());
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblEkraan"))->font().family(), QStringLiteral("Arial"));
}

void tst_frmtkp::escCloses()
{
    frmTKp about(info(0, 6, 1, 55, QRect(0, 0, 1024, 738)));
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QSignalSpy finished(&about, &QDialog::finished);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(finished.size(), 1);
    QVERIFY(!about.isVisible());
}

void tst_frmtkp::olguCloses()
{
    frmTKp about(info(0, 6, 1, 55, QRect(0, 0, 1024, 738)));
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    auto *olgu = about.findChild<QPushButton *>(QStringLiteral("cmdOlgu"));
    QCOMPARE(QApplication::focusWidget(), olgu);
    QSignalSpy finished(&about, &QDialog::finished);
    QTest::mouseClick(olgu, Qt::LeftButton);
    QCOMPARE(finished.size(), 1);
    QVERIFY(!about.isVisible());
}

void tst_frmtkp::placement()
{
    frmTKp about(info(0, 6, 1, 55, QRect(0, 0, 1024, 738)));
    // Main window frame at (100, 50), 460 x 420, its client area 385 high.
    about.placeOver(QRect(100, 50, 460, 420), 385);
    QCOMPARE(about.pos(), QPoint(460 / 2 + 100 - about.width() / 2, (420 - 385) / 2 + 50));
}

QTEST_MAIN(tst_frmtkp)
#include "tst_frmtkp.moc"
