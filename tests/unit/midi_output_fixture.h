// Fixture for output port tests: a fake driver installed as the MIDI services, a Qt application,
// an owner for the ports, and the global memory seams reset after every test.
#pragma once

#include "midi/midi_output.h"
#include "platform/global_memory.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <QObject>
#include <QVariant>

class MidiOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureQtApplication();
        blocksAtStart = GlobalBlocksInUse();
    }
    void TearDown() override
    {
        GlobalAllocFailAfter(-1);
        GlobalLockFailAfter(-1);
    }

    // A port owned by `owner`, created now (it counts the devices at construction).
    TMidiOutput* makePort() { return new TMidiOutput(&owner); }

    // The text the port raises for a driver code.
    static std::string text(MMRESULT code) { return FakeMidiDriver::errorText(code); }

    std::size_t blocksInUse() const { return GlobalBlocksInUse() - blocksAtStart; }

    FakeMidiDriver driver;
    ScopedMidiServices installed{driver};
    QObject owner;
    std::size_t blocksAtStart = 0;
};

// Runs `action`, expecting an EmidioutputError with exactly `message`.
template <class Action>
void expectMidiError(Action action, const std::string& message)
{
    try {
        action();
        ADD_FAILURE() << "no error raised, expected \"" << message << "\"";
    } catch (const EmidioutputError& error) {
        EXPECT_EQ(error.message(), message);
    }
}
