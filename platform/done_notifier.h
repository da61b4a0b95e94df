// Reports finished long-message headers to their owners from a thread of the driver's own, so a
// done callback never runs inside the caller's midiOutLongMsg.
#pragma once

#include "platform/midi_services.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class DoneNotifier {
public:
    struct Report {
        MidiOutCallback callback = nullptr;   // may be null: then only the header's flags change
        HMIDIOUT device = nullptr;
        uintptr_t instance = 0;
        MIDIHDR* header = nullptr;
    };

    DoneNotifier() = default;
    ~DoneNotifier();   // delivers what is still queued, then ends the thread
    DoneNotifier(const DoneNotifier&) = delete;
    DoneNotifier& operator=(const DoneNotifier&) = delete;

    // Queues one report: the thread marks the header done (MHDR_DONE set, MHDR_INQUEUE cleared),
    // then calls the callback with MOM_DONE and the header's address as param1.
    void post(const Report& report);
    // Returns once every report posted so far has been delivered.
    void flush();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Report> queue_;
    bool delivering_ = false;
    bool stopping_ = false;
    std::thread thread_;   // started by the first post
};
