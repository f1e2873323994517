// The always-open list under a caption field: picking by mouse and keyboard.
#include "controls/captioned_list.h"
#include "ui/screen_builder.h"

#include <QSignalSpy>
#include <QTest>

class CaptionedListTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete list_; }
    void clickingAnEntryPicksIt();
    void pickingAgainReplacesThePick();
    void resetRestoresTheCaptionWithoutRunningTheHandler();
    void keyboardPicks_data();
    void keyboardPicks();
    void typedDigitDoesNothingInAListWithoutDigits();

private:
    QPoint rowCentre(int row) const;
    CaptionedList* list_ = nullptr;
};

void CaptionedListTest::init() {
    list_ = build::list(nullptr, QStringLiteral("ComboBox3"), QRect(0, 0, 40, 225), QStringLiteral("十"),
                        build::digitEntries(), QFont(), Qt::black);
    list_->show();
}

QPoint CaptionedListTest::rowCentre(int row) const {
    // Found by probing, so the test does not depend on the row height.
    for (int y = 0; y < list_->height(); ++y) {
        QSignalSpy spy(list_, &CaptionedList::changed);
        QTest::mouseClick(list_, Qt::LeftButton, {}, QPoint(10, y));
        if (!spy.isEmpty() && spy.first().first().toInt() == row) {
            list_->resetSelection();
            return QPoint(10, y + 3);
        }
    }
    return {};
}

void CaptionedListTest::clickingAnEntryPicksIt() {
    const QPoint at = rowCentre(7);
    QVERIFY(!at.isNull());
    QSignalSpy spy(list_, &CaptionedList::changed);
    QTest::mouseClick(list_, Qt::LeftButton, {}, at);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toInt(), 7);
    QCOMPARE(list_->itemIndex(), 7);
    QCOMPARE(list_->text(), QStringLiteral("７\u3000"));
}

void CaptionedListTest::pickingAgainReplacesThePick() {
    QSignalSpy spy(list_, &CaptionedList::changed);
    list_->pick(2);
    list_->pick(5);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(list_->itemIndex(), 5);
    QCOMPARE(list_->text(), QStringLiteral("５"));
}

void CaptionedListTest::resetRestoresTheCaptionWithoutRunningTheHandler() {
    list_->pick(4);
    QSignalSpy spy(list_, &CaptionedList::changed);
    list_->resetSelection();
    QCOMPARE(list_->itemIndex(), -1);
    QCOMPARE(list_->text(), QStringLiteral("十"));
    QVERIFY(spy.isEmpty());
}

void CaptionedListTest::keyboardPicks_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("picked");
    QTest::newRow("typed digit picks that digit") << QList<int>{Qt::Key_7} << 7;
    QTest::newRow("arrows then Enter")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 2;
    QTest::newRow("arrows then space")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Space} << 0;
    QTest::newRow("End then Enter") << QList<int>{Qt::Key_End, Qt::Key_Enter} << 9;
}

void CaptionedListTest::keyboardPicks() {
    QFETCH(QList<int>, keys);
    QFETCH(int, picked);
    QSignalSpy spy(list_, &CaptionedList::changed);
    for (int key : keys)
        QTest::keyClick(list_, static_cast<Qt::Key>(key));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toInt(), picked);
    QCOMPARE(list_->itemIndex(), picked);
}

void CaptionedListTest::typedDigitDoesNothingInAListWithoutDigits() {
    list_->setItems({QStringLiteral("２けた"), QStringLiteral("２けたが３つ")});
    QSignalSpy spy(list_, &CaptionedList::changed);
    QTest::keyClick(list_, Qt::Key_2);
    QVERIFY(spy.isEmpty());
}

QTEST_MAIN(CaptionedListTest)
#include "test_captioned_list.moc"
