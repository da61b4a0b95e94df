// The shown names of ALSA sequencer ports, RtMidi's "client:port C:P" without the numbers, and the
// addresses those numbers give.
#include "platform/alsa_midi_backend.h"

#include <gtest/gtest.h>

TEST(AlsaPortName, DropsTheTrailingClientAndPortNumbers)
{
    EXPECT_EQ(alsaShownPortName("Midi Through:Midi Through Port-0 14:0"), "Midi Through:Midi Through Port-0");
    EXPECT_EQ(alsaShownPortName("FLUID Synth (1234):Synth input port (1234:0) 128:0"),
              "FLUID Synth (1234):Synth input port (1234:0)");
}

TEST(AlsaPortName, KeepsNamesWithoutNumbers)
{
    EXPECT_EQ(alsaShownPortName("client:port"), "client:port");
    EXPECT_EQ(alsaShownPortName("client:port 14:"), "client:port 14:");
    EXPECT_EQ(alsaShownPortName("client:port :0"), "client:port :0");
    EXPECT_EQ(alsaShownPortName("client:port 1a:0"), "client:port 1a:0");
    EXPECT_EQ(alsaShownPortName(""), "");
}

TEST(AlsaPortName, AddressIsReadFromTheTrailingNumbersOnly)
{
    EXPECT_EQ(alsaPortAddress("FLUID Synth (1234):Synth input port (1234:0) 128:2"), (SeqPortAddress{128, 2}));
    EXPECT_EQ(alsaPortAddress("client:port 1a:0"), std::nullopt);
    EXPECT_EQ(alsaPortAddress("client:port"), std::nullopt);
}
