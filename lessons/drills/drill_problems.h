#pragma once

#include <QList>
#include <QString>
#include <optional>

class RandomSource;

enum class DrillOperator { Plus, Minus, Times };

// One drill problem: two numbers (three on the addition drill's kind 2) joined
// by one operator, and its answer.
struct DrillProblem {
    DrillOperator op = DrillOperator::Plus;
    QList<int> numbers; // operand1, operand2 (, operand3)
    int correctAnswer = 0;
};

// How many times a rejected number is drawn at most before the fallback.
inline constexpr int drillDraws = 1000;
// Addition kind 2: when all three numbers have been drawn this many times
// without a fitting third, the problem is additionFallback. A working random
// source never gets there; a broken one cannot hang the screen.
inline constexpr int additionRounds = 10;
inline const QList<int> additionFallback{41, 32, 23};
// The subtraction drill's problems when every attempt fails.
inline const QList<int> borrowlessFallback{64, 27};
inline const QList<int> borrowFallback{63, 7};
inline const QList<int> hundredsFallback{106, 27};

// Each generator reseeds the source, then draws in the order the drill's
// rules give. A menu entry the drill does not have draws a only and gives no
// problem.

// たし算：ドリル, menu entries 1 to 4: a, then operand1, operand2; kind 2 redraws
// the third number (and after drillDraws failures all three) until the ones
// digits sum below 20 and the tens digits below 18.
std::optional<DrillProblem> drawAdditionDrill(int menuItem, RandomSource& random);
// ひき算：ドリル, menu entries 1 and 2: a, then the attempts of the kind.
std::optional<DrillProblem> drawSubtractionDrill(int menuItem, RandomSource& random);
// かけ算：ドリル, no menu: operand1, operand2, each 1 to 8.
DrillProblem drawMultiplicationDrill(RandomSource& random);

// " + ", " - " or " x ".
QString operatorText(DrillOperator op);
// Label4: "12 + 34 = ?", "8 x 7 = ?".
QString openDrillProblem(const DrillProblem& problem);
// The answer row's MND: an ideographic space, then the numbers and operators,
// no " = ?": "　12 + 34 + 5".
QString answerRowProblem(const DrillProblem& problem);
