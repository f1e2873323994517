#pragma once

#include "core/error_report.h"
#include "core/lesson_state.h"
#include "ui/sound_cue.h"
#include "ui/spoken_news.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class CaptionLabel;
class CaptionedList;
class QTimer;
class TCuteButton;

// The command a push button gives. Each role has its control on every screen
// that has it: おわる CuteButton1, もくじへ CuteButton2, the mode button and
// スタート CuteButton3, つぎへ CuteButton4, こたえ/ステップ and ストップ
// CuteButton5, ポイント and けっか CuteButton6.
enum class ButtonRole { Quit, Back, Mode, Next, Answer, Hint, Start, Stop, Result };

// The pattern every lesson screen follows: the window, its buttons by role, the
// digit selectors and ◆, the study/test switch, the hint toggle and the clock.
// A screen declares its controls and settings while it is built; the handlers
// below follow the shared state table, and a screen departs from it through
// the hooks, overriding a whole handler only where its lesson really differs.
class LessonScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int screenWidth = 955;
    static constexpr int screenHeight = 716;

    // The shared handlers, as the controls call them.
    virtual void FormShow();
    virtual void ComboBox1Change(int index);
    virtual void CuteButton3Click(); // the mode button
    virtual void CuteButton4Click(); // つぎへ
    virtual void CuteButton5Click(); // こたえ, or ステップ where the answer is told in steps
    virtual void CuteButton6Click(); // ポイント
    void CuteButton2Click();         // もくじへ
    void CuteButton1Click();         // おわる
    void Timer1Timer();

    struct DigitList;
    virtual void DigitPicked(const DigitList& list, int index);
    virtual void SubmitPicked();

    // The per-screen routines. ClearWork does what the screen declared; a
    // screen adds to it in clearOwnWork().
    void ClearWork();
    virtual void ShowDigitSelectors();
    // Draws a problem for the chosen menu entry and shows it; false when the
    // screen has no problem for that entry (none chosen yet, or another
    // screen's), and then nothing is shown.
    virtual bool MakeProblem() { return false; }
    virtual void ShowWorkedAnswer() {}

    // Controls looked up by their numbered names; a missing one is an error
    // through the standard report, never a null pointer.
    CaptionLabel* label(int number) const;
    CaptionedList* comboBox(int number) const;
    TCuteButton* cuteButton(int number) const;
    // The button of a role; nullptr where the screen has none.
    TCuteButton* button(ButtonRole role) const { return buttons_.value(role); }

    // One digit selector: its place, its control and where it stands; an
    // empty caption or entry list means the place's own.
    struct DigitList {
        DigitPlace place;
        int comboBox;
        QRect box;
        QString caption = {};
        QStringList entries = {};
    };

    // Connects a signal to a handler as one step of the child's: through the
    // guard, and afterwards the keyboard focus goes where the step leaves the
    // child to go on, telling a screen reader what the step put up
    // (finishStep). Every list and button of a screen is connected this way,
    // and a timer whose tick changes what the child sees.
    template <typename Sender, typename Signal, typename Handler>
    void connectStep(Sender* sender, Signal signal, Handler handler);

signals:
    // おわる: the program decides whether to end.
    void quitRequested();

protected:
    LessonScreen(QWidget* parent, const QString& objectName, const QString& windowCaption,
                 int height = screenHeight);

    // --- building the frame ---
    void addTitle(const QString& shapeName, const QRect& frame, QPoint at, const QString& title);
    void addPrompt(const QString& labelName, QPoint at, QPoint pictureAt,
                   const QString& pictureName = QStringLiteral("Image1"));
    void addMenu(const QRect& box, const QString& caption, const QStringList& entries);
    // A 90 × 30 button in its role's colours, with the role's caption unless given.
    TCuteButton* addButton(ButtonRole role, QPoint at, const QString& caption = {});
    void addDigitSelectors(const QList<DigitList>& lists, int submitComboBox, const QRect& submitBox);
    void addVerdictLabel(int number, const QRect& box);
    void addStatusBar(int firstPanelWidth);
    void setHint(QWidget* hint, int top, SoundCue cue);
    // Runs a handler of this screen when a button of this role is clicked, in
    // place of the shared one.
    void setRoleHandler(ButtonRole role, std::function<void()> handler);
    // The last step of building: connects every control to its handler,
    // through the guard, sets the tab order, and shows the screen once where
    // it is ready at start-up.
    void finishBuilding();

    // --- what ClearWork clears ---
    struct LabelRange {
        int first;
        int last;
    };
    QList<LabelRange> workLabels_;    // emptied
    QList<QWidget*> workWidgets_;     // hidden: grids, shapes, pictures
    bool clearWorkHidesHint_ = false; // and sets hintShown to 0
    bool clearWorkDisablesNext_ = false;
    bool clearWorkDisablesAnswer_ = false;
    // Between problems the digit lists and ◆ are hidden, or only disabled (the drills).
    bool listsDisabledBetweenProblems_ = false;
    virtual void clearOwnWork() {}

    // --- the screen's departures from the shared handlers ---
    bool hasMenu_ = true;             // a menu whose choice (and the show) sets `mode`
    bool showSetsStudyMode_ = true;   // the show handler puts the screen in study mode
    bool showRunsAtCreation_ = false; // the show reset also runs once when built
    bool modeButtonClearsAfterSwitch_ = false;
    bool nextStaysEnabledInTest_ = false; // the child may skip a test problem
    bool digitsStoreBareDigit_ = false;   // the lists store the digit, ◆ applies the places
    // The number of ステップ steps where CuteButton5 tells the answer step by
    // step; 0 where it is こたえ and tells it at once.
    int explanationSteps_ = 0;

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
    // The answer the digits picked make.
    int enteredFromDigits() const;
    // What the child's answer is compared with.
    virtual int expectedAnswer() const;
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

    void setPrompt(const QString& text);
    QString prompt() const;
    // ○ or × in the verdict label, with its cue.
    void showVerdict(bool right);
    // The ステップ button names the step its next press shows.
    void setStepCaption(int step);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // --- the screen's prompts ---
    struct Prompts {
        QString waiting = QStringLiteral("メニューを えらんでね！");           // shown; nothing to do yet
        QString next = QStringLiteral("「つぎへ」ボタンで すすめてね！");      // a problem may come
        QString study = QStringLiteral("「こたえ」ボタンを おしてね！");       // a study problem is up
        QString test = QStringLiteral("こたえを えらんでから ◆を おしてね！"); // a test problem is up
        QString hintHidden = QStringLiteral("メニューを えらんでね！");
    } prompts_;

    CaptionLabel* promptLabel_ = nullptr;
    CaptionLabel* problemLabel_ = nullptr; // the problem
    CaptionLabel* completedLabel_ =
        nullptr; // where ◆ shows the completed problem; the problem label by default
    CaptionLabel* verdictLabel_ = nullptr;
    QList<DigitList> digitLists_;
    CaptionedList* submitList_ = nullptr;
    QWidget* hint_ = nullptr;
    QList<QWidget*> hintWidgets_; // every widget ポイント may show; hidden with the hint
    int hintTop_ = 0;
    SoundCue hintCue_ = SoundCue::Hint;

    static const QString hintShownPrompt; // もういちど「ポイント」ボタンを おせば きえるよ！
    static const QString stepPrompt; // 「ステップ」ボタンで すすめてね！

private:
    // Which controls the child could reach before a step, how often each
    // list had been emptied for a new answer, and what the texts showed.
    struct StepBefore {
        QHash<const QWidget*, bool> reachable;
        QHash<const QWidget*, int> emptied;
        SpokenNews::Seen texts;
    };
    StepBefore stepBefore() const;
    void finishStep(QObject* origin, const StepBefore& before);
    // Where the focus goes after a step; nullptr where it stays.
    QWidget* focusAfterStep(const QObject* origin, const StepBefore& before) const;
    // Of the digit lists a step made ready, the one an answer is begun in.
    QWidget* listToBeginAnswer(const QList<QWidget*>& ready) const;
    // A screen opens with the focus on its menu, or without one on the first
    // control the child can use, telling what the screen shows.
    void focusFirstControl();
    CaptionedList* menu() const;

    void showNextStep();
    void setListReady(CaptionedList* list, const QString& caption, bool shown);
    template <typename T> T* numbered(const QString& kind, int number) const;

    // Tab goes through these: the lists, then the buttons, each in reading order.
    QList<QWidget*> controls_;
    QMap<ButtonRole, TCuteButton*> buttons_;
    QMap<ButtonRole, std::function<void()>> roleHandlers_;
    QTimer* clockTimer_ = nullptr;
    SpokenNews news_{this};
};

template <typename Sender, typename Signal, typename Handler>
void LessonScreen::connectStep(Sender* sender, Signal signal, Handler handler) {
    QObject::connect(sender, signal, this,
                     [this, origin = QPointer<QObject>(sender), handler = std::move(handler)](auto... args) {
                         const StepBefore before = stepBefore();
                         QPointer<LessonScreen> self(this);
                         runGuarded([&] { detail::callHandler(handler, args...); });
                         if (self)
                             finishStep(origin, before);
                     });
}

// The caption a digit selector shows for its place.
QString placeCaption(DigitPlace place);
