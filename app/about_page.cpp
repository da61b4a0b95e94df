// The About page's controls.
#include "app/about_page.h"

#include "app/about_memo.h"
#include "app/about_text.h"
#include "app/page_building.h"

#include <QPushButton>
#include <QVBoxLayout>

TAboutPage::TAboutPage(QWidget* parent) : QWidget(parent)
{
    setObjectName("TabSheetAbout");
    auto* memo = named(new TAboutMemo(this), "Memo1");
    Memo1 = memo;
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(AboutLines().join(u'\n'));
    Memo1->setAccessibleName(tr("About"));
    fillingLayout(this)->addWidget(Memo1);
    BitBtnExit = named(new QPushButton(tr("E&xit"), this), "BitBtnExit");
    BitBtnExit->resize(75, 25);
    BitBtnExit->raise();
    memo->HoldAtLowerLeft(BitBtnExit);
    setTabOrder(Memo1, BitBtnExit);
}
