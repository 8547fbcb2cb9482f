// SPDX-License-Identifier: GPL-3.0-or-later
// The library as the program meets it: creation by class name, the
// descriptions, the event interface, a Designer form that sets the
// persisted limits, and the Designer plugin.
#include "tkhelpers.h"

#include "ui_tundkastform.h"

#include <tundkast/tundkast.h>

#include <memory>
#include <vector>

#include <QDataWidgetMapper>
#include <QMetaMethod>
#include <QMutex>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QThread>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

using namespace tktest;

class tst_tundkast : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }

    // A host may destroy a control while one of its fields has the focus
    // (a dialog closing); the focus leaving the dying field must reach no
    // destroyed part of the control.
    void destroyWithFocusedField_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("field");
        QTest::newRow("date box, year") << "Tundkast.TKKuupKast" << "txtAasta";
        QTest::newRow("time box, minute") << "Tundkast.TKKellaKast" << "txtMinut";
        QTest::newRow("integer box") << "Tundkast.TKArvuKast" << "txtArv";
    }
    void destroyWithFocusedField()
    {
        QFETCH(QString, className);
        QFETCH(QString, field);
        QWidget host;
        QLineEdit other(&host);
        QWidget *control = Tundkast::createControl(className, &host);
        QVERIFY(control);
        control->move(0, 40);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        host.activateWindow();
        auto *edit = control->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        edit->setFocus();
        QTest::keyClicks(edit, "1");
        delete control;
        QVERIFY(host.isVisible());
        other.setFocus();
    }

    void createByClassName_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("metaClass");
        QTest::addColumn<QString>("description");
        QTest::newRow("integer box") << "Tundkast.TKArvuKast" << "TKArvuKast" << "Kuni 20-kohalise täisarvu kast.";
        QTest::newRow("time box") << "Tundkast.TKKellaKast" << "TKKellaKast" << "Kellaaja kast.";
        QTest::newRow("date box") << "Tundkast.TKKuupKast" << "TKKuupKast" << "Kuupäeva kast (vormingus pp.kk.aaaa).";
    }
    void createByClassName()
    {
        QFETCH(QString, className);
        QFETCH(QString, description);
        QWidget parent;
        QWidget *w = Tundkast::createControl(className, &parent);
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), &parent);
        QTEST(QString::fromLatin1(w->metaObject()->className()), "metaClass");
        const QMetaObject *mo = w->metaObject();
        QCOMPARE(QString::fromUtf8(mo->classInfo(mo->indexOfClassInfo("Description")).value()), description);
        QCOMPARE(Tundkast::controlDescription(className), description);
        QVERIFY(Tundkast::controlClassNames().contains(className));

        // Events in the order TKChange, TKEnterPress, TKFullChange, before
        // the change signals of the properties.
        const int change = mo->indexOfMethod(mo->normalizedSignature("TKChange").constData());
        Q_UNUSED(change);
        QStringList signalNames;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            if (mo->method(i).methodType() == QMetaMethod::Signal)
                signalNames << QString::fromLatin1(mo->method(i).name());
        }
        QCOMPARE(signalNames.mid(0, 3), (QStringList{"TKChange", "TKEnterPress", "TKFullChange"}));
        QVERIFY(mo->indexOfSlot("TKClear()") >= 0);
        QVERIFY(mo->indexOfSlot("TKFocusInValidation()") >= 0);
        QVERIFY(mo->indexOfProperty("TKLubatud") >= 0);
        QVERIFY(mo->indexOfProperty("TKLukus") >= 0);
    }

    void unknownClassName()
    {
        QCOMPARE(Tundkast::createControl(QStringLiteral("Tundkast.TKMuuKast")), nullptr);
        QCOMPARE(Tundkast::createControl(QStringLiteral("tundkast.tkarvukast")), nullptr);
        QCOMPARE(Tundkast::controlDescription(QStringLiteral("x")), QString());
    }

    void library()
    {
        QCOMPARE(Tundkast::version(), QStringLiteral("1.0.2"));
        QCOMPARE(Tundkast::libraryDescription(), QStringLiteral("Tundkast: täisarvu, kella ja kuupäeva kastid"));
        QVERIFY(Tundkast::libraryComment().startsWith(QStringLiteral("Sisaldab kolme objekti")));
    }

    void todayProvider()
    {
        Tundkast::setTodayProvider([] { return QDate(1999, 12, 31); });
        QCOMPARE(Tundkast::today(), QDate(1999, 12, 31));
        Tundkast::setTodayProvider({});
        QVERIFY(Tundkast::today().isValid());
    }

    // TKChange carries its flags by value: QSignalSpy records them, a handler
    // may take them by value or by const reference, and a queued connection
    // delivers them later with the values of the moment they were raised.
    void changeSignalTheQtWays()
    {
        Host<TKKuupKast> h;
        QSignalSpy spy(h.box, &TKKuupKast::TKChange);
        QVERIFY(spy.isValid());
        bool byConstRef = false;
        connect(h.box, &TKKuupKast::TKChange, this, [&](const bool &, const bool &valid) { byConstRef = valid; });
        QList<QPair<bool, bool>> queued;
        connect(
            h.box, &TKKuupKast::TKChange, this,
            [&](bool before, bool valid) { queued.append({before, valid}); }, Qt::QueuedConnection);

        h.box->setFocus();
        type("15032004");
        h.box->TKClear();
        QCOMPARE(spy.count(), 9);
        QCOMPARE(spy.at(7), (QVariantList{false, true}));
        QCOMPARE(spy.at(8), (QVariantList{true, false}));
        QVERIFY(!byConstRef);
        QVERIFY(queued.isEmpty()); // not yet: the event loop delivers them
        QTRY_COMPARE(queued.size(), 9);
        QCOMPARE(queued.at(7), qMakePair(false, true));
        QCOMPARE(queued.at(8), qMakePair(true, false));

        auto *numberBox = new TKArvuKast(&h.window);
        auto *timeBox = new TKKellaKast(&h.window);
        QSignalSpy number(numberBox, &TKArvuKast::TKChange);
        QSignalSpy time(timeBox, &TKKellaKast::TKChange);
        numberBox->TKClear();
        timeBox->TKClear();
        QCOMPARE(number.count(), 1);
        QCOMPARE(number.at(0), QVariantList{true}); // empty, no minimum
        QCOMPARE(time.count(), 1);
        QCOMPARE(time.at(0), QVariantList{false});
    }

    // The same across threads: a receiver living in another thread gets the
    // flags through its own event loop.
    void changeSignalToAnotherThread()
    {
        TKKuupKast box;
        QThread thread;
        QObject receiver;
        receiver.moveToThread(&thread);
        QMutex mutex;
        QList<bool> received;
        connect(&box, &TKKuupKast::TKChange, &receiver, [&](bool before, bool valid) {
            QMutexLocker lock(&mutex);
            received << before << valid;
        });
        thread.start();
        box.setKuupaev(QDate(2004, 3, 15));
        box.TKClear();
        QTRY_COMPARE([&] { QMutexLocker lock(&mutex); return received; }(),
                     (QList<bool>{false, true, true, false}));
        thread.quit();
        thread.wait();
    }

    // Every readable property of the controls has a change signal, and each
    // control has one typed user property for its value.
    void everyPropertyNotifies_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("userProperty");
        QTest::addColumn<int>("userType");
        QTest::newRow("integer box") << "Tundkast.TKArvuKast" << "arv" << int(QMetaType::LongLong);
        QTest::newRow("time box") << "Tundkast.TKKellaKast" << "kell" << int(QMetaType::QTime);
        QTest::newRow("date box") << "Tundkast.TKKuupKast" << "kuupaev" << int(QMetaType::QDate);
    }
    void everyPropertyNotifies()
    {
        QFETCH(QString, className);
        std::unique_ptr<QWidget> w(Tundkast::createControl(className));
        const QMetaObject *mo = w->metaObject();
        QStringList silent;
        for (int i = TKControl::staticMetaObject.propertyOffset(); i < mo->propertyCount(); ++i) {
            const QMetaProperty p = mo->property(i);
            if (p.isReadable() && !p.hasNotifySignal())
                silent << QString::fromLatin1(p.name());
            // A change signal carries the new value, or nothing.
            const QMetaMethod signal = p.notifySignal();
            if (signal.parameterCount() == 1)
                QCOMPARE(signal.parameterMetaType(0), p.metaType());
        }
        QCOMPARE(silent, QStringList());
        const QMetaProperty user = mo->userProperty();
        QVERIFY(user.isValid());
        QTEST(QString::fromLatin1(user.name()), "userProperty");
        QTEST(user.metaType().id(), "userType");
        QVERIFY(user.isWritable());
    }

    // A program can wire one box's value to another's by name, signal to
    // slot, as with any Qt widget: the typed setters are slots. A value the
    // box does not hold arrives as the box's own empty value.
    void typedValueWiredBoxToBox_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("arrives");
        QTest::newRow("integer box") << "Tundkast.TKArvuKast" << QByteArray(SIGNAL(arvChanged(qint64)))
                                     << QByteArray(SLOT(setArv(qint64))) << QVariant(qint64(1234567))
                                     << QVariant(qint64(1234567));
        QTest::newRow("time box") << "Tundkast.TKKellaKast" << QByteArray(SIGNAL(kellChanged(QTime)))
                                  << QByteArray(SLOT(setKell(QTime))) << QVariant(QTime(9, 30, 15, 500))
                                  << QVariant(QTime(9, 30, 15));
        QTest::newRow("date box") << "Tundkast.TKKuupKast" << QByteArray(SIGNAL(kuupaevChanged(QDate)))
                                  << QByteArray(SLOT(setKuupaev(QDate))) << QVariant(QDate(2004, 3, 15))
                                  << QVariant(QDate(2004, 3, 15));
        QTest::newRow("date box, a year before the limits") << "Tundkast.TKKuupKast"
                                  << QByteArray(SIGNAL(kuupaevChanged(QDate)))
                                  << QByteArray(SLOT(setKuupaev(QDate))) << QVariant(QDate(50, 3, 15))
                                  << QVariant(QDate(100, 1, 1));
    }
    void typedValueWiredBoxToBox()
    {
        QFETCH(QString, className);
        QFETCH(QByteArray, signal);
        QFETCH(QByteArray, slot);
        QFETCH(QVariant, value);
        QWidget form;
        QWidget *from = Tundkast::createControl(className, &form);
        QWidget *to = Tundkast::createControl(className, &form);
        QVERIFY(QObject::connect(from, signal.constData(), to, slot.constData()));
        const QByteArray name = from->metaObject()->userProperty().name();
        QVERIFY(from->setProperty(name, value));
        QTEST(to->property(name), "arrives");
    }

    // After each action, every property whose value changed has signalled
    // the new value, and no property signalled without a change.
    void changeSignalsFollowTheValues_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("action");
        QTest::newRow("date typed") << "Tundkast.TKKuupKast" << "type 15032004";
        QTest::newRow("date cleared") << "Tundkast.TKKuupKast" << "fill; clear";
        QTest::newRow("date maximum") << "Tundkast.TKKuupKast" << "fill; TKAastaMaksimum 2000";
        QTest::newRow("date minimum") << "Tundkast.TKKuupKast" << "fill; TKAastaMiinimum 1999";
        QTest::newRow("date loaded") << "Tundkast.TKKuupKast" << "fill; maksimum 2003";
        QTest::newRow("date Julian") << "Tundkast.TKKuupKast" << "fill; TKJuliuseKalender";
        QTest::newRow("date written") << "Tundkast.TKKuupKast" << "fill; user";
        QTest::newRow("date locked") << "Tundkast.TKKuupKast" << "TKLukus";
        QTest::newRow("date disabled") << "Tundkast.TKKuupKast" << "TKLubatud";
        QTest::newRow("time typed") << "Tundkast.TKKellaKast" << "type 093015";
        QTest::newRow("time cleared") << "Tundkast.TKKellaKast" << "fill; clear";
        QTest::newRow("time written") << "Tundkast.TKKellaKast" << "fill; user";
        QTest::newRow("number typed") << "Tundkast.TKArvuKast" << "type 1234";
        QTest::newRow("number cleared") << "Tundkast.TKArvuKast" << "fill; clear";
        QTest::newRow("number maximum") << "Tundkast.TKArvuKast" << "fill; TKMaksimaalneVaartus 500";
        QTest::newRow("number minimum") << "Tundkast.TKArvuKast" << "fill; TKMinimaalneVaartus 50";
        QTest::newRow("number digits") << "Tundkast.TKArvuKast" << "fill; TKMaksimaalnePikkus 2";
        QTest::newRow("number zero") << "Tundkast.TKArvuKast" << "fill; TKNullLubatud";
        QTest::newRow("number negative") << "Tundkast.TKArvuKast" << "fill; TKNegArvLubatud";
        QTest::newRow("number loaded") << "Tundkast.TKArvuKast" << "fill; maxpikkus 9";
        QTest::newRow("number written") << "Tundkast.TKArvuKast" << "fill; user";
    }
    void changeSignalsFollowTheValues()
    {
        QFETCH(QString, className);
        QFETCH(QString, action);
        QWidget window;
        auto *box = qobject_cast<TKControl *>(Tundkast::createControl(className, &window));
        QVERIFY(box);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMetaObject *mo = box->metaObject();
        const QMetaProperty user = mo->userProperty();
        const QVariant sample = user.metaType().id() == QMetaType::QDate   ? QVariant(QDate(2004, 3, 15))
                                : user.metaType().id() == QMetaType::QTime ? QVariant(QTime(9, 30, 15))
                                                                           : QVariant(qint64(1234));
        const QVariant other = user.metaType().id() == QMetaType::QDate   ? QVariant(QDate(1700, 3, 11))
                               : user.metaType().id() == QMetaType::QTime ? QVariant(QTime(23, 0, 1))
                                                                          : QVariant(qint64(-77));

        for (const QString &step : action.split(QStringLiteral("; "))) {
            const QString verb = step.section(u' ', 0, 0);
            const QString arg = step.section(u' ', 1);
            // The values before the step, and a spy on each change signal.
            QMap<QString, QVariant> before;
            std::vector<std::unique_ptr<QSignalSpy>> spies;
            QMap<QString, QSignalSpy *> spyOf;
            for (int i = TKControl::staticMetaObject.propertyOffset(); i < mo->propertyCount(); ++i) {
                const QMetaProperty p = mo->property(i);
                before[QString::fromLatin1(p.name())] = p.read(box);
                spies.push_back(std::make_unique<QSignalSpy>(box, p.notifySignal()));
                spyOf[QString::fromLatin1(p.name())] = spies.back().get();
            }

            if (verb == QLatin1String("type")) {
                box->setFocus();
                type(arg);
            } else if (verb == QLatin1String("fill")) {
                user.write(box, sample);
            } else if (verb == QLatin1String("clear")) {
                QMetaObject::invokeMethod(box, "TKClear");
            } else if (verb == QLatin1String("user")) {
                user.write(box, other);
            } else if (arg.isEmpty()) {
                QVERIFY(box->setProperty(qPrintable(verb), !box->property(qPrintable(verb)).toBool()));
            } else {
                QVERIFY(box->setProperty(qPrintable(verb), arg.toInt()));
            }

            for (auto it = before.cbegin(); it != before.cend(); ++it) {
                const QMetaProperty p = mo->property(mo->indexOfProperty(qPrintable(it.key())));
                const QVariant now = p.read(box);
                QSignalSpy *spy = spyOf.value(it.key());
                const QString where = step + QStringLiteral(": ") + it.key();
                if (now == it.value()) {
                    // A value may change and come back within one step; then
                    // its last signal carries the value it came back to.
                    QVERIFY2(spy->isEmpty() || spy->last().isEmpty() || spy->last().at(0) == now,
                             qPrintable(where));
                    continue;
                }
                QVERIFY2(!spy->isEmpty(), qPrintable(where + QStringLiteral(" changed without a signal")));
                if (!spy->last().isEmpty())
                    QVERIFY2(spy->last().at(0) == now, qPrintable(where));
            }
        }
    }

    // TKLubatud is the control's own flag, not what Qt makes of the parents:
    // read inside a disabled frame it stays true, and writing that back does
    // not keep the box disabled once the frame is enabled again.
    void enabledFlagIsTheControlsOwn()
    {
        QWidget window;
        QWidget frame(&window);
        TKKuupKast box(&frame);
        QSignalSpy changed(&box, &TKControl::TKLubatudChanged);
        frame.setEnabled(false);
        QVERIFY(box.TKLubatud());
        QVERIFY(!box.findChild<QLineEdit *>(QStringLiteral("txtAasta"))->isEnabled());
        box.setTKLubatud(box.TKLubatud());
        frame.setEnabled(true);
        QVERIFY(box.findChild<QLineEdit *>(QStringLiteral("txtAasta"))->isEnabled());
        QCOMPARE(changed.count(), 0);

        box.setTKLubatud(false);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0), QVariantList{false});
        QVERIFY(!box.TKLubatud());
        QVERIFY(box.isEnabled());
        frame.setEnabled(false);
        frame.setEnabled(true);
        QVERIFY(!box.TKLubatud());
        QVERIFY(!box.findChild<QLineEdit *>(QStringLiteral("txtPäev"))->isEnabled());
        QVERIFY(box.setProperty("TKLubatud", true));
        QVERIFY(box.findChild<QLineEdit *>(QStringLiteral("txtPäev"))->isEnabled());
        QCOMPARE(changed.count(), 2);
    }

    // A QDataWidgetMapper moves values through the user properties both ways.
    void dataWidgetMapper()
    {
        QStandardItemModel model(1, 3);
        model.setData(model.index(0, 0), QDate(2004, 3, 15));
        model.setData(model.index(0, 1), QTime(9, 30, 15));
        model.setData(model.index(0, 2), qint64(1234));
        Host<TKKuupKast> h;
        auto *time = new TKKellaKast(&h.window);
        auto *number = new TKArvuKast(&h.window);
        QDataWidgetMapper mapper;
        mapper.setModel(&model);
        mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
        mapper.addMapping(h.box, 0);
        mapper.addMapping(time, 1);
        mapper.addMapping(number, 2);
        mapper.toFirst();
        QCOMPARE(h.field("txtPäev")->text() + h.field("txtKuu")->text() + h.field("txtAasta")->text(),
                 QStringLiteral("15032004"));
        QCOMPARE(time->TKKell(), QVariant(QStringLiteral("09:30:15")));
        QCOMPARE(number->TKArv(), QVariant(grouped(QStringLiteral("1 234"))));

        h.box->TKFocusInValidation();
        key(Qt::Key_A, Qt::ControlModifier);
        type("29");
        number->TKClear();
        number->setFocus();
        type("77");
        mapper.submit();
        QCOMPARE(model.data(model.index(0, 0)).toDate(), QDate(2004, 3, 29));
        QCOMPARE(model.data(model.index(0, 2)).toLongLong(), 77);
    }

    void designerFormSetsPersistedLimits()
    {
        QWidget form;
        Ui::TundkastForm ui;
        ui.setupUi(&form);
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));

        QCOMPARE(ui.takAasta->TKMaksimaalneVaartus(), 2999);
        QCOMPARE(ui.takAasta->TKMinimaalneVaartus(), 1000);
        QCOMPARE(ui.takAasta->TKMaksimaalnePikkus(), 4);
        QCOMPARE(ui.tkpKuupaev->TKAastaMaksimum(), 3999);
        QCOMPARE(ui.tkpKuupaev->TKAastaMiinimum(), 1000);
        QVERIFY(ui.tkpKuupaev->TKEnneGregoriust());

        ui.takAasta->setFocus();
        type("3");
        QCOMPARE(ui.takAasta->findChild<QLineEdit *>(QStringLiteral("txtArv"))->text(), QString());
        type("20045");
        QCOMPARE(ui.takAasta->TKArv(), QVariant(QStringLiteral("2004")));
        ui.tkpKuupaev->setFocus();
        type("0101999");
        QVERIFY(!ui.tkpKuupaev->TKKuupaevOige()); // below the loaded minimum 1000
    }

    void designerPlugin()
    {
#ifndef TUNDKAST_DESIGNER_PLUGIN
        QSKIP("the Designer plugin is not built");
#else
        QPluginLoader loader(QStringLiteral(TUNDKAST_DESIGNER_PLUGIN));
        QObject *instance = loader.instance();
        QVERIFY2(instance, qPrintable(loader.errorString()));
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(instance);
        QVERIFY(collection);
        QStringList names;
        for (QDesignerCustomWidgetInterface *w : collection->customWidgets()) {
            names << w->name();
            QCOMPARE(w->group(), QStringLiteral("Tundkast"));
            QCOMPARE(w->toolTip(), Tundkast::controlDescription(QStringLiteral("Tundkast.") + w->name()));
            QWidget parent;
            QWidget *created = w->createWidget(&parent);
            QVERIFY(created);
            QCOMPARE(QString::fromLatin1(created->metaObject()->className()), w->name());
            QVERIFY(w->domXml().contains(w->name()));
        }
        QCOMPARE(names, (QStringList{"TKArvuKast", "TKKellaKast", "TKKuupKast"}));
#endif
    }
};

QTEST_MAIN(tst_tundkast)
#include "tst_tundkast.moc"
