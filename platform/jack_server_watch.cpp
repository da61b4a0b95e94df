// Notices for JACK outputs on the GUI thread, and the probe for a server's return; see jack_server_watch.h.
#include "platform/jack_server_watch.h"

#include "platform/jack_client.h"
#include "platform/notify_window.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

constexpr uint32_t kProbeFinished = 0;
constexpr uint32_t kNotice = 1;   // the notice's code rides in the first parameter
constexpr int kProbeIntervalMs = 2000;

} // namespace

JackServerWatch::JackServerWatch(std::function<bool()> gone, std::function<void()> returned,
                                 std::function<void(uint32_t)> notice)
    : gone_(std::move(gone)), returned_(std::move(returned)), notice_(std::move(notice))
{
    if (!QCoreApplication::instance()) return;
    notices_ = std::make_unique<NotifyWindow>([this](const PostedMessage& posted) {
        if (posted.message == kNotice) {
            if (notice_) notice_(static_cast<uint32_t>(posted.wParam));
            return;
        }
        probe_.join();
        if (answered_) returned_();
    });
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { tick(); });
    timer_->start(kProbeIntervalMs);
}

JackServerWatch::~JackServerWatch()
{
    timer_.reset();
    if (probe_.joinable()) probe_.join();
}

void JackServerWatch::post(uint32_t code) noexcept
{
    if (notices_) notices_->post({kNotice, code, 0});
}

void JackServerWatch::tick()
{
    if (probe_.joinable() || !gone_()) return;
    probe_ = std::thread([this] {
        answered_ = jackServerRunning();
        notices_->post({kProbeFinished, 0, 0});
    });
}
