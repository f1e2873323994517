#include "lessons/wordproblems/word_problem_frame.h"

#include "controls/caption_label.h"
#include "controls/look.h"
#include "controls/zoom.h"
#include "core/lesson_state.h"
#include "core/poruna_error.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

namespace {
constexpr int numberPixels = 21;
constexpr int letterPixels = 21;
constexpr int rowNamePixels = 19;
constexpr int problemPixels = 24;
constexpr int stepTextPixels = 21;
constexpr int hintPixels = 19;
constexpr int hintTop = 150;
// The hint repeats the cue heard last.
constexpr SoundCue hintCue = SoundCue::Repeat;

// No menu: the screen opens ready for つぎへ.
LessonTraits wordProblemTraits(const WordProblemLayout& layout) {
    LessonPrompts prompts;
    if (!layout.testPrompt.isEmpty())
        prompts.test = layout.testPrompt;
    prompts.waiting = prompts.next;
    prompts.hintHidden = QStringLiteral("「メニュー」を えらんでね！");
    prompts.study = LessonScreen::stepPrompt;
    return {.modeButtonClearsAfterSwitch = true,
            .explanationSteps = layout.steps,
            .clearWorkHidesHint = true,
            .prompts = prompts};
}

} // namespace

WordProblemScreen::WordProblemScreen(QWidget* parent, const WordProblemLayout& layout)
    : LessonScreen(parent, layout.objectName, layout.windowCaption, wordProblemTraits(layout), layout.height),
      kinds_(layout.kinds), controls_(layout.controls) {

    addTitle(QStringLiteral("Shape1"), layout.titleFrame, QPoint(72, 30), layout.title);
    setProblemLabel(build::label(this, QStringLiteral("Label5"), layout.problemAt,
                                 look::rounded(problemPixels), look::navy, QStringLiteral("Label5")),
                    build::label(this, QStringLiteral("Label6"), layout.stepTextAt,
                                 look::rounded(stepTextPixels), look::darkRed, QStringLiteral("Label6")));
    addVerdictLabel(4, QRect(layout.verdictAt, QSize(54, 53)));
    label(4)->setCaption(QStringLiteral("○"));
    addPrompt(QStringLiteral("Label3"), QPoint(80, 616), layout.pictureAt);
    setPrompt(QStringLiteral("「つぎへ」ボタンですすめてね！"));

    // The buttons keep their distance from the status bar on the taller screen.
    const int bottom = layout.height - 100;
    addButton(ButtonRole::Next, {840, bottom - 152});
    addButton(ButtonRole::Answer, {840, bottom - 104}, layout.stepCaption);
    addButton(ButtonRole::Hint, {840, bottom - 56});
    addButton(ButtonRole::Quit, {632, bottom});
    addButton(ButtonRole::Back, {736, bottom});
    addButton(ButtonRole::Mode, {840, bottom});
    addDigitSelectors(
        {{DigitPlace::Tens, 3, {856, 224, 25, 225}}, {DigitPlace::Ones, 2, {880, 224, 25, 225}}}, 1,
        QRect(905, 224, 25, 65));

    QList<QWidget*> work;
    const QList<LinePicture*> pictures = addDiagramLines(this, layout.lines);
    for (int i = 0; i < pictures.size(); ++i) {
        lines_.insert(layout.lines.at(i).image, pictures.at(i));
        work << pictures.at(i);
    }
    for (const DiagramLabel& number : layout.numbers) {
        CaptionLabel* l = build::label(this, QStringLiteral("Label%1").arg(number.number), number.at,
                                       look::rounded(numberPixels), layout.numberColor);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setAutoFillBackground(layout.numbersOnWindowColour);
    }
    for (const DiagramLabel& letter : layout.letters)
        work << build::label(this, QStringLiteral("Label%1").arg(letter.number), letter.at,
                             look::rounded(letterPixels, true), look::red, letter.caption);
    for (const DiagramLabel& name : layout.rowNames)
        work << build::label(this, QStringLiteral("Label%1").arg(name.number), name.at,
                             look::rounded(rowNamePixels), look::navy, name.caption);
    // Letters and row names wait hidden until a step shows them.
    for (int n = controls_.firstNameLabel; n <= controls_.lastNameLabel; ++n)
        label(n)->hide();

    setHint(build::memo(this, QStringLiteral("Memo1"), layout.hintBox, layout.hintLines,
                        look::rounded(hintPixels), look::navy),
            hintTop, hintCue);
    addStatusBar(680);
    setWork({{4, controls_.lastNumberLabel}}, work);
    finishBuilding();
}

void WordProblemScreen::onShow() {
    lessonState().problemKind = 0;
}

void WordProblemScreen::beforeNextProblem() {
    LessonState& s = lessonState();
    s.problemKind = nextInCycle(s.problemKind, kinds_);
}

void WordProblemScreen::showDiagramStep(const DiagramStep& step) {
    label(6)->setCaption(step.text);
    for (const ShownLine& shown : step.lines) {
        LinePicture* line = diagramLine(shown.image);
        if (shown.top)
            zoom::moveTop(line, *shown.top);
        line->show();
    }
    for (const NumberCaption& number : step.numbers)
        label(number.label)->setCaption(number.text);
    for (int shown : step.shownLabels)
        label(shown)->show();
}

LinePicture* WordProblemScreen::diagramLine(int image) const {
    if (LinePicture* line = lines_.value(image))
        return line;
    throw PorunaError(QStringLiteral("%1 に Image%2 が ありません。").arg(objectName()).arg(image));
}

void WordProblemScreen::clearDiagram() {
    for (LinePicture* line : std::as_const(lines_))
        line->hide();
    for (int n = controls_.firstNumberLabel; n <= controls_.lastNumberLabel; ++n)
        label(n)->setCaption(QString());
}
