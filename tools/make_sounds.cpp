// Writes the seven cue sounds as 16-bit mono WAV files into the given folder.
// Each is a short sequence of soft tones shaped to fit its name.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int sampleRate = 22050;
constexpr double pi = 3.14159265358979323846;

struct Note {
    double frequency; // Hz; 0 is a rest
    double seconds;
    double volume;   // 0 … 1
    double bend = 0; // Hz added linearly over the note (a falling "buu" bends down)
    bool buzzy = false;
};

std::vector<std::int16_t> render(const std::vector<Note>& notes) {
    std::vector<std::int16_t> samples;
    for (const Note& n : notes) {
        const int count = static_cast<int>(n.seconds * sampleRate);
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / sampleRate;
            const double progress = static_cast<double>(i) / count;
            const double f = n.frequency + n.bend * progress;
            phase += 2 * pi * f / sampleRate;
            double v = 0;
            if (n.frequency > 0) {
                // Soft bell: fundamental and a quiet octave; the buzzer adds odd harmonics.
                v = std::sin(phase) + 0.25 * std::sin(2 * phase);
                if (n.buzzy)
                    v = 0.6 * std::sin(phase) + 0.3 * std::sin(3 * phase) + 0.15 * std::sin(5 * phase);
            }
            const double attack = std::min(1.0, t / 0.008);
            const double release = std::min(1.0, (n.seconds - t) / 0.03);
            const double decay = n.buzzy ? 1.0 : std::exp(-2.5 * t);
            samples.push_back(static_cast<std::int16_t>(v * n.volume * attack * release * decay * 12000));
        }
    }
    return samples;
}

void put16(std::ofstream& out, std::uint16_t v) {
    out.put(char(v & 0xFF)).put(char(v >> 8));
}
void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, sampleRate);
    put32(out, sampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    // Pitches: C6 1047, E6 1319, G6 1568, C7 2093, A5 880, E5 659, G5 784.
    const struct {
        const char* name;
        std::vector<Note> notes;
    } sounds[] = {
        {"pipo.wav", {{1568, 0.09, 0.8}, {1047, 0.14, 0.8}}},
        {"poon.wav", {{880, 0.55, 0.9}}},
        {"bubuu.wav", {{150, 0.16, 0.7, -5, true}, {0, 0.04, 0}, {140, 0.42, 0.7, -20, true}}},
        {"pinpon.wav", {{1319, 0.18, 0.9}, {1047, 0.4, 0.9}}},
        {"charararan.wav",
         {{1047, 0.07, 0.7},
          {1175, 0.07, 0.7},
          {1319, 0.07, 0.7},
          {1397, 0.07, 0.7},
          {1568, 0.07, 0.7},
          {2093, 0.8, 0.9}}},
        {"bun.wav", {{330, 0.1, 0.6, -120}}},
        {"chararan.wav", {{1319, 0.07, 0.7}, {1568, 0.07, 0.7}, {2093, 0.6, 0.9}}},
    };
    for (const auto& sound : sounds) {
        if (!writeWave(folder + sound.name, render(sound.notes))) {
            std::fprintf(stderr, "make_sounds: cannot write %s%s\n", folder.c_str(), sound.name);
            return 1;
        }
    }
    return 0;
}
