#include "lessons/addsub/mental_subtraction.h"

#include "controls/caption_label.h"
#include "controls/look.h"
#include "core/lesson_state.h"
#include "core/random_source.h"
#include "lessons/addsub/mental_subtraction_problems.h"
#include "ui/screen_builder.h"

TForm6::TForm6(QWidget* parent)
    : LessonScreen(parent, QStringLiteral("Form6"), QStringLiteral("ポルナ"),
                   {.prompts = {.test = mentalSubtractionTestPrompt}}) {
    addTitle(QStringLiteral("Shape1"), QRect(56, 22, 225, 41), QPoint(72, 30),
             QStringLiteral("ひき算：あん算"));
    setProblemLabel(
        build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy));
    build::label(this, QStringLiteral("Label5"), QPoint(72, 232), look::rounded(24), look::darkRed);
    addVerdictLabel(6, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(777, 22, 153, 89), QStringLiteral("メニュー"),
            {QStringLiteral(" ２けた"), QStringLiteral(" ３けた"), QStringLiteral(" ４けた")});
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 512});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    addDigitSelectors({{DigitPlace::Thousands, 5, {808, 222, 25, 225}},
                       {DigitPlace::Hundreds, 4, {832, 222, 25, 225}},
                       {DigitPlace::Tens, 3, {856, 222, 25, 225}},
                       {DigitPlace::Ones, 2, {880, 222, 25, 225}}},
                      6, QRect(905, 222, 25, 65));
    addStatusBar(600);
    setWork({{4, 6}});
    finishBuilding();
}

bool TForm6::MakeProblem() {
    const auto drawn = drawMentalSubtraction(lessonState().menuItem, randomSource());
    if (!drawn)
        return false;
    LessonState& s = lessonState();
    s.operand1 = drawn->a;
    s.operand2 = drawn->b;
    s.correctAnswer = drawn->difference();
    label(4)->setCaption(openSubtraction(s.operand1, s.operand2));
    return true;
}

QString TForm6::completedProblem() const {
    return completedSubtraction(lessonState().operand1, lessonState().operand2);
}

void TForm6::ShowWorkedAnswer() {
    const LessonState& s = lessonState();
    label(4)->setCaption(completedProblem());
    if (const auto text = mentalSubtractionExplanation(s.menuItem, s.operand1, s.operand2))
        label(5)->setCaption(*text);
}
