#pragma once

#include "lessons/drills/drill_problems.h"
#include "lessons/drills/drill_run.h"
#include "ui/screen_frame.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

class DataGrid;
class TDataModule1;
class QTimer;
struct DrillScreenRules;

// Where a drill screen places the controls that are its own; everything else
// about it is in its rules.
struct DrillLayout {
    QRect titleFrame{}; // Shape1
    QPoint titleAt{};   // Label1
    QPoint problemNumberAt{};
    int problemNumberSize = 27; // Label3's font, in pixels
    QPoint problemAt{};         // Label4
    QPoint firstResultAt{};     // Label5; Label6 to Label8 follow, one line each
    QPoint promptAt{};          // Label2
    QRect menuBox{};            // ComboBox1, where the drill has a menu
    QList<QRect> digitBoxes{};  // one per digit selector, in the rules' order
    QRect submitBox{};
    QPoint answerTableAt{};          // DBGrid1 while hidden; けっか moves it up
    bool emptyBarAboveClock = false; // StatusBar2
};

// A timed drill: the time list, スタート, つぎへ, ◆, ストップ with its result,
// the countdown and けっか's answer table, each answer logged as it is
// judged. The three drill screens differ only in their rules and layout.
class DrillScreen : public ScreenFrame {
    Q_OBJECT
public:
    ~DrillScreen() override;

    const DrillScreenRules& rules() const { return rules_; }

    // The handlers, in the order a run meets them.
    void FormShow() override;
    void ComboBox1Change(int index); // the problem kind
    void ComboBox2Change(int index); // the time limit
    void CuteButton3Click();         // スタート
    void CuteButton4Click();         // つぎへ
    void SubmitPicked();             // ◆
    void CuteButton5Click();         // ストップ
    void CuteButton6Click();         // けっか
    void Timer3Timer();

    // Draws the next problem of the run for the chosen kind and shows it.
    bool MakeProblem();
    // The counts, the score and the time in Label5 … Label8; ends the countdown.
    void ShowDrillResult();
    void ClearWork();
    // Empties the digit lists for the next answer.
    void ShowDigitSelectors();

protected:
    DrillScreen(QWidget* parent, TDataModule1& data, const DrillScreenRules& rules,
                const DrillLayout& layout);
    void hideEvent(QHideEvent* event) override;

private:
    void buildLabels(const DrillLayout& layout);
    void buildAnswerTable(QPoint at);
    // The countdown belongs to its run: whatever leaves the run ends it.
    void stopCountdown();
    void keepSubmitOpen();

    TDataModule1& data_;
    const DrillScreenRules& rules_;
    DataGrid* answerTable_ = nullptr;
    QTimer* timer3_ = nullptr;
    DrillTiming timing_;
    // The problem on screen, made in this showing of the screen; none before
    // the first スタート of a showing.
    std::optional<DrillProblem> problem_;
    // Judged, counted and logged: a further ◆ on it does nothing.
    bool judged_ = false;
};
