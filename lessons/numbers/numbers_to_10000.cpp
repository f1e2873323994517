#include "lessons/numbers/numbers_to_10000.h"

#include "app/lesson_state.h"
#include "ui/look.h"
#include "ui/screen_builder.h"

TForm2::TForm2(QWidget* parent) : LessonScreen(parent, QStringLiteral("Form2"), QStringLiteral("ポルナ")) {
    addTitle(QStringLiteral("Shape1"), QRect(56, 22, 289, 41), QPoint(72, 30), QStringLiteral("数：１００００まで"));
    build::label(this, QStringLiteral("Label6"), QPoint(72, 110), look::rounded(21), look::navy);
    problemLabel_ = build::label(this, QStringLiteral("Label3"), QPoint(72, 158), look::rounded(27), look::navy);
    build::label(this, QStringLiteral("Label4"), QPoint(72, 342), look::rounded(27), look::darkRed);
    addVerdictLabel(5, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label2"), QPoint(64, 606), QPoint(0, 582));
    addMenu(QRect(777, 22, 153, 89), QStringLiteral("　  メニュー"),
            {QStringLiteral("数のあつまり１"), QStringLiteral("数のあつまり２"), QStringLiteral("かん字を数字へ")});
    addDigitSelectors({{DigitPlace::TenThousands, 7, {784, 222, 25, 57}},
                       {DigitPlace::Thousands, 6, {808, 222, 25, 225}},
                       {DigitPlace::Hundreds, 5, {832, 222, 25, 225}},
                       {DigitPlace::Tens, 4, {856, 222, 25, 225}},
                       {DigitPlace::Ones, 3, {880, 222, 25, 225}}},
                      2, QRect(905, 222, 25, 65));
    addLessonButtons(QPoint(840, 608), QPoint(840, 464), QPoint(840, 510), QStringLiteral("こたえ"),
                     QPoint(840, 560));
    addExitButtons(QPoint(632, 608), QPoint(736, 608));
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 590, 625, 363), {}, look::rounded(19), look::navy),
            120, 19);
    addStatusBar(680);
    connectSharedHandlers();
}

void TForm2::ClearWork() {
    lessonState().hintShown = 0;
    clearLabels(3, 6);
    hideComboBoxes(2, 7);
    hint_->hide();
}
