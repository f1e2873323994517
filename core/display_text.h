#pragma once

#include <QString>

// What is painted for a text that marks its line breaks with CR or CR LF.
inline QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}
