#include "controls/cute_button.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using Bevel = TCuteButton::BevelCut;
using Align = TCuteButton::CaptionAlignment;

namespace {

const QColor face(0xFF, 0xA6, 0xFF), highlight(0xFF, 0xFF, 0x00), shadow(0x00, 0x00, 0xFF);
const QColor ink(0xFF, 0x00, 0x00), systemLight(0x00, 0xFF, 0xFF), systemDark(0x80, 0x00, 0x00);

// Text is drawn without antialiasing, so its colours stay exact.
QRect boxOf(const QImage& image, const QColor& color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage picture(TCuteButton* b) {
    return b->grab().toImage();
}

} // namespace

class TestCuteButton : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> host_;
    TCuteButton* a_ = nullptr;
    TCuteButton* b_ = nullptr;
    QPoint pointer_;

    QWindow* window() const { return host_->windowHandle(); }
    QPoint centreOf(TCuteButton* b) const { return b->mapTo(host_.get(), b->rect().center()); }
    // Through the cursor, so that QCursor::pos() agrees with the events.
    void moveTo(QPoint inHost) {
        pointer_ = inHost;
        QCursor::setPos(host_->mapToGlobal(inHost));
        QCoreApplication::processEvents();
    }
    void press() { QTest::mousePress(window(), Qt::LeftButton, {}, pointer_); }
    void release() { QTest::mouseRelease(window(), Qt::LeftButton, {}, pointer_); }

    // A key held down: its press, the presses its auto-repeat sends, its release.
    void holdKey(Qt::Key key) {
        const QString text = key == Qt::Key_Return ? QStringLiteral("\r") : QStringLiteral(" ");
        for (bool repeated : {false, true, true, true}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeated);
            QApplication::sendEvent(a_, &press);
        }
        QTest::keyRelease(a_, key);
    }

    // Plays a script of user actions on the first button.
    void play(const QString& steps, QWidget& otherWindow) {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "hover" || step == "on")
                moveTo(centreOf(a_));
            else if (step == "off")
                moveTo(QPoint(230, 100));
            else if (step == "toB")
                moveTo(centreOf(b_));
            else if (step == "press")
                press();
            else if (step == "release")
                release();
            else if (step == "clickB")
                moveTo(centreOf(b_)), press(), release();
            else if (step == "focus")
                a_->setFocus(Qt::TabFocusReason);
            else if (step == "disable")
                a_->setEnabled(false);
            else if (step == "sendsOn") // the click's handler moves the focus to the other button
                connect(a_, &TCuteButton::clicked, b_, [this] { b_->setFocus(Qt::OtherFocusReason); });
            else if (step == "space")
                QTest::keyPress(a_, Qt::Key_Space);
            else if (step == "spaceUp")
                QTest::keyRelease(a_, Qt::Key_Space);
            else if (step == "key")
                QTest::keyClick(a_, Qt::Key_A);
            else if (step == "enter")
                QTest::keyClick(a_, Qt::Key_Return);
            else if (step == "enterHeld" || step == "spaceHeld")
                holdKey(step == "enterHeld" ? Qt::Key_Return : Qt::Key_Space);
            else if (step == "alt")
                QTest::keyClick(host_.get(), Qt::Key_G, Qt::AltModifier);
            else if (step == "away" || step == "back") {
                QWidget* w = step == "away" ? &otherWindow : host_.get();
                w->show();
                w->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(w));
            } else
                QFAIL(qPrintable("unknown step " + step));
        }
    }

private slots:
    void init() {
        host_ = std::make_unique<QWidget>();
        host_->setGeometry(100, 100, 260, 120);
        QFont font;
        font.setPixelSize(14);
        font.setStyleStrategy(QFont::NoAntialias);
        for (TCuteButton** b : {&a_, &b_}) {
            *b = new TCuteButton(host_.get());
            (*b)->setColor(face);
            (*b)->setFontColor(ink);
            (*b)->setFont(font);
            (*b)->setBevelHighlightColor(highlight);
            (*b)->setBevelShadowColor(shadow);
            QPalette palette = (*b)->palette();
            palette.setColor(QPalette::Light, systemLight);
            palette.setColor(QPalette::Dark, systemDark);
            (*b)->setPalette(palette);
        }
        a_->move(20, 20);
        a_->setCaption(QStringLiteral("&Go"));
        b_->move(140, 20);
        host_->show();
        host_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host_.get()));
        // Qt drops a move to where the pointer already was, and the new
        // window has to learn where the pointer is.
        moveTo(QPoint(250, 110));
        moveTo(QPoint(251, 111));
        // Keeps the first button from taking the focus with the window.
        host_->setFocusPolicy(Qt::StrongFocus);
        host_->setFocus();
    }

    void cleanup() { host_.reset(); }

    void stateTable_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("tabFocusUp");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<Bevel>("bevel");
        QTest::newRow("at rest") << "" << true << 0 << Bevel::None;
        QTest::newRow("hovered") << "hover" << true << 0 << Bevel::Raised;
        QTest::newRow("pressed") << "hover press" << true << 0 << Bevel::Lowered;
        QTest::newRow("focused") << "focus" << true << 0 << Bevel::Raised;
        QTest::newRow("focused, no TabFocusUp") << "focus" << false << 0 << Bevel::None;
        QTest::newRow("pressed and moved off") << "hover press off" << true << 0 << Bevel::Lowered;
        QTest::newRow("pressed and moved off, no TabFocusUp")
            << "hover press off" << false << 0 << Bevel::None;
        QTest::newRow("released off") << "hover press off release" << true << 0 << Bevel::Raised;
        QTest::newRow("released off, no TabFocusUp")
            << "hover press off release" << false << 0 << Bevel::None;
        QTest::newRow("off and back on") << "hover press off on release" << false << 1 << Bevel::Raised;
        QTest::newRow("clicked, pointer gone") << "hover press release toB" << true << 1 << Bevel::Raised;
        QTest::newRow("clicked, pointer gone, no TabFocusUp")
            << "hover press release toB" << false << 1 << Bevel::None;
        QTest::newRow("clicked, then another button")
            << "hover press release clickB" << true << 1 << Bevel::None;
        QTest::newRow("press activating the window")
            << "away hover press back" << true << 0 << Bevel::Lowered;
        QTest::newRow("space") << "focus space spaceUp" << true << 1 << Bevel::Raised;
        QTest::newRow("space cancelled by a key") << "focus space key spaceUp" << true << 0 << Bevel::Raised;
        QTest::newRow("space cancelled, no TabFocusUp")
            << "focus space key spaceUp" << false << 0 << Bevel::None;
        QTest::newRow("Enter") << "focus enter" << true << 1 << Bevel::Raised;
        QTest::newRow("held Enter") << "focus enterHeld" << true << 1 << Bevel::Raised;
        QTest::newRow("held space") << "focus spaceHeld" << true << 1 << Bevel::Raised;
        QTest::newRow("accelerator") << "alt" << true << 1 << Bevel::Raised;
        // The click's handler sent the focus on: no bevel, as when the focus is lost.
        QTest::newRow("Enter sends the focus on") << "sendsOn focus enter" << true << 1 << Bevel::None;
        QTest::newRow("space sends the focus on")
            << "sendsOn focus space spaceUp" << true << 1 << Bevel::None;
        // Disabling keeps the bevel and gives the focus to no other button.
        QTest::newRow("disabled, mouse") << "focus disable hover press release" << true << 0 << Bevel::Raised;
        QTest::newRow("disabled, space") << "focus disable space spaceUp" << true << 0 << Bevel::Raised;
        QTest::newRow("disabled, Enter") << "focus disable enter" << true << 0 << Bevel::Raised;
        QTest::newRow("disabled, accelerator") << "focus disable alt" << true << 0 << Bevel::Raised;
    }

    void stateTable() {
        QFETCH(QString, steps);
        QFETCH(bool, tabFocusUp);
        QFETCH(int, clicks);
        QFETCH(Bevel, bevel);
        a_->setTabFocusUp(tabFocusUp);
        QSignalSpy clicked(a_, &TCuteButton::clicked);
        QWidget otherWindow;
        otherWindow.setGeometry(400, 300, 50, 50);
        play(steps, otherWindow);

        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(a_->bevelOuter(), bevel);
        const QImage image = picture(a_);
        const QPoint last(a_->width() - 1, a_->height() - 1);
        const QColor topLeft = bevel == Bevel::None ? face : bevel == Bevel::Raised ? highlight : shadow;
        const QColor bottomRight = bevel == Bevel::None ? face : bevel == Bevel::Raised ? shadow : highlight;
        QCOMPARE(image.pixelColor(0, 0), topLeft);
        QCOMPARE(image.pixelColor(last), bottomRight);
        QCOMPARE(image.pixelColor(1, 1), highlight); // the inner bevel stays raised
        QCOMPARE(image.pixelColor(last - QPoint(1, 1)), shadow);
        if (steps.contains("disable"))
            QCOMPARE(b_->bevelOuter(), Bevel::None);
    }

    void pressedCaptionMovesTwoPixelsRightAndDown_data() {
        QTest::addColumn<Align>("alignment");
        QTest::newRow("centred") << Align::Center;
        QTest::newRow("left, after its margin") << Align::Left;
    }

    void pressedCaptionMovesTwoPixelsRightAndDown() {
        QFETCH(Align, alignment);
        a_->setAlignment(alignment);
        a_->setCaptionLayout(TCuteButton::CaptionLayout::Top);
        const QRect withoutMargins = boxOf(picture(a_), ink);
        a_->setMarginX(3);
        a_->setMarginY(1);
        const QRect atRest = boxOf(picture(a_), ink);
        const int marginX = alignment == Align::Left ? 3 : 0; // only the aligned side has one
        QCOMPARE(atRest.topLeft(), withoutMargins.topLeft() + QPoint(marginX, 1));
        a_->setBevelOuter(Bevel::Lowered);
        QCOMPARE(boxOf(picture(a_), ink).topLeft(), atRest.topLeft() + QPoint(2, 2));
    }

    void disabledCaptionIsEngraved_data() {
        QTest::addColumn<bool>("useDisabledColor");
        QTest::addColumn<QColor>("expectedFace");
        QTest::newRow("face colour kept") << false << face;
        QTest::newRow("disabled face colour") << true << QColor(128, 128, 128);
    }

    // In the system button colours, which the bevels start with; the disabled
    // palette's own shades (#BEBEBE in Qt's palette) are too faint to read.
    void disabledCaptionIsEngraved() {
        QFETCH(bool, useDisabledColor);
        QFETCH(QColor, expectedFace);
        QCOMPARE(TCuteButton().bevelShadowColor(),
                 QApplication::palette().color(QPalette::Active, QPalette::Dark));
        const QColor faintLight(0xF0, 0xF0, 0xF1), faintDark(0xBE, 0xBE, 0xBF);
        QPalette palette = a_->palette();
        palette.setColor(QPalette::Disabled, QPalette::Light, faintLight);
        palette.setColor(QPalette::Disabled, QPalette::Dark, faintDark);
        a_->setPalette(palette);
        a_->setUseDisabledColor(useDisabledColor);
        a_->setEnabled(false);
        const QImage image = picture(a_);
        QCOMPARE(image.pixelColor(2, 2), expectedFace);
        QVERIFY(boxOf(image, ink).isEmpty());
        QVERIFY(boxOf(image, faintLight).isEmpty() && boxOf(image, faintDark).isEmpty());
        const QRect dark = boxOf(image, systemDark);
        QVERIFY(!dark.isEmpty());
        // The light copy lies 1 px right and down, under the dark one.
        QCOMPARE(boxOf(image, systemLight).bottomRight(), dark.bottomRight() + QPoint(1, 1));
    }

    void captionThatDoesNotFitIsClippedToOneLine_data() {
        QTest::addColumn<Bevel>("outer");
        QTest::addColumn<int>("left");
        QTest::newRow("at rest") << Bevel::None << 2;
        QTest::newRow("pressed") << Bevel::Lowered << 4;
    }

    void captionThatDoesNotFitIsClippedToOneLine() {
        QFETCH(Bevel, outer);
        QFETCH(int, left);
        a_->resize(75, 60);
        a_->setCaption(QStringLiteral("WWWWWWWWWWWWWWWW\nWWWWWWWWWWWWWWWW"));
        a_->setBevelOuter(outer);
        const QRect text = boxOf(picture(a_), ink);
        QCOMPARE(text.left(), left);
        QCOMPARE(text.right(), 75 - 3);
        QVERIFY2(text.height() < 20, "painted on one line");
    }

    void dropDownMenuSharesThePress_data() {
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("menus");
        QTest::addColumn<int>("clicks");
        QTest::newRow("no delay, mouse") << 0 << "press release" << 1 << 0;
        QTest::newRow("no delay, space") << 0 << "space spaceUp" << 1 << 0;
        QTest::newRow("no delay, Enter") << 0 << "enter" << 1 << 0;
        QTest::newRow("delay, quick click") << 150 << "press release" << 0 << 1;
        QTest::newRow("delay, held mouse") << 150 << "press hold release" << 1 << 0;
        QTest::newRow("delay, held mouse moved off and back") << 150 << "press hold off on release" << 1 << 0;
        QTest::newRow("delay, held space") << 150 << "space hold spaceUp" << 1 << 0;
    }

    void dropDownMenuSharesThePress() {
        QFETCH(int, delay);
        QFETCH(QString, steps);
        QFETCH(int, menus);
        QFETCH(int, clicks);
        QMenu menu;
        menu.addAction(QStringLiteral("one"));
        int shown = 0;
        QPoint shownAt;
        connect(&menu, &QMenu::aboutToShow, &menu, [&] {
            ++shown;
            QTimer::singleShot(0, &menu, [&] { shownAt = menu.pos(), menu.close(); });
        });
        a_->setDropDownMenu(&menu);
        a_->setDropDownDelay(delay);
        QSignalSpy clicked(a_, &TCuteButton::clicked);
        QWidget unused;
        play("focus hover", unused);
        for (const QString& step : steps.split(' '))
            step == "hold" ? QTest::qWait(delay + 200) : play(step, unused);
        QTest::qWait(delay + 50); // a timer left running would show the menu late

        QCOMPARE(shown, menus);
        QCOMPARE(clicked.count(), clicks);
        if (menus > 0)
            QCOMPARE(shownAt, a_->mapToGlobal(QPoint(0, a_->height())));
    }

    void clicksQueuedDuringTheHandlerAreDropped_data() {
        QTest::addColumn<bool>("egnoreContClick");
        QTest::addColumn<int>("handled");
        QTest::newRow("queued click handled") << false << 2;
        QTest::newRow("queued click dropped") << true << 1;
    }

    void clicksQueuedDuringTheHandlerAreDropped() {
        QFETCH(bool, egnoreContClick);
        QFETCH(int, handled);
        a_->setEgnoreContClick(egnoreContClick);
        int calls = 0;
        connect(a_, &TCuteButton::clicked, this, [&] {
            if (++calls > 1)
                return;
            const QPointF at = a_->rect().center();
            for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    a_, new QMouseEvent(type, at, a_->mapToGlobal(at), Qt::LeftButton,
                                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                        Qt::NoModifier));
        });
        a_->click();
        QCoreApplication::processEvents();
        QCOMPARE(calls, handled);
        a_->click();
        QCOMPARE(calls, handled + 1); // the guard is lifted afterwards
    }
};

QTEST_MAIN(TestCuteButton)
#include "test_cute_button.moc"
