#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// One mental-addition problem: A + B.
struct MentalAdditionProblem {
    int a = 0;
    int b = 0;
};

// Draws a problem for the menu entry (1 two digits, 2 three, 3 four). The
// selector k is drawn first and decides the kind of both numbers; A is drawn
// before B. Any other entry draws k only and gives no problem.
std::optional<MentalAdditionProblem> drawMentalAddition(int menuItem, RandomSource& random);

// "A + B = ?" and "A + B = sum".
QString openAddition(int a, int b);
QString completedAddition(int a, int b);

// The worked explanation of A + B for the menu entry; no text for an entry
// that has none.
std::optional<QString> mentalAdditionExplanation(int menuItem, int a, int b);

// The hint text, one entry per line.
const QStringList& mentalAdditionHint();
