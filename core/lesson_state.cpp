#include "core/lesson_state.h"

LessonState& lessonState() {
    static LessonState state;
    return state;
}

int placeValue(DigitPlace place) {
    switch (place) {
    case DigitPlace::TenThousands:
        return 10000;
    case DigitPlace::Thousands:
        return 1000;
    case DigitPlace::Hundreds:
        return 100;
    case DigitPlace::Tens:
        return 10;
    case DigitPlace::Ones:
        break;
    }
    return 1;
}

int& digitField(LessonState& state, DigitPlace place) {
    switch (place) {
    case DigitPlace::TenThousands:
        return state.digitTenThousands;
    case DigitPlace::Thousands:
        return state.digitThousands;
    case DigitPlace::Hundreds:
        return state.digitHundreds;
    case DigitPlace::Tens:
        return state.digitTens;
    case DigitPlace::Ones:
        break;
    }
    return state.digitOnes;
}

int digitField(const LessonState& state, DigitPlace place) {
    return digitField(const_cast<LessonState&>(state), place);
}
