// NsmClient: the program as a client of a session manager that speaks the NSM protocol (API 1.1) over
// OSC. It announces itself from a socket of its own, waits for the manager's open, keeps the settings
// file in the folder the manager names, saves it when asked and tells the manager whether anything
// is unsaved. The socket is read from the Qt event loop, so every request is handled on the GUI thread.
#pragma once

#include "app/session/session_document.h"

#include <QObject>

#include <lo/lo_types.h>

#include <memory>
#include <set>
#include <string>

class QSocketNotifier;

class NsmClient : public QObject {
public:
    // Protocol error codes of the replies.
    static constexpr int kErrGeneral = -1;
    static constexpr int kErrNotNow = -8;
    static constexpr int kErrBadProject = -9;
    static constexpr int kErrCreateFailed = -10;
    // The settings file's name inside the session's folder.
    static constexpr const char* kStateFileName = "pixono.INI";

    // Announces to the manager that NSM_URL names, as `executableName` (argv[0]); nullptr without NSM_URL.
    static std::unique_ptr<NsmClient> FromEnvironment(const char* executableName);
    // Announces to the manager at `url`. When the URL is no OSC UDP address or the announce cannot be
    // sent, writes one line to standard error and returns nullptr: the program runs without a session.
    static std::unique_ptr<NsmClient> Announce(const std::string& url, const std::string& executableName);
    ~NsmClient() override;

    // The state the manager's requests act on; set before the event loop runs.
    void SetDocument(SessionDocument* document) { document_ = document; }
    // Whether the window's close saves the settings: as ever once session management was given up;
    // under a session only a close the user asked for, never one by a signal (the manager's quit).
    bool SavesOnClose(bool bySignal) const;
    // Tells the manager when the state comes to differ from the last one saved, or returns to it.
    void SettingsMayHaveChanged();

private:
    enum class Stage { Announced, Opening, Open, GivenUp };

    NsmClient(lo_address manager, lo_server server, std::string url);
    static int Receive(const char* path, const char* types, lo_arg** argv, int argc, lo_message message,
                       void* self);
    void ReadSome();
    bool FromManager(lo_message message) const;
    void RefuseLate(const std::string& path);
    // A message's path with its first and third arguments as texts: all the requests need.
    void Handle(const std::string& path, const std::string& first, const std::string& third);
    void Open(const std::string& folder, const std::string& clientId);
    void Save();
    void GiveUp(const std::string& reason);
    void Reply(const char* request, const std::string& message);
    void Error(const char* request, int code, const std::string& message);
    void Tell(const char* path);

    lo_address manager_;
    lo_server server_;
    std::string url_;
    std::set<std::string> managerAddresses_;  // the manager's host, as numeric addresses
    std::string ordinarySettingsFile_;
    QSocketNotifier* notifier_ = nullptr;
    SessionDocument* document_ = nullptr;
    Stage stage_ = Stage::Announced;
    bool heard_ = false;  // something has come from the manager
    bool dirty_ = false;
    TSettingsDocument saved_;
};
