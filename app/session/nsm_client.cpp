// The NSM protocol over liblo; see nsm_client.h.
#include "app/session/nsm_client.h"

#include "app/error_display.h"
#include "app/program_paths.h"
#include "app/session/osc_argument.h"
#include "platform/our_port_names.h"

#include <QSocketNotifier>
#include <QTimer>

#include <lo/lo.h>

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <vector>

namespace {

constexpr int kApiMajor = 1;
constexpr int kApiMinor = 1;
// A manager answers the announce at once; when nothing at all has come from it by then, the URL is
// taken as unreachable.
constexpr int kAnswerMilliseconds = 3000;
// Messages read in one pass of the event loop: a flood waits for the next pass instead of stalling it.
constexpr int kMessagesPerPass = 32;

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

// The numeric addresses a host name stands for, IPv4-mapped IPv6 addresses written as IPv4.
std::string plainAddress(std::string address)
{
    if (address.starts_with("::ffff:") && address.find('.') != std::string::npos) address.erase(0, 7);
    return address;
}

std::set<std::string> addressesOf(const char* host)
{
    std::set<std::string> addresses;
    addrinfo hints{};
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (!host || getaddrinfo(host, nullptr, &hints, &found) != 0) return addresses;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        char text[NI_MAXHOST];
        if (getnameinfo(a->ai_addr, a->ai_addrlen, text, sizeof text, nullptr, 0, NI_NUMERICHOST) == 0)
            addresses.insert(plainAddress(text));
    }
    freeaddrinfo(found);
    return addresses;
}

// The argument types each message must have to be read; others are not acted on.
bool wellFormed(const std::string& path, const char* types)
{
    const std::string_view given = types ? types : "";
    if (path == "/reply") return given.starts_with("s");
    if (path == "/error") return given.starts_with("sis");
    if (path == "/nsm/client/open") return given.starts_with("sss");
    return true;
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
// is read or written meanwhile; the window registers no MIDI client before the open either.
NsmClient::NsmClient(lo_address manager, lo_server server, std::string url)
    : manager_(manager), server_(server), url_(std::move(url)),
      managerAddresses_(addressesOf(lo_address_get_hostname(manager))), ordinarySettingsFile_(SettingsFileName())
{
    setSettingsFile({});
    lo_server_add_method(server_, nullptr, nullptr, &NsmClient::Receive, this);
    notifier_ = new QSocketNotifier(lo_server_get_socket_fd(server_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadSome(); });
    // Whatever has arrived by then is read first: an answer that waits in the socket is an answer.
    QTimer::singleShot(kAnswerMilliseconds, this, [this] {
        ReadSome();
        if (!heard_) GiveUp("no answer from the session manager at " + url_);
    });
}

// The notifier fires again while more is waiting.
void NsmClient::ReadSome()
{
    for (int i = 0; i < kMessagesPerPass && lo_server_recv_noblock(server_, 0) > 0; ++i) {}
}

bool NsmClient::FromManager(lo_message message) const
{
    const lo_address source = lo_message_get_source(message);
    if (!source) return false;
    const char* port = lo_address_get_port(source);
    const char* host = lo_address_get_hostname(source);
    return port && host && std::string(port) == lo_address_get_port(manager_) &&
           managerAddresses_.contains(plainAddress(host));
}

NsmClient::~NsmClient()
{
    lo_server_free(server_);
    lo_address_free(manager_);
}

// Only the manager's own host and port are listened to, and only messages with the arguments they
// need. Anything from the manager counts as its answer at once; the request runs after liblo's
// dispatch has returned, so a dialog that it opens cannot read the socket again from inside liblo.
int NsmClient::Receive(const char* path, const char* types, lo_arg** argv, int argc, lo_message message,
                       void* self)
{
    auto& client = *static_cast<NsmClient*>(self);
    if (!client.FromManager(message)) return 0;
    client.heard_ = true;
    if (!wellFormed(path, types)) {
        if (std::string_view(path) == "/nsm/client/open")
            client.Error("/nsm/client/open", kErrGeneral, "An open needs three strings: a path, a name and a client ID");
        return 0;
    }
    std::vector<std::string> texts(3);
    for (int i = 0; i < argc && i < 3; ++i) texts[i] = OscArgumentText(types[i], argv[i]);
    QMetaObject::invokeMethod(&client, [&client, path = std::string(path), texts] {
        client.Handle(path, texts[0], texts[2]);
    }, Qt::QueuedConnection);
    return 0;
}

void NsmClient::Handle(const std::string& path, const std::string& first, const std::string& third)
{
    if (stage_ == Stage::GivenUp) return RefuseLate(path);
    if (path == "/error" && first == "/nsm/server/announce")
        GiveUp("the session manager refused the announce: " + third);
    if (path == "/nsm/client/open") Open(first, third);
    if (path == "/nsm/client/save") Save();
}

// A manager that answers only after the program gave up on it is told why nothing it asks is done.
void NsmClient::RefuseLate(const std::string& path)
{
    if (path == "/nsm/client/open" || path == "/nsm/client/save")
        Error(path.c_str(), kErrGeneral,
              "Pixono had no answer from the session manager within " + std::to_string(kAnswerMilliseconds / 1000) +
                  " s and runs outside the session; start it again from the session");
}

void NsmClient::Open(const std::string& folder, const std::string& clientId)
{
    // Without the switch capability a manager opens once; anything else is refused.
    if (stage_ != Stage::Announced) return Error("/nsm/client/open", kErrNotNow, "A session is already open");
    if (const std::string problem = clientIdProblem(clientId); !problem.empty())
        return Error("/nsm/client/open", kErrGeneral, "Cannot take part in the session: " + problem);
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
    stage_ = Stage::Opening;
    // Nobody may be watching a session's window: errors go to standard error, and the reply goes at once.
    const bool boxes = !ErrorDisplay().WritesToStandardError();
    ErrorDisplay().WriteToStandardError(true);
    if (document_) document_->OpenSettings();
    ErrorDisplay().WriteToStandardError(!boxes);
    stage_ = Stage::Open;
    saved_ = document_ ? document_->Settings() : TSettingsDocument();
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
    saved_ = document_ ? document_->Settings() : TSettingsDocument();
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
    setSettingsFile(ordinarySettingsFile_);
    if (document_) document_->OpenSettings();
}

bool NsmClient::SavesOnClose(bool bySignal) const
{
    return stage_ == Stage::GivenUp || (stage_ == Stage::Open && !bySignal);
}

void NsmClient::SettingsMayHaveChanged()
{
    if (stage_ != Stage::Open || !document_) return;
    const bool dirty = document_->Settings() != saved_;
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
