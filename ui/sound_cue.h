#pragma once

#include <QString>
#include <cstdint>

// The cue codes the screens ask for; codes without a file replay the previous one.
enum SoundCue : std::uint32_t {
    CueShow = 11,    // pipo
    CueAnswer = 12,  // poon
    CueWrong = 13,   // bubuu
    CueRight = 14,   // pinpon
    CueRepeat = 15,  // no file of its own
    CueStartUp = 16, // charararan
    CueDigit = 17,   // bun
    CueHint = 19,    // chararan
};

// The WAV file of a cue, or an empty text for a code without one.
QString cueFileName(std::uint32_t cue);

void PlayCue(std::uint32_t cue);
