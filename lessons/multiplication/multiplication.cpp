#include "lessons/multiplication/multiplication.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
#include "controls/look.h"
#include "controls/zoom.h"
#include "core/display_text.h"
#include "core/lesson_state.h"
#include "core/message_boxes.h"
#include "core/random_source.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "lessons/multiplication/multiplication_menu_items.h"
#include "lessons/multiplication/multiplication_screen_texts.h"
#include "lessons/multiplication/times_table_chart.h"
#include "lessons/multiplication/times_table_chart_rules.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

using namespace multiplicationScreen;

namespace {

constexpr int boardTop = 128; // where the list and the chart are put up
constexpr int hintTop = 173;
constexpr int chartQuestionTop = 550;
constexpr QRect kukuListRect{176, boardTop, 409, 466};

// "　０" … "　９": an ideographic space before each full-width digit.
QStringList selectorEntries() {
    return digitEntries(QStringLiteral("\u3000"));
}

} // namespace

TForm12::TForm12(TDataModule1& data, QWidget* parent)
    : LessonScreen(parent, QStringLiteral("Form12"), QStringLiteral("ポルナ"),
                   {.showSetsStudyMode = false,
                    .clearWorkHidesHint = true,
                    .clearWorkDisablesNext = true,
                    .clearWorkDisablesAnswer = true}),
      data_(data) {
    addTitle(QStringLiteral("Shape24"), QRect(56, 22, 300, 41), QPoint(72, 30),
             QStringLiteral("かけ算：かけ算と九九"));
    setProblemLabel(
        build::label(this, QStringLiteral("Label4"), QPoint(72, boardTop), look::rounded(27), look::navy),
        build::label(this, QStringLiteral("Label5"), QPoint(72, 280), look::rounded(27), look::darkRed));
    build::label(this, QStringLiteral("Label6"), QPoint(184, 542), look::rounded(16), look::black);
    addVerdictLabel(7, QRect(752, 536, 54, 53));
    chartQuestion_ = build::label(this, QStringLiteral("Label107"), QPoint(chartQuestionRestingLeft, 550),
                                  look::rounded(27), look::navy);
    addPrompt(QStringLiteral("Label3"), QPoint(72, 608), QPoint(0, 592));
    addMenu(QRect(744, 22, 186, 129), QStringLiteral(" 　 メニュー"),
            {QStringLiteral("かけ算の しき"), QStringLiteral("九九の おぼえかた"),
             QStringLiteral("九九の ひょう"), QStringLiteral("九九を つかう（１）"),
             QStringLiteral("九九を つかう（２）")});
    addButton(ButtonRole::Next, {840, 464});
    addButton(ButtonRole::Answer, {840, 512});
    addButton(ButtonRole::Hint, {840, 560});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    // The left list holds the tens (or the multiplicand), the right one the ones (or the multiplier).
    AnswerPad& pad = addDigitSelectors(
        {{DigitPlace::Tens, 3, {750, 216, 60, 233}, expressionLeftCaption, selectorEntries()},
         {DigitPlace::Ones, 2, {812, 216, 60, 233}, expressionRightCaption, selectorEntries()}},
        4, QRect(872, 216, 58, 57), {.storesBareDigit = true});
    pad.submitList()->setItems({QStringLiteral("\u3000◆")});

    grid_ = new DataGrid(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setGeometry(zoom::box(kukuListRect));
    grid_->setColumns({{QStringLiteral("kakezan"), QStringLiteral("かけ算"), 100, Qt::AlignHCenter},
                       {QStringLiteral("kotae"), QStringLiteral("こたえ"), 50, Qt::AlignHCenter},
                       {QStringLiteral("yomi"), QStringLiteral("おぼえかた"), 220, Qt::AlignLeft}});
    grid_->setLook({look::rounded(16), look::black, look::rounded(16), look::black, look::white});
    grid_->setDataSource(data_.DataSource3);
    grid_->hide();
    chart_ = new TimesTableChart(this);

    // Tall enough for every line of the hint, and clear of the prompt below it.
    setHint(build::memo(this, QStringLiteral("Memo1"), QRect(72, hintTop, 640, 410), hintLines(),
                        look::rounded(19), look::navy),
            hintTop, SoundCue::Hint);
    addStatusBar(680);
    setWork({{4, 7}}, {grid_, chart_});
    finishBuilding();
}

void TForm12::onShow() {
    lessonState().menuItem = expressionItem;
    chartQuestion_->setCaption(QString());
}

void TForm12::onMenuChosen(int menuItem) {
    lessonState().problemKind = resetProblemKind;
    chartQuestion_->move(zoom::point({chartQuestionRestingLeft, chartQuestionTop}));
    chartQuestion_->setCaption(QString());
    const MenuChoiceEffect effect = menuChoiceEffect(menuItem);
    button(ButtonRole::Next)->setEnabled(effect.enableNext);
    if (effect.prompt)
        setPrompt(*effect.prompt);
    if (effect.showKukuList)
        showKukuList();
    if (effect.showChart)
        showChart();
}

void TForm12::showKukuList() {
    // Read again on every choice; a table that cannot be read leaves the list put away.
    data_.RequeryKuku();
    zoom::moveTop(grid_, boardTop);
    grid_->show();
}

void TForm12::showChart() {
    chart_->showProducts();
    zoom::moveTop(chart_, boardTop);
    chart_->show();
    label(6)->setCaption(chartReadingHint);
}

void TForm12::CuteButton3Click() {
    LessonState& s = lessonState();
    s.problemKind = resetProblemKind;
    TCuteButton* mode = button(ButtonRole::Mode);
    switch (modeButtonSwitch(s.mode, s.menuItem)) {
    case ModeSwitch::Refused:
        messageBoxes().information(noTestMessage);
        return;
    case ModeSwitch::ToTest:
        s.mode = TestMode;
        ClearWork();
        mode->setCaption(QStringLiteral("テスト"));
        break;
    case ModeSwitch::ToStudy:
        // The board stays as it is: an open question can still be answered.
        s.mode = StudyMode;
        mode->setCaption(QStringLiteral("べんきょう"));
        break;
    }
    button(ButtonRole::Next)->setEnabled(true);
    button(ButtonRole::Answer)->setEnabled(false);
    setPrompt(nextPrompt);
    PlayCue(SoundCue::Show);
}

void TForm12::CuteButton4Click() {
    ClearWork();
    LessonState& s = lessonState();
    s.problemKind = nextProblemKind(s.menuItem, s.problemKind);
    chart_->resetColours();
    if (MakeProblem()) {
        const NextProblemEffect effect = nextProblemEffect(s.menuItem, s.mode);
        if (effect.enableAnswer) {
            TCuteButton* answer = button(ButtonRole::Answer);
            answer->setEnabled(true);
            answer->setCaption(answerCaption);
        }
        if (effect.showSelectors)
            ShowDigitSelectors();
        if (effect.prompt)
            setPrompt(*effect.prompt);
    }
    PlayCue(SoundCue::Show);
}

bool TForm12::MakeProblem() {
    LessonState& s = lessonState();
    const auto problem = makeMultiplicationProblem(s.menuItem, s.problemKind, randomSource());
    if (!problem)
        return false;
    int* const operands[] = {&s.operand1, &s.operand2, &s.operand3, &s.operand4};
    for (int i = 0; i < problem->operands.size(); ++i)
        *operands[i] = problem->operands.at(i);
    s.correctAnswer = problem->correctAnswer;
    if (problem->groupText)
        groupText = *problem->groupText;
    if (const auto& q = problem->chart)
        AskChartCell(q->row, q->column, q->cellLabel);
    else
        label(4)->setCaption(problem->problemText);
    return true;
}

void TForm12::AskChartCell(int row, int column, int cellLabel) {
    chart_->showProducts();
    zoom::moveTop(chart_, boardTop);
    chart_->show();
    chart_->ask(cellLabel);
    chartQuestion_->move(zoom::point({chartQuestionLeft, chartQuestionTop}));
    chartQuestion_->setCaption(chartQuestionText(row, column));
}

BoardNumbers TForm12::board() const {
    const LessonState& s = lessonState();
    return {s.operand1, s.operand2, s.operand3, s.operand4, s.correctAnswer};
}

void TForm12::ShowWorkedAnswer() {
    const LessonState& s = lessonState();
    if (const auto text = workedExplanation(s.menuItem, s.problemKind, board(), groupText))
        label(5)->setCaption(*text);
}

QString TForm12::selectorCaption(const DigitList& list) const {
    const auto captions = multiplicationScreen::selectorCaptions(lessonState().menuItem);
    if (!captions)
        return comboBox(list.comboBox)->caption();
    return list.place == DigitPlace::Tens ? captions->left : captions->right;
}

AnswerTaken TForm12::takeAnswer(int entered) {
    const LessonState& s = lessonState();
    if (s.menuItem == chartItem) {
        chartQuestion_->setCaption(chartAnswerText(s.operand1, s.operand2));
        chart_->answer(s.operand3, s.operand1, s.operand2);
    }
    return LessonScreen::takeAnswer(entered);
}

QString TForm12::completedProblem() const {
    const LessonState& s = lessonState();
    return submittedEquation(s.menuItem, s.problemKind, board()).value_or(QString());
}
