// A child presses everything, in every order: the whole program under a seeded
// random child (tests/support/random_child.h), every promise checked after
// every event. A failure names its seed, its event and the events before it.
//
//   RANDOM_USE_EVENTS  how many events in all (10000 by default), shared among the seeds
//   RANDOM_USE_SEED    the seeds to run instead of the fixed ones, comma separated
//   RANDOM_USE_TRACE=1 prints every event as it is fired, to replay a failure
//
// This executable lies in the program folder, beside oto/, so the cues are
// opened where the program looks for them.
#include "tests/support/random_child.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

int eventsInAll() {
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("RANDOM_USE_EVENTS", &ok);
    return ok && events > 0 ? events : 10000;
}

QList<unsigned> seeds() {
    QList<unsigned> seeds;
    for (const QString& s : qEnvironmentVariable("RANDOM_USE_SEED").split(u',', Qt::SkipEmptyParts))
        seeds << s.trimmed().toUInt();
    return seeds.isEmpty() ? QList<unsigned>{1, 2, 3, 4} : seeds;
}

} // namespace

class RandomUseTest : public QObject {
    Q_OBJECT
private slots:
    void everyPromiseHoldsUnderRandomUse_data();
    void everyPromiseHoldsUnderRandomUse();
};

void RandomUseTest::everyPromiseHoldsUnderRandomUse_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("events");
    const QList<unsigned> all = seeds();
    const int each = std::max(1, eventsInAll() / int(all.size()));
    for (unsigned seed : all)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << each;
}

void RandomUseTest::everyPromiseHoldsUnderRandomUse() {
    QFETCH(unsigned, seed);
    QFETCH(int, events);
    // Said first, so that a crash still tells which seed to replay.
    qInfo("seed %u, %d events", seed, events);
    RandomChild child(seed, events, qEnvironmentVariableIntValue("RANDOM_USE_TRACE") == 1);
    QElapsedTimer took;
    took.start();
    const QString broken = child.run();
    qInfo("seed %u: %d events in %lld ms; %s", seed, events, took.elapsed(), qPrintable(child.summary()));
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_MAIN(RandomUseTest)
#include "test_random_use.moc"
