// TFormMain: the program's only window, with the Pad, Settings and About pages.
#pragma once

#include <QWidget>

class QLineEdit;
class TImagePad;
class TPadImage;
class QTabWidget;

class TFormMain : public QWidget {
    Q_OBJECT

public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    QTabWidget* PageControl = nullptr;
    QWidget* TabSheetPad = nullptr;
    QWidget* TabSheetSettings = nullptr;
    QWidget* TabSheetAbout = nullptr;
    TImagePad* ImagePad = nullptr;
    TPadImage* PadImage = nullptr;  // the pad picture and the current image file name
    QLineEdit* EditImageFile = nullptr;

private:
    void buildPages();
};
