#pragma once

#include "core/lesson_state.h"
#include "ui/screen_frame.h"
#include "ui/sound_cue.h"

#include <QList>
#include <QString>
#include <optional>

// The prompts of the study/test table, the screen's own where it words one
// of them otherwise.
struct LessonPrompts {
    QString waiting = QStringLiteral("メニューを えらんでね！");           // shown; nothing to do yet
    QString next = QStringLiteral("「つぎへ」ボタンで すすめてね！");      // a problem may come
    QString study = QStringLiteral("「こたえ」ボタンを おしてね！");       // a study problem is up
    QString test = QStringLiteral("こたえを えらんでから ◆を おしてね！"); // a test problem is up
    QString hintHidden = QStringLiteral("メニューを えらんでね！");
};

// Where a lesson screen departs from the shared study/test table.
struct LessonTraits {
    bool showSetsStudyMode = true;   // with a menu, the show handler puts the screen in study mode
    bool showRunsAtCreation = false; // the show reset also runs once when built
    bool modeButtonClearsAfterSwitch = false;
    bool nextStaysEnabledInTest = false; // the child may skip a test problem
    // The number of ステップ steps where CuteButton5 tells the answer step by
    // step; 0 where it is こたえ and tells it at once.
    int explanationSteps = 0;
    // What ClearWork does besides clearing the work.
    bool clearWorkHidesHint = false; // and sets hintShown to 0
    bool clearWorkDisablesNext = false;
    bool clearWorkDisablesAnswer = false;
    LessonPrompts prompts = {};
};

// What ◆ made of the answer the digits make: a verdict; or one part of an
// answer taken in parts, the lists emptied for the next with its prompt; or
// nothing at all.
struct AnswerTaken {
    enum class Kind { Judged, PartTaken, Ignored };
    Kind kind;
    bool right = false;
    QString nextPrompt = {};

    static AnswerTaken judged(bool right) { return {Kind::Judged, right}; }
    static AnswerTaken partTaken(const QString& prompt) { return {Kind::PartTaken, false, prompt}; }
    static AnswerTaken ignored() { return {Kind::Ignored}; }
};

// The pattern every lesson screen follows: the study/test switch, つぎへ,
// こたえ or its steps, ◆ and the hint. A screen declares its controls while
// it is built and its departures in its traits; the handlers below follow
// the shared table, and a screen departs from it through the hooks,
// overriding a whole handler only where its lesson really differs.
class LessonScreen : public ScreenFrame {
    Q_OBJECT
public:
    static const QString hintShownPrompt; // もういちど「ポイント」ボタンを おせば きえるよ！
    static const QString stepPrompt; // 「ステップ」ボタンで すすめてね！

    // The shared handlers, as the controls call them.
    void FormShow() override;
    void ComboBox1Change(int index);
    virtual void CuteButton3Click(); // the mode button
    virtual void CuteButton4Click(); // つぎへ
    virtual void CuteButton5Click(); // こたえ, or ステップ where the answer is told in steps
    void CuteButton6Click();         // ポイント
    void SubmitPicked();             // ◆

    // Clears what the screen declared; a screen adds to it in clearOwnWork().
    void ClearWork();
    // Empties the digit lists for a new answer.
    void ShowDigitSelectors();
    // Draws a problem for the chosen menu entry and shows it; false when the
    // screen has no problem for that entry (none chosen yet, or another
    // screen's), and then nothing is shown.
    virtual bool MakeProblem() { return false; }
    virtual void ShowWorkedAnswer() {}

protected:
    LessonScreen(QWidget* parent, const QString& objectName, const QString& windowCaption,
                 const LessonTraits& traits = {}, int height = screenHeight);

    // --- building, besides the frame's ---
    void addMenu(const QRect& box, const QString& caption, const QStringList& entries);
    AnswerPad& addDigitSelectors(const QList<DigitList>& lists, int submitComboBox, const QRect& submitBox,
                                 AnswerPadTraits traits = {});
    // The label that shows the problem, and where ◆ shows it completed when
    // that is another label.
    void setProblemLabel(CaptionLabel* problem, CaptionLabel* completed = nullptr);
    void setHint(QWidget* hint, int top, SoundCue cue);
    // Another widget ポイント may show; hidden with the hint.
    void addHintWidget(QWidget* widget);
    // The last step of building; also runs the show reset where the traits ask.
    void finishBuilding();

    const LessonTraits& traits() const { return traits_; }
    virtual void clearOwnWork() {}

    virtual void onShow() {}
    virtual void onMenuChosen(int /*menuItem*/) {}
    virtual void onModeSwitched(int /*mode*/) {}
    // Just before つぎへ makes its problem: where a screen moves its rotation of kinds.
    virtual void beforeNextProblem() {}
    // After つぎへ has put up a test problem and its selectors; a screen that
    // takes its answer in parts gets that entry ready here.
    virtual void PrepareTestEntry() {}
    // The caption a digit list shows when it is shown again empty, and whether it is shown at all.
    virtual QString selectorCaption(const DigitList& list) const;
    virtual bool selectorShown(const DigitList& /*list*/) const { return true; }

    // --- ◆ ---
    // What the answer the digits make comes to; by default judged whole
    // against expectedAnswer().
    virtual AnswerTaken takeAnswer(int entered);
    // The problem as completed by ◆, composed from LessonState; empty leaves the label as it is.
    virtual QString completedProblem() const { return {}; }
    // ◆'s verdict: the completed problem, ○ or × with its cue, つぎへ and the prompt.
    void judge(bool right);

    // --- the hint ---
    struct HintView {
        QWidget* widget;
        int top;
    };
    // What ポイント shows; nothing where the screen has no hint for its entry.
    virtual std::optional<HintView> hintToShow();
    void hideHints();

    // The ステップ button names the step its next press shows.
    void setStepCaption(int step);

    const LessonPrompts& prompts() const { return traits_.prompts; }

private:
    void showNextStep();

    const LessonTraits traits_;
    CaptionLabel* problemLabel_ = nullptr;
    CaptionLabel* completedLabel_ = nullptr;
    QWidget* hint_ = nullptr;
    QList<QWidget*> hintWidgets_; // every widget ポイント may show; hidden with the hint
    int hintTop_ = 0;
    SoundCue hintCue_ = SoundCue::Hint;
};
