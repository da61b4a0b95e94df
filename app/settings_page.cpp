// The Settings page's controls, with the design's names, positions, sizes, captions and tab order.
#include "app/settings_page.h"

#include "app/page_building.h"
#include "app/playing_panel.h"
#include "app/port_selector.h"
#include "app/refreshing_combo_box.h"
#include "app/spin_edit.h"
#include "pad/pad_image.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TSettingsPage::TSettingsPage(const TPadImage& image, QWidget* parent) : QWidget(parent)
{
    setObjectName("TabSheetSettings");
    Panel1 = named(new QFrame(this), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setFixedHeight(118);
    PanelPlaying = new TPlayingPanel(this);
    auto* layout = fillingLayout(this);
    layout->addWidget(Panel1);
    layout->addSpacing(4);
    layout->addWidget(PanelPlaying);
    layout->addStretch();

    // Label1 has no focus control; Alt+I is the window's own shortcut, so only the underline shows.
    Label1 = makeLabel("Label1", tr("<u>I</u>mage file"), {24, 24, 45, 13}, Panel1);
    Label1->setTextFormat(Qt::RichText);
    EditImageFile = named(new QLineEdit(Panel1), "EditImageFile");
    EditImageFile->setReadOnly(true);
    EditImageFile->setAccessibleName(tr("Image file"));
    EditImageFile->setGeometry(24, 40, 345, 21);
    EditImageFile->setText(image.ImageFileName());
    connect(&image, &TPadImage::ImageFileNameShown, EditImageFile, &QLineEdit::setText);
    BitBtnBrowseImageFile = named(new QPushButton(tr("Browse ..."), Panel1), "BitBtnBrowseImageFile");
    BitBtnBrowseImageFile->setGeometry(296, 22, 75, 17);

    Label2 = makeLabel("Label2", tr("&Midi out port"), {24, 72, 58, 13}, Panel1);
    ComboBoxMidiOutPort = named(new TRefreshingComboBox(Panel1), "ComboBoxMidiOutPort");
    ComboBoxMidiOutPort->setEditable(true);
    ComboBoxMidiOutPort->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxMidiOutPort->setGeometry(24, 88, 273, 21);
    Label2->setBuddy(ComboBoxMidiOutPort);

    Label3 = makeLabel("Label3", tr("&Channel"), {312, 72, 39, 13}, Panel1);
    SpinEditMidiOutChannel = named(new TSpinEdit(1, 16, Panel1), "SpinEditMidiOutChannel");
    SpinEditMidiOutChannel->setGeometry(312, 88, 57, 22);
    Label3->setBuddy(SpinEditMidiOutChannel);

    setTabOrder(EditImageFile, BitBtnBrowseImageFile);
    setTabOrder(BitBtnBrowseImageFile, ComboBoxMidiOutPort);
    setTabOrder(ComboBoxMidiOutPort, SpinEditMidiOutChannel);
    nameControlsAfterLabels(this);
}

void TSettingsPage::ShowPlaying(const TPlayingSettings& playing)
{
    PanelPlaying->Show(playing);
    SpinEditMidiOutChannel->setEnabled(playing.polyphony != TPolyphony::Mpe);
}

// `listed`: the selector made its list anew, and the drop-down's entries follow.
void TSettingsPage::ShowPorts(const TPortSelector& ports, bool listed)
{
    const QSignalBlocker quiet(ComboBoxMidiOutPort);
    if (listed) {
        ComboBoxMidiOutPort->clear();
        for (const TPortSelector::Entry& entry : ports.Ports()) ComboBoxMidiOutPort->addItem(entry.name);
    }
    ComboBoxMidiOutPort->setCurrentIndex(ports.ShownIndex());
    if (ports.ShownIndex() == -1) ComboBoxMidiOutPort->setEditText(ports.ShownText());
}
