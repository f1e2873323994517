#pragma once

#include "lessons/drills/drill_screen.h"

// かけ算：ドリル — the timed times-table drill.
class TForm13 final : public DrillScreen {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
};
