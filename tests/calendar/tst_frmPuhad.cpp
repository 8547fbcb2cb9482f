#include <QTest>
class tst_frmPuhad : public QObject { Q_OBJECT };
QTEST_MAIN(tst_frmPuhad)
#include "tst_frmPuhad.moc"
