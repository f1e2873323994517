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

TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;
TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;
TForm13* Form13 = nullptr;

namespace {

template <auto& global>
constexpr ScreenRow row(int menuButton, QRect buttonBox, const char16_t* caption, bool drill, int heading) {
    using Screen = std::remove_pointer_t<std::remove_reference_t<decltype(global)>>;
    return {menuButton,
            buttonBox,
            caption,
            drill,
            heading,
            [](TDataModule1& data, QWidget* menu) -> ScreenFrame* {
                if constexpr (std::is_constructible_v<Screen, TDataModule1&, QWidget*>)
                    global = new Screen(data, menu);
                else
                    global = new Screen(menu);
                return global;
            },
            []() -> ScreenFrame* { return global; },
            [] {
                delete global;
                global = nullptr;
            }};
}

// Form11 is made before Form10, as the program always has.
const ScreenRow rows[] = {
    row<Form2>(3, {78, 120, 215, 30}, u"10000まで", false, 6),
    row<Form3>(4, {78, 210, 215, 30}, u"２～４けたのあん算", false, 8),
    row<Form4>(5, {78, 250, 215, 30}, u"２けたのひっ算", false, 8),
    row<Form5>(6, {78, 290, 215, 30}, u"ドリル", true, 8),
    row<Form6>(7, {78, 380, 215, 30}, u"２～４けたのあん算", false, 11),
    row<Form7>(8, {78, 420, 215, 30}, u"２けたのひっ算", false, 11),
    row<Form8>(9, {78, 460, 215, 30}, u"ドリル", true, 11),
    row<Form9>(10, {430, 120, 215, 30}, u"たし算とひき算", false, 16),
    row<Form11>(12, {430, 250, 215, 30}, u"ｍｍ、ｃｍ、ｍ", false, 20),
    row<Form10>(11, {430, 160, 217, 30}, u"かっこ", false, 16),
    row<Form12>(13, {430, 340, 215, 30}, u"かけ算と九九", false, 7),
    row<Form13>(14, {430, 380, 215, 30}, u"ドリル", true, 7),
};

} // namespace

std::span<const ScreenRow> screenRows() {
    return rows;
}
