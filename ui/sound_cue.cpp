#include "ui/sound_cue.h"

#include "core/lesson_state.h"
#include "core/poruna_error.h"
#include "ui/media_player.h"

QString cueFileName(std::uint32_t cue) {
    switch (cue) {
    case 11:
        return QStringLiteral("pipo.wav");
    case 12:
        return QStringLiteral("poon.wav");
    case 13:
        return QStringLiteral("bubuu.wav");
    case 14:
        return QStringLiteral("pinpon.wav");
    case 16:
        return QStringLiteral("charararan.wav");
    case 17:
        return QStringLiteral("bun.wav");
    case 19:
        return QStringLiteral("chararan.wav");
    default:
        return {};
    }
}

void PlayCue(std::uint32_t cue) {
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
