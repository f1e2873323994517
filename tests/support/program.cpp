#include "tests/support/program.h"

#include "app/startup.h"
#include "core/lesson_state.h"

StartedProgram::StartedProgram() {
    lessonState() = LessonState{};
    startUp();
}

StartedProgram::~StartedProgram() {
    shutDown();
}
