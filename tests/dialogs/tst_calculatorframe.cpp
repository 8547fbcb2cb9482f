// SPDX-License-Identifier: GPL-3.0-or-later
// What the five calculators share: opening from the main window's menu with
// the borrowed caption and close button, every way of closing, placement at
// the main window, a fresh start on every opening, the drag-off rule, the
// real confirmation box of "G", the "Appi" help of the Julian boxes, and what
// happens when the arithmetic refuses or fails.
#include "dialogtest.h"
#include "errors.h"
#include "forms.h"
#include "frmjuuliusepaev.h"
#include "frmkuupaev.h"
#include "frmliidalahuta.h"
#include "frmliigaasta.h"
#include "frmvahemik.h"
#include "hostbinding.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QWhatsThis>

#include <functional>
#include <new>
#include <stdexcept>

using namespace dialogtest;

namespace {

const QString ownTitle = QStringLiteral("Tundrik {GMT +02:00  -  Ida-Euroopa aeg}");

// Runs step once with the modal widget of the given class as soon as one is
// shown (the openers let events run before they show their dialogs).
void whenModal(const char *className, std::function<void(QWidget *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, className, step] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->inherits(className) || !w->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        const QPointer<QWidget> shown(w);
        step(w);
        // A failed check returns early; the window must not stay open.
        if (shown && shown->isVisible())
            shown->close();
    });
    timer->start();
}

std::unique_ptr<CalculatorDialog> makeDialog(const QString &name, frmAeg *main)
{
    if (name == QStringLiteral("frmJuuliusePäev"))
        return std::make_unique<frmJuuliusePaev>(main, QStringLiteral("JP"));
    if (name == QStringLiteral("frmKuupäev"))
        return std::make_unique<frmKuupaev>(main);
    if (name == QStringLiteral("frmVahemik"))
        return std::make_unique<frmVahemik>(main);
    if (name == QStringLiteral("frmLiidaLahuta"))
        return std::make_unique<frmLiidaLahuta>(main);
    return std::make_unique<frmLiigaasta>(main);
}

// A calculator whose arithmetic throws what the test tells it to: the
// frame's controls alone, without a form.
class ThrowingDialog : public CalculatorDialog {
public:
    explicit ThrowingDialog(tundrik::WindowHost *host)
        : CalculatorDialog(host, Placement::Centred, {QStringLiteral("Ku&stuta"), QString()})
    {
        setObjectName(QStringLiteral("frmProov"));
        auto *answer = new QLabel(this);
        answer->setObjectName(QStringLiteral("lblVastus"));
        m_compute = new QPushButton(QStringLiteral("&Arvuta"), this);
        m_compute->setObjectName(QStringLiteral("cmdArvuta"));
        auto *close = new QPushButton(QStringLiteral("&Lõpeta"), this);
        close->setObjectName(QStringLiteral("cmdLõpeta"));
        setUpFrame({new QFrame(this), answer, m_compute, close});
    }
    // The click of cmdArvuta, without the event loop in between.
    void press() { computeOrClear(); }

    std::function<void()> fail = [] {};

protected:
    QWidget *focusTarget() const override { return m_compute; }
    void showAnswer() override
    {
        setAnswer([this] {
            fail();
            return QStringLiteral("vastus");
        });
    }
    void clearInputs() override { }

private:
    QPushButton *m_compute;
};

} // namespace

class tst_calculatorframe : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;

    frmAeg &mainWindow() { return *m_main->window; }
    QAction *menuItem(const QString &name)
    {
        auto *a = mainWindow().findChild<QAction *>(name);
        if (!a)
            qFatal("no menu item %s", qPrintable(name));
        return a;
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_main = std::make_unique<MainWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(m_main->window.get()));
    }

    void openAndClose_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("closeBy");
        QTest::newRow("Julian day, cmdLõpeta") << "mnuTegevusJuuliusePäev" << "frmJuuliusePäev" << "Leia Juliuse päev" << "JP" << "01012000" << "cmdLõpeta";
        QTest::newRow("Julian day, Esc in the box") << "mnuTegevusJuuliusePäev" << "frmJuuliusePäev" << "Leia Juliuse päev" << "JP" << "0101" << "Esc";
        QTest::newRow("weekday, window close") << "mnuTegevusNädalapäev" << "frmJuuliusePäev" << "Leia nädalapäev" << "NP" << "01012000" << "close";
        QTest::newRow("date, Esc") << "mnuTegevusKuupäev" << "frmKuupäev" << "Leia kuupäev" << "" << "2451545" << "Esc";
        QTest::newRow("interval, cmdLõpeta") << "mnuTegevusVahemik" << "frmVahemik" << "Leia päevade arv" << "" << "0101200002012000" << "cmdLõpeta";
        QTest::newRow("new date, window close") << "mnuTegevusLiidaLahuta" << "frmLiidaLahuta" << "Leia uus kuupäev" << "" << "01012000000" << "close";
        QTest::newRow("leap year, Esc") << "mnuTegevusLiigaasta" << "frmLiigaasta" << "Kas liigaasta, või mitte" << "" << "2000" << "Esc";
    }

    void openAndClose()
    {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(QString, title);
        QFETCH(QString, mode);
        QFETCH(QString, keys);
        QFETCH(QString, closeBy);
        bool ran = false;
        whenModal("CalculatorDialog", [&](QWidget *d) {
            ran = true;
            QCOMPARE(d->objectName(), dialog);
            QCOMPARE(d->windowTitle(), title);
            QCOMPARE(d->parentWidget(), &mainWindow());
            QCOMPARE(mainWindow().windowTitle(), title);
            QVERIFY(!mainWindow().closeButton()->isEnabled());
            if (!mode.isEmpty())
                QCOMPARE(qobject_cast<frmJuuliusePaev *>(d)->dayDescriptionMode(), mode);
            QVERIFY(QTest::qWaitForWindowActive(d));
            type(keys);
            auto *arvuta = child<QPushButton>(d, QStringLiteral("cmdArvuta"));
            if (arvuta->isEnabled() && keys.size() > 4) {
                arvuta->click();
                QVERIFY(!answer(d).isEmpty());
            }
            if (closeBy == QStringLiteral("cmdLõpeta"))
                click(child(d, QStringLiteral("cmdLõpeta")));
            else if (closeBy == QLatin1String("Esc"))
                key(Qt::Key_Escape);
            else
                d->close();
            QVERIFY(!static_cast<CalculatorDialog *>(d)->answerShown());
        });
        menuItem(item)->trigger();
        QVERIFY(ran);
        QCOMPARE(mainWindow().windowTitle(), ownTitle);
        QVERIFY(mainWindow().closeButton()->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void placement_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("rule"); // 0 centred, 1 centred less a pixel, 2 main left
        QTest::newRow("frmJuuliusePäev") << "frmJuuliusePäev" << 0;
        QTest::newRow("frmLiidaLahuta") << "frmLiidaLahuta" << 0;
        QTest::newRow("frmKuupäev") << "frmKuupäev" << 1;
        QTest::newRow("frmLiigaasta") << "frmLiigaasta" << 1;
        QTest::newRow("frmVahemik") << "frmVahemik" << 2;
    }

    // The placement by itself: a host frame of 460 x 420 at (100, 50) whose
    // client area is 385 high, and a dialog of the given outer width.
    void placementAtAHostFrame_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("centred, even width")
            << int(HostBinding::Placement::Centred) << 298 << QPoint(181, 67);
        QTest::newRow("centred, odd width") << int(HostBinding::Placement::Centred) << 297 << QPoint(182, 67);
        QTest::newRow("one pixel left")
            << int(HostBinding::Placement::CentredLessOnePixel) << 297 << QPoint(181, 67);
        QTest::newRow("host's left edge") << int(HostBinding::Placement::HostLeft) << 457 << QPoint(100, 67);
        QTest::newRow("wider than the host") << int(HostBinding::Placement::Centred) << 500 << QPoint(80, 67);
    }

    void placementAtAHostFrame()
    {
        QFETCH(int, placement);
        QFETCH(int, width);
        QFETCH(QPoint, expected);
        QCOMPARE(
            tundrik::positionAtHost(HostBinding::Placement(placement), QRect(100, 50, 460, 420), 385, width),
            expected);
    }

    void placement()
    {
        QFETCH(QString, dialog);
        QFETCH(int, rule);
        std::unique_ptr<CalculatorDialog> d = makeDialog(dialog, &mainWindow());
        QVERIFY(showDialog(d.get()));
        const QRect main = mainWindow().frameGeometry();
        const QRect own = d->frameGeometry();
        QCOMPARE(own.top(), main.top() + (main.height() - mainWindow().innerHeight()) / 2);
        int left = main.left();
        if (rule < 2)
            left = main.left() + main.width() / 2 - own.width() / 2 - rule;
        QCOMPARE(own.left(), left);
    }

    void controlsInsideTheirDialog_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const char *name :
             {"frmJuuliusePäev", "frmKuupäev", "frmVahemik", "frmLiidaLahuta", "frmLiigaasta"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }

    // Every control inside its dialog, and no caption cut off. (The sizes
    // of the design are checked with the other forms', tests/main/tst_formlayout.)
    void controlsInsideTheirDialog()
    {
        QFETCH(QString, dialog);
        std::unique_ptr<CalculatorDialog> d = makeDialog(dialog, &mainWindow());
        for (QWidget *w : d->findChildren<QWidget *>()) {
            if (w->isWindow() || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("txt")))
                continue;
            const QRect r(w->mapTo(d.get(), QPoint(0, 0)), w->size());
            QVERIFY2(d->rect().contains(r), qPrintable(w->objectName()));
            // No caption of the form is cut off (the boxes draw their own).
            if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty() && !l->parentWidget()->inherits("TKControl"))
                QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->objectName()));
        }
        QVERIFY(d->findChild<QWidget *>(QStringLiteral("fraRaam")));
        QVERIFY(d->findChild<QWidget *>(QStringLiteral("fraLõpeta")));
    }

    void reopeningStartsAfresh()
    {
        for (int round = 0; round < 2; ++round) {
            whenModal("frmJuuliusePaev", [&](QWidget *d) {
                QVERIFY(QTest::qWaitForWindowActive(d));
                QVERIFY(answer(d).isEmpty());
                QCOMPARE(child<QPushButton>(d, QStringLiteral("cmdArvuta"))->text(), QStringLiteral("&Arvuta"));
                QVERIFY(!static_cast<CalculatorDialog *>(d)->answerShown());
                QCOMPARE(child<QCheckBox>(d, QStringLiteral("chkJuliuseKal"))->checkState(), Qt::PartiallyChecked);
                type(QStringLiteral("04101582"));
                key(Qt::Key_Return);
                QVERIFY(static_cast<CalculatorDialog *>(d)->answerShown());
                key(Qt::Key_Escape);
            });
            menuItem(QStringLiteral("mnuTegevusJuuliusePäev"))->trigger();
        }
        const QStringList years{QStringLiteral("2000"), QStringLiteral("1900")};
        for (const QString &year : years) {
            whenModal("frmLiigaasta", [&](QWidget *d) {
                QVERIFY(QTest::qWaitForWindowActive(d));
                auto *kontrolli = child<QPushButton>(d, QStringLiteral("cmdArvuta"));
                QCOMPARE(kontrolli->text(), QStringLiteral("&Kontrolli"));
                type(year);
                click(kontrolli);
                QCOMPARE(answer(d), year == QLatin1String("2000") ? QStringLiteral("Jah, on liigaasta")
                                                                  : QStringLiteral("Ei ole liigaasta"));
                key(Qt::Key_Escape);
            });
            menuItem(QStringLiteral("mnuTegevusLiigaasta"))->trigger();
        }
    }

    void dragOffTheCloseButton_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("focusOnArvuta");
        QTest::newRow("empty date") << "" << false;
        QTest::newRow("valid date") << "01012000" << true;
    }

    void dragOffTheCloseButton()
    {
        QFETCH(QString, keys);
        QFETCH(bool, focusOnArvuta);
        frmJuuliusePaev d(&mainWindow(), QStringLiteral("JP"));
        QVERIFY(showDialog(&d));
        type(keys);
        QWidget *lopeta = child(&d, QStringLiteral("cmdLõpeta"));
        for (QPoint outside : {QPoint(-1, 5), QPoint(5, lopeta->height()), QPoint(lopeta->width(), 5)}) {
            dragOff(lopeta, outside);
            QVERIFY(d.isVisible());
            if (focusOnArvuta)
                QCOMPARE(focused(), child(&d, QStringLiteral("cmdArvuta")));
            else
                QVERIFY(hasFocusIn(child(&d, QStringLiteral("tkpKuupäev"))));
        }
        // Back inside before the release: the click stays cancelled.
        QTest::mousePress(lopeta, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent out(QEvent::MouseMove, QPointF(-3, 5), QPointF(lopeta->mapToGlobal(QPoint(-3, 5))),
                        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(lopeta, &out);
        QMouseEvent back(QEvent::MouseMove, QPointF(5, 5), QPointF(lopeta->mapToGlobal(QPoint(5, 5))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(lopeta, &back);
        QTest::mouseRelease(lopeta, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(d.isVisible());
        // A plain click closes.
        click(lopeta);
        QVERIFY(!d.isVisible());
        QCOMPARE(mainWindow().windowTitle(), ownTitle);
    }

    void dragOffGregorius()
    {
        frmKuupaev d(&mainWindow());
        Answerer answerer(&d);
        QVERIFY(showDialog(&d));
        type(QStringLiteral("2299160"));
        key(Qt::Key_Return);
        auto *g = child<QPushButton>(&d, QStringLiteral("chkGregorius"));
        QVERIFY(g->isVisible());
        dragOff(g, QPoint(g->width() + 2, 3));
        QVERIFY(!g->isChecked());
        QVERIFY(answerer.asked.isEmpty());
        QCOMPARE(answer(&d), QStringLiteral("04.10.1582. a."));
        QCOMPARE(focused(), child(&d, QStringLiteral("cmdArvuta")));
    }

    void confirmationBox_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("reply");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Yes") << QMessageBox::Yes << jp("2 299 150");
        QTest::newRow("No") << QMessageBox::No << jp("2 299 160");
    }

    void confirmationBox()
    {
        QFETCH(QMessageBox::StandardButton, reply);
        QFETCH(QString, expected);
        frmJuuliusePaev d(&mainWindow(), QStringLiteral("JP"));
        QVERIFY(showDialog(&d));
        type(QStringLiteral("04101582"));
        key(Qt::Key_Return);
        bool asked = false;
        whenModal("QMessageBox", [&](QWidget *w) {
            asked = true;
            auto *box = qobject_cast<QMessageBox *>(w);
            QCOMPARE(box->windowTitle(), QStringLiteral("Tundrik"));
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->text(), QStringLiteral("Sisestatud kuupäev jääb aega enne 15.10.1582, \n"
                                                 "mil gregooriuse kalendrit ei olnud veel.\n\n"
                                                 "Kas soovid ikka gregooriuse kalendri järgi arvutada?"));
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            QVERIFY(box->button(QMessageBox::Yes));
            box->button(reply)->click();
        });
        click(child(&d, QStringLiteral("chkGregorius")));
        QVERIFY(asked);
        QCOMPARE(answer(&d), expected);
        QCOMPARE(child<QPushButton>(&d, QStringLiteral("chkGregorius"))->isChecked(),
                 reply == QMessageBox::Yes);
    }

    // The arithmetic refuses an input beyond its range: the answer stays
    // empty and the dialog goes on as after any other answer.
    void refusedComputationLeavesTheDialogUsable()
    {
        ThrowingDialog d(&mainWindow());
        QVERIFY(showDialog(&d));
        d.fail = [] { throw tundrik::OverflowError("16-bit overflow"); };
        d.press();
        QVERIFY(answer(&d).isEmpty());
        QVERIFY(d.answerShown());
        QCOMPARE(child<QPushButton>(&d, QStringLiteral("cmdArvuta"))->text(), QStringLiteral("Ku&stuta"));
        d.fail = [] {};
        d.press();
        QVERIFY(!d.answerShown());
        d.press();
        QCOMPARE(answer(&d), QStringLiteral("vastus"));
    }

    // Anything but a refusal of the arithmetic is not swallowed.
    void otherFailuresPassOn()
    {
        ThrowingDialog d(&mainWindow());
        d.fail = [] { throw std::logic_error("a fault of the program"); };
#ifndef QT_NO_DEBUG
        QTest::ignoreMessage(QtWarningMsg, "frmProov: a fault of the program");
#endif
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.press());

        ThrowingDialog e(&mainWindow());
        e.fail = [] { throw std::bad_alloc(); };
#ifndef QT_NO_DEBUG
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^frmProov: ")));
#endif
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, e.press());
    }

    void helpOfTheJulianBoxes_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("context");
        QTest::newRow("day number, locked box") << "frmJuuliusePäev" << "" << "chkJuliuseKal" << 20;
        QTest::newRow("date of a day number") << "frmKuupäev" << "2451545" << "chkJuliuseKal" << 30;
        QTest::newRow("interval, second box") << "frmVahemik" << "" << "chkIIJuliuseKal" << 20;
        QTest::newRow("new date") << "frmLiidaLahuta" << "01031700\t\t1" << "chkJuliuseKal" << 40;
    }

    void helpOfTheJulianBoxes()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, keys);
        QFETCH(QString, box);
        QFETCH(int, context);
        std::unique_ptr<CalculatorDialog> d = makeDialog(dialog, &mainWindow());
        QVERIFY(showDialog(d.get()));
        for (QChar c : keys) {
            if (c == QLatin1Char('\t'))
                key(Qt::Key_Tab);
            else
                type(QString(c));
        }
        auto *b = child<QCheckBox>(d.get(), box);
        QVERIFY(b->isEnabled());
        const Qt::CheckState before = b->checkState();
        click(b, Qt::RightButton);
        QCOMPARE(b->checkState(), before);
        auto *menu = child<QMenu>(d.get(), QStringLiteral("mnuAbi"));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->title(), QStringLiteral("Appi"));
        QAction *m = menu->findChild<QAction *>(QStringLiteral("mnuAbiM"));
        if (!m)
            m = d->findChild<QAction *>(QStringLiteral("mnuAbiM"));
        QVERIFY(m);
        QCOMPARE(m->text(), QStringLiteral("&Mis see on?"));
        menu->close();
        m->trigger();
        QWidget *shown = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->inherits("QWhatsThat"))
                shown = w;
        }
        QVERIFY(shown);
        // The topic is the first Julian box's, whichever box was clicked.
        const QString topic = forms::helpTopic(context);
        QVERIFY(topic.contains(QStringLiteral("juuliuse kalender")));
        const auto boxes = d->findChildren<QCheckBox *>();
        QVERIFY(std::any_of(boxes.begin(), boxes.end(),
                            [&](QCheckBox *c) { return c->whatsThis() == topic; }));
        QWhatsThis::hideText();
    }
};

QTEST_MAIN(tst_calculatorframe)
#include "tst_calculatorframe.moc"
