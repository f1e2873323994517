#pragma once

#include "lessons/drills/drill_screen.h"

class TDataModule1;

// ひき算：ドリル — the timed subtraction drill.
class TForm8 final : public DrillScreen {
    Q_OBJECT
public:
    explicit TForm8(TDataModule1& data, QWidget* parent = nullptr);
};
