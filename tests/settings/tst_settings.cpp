#include "SettingsStore.h"

#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(true); }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
