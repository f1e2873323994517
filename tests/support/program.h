#pragma once

#include "tests/support/fakes.h"

// The whole program started as `main` starts it, on fakes, without entering the
// event loop; shut down again when the test ends. Each instance starts from an
// empty lesson state.
class StartedProgram {
public:
    StartedProgram();
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    FakePlatform platform;
};
