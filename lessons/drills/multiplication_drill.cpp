#include "lessons/drills/multiplication_drill.h"

#include "lessons/drills/drill_screen_rules.h"

TForm13::TForm13(TDataModule1& data, QWidget* parent)
    : DrillScreen(parent, data, multiplicationDrillRules(),
                  {.titleFrame = {56, 32, 217, 41},
                   .titleAt = {64, 40},
                   .problemNumberAt = {88, 128},
                   .problemAt = {88, 184},
                   .firstResultAt = {104, 336},
                   .promptAt = {72, 616},
                   .digitBoxes = {{856, 280, 26, 225}, {880, 280, 26, 225}},
                   .submitBox = {904, 280, 26, 57},
                   .answerTableAt = {238, 497}}) {}
