// Ties the running program to its desktop entry and icon, which share the application ID.
#pragma once

// Names the application and its desktop entry. Called once the application object exists, before the
// first window is made.
void applyDesktopIdentity();

// Sets the windows' icon: the desktop theme's, else the embedded one. Looking it up and handing its
// images to the window system takes longer than the first frame's other work, so it follows that frame.
void applyWindowIcon();
