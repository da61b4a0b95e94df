// The real window as a session client of a fake session manager: nothing listed or opened before the
// open, the open's errors, unsaved changes told once, a save's failure as a reply and never a box, and
// a NSM_URL that names no manager.
#include "app/session/nsm_client.h"
#include "platform/file_name.h"
#include "platform/our_port_names.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/fake_session_manager.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <thread>

namespace {

using ::testing::IsEmpty;

class SessionWindow : public MainWindowTest {
protected:
    SessionWindow() { driver.addDevice("Synth"); }
    ~SessionWindow() override
    {
        form.reset();
        session.reset();
        useTestProgramPaths();
        setOurClientIdPrefix({});
    }

    // The window started under the fake manager, which has accepted its announce.
    void openUnderSession()
    {
        session = NsmClient::Announce(manager.url(), "pixono");
        ASSERT_TRUE(session);
        form = std::make_unique<TFormMain>(nullptr, session.get());
        form->show();
        ASSERT_TRUE(wait("/nsm/server/announce"));
        manager.acceptAnnounce();
    }
    std::optional<OscMessage> wait(const std::string& path, const std::string& first = {})
    {
        return manager.waitFor(path, first, std::chrono::seconds(5), [] { processEventsOnce(); });
    }
    // The messages of `path` received so far.
    size_t count(const std::string& path) const
    {
        size_t n = 0;
        for (const OscMessage& message : manager.received()) n += message.path == path;
        return n;
    }

    // The last of the unsaved-changes messages received so far.
    std::string lastTold() const
    {
        std::string told;
        for (const OscMessage& message : manager.received())
            if (message.path.starts_with("/nsm/client/is_")) told = message.path;
        return told;
    }

    FakeSessionManager manager;
    std::unique_ptr<NsmClient> session;
    TempFolder folder;
};

TEST_F(SessionWindow, ListsAndOpensNoPortBeforeTheOpenThenLoadsTheSessionsSettings)
{
    std::filesystem::create_directories(folder.file("Pixono.nA"));
    writeFileBytes(folder.file("Pixono.nA/pixono.INI"), "[Settings]\nMidiOutPort=Synth\nMidiOutChannel=7\n");
    openUnderSession();
    processEventsUntil([] { return false; }, 100);
    EXPECT_EQ(form->TabSheetSettings->ComboBoxMidiOutPort->count(), 0);
    EXPECT_EQ(driver.openDeviceCount(), 0u);

    manager.open(folder.file("Pixono.nA"), "Pixono.nA");
    ASSERT_TRUE(wait("/reply", "/nsm/client/open"));
    EXPECT_EQ(driver.openDeviceCount(), 1u);
    EXPECT_EQ(form->GetMidiOutChannel(), 7);
    EXPECT_EQ(count("/nsm/client/is_dirty"), 0u) << "loading is no change";
}

TEST_F(SessionWindow, AnOpenThatCannotBeDoneRepliesWithItsErrorCode)
{
    writeFileBytes(folder.file("file"), "");
    std::filesystem::create_directories(folder.file("Pixono.nB/pixono.INI"));
    const struct {
        std::string path;
        int code;
    } cases[] = {
        {folder.file("file/Pixono.nA"), NsmClient::kErrCreateFailed},   // its folder cannot be made
        {folder.file("Pixono.nB"), NsmClient::kErrBadProject},          // its settings file is a folder
    };
    for (const auto& c : cases) {
        openUnderSession();
        manager.open(c.path, "Pixono.nX");
        const std::optional<OscMessage> error = wait("/error", "/nsm/client/open");
        ASSERT_TRUE(error) << c.path;
        ASSERT_EQ(error->args.size(), 3u);
        EXPECT_EQ(error->args[1], std::to_string(c.code)) << c.path;
        EXPECT_EQ(driver.openDeviceCount(), 0u) << c.path;
        EXPECT_THAT(boxes(), IsEmpty());
        form.reset();
    }
}

TEST_F(SessionWindow, ChangesAreToldOnceAndASaveMakesItCleanOrRepliesWithItsFailure)
{
    openUnderSession();
    manager.open(folder.file("Pixono.nA"), "Pixono.nA");
    ASSERT_TRUE(wait("/reply", "/nsm/client/open"));
    form->SetMidiOutChannel(5);
    form->SetMidiOutChannel(6);
    ASSERT_TRUE(wait("/nsm/client/is_dirty"));

    manager.save();
    ASSERT_TRUE(wait("/reply", "/nsm/client/save"));
    EXPECT_EQ(count("/nsm/client/is_dirty"), 1u);
    EXPECT_EQ(count("/nsm/client/is_clean"), 1u);
    EXPECT_NE(readFileBytes(folder.file("Pixono.nA/pixono.INI")).find("MidiOutChannel=6"), std::string::npos);

    form->SetMidiOutChannel(2);
    ASSERT_TRUE(wait("/nsm/client/is_dirty"));
    std::filesystem::remove(folder.file("Pixono.nA/pixono.INI"));
    std::filesystem::create_directories(folder.file("Pixono.nA/pixono.INI"));
    manager.save();
    const std::optional<OscMessage> error = wait("/error", "/nsm/client/save");
    ASSERT_TRUE(error);
    ASSERT_EQ(error->args.size(), 3u);
    EXPECT_NE(error->args[2].find("Unable to write"), std::string::npos) << error->args[2];
    EXPECT_THAT(boxes(), IsEmpty());
}

// File names are bytes: two pictures whose names differ only where they are no UTF-8 are two states.
TEST_F(SessionWindow, PictureNamesThatDifferOnlyInBytesThatAreNoUtf8AreAChange)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    const std::string bmp = bmpBytes(red).toStdString();
    const std::string first = folder.file("lat\xe9in.bmp"), second = folder.file("lat\xe8in.bmp");
    writeFileBytes(first, bmp);
    writeFileBytes(second, bmp);
    openUnderSession();
    manager.open(folder.file("Pixono.nA"), "Pixono.nA");
    ASSERT_TRUE(wait("/reply", "/nsm/client/open"));
    form->SetImageFile(fileNameFromBytes(first));
    manager.save();
    ASSERT_TRUE(wait("/nsm/client/is_clean"));
    form->SetImageFile(fileNameFromBytes(second));
    ASSERT_TRUE(wait("/nsm/client/is_dirty"));
}

// The event loop may first run long after the announce (a cold start, a session starting many
// programs): what the manager sent meanwhile is its answer. A manager that answers only after the
// program gave up on it hears why nothing it asks is done.
TEST_F(SessionWindow, GivesUpOnlyWhenNothingHasComeAndTellsALateManagerWhy)
{
    session = NsmClient::Announce(manager.url(), "pixono");
    form = std::make_unique<TFormMain>(nullptr, session.get());
    ASSERT_TRUE(manager.waitFor("/nsm/server/announce"));
    manager.acceptAnnounce();
    manager.open(folder.file("Pixono.nA"), "Pixono.nA");
    std::this_thread::sleep_for(std::chrono::milliseconds(3300));  // the loop has not run meanwhile
    ASSERT_TRUE(wait("/reply", "/nsm/client/open"));
    EXPECT_EQ(driver.openDeviceCount(), 1u);

    form.reset();
    session = NsmClient::Announce(manager.url(), "pixono");
    form = std::make_unique<TFormMain>(nullptr, session.get());
    ASSERT_TRUE(wait("/nsm/server/announce"));
    ::testing::internal::CaptureStderr();
    processEventsUntil([] { return false; }, 3300);  // nothing from the manager: it is given up
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("no answer"), std::string::npos);
    manager.acceptAnnounce();
    manager.open(folder.file("Pixono.nB"), "Pixono.nB");
    manager.save();
    for (const char* request : {"/nsm/client/open", "/nsm/client/save"}) {
        const std::optional<OscMessage> refused = wait("/error", request);
        ASSERT_TRUE(refused) << request << " met silence";
        EXPECT_NE(refused->args[2].find("outside the session"), std::string::npos) << refused->args[2];
    }
}

TEST_F(SessionWindow, SaveBeforeTheOpenAndASecondOpenAreRefused)
{
    openUnderSession();
    manager.save();
    const std::optional<OscMessage> early = wait("/error", "/nsm/client/save");
    ASSERT_TRUE(early);
    EXPECT_EQ(early->args[1], std::to_string(NsmClient::kErrNotNow));
    manager.open(folder.file("Pixono.nA"), "Pixono.nA");
    ASSERT_TRUE(wait("/reply", "/nsm/client/open"));
    manager.open(folder.file("Pixono.nB"), "Pixono.nB");
    const std::optional<OscMessage> again = wait("/error", "/nsm/client/open");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->args[1], std::to_string(NsmClient::kErrNotNow));
    EXPECT_FALSE(std::filesystem::exists(folder.file("Pixono.nB")));
}

// Only the manager's own host and port are heard, a message is acted on only with the arguments it
// needs, and a client ID that JACK or ALSA cannot take is refused with the reason.
TEST_F(SessionWindow, OpensFromElsewhereOrMalformedOrWithAnUnusableClientIdAreNotTaken)
{
    openUnderSession();
    manager.openFromAnotherPort(folder.file("Pixono.nA"), "Pixono.nA");
    manager.openWithANumberForThePath("Pixono.nA");
    const std::optional<OscMessage> malformed = wait("/error", "/nsm/client/open");
    ASSERT_TRUE(malformed);
    for (const std::string& clientId : {std::string("Pixono:nA"), std::string(45, 'n')}) {
        manager.open(folder.file("Pixono.nA"), clientId);
        const std::optional<OscMessage> refused = wait("/error", "/nsm/client/open");
        ASSERT_TRUE(refused) << clientId;
        EXPECT_NE(refused->args[2].find("client ID"), std::string::npos) << refused->args[2];
    }
    EXPECT_EQ(count("/reply"), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Pixono.nA"))) << "a folder made for a message not taken";
    EXPECT_EQ(driver.openDeviceCount(), 0u);
    manager.open(folder.file("Pixono.nA"), std::string(44, 'n'));
    EXPECT_TRUE(wait("/reply", "/nsm/client/open"));
}

// A headless session has nobody to close a box: the open's errors go to standard error, and its
// reply goes out at once. Minimising or maximising the window changes nothing that is saved.
TEST_F(SessionWindow, OpenErrorsOpenNoBoxAndTheWindowStateIsNoUnsavedChange)
{
    std::filesystem::create_directories(folder.file("Pixono.nA"));
    writeFileBytes(folder.file("Pixono.nA/pixono.INI"), "[Settings]\nMidiOutPort=Synth\n");
    driver.fail(MidiCall::Open, MMSYSERR_ALLOCATED);
    openUnderSession();
    ::testing::internal::CaptureStderr();
    manager.open(folder.file("Pixono.nA"), "Pixono.nA");
    ASSERT_TRUE(wait("/reply", "/nsm/client/open"));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Synth"), std::string::npos);
    EXPECT_THAT(boxes(), IsEmpty());

    for (const auto& change : {&QWidget::showMinimized, &QWidget::showNormal, &QWidget::showMaximized,
                               &QWidget::showNormal}) {
        (form.get()->*change)();
        // All the window told meanwhile is read before the manager's view of it is judged.
        manager.waitFor("/nothing", {}, std::chrono::milliseconds(100), [] { processEventsOnce(); });
        EXPECT_NE(lastTold(), "/nsm/client/is_dirty") << "after change " << int(form->windowState());
    }
}

TEST(SessionUrl, AnUrlThatNamesNoManagerMeansNoSessionWithOneLineOnStandardError)
{
    for (const char* url : {"not an url", "osc.tcp://localhost:1/"}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(NsmClient::Announce(url, "pixono"), nullptr) << url;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
}

} // namespace
