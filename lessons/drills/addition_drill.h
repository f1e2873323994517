#pragma once

#include "lessons/drills/drill_screen.h"

class TDataModule1;

// たし算：ドリル — the timed addition drill.
class TForm5 final : public DrillScreen {
    Q_OBJECT
public:
    explicit TForm5(TDataModule1& data, QWidget* parent = nullptr);
};
