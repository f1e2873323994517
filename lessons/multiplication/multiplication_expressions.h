#pragma once

#include <QString>
#include <optional>

class RandomSource;

// かけ算の しき: a story of b groups of a things, answered with the expression a x b itself.

// The stories told in turn, kinds 1 … 6.
inline constexpr int expressionKinds = 6;
// How many (a, b) pairs are drawn at most while the two come out equal.
inline constexpr int expressionPairDraws = 100;

// a is the size of one group (the multiplicand, 3 … 8), b the number of groups (the multiplier, 4 … 8).
struct ExpressionPair {
    int a = 0;
    int b = 0;
};

// Reseeds, then draws a and b (a first) until they differ; the last of 100 pairs stands.
ExpressionPair drawExpressionPair(RandomSource& random);

// What the selectors hold for the right expression, 10 × a + b: one comparison checks both numbers
// and their order, so b x a is wrong.
int expressionAnswer(int a, int b);

// The story of the kind (1 … 6) that asks for the expression; none for any other kind.
std::optional<QString> expressionProblemText(int kind, int a, int b);
// The size of one group with the story's unit ("5 コ", "5 ｃｍ", "5 人", "5 円"); none for any other kind.
std::optional<QString> expressionGroupText(int kind, int a);
// こたえ: why a x b is the expression, told with the group text of the latest story.
QString expressionExplanation(const QString& groupText, int a, int b);
// ◆: "こたえ：a x b = ", the product left to the times tables.
QString expressionEquation(int a, int b);
