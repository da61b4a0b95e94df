// One Qt application object per test program, created on first need, so tests can run event loops.
#pragma once

// Creates the program's QApplication (offscreen unless QT_QPA_PLATFORM says otherwise) if none exists.
void ensureQtApplication();

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
