// How long a child waits to hear a cue: from the PlayCue call a handler makes
// to the cue's first sample in what the sound server plays, taken from the
// default sink's monitor (parecord): the moment the monitor hands over the
// first loud sample. Each cue of the table in turn, each after silence, so its
// first sample is its own. The monitor's own delivery (a few milliseconds) is
// counted in, so the figures err on the long side.
//
// Prints the 50th and 99th percentile and the longest wait, over all cues and
// per cue, and how long PlayCue itself holds the handler. Passes or fails
// nothing on time. Target: p99 at most 30 ms.
//
// Needs a sound server: run it beside one (bench/with_sound_server.sh).
// Usage: cue_latency_bench [ROUNDS]   ROUNDS per cue, 15 unless given
#include "core/lesson_state.h"
#include "ui/media_player.h"
#include "ui/sound_cue.h"

#include <QApplication>
#include <QDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int rate = 22050;
constexpr int loud = 100; // of 32767: about -50 dBFS

// Reads the monitor as it comes and notes when the last loud sample and the
// first loud one after arm() arrived.
class MonitorListener {
public:
    MonitorListener() {
        const QByteArray command =
            QByteArrayLiteral("parecord --device=@DEFAULT_MONITOR@ --raw --format=s16le "
                              "--channels=1 --latency-msec=2 2>/dev/null --rate=") +
            QByteArray::number(rate);
        pipe_ = popen(command.constData(), "r");
        if (pipe_)
            reader_ = std::thread([this] { read(); });
    }
    ~MonitorListener() {
        stop_ = true;
        if (reader_.joinable())
            reader_.join();
        if (pipe_)
            pclose(pipe_);
    }

    bool running() const { return pipe_ != nullptr; }
    double secondsHeard() const { return double(samples_) / rate; }
    void arm() { onset_ = Clock::time_point::min().time_since_epoch().count(); }
    bool heardOnset() const { return onset_ != Clock::time_point::min().time_since_epoch().count(); }
    Clock::time_point onset() const { return Clock::time_point(Clock::duration(onset_)); }
    Clock::time_point lastLoud() const { return Clock::time_point(Clock::duration(lastLoud_)); }

private:
    void read() {
        std::int16_t chunk[256];
        while (!stop_) {
            const ssize_t bytes = ::read(fileno(pipe_), chunk, sizeof chunk);
            const Clock::time_point now = Clock::now();
            if (bytes <= 0)
                return;
            const ssize_t count = bytes / 2;
            for (ssize_t i = 0; i < count; ++i) {
                if (std::abs(chunk[i]) < loud)
                    continue;
                if (!heardOnset())
                    onset_ = now.time_since_epoch().count();
                lastLoud_ = now.time_since_epoch().count();
            }
            samples_ += count;
        }
    }

    FILE* pipe_ = nullptr;
    std::thread reader_;
    std::atomic<bool> stop_ = false;
    std::atomic<long long> samples_ = 0;
    std::atomic<Clock::rep> onset_ = Clock::time_point::min().time_since_epoch().count();
    std::atomic<Clock::rep> lastLoud_ = 0;
};

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(p * double(values.size())));
    return values.at(std::clamp<size_t>(rank, 1, values.size()) - 1);
}

// Runs the event loop until `done` holds or `seconds` have passed.
template <class Done> bool waitFor(Done done, double seconds) {
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(long(seconds * 1000));
    while (!done()) {
        if (Clock::now() > until)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

void printRow(const char* name, const std::vector<double>& v) {
    std::printf("%6zu %8.1f %8.1f %8.1f  %s\n", v.size(), percentile(v, 0.5), percentile(v, 0.99),
                *std::max_element(v.begin(), v.end()), name);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    lessonState().programFolder = QDir(QCoreApplication::applicationDirPath()).absolutePath() + u'/';
    lessonState().soundsEnabled = 1;
    MediaPlayer player; // the cue player, as the menu screen holds it

    MonitorListener monitor;
    if (!monitor.running() || !waitFor([&] { return monitor.secondsHeard() > 2; }, 30)) {
        std::fprintf(stderr, "cue_latency_bench: the sound server's monitor cannot be read (parecord)\n");
        return 1;
    }
    const SoundCue cues[] = {SoundCue::Show,    SoundCue::Answer, SoundCue::Wrong, SoundCue::Right,
                             SoundCue::StartUp, SoundCue::Digit,  SoundCue::Hint};
    std::map<QString, std::vector<double>> waits;
    std::vector<double> all, calls;
    for (int round = 0; round < rounds; ++round)
        for (SoundCue cue : cues) {
            // Silence first, so the first loud sample is this cue's.
            waitFor([&] { return Clock::now() - monitor.lastLoud() > std::chrono::milliseconds(150); }, 10);
            monitor.arm();
            const Clock::time_point asked = Clock::now();
            PlayCue(cue);
            calls.push_back(milliseconds(Clock::now() - asked));
            if (!waitFor([&] { return monitor.heardOnset(); }, 2)) {
                std::fprintf(stderr, "cue_latency_bench: cue %u never reached the server\n", unsigned(cue));
                return 1;
            }
            const double wait = milliseconds(monitor.onset() - asked);
            waits[cueFileName(cue)].push_back(wait);
            all.push_back(wait);
        }

    std::printf("From PlayCue to the first sample at the sound server, milliseconds (target: p99 <= 30)\n");
    std::printf("%6s %8s %8s %8s  %s\n", "cues", "p50", "p99", "max", "cue");
    for (const auto& [file, v] : waits)
        printRow(qPrintable(file), v);
    printRow("every cue", all);
    std::printf("PlayCue's own time on the GUI thread, milliseconds\n");
    printRow("every cue", calls);
    return 0;
}
