// The driver's done-report thread; see done_notifier.h.
#include "platform/done_notifier.h"

DoneNotifier::~DoneNotifier()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void DoneNotifier::post(const Report& report)
{
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(report);
        if (!thread_.joinable()) thread_ = std::thread(&DoneNotifier::run, this);
    }
    wake_.notify_one();
}

void DoneNotifier::flush()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !delivering_; });
}

void DoneNotifier::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;   // stopping, and nothing left to deliver
        const Report report = queue_.front();
        queue_.pop_front();
        delivering_ = true;
        lock.unlock();
        report.header->dwFlags = (report.header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
        if (report.callback)
            report.callback(report.device, MOM_DONE, report.instance, reinterpret_cast<uintptr_t>(report.header), 0);
        lock.lock();
        delivering_ = false;
        idle_.notify_all();
    }
}
