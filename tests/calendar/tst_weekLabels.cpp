#include <QTest>
class tst_weekLabels : public QObject { Q_OBJECT };
QTEST_MAIN(tst_weekLabels)
#include "tst_weekLabels.moc"
