#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <functional>

// A sound server of the test's own (pulseaudio with a null sink, in a runtime
// folder of its own), so that the real media device finds an audio output.
// Stopped again when the object goes.
class SoundServer {
public:
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool running() const { return running_; }
    // The environment under which a process finds this server.
    QProcessEnvironment environment() const { return environment_; }
    // Makes this process find it: to be called before anything asks for audio outputs.
    void useInThisProcess() const;
    QString workingFolder() const { return runtime_.path(); }
    // What the null sink plays while `meanwhile` runs, from its monitor:
    // 16-bit little-endian mono samples at recordingRate.
    QByteArray record(const std::function<void()>& meanwhile) const;
    static constexpr int recordingRate = 22050;

private:
    QTemporaryDir runtime_;
    QProcessEnvironment environment_;
    bool running_ = false;
};
