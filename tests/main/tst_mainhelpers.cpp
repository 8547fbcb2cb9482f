// The small helpers the windows share: twips to pixels, the font
// substitutions and the help topics.
#include "main/fonts.h"
#include "main/helptopics.h"
#include "main/twips.h"

#include <QFontInfo>
#include <QTest>
#include <QWidget>

class TestMainHelpers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // Whole and half inches come out as the DPI and its half, whatever the DPI.
    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("inches");
        QTest::newRow("zero") << 0 << 0.0;
        QTest::newRow("one inch") << 1440 << 1.0;
        QTest::newRow("half an inch") << 720 << 0.5;
        QTest::newRow("client width") << 6855 << 6855 / 1440.0;
        QTest::newRow("minus an inch") << -1440 << -1.0;
    }

    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(double, inches);
        QWidget w;
        const double dpiX = w.screen()->logicalDotsPerInchX();
        const double dpiY = w.screen()->logicalDotsPerInchY();
        QCOMPARE(logicalDpiX(&w), dpiX);
        QCOMPARE(twipsToPixelsX(twips, &w), qRound(inches * dpiX));
        QCOMPARE(twipsToPixelsY(twips, &w), qRound(inches * dpiY));
        QCOMPARE(twipsToPixelsX(twips, nullptr), twipsToPixelsX(twips, &w));
        QCOMPARE(::twipsToPixels(QRect(twips, 2 * twips, 1440, 720), &w),
                 QRect(qRound(inches * dpiX), qRound(2 * inches * dpiY), qRound(dpiX),
                       qRound(dpiY / 2)));
    }

    void fifteenTwipsToThePixelAt96Dpi()
    {
        QWidget w;
        if (logicalDpiX(&w) != 96.0)
            QSKIP("the screen is not at 96 DPI");
        for (int px = -10; px <= 500; ++px)
            QCOMPARE(twipsToPixelsX(15 * px, &w), px);
        QCOMPARE(twipsToPixelsX(7, &w), 0);
        QCOMPARE(twipsToPixelsX(8, &w), 1);
    }

    void fontSubstitutions_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("shown");
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("MS Serif") << "MS Serif" << "Liberation Serif";
        QTest::newRow("Book Antiqua") << "Book Antiqua" << "Liberation Serif";
        QTest::newRow("Fixedsys") << "Fixedsys" << "DejaVu Sans Mono";
    }

    void fontSubstitutions()
    {
        QFETCH(QString, family);
        QFETCH(QString, shown);
        installFontSubstitutions(); // a second call changes nothing
        const QStringList substitutes = QFont::substitutes(family);
        QCOMPARE(substitutes.size(), 1);
        QCOMPARE(substitutes.first().compare(shown, Qt::CaseInsensitive), 0);
        QCOMPARE(QFontInfo(QFont(family, 12)).family(), shown);
        QCOMPARE(QFontInfo(QFont(family, 12, QFont::Bold)).bold(), true);
    }

    void helpTopics()
    {
        for (int context : {11, 12, 13, 14}) {
            const QString topic = helpTopic(context);
            const qsizetype sentences = topic.count(QStringLiteral(". ")) + 1;
            QVERIFY2(topic.size() > 100 && sentences >= 2 && sentences <= 5, qPrintable(topic));
        }
        QVERIFY(helpTopic(11).contains(QStringLiteral("biit")));
        QVERIFY(helpTopic(12).contains(QStringLiteral("1970")));
        QVERIFY(helpTopic(13).contains(QStringLiteral("4713")));
        QVERIFY(helpTopic(14).contains(QStringLiteral("päikesekell")));
        for (int context : {0, 10, 15, 20, -12})
            QVERIFY(helpTopic(context).isEmpty());
    }
};

QTEST_MAIN(TestMainHelpers)
#include "tst_mainhelpers.moc"
