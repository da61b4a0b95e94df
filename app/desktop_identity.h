// Ties the running program to its desktop entry and icon, which share the application ID.
#pragma once

// Names the application and its desktop entry and sets the windows' icon: the desktop theme's, else
// the embedded one. Called once the application object exists, before the first window is made.
void applyDesktopIdentity();
