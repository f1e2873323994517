#include "lessons/addsub/column_addition.h"

#include "app/error_report.h"
#include "app/lesson_state.h"
#include "controls/caption_label.h"
#include "controls/cute_button.h"
#include "controls/shape.h"
#include "ui/look.h"
#include "ui/random_source.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

#include <QPlainTextEdit>

namespace {

const QStringList hintLines = {
    QString(),
    QStringLiteral("　【ひっ算のしかた】"),
    QStringLiteral("　　"),
    QStringLiteral("　　たされる数と たす数を、たてに くらいを そろえて かき、"),
    QStringLiteral("　　その下に 線を ひいて、こたえを 線の下に かくよ。"),
    QString(),
    QStringLiteral("　　"),
    QStringLiteral("　　まず、一の くらい どうしを たした数を 線の下に かく。"),
    QStringLiteral("　　その数が ２けたになる時は、一のくらいの数だけを線の"),
    QStringLiteral("　　下にかき、十のくらいの数は くりあげて 一つ上のくらいの"),
    QStringLiteral("　　上に小さく かいておくといいよ。"),
    QString(),
    QStringLiteral("　　くり上げた数は、一つ上のくらい どうしを たす時に、"),
    QStringLiteral("　　 いっしょに たせば いいよ。"),
    QString(),
    QString(),
    QStringLiteral("　【たし算の ひっ算の たしかめかた】"),
    QString(),
    QStringLiteral("　　たし算では、たされる数と たす数を いれかえても"),
    QStringLiteral("　　こたえは 同じだよ。"),
    QString(),
    QStringLiteral("　　そこで、つぎのような たし算の こたえは、"),
    QStringLiteral("　　　　　　　　３７　"),
    QStringLiteral("　　　　　　＋　４８　"),
    QStringLiteral(" 　 　　 　   －－－－－"),
    QStringLiteral("　　　　　　　　８５"),
    QString(),
    QStringLiteral("  　つぎの たし算で たしかめることが できるよ。"),
    QStringLiteral("　　　　　　　　４８　"),
    QStringLiteral("　　　　　　＋　３７"),
    QStringLiteral("　　　　　　－－－－－"),
    QStringLiteral("　　　　　　　　８５"),
    QStringLiteral("　"),
    QStringLiteral("　"),
    QStringLiteral("　　"),
};

const QString onesPrompt =
    QStringLiteral("一のくらい どうしを たした こたえを\rえらんでから、◆を おしてね！");
const QString tensPrompt = QStringLiteral("十のくらいどうしをたしたこたえを\rえらんでから、◆をおしてね！");

// The carry mark sits above the tens digit of the top row, which is the
// second row for two numbers and the first for three.
constexpr int carryTopForTwo = 264;
constexpr int carryTopForThree = 224;

} // namespace

TForm4::TForm4(QWidget* parent) : LessonScreen(parent, QStringLiteral("Form4"), QStringLiteral("たしざん")) {
    addTitle(QStringLiteral("Shape2"), QRect(56, 22, 257, 41), QPoint(72, 30),
             QStringLiteral("たしざん：ひっ算"));
    problemLabel_ =
        build::label(this, QStringLiteral("Label4"), QPoint(72, 128), look::rounded(40), look::navy);
    build::label(this, QStringLiteral("Label5"), QPoint(72, 232), look::rounded(24), look::darkRed);
    const QFont row = look::rounded(35);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    build::fixedLabel(this, QStringLiteral("Label6"), QRect(600, 248, 100, 40), row, look::navy, right);
    build::fixedLabel(this, QStringLiteral("Label7"), QRect(600, 288, 100, 40), row, look::navy, right);
    build::fixedLabel(this, QStringLiteral("Label8"), QRect(600, 328, 100, 40), row, look::navy, right);
    build::label(this, QStringLiteral("Label11"), QPoint(584, 328), row, look::navy);
    build::shape(this, QStringLiteral("Shape1"), QRect(580, 372, 121, 2), look::red, look::navy)->hide();
    build::fixedLabel(this, QStringLiteral("Label9"), QRect(580, 378, 120, 40), row, look::navy, right);
    build::label(this, QStringLiteral("Label10"), QPoint(668, carryTopForTwo), look::rounded(21), look::navy);
    addVerdictLabel(12, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(777, 22, 153, 73), QStringLiteral("　メニュー"),
            {QStringLiteral("２けた"), QStringLiteral("２けたが３つ")});
    addLessonButtons(QPoint(840, 616), QPoint(840, 464), QPoint(840, 512), QStringLiteral("ステップ１"),
                     QPoint(840, 560));
    addExitButtons(QPoint(632, 616), QPoint(736, 616));
    addDigitSelectors(
        {{DigitPlace::Tens, 3, {856, 222, 25, 225}}, {DigitPlace::Ones, 2, {880, 222, 25, 225}}}, 4,
        QRect(905, 222, 25, 65));
    auto* memo = build::memo(this, QStringLiteral("Memo1"), QRect(72, 408, 640, 500), hintLines,
                             look::rounded(19), look::navy);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHint(memo, 80, 19);
    studyPrompt_ = stepPrompt;
    testPrompt_ = onesPrompt;
    hintHiddenPrompt_ = QStringLiteral("「メニュー」を えらんでね！");
    explanationSteps_ = columnSteps;
    addStatusBar(600);
    connectSharedHandlers();
    // Shown once at creation too, so the screen is ready before its first visit.
    runGuarded([this] { FormShow(); });
}

void TForm4::ClearWork() {
    LessonState& s = lessonState();
    s.hintShown = 0;
    s.explanationStep = 0;
    clearLabels(4, 12);
    hideComboBoxes(2, 4);
    // The button names the step its next press shows, and that is step 1 again.
    cuteButton(5)->setCaption(QStringLiteral("ステップ１"));
    cuteButton(5)->setEnabled(false);
    findChild<Shape*>(QStringLiteral("Shape1"))->hide();
    hint_->hide();
}

void TForm4::ComboBox1Change(int index) {
    lessonState().entryStep = 0;
    CaptionLabel* carry = label(10);
    carry->move(carry->x(), index + 1 == 1 ? carryTopForTwo : carryTopForThree);
    LessonScreen::ComboBox1Change(index);
}

void TForm4::CuteButton3Click() {
    lessonState().entryStep = 0;
    LessonScreen::CuteButton3Click();
}

ColumnNumbers TForm4::numbers() const {
    const LessonState& s = lessonState();
    if (s.menuItem == 2)
        return {s.operand1, s.operand2, s.operand3};
    return {s.operand2, s.operand3};
}

void TForm4::MakeProblem() {
    ClearWork();
    LessonState& s = lessonState();
    const auto drawn = drawColumnAddition(s.menuItem, randomSource());
    if (!drawn)
        return;
    if (drawn->size() == 3)
        s.operand1 = drawn->at(0);
    s.operand2 = drawn->at(drawn->size() - 2);
    s.operand3 = drawn->at(drawn->size() - 1);
    s.correctAnswer = columnSum(*drawn);
    label(4)->setCaption(openColumnProblem(*drawn));
}

void TForm4::drawColumn() {
    const LessonState& s = lessonState();
    if (s.menuItem == 2)
        label(6)->setCaption(QString::number(s.operand1));
    label(7)->setCaption(QString::number(s.operand2));
    label(8)->setCaption(QString::number(s.operand3));
    label(9)->setCaption(QString());
    label(11)->setCaption(QStringLiteral("+"));
    findChild<Shape*>(QStringLiteral("Shape1"))->show();
}

void TForm4::ShowWorkedAnswer() {
    drawColumn();
    const ColumnNumbers problem = numbers();
    const ColumnStep step = columnAdditionStep(problem, lessonState().explanationStep);
    label(5)->setCaption(step.explanation);
    cuteButton(5)->setCaption(step.nextCaption);
    label(9)->setCaption(step.sumRow);
    if (step.carryMark)
        label(10)->setCaption(*step.carryMark);
    if (step.complete)
        label(4)->setCaption(completedColumnProblem(problem));
}

void TForm4::PrepareTestEntry() {
    lessonState().entryStep = 0;
    drawColumn();
    label(10)->setCaption(QString());
}

void TForm4::SubmitPicked() {
    LessonState& s = lessonState();
    s.entryStep += 1;
    s.enteredAnswer = s.digitTens + s.digitOnes;
    if (s.entryStep == 1) {
        // The ones column: its ones digit goes under the line, its tens up as the carry.
        label(9)->setCaption(QString::number(s.enteredAnswer % 10));
        if (s.enteredAnswer >= 10)
            label(10)->setCaption(QString::number(s.enteredAnswer / 10));
        ShowDigitSelectors();
        setPrompt(tensPrompt);
        PlayCue(CueShow);
    } else if (s.entryStep == 2) {
        // The tens column's sum already holds the carry, so it goes in whole.
        const int total = label(9)->caption().toInt() + s.enteredAnswer * 10;
        label(9)->setCaption(QString::number(total));
        showVerdict(total == s.correctAnswer);
        label(4)->setCaption(completedColumnProblem(numbers()));
        cuteButton(4)->setEnabled(true);
        setPrompt(nextPrompt);
    }
}
