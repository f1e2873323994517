#include "lessons/wordproblems/addsub_word_problems.h"

#include "controls/caption_label.h"
#include "controls/look.h"
#include "core/lesson_state.h"
#include "core/random_source.h"

namespace {

WordProblemLayout form9Layout() {
    return {
        .objectName = QStringLiteral("Form9"),
        .windowCaption = QStringLiteral("ポルナ"),
        .height = 738,
        .title = QStringLiteral("ぶんしょう もんだい：たし算とひき算"),
        .titleFrame = QRect(56, 22, 497, 41),
        .stepCaption = QStringLiteral("ステップ１"),
        .problemAt = QPoint(80, 152),
        .stepTextAt = QPoint(80, 288),
        .verdictAt = QPoint(760, 536),
        .pictureAt = QPoint(8, 600),
        // Shown, the hint ends just above the step text rather than through its first line.
        .hintBox = QRect(80, 500, 640, 132),
        .hintLines = addSubHintLines(),
        .kinds = addSubKinds,
        .steps = addSubSteps,
        .controls = addSubDiagramControls,
        .lines = addSubDiagramLines(),
        .numbers = {{7, {312, 440}},
                    {8, {368, 440}},
                    {9, {524, 440}},
                    {10, {312, 512}},
                    {11, {368, 512}},
                    {12, {524, 512}}},
        .numberColor = look::black,
        .numbersOnWindowColour = false,
        .letters = {{13, {176, 440}, QStringLiteral("A")},
                    {14, {472, 440}, QStringLiteral("B")},
                    {15, {576, 440}, QStringLiteral("C")},
                    {16, {480, 512}, QStringLiteral("D")}},
        .rowNames = {{17, {80, 460}, QStringLiteral("白いはこ")},
                     {18, {80, 492}, QStringLiteral("赤いはこ")}},
    };
}

} // namespace

TForm9::TForm9(QWidget* parent) : WordProblemScreen(parent, form9Layout()) {}

AddSubWordProblem TForm9::problem() const {
    const LessonState& s = lessonState();
    return {s.operand1, s.operand2};
}

std::optional<AddSubQuestion> TForm9::question() const {
    return addSubQuestion(lessonState().problemKind, problem());
}

bool TForm9::MakeProblem() {
    LessonState& s = lessonState();
    const AddSubWordProblem drawn = drawAddSubWordProblem(randomSource());
    s.operand1 = drawn.a;
    s.operand2 = drawn.b;
    s.correctAnswer = drawn.sum();
    if (const auto q = question())
        label(5)->setCaption(q->text);
    return true;
}

void TForm9::ShowWorkedAnswer() {
    const LessonState& s = lessonState();
    if (const auto step = addSubDiagramStep(s.problemKind, s.explanationStep, problem()))
        showDiagramStep(*step);
}

int TForm9::expectedAnswer() const {
    const auto q = question();
    return q ? q->answer : lessonState().correctAnswer;
}

QString TForm9::completedProblem() const {
    const auto q = question();
    return q ? q->equation : QString();
}
