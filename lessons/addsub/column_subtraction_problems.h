#pragma once

#include "lessons/addsub/mental_subtraction_problems.h"

#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// How many times a rejected draw is made at most: the pair of two two-digit
// numbers, and the tries for a "３けたから" problem that borrows from the hundreds.
inline constexpr int twoDigitColumnPairDraws = 1000;
inline constexpr int hundredsBorrowDraws = 1000;

// Draws a problem for the menu entry: 1 "２けたから", 2 "３けたから" (A is 100 …
// 178 and its last two digits are smaller than B, so the hundred is always
// borrowed). The selector k is drawn first; any other entry draws k only and
// gives no problem. When a limit is reached the last draw stands.
std::optional<SubtractionProblem> drawColumnSubtraction(int menuItem, RandomSource& random);

inline constexpr int columnSubtractionSteps = 3;

// What one ステップ shows. Every step first redraws the column (A, B, "-", an
// empty row under the line and the line itself), which is also the bare column
// of test mode; then it writes what is below. Nothing here hides a mark: the
// marks and bars of a borrow stay until the board is cleared, through a second
// pass of the steps too.
struct ColumnSubtractionStep {
    QString explanation;                 // Label5
    QString nextCaption;                 // the ステップ button's caption afterwards
    QString differenceRow;               // Label9, under the line
    std::optional<QString> tensMark;     // Label10, the reduced tens digit; no value: unchanged
    std::optional<QString> hundredsMark; // Label13, the reduced hundreds digit; no value: unchanged
    bool strikesTens = false;            // shows Shape2 across the tens digit of A
    bool strikesHundreds = false;        // shows Shape3 across the hundreds digit of A
    bool complete = false;               // Label4 gets the completed equation
};

// Step 1, 2 or 3 of the worked column of A - B for the menu entry; every entry
// other than 1 is worked as "３けたから".
ColumnSubtractionStep columnSubtractionStep(int menuItem, const SubtractionProblem& problem, int step);

// Test mode's single answer list: the first pick is the ones digit of the
// difference, the second its tens digit, and that pick judges; later picks
// change nothing. The screen keeps the count in explanationStep and the number
// written so far under the line, and rebuilds the entry from them.
struct ColumnAnswerEntry {
    enum class Outcome { OnesWritten, Judged, Ignored };

    int picks = 0;   // digits taken for this problem
    int written = 0; // the number under the line

    // Takes one picked digit (0 … 9) and tells what the pick did.
    Outcome pick(int digit);
};

// The prompts of test mode: before the ones digit, and before the tens digit.
inline const QString columnOnesPrompt = QStringLiteral("一のくらいの こたえを えらんでね！");
inline const QString columnTensPrompt = QStringLiteral("十のくらいの こたえを えらんでね！");

// The hint text, one entry per line.
const QStringList& columnSubtractionHint();
