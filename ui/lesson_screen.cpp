#include "ui/lesson_screen.h"

#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/zoom.h"
#include "core/lesson_state.h"
#include "ui/sound_cue.h"

const QString LessonScreen::hintShownPrompt =
    QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！");
const QString LessonScreen::stepPrompt = QStringLiteral("「ステップ」ボタンで すすめてね！");

namespace {

void enable(TCuteButton* button, bool on) {
    if (button)
        button->setEnabled(on);
}

} // namespace

LessonScreen::LessonScreen(QWidget* parent, const QString& objectName, const QString& windowCaption,
                           const LessonTraits& traits, int height)
    : ScreenFrame(parent, objectName, windowCaption, height), traits_(traits) {
    setRoleHandler(ButtonRole::Mode, [this] { CuteButton3Click(); });
    setRoleHandler(ButtonRole::Next, [this] { CuteButton4Click(); });
    setRoleHandler(ButtonRole::Answer, [this] { CuteButton5Click(); });
    setRoleHandler(ButtonRole::Hint, [this] { CuteButton6Click(); });
}

// --- building ---

void LessonScreen::addMenu(const QRect& box, const QString& caption, const QStringList& entries) {
    ScreenFrame::addMenu(box, caption, entries, [this](int index) { ComboBox1Change(index); });
}

AnswerPad& LessonScreen::addDigitSelectors(const QList<DigitList>& lists, int submitComboBox,
                                           const QRect& submitBox, AnswerPadTraits traits) {
    return addAnswerPad(lists, submitComboBox, submitBox, traits, [this] { SubmitPicked(); });
}

void LessonScreen::setProblemLabel(CaptionLabel* problem, CaptionLabel* completed) {
    problemLabel_ = problem;
    completedLabel_ = completed;
}

void LessonScreen::setHint(QWidget* hint, int top, SoundCue cue) {
    hint_ = hint;
    hint_->hide();
    hintWidgets_ << hint;
    hintTop_ = top;
    hintCue_ = cue;
}

void LessonScreen::addHintWidget(QWidget* widget) {
    hintWidgets_ << widget;
}

void LessonScreen::finishBuilding() {
    ScreenFrame::finishBuilding();
    if (traits_.showRunsAtCreation)
        runGuarded([this] { FormShow(); });
}

// --- the per-screen routines ---

void LessonScreen::ClearWork() {
    clearWork();
    if (traits_.clearWorkHidesHint)
        hideHints();
    if (traits_.explanationSteps > 0) {
        // The steps start again from the first, and the button says so.
        lessonState().explanationStep = 0;
        setStepCaption(1);
    }
    if (traits_.clearWorkDisablesNext)
        enable(button(ButtonRole::Next), false);
    if (traits_.clearWorkDisablesAnswer)
        enable(button(ButtonRole::Answer), false);
    clearOwnWork();
}

QString LessonScreen::selectorCaption(const DigitList& list) const {
    return list.caption;
}

void LessonScreen::ShowDigitSelectors() {
    if (AnswerPad* answerPad = pad())
        answerPad->makeReady([this](const DigitList& d) { return selectorCaption(d); },
                             [this](const DigitList& d) { return selectorShown(d); });
}

std::optional<LessonScreen::HintView> LessonScreen::hintToShow() {
    if (!hint_)
        return std::nullopt;
    return HintView{hint_, hintTop_};
}

void LessonScreen::hideHints() {
    lessonState().hintShown = 0;
    for (QWidget* hint : std::as_const(hintWidgets_))
        hint->hide();
}

void LessonScreen::setStepCaption(int step) {
    if (TCuteButton* steps = button(ButtonRole::Answer))
        steps->setCaption(QStringLiteral("ステップ") + QChar(u'０' + step));
}

// --- shared handlers ---

void LessonScreen::FormShow() {
    LessonState& s = lessonState();
    const bool hasMenu = menu() != nullptr;
    if (hasMenu && traits_.showSetsStudyMode) {
        s.mode = StudyMode;
    } else if (TCuteButton* mode = button(ButtonRole::Mode)) {
        // The screen goes on in the mode the last screen left; its button says
        // which, or the child would be tested under "べんきょう".
        mode->setCaption(s.mode == TestMode ? QStringLiteral("テスト") : QStringLiteral("べんきょう"));
    }
    ClearWork();
    hideHints();
    if (hasMenu) {
        enable(button(ButtonRole::Next), false);
        enable(button(ButtonRole::Answer), false);
    } else {
        enable(button(ButtonRole::Next), true);
    }
    onShow();
    setPrompt(prompts().waiting);
    PlayCue(SoundCue::Show);
}

void LessonScreen::ComboBox1Change(int index) {
    ClearWork();
    LessonState& s = lessonState();
    s.menuItem = index + 1;
    s.mode = StudyMode;
    if (TCuteButton* mode = button(ButtonRole::Mode))
        mode->setCaption(QStringLiteral("べんきょう"));
    enable(button(ButtonRole::Next), true);
    setPrompt(prompts().next);
    onMenuChosen(s.menuItem);
    PlayCue(SoundCue::Show);
}

void LessonScreen::CuteButton3Click() {
    if (!traits_.modeButtonClearsAfterSwitch)
        ClearWork();
    LessonState& s = lessonState();
    TCuteButton* mode = button(ButtonRole::Mode);
    if (s.mode == StudyMode) {
        s.mode = TestMode;
        mode->setCaption(QStringLiteral("テスト"));
        enable(button(ButtonRole::Next), true);
        enable(button(ButtonRole::Answer), false);
    } else {
        s.mode = StudyMode;
        mode->setCaption(QStringLiteral("べんきょう"));
    }
    if (traits_.modeButtonClearsAfterSwitch)
        ClearWork();
    onModeSwitched(s.mode);
    PlayCue(SoundCue::Show);
}

void LessonScreen::CuteButton4Click() {
    ClearWork();
    TCuteButton* next = button(ButtonRole::Next);
    enable(next, false);
    beforeNextProblem();
    if (!MakeProblem()) {
        // Nothing was drawn for the entry this screen found: no empty problem
        // to answer, the child is sent to the menu instead.
        setPrompt(prompts().waiting);
        PlayCue(SoundCue::Show);
        return;
    }
    TCuteButton* answer = button(ButtonRole::Answer);
    // Before any screen set a mode the screen teaches, as in study mode.
    if (lessonState().mode == TestMode) {
        enable(answer, false);
        ShowDigitSelectors();
        PrepareTestEntry();
        setPrompt(prompts().test);
        if (traits_.nextStaysEnabledInTest)
            enable(next, true);
    } else {
        enable(answer, true);
        setPrompt(prompts().study);
    }
    PlayCue(SoundCue::Show);
}

void LessonScreen::CuteButton5Click() {
    if (traits_.explanationSteps > 0) {
        showNextStep();
        return;
    }
    ShowWorkedAnswer();
    enable(button(ButtonRole::Next), true);
    enable(button(ButtonRole::Answer), false);
    setPrompt(prompts().next);
    PlayCue(SoundCue::Answer);
}

void LessonScreen::showNextStep() {
    LessonState& s = lessonState();
    const int steps = traits_.explanationSteps;
    // After the last step the next press starts the same explanation again.
    s.explanationStep = s.explanationStep >= steps || s.explanationStep < 0 ? 1 : s.explanationStep + 1;
    ShowWorkedAnswer();
    const bool last = s.explanationStep == steps;
    setStepCaption(last ? 1 : s.explanationStep + 1);
    if (last) {
        enable(button(ButtonRole::Next), true);
        PlayCue(SoundCue::Answer);
        setPrompt(prompts().next);
    } else {
        PlayCue(SoundCue::Digit);
        setPrompt(stepPrompt);
    }
}

void LessonScreen::SubmitPicked() {
    const AnswerTaken taken = takeAnswer(pad()->entered());
    switch (taken.kind) {
    case AnswerTaken::Kind::Judged:
        judge(taken.right);
        break;
    case AnswerTaken::Kind::PartTaken:
        ShowDigitSelectors();
        setPrompt(taken.nextPrompt);
        PlayCue(SoundCue::Show);
        break;
    case AnswerTaken::Kind::Ignored:
        break;
    }
}

AnswerTaken LessonScreen::takeAnswer(int entered) {
    lessonState().enteredAnswer = entered;
    return AnswerTaken::judged(entered == expectedAnswer());
}

void LessonScreen::judge(bool right) {
    if (CaptionLabel* target = completedLabel_ ? completedLabel_ : problemLabel_)
        if (const QString completed = completedProblem(); !completed.isEmpty())
            target->setCaption(completed);
    showVerdict(right);
    enable(button(ButtonRole::Next), true);
    setPrompt(prompts().next);
}

void LessonScreen::CuteButton6Click() {
    LessonState& s = lessonState();
    if (s.hintShown != 0) {
        hideHints();
        setPrompt(prompts().hintHidden);
        PlayCue(SoundCue::Show);
        return;
    }
    const std::optional<HintView> view = hintToShow();
    if (!view)
        return;
    zoom::moveTop(view->widget, view->top);
    view->widget->show();
    view->widget->raise();
    setPrompt(hintShownPrompt);
    s.hintShown = 1;
    PlayCue(hintCue_);
}
