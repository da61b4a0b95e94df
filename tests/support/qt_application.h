// One Qt application object per test program, created on first need, so tests can run event loops.
#pragma once

// Creates the program's QApplication (offscreen unless QT_QPA_PLATFORM says otherwise) if none exists,
// puts the settings file in a fresh folder and installs a presenter that records boxes instead of
// opening them, so no test ever waits on a modal box.
void ensureQtApplication();

// Points the program paths at the test program's own fresh folder.
void useTestProgramPaths();


// A first base class for fixtures whose members need the application already at construction.
struct WithQtApplication {
    WithQtApplication() { ensureQtApplication(); }
};

// Spins the GUI thread's event loop until `done` holds or `maxRounds` rounds (about 1 ms each) passed.
// Returns whether `done` held.
template <class Condition>
bool processEventsUntil(Condition done, int maxRounds = 2000);

void processEventsOnce();

template <class Condition>
bool processEventsUntil(Condition done, int maxRounds)
{
    for (int round = 0; round < maxRounds; ++round) {
        if (done()) return true;
        processEventsOnce();
    }
    return done();
}
