#pragma once

#include "ui/lesson_screen.h"

// 長さ：ｍｍ，ｃｍ，ｍ — millimetres, centimetres and metres.
class TForm11 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    // The form of its menu item the last つぎへ drew: 1 splits a length into
    // units (or adds), 2 joins units into one length (or subtracts).
    int lengthKind = 1;

    bool MakeProblem() override;

protected:
    void onShow() override;
    void onMenuChosen(int menuItem) override;
    void onModeSwitched(int mode) override;
    QString selectorCaption(const DigitList& list) const override;
    bool selectorShown(const DigitList& list) const override;
    QString completedProblem() const override;

private:
    // Whether the child chose an item of this screen's menu since it was last
    // shown; until then the menuItem in the lesson state is not this screen's.
    bool itemChosen_ = false;
};
