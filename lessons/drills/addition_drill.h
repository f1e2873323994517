#pragma once

#include "lessons/drills/drill_screen.h"

// たし算：ドリル — the timed addition drill.
class TForm5 final : public DrillScreen {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};
