#include "lessons/addsub/mental_addition.h"

#include "controls/caption_label.h"
#include "controls/look.h"
#include "core/lesson_state.h"
#include "core/random_source.h"
#include "lessons/addsub/mental_addition_problems.h"
#include "ui/screen_builder.h"

// Shown once at creation too, so the screen is ready before its first visit.
TForm3::TForm3(QWidget* parent)
    : LessonScreen(parent, QStringLiteral("Form3"), QStringLiteral("ポルナ"), {.showRunsAtCreation = true}) {
    addTitle(QStringLiteral("Shape1"), QRect(56, 22, 225, 41), QPoint(72, 30),
             QStringLiteral("たし算：あん算"));
    setProblemLabel(
        build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy));
    build::label(this, QStringLiteral("Label5"), QPoint(72, 232), look::rounded(24), look::darkRed);
    addVerdictLabel(6, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(777, 22, 153, 89), QStringLiteral("メニュー"),
            {QStringLiteral(" ２けた"), QStringLiteral(" ３けた"), QStringLiteral(" ４けた")});
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 512});
    addButton(ButtonRole::Hint, {840, 560});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    addDigitSelectors({{DigitPlace::TenThousands, 6, {784, 222, 25, 57}},
                       {DigitPlace::Thousands, 5, {808, 222, 25, 225}},
                       {DigitPlace::Hundreds, 4, {832, 222, 25, 225}},
                       {DigitPlace::Tens, 3, {856, 222, 25, 225}},
                       {DigitPlace::Ones, 2, {880, 222, 25, 225}}},
                      7, QRect(905, 222, 25, 65));
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 600, 240), mentalAdditionHint(),
                        look::rounded(19), look::navy),
            152, SoundCue::Hint);
    addStatusBar(600);
    setWork({{4, 6}});
    finishBuilding();
}

bool TForm3::MakeProblem() {
    const auto drawn = drawMentalAddition(lessonState().menuItem, randomSource());
    if (!drawn)
        return false;
    LessonState& s = lessonState();
    s.operand1 = drawn->a;
    s.operand2 = drawn->b;
    s.correctAnswer = s.operand1 + s.operand2;
    label(4)->setCaption(openAddition(s.operand1, s.operand2));
    return true;
}

QString TForm3::completedProblem() const {
    return completedAddition(lessonState().operand1, lessonState().operand2);
}

void TForm3::ShowWorkedAnswer() {
    const LessonState& s = lessonState();
    label(4)->setCaption(completedProblem());
    if (const auto text = mentalAdditionExplanation(s.menuItem, s.operand1, s.operand2))
        label(5)->setCaption(*text);
}
