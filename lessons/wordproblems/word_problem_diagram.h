#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the two story-problem screens share about their line diagrams, without
// any widget: what a ステップ shows, how the kinds and steps come round, and
// the opening of the hint.

// A line picture ("ImageN") that a step makes visible. A long line of Form9
// lies off the rows until it is needed, so it carries the top it is moved to.
struct ShownLine {
    int image = 0;
    std::optional<int> top; // no value: it stays where it is laid out
    bool operator==(const ShownLine&) const = default;
};

// A number label ("LabelN") and the text a step gives it.
struct NumberCaption {
    int label = 0;
    QString text;
    bool operator==(const NumberCaption&) const = default;
};

// Everything one ステップ adds to the diagram. Nothing a step shows is hidden
// by a later step.
struct DiagramStep {
    QString text;           // Label6, replaced at each step
    QList<ShownLine> lines; // pictures made visible, in this order
    QList<NumberCaption> numbers;
    QList<int> shownLabels; // letters and row names made visible
};

// The numbered controls a diagram is made of, for ClearWork.
struct DiagramControls {
    int firstImage;
    int lastImage;
    int firstNumberLabel;
    int lastNumberLabel;
    int firstNameLabel; // letters, and on Form9 the row names after them
    int lastNameLabel;
};

// The number that the problem asks for, as its label shows it.
inline const QString unknownNumber = QStringLiteral("？");

// The counter after `value` in the cycle 1 … count: count (or anything past
// it) is followed by 1, and 0 (nothing yet) by 1.
constexpr int nextInCycle(int value, int count) {
    return value + 1 > count || value < 0 ? 1 : value + 1;
}

// The lines that both screens' hints begin with.
QStringList wordProblemHintOpening();
