#include "app/form_main.h"

#include "pad/image_pad.h"
#include "pad/pad_image.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

TFormMain::TFormMain(QWidget* parent) : QWidget(parent)
{
    setObjectName("FormMain");
    setGeometry(0, 106, 416, 454);
    buildPages();
}

TFormMain::~TFormMain() = default;

void TFormMain::buildPages()
{
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl);

    TabSheetPad = new QWidget;
    TabSheetPad->setObjectName("TabSheetPad");
    PageControl->addTab(TabSheetPad, "&Pad");
    PadImage = new TPadImage(this);
    ImagePad = new TImagePad(*PadImage, TabSheetPad);
    ImagePad->setObjectName("ImagePad");
    auto* padLayout = new QVBoxLayout(TabSheetPad);
    padLayout->setContentsMargins(0, 0, 0, 0);
    padLayout->addWidget(ImagePad);

    TabSheetSettings = new QWidget;
    TabSheetSettings->setObjectName("TabSheetSettings");
    PageControl->addTab(TabSheetSettings, "&Settings");
    EditImageFile = new QLineEdit(TabSheetSettings);
    EditImageFile->setObjectName("EditImageFile");
    EditImageFile->setReadOnly(true);
    EditImageFile->setGeometry(24, 40, 345, 21);
    connect(PadImage, &TPadImage::ImageFileNameShown, EditImageFile, &QLineEdit::setText);

    TabSheetAbout = new QWidget;
    TabSheetAbout->setObjectName("TabSheetAbout");
    PageControl->addTab(TabSheetAbout, "About");
}
