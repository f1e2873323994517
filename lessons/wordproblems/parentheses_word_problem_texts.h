#pragma once

#include "lessons/wordproblems/word_problem_diagram.h"

#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// The oranges of a かっこ story: a at the start, b received, then c received
// (kind 1) or eaten (kind 2).
struct ParenthesesWordProblem {
    int a = 0; // 11 … 29
    int b = 0; // 5 … 8
    int c = 0; // 2 … 6, less than b
};

inline constexpr int parenthesesKinds = 2;
inline constexpr int parenthesesSteps = 4;
// How many (b, c) pairs are drawn at most before the last one stands.
inline constexpr int parenthesesPairDraws = 100;

// Image2 … Image5, number labels Label7 … Label10, letters A–C Label11 … Label13.
inline constexpr DiagramControls parenthesesDiagramControls{2, 5, 7, 10, 11, 13};

// Reseeds, draws a once, then b and c as a pair until c < b (at most
// parenthesesPairDraws pairs; the last stands even when c ≥ b).
ParenthesesWordProblem drawParenthesesWordProblem(RandomSource& random);

// A kind's story and its two answers: the increase (operand4) and the final
// number (correctAnswer).
struct ParenthesesQuestion {
    QString text;
    int increase = 0;
    int total = 0;
};

// The story of kind 1 or 2; no question for any other kind.
std::optional<ParenthesesQuestion> parenthesesQuestion(int kind, const ParenthesesWordProblem& problem);

// Whether the ステップ press after `explanationStep` first hides Image2 …
// Image5 and empties Label7 … Label10: only the first press of a problem
// does; the press after step 4 starts over on the finished diagram.
constexpr bool parenthesesStepClearsDiagram(int explanationStep) {
    return explanationStep == 0;
}

// What ステップ `step` (1 … 4) adds to the diagram. Steps 1 and 2 are the same
// for every kind (kind 0 included: they use whatever a and b are kept);
// steps 3 and 4 exist for kinds 1 and 2 only.
std::optional<DiagramStep> parenthesesDiagramStep(int kind, int step, const ParenthesesWordProblem& problem);

// What a ◆ did with the entered number.
enum class ParenthesesSubmission {
    IncreaseKept, // the first ◆ of a problem: nothing judged yet
    Right,        // increase and total both right: ○
    Wrong,        // either wrong: ×
};

// The two answers of a test-mode problem, entered one after the other.
struct ParenthesesEntries {
    int enteredIncrease = 0;
    int enteredTotal = 0;

    // One ◆ with `entered`; `submission` counts this problem's ◆ picks, this
    // one included. The first keeps the increase; every later one takes the
    // total and judges it together with the kept increase.
    ParenthesesSubmission submit(int submission, int entered, int increase, int total);
};

// Label6 after judging: both right numbers.
QString parenthesesAnswersText(int increase, int total);

// The prompt of つぎへ in test mode, and of the first ◆.
QString parenthesesIncreasePrompt();
QString parenthesesTotalPrompt();

// The hint, line by line.
QStringList parenthesesHintLines();
