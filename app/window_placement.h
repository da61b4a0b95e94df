// TWindowPlacement: the window's outer bounds, frame included, as the settings file stores them. Qt
// places a window by its client area and learns the frame only once the window shows; bounds set
// before are fitted again then. It also keeps the bounds of the normal state, which the settings keep
// while the window is minimised or maximised.
#pragma once

#include <QEvent>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

class TWindowPlacement {
public:
    // The window cannot be made smaller than `minimum`, outer frame included.
    TWindowPlacement(QWidget& window, QSize minimum) : window_(window), minimum_(minimum) {}

    QRect OuterBounds() const;
    // Bounds whose title bar cannot be grabbed on any screen go to the primary screen's corner; no
    // size is larger than the largest screen.
    void SetOuterBounds(const QRect& bounds);
    bool IsWindowStateNormal() const;  // neither minimised, maximised nor full screen
    // The outer bounds of the normal state, also while the window is in another.
    QRect NormalBounds() const { return IsWindowStateNormal() ? OuterBounds() : normalBounds_; }
    // Follows the window's event of `type`, once the window has handled it; true when the bounds or
    // the window state may have changed.
    bool Follow(QEvent::Type type);

private:
    QWidget& window_;
    QSize minimum_;
    // Outer bounds set before the window's frame was known, with the frame they were fitted to.
    std::optional<QRect> unfittedBounds_;
    QRect normalBounds_;
    QSize fittedFrame_;
};
