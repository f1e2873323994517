#pragma once

#include "core/seam.h"

#include <QString>

enum class MediaMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

// The sound output under the media player: open a file (closing the one opened
// before, which stops it), play it without waiting.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    // Throws PorunaError with the device's message when the file or the output
    // cannot be opened.
    virtual void open(const QString& file) = 0;
    virtual void play() = 0;
    virtual MediaMode mode() const = 0;
};

inline MediaDevice& mediaDevice() {
    return Seam<MediaDevice>::get();
}
