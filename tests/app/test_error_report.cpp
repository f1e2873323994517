// The standard error report: one box at a time, whatever fails while it is open.
#include "core/error_report.h"
#include "core/poruna_error.h"
#include "tests/support/fakes.h"

#include <QTest>

namespace {
void fail(const QString& message) {
    runGuarded([&] { throw PorunaError(message); });
}
} // namespace

class ErrorReportTest : public QObject {
    Q_OBJECT
private slots:
    void failuresWhileAReportIsOpenWaitForIt_data();
    void failuresWhileAReportIsOpenWaitForIt();
};

void ErrorReportTest::failuresWhileAReportIsOpenWaitForIt_data() {
    QTest::addColumn<QStringList>("whileOpen"); // failures while the first report (A) is open
    QTest::addColumn<QStringList>("afterwards");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("one failure alone") << QStringList{} << QStringList{} << QStringList{"A"};
    QTest::newRow("another failure is shown after the open one")
        << QStringList{"B"} << QStringList{} << QStringList{"A", "B"};
    QTest::newRow("the open message again is not shown twice")
        << QStringList{"A", "B", "B", "C"} << QStringList{} << QStringList{"A", "B", "C"};
    QTest::newRow("once closed, the same failure is told again")
        << QStringList{} << QStringList{"A"} << QStringList{"A", "A"};
}

void ErrorReportTest::failuresWhileAReportIsOpenWaitForIt() {
    QFETCH(QStringList, whileOpen);
    QFETCH(QStringList, afterwards);
    QFETCH(QStringList, shown);
    FakePlatform platform;
    platform.boxes->whileReportOpen = [&] {
        for (const QString& message : whileOpen)
            fail(message);
        // Nothing more was shown while A stood open.
        QCOMPARE(platform.boxes->shown.size(), 1);
    };
    fail(QStringLiteral("A"));
    for (const QString& message : afterwards)
        fail(message);
    QStringList expected;
    for (const QString& message : shown)
        expected << QStringLiteral("error: ") + message;
    QCOMPARE(platform.boxes->shown, expected);
}

QTEST_MAIN(ErrorReportTest)
#include "test_error_report.moc"
