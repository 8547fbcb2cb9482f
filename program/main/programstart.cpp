// SPDX-License-Identifier: GPL-3.0-or-later
#include "programstart.h"

#include "accessibility.h"
#include "commandline.h"
#include "forms.h"
#include "frmaeg.h"
#include "qttranslations.h"

#include <tundkast/tundkast.h>

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process (its start time in
// /proc/self/stat counts clock ticks of the boot-time clock), so the loading
// of the libraries counts too; -1 if it cannot be read.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold spaces; fields count after it.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // Field 22 of the line (starttime) is the 20th after the name.
    if (fields.size() < 20)
        return -1;
    bool ok = false;
    const double startTicks = fields.at(19).toDouble(&ok);
    const long hz = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ok || hz <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    return (now.tv_sec + now.tv_nsec / 1e9 - startTicks / hz) * 1000.0;
}

// Prints "first-paint <ms>" once the window has painted for the first time.
class FirstPaintReporter : public QObject {
public:
    FirstPaintReporter(QWidget *window, const QElapsedTimer &sinceMain)
        : QObject(window), m_sinceMain(sinceMain)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // Once this paint is done and on the screen.
            QTimer::singleShot(0, this, [this] {
                double ms = msSinceProcessStart();
                if (ms < 0)
                    ms = double(m_sinceMain.nsecsElapsed()) / 1e6;
                std::printf("first-paint %.0f\n", ms);
                std::fflush(stdout);
            });
        }
        return false;
    }

private:
    QElapsedTimer m_sinceMain;
    bool m_seen = false;
};

// When a window that has the keyboard closes, the keyboard goes back to the
// window that opened it. Window managers do this themselves; without one
// (a kiosk session, a bare X server) the keys would otherwise go nowhere.
class KeyboardBackToOwner : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            const bool ownWindow = w->windowType() == Qt::Dialog || w->windowType() == Qt::Window;
            QWidget *owner = ownWindow && w->parentWidget() ? w->parentWidget()->window() : nullptr;
            // The keyboard has left the closing window, and no other has it yet.
            QWidget *active = QApplication::activeWindow();
            if (owner && owner->isVisible() && (!active || active == w))
                owner->activateWindow();
        }
        return false;
    }
};

} // namespace

int runTundrik(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();

    // --help, --version, the subcommands and mistakes are answered before
    // any window system is touched, so they work without a display.
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        QTextStream in(stdin);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> status = commandline::answer(arguments, in, out, err,
                                                                  tundrik::systemClock()))
            return *status;
    }

    QApplication app(argc, argv);
    // Before any window: Qt's own texts (message-box buttons and the like) in Estonian.
    if (!qttranslations::install(app))
        std::fprintf(stderr, "tundrik: Qt-i tekstide eestikeelset kataloogi ei saanud laadida\n");
    QGuiApplication::setDesktopFileName(QStringLiteral("tundrik"));
    QApplication::setWindowIcon(forms::programIcon());
    forms::installFontSubstitutions();
    accessibility::install();
    app.installEventFilter(new KeyboardBackToOwner(&app));
    // Settings live only while the program runs. What Qt keeps of its own
    // (the file dialog's last folder and history) goes to a folder that
    // is removed when the program ends, not into the user's configuration.
    const QTemporaryDir qtSettings;
    if (qtSettings.isValid())
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qtSettings.path());

    tundrik::Clock &clock = tundrik::systemClock();
    // The date boxes fill in "today" on a double-click from the program's clock.
    Tundkast::setTodayProvider([&clock] {
        const tundrik::ClockReading now = clock.now();
        return QDate(now.year, now.month, now.day);
    });

    frmAeg window(clock);
    // Closing the main window ends the program, also from inside another window's loop.
    QObject::connect(&window, &frmAeg::closed, &app, &QCoreApplication::quit);
    if (qEnvironmentVariableIsSet("TUNDRIK_REPORT_FIRST_PAINT"))
        new FirstPaintReporter(&window, sinceMain);
    window.show();
    const int code = app.exec();
    Tundkast::setTodayProvider({});
    return code;
}
