#include "lessons/drills/drill_session.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
#include "core/clock.h"
#include "core/error_report.h"
#include "core/lesson_state.h"
#include "core/message_boxes.h"
#include "core/poruna_error.h"
#include "core/random_source.h"
#include "lessons/drills/drill_screen.h"
#include "lessons/drills/drill_screen_rules.h"
#include "lessons/drills/drill_table.h"
#include "ui/sound_cue.h"

#include <QTimer>

namespace {

constexpr int countdownInterval = 1000;

int secondOfDayNow() {
    return secondOfDay(clockSource().now().time());
}

} // namespace

DrillSession::DrillSession(DrillScreen& screen, TDataModule1& data, const DrillScreenRules& rules,
                           DataGrid* answerTable)
    : QObject(&screen), screen_(screen), data_(data), rules_(rules), answerTable_(answerTable),
      timer3_(new QTimer(&screen)) {
    setObjectName(QStringLiteral("DrillSession"));
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(countdownInterval);
    // The time-out is a step like the child's own: the focus and a screen
    // reader follow the result it puts up.
    screen.connectStep(timer3_, &QTimer::timeout, [this] { Timer3Timer(); });
}

void DrillSession::setPrompt(const QString& text) {
    screen_.setPrompt(text);
}

void DrillSession::stopCountdown() {
    timer3_->stop();
}

void DrillSession::FormShow() {
    stopCountdown();
    // A new showing starts with no problem: ◆ answers only what this showing asked.
    problem_.reset();
    judged_ = false;
    screen_.ClearWork();
    if (rules_.showResetsProblemCount)
        lessonState().problemCount = 0;
    if (rules_.showEnablesTimeSelector)
        screen_.comboBox(2)->setEnabled(true);
    setPrompt(rules_.shownPrompt);
    PlayCue(SoundCue::Show);
}

void DrillSession::ComboBox1Change(int index) {
    stopCountdown();
    screen_.ClearWork();
    LessonState& s = lessonState();
    if (rules_.menuChoiceResetsProblemCount)
        s.problemCount = 0;
    s.menuItem = index + 1;
    screen_.comboBox(2)->setEnabled(true);
    setPrompt(chooseTimePrompt);
    PlayCue(SoundCue::Show);
}

void DrillSession::ComboBox2Change(int index) {
    stopCountdown();
    screen_.ClearWork();
    timing_.timeLimit = timeLimitForChoice(index);
    screen_.button(ButtonRole::Start)->setEnabled(true);
    setPrompt(pressStartPrompt);
    PlayCue(SoundCue::Show);
}

void DrillSession::CuteButton3Click() {
    // The run before ends here, its countdown with it.
    stopCountdown();
    screen_.ClearWork();
    LessonState& s = lessonState();
    s.problemCount = 0;
    s.correctCount = 0;
    if (s.hintShown == 1) {
        s.hintShown = 0;
        answerTable_->hide();
    }
    timing_.startSecond = secondOfDayNow();
    screen_.MakeProblem();
    screen_.ShowDigitSelectors();
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
                screen_.comboBox(selector.comboBox)->setEnabled(true);
    setPrompt(rules_.promptAfterStart);
    PlayCue(SoundCue::Show);
}

bool DrillSession::MakeProblem() {
    if (rules_.makeProblemBeginsWithClearWork)
        screen_.ClearWork();
    LessonState& s = lessonState();
    ++s.problemCount;
    screen_.label(3)->setCaption(problemNumberText(s.problemCount));
    judged_ = false;
    problem_ = rules_.draw(s.menuItem, randomSource());
    if (!problem_) {
        screen_.label(4)->setCaption(QString());
        return false;
    }
    const QList<int>& n = problem_->numbers;
    s.operand1 = n.value(0);
    s.operand2 = n.value(1);
    s.operand3 = n.value(2);
    s.correctAnswer = problem_->correctAnswer;
    screen_.label(4)->setCaption(openDrillProblem(*problem_));
    return true;
}

void DrillSession::CuteButton4Click() {
    LessonState& s = lessonState();
    if (rules_.nextClearsTensAndOnes) {
        s.digitTens = 0;
        s.digitOnes = 0;
    }
    screen_.MakeProblem();
    screen_.ShowDigitSelectors();
    PlayCue(SoundCue::Show);
    setPrompt(rules_.promptAfterNext);
}

void DrillSession::SubmitPicked() {
    // Each problem is judged, counted and logged once, and only a problem this
    // showing asked: no second row for it, no score above 100, no result
    // without a problem.
    if (!problem_ || judged_)
        return;
    LessonState& s = lessonState();
    s.enteredAnswer = enteredAnswer(rules_, s);
    const bool right = s.enteredAnswer == s.correctAnswer;
    // Counted once it is logged: a row the table refused leaves the problem
    // open, to be answered again.
    appendAnswerRow(data_, answerRow(s.problemCount, *problem_, s.enteredAnswer));
    judged_ = true;
    if (right)
        ++s.correctCount;
    screen_.button(ButtonRole::Next)->setEnabled(true);
    screen_.button(ButtonRole::Stop)->setEnabled(true);
    setPrompt(answeredPrompt);
    PlayCue(SoundCue::Answer);
}

void DrillSession::CuteButton5Click() {
    ShowDrillResult();
    screen_.button(ButtonRole::Start)->setEnabled(true);
    screen_.button(ButtonRole::Next)->setEnabled(false);
    screen_.button(ButtonRole::Stop)->setEnabled(false);
    screen_.button(ButtonRole::Result)->setEnabled(true);
    setPrompt(finishedPrompt);
    PlayCue(SoundCue::Hint);
}

void DrillSession::ShowDrillResult() {
    const int elapsed = elapsedSeconds(timing_.startSecond, secondOfDayNow());
    screen_.label(3)->setCaption(QString());
    screen_.label(4)->setCaption(QString());
    const LessonState& s = lessonState();
    const std::optional<DrillResultTexts> result = drillResult(s.problemCount, s.correctCount, elapsed);
    const QStringList lines =
        result ? QStringList{result->problems, result->correct, result->score, result->time}
               : QStringList(4, QString());
    for (int i = 0; i < lines.size(); ++i)
        screen_.label(5 + i)->setCaption(lines.at(i));
    stopCountdown();
}

void DrillSession::CuteButton6Click() {
    LessonState& s = lessonState();
    if (s.hintShown == 0) {
        s.hintShown = 1;
        answerTable_->move(answerTable_->x(), answerTableTop);
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

void DrillSession::Timer3Timer() {
    // A tick that outlived its screen ends the countdown and shows nothing.
    if (!screen_.isVisible()) {
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
    screen_.button(ButtonRole::Result)->setEnabled(true);
}
