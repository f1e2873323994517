#include "lessons/length/length_units.h"

#include "ui/look.h"
#include "ui/screen_builder.h"

TForm11::TForm11(QWidget* parent) : LessonScreen(parent, QStringLiteral("Form11"), QStringLiteral("ポルナ")) {
    showSetsStudyMode_ = false;
    addTitle(QStringLiteral("Shape1"), QRect(56, 32, 313, 41), QPoint(64, 40),
             QStringLiteral("長さ：ｍｍ，ｃｍ，ｍ"));
    build::label(this, QStringLiteral("Label4"), QPoint(136, 176), look::rounded(24), look::navy);
    problemLabel_ =
        build::label(this, QStringLiteral("Label5"), QPoint(88, 240), look::rounded(40), look::navy);
    addVerdictLabel(6, QRect(704, 536, 54, 53));
    addPrompt(QStringLiteral("Label3"), QPoint(72, 616), QPoint(0, 592), QStringLiteral("Image3"));
    addMenu(QRect(824, 32, 105, 97), QStringLiteral(" メニュー"),
            {QStringLiteral("ｍｍとｃｍ"), QStringLiteral("ｃｍとｍ"), QStringLiteral("けいさん")});
    addButton(ButtonRole::Next, {840, 568});
    addButton(ButtonRole::Quit, {632, 616});
    addButton(ButtonRole::Back, {736, 616});
    addButton(ButtonRole::Mode, {840, 616});
    addDigitSelectors({{DigitPlace::Hundreds, 4, {776, 328, 40, 233}},
                       {DigitPlace::Tens, 3, {816, 328, 40, 233}},
                       {DigitPlace::Ones, 2, {856, 328, 40, 233}}},
                      5, QRect(896, 328, 40, 57));
    addStatusBar(680);
    workLabels_ = {{4, 6}};
    clearWorkDisablesNext_ = true;
    digitsStoreBareDigit_ = true;
    finishBuilding();
}
