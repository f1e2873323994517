#include "lessons/addsub/column_subtraction.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/look.h"
#include "controls/shape.h"
#include "core/display_text.h"
#include "core/lesson_state.h"
#include "core/random_source.h"
#include "lessons/addsub/column_board.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

namespace {

QStringList answerEntries() {
    return lessonDigitEntries(QStringLiteral("\u3000"));
}

const QString answerCaption = QStringLiteral("こたえ");
// The borrow marks stand above the tens and hundreds of A, the top row.
constexpr int markTop = 264;
constexpr int tensPlace = 1;
constexpr int hundredsPlace = 2;

} // namespace

TForm7::~TForm7() = default;

TForm7::TForm7(QWidget* parent)
    : LessonScreen(parent, QStringLiteral("Form7"), QStringLiteral("ひきざん"),
                   {.modeButtonClearsAfterSwitch = true,
                    .explanationSteps = columnSubtractionSteps,
                    .clearWorkHidesHint = true,
                    .prompts = {.study = stepPrompt,
                                .test = columnOnesPrompt,
                                .hintHidden = QStringLiteral("「メニュー」を えらんでね！")}}) {
    addTitle(QStringLiteral("Shape4"), QRect(56, 22, 225, 41), QPoint(72, 30),
             QStringLiteral("ひき算：ひっ算"));
    setProblemLabel(
        build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy));
    build::label(this, QStringLiteral("Label5"), QPoint(72, 232), look::rounded(24), look::darkRed);
    board_ = std::make_unique<ColumnBoard>(this, QList<int>{7, 8}, ColumnBoard::DigitCells::StrikeWide);
    board_->addMark(QStringLiteral("Label10"), tensPlace, markTop);
    board_->addMark(QStringLiteral("Label13"), hundredsPlace, markTop);
    tensStrike_ = board_->addStrike(QStringLiteral("Shape2"), tensPlace);
    hundredsStrike_ = board_->addStrike(QStringLiteral("Shape3"), hundredsPlace);
    addVerdictLabel(12, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(777, 22, 153, 73), QStringLiteral("  メニュー"),
            {QStringLiteral("２けたから"), QStringLiteral("３けたから")});
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 512}, QStringLiteral("ステップ１"));
    addButton(ButtonRole::Hint, {840, 560});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    // One list takes the answer a column at a time, the ones first.
    addDigitSelectors({{DigitPlace::Ones, 2, QRect(864, 222, 66, 225), answerCaption, answerEntries()}}, 0,
                      {}, {.storesBareDigit = true, .eachPickSubmits = true});
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 500), columnSubtractionHint(),
                        look::rounded(19), look::navy),
            80, SoundCue::Repeat);
    addStatusBar(600);
    setWork({{4, 5}, {7, 13}}, {board_->line(), tensStrike_, hundredsStrike_});
    finishBuilding();
}

SubtractionProblem TForm7::problem() const {
    return {lessonState().operand1, lessonState().operand2};
}

bool TForm7::MakeProblem() {
    LessonState& s = lessonState();
    const auto drawn = drawColumnSubtraction(s.menuItem, randomSource());
    if (!drawn)
        return false;
    s.operand1 = drawn->a;
    s.operand2 = drawn->b;
    s.correctAnswer = drawn->difference();
    drawnFor_ = s.menuItem;
    label(4)->setCaption(openSubtraction(drawn->a, drawn->b));
    return true;
}

QString TForm7::completedProblem() const {
    return completedSubtraction(lessonState().operand1, lessonState().operand2);
}

void TForm7::ShowWorkedAnswer() {
    const SubtractionProblem p = problem();
    board_->draw({p.a, p.b}, QStringLiteral("-"));
    // Nothing here takes a mark away: a second pass through the steps keeps
    // the marks of the first.
    const ColumnSubtractionStep step = columnSubtractionStep(drawnFor_, p, lessonState().explanationStep);
    label(5)->setCaption(step.explanation);
    board_->writeUnderLine(step.differenceRow);
    if (step.tensMark)
        label(10)->setCaption(*step.tensMark);
    if (step.hundredsMark)
        label(13)->setCaption(*step.hundredsMark);
    if (step.strikesTens)
        tensStrike_->show();
    if (step.strikesHundreds)
        hundredsStrike_->show();
    if (step.complete)
        label(4)->setCaption(completedProblem());
}

void TForm7::PrepareTestEntry() {
    // The bare column: no marks in test mode; ClearWork has started the entry afresh.
    const SubtractionProblem p = problem();
    board_->draw({p.a, p.b}, QStringLiteral("-"));
}

void TForm7::clearOwnWork() {
    entry_ = {};
}

AnswerTaken TForm7::takeAnswer(int digit) {
    const ColumnAnswerEntry::Outcome outcome = entry_.pick(digit);
    // The picks are counted where the steps are: test mode shows none.
    lessonState().explanationStep = entry_.picks;
    if (outcome == ColumnAnswerEntry::Outcome::Ignored)
        return AnswerTaken::ignored();
    board_->writeUnderLine(QString::number(entry_.written));
    if (outcome == ColumnAnswerEntry::Outcome::Judged)
        return AnswerTaken::judged(entry_.written == lessonState().correctAnswer);
    return AnswerTaken::partTaken(columnTensPrompt);
}
