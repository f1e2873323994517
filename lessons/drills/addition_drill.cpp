#include "lessons/drills/addition_drill.h"

#include "lessons/drills/drill_screen_rules.h"

TForm5::TForm5(TDataModule1& data, QWidget* parent)
    : DrillScreen(parent, data, additionDrillRules(),
                  {.titleFrame = {56, 32, 241, 41},
                   .titleAt = {72, 40},
                   .problemNumberAt = {72, 128},
                   .problemNumberSize = 21,
                   .problemAt = {72, 184},
                   .firstResultAt = {80, 336},
                   .promptAt = {72, 616},
                   .menuBox = {800, 32, 130, 113},
                   .digitBoxes = {{736, 280, 31, 57},
                                  {768, 280, 31, 225},
                                  {800, 280, 31, 225},
                                  {832, 280, 31, 225},
                                  {864, 280, 31, 225}},
                   .submitBox = {896, 280, 31, 65},
                   .answerTableAt = {214, 481}}) {}
