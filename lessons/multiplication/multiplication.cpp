#include "lessons/multiplication/multiplication.h"

#include "app/lesson_state.h"
#include "ui/look.h"
#include "ui/screen_builder.h"

TForm12::TForm12(QWidget* parent) : LessonScreen(parent, QStringLiteral("Form12"), QStringLiteral("ポルナ")) {
    showSetsStudyMode_ = false;
    addTitle(QStringLiteral("Shape24"), QRect(56, 22, 289, 41), QPoint(72, 30),
             QStringLiteral("かけ算：かけ算と九九"));
    problemLabel_ =
        build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(27), look::navy);
    build::label(this, QStringLiteral("Label5"), QPoint(72, 280), look::rounded(27), look::darkRed);
    build::label(this, QStringLiteral("Label6"), QPoint(184, 542), look::rounded(16), look::black);
    addVerdictLabel(7, QRect(752, 536, 54, 53));
    build::label(this, QStringLiteral("Label107"), QPoint(616, 550), look::rounded(27), look::navy);
    addPrompt(QStringLiteral("Label3"), QPoint(72, 608), QPoint(0, 592));
    addMenu(QRect(744, 22, 186, 129), QStringLiteral(" 　 メニュー"),
            {QStringLiteral("かけ算の しき"), QStringLiteral("九九の おぼえかた"),
             QStringLiteral("九九の ひょう"), QStringLiteral("九九を つかう（１）"),
             QStringLiteral("九九を つかう（２）")});
    addLessonButtons(QPoint(840, 616), QPoint(840, 464), QPoint(840, 512), QStringLiteral("こたえ"),
                     QPoint(840, 560));
    addExitButtons(QPoint(632, 616), QPoint(736, 616));
    addDigitSelectors(
        {{DigitPlace::Tens, 3, {750, 216, 60, 233}}, {DigitPlace::Ones, 2, {812, 216, 60, 233}}}, 4,
        QRect(872, 216, 58, 57));
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 400), {}, look::rounded(19),
                        look::navy),
            173, 19);
    addStatusBar(680);
    connectSharedHandlers();
}

void TForm12::FormShow() {
    lessonState().menuItem = 1;
    LessonScreen::FormShow();
}

void TForm12::ClearWork() {
    lessonState().hintShown = 0;
    clearLabels(4, 7);
    hideComboBoxes(2, 4);
    hint_->hide();
}
