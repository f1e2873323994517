#pragma once

#include <QList>
#include <QString>
#include <optional>

class CaptionedList;
class ScreenFrame;

// An open problem as the addition, subtraction and drill screens show it,
// "12 + 34 = ?", read back: its numbers and its operator (" + ", " - " or
// " x "). None for any other text.
struct OpenEquation {
    QList<int> numbers;
    QString op;
    int value() const;
};
std::optional<OpenEquation> readOpenEquation(const QString& text);

// The lists a screen takes an answer in: each digit list with the place value
// it stands for, highest first, and ◆ (on Form7 the answer list, whose second
// pick judges). None for a screen that takes no answer.
struct ListPlace {
    int comboBox;
    int place;
};
struct AnswerLists {
    QList<ListPlace> digits;
    int submit;
};
std::optional<AnswerLists> answerListsOf(const QString& screen);

// What a lesson screen promises the child about the problem it shows, read
// from its controls and LessonState alone: the open problem on screen agrees
// with LessonState, every answer it asks for can be entered with the lists
// shown, a problem on screen always leaves a way to answer it or to move on,
// and a drill's result adds up, its score at most 100.
//
// Empty when the screen keeps every promise, else what it broke.
QString brokenPromise(const ScreenFrame* screen);

// The picks a child who knows the answer makes for the next answer of the
// test problem on screen: one entry of each list shown (0 included, so that
// earlier picks are overwritten), then ◆ where the screen has one. None when
// no test problem is waiting for an answer.
struct RightAnswer {
    QList<QPair<CaptionedList*, int>> picks; // list, entry
    CaptionedList* submit = nullptr;         // ◆, or none where the last pick judges
};
std::optional<RightAnswer> rightAnswer(const ScreenFrame* screen);

// ◆ of a lesson screen (none on the drills, which show no mark).
CaptionedList* markedSubmitList(const ScreenFrame* screen);
// The answer the next ◆ is judged against, while a test problem that takes
// one answer waits for it.
std::optional<int> awaitedAnswer(const ScreenFrame* screen);
// Right after ◆: whether the mark shown agrees with the digits the lists show
// and the awaited answer. Empty when it does.
QString markBroken(const ScreenFrame* screen, int awaited);
