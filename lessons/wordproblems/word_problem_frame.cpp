#include "lessons/wordproblems/word_problem_frame.h"

#include "app/lesson_state.h"
#include "ui/look.h"
#include "ui/screen_builder.h"

WordProblemScreen::WordProblemScreen(QWidget* parent, const Layout& layout)
    : LessonScreen(parent, layout.objectName, layout.windowCaption, layout.height) {
    hasMenu_ = false;
    prompts_.waiting = prompts_.next;
    prompts_.hintHidden = QStringLiteral("「メニュー」を えらんでね！");
    prompts_.study = stepPrompt;
    explanationSteps_ = layout.steps;
    addTitle(QStringLiteral("Shape1"), layout.titleFrame, QPoint(72, 30), layout.title);
    problemLabel_ =
        build::label(this, QStringLiteral("Label5"), layout.problemAt, look::rounded(24), look::navy);
    build::label(this, QStringLiteral("Label6"), layout.stepTextAt, look::rounded(24), look::darkRed);
    addVerdictLabel(4, QRect(layout.verdictAt, QSize(54, 53)));
    addPrompt(QStringLiteral("Label3"), QPoint(80, 616), layout.pictureAt);
    const int bottom = layout.height - 100;
    addButton(ButtonRole::Next, {840, bottom - 152});
    addButton(ButtonRole::Answer, {840, bottom - 104}, layout.answerCaption);
    addButton(ButtonRole::Hint, {840, bottom - 56});
    addButton(ButtonRole::Quit, {632, bottom});
    addButton(ButtonRole::Back, {736, bottom});
    addButton(ButtonRole::Mode, {840, bottom});
    addDigitSelectors(
        {{DigitPlace::Tens, 3, {856, 224, 25, 225}}, {DigitPlace::Ones, 2, {880, 224, 25, 225}}}, 1,
        QRect(905, 224, 25, 65));
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(80, 500, 640, 400), {}, look::rounded(19),
                        look::navy),
            150, 15);
    addStatusBar(680);
    workLabels_ = {{4, 6}};
    clearWorkHidesHint_ = true;
    modeButtonClearsAfterSwitch_ = true;
    finishBuilding();
}
