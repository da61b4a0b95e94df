// The application title: the name the desktop lists the program under and the title of every message box.
#pragma once

#include <QString>

// Kept as the application name. It is deliberately not the display name, which some platforms append
// to every window title; the main window's caption must be the status line and nothing more.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();
