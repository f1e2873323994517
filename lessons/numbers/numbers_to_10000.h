#pragma once

#include "ui/lesson_screen.h"

class DataGrid;
class QPlainTextEdit;

// 数：１００００まで — place value up to 10000 and numbers in kanji.
class TForm2 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The shape of the last 数のあつまり１ problem, 0 to 8.
    int collectionPattern = 0;

    void FormShow() override;
    void ComboBox1Change(int index) override;
    void CuteButton3Click() override;
    void CuteButton4Click() override;
    void CuteButton6Click() override;

    void ClearWork() override;
    void MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    QString completedProblem() const override;

private:
    DataGrid* grid_;
    QPlainTextEdit* memo_;
};
