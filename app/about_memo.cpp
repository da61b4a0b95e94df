#include "app/about_memo.h"

namespace {
constexpr int kLeft = 8;  // the button's left edge in the memo's parent
constexpr int kGap = 4;   // between the text, the button and the horizontal scroll bar
} // namespace

TAboutMemo::TAboutMemo(QWidget* parent) : QPlainTextEdit(parent) {}

void TAboutMemo::HoldAtLowerLeft(QWidget* button)
{
    button_ = button;
    setViewportMargins(0, 0, 0, button->height() + 2 * kGap);
    placeButton();
}

void TAboutMemo::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    placeButton();
}

void TAboutMemo::placeButton()
{
    if (!button_) return;
    const int textBottom = mapToParent(viewport()->geometry().bottomLeft()).y();
    button_->move(kLeft, textBottom + 1 + kGap);
}
