// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the windows: the names of the readouts
// (role name and current text), of the buttons and of the fields of the
// Tundkast boxes, read through the accessibility interfaces as an assistive
// technology reads them.
#include "accessibility.h"
#include "fakeclock.h"
#include "forms.h"
#include "frmaeg.h"
#include "frmjuuliusepaev.h"
#include "frmkalender.h"
#include "frmkuupaev.h"
#include "frmliidalahuta.h"
#include "frmliigaasta.h"
#include "frmpuhad.h"
#include "frmseakell.h"
#include "frmseakuup.h"
#include "frmtkp.h"
#include "frmvahemik.h"
#include "systemclocksetter.h"
#include "systeminfo.h"

#include "everywindow.h"
#include "testhost.h"

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QAccessibleInterface *iface(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

QString nameOf(QObject *o)
{
    QAccessibleInterface *i = iface(o);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// Names of the children of an interface that are shown, in the tree's order.
QStringList shownChildNames(QAccessibleInterface *parent)
{
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *c = parent->child(i);
        if (c && !c->state().invisible)
            names << c->text(QAccessible::Name);
    }
    return names;
}

// Never sets anything: the dialogs here are only read.
class NoClockSetter final : public setup::SystemClockSetter {
public:
    setup::SetResult setSystemTime(qint64) override { return {}; }
};

} // namespace

class tst_accessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowReadouts_data();
    void mainWindowReadouts();
    void mainWindowExactTexts();
    void readoutNameFollowsText();
    void closeButton();
    void captionsAndUnitsLeftOut();
    void namesByWindow_data();
    void namesByWindow();
    void buttonsByWindow_data();
    void buttonsByWindow();
    void boxFieldsInOrder_data();
    void boxFieldsInOrder();
    void fieldReadsTypedText();
    void calendarWindow();
    void holidayRows();
    void setupWindows();
    void calculatorDialogs_data();
    void calculatorDialogs();
    void nameGivenAfterInterface();
    void namesSetWhereBuilt_data();
    void namesSetWhereBuilt();
    void everyControlNamed_data();
    void everyControlNamed();
};

void tst_accessibility::initTestCase()
{
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    accessibility::install();
    accessibility::install(); // a second call changes nothing
}

void tst_accessibility::mainWindowReadouts_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("roleName");
    const std::pair<const char16_t *, const char16_t *> rows[] = {
        {u"lblKuupäev", u"Kuupäev"},
        {u"lblInternet", u"Interneti aeg"},
        {u"lblKell", u"Kell"},
        {u"lblKvartal", u"Kvartal"},
        {u"lblPäevaNr", u"Aasta päev"},
        {u"lblNädal", u"Nädal"},
        {u"lblKelladeVaheT", u"Päikesekella ja kella vahe hommikul"},
        {u"lblKelladeVaheL", u"Päikesekella ja kella vahe õhtul"},
        {u"lblUnix", u"Unixi aeg"},
        {u"lblAstronJP", u"Astronoomiline Juliuse päev"},
        {u"lblTavalineJP", u"Tavakasutuses olev Juliuse päev"},
        {u"lblPäev", u"Aasta lõpuni päevi"},
        {u"lblTund", u"Aasta lõpuni tunde"},
        {u"lblMinut", u"Aasta lõpuni minuteid"},
        {u"lblSekund", u"Aasta lõpuni sekundeid"},
    };
    for (const auto &[name, role] : rows)
        QTest::newRow(QString::fromUtf16(name).toUtf8().constData())
            << QString::fromUtf16(name) << QString::fromUtf16(role);
}

// Every readout of the main window reads "<what it is>, <what it shows>".
void tst_accessibility::mainWindowReadouts()
{
    QFETCH(QString, objectName);
    QFETCH(QString, roleName);
    tundrik::FakeClock clock;
    clock.setNow(2000, 1, 1, 2, 0, 0);
    frmAeg window(clock);
    window.tick();
    window.show();
    auto *label = window.findChild<QLabel *>(objectName);
    QVERIFY(label);
    QVERIFY(!label->text().trimmed().isEmpty());
    QAccessibleInterface *i = iface(label);
    QCOMPARE(i->role(), QAccessible::StaticText);
    QVERIFY(!i->state().invisible);
    QCOMPARE(i->text(QAccessible::Name), roleName + QStringLiteral(", ") + label->text().trimmed());
}

// The instant of the examples: 1.1.2000 02:00:00 at UT + 2.
void tst_accessibility::mainWindowExactTexts()
{
    tundrik::FakeClock clock;
    clock.setNow(2000, 1, 1, 2, 0, 0);
    frmAeg window(clock);
    window.tick();
    auto spaced = [](QString s) {
        s.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
        return s;
    };
    QCOMPARE(spaced(nameOf(window.findChild<QLabel *>(QStringLiteral("lblUnix")))),
             QStringLiteral("Unixi aeg, 946 684 800"));
    QCOMPARE(nameOf(window.findChild<QLabel *>(QStringLiteral("lblKell"))),
             QStringLiteral("Kell, 02:00:00"));
    QCOMPARE(nameOf(window.findChild<QLabel *>(QStringLiteral("lblKuupäev"))),
             QStringLiteral("Kuupäev, Laupäev, 01. jaanuar"));
    QCOMPARE(spaced(nameOf(window.findChild<QLabel *>(QStringLiteral("lblAstronJP")))),
             QStringLiteral("Astronoomiline Juliuse päev, 2 451 544, 50000"));
}

// The name is made when it is asked for: after the next second it is current.
void tst_accessibility::readoutNameFollowsText()
{
    tundrik::FakeClock clock;
    clock.setNow(2004, 12, 31, 23, 59, 1);
    frmAeg window(clock);
    window.tick();
    auto *kell = window.findChild<QLabel *>(QStringLiteral("lblKell"));
    auto *sekund = window.findChild<QLabel *>(QStringLiteral("lblSekund"));
    QCOMPARE(nameOf(kell), QStringLiteral("Kell, 23:59:01"));
    QCOMPARE(nameOf(sekund), QStringLiteral("Aasta lõpuni sekundeid, 59"));
    clock.advance(30000);
    window.tick();
    QCOMPARE(nameOf(kell), QStringLiteral("Kell, 23:59:31"));
    QCOMPARE(nameOf(sekund), QStringLiteral("Aasta lõpuni sekundeid, 29"));
}

void tst_accessibility::closeButton()
{
    tundrik::FakeClock clock;
    clock.setNow(2000, 1, 1, 2, 0, 0);
    frmAeg window(clock);
    QSignalSpy closed(&window, &frmAeg::closed);
    QAccessibleInterface *i = iface(window.closeButton());
    QCOMPARE(i->role(), QAccessible::PushButton);
    QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Sule programm"));
    QCOMPARE(i->text(QAccessible::Description), QStringLiteral(" Sule programm (Esc) "));
    QAccessibleActionInterface *action = i->actionInterface();
    QVERIFY(action);
    QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // A disabled button offers no press, as while a dialog is open.
    window.setCloseButtonEnabled(false);
    QVERIFY(!action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(i->state().disabled);
    window.setCloseButtonEnabled(true);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(closed.count(), 1);
}

// Captions and unit letters that a readout's name already says are left out.
void tst_accessibility::captionsAndUnitsLeftOut()
{
    tundrik::FakeClock clock;
    clock.setNow(2000, 1, 1, 2, 0, 0);
    frmAeg window(clock);
    window.show();
    for (const char16_t *name : {u"lblUnixiAeg", u"lblAstronoomJuliusePäev",
                                 u"lblTavalineJuliusePäev", u"lblAastaLõpuniJäänud", u"lblD",
                                 u"lblH", u"lblM", u"lblS"}) {
        auto *l = window.findChild<QLabel *>(QString::fromUtf16(name));
        QVERIFY(l);
        QVERIFY2(iface(l)->state().invisible, qPrintable(QString::fromUtf16(name)));
    }
    QVERIFY(!iface(window.findChild<QLabel *>(QStringLiteral("lblAutor")))->state().invisible);
}

// A label is named where it is built, never by its objectName: a label of a
// calculator's name without a name given reads its text, as does any label;
// a caption reads without its access-key mark. (The names the windows give
// are checked on the windows themselves: calculatorDialogs(),
// setupWindows(), calendarWindow().)
void tst_accessibility::namesByWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withBuddy");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *tag, const char16_t *window, const char16_t *name,
                  const char16_t *text, bool buddy, const char16_t *expected) {
        QTest::newRow(tag) << QString::fromUtf16(window) << QString::fromUtf16(name)
                           << QString::fromUtf16(text) << buddy << QString::fromUtf16(expected);
    };
    row("answer without a name", u"frmVahemik", u"lblVastus", u"3 aastat ja 2 päeva", false,
        u"3 aastat ja 2 päeva");
    row("range without a name", u"frmJuuliusePäev", u"lblKuupäev", u"{03.01.100 - 31.12.2299}", false,
        u"{03.01.100 - 31.12.2299}");
    row("limit without a name", u"frmLiidaLahuta", u"lblAasta", u"< 220", false, u"< 220");
    row("year caption", u"frmLiigaasta", u"lblAasta", u"&Aasta", true, u"Aasta");
    row("input caption", u"frmKuupäev", u"lblSisesta", u"&Juliuse päev", true, u"Juliuse päev");
    row("version", u"frmTKp", u"lblVersioon", u"Versioon:  3.03.2004", false,
        u"Versioon:  3.03.2004");
}

void tst_accessibility::namesByWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    QFETCH(bool, withBuddy);
    QFETCH(QString, expected);
    QWidget w;
    w.setObjectName(window);
    auto *frame = new QWidget(&w);
    auto *label = new QLabel(text, frame);
    label->setObjectName(objectName);
    if (withBuddy)
        label->setBuddy(new QLineEdit(frame));
    QCOMPARE(nameOf(label), expected);
}

void tst_accessibility::buttonsByWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *tag, const char16_t *window, const char16_t *name,
                  const char16_t *caption, bool check, const char16_t *expected) {
        QTest::newRow(tag) << QString::fromUtf16(window) << QString::fromUtf16(name)
                           << QString::fromUtf16(caption) << check << QString::fromUtf16(expected);
    };
    row("compute", u"frmVahemik", u"cmdArvuta", u"&Arvuta", false, u"Arvuta");
    row("clear", u"frmVahemik", u"cmdArvuta", u"Ku&stuta", false, u"Kustuta");
    row("check", u"frmLiigaasta", u"cmdArvuta", u"&Kontrolli", false, u"Kontrolli");
    row("dialog close", u"frmLiigaasta", u"cmdLõpeta", u"&Lõpeta", false, u"Lõpeta");
    row("ok", u"frmTKp", u"cmdOlgu", u"&Olgu", false, u"Olgu");
    row("symbol without a name", u"frmKuupäev", u"chkGregorius", u"G", true, u"G");
    row("Julian box without a name", u"frmVahemik", u"chkIIJuliuseKal", u"juuliuse &kalender", true,
        u"juuliuse kalender");
    row("add", u"frmLiidaLahuta", u"chkLiida", u"Liida", true, u"Liida");
    row("double ampersand", u"frmX", u"cmdMuu", u"A && B", false, u"A & B");
}

void tst_accessibility::buttonsByWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(bool, checkBox);
    QFETCH(QString, expected);
    QWidget w;
    w.setObjectName(window);
    QAbstractButton *b = checkBox ? static_cast<QAbstractButton *>(new QCheckBox(caption, &w))
                                  : new QPushButton(caption, &w);
    b->setObjectName(objectName);
    QAccessibleInterface *i = iface(b);
    QCOMPARE(i->text(QAccessible::Name), expected);
    QCOMPARE(i->role(), checkBox ? QAccessible::CheckBox : QAccessible::PushButton);
    if (checkBox) {
        auto *box = static_cast<QCheckBox *>(b);
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked); // grayed: read in the Julian calendar
        QVERIFY(i->state().checkStateMixed);
        box->setCheckState(Qt::Checked);
        QVERIFY(i->state().checked && !i->state().checkStateMixed);
        i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(box->checkState(), Qt::Unchecked);
    }
}

void tst_accessibility::boxFieldsInOrder_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QStringList>("fields");
    auto row = [](const char *tag, int window, const char16_t *name, const char16_t *boxName,
                  std::initializer_list<const char16_t *> fields) {
        QStringList names;
        for (const char16_t *f : fields)
            names << QString::fromUtf16(f);
        QTest::newRow(tag) << window << QString::fromUtf16(name) << QString::fromUtf16(boxName) << names;
    };
    // 0 frmVahemik, 1 frmSeaKuup, 2 frmSeaKell, 3 frmKuupäev, 4 frmLiidaLahuta, 5 frmLiigaasta,
    // 6 a window that names no box
    row("date box", 0, u"tkpIKuupäev", u"Esimene kuupäev", {u"Päev", u"Kuu", u"Aasta"});
    row("new date", 1, u"tkpKuupäev", u"Uus kuupäev", {u"Päev", u"Kuu", u"Aasta"});
    row("time box", 2, u"tklKell", u"Uus kellaaeg", {u"Tund", u"Minut", u"Sekund"});
    // The integer box's only field says the box's name: "arv" is added
    // where the name does not say it already.
    row("number box", 3, u"takJuliusePäev", u"Juliuse päev", {u"Juliuse päev, arv"});
    row("years to add", 4, u"takAasta", u"Aastate arv", {u"Aastate arv"});
    row("leap year", 5, u"takAasta", u"Aasta", {u"Aasta, arv"});
    row("unnamed time box", 6, u"TKKellaKast", u"Kellaaeg", {u"Tund", u"Minut", u"Sekund"});
    row("unnamed number box", 6, u"TKArvuKast", u"Arv", {u"Arv"});
}

// The fields of a box come in the tree in the order the focus visits them,
// each named; the separators between them are left out.
void tst_accessibility::boxFieldsInOrder()
{
    QFETCH(int, window);
    QFETCH(QString, objectName);
    QFETCH(QString, boxName);
    QFETCH(QStringList, fields);
    tundrik::FakeClock clock;
    clock.setNow(2000, 1, 1, 2, 0, 0);
    NoClockSetter setter;
    frmAeg main(clock);
    std::unique_ptr<QWidget> w;
    switch (window) {
    case 0: w = std::make_unique<frmVahemik>(&main); break;
    case 1: w = std::make_unique<frmSeaKuup>(clock, setter, [] {}); break;
    case 2: w = std::make_unique<frmSeaKell>(clock, setter); break;
    case 3: w = std::make_unique<frmKuupaev>(&main); break;
    case 4: w = std::make_unique<frmLiidaLahuta>(&main); break;
    case 5: w = std::make_unique<frmLiigaasta>(&main); break;
    default:
        w = std::make_unique<QWidget>();
        if (objectName == QLatin1String("TKKellaKast"))
            new TKKellaKast(w.get());
        else
            new TKArvuKast(w.get());
        break;
    }
    QWidget *box = window < 6 ? w->findChild<QWidget *>(objectName)
                              : w->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(box);
    w->show();
    QAccessibleInterface *i = iface(box);
    QCOMPARE(i->role(), QAccessible::Grouping);
    QCOMPARE(i->text(QAccessible::Name), boxName);
    QCOMPARE(shownChildNames(i), fields);
    QCOMPARE(i->childCount(), int(fields.size())); // the separators are not there at all
    for (int n = 0; n < i->childCount(); ++n) {
        QCOMPARE(i->child(n)->parent(), i);
        QCOMPARE(i->indexOfChild(i->child(n)), n);
    }

    // The focus order agrees with the tree's order.
    QStringList focusOrder;
    QWidget *f = box->focusProxy();
    for (int n = 0; f && n < fields.size(); ++n) {
        focusOrder << nameOf(f);
        QCOMPARE(iface(f)->role(), QAccessible::EditableText);
        do
            f = f->nextInFocusChain();
        while (f && !(f->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(focusOrder, fields);
}

// A field's text interface reads what was typed into it.
void tst_accessibility::fieldReadsTypedText()
{
    QWidget w;
    w.setObjectName(QStringLiteral("frmSeaKuup"));
    auto *box = new TKKuupKast(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *day = box->findChild<QLineEdit *>(QStringLiteral("txtPäev"));
    QVERIFY(day);
    day->setFocus();
    QTest::keyClicks(day, QStringLiteral("24"));
    QAccessibleInterface *i = iface(day);
    QAccessibleTextInterface *t = i->textInterface();
    QVERIFY(t);
    QCOMPARE(t->characterCount(), int(day->text().size()));
    QCOMPARE(t->text(0, t->characterCount()), day->text());
    QCOMPARE(i->text(QAccessible::Value), day->text());
    QVERIFY(day->text().startsWith(QStringLiteral("24")));
    QVERIFY(i->state().editable);
    QCOMPARE(t->cursorPosition(), day->cursorPosition());
}

void tst_accessibility::calendarWindow()
{
    tundrik::FakeClock clock;
    clock.setNow(2004, 1, 15, 14, 25, 7);
    TestHost owner(clock);
    owner.weekNumber = 3;
    frmKalender calendar(owner);
    calendar.tick();
    QCOMPARE(nameOf(calendar.findChild<QLabel *>(QStringLiteral("lblKell"))),
             QStringLiteral("Kell, 14:25:07"));
    QCOMPARE(nameOf(calendar.findChild<QLabel *>(QStringLiteral("lblKalender"))),
             QStringLiteral("Näidatav kuu, Jaanuar  2004"));
    QCOMPARE(nameOf(calendar.findChild<QLabel *>(QStringLiteral("lblEsNP"))),
             QStringLiteral("Esmaspäev"));
    QCOMPARE(nameOf(calendar.findChild<QLabel *>(QStringLiteral("lblSeNP"))),
             QStringLiteral("Pühapäev"));
    // 15.1.2004 lies in week 3, the third row.
    QCOMPARE(nameOf(calendar.findChild<QLabel *>(QStringLiteral("lblKolmN"))),
             QStringLiteral("3. rea nädal, 3, tänane nädal"));
    QCOMPARE(nameOf(calendar.findChild<QLabel *>(QStringLiteral("lblNelN"))),
             QStringLiteral("4. rea nädal, 4"));
    const std::pair<const char16_t *, const char16_t *> buttons[] = {
        {u"cmdLõpeta", u"Sule kalender"},       {u"cmdJärgmineAasta", u"Järgmine aasta"},
        {u"cmdJärgmineKuu", u"Järgmine kuu"},   {u"cmdKuuAasta", u"Tänane kuu"},
        {u"cmdEelmineKuu", u"Eelmine kuu"},     {u"cmdEelmineAasta", u"Eelmine aasta"},
        {u"cmdPühad", u"Jaanuari pühad"},
    };
    for (const auto &[name, expected] : buttons)
        QCOMPARE(nameOf(calendar.findChild<QPushButton *>(QString::fromUtf16(name))),
                 QString::fromUtf16(expected));
}

// June: rows 2, 5 and 6 carry the flag and row 3 the mourning flag, rows 5
// and 6 are red, all eight filled.
void tst_accessibility::holidayRows()
{
    frmPuhad holidays(6, 2004, nullptr);
    holidays.show();
    const char16_t *names[] = {u"lblEsimene", u"lblTeine", u"lblKolmas", u"lblNeljas",
                               u"lblViies", u"lblKuues", u"lblSeitsmes", u"lblKaheksas"};
    for (int row = 0; row < 8; ++row) {
        auto *l = holidays.findChild<QLabel *>(QString::fromUtf16(names[row]));
        const QString name = nameOf(l);
        QVERIFY2(name.startsWith(QStringLiteral("Püha, ") + l->text()), qPrintable(name));
        QCOMPARE(name.endsWith(QStringLiteral(", lipupäev")), row == 1 || row == 4 || row == 5);
        QCOMPARE(name.endsWith(QStringLiteral(", leinalipp")), row == 2);
        QCOMPARE(name.contains(QStringLiteral(", punane päev")), row == 4 || row == 5);
    }
    QVERIFY(iface(holidays.findChild<QLabel *>(QStringLiteral("imgKolmas")))->state().invisible);
    QVERIFY(iface(holidays.findChild<QLabel *>(QStringLiteral("imgLipp")))->state().invisible);

    // May leaves the first row empty: it is left out, not read as an empty "Püha".
    frmPuhad may(5, 2004, nullptr);
    may.show();
    QAccessibleInterface *first = iface(may.findChild<QLabel *>(QStringLiteral("lblEsimene")));
    QVERIFY(first->state().invisible);
    QVERIFY(first->text(QAccessible::Name).isEmpty());
    QVERIFY(iface(may.findChild<QLabel *>(QStringLiteral("lblES")))->state().invisible);

    // June 2011 has a ninth row, named like the others.
    frmPuhad june(6, 2011, nullptr);
    june.show();
    QCOMPARE(nameOf(june.findChild<QLabel *>(QStringLiteral("lblÜH"))), QStringLiteral("Päev, 29. / K"));
    QCOMPARE(nameOf(june.findChild<QLabel *>(QStringLiteral("lblÜheksas"))),
             QStringLiteral("Püha, Peetripäev; peeterpaulipäev"));
    QCOMPARE(nameOf(june.findChild<QLabel *>(QStringLiteral("lblKolmas"))),
             QStringLiteral("Püha, Nelipühade 1. püha, punane päev"));
    QVERIFY(iface(june.findChild<QLabel *>(QStringLiteral("imgKaheksas")))->state().invisible);
    QVERIFY(iface(june.findChild<QLabel *>(QStringLiteral("imgÜheksas")))->state().invisible);
}

// The set-time, set-date and About windows as they are built.
void tst_accessibility::setupWindows()
{
    tundrik::FakeClock clock;
    clock.setNow(2026, 12, 7, 14, 25, 7);
    NoClockSetter setter;

    frmSeaKell setTime(clock, setter);
    setTime.tick();
    QCOMPARE(nameOf(setTime.findChild<QLabel *>(QStringLiteral("lblKell"))),
             QStringLiteral("Praegune kellaaeg, 14:25:07"));
    QCOMPARE(nameOf(setTime.findChild<QWidget *>(QStringLiteral("tklKell"))),
             QStringLiteral("Uus kellaaeg"));
    QCOMPARE(nameOf(setTime.findChild<QPushButton *>(QStringLiteral("cmdSea"))),
             QStringLiteral("Sea kellaaeg"));
    QCOMPARE(nameOf(setTime.findChild<QPushButton *>(QStringLiteral("cmdLoobu"))),
             QStringLiteral("Loobu"));

    frmSeaKuup setDate(clock, setter, [] {});
    QCOMPARE(nameOf(setDate.findChild<QLabel *>(QStringLiteral("lblKuupäev"))),
             QStringLiteral("Tänane kuupäev, 07.12.2026"));
    QCOMPARE(nameOf(setDate.findChild<QWidget *>(QStringLiteral("tkpKuupäev"))),
             QStringLiteral("Uus kuupäev"));
    QCOMPARE(nameOf(setDate.findChild<QPushButton *>(QStringLiteral("cmdSea"))),
             QStringLiteral("Sea kuupäev"));

    setup::SystemInfo info;
    info.workArea = QRect(0, 0, 1024, 738);
    frmTKp about(info);
    about.show();
    QCOMPARE(nameOf(about.findChild<QLabel *>(QStringLiteral("lblEkraan"))),
             QStringLiteral("Tööala suurus, 1024 x 738"));
    QAccessibleInterface *icon = iface(about.findChild<QLabel *>(QStringLiteral("imgIkoon")));
    QCOMPARE(icon->role(), QAccessible::Graphic);
    QCOMPARE(icon->text(QAccessible::Name), QStringLiteral("Tundriku ikoon"));
    QVERIFY(!icon->state().invisible);
    QCOMPARE(nameOf(about.findChild<QPushButton *>(QStringLiteral("cmdOlgu"))),
             QStringLiteral("Olgu"));
}

void tst_accessibility::calculatorDialogs_data()
{
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *tag, int dialog, const char16_t *name, const char16_t *expected) {
        QTest::newRow(tag) << dialog << QString::fromUtf16(name) << QString::fromUtf16(expected);
    };
    // 0 frmJuuliusePäev, 1 frmKuupäev, 2 frmVahemik, 3 frmLiidaLahuta, 4 frmLiigaasta
    row("day: date box", 0, u"tkpKuupäev", u"Kuupäev");
    row("day: range", 0, u"lblKuupäev", u"Lubatud kuupäevad, {03.01.100 - 31.12.2299}");
    row("day: answer", 0, u"lblVastus", u"Vastus");
    row("day: Julian box", 0, u"chkJuliuseKal", u"Juuliuse kalender");
    row("day: G", 0, u"chkGregorius", u"Gregoriuse kalender");
    row("day: close", 0, u"cmdLõpeta", u"Lõpeta");
    row("day: compute", 0, u"cmdArvuta", u"Arvuta");
    row("date: number box", 1, u"takJuliusePäev", u"Juliuse päev");
    row("date: answer", 1, u"lblVastus", u"Vastus");
    row("date: Julian box", 1, u"chkJuliuseKal", u"Juuliuse kalender");
    row("date: G", 1, u"chkGregorius", u"Gregoriuse kalender");
    row("date: range", 1, u"lblJuliusePäev", u"Lubatud Juliuse päevad, {1 757 600 - 2 561 100}");
    row("interval: first", 2, u"tkpIKuupäev", u"Esimene kuupäev");
    row("interval: second", 2, u"tkpIIKuupäev", u"Teine kuupäev");
    row("interval: range", 2, u"lblKuupäev", u"Lubatud kuupäevad, {03.01.100 - 31.12.2299}");
    row("interval: first Julian", 2, u"chkIJuliuseKal", u"Esimene kuupäev: juuliuse kalender");
    row("interval: second Julian", 2, u"chkIIJuliuseKal", u"Teine kuupäev: juuliuse kalender");
    row("interval: years", 2, u"chkAasta", u"Vastuses aastat");
    row("interval: months", 2, u"chkKuu", u"Vastuses kuud");
    row("interval: days", 2, u"chkPäev", u"Vastuses päeva");
    row("interval: answer", 2, u"lblVastus", u"Vastus");
    row("shift: years box", 3, u"takAasta", u"Aastate arv");
    row("shift: days box", 3, u"takPäev", u"Päevade arv");
    row("shift: years limit", 3, u"lblAasta", u"Lubatud aastate arv, < 220");
    row("shift: months limit", 3, u"lblKuu", u"Lubatud kuude arv, < 2640");
    row("shift: days limit", 3, u"lblPäev", u"Lubatud päevade arv, < 80 000");
    row("shift: range", 3, u"lblKuupäev", u"Lubatud kuupäevad, {01.01.320 - 31.12.2079}");
    row("shift: Julian box", 3, u"chkJuliuseKal", u"Juuliuse kalender");
    row("shift: add", 3, u"chkLiida", u"Liida");
    row("leap: year box", 4, u"takAasta", u"Aasta");
    row("leap: caption", 4, u"lblAasta", u"Aasta");
    row("leap: range", 4, u"lblVahemik", u"Lubatud aastad, (100 - 2299)");
    row("leap: check", 4, u"cmdArvuta", u"Kontrolli");
    row("leap: close", 4, u"cmdLõpeta", u"Lõpeta");
    row("leap: answer", 4, u"lblVastus", u"Vastus");
}

// The five calculators as they are built, over a main window.
void tst_accessibility::calculatorDialogs()
{
    QFETCH(int, dialog);
    QFETCH(QString, objectName);
    QFETCH(QString, expected);
    tundrik::FakeClock clock;
    clock.setNow(2000, 1, 1, 2, 0, 0);
    frmAeg main(clock);
    std::unique_ptr<QWidget> w;
    switch (dialog) {
    case 0: w = std::make_unique<frmJuuliusePaev>(&main, QStringLiteral("JP")); break;
    case 1: w = std::make_unique<frmKuupaev>(&main); break;
    case 2: w = std::make_unique<frmVahemik>(&main); break;
    case 3: w = std::make_unique<frmLiidaLahuta>(&main); break;
    default: w = std::make_unique<frmLiigaasta>(&main); break;
    }
    auto *control = w->findChild<QWidget *>(objectName);
    QVERIFY(control);
    QCOMPARE(nameOf(control), expected);
}

// An interface asked for while a control is being built, before it is
// named (a form names its controls after it made them), reads the name once
// it is given; the objectName alone gives none.
void tst_accessibility::nameGivenAfterInterface()
{
    QWidget w;
    w.setObjectName(QStringLiteral("frmKuupäev"));
    auto *b = new QCheckBox(QStringLiteral("G"), &w);
    QAccessibleInterface *early = iface(b);
    QCOMPARE(early->text(QAccessible::Name), QStringLiteral("G"));
    b->setObjectName(QStringLiteral("chkGregorius"));
    QCOMPARE(early->text(QAccessible::Name), QStringLiteral("G"));
    b->setAccessibleName(QStringLiteral("Gregoriuse kalender"));
    QCOMPARE(iface(b), early);
    QCOMPARE(early->text(QAccessible::Name), QStringLiteral("Gregoriuse kalender"));
    QCOMPARE(accessibility::tableName(b), QStringLiteral("Gregoriuse kalender"));

    auto *label = new QLabel(QStringLiteral("01.01.2000. a."), &w);
    label->setObjectName(QStringLiteral("lblVastus"));
    QAccessibleInterface *earlyLabel = iface(label);
    QCOMPARE(earlyLabel->text(QAccessible::Name), QStringLiteral("01.01.2000. a."));
    forms::tell(label, QStringLiteral("Vastus"), QStringLiteral("readout"));
    QCOMPARE(earlyLabel->text(QAccessible::Name), QStringLiteral("Vastus, 01.01.2000. a."));
}

void tst_accessibility::namesSetWhereBuilt_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("leftOut");
    // "lblKell" is a name the main window's form gives a readout.
    QTest::newRow("a name alone") << ""
                                  << "lblKell"
                                  << "Kell"
                                  << ""
                                  << "12:00:00" << false << "Kell" << false;
    QTest::newRow("readout") << ""
                             << "lblKell"
                             << "Kell"
                             << "readout"
                             << "12:00:00" << false << "Kell, 12:00:00" << false;
    QTest::newRow("readout, empty") << ""
                                    << "lblKell"
                                    << "Kell"
                                    << "readout"
                                    << "" << false << "Kell" << false;
    QTest::newRow("readout left out when empty") << ""
                                                 << "lblKell"
                                                 << "Kell"
                                                 << "readout hideWhenEmpty"
                                                 << "" << false << "" << true;
    QTest::newRow("week label in italic") << ""
                                          << "lblKell"
                                          << "Kell"
                                          << "readout todayWhenItalic"
                                          << "23" << true << "Kell, 23, tänane nädal" << false;
    QTest::newRow("hidden caption") << ""
                                    << "lblKell"
                                    << ""
                                    << "hidden"
                                    << "UNIX 'i aeg:" << false << "UNIX 'i aeg:" << true;
    QTest::newRow("weekday header") << ""
                                    << "lblKell"
                                    << ""
                                    << "weekdayHeader"
                                    << "Kol" << false << "Kolmapäev" << false;
    // The calculators name their controls the same way.
    QTest::newRow("calculator answer")
        << "frmVahemik"
        << "lblVastus"
        << "Vastus"
        << "readout"
        << "3 aastat ja 2 päeva" << false << "Vastus, 3 aastat ja 2 päeva" << false;
    QTest::newRow("calculator limit") << "frmLiidaLahuta"
                                      << "lblKuu"
                                      << "Lubatud kuude arv"
                                      << "readout"
                                      << "< 12" << false << "Lubatud kuude arv, < 12" << false;
    QTest::newRow("calculator range, no name given")
        << "frmJuuliusePäev"
        << "lblKuupäev"
        << ""
        << ""
        << "{03.01.100 - 31.12.2299}" << false << "{03.01.100 - 31.12.2299}" << false;
    QTest::newRow("calculator answer, no name given") << "frmKuupäev"
                                                      << "lblVastus"
                                                      << ""
                                                      << ""
                                                      << "" << false << "" << false;
}

// A label's name and how it is read are set on the label where it is built,
// whatever its objectName and its window's.
void tst_accessibility::namesSetWhereBuilt()
{
    QFETCH(QString, window);
    QFETCH(QString, objectName);
    QFETCH(QString, given);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(bool, italic);
    QFETCH(QString, name);
    QFETCH(bool, leftOut);
    QWidget w;
    w.setObjectName(window);
    auto *label = new QLabel(text, &w);
    label->setObjectName(objectName);
    forms::tell(label, given, how);
    QFont f = label->font();
    f.setItalic(italic);
    label->setFont(f);
    w.show();
    QCOMPARE(nameOf(label), name);
    QCOMPARE(iface(label)->state().invisible, leftOut);
}

void tst_accessibility::everyControlNamed_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : everywindow::names())
        QTest::newRow(qPrintable(name)) << name;
}

// Every shown label with something to say, button, check box, input box and
// field of every window has a name for a screen reader, or is left out. A
// label or button whose text says no word (a number, a date, a range, a
// symbol such as "G" or ">>") tells nothing of what it is: it needs a name
// given where it is built (a Tundkast box's own separators aside).
void tst_accessibility::everyControlNamed()
{
    QFETCH(QString, window);
    const auto saysAWord = [](const QString &text) {
        return std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) >= 2;
    };
    const bool opened = everywindow::open(window, [&](QWidget *w) {
        QStringList unnamed;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (!c->isVisibleTo(w))
                continue;
            const auto *label = qobject_cast<QLabel *>(c);
            const auto *button = qobject_cast<QAbstractButton *>(c);
            const bool control = (label && (!label->text().isEmpty() || !label->pixmap().isNull())) || button
                || qobject_cast<QLineEdit *>(c) || c->inherits("TKControl");
            if (!control)
                continue;
            QAccessibleInterface *i = iface(c);
            if (i && i->state().invisible)
                continue;
            const QString shown = label ? label->text() : button ? button->text() : QString();
            // The parts of a Tundkast box (its separators) are the library's.
            const bool inBox = c->parentWidget() && c->parentWidget()->inherits("TKControl");
            const bool needsOwnName = (label || button) && !inBox && !saysAWord(shown);
            if (i && !i->text(QAccessible::Name).trimmed().isEmpty()
                && (!needsOwnName || !c->accessibleName().isEmpty()))
                continue;
            unnamed << QStringLiteral("%1 (%2)").arg(c->objectName(), QString::fromLatin1(c->metaObject()->className()));
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    });
    QVERIFY(opened);
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
