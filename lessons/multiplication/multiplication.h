#pragma once

#include "lessons/multiplication/times_table_word_problems.h"
#include "ui/lesson_screen.h"

class CaptionLabel;
class DataGrid;
class TDataModule1;
class TimesTableChart;

// かけ算：かけ算と九九 — multiplication expressions, the 九九 list, the times-table chart and
// problems that use the times tables.
class TForm12 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm12(TDataModule1& data, QWidget* parent = nullptr);

    // The size of one group with its unit, from the latest かけ算の しき story; the explanation
    // reads it, and it keeps its value for the life of the program.
    QString groupText;

    // The mode button: refuses a test on the 九九 list, clears the board only on the way to a test.
    void CuteButton3Click() override;
    // つぎへ: every item moves its own rotation of kinds, and the chart asks in either mode.
    void CuteButton4Click() override;
    bool MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    void onShow() override;
    void onMenuChosen(int menuItem) override;
    QString selectorCaption(const DigitList& list) const override;
    QString completedProblem() const override;
    // ◆ on the chart also shows the cell answered.
    AnswerTaken takeAnswer(int entered) override;

private:
    TDataModule1& data_;

    BoardNumbers board() const;
    void showKukuList();
    void showChart();
    // A new question on the chart: the cell turns red "?" and Label107 asks it.
    void AskChartCell(int row, int column, int cellLabel);

    DataGrid* grid_ = nullptr;
    TimesTableChart* chart_ = nullptr;
    CaptionLabel* chartQuestion_ = nullptr; // Label107
};
