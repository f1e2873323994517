#pragma once

#include <QIcon>
#include <QString>

// The application's help file, set when the menu screen is created.
QString applicationHelpFile();
void setApplicationHelpFile(const QString& path);

// The program's icon at the sizes desktops look for: the child picture of the
// screens on a rounded tile. The installed icon theme holds the same pictures.
QIcon applicationIcon();

// Tells the desktop which entry the program's windows belong to (the one the
// package installs, jp.poruna.Poruna.desktop) and gives them the icon, so a
// dock shows the program's own icon, once.
void setApplicationIdentity();

// Why the launcher of the installed program could not prepare the user's
// tables, when it could not: it then starts the program on the supplied
// tables and leaves the reason in the environment. Empty otherwise. Taken
// once, so nothing the program starts inherits it.
QString takeStartProblem();
