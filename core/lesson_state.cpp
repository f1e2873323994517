#include "core/lesson_state.h"

LessonState& lessonState() {
    static LessonState state;
    return state;
}
