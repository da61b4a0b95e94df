// What a user does on the real main window, for the tests that play it: choosing a port on the
// Settings page, turning the wheel, and the note and velocity that a point of the pad gives.
#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <utility>

class QWidget;
class TFormMain;

// Chooses the entry of that name in the port list, as a user picking it from the drop-down does;
// fails the test when it is not listed.
void chooseMidiOutPort(TFormMain& form, const QString& name);

// One wheel event of `delta` (120 a notch) over `widget` at `at`, as the wheel sends it.
void turnWheel(QWidget& widget, int delta, QPoint at = QPoint(5, 5));

// The note and velocity of a pad point in the window's current outer size: the outer width spans
// notes 0..127, and the velocity grows upwards, both clamped into 0..127.
std::pair<uint8_t, uint8_t> noteAndVelocityAt(const TFormMain& form, QPoint at);
