#pragma once

#include "core/seam.h"

#include <QDateTime>
#include <QString>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

inline Clock& clockSource() {
    return Seam<Clock>::get();
}

// "mm/dd  hh:mm AM/PM" on the 12-hour clock, as the status bars show it.
QString clockText(const QDateTime& at);
