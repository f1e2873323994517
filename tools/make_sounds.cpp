// Writes the seven cue sounds as 16-bit mono WAV files into the given folder,
// then measures them and fails when one would be hard to hear on a laptop's
// small speakers or would click:
//   - A-weighted levels within 3 dB of each other (each is scaled to one level),
//   - at most half of a file's energy below 300 Hz, which such speakers hardly play,
//   - peaks at or below -3 dBFS,
//   - first and last samples silent (each note fades in and out).
// Prints each file's figures.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int sampleRate = 22050;
constexpr double pi = 3.14159265358979323846;
constexpr double levelDbA = -12; // every cue's A-weighted level, dB re full scale
constexpr double maxPeakDbfs = -3;
constexpr double maxLevelSpreadDb = 3;
constexpr double maxShareBelow300 = 0.5;
constexpr double maxEdgeDbfs = -60; // first and last sample
constexpr double fadeInSeconds = 0.005;
constexpr double fadeOutSeconds = 0.008;

enum class Voice {
    Bell,  // fundamental, a quiet octave and twelfth, dying away
    Buzzer // every harmonic up to 4 kHz, odd ones stronger, held
};

struct Note {
    double frequency; // Hz; 0 is a rest
    double seconds;
    Voice voice = Voice::Bell;
    double endFrequency = 0; // Hz the pitch glides to over the note; 0 keeps it
};

double harmonicAmplitude(Voice voice, int k) {
    if (voice == Voice::Bell)
        return k == 1 ? 1.0 : k == 2 ? 0.3 : k == 3 ? 0.12 : 0.0;
    return (k % 2 == 1 ? 1.0 : 0.5) / std::sqrt(double(k));
}

std::vector<double> render(const std::vector<Note>& notes) {
    std::vector<double> out;
    for (const Note& n : notes) {
        const int count = static_cast<int>(std::lround(n.seconds * sampleRate));
        const double glideTo = n.endFrequency > 0 ? n.endFrequency : n.frequency;
        const int harmonics = n.voice == Voice::Bell ? 3 : static_cast<int>(4000 / n.frequency);
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / sampleRate;
            phase += 2 * pi * (n.frequency + (glideTo - n.frequency) * i / count) / sampleRate;
            double v = 0;
            for (int k = 1; n.frequency > 0 && k <= harmonics; ++k)
                // Spread phases (Schroeder's) keep a buzzer's peaks low for its loudness.
                v += harmonicAmplitude(n.voice, k) * std::sin(k * phase + pi * k * k / harmonics);
            const double fade =
                std::min({1.0, t / fadeInSeconds, (n.seconds - t - 1.0 / sampleRate) / fadeOutSeconds});
            const double decay = n.voice == Voice::Bell ? std::exp(-2.5 * t) : 1.0;
            out.push_back(v * std::max(0.0, fade) * decay);
        }
    }
    return out;
}

// In place, the length a power of two.
void fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2 * pi / double(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1;
            for (size_t j = 0; j < len / 2; ++j, w *= step) {
                const std::complex<double> u = a[i + j], v = a[i + j + len / 2] * w;
                a[i + j] = u + v;
                a[i + j + len / 2] = u - v;
            }
        }
    }
}

// The A-weighting curve (IEC 61672) as a power gain at frequency f.
double aWeight(double f) {
    const double f2 = f * f;
    const double r = 12194.0 * 12194.0 * f2 * f2 /
                     ((f2 + 20.6 * 20.6) * std::sqrt((f2 + 107.7 * 107.7) * (f2 + 737.9 * 737.9)) *
                      (f2 + 12194.0 * 12194.0));
    return r * r * std::pow(10.0, 2.0 / 10);
}

struct Figures {
    double levelDbA; // mean A-weighted power over the file, dB re full scale
    double below300; // share of the energy below 300 Hz
    double peakDbfs;
    double edgeDbfs; // the louder of the first and the last sample
};

double dbfs(double amplitude) {
    return 20 * std::log10(std::max(std::abs(amplitude), 1e-9));
}

// Samples on the full scale -1 … 1.
Figures measure(const std::vector<double>& s) {
    size_t n = 1;
    while (n < s.size())
        n <<= 1;
    std::vector<std::complex<double>> spectrum(s.begin(), s.end());
    spectrum.resize(n);
    fft(spectrum);
    double all = 0, low = 0, weighted = 0;
    for (size_t k = 0; k < n; ++k) {
        const double f = double(std::min(k, n - k)) * sampleRate / double(n);
        const double power = std::norm(spectrum[k]);
        all += power;
        low += f < 300 ? power : 0;
        weighted += power * aWeight(f);
    }
    // Parseval: the spectrum's power over n is the samples' sum of squares.
    const double meanSquare = weighted / double(n) / double(s.size());
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    // A full-scale sine is 0 dB: its mean square is 1/2.
    return {10 * std::log10(2 * meanSquare), low / all, dbfs(peak),
            dbfs(std::max(std::abs(s.front()), std::abs(s.back())))};
}

void put16(std::ofstream& out, std::uint16_t v) {
    out.put(char(v & 0xFF)).put(char(v >> 8));
}
void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// Rounds to 16 bits as it writes; returns the samples as written.
std::vector<double> writeWave(const std::string& path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary);
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
    std::vector<double> written;
    for (double v : samples) {
        const auto s = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
        put16(out, static_cast<std::uint16_t>(s));
        written.push_back(s / 32768.0);
    }
    return out ? written : std::vector<double>{};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    // Pitches: C6 1047, D6 1175, E6 1319, F6 1397, G6 1568, C7 2093, A5 880, G4 392, G3 196.
    const Voice buzz = Voice::Buzzer;
    const struct {
        const char* name;
        std::vector<Note> notes;
    } sounds[] = {
        {"pipo.wav", {{1568, 0.09}, {1047, 0.14}}},
        {"poon.wav", {{880, 0.55}}},
        {"bubuu.wav", {{196, 0.14, buzz}, {0, 0.05}, {196, 0.43, buzz, 185}}},
        {"pinpon.wav", {{1319, 0.18}, {1047, 0.4}}},
        {"charararan.wav",
         {{1047, 0.07}, {1175, 0.07}, {1319, 0.07}, {1397, 0.07}, {1568, 0.07}, {2093, 0.8}}},
        {"bun.wav", {{392, 0.1, buzz, 311}}},
        {"chararan.wav", {{1319, 0.07}, {1568, 0.07}, {2093, 0.6}}},
    };
    std::printf("%-16s %8s %9s %10s %11s\n", "file", "dB(A)", "<300 Hz", "peak dBFS", "ends dBFS");
    double lowest = 1e9, highest = -1e9;
    bool broken = false;
    for (const auto& sound : sounds) {
        std::vector<double> samples = render(sound.notes);
        const double gain = std::pow(10.0, (levelDbA - measure(samples).levelDbA) / 20);
        for (double& v : samples)
            v *= gain;
        const std::vector<double> written = writeWave(folder + sound.name, samples);
        if (written.empty()) {
            std::fprintf(stderr, "make_sounds: cannot write %s%s\n", folder.c_str(), sound.name);
            return 1;
        }
        const Figures f = measure(written);
        const bool fits =
            f.below300 <= maxShareBelow300 && f.peakDbfs <= maxPeakDbfs && f.edgeDbfs <= maxEdgeDbfs;
        std::printf("%-16s %8.1f %8.0f%% %10.1f %11.0f%s\n", sound.name, f.levelDbA, 100 * f.below300,
                    f.peakDbfs, f.edgeDbfs, fits ? "" : "  <- breaks a rule");
        broken = broken || !fits;
        lowest = std::min(lowest, f.levelDbA);
        highest = std::max(highest, f.levelDbA);
    }
    std::printf("A-weighted levels within %.1f dB (at most %.0f)\n", highest - lowest, maxLevelSpreadDb);
    return broken || highest - lowest > maxLevelSpreadDb ? 1 : 0;
}
