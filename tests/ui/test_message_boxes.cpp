// The real confirmation box: which answer each way of leaving it gives.
#include "core/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

class MessageBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Seam<MessageBoxes>::install(nullptr); }
    void confirmationAnswer_data();
    void confirmationAnswer();
    void confirmationShowsTheQuestionWithItsCaptionAndButtons();
};

namespace {
QMessageBox* openBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}
} // namespace

void MessageBoxesTest::confirmationAnswer_data() {
    using Leave = std::function<void(QMessageBox*)>;
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<ConfirmAnswer>("answer");
    QTest::newRow("Enter answers はい")
        << Leave([](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); }) << ConfirmAnswer::Yes;
    QTest::newRow("Esc answers いいえ")
        << Leave([](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }) << ConfirmAnswer::No;
    QTest::newRow("いいえ clicked") << Leave([](QMessageBox* b) { b->buttons().at(1)->click(); })
                                    << ConfirmAnswer::No;
    QTest::newRow("close box is not いいえ")
        << Leave([](QMessageBox* b) { b->close(); }) << ConfirmAnswer::ClosedByBox;
}

void MessageBoxesTest::confirmationAnswer() {
    using Leave = std::function<void(QMessageBox*)>;
    QFETCH(Leave, leave);
    QFETCH(ConfirmAnswer, answer);
    bool found = false;
    QTimer::singleShot(0, [&] {
        if (QMessageBox* box = openBox()) {
            found = true;
            leave(box);
        }
    });
    QCOMPARE(messageBoxes().confirm(QStringLiteral("おわっても いいの？")), answer);
    QVERIFY(found);
}

void MessageBoxesTest::confirmationShowsTheQuestionWithItsCaptionAndButtons() {
    QString title, text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = openBox();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    messageBoxes().confirm(QStringLiteral("おわっても いいの？"));
    QCOMPARE(title, QStringLiteral("確認"));
    QCOMPARE(text, QStringLiteral("おわっても いいの？"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QStringList({"はい(&Y)", "いいえ(&N)"}));
}

QTEST_MAIN(MessageBoxesTest)
#include "test_message_boxes.moc"
