// SPDX-License-Identifier: GPL-3.0-or-later
// What every window is built with: twips to pixels, what finish() applies to
// a form, the font substitutions, the colours, the builders, the cancel and
// drag-off rules of buttons, the help topics and their pop-up menu, the
// ticker, and the week settings.
#include "fakeclock.h"
#include "forms.h"
#include "programstate.h"
#include "ticker.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// A move over the button with the given buttons held, to a point in its coordinates.
void moveOver(QWidget *button, QPoint to, Qt::MouseButtons held)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(button->mapToGlobal(to)), Qt::NoButton,
                     held, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
}

} // namespace

class tst_forms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { forms::installFontSubstitutions(); }

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
        const forms::Twips t = forms::Twips::of(&w);
        QCOMPARE(t.dpiX, dpiX);
        QCOMPARE(t.x(twips), qRound(inches * dpiX));
        QCOMPARE(t.y(twips), qRound(inches * dpiY));
        QCOMPARE(forms::Twips::of(nullptr).x(twips), t.x(twips));
        QCOMPARE(t.rect(twips, 2 * twips, 1440, 720),
                 QRect(qRound(inches * dpiX), qRound(2 * inches * dpiY), qRound(dpiX),
                       qRound(dpiY / 2)));
        QCOMPARE(t.rect(QRect(twips, 2 * twips, 1440, 720)), t.rect(twips, 2 * twips, 1440, 720));
        QCOMPARE(t.size(1440, 720), QSize(qRound(dpiX), qRound(dpiY / 2)));
    }

    void fifteenTwipsToThePixelAt96Dpi()
    {
        const forms::Twips t{96, 96};
        for (int px = -10; px <= 500; ++px)
            QCOMPARE(t.x(15 * px), px);
        QCOMPARE(t.x(7), 0);
        QCOMPARE(t.x(8), 1);
        QCOMPARE(t.perPixelX(), 15);
        // 1.5 times the density: 10 twips to the pixel; 1440 / 120 = 12.
        QCOMPARE((forms::Twips{144, 144}.perPixelX()), 10);
        QCOMPARE((forms::Twips{120, 120}.perPixelX()), 12);
    }

    // A form in pixels at 96 DPI comes out as the twips it stands for, on
    // the screen's DPI; a rectangle of twips that are no whole pixels is
    // given exactly; the client area is fixed.
    void finishScalesTheForm()
    {
        QWidget window;
        window.resize(100, 60);
        auto *frame = new QFrame(&window);
        frame->setGeometry(24, 8, 50, 40);
        auto *inFrame = new QLabel(frame);
        inFrame->setGeometry(3, 7, 91, 27);
        auto *exact = new QLabel(frame);
        exact->setGeometry(10, 80, 31, 17);
        exact->setProperty(forms::formProperty::twips, QRect(150, 1200, 460, 255));
        // The parts of a control are its own.
        auto *button = new QPushButton(&window);
        button->setGeometry(16, 16, 65, 33);
        auto *part = new QLabel(button);
        part->setGeometry(1, 2, 3, 4);
        forms::finish(&window);

        const forms::Twips t = forms::Twips::of(&window);
        QCOMPARE(window.size(), t.size(1500, 900));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(frame->geometry(), t.rect(360, 120, 750, 600));
        QCOMPARE(inFrame->geometry(), t.rect(45, 105, 1365, 405));
        QCOMPARE(exact->geometry(), t.rect(150, 1200, 460, 255));
        QCOMPARE(button->geometry(), t.rect(240, 240, 975, 495));
        QCOMPARE(part->geometry(), QRect(1, 2, 3, 4));
    }

    // A main window: its central widget at the form's fixed size, the menu
    // bar above it.
    void finishFixesAMainWindow()
    {
        QMainWindow window;
        auto *client = new QWidget;
        client->setFixedSize(457, 385);
        window.setCentralWidget(client);
        window.menuBar()->addMenu(QStringLiteral("&Tegevus"));
        forms::finish(&window);
        QCOMPARE(client->size(), forms::Twips::of(&window).size(6855, 5775));
        QCOMPARE(window.size(),
                 QSize(client->width(), window.menuBar()->sizeHint().height() + client->height()));
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

    void finishLines_data()
    {
        QTest::addColumn<QRect>("shadow");
        QTest::addColumn<QRect>("etched");
        QTest::newRow("horizontal") << QRect(16, 165, 304, 1) << QRect(16, 166, 304, 1);
        QTest::newRow("longer below") << QRect(16, 176, 329, 1) << QRect(16, 177, 330, 1);
        QTest::newRow("vertical") << QRect(80, 50, 1, 18) << QRect(81, 50, 1, 18);
    }

    // A line stays one pixel thick in the style's colour; the highlight half
    // of an etched line keeps its place beside the shadow half.
    void finishLines()
    {
        QFETCH(QRect, shadow);
        QFETCH(QRect, etched);
        QWidget window;
        window.resize(400, 300);
        auto *dark = new QFrame(&window);
        dark->setGeometry(shadow);
        dark->setProperty(forms::formProperty::line, QStringLiteral("shadow"));
        auto *light = new QFrame(&window);
        light->setGeometry(etched);
        light->setProperty(forms::formProperty::line, QStringLiteral("etched"));
        forms::finish(&window);

        const forms::Twips t = forms::Twips::of(&window);
        const QRect scaled = t.rect(shadow.x() * 15, shadow.y() * 15, shadow.width() * 15,
                                    shadow.height() * 15);
        QCOMPARE(dark->pos(), scaled.topLeft());
        QCOMPARE(dark->width(), shadow.width() == 1 ? 1 : scaled.width());
        QCOMPARE(dark->height(), shadow.height() == 1 ? 1 : scaled.height());
        QCOMPARE(light->geometry(),
                 dark->geometry()
                     .translated(etched.topLeft() - shadow.topLeft())
                     .adjusted(0, 0, etched.width() - shadow.width(), etched.height() - shadow.height()));
        QCOMPARE(dark->backgroundRole(), QPalette::Dark);
        QCOMPARE(light->backgroundRole(), QPalette::Light);
        QVERIFY(dark->autoFillBackground() && light->autoFillBackground());
    }

    // What a form cannot say as a property of Qt's: the exact font size, the
    // colours through the light/dark rule, the help topic, the name of a
    // control array's element.
    void finishAppliesTheWords()
    {
        QWidget window;
        window.resize(100, 100);
        auto *title = new QLabel(&window);
        title->setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
        title->setProperty(forms::formProperty::points, 9.75);
        title->setProperty(forms::formProperty::textColour, QColor(0, 0, 128));
        title->setProperty(forms::formProperty::greyWhenDisabled, true);
        auto *clock = new QLabel(&window);
        clock->setProperty(forms::formProperty::textColourRole, QStringLiteral("Highlight"));
        auto *filled = new QFrame(&window);
        filled->setProperty(forms::formProperty::background, QColor(192, 192, 192));
        filled->setProperty(forms::formProperty::helpTopic, 12);
        auto *element = new QFrame(&window);
        element->setObjectName(QStringLiteral("lneJoon_1"));
        element->setProperty(forms::formProperty::index, 1);
        forms::finish(&window);

        QCOMPARE(title->font().pointSizeF(), 9.75);
        QCOMPARE(forms::formFont(title).pointSizeF(), 9.75);
        QCOMPARE(forms::textColourOf(title), QColor(0, 0, 128));
        QVERIFY(title->palette().color(QPalette::Disabled, QPalette::WindowText) != QColor(0, 0, 128));
        QCOMPARE(forms::textColourOf(clock), window.palette().color(QPalette::Highlight));
        QVERIFY(filled->autoFillBackground());
        QCOMPARE(filled->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(filled->whatsThis(), forms::helpTopic(12));
        QCOMPARE(element->objectName(), QStringLiteral("lneJoon"));
    }

    // Esc clicks the button the window names; a drag off a button sends the
    // focus to the first of its targets that is enabled, else to the last.
    void finishCancelAndDragOff_data()
    {
        QTest::addColumn<bool>("seaEnabled");
        QTest::addColumn<QString>("focused");
        QTest::newRow("set enabled") << true << "cmdSea";
        QTest::newRow("set disabled") << false << "tklKell";
    }

    void finishCancelAndDragOff()
    {
        QFETCH(bool, seaEnabled);
        QFETCH(QString, focused);
        QWidget window;
        window.resize(300, 100);
        window.setProperty(forms::formProperty::cancelButton, QStringLiteral("cmdLoobu"));
        auto *loobu = new QPushButton(QStringLiteral("&Loobu"), &window);
        loobu->setObjectName(QStringLiteral("cmdLoobu"));
        loobu->setGeometry(10, 10, 80, 30);
        loobu->setProperty(forms::formProperty::dragOffFocus, QStringLiteral("cmdSea tklKell"));
        auto *sea = new QPushButton(QStringLiteral("&Sea"), &window);
        sea->setObjectName(QStringLiteral("cmdSea"));
        sea->setGeometry(100, 10, 80, 30);
        sea->setEnabled(seaEnabled);
        auto *box = new QPushButton(QStringLiteral("box"), &window);
        box->setObjectName(QStringLiteral("tklKell"));
        box->setGeometry(190, 10, 80, 30);
        forms::finish(&window);
        QSignalSpy clicked(loobu, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::mousePress(loobu, Qt::LeftButton, {}, QPoint(5, 5));
        moveOver(loobu, QPoint(5, -3), Qt::LeftButton);
        QTest::mouseRelease(loobu, Qt::LeftButton, {}, QPoint(5, -3));
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(clicked.count(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(clicked.count(), 1);
    }

    void colours()
    {
        QWidget parent;
        QLabel same(&parent);
        QLabel grey(&parent);
        forms::setTextColour(&same, forms::colour::darkRed);
        forms::setTextColour(&grey, forms::colour::blue, forms::WhenDisabled::StyleGrey);
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(same.palette().color(g, QPalette::WindowText), QColor(192, 0, 0));
            QCOMPARE(grey.palette().color(g, QPalette::WindowText), QColor(0, 0, 192));
        }
        QCOMPARE(same.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(192, 0, 0));
        QVERIFY(grey.palette().color(QPalette::Disabled, QPalette::WindowText) != QColor(0, 0, 192));

        forms::setBackground(&parent, forms::colour::silver);
        QVERIFY(parent.autoFillBackground());
        QCOMPARE(parent.palette().color(QPalette::Window), QColor(192, 192, 192));
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
        forms::installFontSubstitutions(); // a second call changes nothing
        const QStringList substitutes = QFont::substitutes(family);
        QCOMPARE(substitutes.size(), 1);
        QCOMPARE(substitutes.first().compare(shown, Qt::CaseInsensitive), 0);
        QCOMPARE(QFontInfo(QFont(family, 12)).family(), shown);
        QCOMPARE(QFontInfo(QFont(family, 12, QFont::Bold)).bold(), true);
        const QFont f = forms::font(family.toLatin1().constData(), 13.5, true);
        QCOMPARE(f.pointSizeF(), 13.5);
        QVERIFY(f.bold());
        QCOMPARE(forms::sans(9.75).family(), QStringLiteral("MS Sans Serif"));
    }

    void programIcon()
    {
        const QIcon icon = forms::programIcon();
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{{32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
        QVERIFY(!icon.pixmap(32, 32).isNull());
    }

    // One registry for every help context of the program.
    void helpTopics()
    {
        for (int context : {11, 12, 13, 14, 20, 30, 40}) {
            const QString topic = forms::helpTopic(context);
            const qsizetype sentences = topic.count(QStringLiteral(". ")) + 1;
            QVERIFY2(topic.size() > 100 && sentences >= 2 && sentences <= 7, qPrintable(topic));
        }
        QVERIFY(forms::helpTopic(11).contains(QStringLiteral("biit")));
        QVERIFY(forms::helpTopic(12).contains(QStringLiteral("1970")));
        QVERIFY(forms::helpTopic(13).contains(QStringLiteral("4713")));
        QVERIFY(forms::helpTopic(14).contains(QStringLiteral("päikesekell")));
        for (int context : {20, 30, 40})
            QVERIFY(forms::helpTopic(context).contains(QStringLiteral("juuliuse kalender")));
        QVERIFY(forms::helpTopic(30).contains(QStringLiteral("2 299 161")));
        for (int context : {0, 10, 15, 21, 31, 41, -12})
            QVERIFY(forms::helpTopic(context).isEmpty());
    }

    void helpMenu()
    {
        QWidget window;
        int asked = 0;
        QMenu *menu = forms::helpMenu(&window, [&asked] { ++asked; });
        QCOMPARE(menu->parent(), &window);
        QCOMPARE(menu->objectName(), QStringLiteral("mnuAbi"));
        QCOMPARE(menu->title(), QStringLiteral("Appi"));
        QCOMPARE(menu->actions().size(), 1);
        QAction *item = menu->actions().first();
        QCOMPARE(item->objectName(), QStringLiteral("mnuAbiM"));
        QCOMPARE(item->text(), QStringLiteral("&Mis see on?"));
        QCOMPARE(window.findChild<QAction *>(QStringLiteral("mnuAbiM")), item);
        item->trigger();
        QCOMPARE(asked, 1);
    }

    // Esc clicks the cancel button from anywhere in the window, while it is enabled.
    void cancelButton()
    {
        QWidget window;
        auto *field = new QPushButton(QStringLiteral("muu"), &window);
        auto *cancel = new QPushButton(QStringLiteral("Loobu"), &window);
        forms::makeCancelButton(&window, cancel);
        QSignalSpy clicked(cancel, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(clicked.count(), 1);
        cancel->setEnabled(false);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(clicked.count(), 1);
    }

    // Leaving the button with exactly the left button held cancels the
    // click, also when the pointer comes back before the release.
    void dragOff_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("draggedOff");
        const int left = Qt::LeftButton;
        QTest::newRow("off the left edge") << QPoint(-1, 5) << left << true;
        QTest::newRow("off the right edge") << QPoint(100, 5) << left << true;
        QTest::newRow("off the top") << QPoint(5, -1) << left << true;
        QTest::newRow("off the bottom") << QPoint(5, 30) << left << true;
        QTest::newRow("inside") << QPoint(99, 29) << left << false;
        QTest::newRow("left and right held") << QPoint(-1, 5) << int(Qt::LeftButton | Qt::RightButton) << false;
        QTest::newRow("right held") << QPoint(-1, 5) << int(Qt::RightButton) << false;
    }

    void dragOff()
    {
        QFETCH(QPoint, to);
        QFETCH(int, held);
        QFETCH(bool, draggedOff);
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("Lõpeta"), &window);
        button->setGeometry(10, 10, 100, 30);
        int runs = 0;
        forms::onDragOff(button, [&runs] { ++runs; });
        QSignalSpy clicked(button, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        moveOver(button, to, Qt::MouseButtons(held));
        QCOMPARE(runs, draggedOff ? 1 : 0);
        moveOver(button, QPoint(5, 5), Qt::LeftButton); // back inside
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), draggedOff ? 0 : 1);
        // A plain click still clicks.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), draggedOff ? 1 : 2);
    }

    // A checkable button dragged off keeps its state.
    void dragOffKeepsTheCheck()
    {
        QWidget window;
        auto *toggle = new QPushButton(QStringLiteral("G"), &window);
        toggle->setCheckable(true);
        toggle->resize(25, 25);
        forms::onDragOff(toggle, [] {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(toggle, Qt::LeftButton, {}, QPoint(5, 5));
        moveOver(toggle, QPoint(40, 5), Qt::LeftButton);
        QTest::mouseRelease(toggle, Qt::LeftButton, {}, QPoint(40, 5));
        QVERIFY(!toggle->isChecked());
    }

    // The ticker wakes at once, then just after each turn of a second of its clock.
    void ticker()
    {
        tundrik::FakeClock clock;
        clock.setNow(2004, 2, 15, 12, 0, 0, 700);
        QObject owner;
        forms::Ticker ticker(clock, QStringLiteral("tmrKell"), &owner);
        auto *timer = ticker.findChild<QTimer *>(QStringLiteral("tmrKell"));
        QVERIFY(timer);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QVERIFY(!ticker.isActive());
        QSignalSpy ticks(&ticker, &forms::Ticker::tick);
        ticker.start();
        QVERIFY(ticker.isActive());
        QVERIFY(ticks.wait(1000));
        QCOMPARE(ticks.count(), 1);
        // 300 ms to the next second, and the margin.
        QCOMPARE(timer->interval(), 300 + forms::Ticker::margin);
        QVERIFY(timer->isActive());
        clock.setNow(2004, 2, 15, 12, 0, 1, 999);
        QVERIFY(ticks.wait(1000));
        QCOMPARE(timer->interval(), 1 + forms::Ticker::margin);

        // A tick that stops the ticker (a window that closes) is the last one.
        connect(&ticker, &forms::Ticker::tick, &ticker, &forms::Ticker::stop);
        QVERIFY(ticks.wait(1000));
        QVERIFY(!ticker.isActive());
        QVERIFY(!timer->isActive());
        const int seen = ticks.count();
        QTest::qWait(50);
        QCOMPARE(ticks.count(), seen);
    }

    void weekSettings()
    {
        tundrik::ProgramState state;
        QCOMPARE(state.FirstDayOfWeek(), 2);
        QCOMPARE(state.FirstWeekOfYear(), 2);
        QSignalSpy changed(&state, &tundrik::ProgramState::weekSettingsChanged);
        state.setFirstDayOfWeek(1);
        state.setFirstWeekOfYear(3);
        QCOMPARE(changed.count(), 2);
        for (int bad : {0, 8, -2})
            state.setFirstDayOfWeek(bad);
        for (int bad : {0, 4})
            state.setFirstWeekOfYear(bad);
        state.setFirstDayOfWeek(1);
        state.setFirstWeekOfYear(3);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(state.FirstDayOfWeek(), 1);
        QCOMPARE(state.FirstWeekOfYear(), 3);
        QCOMPARE(state.property("FirstDayOfWeek").toInt(), 1);
        QVERIFY(state.setProperty("FirstWeekOfYear", 1));
        QCOMPARE(state.FirstWeekOfYear(), 1);
        QCOMPARE(changed.count(), 3);
    }
};

QTEST_MAIN(tst_forms)
#include "tst_forms.moc"
