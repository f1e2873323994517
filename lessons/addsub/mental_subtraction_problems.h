#pragma once

#include <QString>
#include <optional>

class RandomSource;

// One subtraction problem, A - B. Both subtraction screens draw it and show it
// in the same equation.
struct SubtractionProblem {
    int a = 0; // the minuend, on top in a column
    int b = 0; // the subtrahend
    int difference() const { return a - b; }
};

// Draws A and then B until A is the larger, at most `limit` pairs; at the limit
// the last pair stands.
template <typename DrawA, typename DrawB>
SubtractionProblem drawSubtractionPair(int limit, DrawA drawA, DrawB drawB) {
    SubtractionProblem p;
    for (int draw = 0; draw < limit; ++draw) {
        p.a = drawA();
        p.b = drawB();
        if (p.a > p.b)
            break;
    }
    return p;
}

// "A - B = ?", the open problem.
QString openSubtraction(int a, int b);
// "A - B = difference", the problem answered.
QString completedSubtraction(int a, int b);

// How many times a rejected draw is made at most: the pair for two digits, the
// pair of round hundreds, and B alone for round thousands.
inline constexpr int twoDigitSubtractionDraws = 1000;
inline constexpr int roundHundredsSubtractionDraws = 100;
inline constexpr int roundThousandsSubtrahendDraws = 1000;

// Draws a problem for the menu entry (1 two digits, 2 three, 3 four). The
// selector k is drawn once, first, and keeps the kind of problem through every
// redraw; A is drawn before B. Any other entry draws k only and gives no problem.
std::optional<SubtractionProblem> drawMentalSubtraction(int menuItem, RandomSource& random);

// The worked explanation of A - B for the menu entry; no text for an entry that
// has none.
std::optional<QString> mentalSubtractionExplanation(int menuItem, int a, int b);

// What the prompt asks once a test problem is shown: the digits from the largest place down.
inline const QString mentalSubtractionTestPrompt =
    QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！");
