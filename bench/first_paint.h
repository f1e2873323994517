#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

// Prints the wall-clock time of a window's first paint (ns since the epoch),
// the processor time the process has used by then (µs, every thread, user and
// system: the share that other processes on the machine do not decide) and
// its peak resident memory (kB), then ends the event loop.
class FirstPaintReporter final : public QObject {
public:
    explicit FirstPaintReporter(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const long long processorMicroseconds =
                    (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec +
                    usage.ru_stime.tv_usec;
                std::printf("first_paint_ns %lld\nprocessor_us %lld\npeak_rss_kb %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            processorMicroseconds, usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};
