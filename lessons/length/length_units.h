#pragma once

#include "ui/lesson_screen.h"

// 長さ：ｍｍ，ｃｍ，ｍ — millimetres, centimetres and metres.
class TForm11 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);
};
