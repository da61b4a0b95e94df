// The NSM protocol over liblo; see nsm_client.h.
#include "app/session/nsm_client.h"

#include "app/program_paths.h"
#include "app/session/osc_argument.h"
#include "platform/midi_services.h"
#include "platform/our_port_names.h"

#include <QSocketNotifier>
#include <QTimer>

#include <lo/lo.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <vector>

namespace {

constexpr int kApiMajor = 1;
constexpr int kApiMinor = 1;
// A manager answers the announce at once; without an answer by then, the URL is taken as unreachable.
constexpr int kAnswerMilliseconds = 3000;

void complain(const std::string& line)
{
    std::fprintf(stderr, "Pixono: %s\n", line.c_str());
}

void setSettingsFile(const std::string& fileName)
{
    setProgramPaths({ExeFileName(), ExePath(), fileName});
}

// Why `fileName` cannot serve as the session's settings file, or nothing when it can (or is not there yet).
std::string unreadableReason(const std::filesystem::path& fileName)
{
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    if (status.type() == std::filesystem::file_type::not_found) return {};
    if (error) return error.message();
    if (status.type() != std::filesystem::file_type::regular) return "it is not a file";
    std::ifstream file(fileName, std::ios::binary);
    if (!file || !file.ignore(std::numeric_limits<std::streamsize>::max()) || file.bad()) return "it cannot be read";
    return {};
}

} // namespace

std::unique_ptr<NsmClient> NsmClient::FromEnvironment(const char* executableName)
{
    const char* url = std::getenv("NSM_URL");
    if (!url) return nullptr;
    return Announce(url, executableName);
}

std::unique_ptr<NsmClient> NsmClient::Announce(const std::string& url, const std::string& executableName)
{
    // Checked before liblo sees it, which would print its own complaint.
    lo_address manager = url.starts_with("osc.udp://") ? lo_address_new_from_url(url.c_str()) : nullptr;
    if (!manager) {
        complain("NSM_URL \"" + url + "\" is no OSC UDP address; running without session management");
        return nullptr;
    }
    lo_server server = lo_server_new_with_proto(nullptr, LO_UDP, [](int, const char*, const char*) {});
    if (!server) {
        lo_address_free(manager);
        complain("no socket for the session manager; running without session management");
        return nullptr;
    }
    if (lo_send_from(manager, server, LO_TT_IMMEDIATE, "/nsm/server/announce", "sssiii", "Pixono", ":dirty:",
                     executableName.c_str(), kApiMajor, kApiMinor, static_cast<int>(getpid())) < 0) {
        complain("the session manager at " + url + " cannot be reached (" + lo_address_errstr(manager) +
                 "); running without session management");
        lo_server_free(server);
        lo_address_free(manager);
        return nullptr;
    }
    return std::unique_ptr<NsmClient>(new NsmClient(manager, server, url));
}

// Until the manager opens a session there is no settings file at all, so nothing outside the session
// is read or written meanwhile, and no MIDI client is registered.
NsmClient::NsmClient(lo_address manager, lo_server server, std::string url)
    : manager_(manager), server_(server), url_(std::move(url)), ordinarySettingsFile_(SettingsFileName())
{
    setSettingsFile({});
    holdSystemMidiServices(true);
    lo_server_add_method(server_, nullptr, nullptr, &NsmClient::Receive, this);
    notifier_ = new QSocketNotifier(lo_server_get_socket_fd(server_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        while (lo_server_recv_noblock(server_, 0) > 0) {}
    });
    QTimer::singleShot(kAnswerMilliseconds, this, [this] {
        if (!answered_) GiveUp("no answer from the session manager at " + url_);
    });
}

NsmClient::~NsmClient()
{
    holdSystemMidiServices(false);
    lo_server_free(server_);
    lo_address_free(manager_);
}

// Only the manager's port is listened to. The request runs after liblo's dispatch has returned, so a
// dialog that it opens cannot read the socket again from inside liblo.
int NsmClient::Receive(const char* path, const char* types, lo_arg** argv, int argc, lo_message message,
                       void* self)
{
    auto& client = *static_cast<NsmClient*>(self);
    const lo_address source = lo_message_get_source(message);
    const char* from = source ? lo_address_get_port(source) : nullptr;
    if (!from || std::string(from) != lo_address_get_port(client.manager_)) return 0;
    std::vector<std::string> texts(3);
    for (int i = 0; i < argc && i < 3; ++i) texts[i] = OscArgumentText(types[i], argv[i]);
    QMetaObject::invokeMethod(&client, [&client, path = std::string(path), texts] {
        client.Handle(path, texts[0], texts[2]);
    }, Qt::QueuedConnection);
    return 0;
}

void NsmClient::Handle(const std::string& path, const std::string& first, const std::string& third)
{
    if (stage_ == Stage::GivenUp) return;
    if (path == "/reply" && first == "/nsm/server/announce") answered_ = true;
    if (path == "/error" && first == "/nsm/server/announce")
        GiveUp("the session manager refused the announce: " + third);
    if (path == "/nsm/client/open") Open(first, third);
    if (path == "/nsm/client/save") Save();
}

void NsmClient::Open(const std::string& folder, const std::string& clientId)
{
    answered_ = true;
    // Without the switch capability a manager opens once; anything else is refused.
    if (stage_ != Stage::Announced) return Error("/nsm/client/open", kErrNotNow, "A session is already open");
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error))
        return Error("/nsm/client/open", kErrCreateFailed,
                     "Cannot make the folder " + folder + (error ? ": " + error.message() : ""));
    const std::string stateFile = (std::filesystem::path(folder) / kStateFileName).string();
    if (const std::string reason = unreadableReason(stateFile); !reason.empty())
        return Error("/nsm/client/open", kErrBadProject, "Cannot load " + stateFile + ": " + reason);
    setOurClientIdPrefix(clientId);
    setSettingsFile(stateFile);
    holdSystemMidiServices(false);
    stage_ = Stage::Opening;
    if (document_) document_->OpenSettings();
    stage_ = Stage::Open;
    savedText_ = document_ ? document_->SettingsText() : std::string();
    Reply("/nsm/client/open", "Opened " + folder);
}

void NsmClient::Save()
{
    if (stage_ != Stage::Open) return Error("/nsm/client/save", kErrNotNow, "No session is open yet");
    try {
        if (document_) document_->SaveSettingsNow();
    } catch (const std::exception& failure) {
        return Error("/nsm/client/save", kErrGeneral, failure.what());
    }
    savedText_ = document_ ? document_->SettingsText() : std::string();
    dirty_ = false;
    Tell("/nsm/client/is_clean");
    Reply("/nsm/client/save", "Saved " + SettingsFileName());
}

// The program goes on as it would without NSM_URL, with its ordinary settings file.
void NsmClient::GiveUp(const std::string& reason)
{
    if (stage_ != Stage::Announced) return;
    complain(reason + "; running without session management");
    stage_ = Stage::GivenUp;
    notifier_->setEnabled(false);
    setSettingsFile(ordinarySettingsFile_);
    holdSystemMidiServices(false);
    if (document_) document_->OpenSettings();
}

bool NsmClient::SavesOnClose(bool bySignal) const
{
    return stage_ == Stage::GivenUp || (stage_ == Stage::Open && !bySignal);
}

void NsmClient::SettingsMayHaveChanged()
{
    if (stage_ != Stage::Open || !document_) return;
    const bool dirty = document_->SettingsText() != savedText_;
    if (dirty == dirty_) return;
    dirty_ = dirty;
    Tell(dirty ? "/nsm/client/is_dirty" : "/nsm/client/is_clean");
}

void NsmClient::Reply(const char* request, const std::string& message)
{
    lo_send_from(manager_, server_, LO_TT_IMMEDIATE, "/reply", "ss", request, message.c_str());
}

void NsmClient::Error(const char* request, int code, const std::string& message)
{
    lo_send_from(manager_, server_, LO_TT_IMMEDIATE, "/error", "sis", request, code, message.c_str());
}

void NsmClient::Tell(const char* path)
{
    lo_send_from(manager_, server_, LO_TT_IMMEDIATE, path, "");
}
