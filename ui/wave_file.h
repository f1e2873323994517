#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// A cue's sound as it goes to the audio output: its format and its samples.
struct WaveSound {
    QAudioFormat format;
    QByteArray samples;
};

// Reads a WAV file whole. Throws PorunaError naming the file when it is
// missing, unreadable, not a WAV file, cut short (less data than its header
// declares) or in an encoding the output cannot take (only integer PCM of 8,
// 16 or 32 bits and 32-bit float are played).
WaveSound readWaveFile(const QString& path);
