// The always-open list under a caption field: picking by mouse and keyboard.
#include "controls/captioned_list.h"
#include "core/display_text.h"
#include "ui/screen_builder.h"

#include <QApplication>
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
    void doubleClickAndHeldKeysPickOnce_data();
    void doubleClickAndHeldKeysPickOnce();
    void clicksThroughTheWindowOnADisabledList_data();
    void clicksThroughTheWindowOnADisabledList();

private:
    QPoint rowCentre(int row) const;
    CaptionedList* list_ = nullptr;
};

void CaptionedListTest::init() {
    list_ = build::list(nullptr, QStringLiteral("ComboBox3"), QRect(0, 0, 40, 225), QStringLiteral("十"),
                        lessonDigitEntries(), QFont(), Qt::black);
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

void CaptionedListTest::doubleClickAndHeldKeysPickOnce_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("picks");
    QTest::newRow("double click as the window system sends it") << "press release double release" << 1;
    QTest::newRow("QTest's double click") << "dclick" << 1;
    QTest::newRow("two clicks") << "press release press release" << 2;
    QTest::newRow("held Enter") << "Return" << 1;
    QTest::newRow("held space") << "Space" << 1;
    QTest::newRow("held digit") << "3" << 1;
}

// On entry 3; a held key sends its press, the presses of its auto-repeat, its release.
void CaptionedListTest::doubleClickAndHeldKeysPickOnce() {
    QFETCH(QString, input);
    QFETCH(int, picks);
    QWidget* entries = list_->viewport();
    const QModelIndex three = list_->model()->index(3, 0);
    const QPoint at = list_->visualRect(three).center();
    list_->selectionModel()->setCurrentIndex(three, QItemSelectionModel::NoUpdate);
    const QHash<QString, QEvent::Type> mouse{{"press", QEvent::MouseButtonPress},
                                             {"release", QEvent::MouseButtonRelease},
                                             {"double", QEvent::MouseButtonDblClick}};
    QSignalSpy spy(list_, &CaptionedList::changed);
    for (const QString& step : input.split(u' ')) {
        if (mouse.contains(step)) {
            QMouseEvent event(mouse[step], at, entries->mapToGlobal(at), Qt::LeftButton,
                              step == "release" ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(entries, &event);
        } else if (step == "dclick") {
            QTest::mouseDClick(entries, Qt::LeftButton, {}, at);
        } else {
            const Qt::Key key = step == "Return"  ? Qt::Key_Return
                                : step == "Space" ? Qt::Key_Space
                                                  : Qt::Key_3;
            const QString text = key == Qt::Key_Return ? "\r" : key == Qt::Key_Space ? " " : step;
            for (const bool repeated : {false, true, true}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeated);
                QApplication::sendEvent(list_, &press);
            }
            QTest::keyRelease(list_, key);
        }
    }
    QCOMPARE(spy.size(), picks);
    QCOMPARE(list_->itemIndex(), 3);
}

void CaptionedListTest::clicksThroughTheWindowOnADisabledList_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("picks");
    QTest::newRow("a click on a disabled list") << false << 0;
    // As a drill's time list does: its handler disables it before the release comes.
    QTest::newRow("a pick whose handler disables the list") << true << 1;
}

// The window system hands a disabled list's mouse events on to the list
// itself; they must end there, and the program go on.
void CaptionedListTest::clicksThroughTheWindowOnADisabledList() {
    QFETCH(bool, enabled);
    QFETCH(int, picks);
    list_->setEnabled(enabled);
    connect(list_, &CaptionedList::changed, list_, [this] { list_->setEnabled(false); });
    QVERIFY(QTest::qWaitForWindowExposed(list_));
    const QPoint at =
        list_->viewport()->mapTo(list_, list_->visualRect(list_->model()->index(4, 0)).center());
    QSignalSpy spy(list_, &CaptionedList::changed);
    QTest::mouseClick(list_->windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list_->windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(spy.size(), picks);
    QVERIFY(!list_->isEnabled());
}

QTEST_MAIN(CaptionedListTest)
#include "test_captioned_list.moc"
