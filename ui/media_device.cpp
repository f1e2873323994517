#include "core/media_device.h"

#include "core/poruna_error.h"
#include "ui/media_player.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Checks what an open must check before any sound is made, so that a broken
// file or a machine without sound output is reported when the cue is asked for.
void checkWaveFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw PorunaError(QStringLiteral("音の ファイルが 見つかりません。\n%1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw PorunaError(
            QStringLiteral("音の ファイルを ひらけません。\n%1\n%2").arg(path, file.errorString()));
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        throw PorunaError(QStringLiteral("音の ファイルが WAV では ありません。\n%1").arg(path));
}

class SoundEffectDevice final : public MediaDevice {
public:
    void open(const QString& file) override {
        close();
        checkWaveFile(file);
        if (QMediaDevices::audioOutputs().isEmpty())
            throw PorunaError(
                QStringLiteral("音を 出す そうち（オーディオ出力）が 見つかりません。\n%1").arg(file));
        openedFile_ = file;
    }

    void play() override {
        if (openedFile_.isEmpty())
            return;
        // Built on first play only: start-up opens cues silently and should not pay for it.
        // The menu's media player owns it, so it goes with the screens, while
        // the application and Qt Multimedia still stand; as a static's member
        // it would be torn down after them, and the program would crash on exit.
        if (!effect_)
            effect_ = new QSoundEffect(MediaPlayer::cuePlayer());
        const QUrl source = QUrl::fromLocalFile(openedFile_);
        if (effect_->source() != source)
            effect_->setSource(source);
        effect_->play();
    }

    MediaMode mode() const override {
        if (openedFile_.isEmpty())
            return MediaMode::NotReady;
        return effect_ && effect_->isPlaying() ? MediaMode::Playing : MediaMode::Stopped;
    }

private:
    void close() {
        if (effect_)
            effect_->stop();
        openedFile_.clear();
    }

    QString openedFile_;
    QPointer<QSoundEffect> effect_;
};

} // namespace

template <> std::unique_ptr<MediaDevice> Seam<MediaDevice>::makeDefault() {
    return std::make_unique<SoundEffectDevice>();
}
