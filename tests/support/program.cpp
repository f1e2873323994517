#include "tests/support/program.h"

#include "app/lesson_state.h"
#include "app/startup.h"

StartedProgram::StartedProgram() {
    lessonState() = LessonState{};
    startUp();
}

StartedProgram::~StartedProgram() {
    shutDown();
}
