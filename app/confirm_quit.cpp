#include "app/confirm_quit.h"

#include "core/message_boxes.h"

#include <QApplication>
#include <QWidget>

namespace {
bool terminating = false;
}

void ConfirmQuit() {
    // The program is ending already: a click still on its way asks nothing more.
    if (terminating)
        return;
    if (messageBoxes().confirm(QStringLiteral("おわっても いいの？")) == ConfirmAnswer::No)
        return;
    requestTermination();
}

void requestTermination() {
    terminating = true;
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    QCoreApplication::quit();
}

bool terminationRequested() {
    return terminating;
}

void clearTerminationRequest() {
    terminating = false;
}
