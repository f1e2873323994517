#pragma once

#include <QString>

// The application's help file, set when the menu screen is created.
QString applicationHelpFile();
void setApplicationHelpFile(const QString& path);
