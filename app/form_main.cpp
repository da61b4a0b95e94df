#include "app/form_main.h"

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

    TabSheetSettings = new QWidget;
    TabSheetSettings->setObjectName("TabSheetSettings");
    PageControl->addTab(TabSheetSettings, "&Settings");
    EditImageFile = new QLineEdit(TabSheetSettings);
    EditImageFile->setObjectName("EditImageFile");
    EditImageFile->setReadOnly(true);
    EditImageFile->setGeometry(24, 40, 345, 21);

    TabSheetAbout = new QWidget;
    TabSheetAbout->setObjectName("TabSheetAbout");
    PageControl->addTab(TabSheetAbout, "About");
}
