// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page lists every shortcut of the main window's menus with the
// menu item it chooses, so a changed shortcut cannot leave it behind, and
// every option the command line knows.
#include "commandline.h"
#include "frmAeg.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

class TestManPage : public QObject {
    Q_OBJECT

    QString m_page;

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(TUNDRIK_MANPAGE));
        QVERIFY2(file.open(QIODevice::ReadOnly), TUNDRIK_MANPAGE);
        m_page = QString::fromUtf8(file.readAll());
    }

    void everyMenuShortcut()
    {
        tundrik::FakeClock clock;
        clock.setNow(2004, 3, 3, 12, 0, 0);
        frmAeg window(clock);
        int shortcuts = 0;
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->shortcut().isEmpty())
                continue;
            ++shortcuts;
            const QString key = action->shortcut().toString(QKeySequence::PortableText);
            const QString item = action->text().remove(QLatin1Char('&')).trimmed();
            // ".B Ctrl+J" and, on the next line, the menu item's caption.
            const QString entry = QStringLiteral(".B %1\n%2\n").arg(key, item);
            QVERIFY2(m_page.contains(entry), qPrintable(QStringLiteral("missing: ") + entry));
        }
        QVERIFY(shortcuts >= 9);
    }

    void everyOption()
    {
        const QRegularExpression option(QStringLiteral("^  (-\\w), (--\\w+)"),
                                        QRegularExpression::MultilineOption);
        int options = 0;
        for (const QRegularExpressionMatch &m : option.globalMatch(commandline::helpText())) {
            ++options;
            QString shortName = m.captured(1);
            QString longName = m.captured(2);
            const QString entry = QStringLiteral(".BR %1 \", \" %2\n")
                                      .arg(shortName.replace(QLatin1Char('-'), QStringLiteral("\\-")),
                                           longName.replace(QLatin1Char('-'), QStringLiteral("\\-")));
            QVERIFY2(m_page.contains(entry), qPrintable(QStringLiteral("missing: ") + entry));
        }
        QCOMPARE(options, 2);
    }
};

QTEST_MAIN(TestManPage)
#include "tst_manpage.moc"
