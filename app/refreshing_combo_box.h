// A drop-down list that tells its owner just before its list shows, so the owner can fill it anew
// with what is there now.
#pragma once

#include <QComboBox>

class TRefreshingComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    // Emitted before the list shows; the entries may be replaced in the handler.
    void PopupAboutToShow();
};
