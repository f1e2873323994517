#include "core/clock.h"

#include <QTest>

class ClockTest : public QObject {
    Q_OBJECT
private slots:
    void statusBarClockText_data();
    void statusBarClockText();
};

void ClockTest::statusBarClockText_data() {
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("text");
    const QDate day(2026, 12, 8);
    QTest::newRow("just after midnight is 12 AM") << QDateTime(day, QTime(0, 5)) << "12/08  12:05 AM";
    QTest::newRow("noon half past is 12 PM") << QDateTime(day, QTime(12, 30)) << "12/08  12:30 PM";
    QTest::newRow("afternoon on 8 December") << QDateTime(day, QTime(15, 7)) << "12/08  03:07 PM";
    QTest::newRow("last minute before noon")
        << QDateTime(QDate(2027, 1, 3), QTime(11, 59)) << "01/03  11:59 AM";
}

void ClockTest::statusBarClockText() {
    QFETCH(QDateTime, at);
    QFETCH(QString, text);
    QCOMPARE(clockText(at), text);
}

QTEST_MAIN(ClockTest)
#include "test_clock.moc"
