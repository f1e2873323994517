#include "ui/media_player.h"

#include "core/poruna_error.h"

namespace {
MediaPlayer* theCuePlayer = nullptr;
}

MediaPlayer::MediaPlayer(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("MediaPlayer1"));
    theCuePlayer = this;
}

MediaPlayer::~MediaPlayer() {
    if (theCuePlayer == this)
        theCuePlayer = nullptr;
}

MediaPlayer* MediaPlayer::cuePlayer() {
    return theCuePlayer;
}

MediaMode MediaPlayer::mode() const {
    return mediaDevice().mode();
}

void MediaPlayer::open() {
    mediaDevice().open(fileName_);
}

void MediaPlayer::play() {
    // A failure of play itself is not the child's concern; only open reports.
    try {
        mediaDevice().play();
    } catch (const PorunaError&) {
    }
}
