// TFormMain's controls: the page control with the Pad, Settings and About pages, built in code with the
// design's names, positions, sizes, captions and tab order, and the connections of their events.
#include "app/form_main.h"

#include "app/about_memo.h"
#include "app/about_text.h"
#include "app/pad_pointer_input.h"
#include "app/refreshing_combo_box.h"
#include "app/spin_edit.h"
#include "pad/image_pad.h"
#include "pad/pad_image.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* makeLabel(const char* name, const QString& caption, QRect bounds, QWidget* parent)
{
    auto* label = named(new QLabel(caption, parent), name);
    // Labels size themselves to their text, at least as wide as designed.
    bounds.setWidth(std::max(bounds.width(), label->sizeHint().width()));
    label->setGeometry(bounds);
    return label;
}

QString qText(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QVBoxLayout* fillingLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// The controls' font: the design's 8-point dialog font, 11 pixels high, by the nearest installed face.
QFont dialogFont()
{
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans", "Sans Serif"});
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

} // namespace

void TFormMain::buildPages()
{
    setFont(dialogFont());
    PageControl = named(new QTabWidget(this), "PageControl");
    fillingLayout(this)->addWidget(PageControl);
    buildPadPage();
    buildSettingsPage();
    buildAboutPage();
}

void TFormMain::buildPadPage()
{
    TabSheetPad = named(new QWidget, "TabSheetPad");
    PageControl->addTab(TabSheetPad, "&Pad");
    PadImage = new TPadImage(this);
    ImagePad = named(new TImagePad(*PadImage, TabSheetPad), "ImagePad");
    fillingLayout(TabSheetPad)->addWidget(ImagePad);
    new TPadPointerInput(*TabSheetPad, *this);
}

void TFormMain::buildSettingsPage()
{
    TabSheetSettings = named(new QWidget, "TabSheetSettings");
    PageControl->addTab(TabSheetSettings, "&Settings");
    Panel1 = named(new QFrame(TabSheetSettings), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setFixedHeight(129);
    auto* layout = fillingLayout(TabSheetSettings);
    layout->addWidget(Panel1);
    buildPlayingPanel();
    layout->addSpacing(4);
    layout->addWidget(PanelPlaying);
    layout->addStretch();

    // Label1 has no focus control; Alt+I is the window's own shortcut, so only the underline shows.
    Label1 = makeLabel("Label1", "<u>I</u>mage file", {24, 24, 45, 13}, Panel1);
    Label1->setTextFormat(Qt::RichText);
    EditImageFile = named(new QLineEdit(Panel1), "EditImageFile");
    EditImageFile->setReadOnly(true);
    EditImageFile->setGeometry(24, 40, 345, 21);
    connect(PadImage, &TPadImage::ImageFileNameShown, EditImageFile, &QLineEdit::setText);
    BitBtnBrowseImageFile = named(new QPushButton("Browse ...", Panel1), "BitBtnBrowseImageFile");
    BitBtnBrowseImageFile->setGeometry(296, 22, 75, 17);

    Label2 = makeLabel("Label2", "&Midi out port", {24, 72, 58, 13}, Panel1);
    ComboBoxMidiOutPort = named(new TRefreshingComboBox(Panel1), "ComboBoxMidiOutPort");
    ComboBoxMidiOutPort->setEditable(true);
    ComboBoxMidiOutPort->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxMidiOutPort->setGeometry(24, 88, 273, 21);
    Label2->setBuddy(ComboBoxMidiOutPort);

    Label3 = makeLabel("Label3", "&Channel", {312, 72, 39, 13}, Panel1);
    SpinEditMidiOutChannel = named(new TSpinEdit(1, 16, Panel1), "SpinEditMidiOutChannel");
    SpinEditMidiOutChannel->setGeometry(312, 88, 57, 22);
    Label3->setBuddy(SpinEditMidiOutChannel);

    setTabOrder(EditImageFile, BitBtnBrowseImageFile);
    setTabOrder(BitBtnBrowseImageFile, ComboBoxMidiOutPort);
    setTabOrder(ComboBoxMidiOutPort, SpinEditMidiOutChannel);
}

// The Playing panel under Panel1, in its style: labels over their controls, rows 48 pixels apart, the
// panic button at the right end of the second row and the expression choices in the fourth. Every
// letter of "Pitch" has its use elsewhere, so its label alone has no accelerator.
void TFormMain::buildPlayingPanel()
{
    PanelPlaying = named(new QGroupBox("Playing", TabSheetSettings), "PanelPlaying");
    PanelPlaying->setFixedHeight(218);
    const auto list = [this](const char* name, const char* labelName, const QString& caption, QRect bounds) {
        auto* control = named(new QComboBox(PanelPlaying), name);
        control->setGeometry(bounds);
        makeLabel(labelName, caption, {bounds.left(), bounds.top() - 16, 40, 13}, PanelPlaying)->setBuddy(control);
        return control;
    };
    const auto spin = [this](const char* name, const char* labelName, const QString& caption, QPoint at, int max,
                             int min = 0) {
        auto* control = named(new TSpinEdit(min, max, PanelPlaying), name);
        control->setGeometry(at.x(), at.y(), 57, 22);
        makeLabel(labelName, caption, {at.x(), at.y() - 16, 40, 13}, PanelPlaying)->setBuddy(control);
        return control;
    };
    ComboBoxNoteLow = list("ComboBoxNoteLow", "LabelNoteLow", "&Lowest note", {24, 40, 80, 21});
    ComboBoxNoteHigh = list("ComboBoxNoteHigh", "LabelNoteHigh", "&Highest note", {112, 40, 80, 21});
    for (int note = 0; note <= 127; ++note) {
        const QString entry = QString::fromStdString(NoteName(note)) + QString(" (%1)").arg(note);
        ComboBoxNoteLow->addItem(entry);
        ComboBoxNoteHigh->addItem(entry);
    }
    ComboBoxScale = list("ComboBoxScale", "LabelScale", "Sc&ale", {200, 40, 113, 21});
    for (int scale = 0; scale < kScaleCount; ++scale)
        ComboBoxScale->addItem(qText(ScaleName(TScale(scale))));
    ComboBoxScaleRoot = list("ComboBoxScaleRoot", "LabelScaleRoot", "R&oot", {321, 40, 48, 21});
    for (int root = 0; root < 12; ++root)
        ComboBoxScaleRoot->addItem(qText(RootName(root)));

    SpinEditVelocityTop = spin("SpinEditVelocityTop", "LabelVelocityTop", "Velocity &top", {24, 88}, 127);
    SpinEditVelocityBottom = spin("SpinEditVelocityBottom", "LabelVelocityBottom", "Velocity &bottom", {112, 88}, 127);
    SpinEditWheelController =
        spin("SpinEditWheelController", "LabelWheelController", "&Wheel CC", {24, 136}, kHighestController);
    SpinEditRedController =
        spin("SpinEditRedController", "LabelRedController", "&Red CC", {112, 136}, kHighestController);
    SpinEditGreenController =
        spin("SpinEditGreenController", "LabelGreenController", "&Green CC", {200, 136}, kHighestController);
    SpinEditBlueController =
        spin("SpinEditBlueController", "LabelBlueController", "Bl&ue CC", {288, 136}, kHighestController);
    BitBtnPanic = named(new QPushButton("Pa&nic", PanelPlaying), "BitBtnPanic");
    BitBtnPanic->setGeometry(296, 86, 73, 25);
    const auto addChoices = [](QComboBox* control, auto last) {
        for (int i = 0; i <= static_cast<int>(last); ++i)
            control->addItem(qText(ChoiceName(decltype(last)(i))));
        return control;
    };
    ComboBoxVelocityCurve = addChoices(list("ComboBoxVelocityCurve", "LabelVelocityCurve", "Cur&ve", {216, 88, 72, 21}),
                                       TVelocityCurve::Hard);
    ComboBoxPitchMode =
        addChoices(list("ComboBoxPitchMode", "LabelPitchMode", "Pitch", {24, 184, 80, 21}), TPitchMode::Glide);
    SpinEditBendRange = spin("SpinEditBendRange", "LabelBendRange", "Ben&d range", {112, 184}, kHighestBendRange,
                             kLowestBendRange);
    ComboBoxAfterAttack =
        addChoices(list("ComboBoxAfterAttack", "LabelAfterAttack", "A&fter the attack", {200, 184, 105, 21}),
                   TAfterAttack::Controller);
    SpinEditAfterAttackController = spin("SpinEditAfterAttackController", "LabelAfterAttackController", "Aft&er CC",
                                         {312, 184}, kHighestController);
    setTabOrder(SpinEditVelocityBottom, ComboBoxVelocityCurve);
    ShowPlaying();
}

void TFormMain::buildAboutPage()
{
    TabSheetAbout = named(new QWidget, "TabSheetAbout");
    PageControl->addTab(TabSheetAbout, "About");
    auto* memo = named(new TAboutMemo(TabSheetAbout), "Memo1");
    Memo1 = memo;
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(AboutLines().join(u'\n'));
    fillingLayout(TabSheetAbout)->addWidget(Memo1);
    BitBtnExit = named(new QPushButton("E&xit", TabSheetAbout), "BitBtnExit");
    BitBtnExit->resize(75, 25);
    BitBtnExit->raise();
    memo->HoldAtLowerLeft(BitBtnExit);
    setTabOrder(Memo1, BitBtnExit);
}

void TFormMain::connectHandlers()
{
    connect(BitBtnBrowseImageFile, &QPushButton::clicked, this, [this] { BitBtnBrowseImageFileClick(); });
    connect(BitBtnExit, &QPushButton::clicked, this, [this] { BitBtnExitClick(); });
    connect(BitBtnPanic, &QPushButton::clicked, this, [this] { Panic(); });
    // The user's choice of an entry (also of the one already shown) and every typed edit; entries
    // the program selects raise neither.
    connect(ComboBoxMidiOutPort, &QComboBox::activated, this, [this] { ComboBoxMidiOutPortChange(true); });
    connect(static_cast<TRefreshingComboBox*>(ComboBoxMidiOutPort), &TRefreshingComboBox::PopupAboutToShow, this,
            [this] { Guarded([this] { RefreshMidiOutPorts(); }); });
    connect(ComboBoxMidiOutPort->lineEdit(), &QLineEdit::textEdited, this, [this] { ComboBoxMidiOutPortChange(false); });
    connect(SpinEditMidiOutChannel, &TSpinEdit::Changed, this, [this] { SpinEditMidiOutChannelChange(); });
    // Another page in front can no longer receive the pad's left release.
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { CancelPointerCapture(); });
    for (QComboBox* list : {ComboBoxNoteLow, ComboBoxNoteHigh, ComboBoxScale, ComboBoxScaleRoot, ComboBoxVelocityCurve,
                            ComboBoxPitchMode, ComboBoxAfterAttack})
        connect(list, &QComboBox::activated, this, [this, list] { PlayingControlChange(list); });
    for (TSpinEdit* spin : {SpinEditVelocityTop, SpinEditVelocityBottom, SpinEditWheelController,
                            SpinEditRedController, SpinEditGreenController, SpinEditBlueController, SpinEditBendRange,
                            SpinEditAfterAttackController})
        connect(spin, &TSpinEdit::Changed, this, [this, spin] { PlayingControlChange(spin); });
}
