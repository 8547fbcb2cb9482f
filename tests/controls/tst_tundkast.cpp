// The library as the program meets it: creation by class name, the
// descriptions, the event interface, a Designer form that sets the
// persisted limits, and the Designer plugin.
#include "tkhelpers.h"

#include "ui_tundkastform.h"

#include <tundkast/tundkast.h>

#include <QMetaMethod>
#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

using namespace tktest;

class TestTundkast : public QObject
{
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

    void signalParametersAreCopies()
    {
        // A handler that writes to the parameters changes nothing in the box.
        TKKuupKast box;
        connect(&box, &TKKuupKast::TKChange, &box, [](bool &before, bool &valid) {
            before = false;
            valid = true;
        });
        box.TKClear();
        QVERIFY(box.TKEnneGregoriust());
        QVERIFY(!box.TKKuupaevOige());
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

QTEST_MAIN(TestTundkast)
#include "tst_tundkast.moc"
