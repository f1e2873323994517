#include "lessons/wordproblems/parentheses_word_problems.h"

#include "controls/caption_label.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "core/lesson_state.h"
#include "core/random_source.h"
#include "ui/sound_cue.h"

namespace {

const QString stepCaptionAsLaidOut = QStringLiteral("ステップ");

WordProblemLayout form10Layout() {
    return {
        .objectName = QStringLiteral("Form10"),
        // Every window of the program carries its name.
        .windowCaption = QStringLiteral("ポルナ"),
        .height = LessonScreen::screenHeight,
        .title = QStringLiteral("ぶんしょうもんだい：かっこ"),
        .titleFrame = QRect(56, 22, 385, 41),
        .stepCaption = stepCaptionAsLaidOut,
        .problemAt = QPoint(80, 144),
        .stepTextAt = QPoint(80, 376),
        .verdictAt = QPoint(752, 538),
        .pictureAt = QPoint(8, 592),
        // Shown, the hint ends just above the step text rather than through its first line.
        .hintBox = QRect(80, 500, 640, 220),
        .hintLines = parenthesesHintLines(),
        .kinds = parenthesesKinds,
        .steps = parenthesesSteps,
        .controls = parenthesesDiagramControls,
        .lines = parenthesesDiagramLines(),
        .numbers = {{7, {312, 280}}, {8, {526, 280}}, {9, {608, 280}}, {10, {552, 344}}},
        .numberColor = look::navy,
        .numbersOnWindowColour = true,
        .letters = {{11, {484, 280}, QStringLiteral("A")},
                    {12, {648, 280}, QStringLiteral("B")},
                    {13, {522, 342}, QStringLiteral("C")}},
        .rowNames = {},
        .testPrompt = parenthesesIncreasePrompt(),
    };
}

} // namespace

TForm10::TForm10(QWidget* parent) : WordProblemScreen(parent, form10Layout()) {}

ParenthesesWordProblem TForm10::problem() const {
    const LessonState& s = lessonState();
    return {s.operand1, s.operand2, s.operand3};
}

bool TForm10::MakeProblem() {
    LessonState& s = lessonState();
    const ParenthesesWordProblem drawn = drawParenthesesWordProblem(randomSource());
    s.operand1 = drawn.a;
    s.operand2 = drawn.b;
    s.operand3 = drawn.c;
    if (const auto q = parenthesesQuestion(s.problemKind, drawn)) {
        s.operand4 = q->increase;
        s.correctAnswer = q->total;
        label(5)->setCaption(q->text);
    }
    return true;
}

void TForm10::CuteButton5Click() {
    stepPressed_ = true;
    // A new walk starts on an empty diagram; the press after the last step
    // goes over the finished one.
    if (parenthesesStepClearsDiagram(lessonState().explanationStep))
        clearDiagram();
    WordProblemScreen::CuteButton5Click();
}

void TForm10::ShowWorkedAnswer() {
    const LessonState& s = lessonState();
    if (const auto step = parenthesesDiagramStep(s.problemKind, s.explanationStep, problem()))
        showDiagramStep(*step);
}

AnswerTaken TForm10::takeAnswer(int entered) {
    LessonState& s = lessonState();
    s.explanationStep += 1;
    s.enteredAnswer = entered;
    const ParenthesesSubmission outcome =
        entries_.submit(s.explanationStep, entered, s.operand4, s.correctAnswer);
    if (outcome == ParenthesesSubmission::IncreaseKept)
        return AnswerTaken::partTaken(parenthesesTotalPrompt());
    return AnswerTaken::judged(outcome == ParenthesesSubmission::Right);
}

QString TForm10::completedProblem() const {
    const LessonState& s = lessonState();
    return parenthesesAnswersText(s.operand4, s.correctAnswer);
}

void TForm10::clearOwnWork() {
    if (!stepPressed_)
        button(ButtonRole::Answer)->setCaption(stepCaptionAsLaidOut);
}
