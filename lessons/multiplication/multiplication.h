#pragma once

#include "ui/lesson_screen.h"

// かけ算：かけ算と九九 — multiplication and the times tables.
class TForm12 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

protected:
    void onShow() override;
};
