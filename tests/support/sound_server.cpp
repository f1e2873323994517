#include "tests/support/sound_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

SoundServer::SoundServer() {
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
        return;
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment_.insert(QStringLiteral("HOME"), runtime_.path());
    QProcess server;
    server.setProcessEnvironment(environment_);
    server.start(QStringLiteral("pulseaudio"),
                 {QStringLiteral("-D"), QStringLiteral("-n"), QStringLiteral("--exit-idle-time=-1"),
                  QStringLiteral("--load=module-null-sink"),
                  QStringLiteral("--load=module-native-protocol-unix")});
    running_ = server.waitForFinished(10000) && server.exitCode() == 0;
}

SoundServer::~SoundServer() {
    if (!running_)
        return;
    QProcess kill;
    kill.setProcessEnvironment(environment_);
    kill.start(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
    kill.waitForFinished(5000);
}

void SoundServer::useInThisProcess() const {
    for (const QString& name : {QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("HOME")})
        qputenv(name.toLocal8Bit().constData(), environment_.value(name).toLocal8Bit());
}

QByteArray SoundServer::record(const std::function<void()>& meanwhile) const {
    const QString file = runtime_.filePath(QStringLiteral("sink.raw"));
    QProcess recorder;
    recorder.setProcessEnvironment(environment_);
    recorder.start(QStringLiteral("parecord"),
                   {QStringLiteral("--device=null.monitor"), QStringLiteral("--raw"),
                    QStringLiteral("--rate=%1").arg(recordingRate), QStringLiteral("--format=s16le"),
                    QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=10"), file});
    // parecord delivers nothing for its first second or two: a sound made then would be missed.
    for (QDeadlineTimer deadline(30000); QFile(file).size() < 4 * recordingRate; QThread::msleep(50))
        if (deadline.hasExpired() || recorder.state() == QProcess::NotRunning)
            return {};
    meanwhile();
    recorder.terminate();
    recorder.waitForFinished(10000);
    QFile recorded(file);
    return recorded.open(QIODevice::ReadOnly) ? recorded.readAll() : QByteArray();
}
