#include "core/clock.h"

namespace {
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}
} // namespace

template <> std::unique_ptr<Clock> Seam<Clock>::makeDefault() {
    return std::make_unique<SystemClock>();
}

QString clockText(const QDateTime& at) {
    const QDate d = at.date();
    const QTime t = at.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QStringLiteral("%1/%2  %3:%4 %5")
        .arg(twoDigits(d.month()), twoDigits(d.day()), twoDigits(hour12), twoDigits(t.minute()),
             t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}
