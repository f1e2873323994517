#pragma once

#include "core/media_device.h"

#include <QObject>
#include <QString>

// The menu screen's invisible media player, through which every cue plays.
class MediaPlayer final : public QObject {
    Q_OBJECT
public:
    enum class DeviceType { Automatic };

    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    void setDeviceType(DeviceType type) { deviceType_ = type; }
    DeviceType deviceType() const { return deviceType_; }
    void setFileName(const QString& file) { fileName_ = file; }
    QString fileName() const { return fileName_; }
    MediaMode mode() const;
    void open();
    void play();

    // The player that cues go to: the one the menu screen made.
    static MediaPlayer* cuePlayer();

private:
    DeviceType deviceType_ = DeviceType::Automatic;
    QString fileName_;
};
