// SPDX-License-Identifier: GPL-3.0-or-later
// The ways through the calculators that a keyboard or screen-reader user
// takes: typing goes on after a click on a check box, every check box has an
// access key, an accessible action does what a click does, Ctrl+C copies the
// answer, and the right button opens the program's own help pop-up.
#include "accessibility.h"
#include "dialogtest.h"
#include "frmjuuliusepaev.h"
#include "frmliidalahuta.h"
#include "frmvahemik.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QTimer>

using namespace dialogtest;

namespace {

QString valueText(QWidget *box)
{
    return box->property("kuupaev").toDate().toString(QStringLiteral("dd.MM.yyyy"));
}

void pressAction(QWidget *w, const QString &action)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    QVERIFY(iface);
    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY2(actions->actionNames().contains(action), qPrintable(actions->actionNames().join(u',')));
    actions->doAction(action);
}

void altKey(QWidget *dialog, Qt::Key key)
{
    QTest::keyClick(dialog->windowHandle(), key, Qt::AltModifier);
}

} // namespace

class tst_keyboardpaths : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;

    static FrameCheckBox *box(QWidget *dialog, const char *name)
    {
        return child<FrameCheckBox>(dialog, QString::fromUtf8(name));
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        accessibility::install();
        m_main = std::make_unique<MainWindow>();
    }

    // The caret waits in the empty year field; a press on the grey Julian box
    // leaves it there, so the year typed next is not lost.
    void typingGoesOnAfterALockedJulianBox()
    {
        frmJuuliusePaev dialog(m_main->window.get(), QStringLiteral("JP"));
        QVERIFY(showDialog(&dialog));
        type(QStringLiteral("2412"));
        click(box(&dialog, "chkJuliuseKal"));
        type(QStringLiteral("2024"));
        QCOMPARE(valueText(child(&dialog, QStringLiteral("tkpKuupäev"))), QStringLiteral("24.12.2024"));
        QCOMPARE(focused(), child<QWidget>(&dialog, QStringLiteral("cmdArvuta")));
    }

    void typingGoesOnAfterTheOperationBoxes()
    {
        frmLiidaLahuta dialog(m_main->window.get());
        QVERIFY(showDialog(&dialog));
        type(QStringLiteral("2412"));
        click(box(&dialog, "chkLahuta"));
        QVERIFY(box(&dialog, "chkLahuta")->isChecked());
        type(QStringLiteral("2024"));
        QCOMPARE(valueText(child(&dialog, QStringLiteral("tkpKuupäev"))), QStringLiteral("24.12.2024"));
    }

    void typingGoesOnAfterTheIntervalJulianBoxes()
    {
        frmVahemik dialog(m_main->window.get());
        QVERIFY(showDialog(&dialog));
        type(QStringLiteral("1005"));
        click(box(&dialog, "chkIJuliuseKal"));
        click(box(&dialog, "chkIIJuliuseKal"));
        type(QStringLiteral("2003"));
        QCOMPARE(valueText(child(&dialog, QStringLiteral("tkpIKuupäev"))), QStringLiteral("10.05.2003"));
        // The first date complete, the second empty: a click goes into the
        // second date's first field.
        click(box(&dialog, "chkIJuliuseKal"));
        type(QStringLiteral("09082005"));
        QCOMPARE(valueText(child(&dialog, QStringLiteral("tkpIIKuupäev"))), QStringLiteral("09.08.2005"));
    }

    // A first date left with Tab (years 100 to 999 need it) still puts the
    // caret into its day field after Kustuta.
    void clearingStartsAtTheFirstDay()
    {
        frmVahemik dialog(m_main->window.get());
        QVERIFY(showDialog(&dialog));
        type(QStringLiteral("1005500"));
        key(Qt::Key_Tab);
        type(QStringLiteral("09082005"));
        QPushButton *arvuta = child<QPushButton>(&dialog, QStringLiteral("cmdArvuta"));
        QVERIFY(arvuta->isEnabled());
        key(Qt::Key_Return);
        QVERIFY(!answer(&dialog).isEmpty());
        key(Qt::Key_Return);
        QVERIFY(answer(&dialog).isEmpty());
        type(QStringLiteral("10052003"));
        QCOMPARE(valueText(child(&dialog, QStringLiteral("tkpIKuupäev"))), QStringLiteral("10.05.2003"));
    }

    // Every check box has an access key of its own that runs its click.
    void checkBoxesHaveAccessKeys()
    {
        frmVahemik vahemik(m_main->window.get());
        QVERIFY(showDialog(&vahemik));
        type(QStringLiteral("1005200309082005"));
        FrameCheckBox *aasta = box(&vahemik, "chkAasta");
        QVERIFY(aasta->isEnabled());
        // "aastat" is the tab stop after cmdArvuta; Space clicks it.
        QCOMPARE(focused(), child<QWidget>(&vahemik, QStringLiteral("cmdArvuta")));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), aasta);
        key(Qt::Key_Space);
        QVERIFY(aasta->isChecked());
        altKey(&vahemik, Qt::Key_U);
        QVERIFY(box(&vahemik, "chkKuu")->isChecked());
        QCOMPARE(focused(), child<QWidget>(&vahemik, QStringLiteral("cmdArvuta")));
        key(Qt::Key_Return);
        QCOMPARE(answer(&vahemik), QStringLiteral("2 aastat, 2 kuud ja 30 päeva"));
        altKey(&vahemik, Qt::Key_U);
        QCOMPARE(answer(&vahemik), QStringLiteral("2 aastat ja 91 päeva"));
        altKey(&vahemik, Qt::Key_P);
        QCOMPARE(box(&vahemik, "chkPäev")->checkState(), Qt::PartiallyChecked);
        altKey(&vahemik, Qt::Key_J);
        QVERIFY(box(&vahemik, "chkIJuliuseKal")->isChecked());
        altKey(&vahemik, Qt::Key_K);
        QVERIFY(box(&vahemik, "chkIIJuliuseKal")->isChecked());
        vahemik.close();

        frmLiidaLahuta liida(m_main->window.get());
        QVERIFY(showDialog(&liida));
        altKey(&liida, Qt::Key_H);
        QVERIFY(box(&liida, "chkLahuta")->isChecked());
        QVERIFY(!box(&liida, "chkLiida")->isChecked());
        altKey(&liida, Qt::Key_I);
        QVERIFY(box(&liida, "chkLiida")->isChecked());
        QVERIFY(!box(&liida, "chkLahuta")->isChecked());
        // The access key leaves the caret where typing goes on.
        QVERIFY(hasFocusIn(child(&liida, QStringLiteral("tkpKuupäev"))));
    }

    // An accessible Toggle or Press runs what a click runs: the operation
    // switches in both boxes and the answer follows, a locked box stays.
    void accessibleActionsAreClicks()
    {
        frmLiidaLahuta liida(m_main->window.get());
        QVERIFY(showDialog(&liida));
        type(QStringLiteral("01012000"));
        type(QStringLiteral("1"));
        key(Qt::Key_Return);
        QCOMPARE(answer(&liida), QStringLiteral("01.01.2001. a."));
        pressAction(box(&liida, "chkLahuta"), QAccessibleActionInterface::toggleAction());
        QVERIFY(box(&liida, "chkLahuta")->isChecked());
        QVERIFY(!box(&liida, "chkLiida")->isChecked());
        QCOMPARE(answer(&liida), QStringLiteral("01.01.1999. a."));
        pressAction(box(&liida, "chkLiida"), QAccessibleActionInterface::toggleAction());
        QCOMPARE(answer(&liida), QStringLiteral("01.01.2001. a."));
        liida.close();

        frmVahemik vahemik(m_main->window.get());
        QVERIFY(showDialog(&vahemik));
        FrameCheckBox *locked = box(&vahemik, "chkIJuliuseKal");
        pressAction(locked, QAccessibleActionInterface::toggleAction());
        QCOMPARE(locked->checkState(), Qt::PartiallyChecked);
        type(QStringLiteral("1005200309082005"));
        key(Qt::Key_Return);
        FrameCheckBox *paev = box(&vahemik, "chkPäev");
        pressAction(paev, QAccessibleActionInterface::toggleAction());
        QCOMPARE(paev->checkState(), Qt::PartiallyChecked);
        pressAction(box(&vahemik, "chkAasta"), QAccessibleActionInterface::toggleAction());
        QCOMPARE(answer(&vahemik), QStringLiteral("2 aastat ja 91 päeva"));
    }

    // Ctrl+C copies the answer exactly as shown; without an answer the
    // clipboard keeps what it had. The answer's menu offers "&Kopeeri".
    void copyingTheAnswer()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("enne"));
        frmVahemik dialog(m_main->window.get());
        QVERIFY(showDialog(&dialog));
        QTest::keyClick(dialog.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("enne"));
        type(QStringLiteral("1005200309082005"));
        key(Qt::Key_Return);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), answer(&dialog));
        QCOMPARE(clipboard->text(), QStringLiteral("822 päeva"));

        clipboard->setText(QStringLiteral("enne"));
        auto *label = child<QLabel>(&dialog, QStringLiteral("lblVastus"));
        QMenu *menu = nullptr;
        QTimer::singleShot(0, [&] {
            menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QList<QAction *> items = menu->actions();
            if (!items.isEmpty() && items.first()->text() == QStringLiteral("&Kopeeri"))
                items.first()->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(label, &event);
        QTRY_VERIFY(menu);
        QCOMPARE(clipboard->text(), answer(&dialog));
    }

    // A right click on a Julian box opens the program's "Appi" pop-up, on
    // the release, and no menu of Qt's own.
    void rightButtonOpensTheHelpPopUp()
    {
        frmJuuliusePaev dialog(m_main->window.get(), QStringLiteral("JP"));
        QVERIFY(showDialog(&dialog));
        FrameCheckBox *julian = box(&dialog, "chkJuliuseKal");
        QTest::mousePress(julian, Qt::RightButton, {}, QPoint(6, 6));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(6, 6), julian->mapToGlobal(QPoint(6, 6)));
        QApplication::sendEvent(julian, &event);
        QVERIFY(!QApplication::activePopupWidget());
        QTest::mouseRelease(julian, Qt::RightButton, {}, QPoint(6, 6));
        QTRY_VERIFY(QApplication::activePopupWidget());
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("mnuAbi"));
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Mis see on?"));
        menu->close();
        // Its help text is also the box's description, and Shift+F1 asks for it.
        QVERIFY(!julian->whatsThis().isEmpty());
        QCOMPARE(julian->accessibleDescription(), julian->whatsThis());
    }
};

QTEST_MAIN(tst_keyboardpaths)
#include "tst_keyboardpaths.moc"
