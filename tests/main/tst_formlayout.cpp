// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of the windows declared in Designer forms, checked once: every
// rectangle of the design in twips (left, top, width, height, inside the
// parent named), against the windows as the program builds them and against
// the same forms as Qt Designer's own loader (QUiLoader, with the control
// library's Designer plugin) builds them, both scaled by forms::finish() to
// the screen. CTest runs it at 96 DPI, where 15 twips are a pixel, and at 120.
#include "everywindow.h"
#include "fakeclock.h"

#include "forms.h"
#include "framewidgets.h"
#include "frmsalvestapuhad.h"
#include "monthgrid.h"

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkuupkast.h>

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTest>
#include <QUiLoader>

#include <map>
#include <memory>

namespace {

// The month grid and the calculators' check box are the program's own
// widgets, not ones of a Designer plugin.
class FormLoader : public QUiLoader {
public:
    QWidget *createWidget(const QString &className, QWidget *parent, const QString &name) override
    {
        if (className == QLatin1String("MonthGrid")) {
            auto *grid = new MonthGrid(parent);
            grid->setObjectName(name);
            return grid;
        }
        if (className == QLatin1String("FrameCheckBox")) {
            auto *box = new FrameCheckBox(parent);
            box->setObjectName(name);
            return box;
        }
        return QUiLoader::createWidget(className, parent, name);
    }
};

// The form of each window, under program/.
const std::map<QString, QString> formFiles = {
    {QStringLiteral("frmAeg"), QStringLiteral("main/frmaeg.ui")},
    {QStringLiteral("frmJuuliusePäev"), QStringLiteral("dialogs/frmjuuliusepaev.ui")},
    {QStringLiteral("frmKuupäev"), QStringLiteral("dialogs/frmkuupaev.ui")},
    {QStringLiteral("frmVahemik"), QStringLiteral("dialogs/frmvahemik.ui")},
    {QStringLiteral("frmLiidaLahuta"), QStringLiteral("dialogs/frmliidalahuta.ui")},
    {QStringLiteral("frmLiigaasta"), QStringLiteral("dialogs/frmliigaasta.ui")},
    {QStringLiteral("frmKalender"), QStringLiteral("calendar/frmkalender.ui")},
    {QStringLiteral("frmPühad"), QStringLiteral("calendar/frmpuhad.ui")},
    {QStringLiteral("frmSalvestaPühad"), QStringLiteral("calendar/frmsalvestapuhad.ui")},
    {QStringLiteral("frmSeaKell"), QStringLiteral("setup/frmseakell.ui")},
    {QStringLiteral("frmSeaKuup"), QStringLiteral("setup/frmseakuup.ui")},
    {QStringLiteral("frmTKp"), QStringLiteral("setup/frmtkp.ui")},
};

// The client area: a main window's central widget, a dialog itself.
QWidget *clientOf(QWidget *window)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    return main ? main->centralWidget() : window;
}

} // namespace

class tst_formlayout : public QObject {
    Q_OBJECT

    tundrik::FakeClock m_clock;
    TestHost m_host {m_clock};
    everywindow::NoClockSetter m_setter;
    // The windows as the program builds them, and as Designer's loader does.
    std::map<QString, std::unique_ptr<QWidget>> m_windows;
    std::map<QString, std::unique_ptr<QWidget>> m_designerForms;
    FormLoader m_loader;

    QWidget *control(QWidget *window, const QString &name)
    {
        return name.isEmpty() ? clientOf(window) : window->findChild<QWidget *>(name);
    }

    void compareLayout(QWidget *window)
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QVERIFY(window);
        QWidget *w = control(window, name);
        QVERIFY2(w, qPrintable(name));
        const forms::Twips t = forms::Twips::of(window);
        if (name.isEmpty()) {
            QCOMPARE(w->size(), t.size(twips.width(), twips.height()));
            QCOMPARE(w->minimumSize(), w->maximumSize());
            return;
        }
        QCOMPARE(w->parentWidget()->objectName(), parent);
        QCOMPARE(w->geometry(), t.rect(twips));
    }

private slots:
    void initTestCase()
    {
        dialogtest::setUpApplication();
        qInfo("logical DPI %g", forms::Twips::of(nullptr).dpiX);
        m_clock.setNow(2004, 6, 23, 14, 25, 7);
        m_windows[QStringLiteral("frmAeg")] = std::make_unique<frmAeg>(m_clock);
        m_windows[QStringLiteral("frmKalender")] = std::make_unique<frmKalender>(m_host);
        m_windows[QStringLiteral("frmJuuliusePäev")] = std::make_unique<frmJuuliusePaev>(
            &m_host, QStringLiteral("JP"));
        m_windows[QStringLiteral("frmKuupäev")] = std::make_unique<frmKuupaev>(&m_host);
        m_windows[QStringLiteral("frmVahemik")] = std::make_unique<frmVahemik>(&m_host);
        m_windows[QStringLiteral("frmLiidaLahuta")] = std::make_unique<frmLiidaLahuta>(&m_host);
        m_windows[QStringLiteral("frmLiigaasta")] = std::make_unique<frmLiigaasta>(&m_host);
        // A month without flag days: no name moves right of a flag.
        m_windows[QStringLiteral("frmPühad")] = std::make_unique<frmPuhad>(10, 2004, nullptr);
        m_windows[QStringLiteral("frmSalvestaPühad")] = std::make_unique<frmSalvestaPuhad>(2004, nullptr);
        m_windows[QStringLiteral("frmSeaKell")] = std::make_unique<frmSeaKell>(m_clock, m_setter);
        m_windows[QStringLiteral("frmSeaKuup")] = std::make_unique<frmSeaKuup>(m_clock, m_setter, [] {});
        m_windows[QStringLiteral("frmTKp")] = std::make_unique<frmTKp>(setup::SystemInfo {});

#ifdef TUNDKAST_DESIGNER_PLUGIN_DIR
        m_loader.clearPluginPaths();
        m_loader.addPluginPath(QStringLiteral(TUNDKAST_DESIGNER_PLUGIN_DIR));
#else
        return; // without the Designer plugin the forms are checked as the program builds them only
#endif
        m_loader.setLanguageChangeEnabled(false);
        for (const auto &[window, file] : formFiles) {
            QFile ui(QStringLiteral(TUNDRIK_PROGRAM_DIR "/") + file);
            QVERIFY2(ui.open(QIODevice::ReadOnly), qPrintable(ui.fileName()));
            std::unique_ptr<QWidget> form(m_loader.load(&ui));
            QVERIFY2(form, qPrintable(m_loader.errorString()));
            QCOMPARE(form->objectName(), window);
            forms::finish(form.get());
            m_designerForms[window] = std::move(form);
        }
    }

    void cleanupTestCase()
    {
        m_designerForms.clear();
        m_windows.clear();
    }

    // The design: the client area of each window (no control name) and each
    // control placed at a fixed rectangle. Labels that size themselves to
    // their text (the main window's date line and countdown row, the
    // interval's range, which grows to its text) and the lines (one pixel
    // thick, see lines()) have none.
    void layout_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char16_t *window, const char16_t *name, const char16_t *parent,
                            QRect twips) {
            const QString w = QString::fromUtf16(window);
            const QString n = QString::fromUtf16(name);
            QTest::newRow(qPrintable(w + QLatin1Char('/') + (n.isEmpty() ? QStringLiteral("client") : n)))
                << w << n << QString::fromUtf16(parent) << twips;
        };

        // The main window.
        row(u"frmAeg", u"", u"", QRect(0, 0, 6855, 5775));
        row(u"frmAeg", u"fraKalender", u"frmAegClient", QRect(360, 0, 6135, 2415));
        row(u"frmAeg", u"fraKuupäev", u"fraKalender", QRect(120, 120, 4095, 855));
        row(u"frmAeg", u"fraInternet", u"fraKalender", QRect(120, 960, 1455, 615));
        row(u"frmAeg", u"lblInternet", u"fraInternet", QRect(45, 105, 1365, 405));
        row(u"frmAeg", u"fraKell", u"fraKalender", QRect(1680, 960, 1335, 615));
        row(u"frmAeg", u"lblKell", u"fraKell", QRect(45, 105, 1245, 405));
        row(u"frmAeg", u"fraKvartal", u"fraKalender", QRect(3120, 960, 1095, 615));
        row(u"frmAeg", u"lblKvartal", u"fraKvartal", QRect(45, 105, 1005, 405));
        row(u"frmAeg", u"fraNädal", u"fraKalender", QRect(4320, 120, 1695, 1095));
        row(u"frmAeg", u"lblPäevaNr", u"fraNädal", QRect(45, 240, 1605, 330));
        row(u"frmAeg", u"lblNädal", u"fraNädal", QRect(45, 660, 1605, 330));
        row(u"frmAeg", u"fraKelladeVahe", u"fraKalender", QRect(4320, 1200, 1695, 1095));
        row(u"frmAeg", u"lblKelladeVaheT", u"fraKelladeVahe", QRect(45, 240, 1605, 330));
        row(u"frmAeg", u"lblKelladeVaheL", u"fraKelladeVahe", QRect(45, 660, 1605, 330));
        row(u"frmAeg", u"fraUnix", u"fraKalender", QRect(0, 1680, 4065, 735));
        row(u"frmAeg", u"lblUnixiAeg", u"fraUnix", QRect(240, 195, 1455, 345));
        row(u"frmAeg", u"lblUnix", u"fraUnix", QRect(1740, 195, 2220, 345));
        row(u"frmAeg", u"fraJuliusePäev", u"frmAegClient", QRect(360, 2520, 6135, 1095));
        row(u"frmAeg", u"lblAstronoomJuliusePäev", u"fraJuliusePäev", QRect(240, 240, 3660, 330));
        row(u"frmAeg", u"lblAstronJP", u"fraJuliusePäev", QRect(3960, 240, 2055, 330));
        row(u"frmAeg", u"lblTavalineJuliusePäev", u"fraJuliusePäev", QRect(240, 600, 3660, 330));
        row(u"frmAeg", u"lblTavalineJP", u"fraJuliusePäev", QRect(3960, 600, 2055, 330));
        row(u"frmAeg", u"fraLoetudPäevad", u"frmAegClient", QRect(360, 3720, 6135, 1095));
        row(u"frmAeg", u"fraAastaLõpuniJäänud", u"fraLoetudPäevad", QRect(120, 120, 5895, 855));
        row(u"frmAeg", u"lblAastaLõpuniJäänud", u"fraAastaLõpuniJäänud", QRect(240, 255, 2640, 345));
        row(u"frmAeg", u"lblAutor", u"frmAegClient", QRect(360, 5040, 1695, 480));
        row(u"frmAeg", u"cmdSulge", u"frmAegClient", QRect(4680, 5040, 1815, 495));

        // The month calendar.
        row(u"frmKalender", u"", u"", QRect(0, 0, 6975, 5745));
        row(u"frmKalender", u"fraRaam", u"frmKalender", QRect(360, 120, 6255, 5295));
        row(u"frmKalender", u"fraKalender", u"fraRaam", QRect(240, 240, 4695, 3855));
        row(u"frmKalender", u"lblKalender", u"fraKalender", QRect(720, 300, 3255, 315));
        const char16_t *const headers[] = {u"lblEsNP", u"lblTeNP", u"lblKoNP", u"lblNeNP",
                                           u"lblViNP", u"lblKuNP", u"lblSeNP"};
        for (int i = 0; i < 7; ++i)
            row(u"frmKalender", headers[i], u"fraKalender", QRect(690 + 525 * i, 750, 510, 255));
        row(u"frmKalender", u"clnKalender", u"fraKalender", QRect(600, 960, 3855, 2775));
        const char16_t *const weeks[] = {u"lblEsimN", u"lblTeineN", u"lblKolmN",
                                         u"lblNelN",  u"lblViiesN", u"lblKuuesN"};
        for (int i = 0; i < 6; ++i) {
            const bool wide = i == 0 || i >= 4;
            row(u"frmKalender", weeks[i], u"fraKalender",
                QRect(wide ? 150 : 240, 1200 + 420 * i, wide ? 460 : 300, 255));
        }
        row(u"frmKalender", u"cmdLõpeta", u"fraRaam", QRect(240, 4380, 615, 615));
        row(u"frmKalender", u"fraNupud", u"frmKalender", QRect(5520, 360, 855, 3855));
        row(u"frmKalender", u"cmdJärgmineAasta", u"fraNupud", QRect(120, 240, 615, 495));
        row(u"frmKalender", u"cmdJärgmineKuu", u"fraNupud", QRect(120, 840, 615, 495));
        row(u"frmKalender", u"cmdKuuAasta", u"fraNupud", QRect(120, 1740, 615, 495));
        row(u"frmKalender", u"cmdEelmineKuu", u"fraNupud", QRect(120, 2640, 615, 495));
        row(u"frmKalender", u"cmdEelmineAasta", u"fraNupud", QRect(120, 3240, 615, 495));
        row(u"frmKalender", u"Frame1", u"frmKalender", QRect(3120, 4320, 3255, 855));
        row(u"frmKalender", u"cmdPühad", u"Frame1", QRect(120, 240, 3015, 495));
        row(u"frmKalender", u"fraKell", u"frmKalender", QRect(1440, 4455, 1455, 615));
        row(u"frmKalender", u"lblKell", u"fraKell", QRect(120, 225, 1215, 270));
        row(u"frmKalender", u"cmdFookus", u"frmKalender", QRect(360, 5880, 1455, 375));

        // The holidays listing, with a strip for the save button below it.
        row(u"frmPühad", u"", u"", QRect(0, 0, 5775, 4305));
        row(u"frmPühad", u"fraPühad", u"frmPühad", QRect(360, 120, 5055, 3255));
        const char16_t *const rows[][3] = {
            {u"lblES", u"lblEsimene", u"imgEsimene"},   {u"lblTE", u"lblTeine", u"imgTeine"},
            {u"lblKO", u"lblKolmas", u"imgKolmas"},     {u"lblNE", u"lblNeljas", u"imgNeljas"},
            {u"lblVI", u"lblViies", u"imgViies"},       {u"lblKU", u"lblKuues", u"imgKuues"},
            {u"lblSE", u"lblSeitsmes", u"imgSeitsmes"}, {u"lblKA", u"lblKaheksas", u"imgKaheksas"}};
        for (int i = 0; i < 8; ++i) {
            const int top = 360 + 240 * i;
            row(u"frmPühad", rows[i][0], u"fraPühad", QRect(240, top, 615, 255));
            row(u"frmPühad", rows[i][1], u"fraPühad", QRect(1080, top, 3480, 240));
            row(u"frmPühad", rows[i][2], u"fraPühad", QRect(960, top + 30, 360, 240));
        }
        row(u"frmPühad", u"lblTeadustaja", u"fraPühad", QRect(240, 2760, 3540, 240));
        row(u"frmPühad", u"fraNupp", u"frmPühad", QRect(4200, 2640, 1335, 855));
        row(u"frmPühad", u"cmdOlgu", u"fraNupp", QRect(240, 240, 975, 495));
        row(u"frmPühad", u"cmdSalvesta", u"frmPühad", QRect(360, 3630, 2895, 495));
        row(u"frmPühad", u"imgLipp", u"frmPühad", QRect(240, 4440, 480, 480));

        // The years of the iCalendar saving.
        row(u"frmSalvestaPühad", u"", u"", QRect(0, 0, 4695, 1815));
        row(u"frmSalvestaPühad", u"lblAlates", u"frmSalvestaPühad", QRect(240, 300, 1815, 255));
        row(u"frmSalvestaPühad", u"lblKuni", u"frmSalvestaPühad", QRect(240, 780, 1815, 255));
        row(u"frmSalvestaPühad", u"takAlates", u"frmSalvestaPühad", QRect(2160, 240, 615, 330));
        row(u"frmSalvestaPühad", u"takKuni", u"frmSalvestaPühad", QRect(2160, 720, 615, 330));
        row(u"frmSalvestaPühad", u"lblVihje", u"frmSalvestaPühad", QRect(240, 1260, 2535, 255));
        row(u"frmSalvestaPühad", u"cmdSalvesta", u"frmSalvestaPühad", QRect(3120, 240, 1335, 435));
        row(u"frmSalvestaPühad", u"cmdLoobu", u"frmSalvestaPühad", QRect(3120, 780, 1335, 435));

        // Setting the time.
        row(u"frmSeaKell", u"", u"", QRect(0, 0, 3735, 2175));
        row(u"frmSeaKell", u"fraRaam", u"frmSeaKell", QRect(360, 120, 3015, 1935));
        row(u"frmSeaKell", u"fraKell", u"fraRaam", QRect(240, 300, 975, 615));
        row(u"frmSeaKell", u"lblKell", u"fraKell", QRect(30, 240, 915, 240));
        row(u"frmSeaKell", u"fraSea", u"fraRaam", QRect(1440, 240, 1335, 735));
        row(u"frmSeaKell", u"tklKell", u"fraSea", QRect(135, 240, 1050, 330));
        row(u"frmSeaKell", u"cmdLoobu", u"fraRaam", QRect(240, 1200, 1185, 495));
        row(u"frmSeaKell", u"cmdSea", u"fraRaam", QRect(1680, 1200, 1095, 495));

        // Setting the date.
        row(u"frmSeaKuup", u"", u"", QRect(0, 0, 4095, 2175));
        row(u"frmSeaKuup", u"fraRaam", u"frmSeaKuup", QRect(300, 120, 3495, 1935));
        row(u"frmSeaKuup", u"fraKuupäev", u"fraRaam", QRect(240, 300, 1215, 615));
        row(u"frmSeaKuup", u"lblKuupäev", u"fraKuupäev", QRect(30, 240, 1155, 240));
        row(u"frmSeaKuup", u"fraSeaKuup", u"fraRaam", QRect(1680, 240, 1575, 735));
        row(u"frmSeaKuup", u"tkpKuupäev", u"fraSeaKuup", QRect(150, 240, 1260, 330));
        row(u"frmSeaKuup", u"cmdLoobu", u"fraRaam", QRect(240, 1200, 1425, 495));
        row(u"frmSeaKuup", u"cmdSea", u"fraRaam", QRect(1920, 1200, 1335, 495));

        // The About window.
        row(u"frmTKp", u"", u"", QRect(0, 0, 6015, 3975));
        row(u"frmTKp", u"fraRaam", u"frmTKp", QRect(360, 120, 5415, 3615));
        row(u"frmTKp", u"imgIkoon", u"fraRaam", QRect(240, 300, 480, 480));
        row(u"frmTKp", u"lblProgramm", u"fraRaam", QRect(840, 300, 3375, 495));
        row(u"frmTKp", u"lblVersioon", u"fraRaam", QRect(840, 720, 4335, 375));
        row(u"frmTKp", u"lblKirjeldus", u"fraRaam", QRect(480, 1200, 4575, 1215));
        row(u"frmTKp", u"lblOSP", u"fraRaam", QRect(840, 2850, 3135, 255));
        row(u"frmTKp", u"lblOSV", u"fraRaam", QRect(840, 3150, 3135, 255));
        row(u"frmTKp", u"lblEkraan", u"fraRaam", QRect(3120, 3360, 930, 210));
        row(u"frmTKp", u"fraOlgu", u"frmTKp", QRect(4440, 3000, 1455, 855));
        row(u"frmTKp", u"cmdOlgu", u"fraOlgu", QRect(240, 240, 1095, 495));

        // The calculators: the Julian day number or weekday of a date,
        row(u"frmJuuliusePäev", u"", u"", QRect(0, 0, 5775, 3555));
        row(u"frmJuuliusePäev", u"fraRaam", u"frmJuuliusePäev", QRect(360, 120, 5055, 3075));
        row(u"frmJuuliusePäev", u"fraSisesta", u"fraRaam", QRect(240, 360, 4575, 1215));
        row(u"frmJuuliusePäev", u"fraVastus", u"fraRaam", QRect(240, 1680, 4575, 615));
        row(u"frmJuuliusePäev", u"lblVastus", u"fraVastus", QRect(240, 240, 4095, 240));
        row(u"frmJuuliusePäev", u"fraLõpeta", u"frmJuuliusePäev", QRect(240, 2460, 1815, 855));
        row(u"frmJuuliusePäev", u"fraArvuta", u"frmJuuliusePäev", QRect(3720, 2460, 1815, 855));
        row(u"frmJuuliusePäev", u"cmdArvuta", u"fraArvuta", QRect(240, 240, 1455, 495));
        row(u"frmJuuliusePäev", u"cmdLõpeta", u"fraLõpeta", QRect(120, 240, 1455, 495));
        row(u"frmJuuliusePäev", u"lblSisesta", u"fraSisesta", QRect(240, 390, 2055, 240));
        row(u"frmJuuliusePäev", u"tkpKuupäev", u"fraSisesta", QRect(2520, 360, 1260, 330));
        row(u"frmJuuliusePäev", u"lblKuupäev", u"fraSisesta", QRect(240, 690, 1935, 255));
        row(u"frmJuuliusePäev", u"fraJuliuseKal", u"frmJuuliusePäev", QRect(3120, 1200, 1935, 375));
        row(u"frmJuuliusePäev", u"chkJuliuseKal", u"fraJuliuseKal", QRect(0, 0, 1815, 300));
        row(u"frmJuuliusePäev", u"fraGregorius", u"frmJuuliusePäev", QRect(4680, 1965, 375, 375));
        row(u"frmJuuliusePäev", u"chkGregorius", u"fraGregorius", QRect(0, 0, 375, 375));

        // the date of a Julian day number,
        row(u"frmKuupäev", u"", u"", QRect(0, 0, 5535, 3495));
        row(u"frmKuupäev", u"fraRaam", u"frmKuupäev", QRect(360, 120, 4815, 3015));
        row(u"frmKuupäev", u"fraSisesta", u"fraRaam", QRect(300, 300, 4215, 1215));
        row(u"frmKuupäev", u"fraVastus", u"fraRaam", QRect(300, 1620, 4215, 615));
        row(u"frmKuupäev", u"lblVastus", u"fraVastus", QRect(240, 240, 3735, 240));
        row(u"frmKuupäev", u"fraLõpeta", u"frmKuupäev", QRect(240, 2400, 1815, 855));
        row(u"frmKuupäev", u"fraArvuta", u"frmKuupäev", QRect(3480, 2400, 1815, 855));
        row(u"frmKuupäev", u"cmdArvuta", u"fraArvuta", QRect(240, 240, 1455, 495));
        row(u"frmKuupäev", u"cmdLõpeta", u"fraLõpeta", QRect(120, 240, 1455, 495));
        row(u"frmKuupäev", u"lblSisesta", u"fraSisesta", QRect(240, 390, 1275, 240));
        row(u"frmKuupäev", u"takJuliusePäev", u"fraSisesta", QRect(2160, 360, 1035, 330));
        row(u"frmKuupäev", u"lblJuliusePäev", u"fraSisesta", QRect(240, 690, 1815, 255));
        row(u"frmKuupäev", u"fraJuliuseKal", u"frmKuupäev", QRect(2820, 1140, 1935, 375));
        row(u"frmKuupäev", u"chkJuliuseKal", u"fraJuliuseKal", QRect(0, 0, 1815, 255));
        row(u"frmKuupäev", u"fraGregorius", u"frmKuupäev", QRect(4380, 1905, 375, 375));
        row(u"frmKuupäev", u"chkGregorius", u"fraGregorius", QRect(0, 0, 375, 375));

        // the time between two dates,
        row(u"frmVahemik", u"", u"", QRect(0, 0, 6855, 4575));
        row(u"frmVahemik", u"fraRaam", u"frmVahemik", QRect(360, 120, 6135, 4095));
        row(u"frmVahemik", u"fraSisesta", u"fraRaam", QRect(240, 300, 5655, 2295));
        row(u"frmVahemik", u"fraVastus", u"fraRaam", QRect(240, 2700, 5655, 615));
        row(u"frmVahemik", u"lblVastus", u"fraVastus", QRect(240, 240, 5175, 240));
        row(u"frmVahemik", u"fraLõpeta", u"frmVahemik", QRect(240, 3480, 1815, 855));
        row(u"frmVahemik", u"fraArvuta", u"frmVahemik", QRect(4800, 3480, 1815, 855));
        row(u"frmVahemik", u"cmdArvuta", u"fraArvuta", QRect(240, 240, 1455, 495));
        row(u"frmVahemik", u"cmdLõpeta", u"fraLõpeta", QRect(120, 240, 1455, 495));
        row(u"frmVahemik", u"lblSisestaAlgus", u"fraSisesta", QRect(240, 360, 1620, 240));
        row(u"frmVahemik", u"tkpIKuupäev", u"fraSisesta", QRect(2235, 360, 1260, 330));
        row(u"frmVahemik", u"lblSisestaLõpp", u"fraSisesta", QRect(240, 960, 1350, 240));
        row(u"frmVahemik", u"tkpIIKuupäev", u"fraSisesta", QRect(2235, 840, 1260, 330));
        row(u"frmVahemik", u"fraValik", u"frmVahemik", QRect(1680, 1860, 3615, 615));
        row(u"frmVahemik", u"chkAasta", u"fraValik", QRect(240, 225, 975, 255));
        row(u"frmVahemik", u"chkKuu", u"fraValik", QRect(1440, 225, 855, 255));
        row(u"frmVahemik", u"chkPäev", u"fraValik", QRect(2520, 225, 975, 255));
        row(u"frmVahemik", u"fraIJuliuseKal", u"frmVahemik", QRect(4200, 750, 1935, 375));
        row(u"frmVahemik", u"chkIJuliuseKal", u"fraIJuliuseKal", QRect(0, 0, 1815, 255));
        row(u"frmVahemik", u"fraIIJuliuseKal", u"frmVahemik", QRect(4200, 1365, 1935, 375));
        row(u"frmVahemik", u"chkIIJuliuseKal", u"fraIIJuliuseKal", QRect(0, 0, 1815, 255));

        // a date shifted by years, months and days,
        row(u"frmLiidaLahuta", u"", u"", QRect(0, 0, 6015, 4755));
        row(u"frmLiidaLahuta", u"fraRaam", u"frmLiidaLahuta", QRect(360, 120, 5295, 4275));
        row(u"frmLiidaLahuta", u"fraSisesta", u"fraRaam", QRect(240, 240, 4815, 2535));
        row(u"frmLiidaLahuta", u"fraVastus", u"fraRaam", QRect(240, 2880, 4815, 615));
        row(u"frmLiidaLahuta", u"lblVastus", u"fraVastus", QRect(240, 240, 4335, 240));
        row(u"frmLiidaLahuta", u"fraLõpeta", u"frmLiidaLahuta", QRect(240, 3660, 1815, 855));
        row(u"frmLiidaLahuta", u"fraArvuta", u"frmLiidaLahuta", QRect(3960, 3660, 1815, 855));
        row(u"frmLiidaLahuta", u"cmdArvuta", u"fraArvuta", QRect(240, 240, 1455, 495));
        row(u"frmLiidaLahuta", u"cmdLõpeta", u"fraLõpeta", QRect(120, 240, 1455, 495));
        row(u"frmLiidaLahuta", u"lblSisesta", u"fraSisesta", QRect(240, 390, 2070, 240));
        row(u"frmLiidaLahuta", u"tkpKuupäev", u"fraSisesta", QRect(2640, 360, 1260, 330));
        row(u"frmLiidaLahuta", u"lblKuupäev", u"fraSisesta", QRect(240, 690, 1905, 195));
        row(u"frmLiidaLahuta", u"lblLiidaLahuta", u"fraSisesta", QRect(240, 1260, 2790, 240));
        row(u"frmLiidaLahuta", u"takAasta", u"fraSisesta", QRect(240, 1680, 495, 330));
        row(u"frmLiidaLahuta", u"takKuu", u"fraSisesta", QRect(1110, 1680, 615, 330));
        row(u"frmLiidaLahuta", u"takPäev", u"fraSisesta", QRect(2100, 1680, 735, 330));
        row(u"frmLiidaLahuta", u"lblAasta", u"fraSisesta", QRect(240, 2100, 495, 255));
        row(u"frmLiidaLahuta", u"lblKuu", u"fraSisesta", QRect(1110, 2100, 615, 255));
        row(u"frmLiidaLahuta", u"lblPäev", u"fraSisesta", QRect(2100, 2100, 735, 255));
        row(u"frmLiidaLahuta", u"fraValik", u"frmLiidaLahuta", QRect(3960, 1680, 1215, 975));
        row(u"frmLiidaLahuta", u"chkLiida", u"fraValik", QRect(120, 240, 975, 255));
        row(u"frmLiidaLahuta", u"chkLahuta", u"fraValik", QRect(120, 600, 975, 255));
        row(u"frmLiidaLahuta", u"fraJuliuseKal", u"frmLiidaLahuta", QRect(3240, 1080, 1935, 375));
        row(u"frmLiidaLahuta", u"chkJuliuseKal", u"fraJuliuseKal", QRect(0, 0, 1815, 255));

        // and the leap year.
        row(u"frmLiigaasta", u"", u"", QRect(0, 0, 4455, 3030));
        row(u"frmLiigaasta", u"fraRaam", u"frmLiigaasta", QRect(360, 120, 3735, 2595));
        row(u"frmLiigaasta", u"fraSisesta", u"fraRaam", QRect(300, 240, 3135, 855));
        row(u"frmLiigaasta", u"fraVastus", u"fraRaam", QRect(300, 1200, 3135, 615));
        row(u"frmLiigaasta", u"lblVastus", u"fraVastus", QRect(240, 240, 2655, 240));
        row(u"frmLiigaasta", u"fraLõpeta", u"frmLiigaasta", QRect(240, 1980, 1815, 855));
        row(u"frmLiigaasta", u"fraArvuta", u"frmLiigaasta", QRect(2400, 1980, 1815, 855));
        row(u"frmLiigaasta", u"cmdArvuta", u"fraArvuta", QRect(240, 240, 1455, 495));
        row(u"frmLiigaasta", u"cmdLõpeta", u"fraLõpeta", QRect(120, 240, 1455, 495));
        row(u"frmLiigaasta", u"lblAasta", u"fraSisesta", QRect(330, 345, 645, 240));
        row(u"frmLiigaasta", u"lblVahemik", u"fraSisesta", QRect(1005, 375, 975, 255));
        row(u"frmLiigaasta", u"takAasta", u"fraSisesta", QRect(2160, 300, 615, 330));
    }

    // The windows as the program shows them.
    void layout()
    {
        QFETCH(QString, window);
        compareLayout(m_windows[window].get());
    }

    // The forms as Designer shows them, once scaled as the program scales them.
    void designerLayout_data()
    {
        layout_data();
    }
    void designerLayout()
    {
        QFETCH(QString, window);
        if (m_designerForms.empty())
            QSKIP("the Designer plugin is not built");
        compareLayout(m_designerForms[window].get());
    }

    // Every line is one pixel thick; the highlight half of an etched line
    // lies in the next row of pixels below its shadow half.
    void lines_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("etched");
        const auto row = [](const char *tag, const char *window, const char *name, int count, bool etched) {
            QTest::newRow(tag) << QString::fromUtf8(window) << QString::fromUtf8(name) << count << etched;
        };
        row("calendar separators", "frmKalender", "lneEraldaja", 6, false);
        row("holidays footer line", "frmPühad", "lneEraldaja", 2, true);
        row("About separator", "frmTKp", "lneJoon", 2, true);
    }

    void lines()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(bool, etched);
        const QList<QWidget *> lines = m_windows[window]->findChildren<QWidget *>(name);
        QCOMPARE(lines.size(), count);
        for (int i = 0; i < count; ++i) {
            const QWidget *line = lines.at(i);
            QCOMPARE(line->property("index").toInt(), i);
            QVERIFY(line->width() == 1 || line->height() == 1);
            QCOMPARE(line->backgroundRole(), etched && i == 1 ? QPalette::Light : QPalette::Dark);
        }
        if (etched) {
            QCOMPARE(lines.at(1)->y(), lines.at(0)->y() + 1);
            QCOMPARE(lines.at(1)->x(), lines.at(0)->x());
        }
    }

    // Designer's loader builds the Tundkast boxes through the library's
    // plugin, with the limits the forms give them.
    void designerPluginBuildsTheBoxes()
    {
        if (m_designerForms.empty())
            QSKIP("the Designer plugin is not built");
        for (const char *name : {"TKArvuKast", "TKKellaKast", "TKKuupKast"})
            QVERIFY2(m_loader.availableWidgets().contains(QString::fromLatin1(name)), name);
        auto *date = m_designerForms[QStringLiteral("frmSeaKuup")]->findChild<TKKuupKast *>(
            QStringLiteral("tkpKuupäev"));
        QVERIFY(date);
        QCOMPARE(date->TKAastaMiinimum(), 100);
        QCOMPARE(date->TKAastaMaksimum(), 2299);
        auto *first = m_designerForms[QStringLiteral("frmSalvestaPühad")]->findChild<TKArvuKast *>(
            QStringLiteral("takAlates"));
        QVERIFY(first);
        QCOMPARE(first->TKMinimaalneVaartus(), 100);
        QCOMPARE(first->TKMaksimaalneVaartus(), 9999);
        QCOMPARE(first->TKMaksimaalnePikkus(), 4);
        QVERIFY(m_designerForms[QStringLiteral("frmSeaKell")]
                    ->findChild<QWidget *>(QStringLiteral("tklKell"))
                    ->inherits("TKKellaKast"));
    }
};

QTEST_MAIN(tst_formlayout)
#include "tst_formlayout.moc"
