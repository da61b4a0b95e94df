// The window's outer bounds, fitted to its frame and kept on a screen.
#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The width of the widest screen and the height of the tallest.
QSize largestScreenSize()
{
    QSize largest;
    for (const QScreen* screen : QGuiApplication::screens()) largest = largest.expandedTo(screen->size());
    return largest;
}

// Whether enough of the window's top edge lies in `area` to grab its title bar and drag it back: the
// bar's full height over 100 pixels of its width.
bool titleBarGrabbable(const QRect& bounds, const QRect& area)
{
    constexpr QSize kGrip(100, 24);
    const QRect shown = QRect(bounds.topLeft(), QSize(bounds.width(), kGrip.height())).intersected(area);
    return shown.height() >= kGrip.height() && shown.width() >= std::min(kGrip.width(), bounds.width());
}

// Bounds whose title bar cannot be grabbed on any screen (left from a monitor since unplugged) go to
// the primary screen's corner, keeping their size; bounds that can stay exactly where they are.
QPoint visibleTopLeft(const QRect& bounds)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (titleBarGrabbable(bounds, screen->availableGeometry())) return bounds.topLeft();
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->availableGeometry().topLeft() : bounds.topLeft();
}

} // namespace

QRect TWindowPlacement::OuterBounds() const
{
    return window_.frameGeometry();
}

// The frame's extra width and height, as far as the platform reports them, are taken off so that the
// outer bounds come out as asked.
void TWindowPlacement::SetOuterBounds(const QRect& bounds)
{
    const QSize frame = window_.frameGeometry().size() - window_.size();
    window_.setMinimumSize(minimum_ - frame);
    // No larger than a screen: a stored size of any value would otherwise be allocated as it is.
    const QSize largest = largestScreenSize();
    const QSize outer = largest.isEmpty() ? bounds.size() : bounds.size().boundedTo(largest);
    const QRect placed(visibleTopLeft(QRect(bounds.topLeft(), outer.expandedTo(minimum_))), bounds.size());
    window_.move(placed.topLeft());
    window_.resize(outer - frame);
    // A window not yet shown has no frame yet; its bounds are fitted again once the frame is known.
    unfittedBounds_ = window_.isVisible() ? std::nullopt : std::optional(placed);
    fittedFrame_ = frame;
}

bool TWindowPlacement::IsWindowStateNormal() const
{
    return !(window_.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

// Bounds set before the first show are fitted to the frame as soon as the platform reports it and the
// window is in its normal state; otherwise every start would grow the window by its frame.
bool TWindowPlacement::Follow(QEvent::Type type)
{
    const bool placed = type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize;
    if (placed && unfittedBounds_ && window_.isVisible() && IsWindowStateNormal() &&
        window_.frameGeometry().size() - window_.size() != fittedFrame_)
        SetOuterBounds(*unfittedBounds_);
    if (placed && IsWindowStateNormal()) normalBounds_ = OuterBounds();
    return placed || type == QEvent::WindowStateChange;
}
