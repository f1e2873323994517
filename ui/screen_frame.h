#pragma once

#include "core/error_report.h"
#include "ui/answer_pad.h"
#include "ui/spoken_news.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class CaptionLabel;
class CaptionedList;
class QTimer;
class TCuteButton;

// The command a push button gives. Each role has its control on every screen
// that has it: おわる CuteButton1, もくじへ CuteButton2, the mode button and
// スタート CuteButton3, つぎへ CuteButton4, こたえ/ステップ and ストップ
// CuteButton5, ポイント and けっか CuteButton6.
enum class ButtonRole { Quit, Back, Mode, Next, Answer, Hint, Start, Stop, Result };

// What every screen a topic opens shares: the window, its controls by role and
// number, the answer pad, the clock, the prompt and the verdict, and the
// steps of the child's — each handler run through the guard, after which the
// keyboard focus goes where the child goes on and a screen reader is told
// what the step put up. A screen says what happens when it is shown
// (FormShow) and connects its controls to its own handlers.
class ScreenFrame : public QDialog {
    Q_OBJECT
public:
    static constexpr int screenWidth = 955;
    static constexpr int screenHeight = 716;

    // Run each time the screen is opened.
    virtual void FormShow() = 0;
    void CuteButton2Click(); // もくじへ
    void CuteButton1Click(); // おわる
    void Timer1Timer();

    // Controls looked up by their numbered names; a missing one is an error
    // through the standard report, never a null pointer.
    CaptionLabel* label(int number) const;
    CaptionedList* comboBox(int number) const;
    TCuteButton* cuteButton(int number) const;
    // The button of a role; nullptr where the screen has none.
    TCuteButton* button(ButtonRole role) const { return buttons_.value(role); }

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
    ScreenFrame(QWidget* parent, const QString& objectName, const QString& windowCaption,
                int height = screenHeight);

    // --- building ---
    void addTitle(const QString& shapeName, const QRect& frame, QPoint at, const QString& title);
    void addPrompt(const QString& labelName, QPoint at, QPoint pictureAt,
                   const QString& pictureName = QStringLiteral("Image1"));
    // ComboBox1; a choice runs `chosen` with its 0-based index.
    void addMenu(const QRect& box, const QString& caption, const QStringList& entries,
                 std::function<void(int)> chosen);
    // A 90 × 30 button in its role's colours, with the role's caption unless given.
    TCuteButton* addButton(ButtonRole role, QPoint at, const QString& caption = {});
    // The digit lists and ◆; ◆ runs `submitted`.
    AnswerPad& addAnswerPad(const QList<DigitList>& lists, int submitComboBox, const QRect& submitBox,
                            AnswerPadTraits traits, std::function<void()> submitted);
    void addVerdictLabel(int number, const QRect& box);
    void addStatusBar(int firstPanelWidth);
    // What a new problem clears away: labels emptied, widgets hidden.
    struct LabelRange {
        int first;
        int last;
    };
    void setWork(const QList<LabelRange>& labels, const QList<QWidget*>& widgets = {});
    // What a click on a role's button runs.
    void setRoleHandler(ButtonRole role, std::function<void()> handler);
    // The last step of building: connects the buttons to their handlers, the
    // pad's lists to theirs, sets the tab order.
    void finishBuilding();

    AnswerPad* pad() const { return pad_; }
    CaptionedList* menu() const { return menu_; }

    // Empties the work labels, hides the work widgets, puts the pad away.
    void clearWork();
    void setPrompt(const QString& text);
    QString prompt() const;
    // ○ or × in the verdict label, with its cue.
    void showVerdict(bool right);
    // The answer the child is working towards, for where an answer is begun.
    virtual int expectedAnswer() const;

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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
    // A screen opens with the focus on its menu, or without one on the first
    // control the child can use, telling what the screen shows.
    void focusFirstControl();
    void digitPicked(const DigitList& digits, int index);
    template <typename T> T* numbered(const QString& kind, int number) const;

    QList<LabelRange> workLabels_;
    QList<QWidget*> workWidgets_;
    CaptionLabel* promptLabel_ = nullptr;
    CaptionLabel* verdictLabel_ = nullptr;
    CaptionedList* menu_ = nullptr;
    AnswerPad* pad_ = nullptr;
    std::function<void()> submitted_;
    // Tab goes through these: the lists, then the buttons, each in reading order.
    QList<QWidget*> controls_;
    QMap<ButtonRole, TCuteButton*> buttons_;
    QMap<ButtonRole, std::function<void()>> roleHandlers_;
    QTimer* clockTimer_ = nullptr;
    SpokenNews news_{this};
};

template <typename Sender, typename Signal, typename Handler>
void ScreenFrame::connectStep(Sender* sender, Signal signal, Handler handler) {
    QObject::connect(sender, signal, this,
                     [this, origin = QPointer<QObject>(sender), handler = std::move(handler)](auto... args) {
                         const StepBefore before = stepBefore();
                         QPointer<ScreenFrame> self(this);
                         runGuarded([&] { detail::callHandler(handler, args...); });
                         if (self)
                             finishStep(origin, before);
                     });
}
