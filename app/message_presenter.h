// How the program's message boxes reach the screen. The window and the error display talk to this
// interface only, so tests can record what would be shown instead of opening modal boxes.
#pragma once

#include <QString>

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // A modal box with the stop icon and one OK button.
    virtual void showError(const QString& title, const QString& text) = 0;
    // A modal box with no icon and one OK button, centred on the screen.
    virtual void showNotice(const QString& title, const QString& text) = 0;
};

// The real boxes, application-modal, each run in its own modal loop.
class QtMessagePresenter final : public MessagePresenter {
public:
    void showError(const QString& title, const QString& text) override;
    void showNotice(const QString& title, const QString& text) override;
};

// The presenter the program uses: the real boxes, or the one installed last (not owned);
// nullptr returns to the real boxes.
MessagePresenter& CurrentMessagePresenter();
void InstallMessagePresenter(MessagePresenter* presenter);
