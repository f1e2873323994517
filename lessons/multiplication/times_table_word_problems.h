#pragma once

#include <QString>
#include <optional>

class RandomSource;

// 九九を つかう（１）: two-step stories needing one or two products and an addition or a subtraction.
// 九九を つかう（２）: products with a multiplier of 11 … 16, worked by splitting the multiplier in two.

// The numbers of the problem on the board as the screen keeps them: a … d are operand1 … operand4 and
// answer is correctAnswer. The texts use the stored answer, as the screen shows what it judges against.
struct BoardNumbers {
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    int answer = 0;
};

// Item 4 tells kinds 1 … 4 in turn, item 5 kinds 1 and 2.
inline constexpr int twoStepKinds = 4;
inline constexpr int splitKinds = 2;

// How many sets of numbers the kind draws at most: 100 for kinds 1 and 2, 1000 for kinds 3 and 4.
int twoStepDrawLimit(int kind);
// Kind 1: a × b + c < 100; kind 2: a ≠ c; kind 3: 0 < a − b × c < 10; kind 4: a ≠ c and b ≠ c.
bool twoStepAccepted(int kind, const BoardNumbers& numbers);
// Kinds 1 to 3 draw a, b, c; kind 4 also d (operand4 is left alone by the others).
int twoStepNumbersDrawn(int kind);

// Reseeds, then draws the kind's numbers in their order until they are accepted; when the limit is
// reached the last draw stands. Any other kind draws nothing and gives no problem.
std::optional<BoardNumbers> makeTwoStepProblem(int kind, RandomSource& random);
// Label4: the story of the kind; none for any other kind.
std::optional<QString> twoStepProblemText(int kind, const BoardNumbers& numbers);
// こたえ: what to calculate, the calculation line and the answer with its unit.
std::optional<QString> twoStepExplanation(int kind, const BoardNumbers& numbers);
// ◆: the calculation line of the explanation alone.
std::optional<QString> twoStepEquation(int kind, const BoardNumbers& numbers);

// How many (a, b) pairs are drawn at most while a × b is 100 or more.
inline constexpr int splitPairDraws = 1000;

// Reseeds, then draws a (2 … 8) and b (kind 1: 12, 14 or 16; kind 2: 11, 13 or 15) until a × b < 100;
// the last of 1000 pairs stands. Any other kind draws nothing and gives no problem.
std::optional<BoardNumbers> makeSplitProblem(int kind, RandomSource& random);
// Label4: "a x b の こたえは？".
QString splitProblemText(const BoardNumbers& numbers);
// こたえ: how b is split (kind 1 in two equal halves, kind 2 in two parts, the smaller first), then
// the three calculation lines.
std::optional<QString> splitExplanation(int kind, const BoardNumbers& numbers);
// ◆: the three calculation lines.
std::optional<QString> splitEquation(int kind, const BoardNumbers& numbers);
