// The application title: the title of every message box. It is kept apart from the application name,
// "Pixono", which names the running program to the desktop (its window class) and to screen readers.
#pragma once

#include <QString>

// Sets the title that message boxes show from now on; the main window's creation handler sets it.
void SetApplicationTitle(const QString& title);

// The title set last; the application name until one is set.
QString ApplicationTitle();
