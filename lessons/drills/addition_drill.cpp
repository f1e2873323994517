#include "lessons/drills/addition_drill.h"

TForm5::TForm5(QWidget* parent)
    : DrillScreen(parent, {QStringLiteral("Form5"),
                           QStringLiteral("たし算：ドリル"),
                           QRect(56, 32, 241, 41),
                           QPoint(72, 40),
                           QRect(72, 128, 200, 27),
                           QRect(72, 184, 260, 40),
                           QPoint(72, 616),
                           {QStringLiteral("２けた"), QStringLiteral("２けた・３つ"),
                            QStringLiteral("３けた"), QStringLiteral("４けた")},
                           QRect(800, 32, 130, 113),
                           {{DigitPlace::TenThousands, 7, {736, 280, 31, 57}},
                            {DigitPlace::Thousands, 6, {768, 280, 31, 225}},
                            {DigitPlace::Hundreds, 5, {800, 280, 31, 225}},
                            {DigitPlace::Tens, 4, {832, 280, 31, 225}},
                            {DigitPlace::Ones, 3, {864, 280, 31, 225}}},
                           8,
                           QRect(896, 280, 31, 65),
                           QStringLiteral("メニューを えらんでね！")}) {}
