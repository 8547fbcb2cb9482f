// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator of the date of a Julian day number: numbers typed into the
// number box, the Julian box and "G", and a sweep over the whole accepted
// range against Qt's own Gregorian and Julian calendars.
#include "dialogtest.h"
#include "frmkuupaev.h"

#include <QCalendar>
#include <QDate>

using namespace dialogtest;

class tst_frmkuupaev : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<frmKuupaev> m_dialog;

    QWidget *dlg() { return m_dialog.get(); }
    QWidget *numberBox() { return child(dlg(), QStringLiteral("takJuliusePäev")); }
    FrameCheckBox *julianBox() { return child<FrameCheckBox>(dlg(), QStringLiteral("chkJuliuseKal")); }
    QPushButton *arvuta() { return child<QPushButton>(dlg(), QStringLiteral("cmdArvuta")); }
    QPushButton *gregorius() { return child<QPushButton>(dlg(), QStringLiteral("chkGregorius")); }
    int pixels(int at96) { return qRound(at96 * dlg()->logicalDpiX() / 96.0); }

    static QString dateText(const QDate &d, const QCalendar &cal)
    {
        const QCalendar::YearMonthDay ymd = cal.partsFromDate(d);
        return QStringLiteral("%1.%2.%3. a.")
            .arg(ymd.day, 2, 10, QLatin1Char('0'))
            .arg(ymd.month, 2, 10, QLatin1Char('0'))
            .arg(ymd.year);
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_main = std::make_unique<MainWindow>();
    }

    void init()
    {
        m_dialog = std::make_unique<frmKuupaev>(m_main->window.get());
        QVERIFY(showDialog(dlg()));
    }

    void cleanup() { m_dialog.reset(); }

    void answers_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("afterJulianClick");
        QTest::newRow("first Gregorian day") << "2299161" << false << "15.10.1582. a." << "05.10.1582. a.";
        QTest::newRow("last Julian day") << "2299160" << true << "04.10.1582. a." << "04.10.1582. a.";
        QTest::newRow("01.01.2000") << "2451545" << false << "01.01.2000. a." << "19.12.1999. a.";
        QTest::newRow("lowest number") << "1757600" << true << "18.01.100. a." << "18.01.100. a.";
        QTest::newRow("highest number") << "2561100" << false << "14.12.2299. a." << "29.11.2299. a.";
        // The days of 29 February of the Julian calendar alone.
        QTest::newRow("Julian 29.02.1500") << "2268992" << true << "29.02.1500. a." << "29.02.1500. a.";
        QTest::newRow("Julian 29.02.1700") << "2342042" << false << "11.03.1700. a." << "29.02.1700. a.";
        QTest::newRow("Julian 29.02.1900") << "2415092" << false << "13.03.1900. a." << "29.02.1900. a.";
    }

    void julianLeapDayOf1500InTheGregorianCalendar()
    {
        Answerer answerer(m_dialog.get());
        answerer.answers.push_back(QMessageBox::Yes);
        type(QStringLiteral("2268992"));
        key(Qt::Key_Return);
        click(gregorius());
        QCOMPARE(answer(dlg()), QStringLiteral("10.03.1500. a."));
    }

    void answers()
    {
        QFETCH(QString, keys);
        QFETCH(bool, locked);
        QFETCH(QString, expected);
        QFETCH(QString, afterJulianClick);

        type(keys);
        QCOMPARE(focused(), arvuta());
        QCOMPARE(julianBox()->checkState(), locked ? Qt::PartiallyChecked : Qt::Unchecked);
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), expected);
        QCOMPARE(arvuta()->toolTip(), QStringLiteral(" Kustuta vastus ja Juliuse päev "));
        QCOMPARE(gregorius()->isVisibleTo(dlg()), locked);
        QCOMPARE(child<QLabel>(dlg(), QStringLiteral("lblVastus"))->width(),
                 pixels(locked ? 217 : 249));

        click(julianBox());
        QCOMPARE(answer(dlg()), afterJulianClick);
        QCOMPARE(focused(), arvuta());
    }

    void incompleteNumberKeepsArvutaDisabled_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("nothing") << "";
        QTest::newRow("six digits") << "229916";
        QTest::newRow("below the range") << "1757599";
        QTest::newRow("above the range") << "2561101";
    }

    void incompleteNumberKeepsArvutaDisabled()
    {
        QFETCH(QString, keys);
        type(keys);
        QVERIFY(!arvuta()->isEnabled());
        QCOMPARE(julianBox()->checkState(), Qt::PartiallyChecked);
        QCOMPARE(julianBox()->property("tag").toString(), QStringLiteral("KEELA"));
        key(Qt::Key_Return);
        QVERIFY(answer(dlg()).isEmpty());
    }

    void gregorianReading_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("reply");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Yes") << QMessageBox::Yes << "14.10.1582. a.";
        QTest::newRow("No") << QMessageBox::No << "04.10.1582. a.";
    }

    void gregorianReading()
    {
        QFETCH(QMessageBox::StandardButton, reply);
        QFETCH(QString, expected);
        Answerer answerer(m_dialog.get());
        answerer.answers.push_back(reply);
        type(QStringLiteral("2299160"));
        key(Qt::Key_Return);
        click(gregorius());
        QCOMPARE(answerer.asked,
                 QStringList{QStringLiteral("Sisestatud Juliuse päev jääb aega enne 15.10.1582, \n"
                                            "mil gregooriuse kalendrit ei olnud veel.\n\n"
                                            "Kas soovid ikka gregooriuse kalendri järgi arvutada?")});
        QCOMPARE(answer(dlg()), expected);
        QCOMPARE(gregorius()->isChecked(), reply == QMessageBox::Yes);
        QCOMPARE(focused(), arvuta());

        // Clearing hides and releases "G" and empties the box.
        click(arvuta());
        QVERIFY(!gregorius()->isVisibleTo(dlg()));
        QVERIFY(!gregorius()->isChecked());
        QVERIFY(numberBox()->property("TKArv").isNull());
        QVERIFY(!arvuta()->isEnabled());
        QVERIFY(hasFocusIn(numberBox()));
    }

    // Every 997th day number of the range, computed through the dialog in the
    // default reading and in the other one, against QDate and QCalendar.
    void sweepAgainstQtCalendars()
    {
        const QCalendar gregorian(QCalendar::System::Gregorian);
        const QCalendar julian(QCalendar::System::Julian);
        Answerer answerer(m_dialog.get());
        for (qint64 n = 1757600; n <= 2561100; n += 997) {
            answerer.answers.push_back(QMessageBox::Yes);
            type(QString::number(n));
            key(Qt::Key_Return);
            const QDate day = QDate::fromJulianDay(n);
            const bool before = n < 2299161;
            QCOMPARE(answer(dlg()), dateText(day, before ? julian : gregorian));
            if (before)
                click(gregorius());
            else
                click(julianBox());
            QCOMPARE(answer(dlg()), dateText(day, before ? gregorian : julian));
            click(arvuta());
        }
    }
};

QTEST_MAIN(tst_frmkuupaev)
#include "tst_frmkuupaev.moc"
