#pragma once

#include <QString>
#include <cstdint>

// The cue codes the screens ask for. Any other code is a cue without a file
// of its own, which replays the previous one.
enum class SoundCue : std::uint32_t {
    Show = 11,    // pipo
    Answer = 12,  // poon
    Wrong = 13,   // bubuu
    Right = 14,   // pinpon
    Repeat = 15,  // no file of its own
    StartUp = 16, // charararan
    Digit = 17,   // bun
    Hint = 19,    // chararan
};

// The WAV file of a cue, or an empty text for a code without one.
QString cueFileName(SoundCue cue);

void PlayCue(SoundCue cue);
