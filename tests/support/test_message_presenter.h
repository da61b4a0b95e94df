// A presenter that records the boxes the program would show; every test program has one installed.
#pragma once

#include "app/message_presenter.h"

#include <QString>

#include <vector>

struct TestMessagePresenter final : MessagePresenter {
    struct Box {
        QString title;
        QString text;
    };
    void showError(const QString& title, const QString& text) override;
    void showNotice(const QString& title, const QString& text) override;
    std::vector<Box> shown;
};

// The presenter installed for this test program.
TestMessagePresenter& testMessagePresenter();
