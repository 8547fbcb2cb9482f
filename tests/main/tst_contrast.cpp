// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window reads on the desktop's palette. Each window is
// opened with its answers and marks shown, and every enabled label and check
// box is measured: the contrast (WCAG 2) of its text colour against the
// colour of the background it is drawn on, both taken from the palettes the
// window ends up with. On a dark palette each must reach 4.5 : 1; on a light
// palette the colours given to the controls are drawn as given, and what
// stays below 4.5 : 1 there is printed.
//
// The palette comes from TUNDRIK_PALETTE: "fusion-dark" (the default) and
// "fusion-light" set Qt's Fusion style with a dark or light palette;
// "platform-dark" keeps what the platform theme gave (the GTK theme with a
// dark GTK theme under Xvfb) and fails unless that is dark.
#include "everywindow.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTextCharFormat>

#include <cmath>
#include <functional>

namespace {

// Relative luminance and contrast ratio as WCAG 2 defines them.
double luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

// What a widget's text is drawn on: the first of it and its parents that
// fills its background, the window at the latest.
QColor backgroundOf(const QWidget *w)
{
    while (!w->autoFillBackground() && !w->isWindow())
        w = w->parentWidget();
    return w->palette().color(QPalette::Active, w->backgroundRole());
}

QPalette fusionDark()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(240, 240, 240));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    p.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
    p.setColor(QPalette::Text, QColor(240, 240, 240));
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, QColor(35, 35, 35));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

bool paletteIsDark(const QPalette &p)
{
    return luminance(p.color(QPalette::Window)) < luminance(p.color(QPalette::WindowText));
}

struct Reading {
    QString where;
    double ratio;
};

// The text colour and background of every shown, enabled label and check
// box with text in the window.
QList<Reading> readings(QWidget *window)
{
    QList<Reading> out;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        QString text;
        if (auto *l = qobject_cast<QLabel *>(w))
            text = l->text();
        else if (auto *c = qobject_cast<QCheckBox *>(w))
            text = c->text();
        else
            continue;
        if (text.trimmed().isEmpty())
            continue;
        const QColor fg = w->palette().color(QPalette::Active, w->foregroundRole());
        out << Reading{QStringLiteral("%1/%2 \"%3\" %4 on %5")
                           .arg(window->objectName(), w->objectName(), text.simplified(), fg.name(),
                                backgroundOf(w).name()),
                       contrast(fg, backgroundOf(w))};
    }
    // The month grid's weekend days, drawn on the grid's base colour.
    for (QCalendarWidget *grid : window->findChildren<QCalendarWidget *>()) {
        const QColor base = grid->palette().color(QPalette::Active, QPalette::Base);
        for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
            const QColor fg = grid->weekdayTextFormat(day).foreground().color();
            out << Reading{QStringLiteral("%1 weekday %2 %3 on %4")
                               .arg(window->objectName())
                               .arg(int(day))
                               .arg(fg.name(), base.name()),
                           contrast(fg, base)};
        }
    }
    return out;
}

} // namespace

class tst_contrast : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextReads_data();
    void everyTextReads();
    void followsAChangeOfPalette();

private:
    // Opens the named window with its answer or marks shown, hands it to
    // check, and closes it.
    void withWindow(const QString &name, const std::function<void(QWidget *)> &check);

    QString m_mode;
    bool m_dark = true;
};

void tst_contrast::initTestCase()
{
    dialogtest::setUpApplication();
    m_mode = qEnvironmentVariable("TUNDRIK_PALETTE", QStringLiteral("fusion-dark"));
    if (m_mode == QLatin1String("fusion-dark") || m_mode == QLatin1String("fusion-light")) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(m_mode == QLatin1String("fusion-dark")
                                     ? fusionDark()
                                     : QApplication::style()->standardPalette());
    } else {
        QCOMPARE(m_mode, QStringLiteral("platform-dark"));
        QVERIFY2(paletteIsDark(QApplication::palette()),
                 qPrintable(QStringLiteral("the platform theme gave a light palette (window %1, text %2)")
                                .arg(QApplication::palette().color(QPalette::Window).name(),
                                     QApplication::palette().color(QPalette::WindowText).name())));
    }
    m_dark = paletteIsDark(QApplication::palette());
    qInfo("palette: %s, %s", qPrintable(m_mode), m_dark ? "dark" : "light");
}

void tst_contrast::withWindow(const QString &name, const std::function<void(QWidget *)> &check)
{
    QVERIFY2(everywindow::open(name, check), qPrintable(QStringLiteral("%1 did not open").arg(name)));
}

void tst_contrast::everyTextReads_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : everywindow::names())
        QTest::newRow(qPrintable(name)) << name;
}

// On a dark palette every text reaches 4.5 : 1; on a light one the colours
// given to the controls are drawn as they were given.
void tst_contrast::everyTextReads()
{
    QFETCH(QString, window);
    withWindow(window, [this](QWidget *w) {
        const QList<Reading> measured = readings(w);
        QVERIFY2(!measured.isEmpty(), qPrintable(QStringLiteral("too few texts measured in ") + w->objectName()));
        QStringList low;
        for (const Reading &r : measured)
            if (r.ratio < 4.5)
                low << QStringLiteral("%1: %2 : 1").arg(r.where).arg(r.ratio, 0, 'f', 2);
        if (m_dark) {
            QVERIFY2(low.isEmpty(), qPrintable(low.join(QLatin1Char('\n'))));
            return;
        }
        for (const QString &l : low)
            qInfo("below 4.5 : 1 on the light palette: %s", qPrintable(l));
        for (QWidget *c : w->findChildren<QWidget *>()) {
            const QColor given = forms::textColourOf(c);
            if (given.isValid())
                QCOMPARE(c->palette().color(QPalette::Active, QPalette::WindowText), given);
        }
    });
}

// A window opened on a light desktop that turns dark (or back) while it is
// open follows: its texts read on the new palette.
void tst_contrast::followsAChangeOfPalette()
{
    if (m_mode != QLatin1String("fusion-dark"))
        QSKIP("only when started on the dark Fusion palette, which the test can switch");
    const QPalette dark = QApplication::palette();
    QApplication::setPalette(QApplication::style()->standardPalette());
    for (const char *name : {"frmPühad", "frmKalender", "frmVahemik"}) {
        withWindow(QString::fromUtf8(name), [&](QWidget *w) {
            QApplication::setPalette(dark);
            // The desktop's change reaches the windows through the event loop.
            QCoreApplication::processEvents();
            QStringList low;
            for (const Reading &r : readings(w))
                if (r.ratio < 4.5)
                    low << r.where;
            QVERIFY2(low.isEmpty(), qPrintable(low.join(QLatin1Char('\n'))));
            QApplication::setPalette(QApplication::style()->standardPalette());
        });
    }
    QApplication::setPalette(dark);
}

QTEST_MAIN(tst_contrast)
#include "tst_contrast.moc"
