// Fixture for pad controller tests: a recording window stand-in, the fake driver with one device,
// an open output port, and the controller as the window sets it up (wheel at 64 notches).
#pragma once

#include "midi/midi_output.h"
#include "pad/pad_controller.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/fake_midi_driver.h"
#include "tests/support/qt_application.h"
#include "tests/support/short_messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QObject>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// A 400 × 399 pad over a picture given by `colourAt`.
class TestPadHost : public PadHost {
public:
    int32_t padWidth() const override { return padW; }
    int32_t padHeight() const override { return padH; }
    void setCaption(const QString& caption) override { captions.push_back(caption); }
    uint32_t sampleColour(int32_t x, int32_t y) override
    {
        allocationsAtSample = threadAllocationCount();
        samples.push_back({x, y});
        return colourAt(x, y);
    }

    int32_t padW = 400, padH = 399;
    std::function<uint32_t(int32_t, int32_t)> colourAt = [](int32_t, int32_t) { return 0u; };
    std::vector<QString> captions;
    std::vector<std::pair<int32_t, int32_t>> samples;
    uint64_t allocationsAtSample = 0;
};

constexpr TShiftState kNone{};
constexpr TShiftState kLeft{true, false};
constexpr TShiftState kRight{false, true};
constexpr TShiftState kBoth{true, true};

class PadControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureQtApplication();
        driver.addDevice("Synth");
        port = new TMidiOutput(&owner);
        ASSERT_TRUE(port->Open());
        pad.emplace(host, *port, notes);
        pad->SetWheel(7680);
        driver.clearRecords();
        host.captions.clear();
    }

    // Short messages sent since set-up, decoded.
    std::vector<Msg> sent() const { return shortMessagesOf(driver); }
    QString lastCaption() const { return host.captions.empty() ? QString() : host.captions.back(); }
    // A left press and release at one spot.
    void click(int32_t x, int32_t y)
    {
        pad->ImagePadMouseDown(kLeft, x, y);
        pad->ImagePadMouseUp(kNone, x, y);
    }

    FakeMidiDriver driver;
    ScopedMidiServices installed{driver};
    QObject owner;
    TestPadHost host;
    TMidiOutput* port = nullptr;
    TSoundingNotes notes;
    std::optional<TPadController> pad;
};

// Pad points and the note and velocity they give on the 400 × 399 pad.
inline constexpr int32_t P1x = 100, P1y = 100;  // note 31, velocity 96
inline constexpr int32_t P2x = 200, P2y = 300;  // note 63, velocity 32
inline constexpr int32_t P3x = 300, P3y = 50;   // note 95, velocity 112
