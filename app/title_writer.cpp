// The window's title, once per frame; see title_writer.h.
#include "app/title_writer.h"

#include <QWidget>

namespace {

constexpr qint64 kFrameMs = 16;  // a frame of a 60 Hz screen

} // namespace

TTitleWriter::TTitleWriter(QWidget& window) : window_(window)
{
    frameEnd_.setSingleShot(true);
    QObject::connect(&frameEnd_, &QTimer::timeout, &window, [this] { writePending(); });
}

void TTitleWriter::write(const QString& title)
{
    pending_ = title;
    if (frameEnd_.isActive()) return;
    const qint64 elapsed = sinceWrite_.isValid() ? sinceWrite_.elapsed() : kFrameMs;
    if (elapsed >= kFrameMs) writePending();
    else frameEnd_.start(static_cast<int>(kFrameMs - elapsed));
}

void TTitleWriter::writePending()
{
    window_.setWindowTitle(pending_);
    sinceWrite_.start();
}
