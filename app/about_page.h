// TAboutPage: the About page, the short manual with the Exit button at its lower left.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class TAboutPage : public QWidget {
public:
    TAboutPage();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtnExit = nullptr;
};
