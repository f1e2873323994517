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
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 512});
    addButton(ButtonRole::Hint, {840, 560});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    addDigitSelectors(
        {{DigitPlace::Tens, 3, {750, 216, 60, 233}}, {DigitPlace::Ones, 2, {812, 216, 60, 233}}}, 4,
        QRect(872, 216, 58, 57));
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 400), {}, look::rounded(19),
                        look::navy),
            173, 19);
    addStatusBar(680);
    workLabels_ = {{4, 7}};
    clearWorkHidesHint_ = true;
    clearWorkDisablesNext_ = true;
    clearWorkDisablesAnswer_ = true;
    digitsStoreBareDigit_ = true;
    finishBuilding();
}

void TForm12::onShow() {
    lessonState().menuItem = 1;
}
