#include "lessons/numbers/numbers_to_10000.h"

#include "controls/caption_label.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
#include "controls/look.h"
#include "controls/zoom.h"
#include "core/lesson_state.h"
#include "core/random_source.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "lessons/numbers/number_problems.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

#include <QPlainTextEdit>

namespace {

const QString kazuFilterLine = QStringLiteral("Where NB > 0");
const QString menuPrompt = QStringLiteral("「メニュー」を えらんでね！");
constexpr int kanjiHintTop = 120;

} // namespace

TForm2::TForm2(TDataModule1& data, QWidget* parent)
    // The child may skip to a new problem without answering.
    : LessonScreen(parent, QStringLiteral("Form2"), QStringLiteral("ポルナ"),
                   {.nextStaysEnabledInTest = true,
                    .clearWorkHidesHint = true,
                    .prompts = {.test = QStringLiteral("こたえを えらんでから ◆をおしてね！"),
                                .hintHidden = menuPrompt}}),
      data_(data) {
    addTitle(QStringLiteral("Shape1"), QRect(56, 22, 289, 41), QPoint(72, 30),
             QStringLiteral("数：１００００まで"));
    build::label(this, QStringLiteral("Label6"), QPoint(72, 110), look::rounded(21), look::navy);
    // ◆ shows the answer under the question, which stays as it was asked.
    setProblemLabel(
        build::label(this, QStringLiteral("Label3"), QPoint(72, 158), look::rounded(27), look::navy),
        build::label(this, QStringLiteral("Label4"), QPoint(72, 342), look::rounded(27), look::darkRed));
    addVerdictLabel(5, QRect(752, 526, 54, 53));
    addPrompt(QStringLiteral("Label2"), QPoint(64, 606), QPoint(0, 582));
    addMenu(QRect(777, 22, 153, 89), QStringLiteral("　  メニュー"),
            {QStringLiteral("数のあつまり１"), QStringLiteral("数のあつまり２"),
             QStringLiteral("かん字を数字へ")});
    addDigitSelectors({{DigitPlace::TenThousands, 7, {784, 222, 25, 57}},
                       {DigitPlace::Thousands, 6, {808, 222, 25, 225}},
                       {DigitPlace::Hundreds, 5, {832, 222, 25, 225}},
                       {DigitPlace::Tens, 4, {856, 222, 25, 225}},
                       {DigitPlace::Ones, 3, {880, 222, 25, 225}}},
                      2, QRect(905, 222, 25, 65));
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 510});
    addButton(ButtonRole::Hint, {840, 560});
    addButton(ButtonRole::Quit, {632, 608});
    addButton(ButtonRole::Back, {736, 608});
    addButton(ButtonRole::Mode, {840, 608});

    grid_ = new DataGrid(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setGeometry(zoom::box({64, 110, 542, 481}));
    grid_->setColumns({{QStringLiteral("K1000"), QStringLiteral("1000 の数"), 100},
                       {QStringLiteral("K100"), QStringLiteral("100 の数"), 100},
                       {QStringLiteral("K10"), QStringLiteral("10 の数"), 100},
                       {QStringLiteral("K1"), QStringLiteral("1 の数"), 100},
                       {QStringLiteral("KAZU"), QStringLiteral("あつまりの数"), 100}});
    grid_->setLook({look::rounded(16), look::navy, look::rounded(16), look::navy, look::white});
    grid_->setDataSource(data_.DataSource1);

    memo_ = build::memo(this, QStringLiteral("Memo1"), QRect(72, 590, 625, 363), kanjiHint(),
                        look::rounded(19), look::navy);
    setHint(memo_, kanjiHintTop, SoundCue::Hint);
    addHintWidget(grid_);
    grid_->hide();
    addStatusBar(680);
    setWork({{3, 6}});
    finishBuilding();
}

void TForm2::onShow() {
    button(ButtonRole::Hint)->setEnabled(false);
}

void TForm2::onMenuChosen(int menuItem) {
    TCuteButton* hint = button(ButtonRole::Hint);
    switch (menuItem) {
    case 1:
        hint->setCaption(QStringLiteral("ポイント１"));
        hint->setEnabled(true);
        break;
    case 2:
        // No hint for this entry; the caption stays as the last entry left it.
        hint->setEnabled(false);
        break;
    case 3:
        hint->setCaption(QStringLiteral("ポイント２"));
        hint->setEnabled(true);
        break;
    }
}

void TForm2::onModeSwitched(int mode) {
    setPrompt(mode == TestMode ? prompts().next : menuPrompt);
}

bool TForm2::MakeProblem() {
    NumberProblem p;
    switch (lessonState().menuItem) {
    case 1:
        p = makeCollectionProblem(randomSource());
        collectionPattern = p.pattern;
        break;
    case 2:
        p = makeGroupingProblem(randomSource());
        break;
    case 3:
        p = makeKanjiProblem(randomSource());
        break;
    default:
        return false;
    }
    LessonState& s = lessonState();
    s.operand1 = p.thousands;
    s.operand2 = p.hundreds;
    s.operand3 = p.tens;
    s.operand4 = p.ones;
    s.correctAnswer = p.answer;
    label(3)->setCaption(p.question);
    return true;
}

void TForm2::ShowWorkedAnswer() {
    const LessonState& s = lessonState();
    if (s.menuItem == 1 && collectionPattern <= 7)
        label(4)->setCaption(placeSumAnswer(s.operand1, s.operand2, s.operand3, s.operand4, s.correctAnswer));
    else
        label(4)->setCaption(plainAnswer(s.correctAnswer));
}

QString TForm2::completedProblem() const {
    return plainAnswer(lessonState().correctAnswer);
}

std::optional<LessonScreen::HintView> TForm2::hintToShow() {
    LessonState& s = lessonState();
    if (s.menuItem == 1) {
        s.kazuFilter = kazuFilterLine;
        data_.RequeryKazu(s.kazuFilter);
        // Lies under the grid, and is read once the grid is put away.
        label(6)->setCaption(QStringLiteral(
            "10000 までの数は、1000 や 100 や 10 や 1 が\rいくつかずつ あつまって できるよ。"));
        return HintView{grid_, 110};
    }
    if (s.menuItem == 3)
        return HintView{memo_, kanjiHintTop};
    return std::nullopt;
}
