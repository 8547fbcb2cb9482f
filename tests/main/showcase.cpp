// Shows the main window with its clock standing at a given instant, for
// screenshots: showcase [yyyy-MM-dd HH:mm:ss [utcOffsetSeconds [dst]]].
// Without arguments it uses an instant where every readout has its longest text.
#include "main/fonts.h"
#include "main/frmAeg.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();

    // Wednesday 28.9.2033 23:59:48: a ten-digit Unix time, a seven-digit
    // Julian date, a three-digit day count and the longest date line.
    QDateTime at(QDate(2033, 9, 28), QTime(23, 59, 48));
    int offset = 7200;
    bool dst = false;
    const QStringList args = app.arguments();
    if (args.size() > 1)
        at = QDateTime::fromString(args.at(1), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (args.size() > 2)
        offset = args.at(2).toInt();
    if (args.size() > 3)
        dst = args.at(3) == QLatin1String("dst");

    tundrik::FakeClock clock;
    clock.setNow(at.date().year(), at.date().month(), at.date().day(), at.time().hour(),
                 at.time().minute(), at.time().second(), 0, offset, dst);
    frmAeg window(clock);
    // The clock stands still: every tick finds the same second, so only the
    // first refresh is shown.
    window.tick();
    window.show();
    return app.exec();
}
