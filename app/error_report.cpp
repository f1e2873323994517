#include "app/error_report.h"

#include "ui/message_boxes.h"
#include "ui/poruna_error.h"

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
    messageBoxes().errorReport(message);
}
