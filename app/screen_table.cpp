#include "app/screen_table.h"

#include "app/screens.h"
#include "lessons/addsub/column_addition.h"
#include "lessons/addsub/column_subtraction.h"
#include "lessons/addsub/mental_addition.h"
#include "lessons/addsub/mental_subtraction.h"
#include "lessons/drills/addition_drill.h"
#include "lessons/drills/multiplication_drill.h"
#include "lessons/drills/subtraction_drill.h"
#include "lessons/length/length_units.h"
#include "lessons/multiplication/multiplication.h"
#include "lessons/numbers/numbers_to_10000.h"
#include "lessons/wordproblems/addsub_word_problems.h"
#include "lessons/wordproblems/parentheses_word_problems.h"

#include <type_traits>

namespace {

template <typename Screen>
constexpr ScreenRow row(int menuButton, QRect buttonBox, const char16_t* caption, bool drill, int heading) {
    return {menuButton,
            buttonBox,
            caption,
            drill,
            heading,
            [](TDataModule1& data, QWidget* menu) -> ScreenFrame* {
                if constexpr (std::is_constructible_v<Screen, TDataModule1&, QWidget*>)
                    theScreen<Screen> = new Screen(data, menu);
                else
                    theScreen<Screen> = new Screen(menu);
                return theScreen<Screen>;
            },
            []() -> ScreenFrame* { return theScreen<Screen>; },
            [] {
                delete theScreen<Screen>;
                theScreen<Screen> = nullptr;
            }};
}

// Form11 is made before Form10, as the program always has.
const ScreenRow rows[] = {
    row<TForm2>(3, {78, 120, 215, 30}, u"10000まで", false, 6),
    row<TForm3>(4, {78, 210, 215, 30}, u"２～４けたのあん算", false, 8),
    row<TForm4>(5, {78, 250, 215, 30}, u"２けたのひっ算", false, 8),
    row<TForm5>(6, {78, 290, 215, 30}, u"ドリル", true, 8),
    row<TForm6>(7, {78, 380, 215, 30}, u"２～４けたのあん算", false, 11),
    row<TForm7>(8, {78, 420, 215, 30}, u"２けたのひっ算", false, 11),
    row<TForm8>(9, {78, 460, 215, 30}, u"ドリル", true, 11),
    row<TForm9>(10, {430, 120, 215, 30}, u"たし算とひき算", false, 16),
    row<TForm11>(12, {430, 250, 215, 30}, u"ｍｍ、ｃｍ、ｍ", false, 20),
    row<TForm10>(11, {430, 160, 217, 30}, u"かっこ", false, 16),
    row<TForm12>(13, {430, 340, 215, 30}, u"かけ算と九九", false, 7),
    row<TForm13>(14, {430, 380, 215, 30}, u"ドリル", true, 7),
};

} // namespace

std::span<const ScreenRow> screenRows() {
    return rows;
}
