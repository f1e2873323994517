#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// The numbers of a column-addition problem, top row first: two numbers (A, B)
// or three.
using ColumnNumbers = QList<int>;

// How many times the third of three numbers (or, where the first two leave it
// no room, those two) is drawn at most.
inline constexpr int thirdNumberDraws = 1000;

// Draws a problem for the menu entry: 1 two numbers, 2 three numbers. The
// selector k is drawn first for both; any other entry draws k only and gives no
// problem.
std::optional<ColumnNumbers> drawColumnAddition(int menuItem, RandomSource& random);

int columnSum(const ColumnNumbers& numbers);
// "A + B = ?" and "A + B = sum", with as many terms as there are numbers.
QString openColumnProblem(const ColumnNumbers& numbers);
QString completedColumnProblem(const ColumnNumbers& numbers);

inline constexpr int columnSteps = 3;

// What one ステップ shows on the column.
struct ColumnStep {
    QString explanation;
    QString sumRow;                   // under the line
    std::optional<QString> carryMark; // no value: the mark keeps what it shows
    bool complete = false;            // the last step: the equation is completed
};

// Step 1, 2 or 3 of the worked column for the numbers.
ColumnStep columnAdditionStep(const ColumnNumbers& numbers, int step);

// The hint text, one entry per line.
const QStringList& columnAdditionHint();
