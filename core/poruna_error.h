#pragma once

#include <QString>
#include <stdexcept>

// A failure that ends the running handler; the standard error report shows
// its message.
class PorunaError : public std::runtime_error {
public:
    explicit PorunaError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
