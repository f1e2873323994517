#include "tests/support/sound_server.h"

#include <QProcess>
#include <QStandardPaths>

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
