// TAboutPage: the About page, the short manual with the Exit button at its lower left.
#pragma once

#include <QCoreApplication>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class TAboutPage : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TAboutPage)

public:
    explicit TAboutPage(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtnExit = nullptr;
};
