// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page lists every shortcut of the main window's menus with the
// menu item it chooses, so a changed shortcut cannot leave it behind, every
// option the command line knows, and every subcommand in a section of its
// own with the options it takes.
#include "commandline.h"
#include "console.h"
#include "fakeclock.h"
#include "frmaeg.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

class tst_manpage : public QObject {
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

    void everySubcommand()
    {
        const auto escaped = [](QString option) {
            return option.replace(QLatin1Char('-'), QStringLiteral("\\-"));
        };
        // The options of every subcommand, told once for all.
        const qsizetype common = m_page.indexOf(QStringLiteral(".SH ALAMKÄSUD"));
        QVERIFY(common >= 0);
        const QString commonPart = m_page.mid(common, m_page.indexOf(QStringLiteral(".SS"), common) - common);
        QVERIFY(commonPart.contains(QStringLiteral(".B ") + escaped(QStringLiteral("--iso"))
                                    + QLatin1Char('\n')));
        QVERIFY(commonPart.contains(QStringLiteral(".BR \\-h \", \" ") + escaped(QStringLiteral("--help"))));

        const QRegularExpression heading(QStringLiteral("^\\.SS \"tundrik ([^ ]+) "),
                                         QRegularExpression::MultilineOption);
        const QList<console::SubcommandInfo> subcommands = console::subcommands();
        for (const console::SubcommandInfo &s : subcommands) {
            // The section whose heading names the subcommand ("liida|lahuta").
            QString section;
            for (const QRegularExpressionMatch &m : heading.globalMatch(m_page)) {
                if (!m.captured(1).split(QLatin1Char('|')).contains(s.name))
                    continue;
                const qsizetype next = m_page.indexOf(QStringLiteral("\n.S"), m.capturedEnd());
                section = m_page.mid(m.capturedStart(), next - m.capturedStart());
            }
            QVERIFY2(!section.isEmpty(), qPrintable(QStringLiteral("no section: ") + s.name));
            for (const QString &option : s.options) {
                if (option == QLatin1String("--iso") || option == QLatin1String("--help"))
                    continue;
                const QRegularExpression entry(QStringLiteral("^\\.BI? ")
                                                   + QRegularExpression::escape(escaped(option))
                                                   + QStringLiteral("( |$)"),
                                               QRegularExpression::MultilineOption);
                QVERIFY2(entry.match(section).hasMatch(), qPrintable(s.name + QLatin1Char(' ') + option));
            }
        }
        QCOMPARE(subcommands.size(), 9);
    }
};

QTEST_MAIN(tst_manpage)
#include "tst_manpage.moc"
