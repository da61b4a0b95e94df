#include "app/window_settings.h"

#include "platform/exception.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace {

// A window as the settings steps see it: the port accepts listed names in any letter case and keeps
// them as passed, the channel is clamped into 1..16, and any step can be made to fail.
class FakeWindow : public SettingsHost {
public:
    WindowBounds bounds{0, 106, 416, 454};
    bool normal = true;
    std::string image;
    std::string port;
    int32_t channel = 1;
    std::vector<std::string> listed = {"Synth A", "Synth B"};
    std::string failingImage;
    bool portFails = false;
    std::vector<std::string> shown;
    std::vector<std::string> steps;

    WindowBounds outerBounds() const override { return bounds; }
    bool isWindowStateNormal() const override { return normal; }
    void setOuterBounds(const WindowBounds& b) override
    {
        steps.push_back("bounds");
        bounds = {b.left, b.top, std::max(b.width, 416), std::max(b.height, 454)};
    }
    WindowBounds minimumSize() const override { return {0, 0, 416, 454}; }
    std::string imageFileName() const override { return image; }
    void SetImageFile(const std::string& name) override
    {
        steps.push_back("image " + name);
        if (!name.empty() && name == failingImage) throw Exception("Bitmap image is not valid");
        image = name;
    }
    std::string midiOutPortName() const override { return port; }
    void SetMidiOutPort(const std::string& name) override
    {
        steps.push_back("port " + name);
        const bool isListed = std::any_of(listed.begin(), listed.end(), [&](const std::string& entry) {
            return std::equal(entry.begin(), entry.end(), name.begin(), name.end(),
                              [](char a, char b) { return std::tolower(a) == std::tolower(b); });
        });
        if (name == port || !isListed) return;
        port = name;
        if (portFails) throw Exception("The device refused");
    }
    int32_t GetMidiOutChannel() const override { return channel; }
    void SetMidiOutChannel(int32_t value) override
    {
        steps.push_back("channel " + std::to_string(value));
        channel = std::clamp(value, 1, 16);
    }
    TPlayingSettings GetPlaying() const override { return playing; }
    void SetPlaying(const TPlayingSettings& settings) override
    {
        steps.push_back("playing");
        playing = settings;
    }
    void showError(const std::exception& error) override { shown.push_back(error.what()); }

    TPlayingSettings playing;
};

class WindowSettings : public ::testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.file("pixono.INI");

    void restartWith(const std::string& content)
    {
        writeFileBytes(file, content);
        loadWindowSettings(window, file);
    }

    FakeWindow window;
};

} // namespace

TEST_F(WindowSettings, FirstStartAppliesTheStartValuesAndExitWritesTheKeysInOrder)
{
    loadWindowSettings(window, file);
    EXPECT_EQ(window.steps, (std::vector<std::string>{"bounds", "image ", "port ", "channel 1", "playing"}));
    EXPECT_TRUE(window.shown.empty());
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file),
              "[Settings]\nLeft=0\nTop=106\nWidth=416\nHeight=454\nMidiOutPort=\nMidiOutChannel=1\n");
}

TEST_F(WindowSettings, StoredValuesComeBackAndAreWrittenBackAsStored)
{
    restartWith("[settings]\nleft=-5000\nTop=20\nWidth=0x200\nHeight=100\nMidiOutPort=SYNTH b\nMidiOutChannel=$FFFFFFFF\n");
    EXPECT_EQ(window.bounds.left, -5000);
    EXPECT_EQ(window.bounds.width, 512);
    EXPECT_EQ(window.bounds.height, 454);
    EXPECT_EQ(window.port, "SYNTH b");
    EXPECT_EQ(window.steps.end()[-2], "channel -1");
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file),
              "[settings]\nleft=-5000\nTop=20\nWidth=512\nHeight=454\nMidiOutPort=SYNTH b\nMidiOutChannel=1\n");
}

TEST_F(WindowSettings, UnreadableValuesTakeTheCurrentOnes)
{
    window.channel = 5;
    restartWith("[Settings]\nLeft=12px\nMidiOutChannel=4294967308\nMidiOutPort=Not Installed\n");
    EXPECT_EQ(window.bounds.left, 0);
    EXPECT_EQ(window.steps.end()[-2], "channel 5");
    saveWindowSettings(window, file);
    EXPECT_NE(readFileBytes(file).find("MidiOutPort=\n"), std::string::npos);
}

TEST_F(WindowSettings, BoundsAreNeitherAppliedNorWrittenOutsideTheNormalState)
{
    window.normal = false;
    window.bounds = {0, 0, 1920, 1080};
    restartWith("[Settings]\nLeft=10\nTop=20\nWidth=500\nHeight=600\nMidiOutChannel=3\n");
    EXPECT_EQ(window.bounds.width, 1920);
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nLeft=10\nTop=20\nWidth=500\nHeight=600\nMidiOutChannel=3\nMidiOutPort=\n");
}

TEST_F(WindowSettings, EachErrorWhileApplyingIsShownInOrderAndTheOtherValuesStillApply)
{
    window.failingImage = "/gone/broken.bmp";
    window.portFails = true;
    restartWith("[Settings]\nLeft=2147483000\nWidth=1000\nImageFile=/gone/broken.bmp\nMidiOutPort=synth a\nMidiOutChannel=9\n");
    EXPECT_EQ(window.shown, (std::vector<std::string>{"Integer overflow", "Bitmap image is not valid", "The device refused"}));
    EXPECT_EQ(window.port, "synth a");
    EXPECT_EQ(window.channel, 9);
    EXPECT_EQ(window.bounds.left, 0);
    saveWindowSettings(window, file);
    const std::string saved = readFileBytes(file);
    EXPECT_NE(saved.find("ImageFile=/gone/broken.bmp\nMidiOutPort=synth a\nMidiOutChannel=9\n"), std::string::npos) << saved;
}

TEST_F(WindowSettings, ImageFileIsWrittenOnlyWhenOneIsSet)
{
    window.image = "/pictures/pad.bmp";
    saveWindowSettings(window, file);
    EXPECT_NE(readFileBytes(file).find("MidiOutChannel=1\nImageFile=/pictures/pad.bmp\n"), std::string::npos);
    window.image.clear();
    saveWindowSettings(window, file);
    EXPECT_NE(readFileBytes(file).find("ImageFile=/pictures/pad.bmp"), std::string::npos);
}

TEST_F(WindowSettings, FailedSaveRaisesAndSkipsTheRemainingWrites)
{
    const std::string before = "[Settings]\nMidiOutPort=Synth A\n";
    writeFileBytes(file, before);
    window.port = "bad\nport";
    window.channel = 7;
    window.bounds.left = 33;
    EXPECT_THROW(saveWindowSettings(window, file), Exception);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nMidiOutPort=Synth A\nLeft=33\nTop=106\nWidth=416\nHeight=454\n");
    try {
        saveWindowSettings(window, folder.file("missing/pixono.INI"));
        ADD_FAILURE();
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), "Unable to write to " + folder.file("missing/pixono.INI"));
    }
}

TEST_F(WindowSettings, PlayingChoicesAreReadIntoTheirRangesAndWrittenOnlyWhenChangedOrPresent)
{
    restartWith("[Settings]\nNoteLow=90\nNoteHigh=30\nScale=natural MINOR\nScaleRoot=a#\nVelocityTop=300\n"
                "VelocityBottom=0\nWheelController=120\nRedController=12px\nGreenController=0x10\n");
    TPlayingSettings expected;
    expected.noteLow = 30;
    expected.noteHigh = 90;
    expected.scale = TScale::NaturalMinor;
    expected.scaleRoot = 10;
    expected.wheelController = 119;
    expected.greenController = 16;
    EXPECT_EQ(window.playing, expected);
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nNoteLow=30\nNoteHigh=90\nScale=Natural minor\nScaleRoot=A#\n"
                                   "VelocityTop=127\nVelocityBottom=0\nWheelController=119\nRedController=2\n"
                                   "GreenController=16\nLeft=0\nTop=106\nWidth=416\nHeight=454\nMidiOutPort=\n"
                                   "MidiOutChannel=1\n");

    window.playing.scale = TScale::Major;
    restartWith("[Settings]\nScale=Lydian\nScaleRoot=H\n");
    EXPECT_EQ(window.playing.scale, TScale::Chromatic);
    EXPECT_EQ(window.playing.scaleRoot, 0);
    window.playing.blueController = 5;
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nScale=Chromatic\nScaleRoot=C\nLeft=0\nTop=106\nWidth=416\n"
                                   "Height=454\nMidiOutPort=\nMidiOutChannel=1\nNoteLow=30\nNoteHigh=90\n"
                                   "WheelController=119\nGreenController=16\nBlueController=5\n");
}

TEST_F(WindowSettings, ExpressionChoicesAreReadLikeThePlayingKeysAndWrittenOnlyWhenChangedOrPresent)
{
    restartWith("[Settings]\nPitchMode=gLIDE\nBendRange=0\nAfterAttack=Sideways\nAfterAttackController=200\n"
                "VelocityCurve=HARD\n");
    TPlayingSettings expected;
    expected.pitchMode = TPitchMode::Glide;
    expected.bendRange = 1;
    expected.afterAttackController = 119;
    expected.velocityCurve = TVelocityCurve::Hard;
    EXPECT_EQ(window.playing, expected);
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nPitchMode=Glide\nBendRange=1\nAfterAttack=None\n"
                                   "AfterAttackController=119\nVelocityCurve=Hard\nLeft=0\nTop=106\nWidth=416\n"
                                   "Height=454\nMidiOutPort=\nMidiOutChannel=1\n");

    window.playing = {};
    restartWith("[Settings]\nBendRange=99\n");
    EXPECT_EQ(window.playing.bendRange, 48);
    window.playing.afterAttack = TAfterAttack::Pressure;
    window.playing.bendRange = 2;
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nBendRange=2\nLeft=0\nTop=106\nWidth=416\nHeight=454\n"
                                   "MidiOutPort=\nMidiOutChannel=1\nAfterAttack=Pressure\n");

    window.playing = {};
    restartWith("[Settings]\nPolyphony=mpe\nMpeChannels=0\nMpeBendRange=200\nProgram=300\nPenTiltXController=$FF\n");
    expected = {};
    expected.polyphony = TPolyphony::Mpe;
    expected.mpeChannels = 1;
    expected.mpeBendRange = 96;
    expected.program = 127;
    expected.penTiltXController = 119;
    EXPECT_EQ(window.playing, expected);
    window.playing.mpeChannels = 15;
    window.playing.program = 0;
    saveWindowSettings(window, file);
    EXPECT_EQ(readFileBytes(file), "[Settings]\nPolyphony=MPE\nMpeChannels=15\nMpeBendRange=96\nProgram=0\n"
                                   "PenTiltXController=119\nLeft=0\nTop=106\nWidth=416\nHeight=454\nMidiOutPort=\nMidiOutChannel=1\n");
    for (const char* unknown : {"None", "Violin"}) {
        restartWith(std::string("[Settings]\nPolyphony=Duo\nProgram=") + unknown + "\nPenTiltXController=" + unknown + "\n");
        EXPECT_EQ(window.playing.polyphony, TPolyphony::Mono) << unknown;
        EXPECT_EQ(window.playing.program, std::nullopt) << unknown;
        EXPECT_EQ(window.playing.penTiltXController, std::nullopt) << unknown;
    }

    // However many digits: past 32 bits a number is still brought to the top or bottom of its range.
    restartWith("[Settings]\nBendRange=4294967308\nWheelController=4294967303\nNoteLow=-99999999999\n"
                "NoteHigh=99999999999\n");
    EXPECT_EQ(window.playing.bendRange, 48);
    EXPECT_EQ(window.playing.wheelController, 119);
    EXPECT_EQ(window.playing.noteLow, 0);
    EXPECT_EQ(window.playing.noteHigh, 127);
}
