#include "lessons/drills/drill_screen.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
#include "controls/look.h"
#include "controls/status_bar.h"
#include "controls/zoom.h"
#include "core/clock.h"
#include "core/display_text.h"
#include "core/lesson_state.h"
#include "core/message_boxes.h"
#include "core/random_source.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "lessons/drills/drill_screen_rules.h"
#include "lessons/drills/drill_table.h"
#include "ui/screen_builder.h"
#include "ui/sound_cue.h"

#include <QHideEvent>
#include <QTimer>

namespace {

constexpr int resultLineHeight = 32;
constexpr int clockBarHeight = 20;
constexpr int emptyBarHeight = 19;
constexpr int countdownInterval = 1000;
const QSize answerTableSize(398, 401);

int secondOfDayNow() {
    return secondOfDay(clockSource().now().time());
}

} // namespace

DrillScreen::DrillScreen(QWidget* parent, TDataModule1& data, const DrillScreenRules& rules,
                         const DrillLayout& layout)
    : ScreenFrame(parent, rules.screen, QStringLiteral("ポルナ")), data_(data), rules_(rules) {
    addTitle(QStringLiteral("Shape1"), layout.titleFrame, layout.titleAt, rules.title);
    buildLabels(layout);
    addPrompt(QStringLiteral("Label2"), layout.promptAt, QPoint(0, 592));
    if (!rules.menuEntries.isEmpty())
        addMenu(layout.menuBox, QStringLiteral("　メニュー"), rules.menuEntries,
                [this](int index) { ComboBox1Change(index); });
    QStringList timeItems;
    for (const TimeChoice& choice : timeChoices())
        timeItems << choice.item;
    CaptionedList* times = build::list(this, QStringLiteral("ComboBox2"), QRect(824, 152, 106, 113),
                                       timeSelectorCaption, timeItems, look::rounded(19), look::navy);
    connectStep(times, &CaptionedList::changed, [this](int index) { ComboBox2Change(index); });
    addButton(ButtonRole::Start, {736, 520});
    addButton(ButtonRole::Next, {840, 520});
    addButton(ButtonRole::Stop, {736, 568});
    addButton(ButtonRole::Result, {840, 568});
    addButton(ButtonRole::Quit, {736, 616});
    addButton(ButtonRole::Back, {840, 616});
    setRoleHandler(ButtonRole::Start, [this] { CuteButton3Click(); });
    setRoleHandler(ButtonRole::Next, [this] { CuteButton4Click(); });
    setRoleHandler(ButtonRole::Stop, [this] { CuteButton5Click(); });
    setRoleHandler(ButtonRole::Result, [this] { CuteButton6Click(); });

    QList<DigitList> lists;
    for (int i = 0; i < rules.digitSelectors.size(); ++i) {
        const DrillDigitSelector& selector = rules.digitSelectors.at(i);
        const DigitPlace place = selector.place;
        lists << DigitList{place, selector.comboBox, layout.digitBoxes.value(i), selector.caption,
                           place == DigitPlace::TenThousands ? QStringList() : digitEntries()};
    }
    // The lists stay where the child looks for them, disabled between problems.
    addAnswerPad(lists, rules.submitComboBox, layout.submitBox,
                 {.disabledBetweenProblems = true, .emptyingKeepsEnabled = !rules.showDigitSelectorsEnables},
                 [this] { SubmitPicked(); });
    buildAnswerTable(layout.answerTableAt);
    if (layout.emptyBarAboveClock) {
        auto* bar = new StatusBar(this);
        bar->setObjectName(QStringLiteral("StatusBar2"));
        bar->setBackground(look::statusBarBackground);
        const int barHeight = zoom::length(emptyBarHeight);
        bar->setGeometry(0, height() - zoom::length(clockBarHeight) - barHeight, width(), barHeight);
    }
    addStatusBar(680);

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(countdownInterval);
    // The time-out is a step like the child's own: the focus and a screen
    // reader follow the result it puts up.
    connectStep(timer3_, &QTimer::timeout, [this] { Timer3Timer(); });

    setWork({{3, 8}}, {answerTable_});
    finishBuilding();
    keepSubmitOpen();
}

DrillScreen::~DrillScreen() = default;

void DrillScreen::buildLabels(const DrillLayout& layout) {
    build::label(this, QStringLiteral("Label3"), layout.problemNumberAt,
                 look::rounded(layout.problemNumberSize), look::navy);
    build::label(this, QStringLiteral("Label4"), layout.problemAt, look::rounded(40), look::navy);
    for (int n = 5; n <= 8; ++n)
        build::label(this, QStringLiteral("Label%1").arg(n),
                     layout.firstResultAt + QPoint(0, (n - 5) * resultLineHeight), look::rounded(21),
                     look::navy);
}

void DrillScreen::buildAnswerTable(QPoint at) {
    answerTable_ = new DataGrid(this);
    answerTable_->setObjectName(QStringLiteral("DBGrid1"));
    answerTable_->setGeometry(zoom::box(QRect(at, answerTableSize)));
    answerTable_->setColumns({{QStringLiteral("NB"), QStringLiteral("Ｎｏ"), 40},
                              {QStringLiteral("MND"), QStringLiteral("もんだい"), 140},
                              {QStringLiteral("KAI"), QStringLiteral("せいかい"), 70},
                              {QStringLiteral("KOT"), QStringLiteral("こたえ"), 70},
                              {QStringLiteral("HNT"), QStringLiteral("○×"), 40}});
    answerTable_->setLook({look::rounded(16), look::navy, look::rounded(13, true), look::navy, look::cream});
    answerTable_->setDataSource(data_.DataSource2);
    answerTable_->hide();
}

// --- the per-screen routines ---

void DrillScreen::ClearWork() {
    clearWork();
    if (rules_.clearWorkResetsHintShown)
        lessonState().hintShown = 0;
    for (ButtonRole role : {ButtonRole::Start, ButtonRole::Next, ButtonRole::Stop, ButtonRole::Result})
        button(role)->setEnabled(false);
    comboBox(2)->setEnabled(false);
    keepSubmitOpen();
}

// The pad disables every digit list and ◆ between problems; a ◆ beyond the
// drill's range stays open, from the start on.
void DrillScreen::keepSubmitOpen() {
    if (rules_.submitComboBox > rules_.lastComboBoxClearWorkDisables)
        pad()->submitList()->setEnabled(true);
}

void DrillScreen::ShowDigitSelectors() {
    pad()->makeReady();
}

void DrillScreen::stopCountdown() {
    timer3_->stop();
}

bool DrillScreen::MakeProblem() {
    if (rules_.makeProblemBeginsWithClearWork)
        ClearWork();
    LessonState& s = lessonState();
    ++s.problemCount;
    label(3)->setCaption(problemNumberText(s.problemCount));
    judged_ = false;
    problem_ = rules_.draw(s.menuItem, randomSource());
    if (!problem_) {
        label(4)->setCaption(QString());
        return false;
    }
    const QList<int>& n = problem_->numbers;
    s.operand1 = n.value(0);
    s.operand2 = n.value(1);
    s.operand3 = n.value(2);
    s.correctAnswer = problem_->correctAnswer;
    label(4)->setCaption(openDrillProblem(*problem_));
    return true;
}

void DrillScreen::ShowDrillResult() {
    const int elapsed = elapsedSeconds(timing_.startSecond, secondOfDayNow());
    label(3)->setCaption(QString());
    label(4)->setCaption(QString());
    const LessonState& s = lessonState();
    const std::optional<DrillResultTexts> result = drillResult(s.problemCount, s.correctCount, elapsed);
    const QStringList lines =
        result ? QStringList{result->problems, result->correct, result->score, result->time}
               : QStringList(4, QString());
    for (int i = 0; i < lines.size(); ++i)
        label(5 + i)->setCaption(lines.at(i));
    stopCountdown();
}

// --- the handlers ---

void DrillScreen::FormShow() {
    stopCountdown();
    // A new showing starts with no problem: ◆ answers only what this showing asked.
    problem_.reset();
    judged_ = false;
    ClearWork();
    if (rules_.showResetsProblemCount)
        lessonState().problemCount = 0;
    if (rules_.showEnablesTimeSelector)
        comboBox(2)->setEnabled(true);
    setPrompt(rules_.shownPrompt);
    PlayCue(SoundCue::Show);
}

void DrillScreen::ComboBox1Change(int index) {
    stopCountdown();
    ClearWork();
    LessonState& s = lessonState();
    if (rules_.menuChoiceResetsProblemCount)
        s.problemCount = 0;
    s.menuItem = index + 1;
    comboBox(2)->setEnabled(true);
    setPrompt(chooseTimePrompt);
    PlayCue(SoundCue::Show);
}

void DrillScreen::ComboBox2Change(int index) {
    stopCountdown();
    ClearWork();
    timing_.timeLimit = timeLimitForChoice(index);
    button(ButtonRole::Start)->setEnabled(true);
    setPrompt(pressStartPrompt);
    PlayCue(SoundCue::Show);
}

void DrillScreen::CuteButton3Click() {
    // The run before ends here, its countdown with it.
    stopCountdown();
    ClearWork();
    LessonState& s = lessonState();
    s.problemCount = 0;
    s.correctCount = 0;
    if (s.hintShown == 1) {
        s.hintShown = 0;
        answerTable_->hide();
    }
    timing_.startSecond = secondOfDayNow();
    MakeProblem();
    ShowDigitSelectors();
    emptyAnswerTable(data_);
    if (rules_.cueAfterEmptying)
        PlayCue(SoundCue::Answer);
    if (timing_.timeLimit > 0) {
        timing_.tickCount = 0;
        timer3_->start();
    }
    if (rules_.startEnablesTensAndOnes)
        for (const DrillDigitSelector& selector : rules_.digitSelectors)
            if (placeValue(selector.place) <= 10)
                comboBox(selector.comboBox)->setEnabled(true);
    setPrompt(rules_.promptAfterStart);
    PlayCue(SoundCue::Show);
}

void DrillScreen::CuteButton4Click() {
    LessonState& s = lessonState();
    if (rules_.nextClearsTensAndOnes) {
        s.digitTens = 0;
        s.digitOnes = 0;
    }
    MakeProblem();
    ShowDigitSelectors();
    PlayCue(SoundCue::Show);
    setPrompt(rules_.promptAfterNext);
}

void DrillScreen::SubmitPicked() {
    // Each problem is judged, counted and logged once, and only a problem this
    // showing asked: no second row for it, no score above 100, no result
    // without a problem.
    if (!problem_ || judged_)
        return;
    LessonState& s = lessonState();
    s.enteredAnswer = pad()->entered();
    const bool right = s.enteredAnswer == s.correctAnswer;
    // Counted once it is logged: a row the table refused leaves the problem
    // open, to be answered again.
    appendAnswerRow(data_, answerRow(s.problemCount, *problem_, s.enteredAnswer));
    judged_ = true;
    if (right)
        ++s.correctCount;
    button(ButtonRole::Next)->setEnabled(true);
    button(ButtonRole::Stop)->setEnabled(true);
    setPrompt(answeredPrompt);
    PlayCue(SoundCue::Answer);
}

void DrillScreen::CuteButton5Click() {
    ShowDrillResult();
    button(ButtonRole::Start)->setEnabled(true);
    button(ButtonRole::Next)->setEnabled(false);
    button(ButtonRole::Stop)->setEnabled(false);
    button(ButtonRole::Result)->setEnabled(true);
    setPrompt(finishedPrompt);
    PlayCue(SoundCue::Hint);
}

void DrillScreen::CuteButton6Click() {
    LessonState& s = lessonState();
    if (s.hintShown == 0) {
        s.hintShown = 1;
        zoom::moveTop(answerTable_, answerTableTop);
        answerTable_->show();
        answerTable_->raise();
        stopCountdown();
        setPrompt(tableShownPrompt);
    } else {
        s.hintShown = 0;
        answerTable_->hide();
        setPrompt(finishedPrompt);
    }
}

void DrillScreen::Timer3Timer() {
    // A tick that outlived its screen ends the countdown and shows nothing.
    if (!isVisible()) {
        stopCountdown();
        return;
    }
    if (!countdownTick(timing_))
        return;
    stopCountdown();
    messageBoxes().information(rules_.timeOutMessage);
    ShowDrillResult();
    // The answers of the run can be looked at at once, and the focus waits
    // there rather than on a control that goes on with the run.
    button(ButtonRole::Result)->setEnabled(true);
}

// --- events ---

void DrillScreen::hideEvent(QHideEvent* event) {
    ScreenFrame::hideEvent(event);
    // もくじへ and the close box leave the run: its time-out must not follow
    // the child to another screen.
    if (!event->spontaneous())
        stopCountdown();
}
