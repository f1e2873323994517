// The real program, in a child process of its own, plays a cue through the real
// sound device and is quit by the child's way out: おわる and はい, or the menu's
// close box. It must end with status 0 every time. This test's executable lies
// in the program folder, beside oto/, so the child finds the cues as the
// program does.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "controls/cute_button.h"
#include "core/lesson_state.h"
#include "tests/support/sound_server.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// In the child: once the start-up cue has played, leave the way the scenario says.
int playAndQuit(int argc, char** argv, const QString& way) {
    QApplication application(argc, argv);
    startUp(LessonScreens::AfterFirstPaint); // as the program starts
    auto* poll = new QTimer(Form1);
    QObject::connect(poll, &QTimer::timeout, Form1, [poll, way] {
        if (lessonState().soundsEnabled != 1)
            return;
        poll->stop();
        // Let the cue sound a moment, as a child would hear it before reaching for おわる.
        QTimer::singleShot(300, Form1, [way] {
            if (way == QLatin1String("close-box")) {
                Form1->close();
                return;
            }
            // Answers はい once the question is up, however long a loaded machine takes to show it.
            auto* answer = new QTimer(Form1);
            QObject::connect(answer, &QTimer::timeout, Form1, [answer] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                for (QAbstractButton* b : box ? box->buttons() : QList<QAbstractButton*>{})
                    if (b->text() == QStringLiteral("はい(&Y)")) {
                        answer->stop();
                        b->click();
                    }
            });
            answer->start(50);
            QTest::mouseClick(Form1->findChild<TCuteButton*>(QStringLiteral("CuteButton2")), Qt::LeftButton);
        });
    });
    poll->start(50);
    // A report box nobody answers would hang the child; say what it was and give up.
    QTimer::singleShot(20000, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            fprintf(stderr, "left open: %s\n", qPrintable(box->text()));
        std::_Exit(3);
    });
    const int status = runProgram();
    shutDown();
    return status;
}

} // namespace

class QuitAfterCueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void quitsWithStatusZero_data();
    void quitsWithStatusZero();
    void cleanupTestCase();

private:
    SoundServer* sound_ = nullptr;
};

void QuitAfterCueTest::initTestCase() {
    sound_ = new SoundServer;
    if (!sound_->running())
        QFAIL("no sound server (pulseaudio) to play the cue into");
}

void QuitAfterCueTest::cleanupTestCase() {
    delete sound_;
}

void QuitAfterCueTest::quitsWithStatusZero_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("times");
    QTest::newRow("おわる, then はい") << "confirm" << 4;
    QTest::newRow("the menu's close box") << "close-box" << 2;
}

void QuitAfterCueTest::quitsWithStatusZero() {
    QFETCH(QString, way);
    QFETCH(int, times);
    for (int run = 0; run < times; ++run) {
        QProcess program;
        QProcessEnvironment environment = sound_->environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.setWorkingDirectory(sound_->workingFolder());
        program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play-and-quit"), way});
        QVERIFY(program.waitForFinished(30000));
        const QString output = QString::fromLocal8Bit(program.readAll());
        QVERIFY2(
            program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
            qPrintable(QStringLiteral("run %1: status %2\n%3").arg(run).arg(program.exitCode()).arg(output)));
        QVERIFY2(!output.contains(QLatin1String("Sanitizer")), qPrintable(output));
    }
}

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--play-and-quit")
        endProcess(playAndQuit(argc, argv, QString::fromLocal8Bit(argv[2]))); // as the program ends
    QApplication application(argc, argv);
    QuitAfterCueTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_quit_after_cue.moc"
