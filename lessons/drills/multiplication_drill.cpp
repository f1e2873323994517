#include "lessons/drills/multiplication_drill.h"

TForm13::TForm13(QWidget* parent)
    : DrillScreen(parent,
                  {QStringLiteral("Form13"),
                   QStringLiteral("かけ算：ドリル"),
                   QRect(56, 32, 217, 41),
                   QPoint(64, 40),
                   QRect(88, 128, 140, 27),
                   QRect(88, 184, 200, 40),
                   QPoint(72, 616),
                   {},
                   {},
                   {{DigitPlace::Tens, 4, {856, 280, 26, 225}}, {DigitPlace::Ones, 3, {880, 280, 26, 225}}},
                   5,
                   QRect(904, 280, 26, 57),
                   QStringLiteral("じかんを えらんでね！")}) {}
