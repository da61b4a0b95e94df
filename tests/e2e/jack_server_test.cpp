// The test JACK server and MIDI reader themselves: the server answers clients, the reader's port is
// visible to other clients, and an early stop leaves no server behind.
#include "tests/support/jack_server.h"

#include <jack/jack.h>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(JackServerHelper, ReaderPortIsVisibleUntilTheServerStops)
{
    JackServer server;
    EXPECT_STREQ(std::getenv("JACK_DEFAULT_SERVER"), server.name().c_str());
    JackMidiReader reader("helper-reader");
    EXPECT_EQ(reader.portName(), "helper-reader:in");

    jack_client_t* probe = jack_client_open("helper-probe", JackNoStartServer, nullptr);
    ASSERT_NE(probe, nullptr);
    EXPECT_NE(jack_port_by_name(probe, "helper-reader:in"), nullptr);
    jack_client_close(probe);

    server.stop();
    EXPECT_FALSE(server.answers());
    server.stop();
}
