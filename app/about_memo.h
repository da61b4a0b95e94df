// The About page's memo: a read-only text with a button at its lower left, in a strip of its own
// below the text, so that the button never covers a line, whatever the window's size.
#pragma once

#include <QPlainTextEdit>

class TAboutMemo : public QPlainTextEdit {
public:
    explicit TAboutMemo(QWidget* parent = nullptr);

    // Keeps `button`, a widget beside the memo, in the strip: now and whenever the memo is resized.
    void HoldAtLowerLeft(QWidget* button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeButton();

    QWidget* button_ = nullptr;
};
