#include "lessons/drills/subtraction_drill.h"

TForm8::TForm8(QWidget* parent)
    : DrillScreen(parent,
                  {QStringLiteral("Form8"),
                   QStringLiteral("ひき算：ドリル"),
                   QRect(56, 32, 225, 41),
                   QPoint(64, 40),
                   QRect(64, 144, 140, 27),
                   QRect(64, 200, 240, 40),
                   QPoint(72, 608),
                   {QStringLiteral("２けたから"), QStringLiteral("３けたから")},
                   QRect(800, 32, 130, 73),
                   {{DigitPlace::Tens, 4, {832, 280, 31, 225}}, {DigitPlace::Ones, 3, {864, 280, 31, 225}}},
                   5,
                   QRect(896, 280, 31, 57),
                   QStringLiteral("メニューを えらんでね！")}) {}
