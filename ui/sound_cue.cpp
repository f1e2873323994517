#include "ui/sound_cue.h"

#include "core/lesson_state.h"
#include "core/poruna_error.h"
#include "ui/media_player.h"

QString cueFileName(SoundCue cue) {
    switch (cue) {
    case SoundCue::Show:
        return QStringLiteral("pipo.wav");
    case SoundCue::Answer:
        return QStringLiteral("poon.wav");
    case SoundCue::Wrong:
        return QStringLiteral("bubuu.wav");
    case SoundCue::Right:
        return QStringLiteral("pinpon.wav");
    case SoundCue::StartUp:
        return QStringLiteral("charararan.wav");
    case SoundCue::Digit:
        return QStringLiteral("bun.wav");
    case SoundCue::Hint:
        return QStringLiteral("chararan.wav");
    default:
        return {};
    }
}

void PlayCue(SoundCue cue) {
    MediaPlayer* player = MediaPlayer::cuePlayer();
    if (!player)
        throw PorunaError(QStringLiteral("音を 出す プレーヤーが ありません。"));
    player->setDeviceType(MediaPlayer::DeviceType::Automatic);
    if (const QString file = cueFileName(cue); !file.isEmpty())
        player->setFileName(lessonState().programFolder + QStringLiteral("oto/") + file);
    // Reopening closes the cue still sounding, so a new cue always cuts it off.
    if (player->mode() != MediaMode::Open)
        player->open();
    if (lessonState().soundsEnabled == 1)
        player->play();
}
