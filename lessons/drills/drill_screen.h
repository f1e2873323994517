#pragma once

#include "ui/lesson_screen.h"

#include <QList>
#include <QPoint>
#include <QRect>

class DataGrid;
class TDataModule1;
class DrillSession;
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

// The frame the three timed drills share: スタート, つぎへ, ストップ, けっか,
// the time list, the result labels, the answer table and the digit
// selectors, with the run itself in the screen's DrillSession.
class DrillScreen : public LessonScreen {
    Q_OBJECT
public:
    ~DrillScreen() override;

    const DrillScreenRules& rules() const { return rules_; }

    void FormShow() override;
    void ComboBox1Change(int index) override;
    void ShowDigitSelectors() override;
    bool MakeProblem() override;
    void SubmitPicked() override;

protected:
    DrillScreen(QWidget* parent, TDataModule1& data, const DrillScreenRules& rules,
                const DrillLayout& layout);
    void clearOwnWork() override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class DrillSession;
    void buildLabels(const DrillLayout& layout);
    void buildAnswerTable(QPoint at, TDataModule1& data);

    const DrillScreenRules& rules_;
    DataGrid* answerTable_ = nullptr;
    DrillSession* session_ = nullptr;
};
