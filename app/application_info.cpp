#include "app/application_info.h"

namespace {
QString& helpFile() {
    static QString path;
    return path;
}
} // namespace

QString applicationHelpFile() {
    return helpFile();
}

void setApplicationHelpFile(const QString& path) {
    helpFile() = path;
}
