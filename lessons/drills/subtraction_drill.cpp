#include "lessons/drills/subtraction_drill.h"

#include "lessons/drills/drill_screen_rules.h"

TForm8::TForm8(TDataModule1& data, QWidget* parent)
    : DrillScreen(parent, data, subtractionDrillRules(),
                  {.titleFrame = {56, 32, 225, 41},
                   .titleAt = {64, 40},
                   .problemNumberAt = {64, 144},
                   .problemAt = {64, 200},
                   .firstResultAt = {64, 304},
                   .promptAt = {72, 608},
                   .menuBox = {800, 32, 130, 73},
                   .digitBoxes = {{832, 280, 31, 225}, {864, 280, 31, 225}},
                   .submitBox = {896, 280, 31, 57},
                   .answerTableAt = {246, 593},
                   .emptyBarAboveClock = true}) {}
