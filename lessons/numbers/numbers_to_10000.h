#pragma once

#include "ui/lesson_screen.h"

class DataGrid;
class TDataModule1;
class QPlainTextEdit;

// 数：１００００まで — place value up to 10000 and numbers in kanji.
class TForm2 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm2(TDataModule1& data, QWidget* parent = nullptr);

    // The shape of the last 数のあつまり１ problem, 0 to 8.
    int collectionPattern = 0;

    bool MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    void onShow() override;
    void onMenuChosen(int menuItem) override;
    void onModeSwitched(int mode) override;
    QString completedProblem() const override;
    std::optional<HintView> hintToShow() override;

private:
    TDataModule1& data_;
    DataGrid* grid_;
    QPlainTextEdit* memo_;
};
