// How long the child waits for each handler of each screen: the program
// started as main starts it (all thirteen screens), every lesson and drill
// screen shown in turn and driven through its controls as a child drives them,
// round after round, each handler timed from the click or pick to its return.
// The cues go to the real sound device, so each call pays for opening and
// playing its WAV file; the drills write a copy of the supplied tables in a
// folder beside the program folder (same disk). Paints and the sound device's
// own work run between the calls, untimed.
//
// Prints, per screen and handler, the calls made and the 50th and 99th
// percentile of their wall-clock milliseconds and of this thread's processor
// milliseconds (the share that other work on the machine does not decide).
// Passes or fails nothing on time. Target: p99 at most 4 ms for every handler.
//
// Needs a sound output: run it beside a sound server (bench/with_sound_server.sh).
// Usage: handler_latency_bench [ROUNDS [FOLDER]]
//   ROUNDS  rounds per screen, 200 unless given
//   FOLDER  where the copy of the tables goes instead, e.g. /dev/shm to see
//           the handlers without the disk's syncs
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "core/lesson_state.h"
#include "core/message_boxes.h"
#include "lessons/drills/drill_screen.h"
#include "ui/screen_frame.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <random>

namespace {

constexpr double targetMilliseconds = 4.0;

[[noreturn]] void die(const QString& what) {
    std::fprintf(stderr, "handler_latency_bench: %s\n", qPrintable(what));
    std::exit(1);
}

// An error report means a handler failed, and a question was never meant to
// be asked: the run says what it was and ends. An information box that a
// screen shows in its own right (a menu entry without a test) is closed at
// once; the call waited for the child, so it is counted but not timed.
class AnsweringBoxes final : public MessageBoxes {
public:
    ConfirmAnswer confirm(const QString& text) override {
        die(QStringLiteral("a question was asked: ") + text);
    }
    void information(const QString&) override { ++shown; }
    void errorReport(const QString& text) override { die(QStringLiteral("a handler failed: ") + text); }

    int shown = 0;
};

AnsweringBoxes* boxes = nullptr;

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double percentile(QList<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<qsizetype>(std::ceil(p * static_cast<double>(values.size())));
    return values.at(std::clamp<qsizetype>(rank - 1, 0, values.size() - 1));
}

struct Samples {
    QString screen;
    QString handler;
    QList<double> wall;
    QList<double> processor;
    int boxed = 0; // calls that showed a box
};

class Timings {
public:
    // Runs one handler call, timed, then lets the event loop paint and play
    // what the call left for it.
    void measure(const QString& screen, const QString& handler, const std::function<void()>& call) {
        const int boxesBefore = boxes->shown;
        const double startProcessor = threadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        call();
        const auto end = std::chrono::steady_clock::now();
        const double processor = threadMilliseconds() - startProcessor;
        Samples& s = slot(screen, handler);
        if (boxes->shown != boxesBefore) {
            ++s.boxed;
        } else {
            s.wall << std::chrono::duration<double, std::milli>(end - start).count();
            s.processor << processor;
        }
        QCoreApplication::processEvents();
    }

    void print() const {
        // The names come last: Japanese text does not line up in printf's columns.
        std::printf("%6s %8s %8s %8s %8s %8s %6s  %s\n", "calls", "p50 ms", "p99 ms", "max ms", "p50 cpu",
                    "p99 cpu", "boxed", "handler");
        QStringList over;
        QString lastScreen;
        for (const Samples& s : samples_) {
            if (s.wall.isEmpty())
                continue;
            if (s.screen != lastScreen)
                std::printf("%s\n", qPrintable(s.screen));
            lastScreen = s.screen;
            const double p99 = percentile(s.wall, 0.99);
            std::printf("%6lld %8.3f %8.3f %8.3f %8.3f %8.3f %6d  %s\n",
                        static_cast<long long>(s.wall.size()), percentile(s.wall, 0.5), p99,
                        percentile(s.wall, 1.0), percentile(s.processor, 0.5), percentile(s.processor, 0.99),
                        s.boxed, qPrintable(s.handler));
            if (p99 > targetMilliseconds)
                over << QStringLiteral("%1 %2 (%3 ms)").arg(s.screen, s.handler).arg(p99, 0, 'f', 2);
        }
        std::printf("\nWall-clock ms from the click or pick to the handler's return; cpu: this thread's\n"
                    "processor ms in that time; boxed: calls that showed an information box, which\n"
                    "waits for the child and is not timed. Target: p99 at most %.0f ms for every handler.\n",
                    targetMilliseconds);
        if (over.isEmpty())
            std::printf("Every handler's p99 is within the target.\n");
        else
            std::printf("Over the target at p99: %s\n", qPrintable(over.join(QStringLiteral("; "))));
    }

private:
    Samples& slot(const QString& screen, const QString& handler) {
        for (Samples& s : samples_)
            if (s.screen == screen && s.handler == handler)
                return s;
        samples_.append({screen, handler, {}, {}});
        return samples_.last();
    }

    QList<Samples> samples_;
};

// The title the screen shows (its window caption is the program's name).
QString screenTitle(const ScreenFrame* screen) {
    const auto* title = screen->findChild<const QLabel*>(QStringLiteral("Label1"));
    return title ? title->text().simplified() : screen->windowTitle();
}

bool usable(const QWidget* control) {
    return control && control->isVisible() && control->isEnabled();
}

// Drives one screen as a child would, through its controls, and times each handler.
class ScreenDriver {
public:
    ScreenDriver(ScreenFrame* screen, Timings& timings, std::mt19937& random)
        : screen_(screen), timings_(timings), random_(random),
          name_(QStringLiteral("%1 %2").arg(screen->objectName(), screenTitle(screen))) {
        drill_ = qobject_cast<DrillScreen*>(screen) != nullptr;
        for (CaptionedList* list : screen->findChildren<CaptionedList*>()) {
            const QStringList items = list->items();
            if (items.size() == 1 && items.first().contains(u'◆'))
                submit_ = list;
            else if (list->objectName() == QLatin1String("ComboBox1"))
                menu_ = list;
            else if (drill_ && list->objectName() == QLatin1String("ComboBox2"))
                timeList_ = list;
            else
                digits_ << list;
        }
        // From the highest place to the ones, as the child is asked to pick them.
        std::sort(digits_.begin(), digits_.end(),
                  [](const CaptionedList* a, const CaptionedList* b) { return a->x() < b->x(); });
    }

    void round(int number) { drill_ ? drillRound(number) : lessonRound(number); }

private:
    void click(ButtonRole role, const QString& handler) {
        TCuteButton* button = screen_->button(role);
        if (usable(button))
            timings_.measure(name_, handler, [button] { button->click(); });
    }

    void pick(CaptionedList* list, int index, const QString& handler) {
        if (usable(list))
            timings_.measure(name_, handler, [list, index] { list->pick(index); });
    }

    void show() {
        timings_.measure(name_, QStringLiteral("shown"), [this] { screen_->show(); });
    }

    void pickMenu(int number) {
        if (menu_)
            pick(menu_, number % static_cast<int>(menu_->items().size()), QStringLiteral("menu choice"));
    }

    bool answerable() const {
        return usable(submit_) || std::any_of(digits_.cbegin(), digits_.cend(), usable);
    }

    // Digits for every list in sight, then ◆ where the screen has one.
    void answer() {
        for (CaptionedList* digit : digits_)
            pick(digit,
                 std::uniform_int_distribution<int>(0, static_cast<int>(digit->items().size()) - 1)(random_),
                 QStringLiteral("digit pick"));
        pick(submit_, 0, QStringLiteral("◆"));
    }

    void lessonRound(int number) {
        show();
        pickMenu(number);
        click(ButtonRole::Next, QStringLiteral("つぎへ"));
        // こたえ tells the answer at once; ステップ tells it step by step until it is done.
        for (int step = 0; step < 6 && usable(screen_->button(ButtonRole::Answer)); ++step) {
            click(ButtonRole::Answer, QStringLiteral("こたえ/ステップ"));
            if (usable(screen_->button(ButtonRole::Next)))
                break;
        }
        click(ButtonRole::Hint, QStringLiteral("ポイント"));
        click(ButtonRole::Hint, QStringLiteral("ポイント"));
        click(ButtonRole::Mode, QStringLiteral("mode button"));
        click(ButtonRole::Next, QStringLiteral("つぎへ"));
        // Some answers take more than one entry: a column at a time, or two parts.
        for (int entry = 0; entry < 3 && answerable(); ++entry)
            answer();
        click(ButtonRole::Hint, QStringLiteral("ポイント"));
        click(ButtonRole::Hint, QStringLiteral("ポイント"));
        click(ButtonRole::Mode, QStringLiteral("mode button"));
        click(ButtonRole::Back, QStringLiteral("もくじへ"));
    }

    // A run without a time limit: スタート, answers, ストップ, the answer table
    // shown and hidden. Every other run goes on answering after ストップ.
    void drillRound(int number) {
        show();
        pickMenu(number);
        pick(timeList_, 0, QStringLiteral("time choice")); // " 　　なし": no countdown
        for (int run = 0; run < 2; ++run) {
            click(ButtonRole::Start, QStringLiteral("スタート"));
            for (int problem = 0; problem < 4; ++problem) {
                if (problem > 0)
                    click(ButtonRole::Next, QStringLiteral("つぎへ"));
                answer();
            }
            click(ButtonRole::Stop, QStringLiteral("ストップ"));
            click(ButtonRole::Result, QStringLiteral("けっか"));
            click(ButtonRole::Result, QStringLiteral("けっか"));
        }
        click(ButtonRole::Back, QStringLiteral("もくじへ"));
    }

    ScreenFrame* screen_;
    Timings& timings_;
    std::mt19937& random_;
    QString name_;
    bool drill_ = false;
    CaptionedList* menu_ = nullptr;
    CaptionedList* timeList_ = nullptr;
    CaptionedList* submit_ = nullptr;
    QList<CaptionedList*> digits_;
};

// A copy of the supplied tables in a new folder in `parent`, made the working
// directory, where the program looks for kyozai.
std::unique_ptr<QTemporaryDir> copyOfTables(const QString& parent) {
    const QDir program(QCoreApplication::applicationDirPath());
    const QDir seed(program.filePath(QStringLiteral("tests/kyozai-seed")));
    auto folder =
        std::make_unique<QTemporaryDir>(QDir(parent).filePath(QStringLiteral("latency-bench-XXXXXX")));
    if (!folder->isValid() || !QDir(folder->path()).mkdir(QStringLiteral("kyozai")))
        die(QStringLiteral("cannot make a folder in ") + parent);
    for (const QString& table :
         {QStringLiteral("kazu.db"), QStringLiteral("dorill.db"), QStringLiteral("kuku.db")})
        if (!QFile::copy(seed.filePath(table), folder->filePath(QStringLiteral("kyozai/") + table)))
            die(QStringLiteral("the supplied tables are not built: ") + seed.filePath(table));
    QDir::setCurrent(folder->path());
    return folder;
}

int run(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 200;
    if (rounds <= 0)
        die(QStringLiteral("the number of rounds must be above 0"));

    // Beside the program folder unless told otherwise: the disk the tables live on.
    const auto tables =
        copyOfTables(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath());
    auto answering = std::make_unique<AnsweringBoxes>();
    boxes = answering.get();
    Seam<MessageBoxes>::install(std::move(answering));
    startUp();
    Form1->show();
    // Until the start-up cue has played, no cue is heard: wait for it, as a child would.
    QElapsedTimer waiting;
    waiting.start();
    while (lessonState().soundsEnabled != 1 && waiting.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (lessonState().soundsEnabled != 1)
        die(QStringLiteral("the start-up cue never came"));

    Timings timings;
    std::mt19937 random(20241209u);
    for (int n = 2; n <= 13; ++n) {
        auto* screen = Form1->findChild<ScreenFrame*>(QStringLiteral("Form%1").arg(n));
        if (!screen)
            die(QStringLiteral("no screen Form%1").arg(n));
        ScreenDriver driver(screen, timings, random);
        for (int round = 0; round < rounds; ++round)
            driver.round(round);
    }
    timings.print();
    std::printf("%d rounds per screen; platform %s; tables in %s\n", rounds,
                qPrintable(QGuiApplication::platformName()), qPrintable(QDir::currentPath()));
    shutDown();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    endProcess(run(argc, argv)); // as the program ends
}
