// The real program, in a child process, plays cues through its handlers while
// the test's sound server records its null sink: every cue must arrive whole,
// a digit's cue be cut off by ◆'s asked for at once. This executable lies in the program folder, beside oto/.
#include "app/screens.h"
#include "app/startup.h"
#include "lessons/addsub/mental_addition.h"
#include "tests/support/screen_driver.h"
#include "tests/support/screen_promises.h"
#include "tests/support/sound_server.h"
#include "ui/media_player.h"
#include "ui/sound_cue.h"
#include "ui/wave_file.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <span>

namespace {

// In the child: a step each time the cue before has played out, printing
// "cue <file>" for a cue to be heard whole, "cut <file>" for one cut off.
int playCues(int argc, char** argv) {
    QApplication application(argc, argv);
    startUp();
    ScreenFrame* screen = theScreen<TForm3>;
    const ScreenDriver d(screen);
    const auto asked = [](const char* how) {
        std::printf("%s %s\n", how, qPrintable(MediaPlayer::cuePlayer()->fileName()));
    };
    // The second submit (◆) comes with nothing picked: 0, never a sum on this screen.
    QStringList script{"start-up", "open", "menu 0", "mode", "next",        "digits",
                       "submit",   "next", "submit", "next", "digit submit"};
    QTimer poll;
    int quiet = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const bool playing = MediaPlayer::cuePlayer()->mode() == MediaMode::Playing;
        if ((quiet = lessonState().soundsEnabled == 1 && !playing ? quiet + 20 : 0) < 400)
            return;
        quiet = 0;
        if (script.isEmpty())
            return QApplication::exit(0);
        const QString action = script.takeFirst();
        const std::optional<RightAnswer> right = rightAnswer(screen);
        if (action == QLatin1String("digits"))
            for (const auto& [list, entry] : right->picks)
                list->pick(entry);
        if (action == QLatin1String("digit submit")) {
            right->picks.first().first->pick(1);
            asked("cut");
        }
        if (action.endsWith(QLatin1String("submit")))
            d.act(QStringLiteral("submit"));
        else if (action != QLatin1String("start-up") && action != QLatin1String("digits"))
            d.act(action);
        asked("cue");
    });
    poll.start(20);
    const int status = runProgram();
    shutDown();
    return status;
}

using Samples = std::span<const qint16>;
Samples samplesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const qint16*>(bytes.constData()), size_t(bytes.size() / 2)};
}

double power(Samples samples) {
    double sum = 0;
    for (const qint16 s : samples)
        sum += double(s) * s;
    return sum / double(samples.size());
}

} // namespace

class CuesHeardWholeTest : public QObject {
    Q_OBJECT
private slots:
    void everyCueArrivesWholeAndCutsTheOneBefore();

private:
    SoundServer sound_;
};

void CuesHeardWholeTest::everyCueArrivesWholeAndCutsTheOneBefore() {
    QVERIFY2(sound_.running(), "no sound server (pulseaudio) to play the cues into");
    QProcess program;
    program.setProcessEnvironment(sound_.environment());
    const QByteArray recorded = sound_.record([&] {
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play-cues")});
        program.waitForFinished(100000);
    });
    QVERIFY2(!recorded.isEmpty(), "the sound server's monitor cannot be recorded (parecord)");
    QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
    const Samples heard = samplesOf(recorded);
    const QStringList asked =
        QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);

    // Stretches of sound [first, end), pauses under 0.2 s (within a cue) joined;
    // a cut cue shares the stretch of the cue that cut it.
    constexpr qsizetype rate = SoundServer::recordingRate;
    QList<std::pair<qsizetype, qsizetype>> spans;
    for (qsizetype i = 0; i < qsizetype(heard.size()); ++i)
        if (std::abs(heard[i]) >= 100) {
            if (spans.isEmpty() || i - spans.last().second > rate / 5)
                spans.append({i, i});
            spans.last().second = i + 1;
        }
    QCOMPARE(spans.size(), asked.filter(QRegularExpression(QStringLiteral("^cue "))).size());
    QByteArray cut;
    for (const QString& line : asked) {
        const QByteArray file = readWaveFile(line.mid(4)).samples;
        if (line.startsWith(QLatin1String("cut "))) {
            cut = file;
            continue;
        }
        const Samples cue = samplesOf(file);
        const auto [first, end] = spans.takeFirst();
        const QString where =
            QStringLiteral("%1 at %2 s: heard %3 s of %4 s")
                .arg(line.section(u'/', -1), QString::number(double(first) / rate),
                     QString::number(double(end - first) / rate), QString::number(double(cue.size()) / rate));
        QVERIFY2(end - first >= qsizetype(cue.size()) - rate * 15 / 1000, qPrintable(where));
        // While the cut cue would still sound, only the new one is heard.
        const size_t overlap = std::min(size_t(cut.size() / 2), cue.size());
        const double ratio =
            cut.isEmpty() ? 1 : power(heard.subspan(end - cue.size(), overlap)) / power(cue.first(overlap));
        QVERIFY2(ratio < 1.4, qPrintable(QStringLiteral("a cut cue sounds under ") + where));
        cut.clear();
    }
}

int main(int argc, char** argv) {
    if (argc == 2 && QByteArray(argv[1]) == "--play-cues")
        endProcess(playCues(argc, argv));
    QApplication application(argc, argv);
    CuesHeardWholeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_cues_heard_whole.moc"
