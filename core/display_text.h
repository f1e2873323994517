#pragma once

#include <QString>
#include <QStringList>

// What is painted for a text that marks its line breaks with CR or CR LF.
inline QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

// A digit list's ten entries, the full-width digits "０" … "９", each after `before`.
inline QStringList digitEntries(const QString& before = {}) {
    QStringList entries;
    for (char16_t digit = u'０'; digit <= u'９'; ++digit)
        entries << before + QChar(digit);
    return entries;
}

// The lesson screens' lists, where "７" carries an ideographic space after it.
inline QStringList lessonDigitEntries(const QString& before = {}) {
    QStringList entries = digitEntries(before);
    entries[7] += u'\u3000';
    return entries;
}
