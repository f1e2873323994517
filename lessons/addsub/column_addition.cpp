#include "lessons/addsub/column_addition.h"

#include "controls/caption_label.h"
#include "controls/cute_button.h"
#include "controls/look.h"
#include "controls/shape.h"
#include "controls/zoom.h"
#include "core/error_report.h"
#include "core/lesson_state.h"
#include "core/random_source.h"
#include "lessons/addsub/column_board.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

#include <QPlainTextEdit>

namespace {

const QString onesPrompt =
    QStringLiteral("一のくらい どうしを たした こたえを\rえらんでから、◆を おしてね！");
const QString tensPrompt = QStringLiteral("十のくらいどうしをたしたこたえを\rえらんでから、◆をおしてね！");

// The carry mark sits above the tens digit of the top row, which is the
// second row for two numbers and the first for three.
constexpr int carryTopForTwo = 264;
constexpr int carryTopForThree = 224;

} // namespace

TForm4::~TForm4() = default;

// Shown once at creation too, so the screen is ready before its first visit.
TForm4::TForm4(QWidget* parent)
    : LessonScreen(parent, QStringLiteral("Form4"), QStringLiteral("たしざん"),
                   {.showRunsAtCreation = true,
                    .explanationSteps = columnSteps,
                    .clearWorkHidesHint = true,
                    .clearWorkDisablesAnswer = true,
                    .prompts = {.study = stepPrompt,
                                .test = onesPrompt,
                                .hintHidden = QStringLiteral("「メニュー」を えらんでね！")}}) {
    addTitle(QStringLiteral("Shape2"), QRect(56, 22, 257, 41), QPoint(72, 30),
             QStringLiteral("たしざん：ひっ算"));
    setProblemLabel(
        build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy));
    build::label(this, QStringLiteral("Label5"), QPoint(72, 232), look::rounded(24), look::darkRed);
    board_ = std::make_unique<ColumnBoard>(this, QList<int>{6, 7, 8});
    board_->addMark(QStringLiteral("Label10"), 1, carryTopForTwo);
    addVerdictLabel(12, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(777, 22, 153, 73), QStringLiteral("　メニュー"),
            {QStringLiteral("２けた"), QStringLiteral("２けたが３つ")});
    addDigitSelectors(
        {{DigitPlace::Tens, 3, {856, 222, 25, 225}}, {DigitPlace::Ones, 2, {880, 222, 25, 225}}}, 4,
        QRect(905, 222, 25, 65));
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 512}, QStringLiteral("ステップ１"));
    addButton(ButtonRole::Hint, {840, 560});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    auto* memo = build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 500), columnAdditionHint(),
                             look::rounded(19), look::navy);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHint(memo, 80, SoundCue::Hint);
    addStatusBar(600);
    setWork({{4, 12}}, {board_->line()});
    finishBuilding();
}

void TForm4::onMenuChosen(int menuItem) {
    lessonState().entryStep = 0;
    CaptionLabel* carry = label(10);
    zoom::moveTop(carry, menuItem == 1 ? carryTopForTwo : carryTopForThree);
}

void TForm4::onModeSwitched(int) {
    lessonState().entryStep = 0;
}

ColumnNumbers TForm4::numbers() const {
    const LessonState& s = lessonState();
    if (s.menuItem == 2)
        return {s.operand1, s.operand2, s.operand3};
    return {s.operand2, s.operand3};
}

bool TForm4::MakeProblem() {
    LessonState& s = lessonState();
    const auto drawn = drawColumnAddition(s.menuItem, randomSource());
    if (!drawn)
        return false;
    if (drawn->size() == 3)
        s.operand1 = drawn->at(0);
    s.operand2 = drawn->at(drawn->size() - 2);
    s.operand3 = drawn->at(drawn->size() - 1);
    s.correctAnswer = columnSum(*drawn);
    label(4)->setCaption(openColumnProblem(*drawn));
    return true;
}

void TForm4::drawColumn() {
    board_->draw(numbers(), QStringLiteral("+"));
}

void TForm4::ShowWorkedAnswer() {
    drawColumn();
    const ColumnNumbers problem = numbers();
    const ColumnStep step = columnAdditionStep(problem, lessonState().explanationStep);
    label(5)->setCaption(step.explanation);
    label(9)->setCaption(step.sumRow);
    if (step.carryMark)
        label(10)->setCaption(*step.carryMark);
    if (step.complete)
        label(4)->setCaption(completedProblem());
}

QString TForm4::completedProblem() const {
    return completedColumnProblem(numbers());
}

void TForm4::PrepareTestEntry() {
    lessonState().entryStep = 0;
    drawColumn();
    label(10)->setCaption(QString());
}

AnswerTaken TForm4::takeAnswer(int entered) {
    LessonState& s = lessonState();
    s.entryStep += 1;
    s.enteredAnswer = entered;
    if (s.entryStep == 1) {
        // The ones column: its ones digit goes under the line, its tens up as the carry.
        onesWritten_ = entered % 10;
        label(9)->setCaption(QString::number(onesWritten_));
        if (entered >= 10)
            label(10)->setCaption(QString::number(entered / 10));
        return AnswerTaken::partTaken(tensPrompt);
    }
    if (s.entryStep == 2) {
        // The tens column's sum already holds the carry, so it goes in whole.
        const int total = onesWritten_ + entered * 10;
        label(9)->setCaption(QString::number(total));
        return AnswerTaken::judged(total == s.correctAnswer);
    }
    return AnswerTaken::ignored();
}
