#pragma once

#include "lessons/drills/drill_screen.h"

class TDataModule1;

// かけ算：ドリル — the timed times-table drill.
class TForm13 final : public DrillScreen {
    Q_OBJECT
public:
    explicit TForm13(TDataModule1& data, QWidget* parent = nullptr);
};
