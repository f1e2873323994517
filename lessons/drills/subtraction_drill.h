#pragma once

#include "lessons/drills/drill_screen.h"

// ひき算：ドリル — the timed subtraction drill.
class TForm8 final : public DrillScreen {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};
