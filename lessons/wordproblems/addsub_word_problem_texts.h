#pragma once

#include "lessons/wordproblems/word_problem_diagram.h"

#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// The oranges of a たし算とひき算 story: a two-digit a and a one-digit b.
struct AddSubWordProblem {
    int a = 0; // 11 … 29
    int b = 0; // 3 … 8
    int sum() const { return a + b; }
};

inline constexpr int addSubKinds = 8;
inline constexpr int addSubSteps = 3;

// The two rows of the diagram; a long line is moved to one when shown.
inline constexpr int upperRowTop = 466;
inline constexpr int lowerRowTop = 496;

// Image2 … Image8, number labels Label7 … Label12, then the letters A–D
// (Label13 … Label16) and the row names 白いはこ, 赤いはこ (Label17, Label18).
inline constexpr DiagramControls addSubDiagramControls{2, 8, 7, 12, 13, 18};

// Reseeds, then draws a before b; every pair is used.
AddSubWordProblem drawAddSubWordProblem(RandomSource& random);

// A kind's story, the number it asks for (s, a or b) and the equation shown
// on ◆ ("こたえ：…").
struct AddSubQuestion {
    QString text;
    int answer = 0;
    QString equation;
};

// The story of kind 1 … 8; no question for any other kind.
std::optional<AddSubQuestion> addSubQuestion(int kind, const AddSubWordProblem& problem);

// What ステップ `step` (1 … 3) adds to the diagram of kind 1 … 8; nothing for
// any other kind or step.
std::optional<DiagramStep> addSubDiagramStep(int kind, int step, const AddSubWordProblem& problem);

// The hint, line by line.
QStringList addSubHintLines();
