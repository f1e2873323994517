#pragma once

#include "core/lesson_state.h"
#include "lessons/drills/drill_problems.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

// One digit selector of a drill: its ComboBox number, its place (a pick
// stores the digit times the place's value; the 万 selector stores 10000
// whatever is picked) and the caption ShowDigitSelectors writes.
struct DrillDigitSelector {
    int comboBox = 0;
    DigitPlace place = DigitPlace::Ones;
    QString caption;
};

// Where the three drill screens differ.
struct DrillScreenRules {
    QString screen; // objectName
    QString title;
    DrillOperator op = DrillOperator::Plus;
    QStringList menuEntries; // empty: no menu, the time selector opens the screen
    // The problem for the chosen menu entry (menuItem; ignored without a menu).
    std::optional<DrillProblem> (*draw)(int menuItem, RandomSource& random) = nullptr;

    QString shownPrompt;
    bool showResetsProblemCount = false;
    bool showEnablesTimeSelector = false;
    bool menuChoiceResetsProblemCount = false;

    QList<DrillDigitSelector> digitSelectors; // highest place first
    int submitComboBox = 0;
    // ClearWork disables ComboBox2 (the time selector) up to this one.
    int lastComboBoxClearWorkDisables = 0;
    bool clearWorkResetsHintShown = false;
    // Whether ShowDigitSelectors enables the selectors; where it does not,
    // スタート enables 十 and 一 once for the run.
    bool showDigitSelectorsEnables = true;
    bool startEnablesTensAndOnes = false;
    // Every new problem disables つぎへ, ストップ, スタート and けっか again,
    // hides the grid and empties the result labels.
    bool makeProblemBeginsWithClearWork = false;
    // つぎへ sets digitTens and digitOnes to 0 before the new problem.
    bool nextClearsTensAndOnes = false;
    // Cue 12 once the table is emptied at スタート.
    bool cueAfterEmptying = false;

    QString promptAfterStart;
    QString promptAfterNext;
    QString timeOutMessage;
};

const DrillScreenRules& additionDrillRules();       // TForm5
const DrillScreenRules& subtractionDrillRules();    // TForm8
const DrillScreenRules& multiplicationDrillRules(); // TForm13
