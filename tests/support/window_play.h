// What a user does on the real main window, for the tests that play it: choosing a port on the
// Settings page, turning the wheel, and the note and velocity that a point of the pad gives.
#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <utility>

class QComboBox;
class QWidget;
class TFormMain;

// Chooses the entry of that name in the port list, as a user picking it from the drop-down does;
// fails the test when it is not listed.
void chooseMidiOutPort(TFormMain& form, const QString& name);

// Chooses entry `index` of a drop-down list, as a user picking it does.
void chooseEntry(QComboBox& list, int index);

// One wheel event of `delta` (120 a notch) over `widget` at `at`, as the wheel sends it.
void turnWheel(QWidget& widget, int delta, QPoint at = QPoint(5, 5));

// The note and velocity that the window's pad controller gives a pad point.
std::pair<uint8_t, uint8_t> noteAndVelocityAt(const TFormMain& form, QPoint at);
