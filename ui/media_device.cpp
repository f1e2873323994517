#include "core/media_device.h"

#include "core/poruna_error.h"
#include "ui/media_player.h"
#include "ui/wave_file.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QPointer>

namespace {

// Plays each cue through an audio sink of its own, fed the whole file at once.
//
// Qt's sound effect is not used: it stops its sink as soon as the sink has
// read the last sample, and on PulseAudio that disconnects the stream while
// the server still holds up to a buffer of it (about 0.15 s), so every cue
// lost its tail and the shortest ones were never heard. Here the sink is only
// stopped when the next cue cuts it; once the server has played it all, the
// sink turns idle by itself. Writing the whole cue at once also leaves the
// server nothing to wait for from this thread, however busy it is.
class AudioSinkDevice final : public MediaDevice {
public:
    void open(const QString& file) override {
        close();
        WaveSound sound = readWaveFile(file);
        if (QMediaDevices::audioOutputs().isEmpty())
            throw PorunaError(
                QStringLiteral("音を 出す そうち（オーディオ出力）が 見つかりません。\n%1").arg(file));
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (!output.isFormatSupported(sound.format))
            throw PorunaError(
                QStringLiteral("音の ファイルの 形式が この そうちでは 再生 できません。\n%1").arg(file));
        output_ = output;
        sound_ = std::move(sound);
        opened_ = true;
    }

    void play() override {
        stopSink();
        MediaPlayer* owner = MediaPlayer::cuePlayer();
        if (!opened_ || !owner)
            return;
        // The menu's media player owns the sink, so it goes with the screens,
        // while the application and Qt Multimedia still stand.
        sink_ = new QAudioSink(output_, sound_.format, owner);
        QIODevice* stream = sink_->start();
        if (!stream)
            return;
        stream->write(withSilenceToFill(sound_.samples, sink_->bufferSize()));
    }

    MediaMode mode() const override {
        if (!opened_)
            return MediaMode::NotReady;
        return sink_ && sink_->state() == QAudio::ActiveState ? MediaMode::Playing : MediaMode::Stopped;
    }

private:
    // The server starts a stream once its buffer is full: a cue shorter than
    // the buffer would wait for ever, so silence fills the rest.
    QByteArray withSilenceToFill(const QByteArray& samples, qsizetype bufferBytes) const {
        const int frame = sound_.format.bytesPerFrame();
        const qsizetype missing = bufferBytes - samples.size();
        if (missing <= 0)
            return samples;
        const char silence = sound_.format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
        return samples + QByteArray(missing + frame - 1 - (missing + frame - 1) % frame, silence);
    }

    // Stopping disconnects the stream: what the server still holds of the cue
    // is dropped at once.
    void stopSink() {
        if (sink_) {
            sink_->stop();
            sink_->deleteLater();
        }
        sink_ = nullptr;
    }

    void close() {
        stopSink();
        opened_ = false;
        sound_ = {};
    }

    bool opened_ = false;
    WaveSound sound_;
    QAudioDevice output_;
    QPointer<QAudioSink> sink_;
};

} // namespace

template <> std::unique_ptr<MediaDevice> Seam<MediaDevice>::makeDefault() {
    return std::make_unique<AudioSinkDevice>();
}
