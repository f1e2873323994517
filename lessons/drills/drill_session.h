#pragma once

#include "lessons/drills/drill_problems.h"
#include "lessons/drills/drill_run.h"

#include <QObject>
#include <optional>

class DataGrid;
class DrillScreen;
class TDataModule1;
class QTimer;
struct DrillScreenRules;

// The timed run of one drill screen: the time choice, スタート, つぎへ, ◆,
// ストップ with its result, the countdown and けっか's answer table. Each drill
// screen owns one for the program's life; it reads what differs between the
// three screens from their rules and nothing else about its screen.
class DrillSession final : public QObject {
    Q_OBJECT
public:
    DrillSession(DrillScreen& screen, TDataModule1& data, const DrillScreenRules& rules,
                 DataGrid* answerTable);

    // The handlers, in the order a run meets them.
    void FormShow();
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
    // The countdown belongs to its run: whatever leaves the run ends it.
    void stopCountdown();

private:
    void setPrompt(const QString& text);

    DrillScreen& screen_;
    TDataModule1& data_;
    const DrillScreenRules& rules_;
    DataGrid* answerTable_;
    QTimer* timer3_;
    DrillTiming timing_;
    // The problem on screen, made in this showing of the screen; none before
    // the first スタート of a showing.
    std::optional<DrillProblem> problem_;
    // Judged, counted and logged: a further ◆ on it does nothing.
    bool judged_ = false;
};
