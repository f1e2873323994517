#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// The menu items of the length screen.
inline constexpr int millimetresAndCentimetres = 1; // ｍｍとｃｍ
inline constexpr int centimetresAndMetres = 2;      // ｃｍとｍ
inline constexpr int lengthSums = 3;                // けいさん

// How many pairs the sum and difference generators draw at most before the
// last pair stands.
inline constexpr int lengthPairDraws = 1000;

// One problem of the length screen. `lengthKind` is the form of the menu item
// it was drawn in: 1 splits a length into units (or adds), 2 joins units into
// one (or subtracts).
struct LengthProblem {
    int lengthKind = 1;
    int operand1 = 0;
    int operand2 = 0;
    int correctAnswer = 0; // millimetres for items 1 and 3, centimetres for item 2
    QString text;          // the open problem, as the problem label shows it
};

// The explanation shown when the menu item is chosen; none for any other item.
std::optional<QString> lengthExplanation(int menuItem);

// Draws a problem of the menu item: reseeds, draws the form (5 in 9 form 1),
// then the lengths. An item the screen does not have draws nothing and gives no
// problem, so the child is never asked an empty one.
std::optional<LengthProblem> drawLengthProblem(int menuItem, RandomSource& random);

// The problem with its "?" still open, and with the right answer filled in in
// units; the completed one is shown whether the child's answer was right or
// wrong. None for an item the screen does not have.
std::optional<QString> openLengthProblem(int menuItem, int lengthKind, int operand1, int operand2);
std::optional<QString> completedLengthProblem(int menuItem, int lengthKind, int operand1, int operand2);

// What the three digit selectors show over their digits for a problem.
struct LengthSelectorCaptions {
    bool leftShown = true;
    QString left; // hundreds or metres (ComboBox4)
    QString middle;
    QString right;
};

// The selectors' captions for the item and form; none for an item the screen
// does not have (the captions stay as they were).
std::optional<LengthSelectorCaptions> lengthSelectorCaptions(int menuItem, int lengthKind);

// The entries of each digit selector (" ０" … " ９", index = digit) and of the
// submit selector.
QStringList lengthDigitEntries();
QString lengthSubmitEntry();
