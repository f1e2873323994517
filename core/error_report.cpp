#include "core/error_report.h"

#include "core/message_boxes.h"
#include "core/poruna_error.h"

#include <QStringList>

namespace {

// One standard error report at a time. A report runs a nested event loop, in
// which timers and clicks go on and may fail again; those failures wait for
// the open report to close instead of piling up on top of it, and a message
// already open or waiting is not shown twice.
struct ReportQueue {
    bool open = false;
    QString current;
    QStringList waiting;
};

ReportQueue& queue() {
    static ReportQueue q;
    return q;
}

} // namespace

void reportFailure(const QString& message) {
    ReportQueue& q = queue();
    if (q.open) {
        if (message != q.current && !q.waiting.contains(message))
            q.waiting << message;
        return;
    }
    q.open = true;
    q.current = message;
    struct Closed {
        ~Closed() {
            queue().open = false;
            queue().current.clear();
        }
    } closed;
    messageBoxes().errorReport(message);
    while (!q.waiting.isEmpty()) {
        q.current = q.waiting.takeFirst();
        messageBoxes().errorReport(q.current);
    }
}

void runGuarded(const std::function<void()>& handler) {
    QString message;
    try {
        handler();
        return;
    } catch (const PorunaError& e) {
        message = e.message();
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QStringLiteral("よそうしない エラーが おきました。");
    }
    // Shown outside the catch block: the report runs a nested event loop.
    reportFailure(message);
}
