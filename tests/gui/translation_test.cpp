// The window in the user's language: German texts on the pages, in the Playing panel, in a message box
// and in --help; today's English texts under English and C; and in every language, accelerators that
// are unique on each page, texts that fit their controls and a name for every control.
#include "tests/gui/main_window_fixture.h"

#include "app/about_page.h"
#include "app/command_line.h"
#include "app/message_translation.h"
#include "app/translations.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>

namespace {

class Translation : public MainWindowTest {
protected:
    // Shows the window and compares its texts, and a wheel overflow's box, with the German or English ones.
    void expectShownTexts(bool german);
};

struct ShownText {
    const char* what;
    std::function<QString(TFormMain&)> read;
    QString english;
    QString german;
};

QString labelOf(QWidget* control)
{
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == control) return label->text();
    return {};
}

const std::vector<ShownText>& shownTexts()
{
    static const std::vector<ShownText> texts{
        {"Pad tab", [](TFormMain& f) { return f.PageControl->tabText(0); }, "&Pad", "&Pad"},
        {"Settings tab", [](TFormMain& f) { return f.PageControl->tabText(1); }, "&Settings", "&Einstellungen"},
        {"About tab", [](TFormMain& f) { return f.PageControl->tabText(2); }, "About", "Info"},
        {"image file label", [](TFormMain& f) { return f.TabSheetSettings->Label1->text(); }, "<u>I</u>mage file",
         "B<u>i</u>lddatei"},
        {"port label", [](TFormMain& f) { return f.TabSheetSettings->Label2->text(); }, "&Midi out port",
         "&MIDI-Ausgang"},
        {"Playing panel", [](TFormMain& f) { return f.TabSheetSettings->PanelPlaying->title(); }, "Playing", "Spielen"},
        {"scale label", [](TFormMain& f) { return labelOf(f.TabSheetSettings->PanelPlaying->ComboBoxScale); },
         "Sc&ale", "&Tonleiter"},
        {"scale entry", [](TFormMain& f) { return f.TabSheetSettings->PanelPlaying->ComboBoxScale->itemText(3); },
         "Harmonic minor", "Harmonisch Moll"},
        {"after-attack entry",
         [](TFormMain& f) { return f.TabSheetSettings->PanelPlaying->ComboBoxAfterAttack->itemText(1); }, "Pressure",
         "Druck"},
        {"note entry", [](TFormMain& f) { return f.TabSheetSettings->PanelPlaying->ComboBoxNoteLow->itemText(60); },
         "C4 (60)", "C4 (60)"},
        {"Panic button", [](TFormMain& f) { return f.TabSheetSettings->PanelPlaying->BitBtnPanic->text(); }, "Pa&nic",
         "P&anik"},
        {"Exit button", [](TFormMain& f) { return f.TabSheetAbout->BitBtnExit->text(); }, "E&xit", "&Beenden"},
        {"About text", [](TFormMain& f) { return f.TabSheetAbout->Memo1->toPlainText().section(u'\n', 2, 2); },
         "Mouse to MIDI", "Maus zu MIDI"},
        {"image file's accessible name",
         [](TFormMain& f) { return f.TabSheetSettings->EditImageFile->accessibleName(); }, "Image file", "Bilddatei"},
        {"composed message",
         [](TFormMain&) {
             return TranslatedMessage("MIDI output port 'Synth' could not be opened: the MIDI output device is "
                                      "already in use");
         },
         "MIDI output port 'Synth' could not be opened: the MIDI output device is already in use",
         "MIDI-Ausgang „Synth“ konnte nicht geöffnet werden: das MIDI-Ausgabegerät ist bereits belegt"},
    };
    return texts;
}

std::string helpIn(const Translations& translations)
{
    const char* arguments[] = {"pixono", "--help"};
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    AnswerCommandLine(2, arguments, out,
                      [&](const char* source) { return translations.Text("CommandLine", source).toStdString(); });
    std::fclose(out);
    std::string help(text, size);
    std::free(text);
    return help;
}

void Translation::expectShownTexts(bool german)
{
    driver.addDevice("Synth");
    ASSERT_NO_FATAL_FAILURE(openWindowPlayingOn("Synth"));
    for (const ShownText& text : shownTexts())
        EXPECT_EQ(text.read(*form), german ? text.german : text.english) << text.what;
    wheel(std::numeric_limits<int>::max());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "=== Pixono ===");
    EXPECT_EQ(boxes()[0].text, german ? "Ganzzahlüberlauf." : "Integer overflow.");
}

TEST_F(Translation, GermanDesktopShowsGermanTexts)
{
    Translations german({"de-DE", "en-US"});
    ASSERT_EQ(german.Language().left(2), "de");
    german.Install();
    expectShownTexts(true);
    EXPECT_TRUE(helpIn(german).starts_with("Aufruf: pixono [OPTION]\n"));
}

TEST_F(Translation, EnglishOrCDesktopKeepsTodaysTexts)
{
    for (const QStringList& languages : {QStringList{"en-GB", "de-DE"}, QStringList{"C"}, QStringList{}}) {
        Translations none(languages);
        EXPECT_EQ(none.Language(), "");
        EXPECT_EQ(helpIn(none).substr(0, 23), "Usage: pixono [OPTION]\n");
    }
    Translations english({"en-US", "fr-FR"});
    english.Install();
    expectShownTexts(false);
}

// A page's Alt keys: the tabs', and those of the labels and buttons on it. Alt+I and Alt+X are the
// window's own (a picture, and quitting, which the Exit button may share).
void expectUniqueAccelerators(TFormMain& form, QWidget* page, const std::string& language)
{
    std::map<QString, QString> taken{{"Alt+I", "the window's picture key"}, {"Alt+X", "the window's exit key"}};
    std::vector<std::pair<QString, QWidget*>> texts;
    for (int tab = 0; tab < form.PageControl->count(); ++tab)
        texts.push_back({form.PageControl->tabText(tab), nullptr});
    for (QLabel* label : page->findChildren<QLabel*>()) texts.push_back({label->text(), label});
    for (QPushButton* button : page->findChildren<QPushButton*>()) texts.push_back({button->text(), button});
    for (const auto& [text, widget] : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty() || (widget == form.TabSheetAbout->BitBtnExit && key == "Alt+X")) continue;
        const auto [place, added] = taken.emplace(key, text);
        EXPECT_TRUE(added) << language << ", " << page->objectName().toStdString() << ": " << text.toStdString()
                           << " and " << place->second.toStdString() << " share " << key.toStdString();
    }
}

// The widest entry of each drop-down, by its name.
using EntryWidths = std::map<QString, int>;

QRect textBounds(const QLabel& label)
{
    QString text = label.text();
    text.remove(QRegularExpression("<[^>]*>")).remove(u'&');
    return {label.pos(), QSize(label.fontMetrics().horizontalAdvance(text), label.height())};
}

// Every label is as wide as its text, and the text clear of the other controls; every button's text
// fits the button, and every drop-down entry its box or its widened open list, or is no wider than the
// widest English entry there.
void expectTextsFit(QWidget* page, const std::string& language, EntryWidths& english)
{
    for (QLabel* label : page->findChildren<QLabel*>()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << language << ": " << label->text().toStdString();
        for (QWidget* other : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == label || !other->isVisibleTo(page)) continue;
            const auto* otherLabel = qobject_cast<QLabel*>(other);
            EXPECT_FALSE(textBounds(*label).intersects(otherLabel ? textBounds(*otherLabel) : other->geometry()))
                << language << ": " << label->text().toStdString() << " overlaps " << other->objectName().toStdString();
        }
    }
    for (QComboBox* box : page->findChildren<QComboBox*>()) {
        if (box->isEditable()) continue;
        QStyleOptionComboBox option;
        option.initFrom(box);
        const int room =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
        int widest = 0;
        for (int i = 0; i < box->count(); ++i)
            widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
        if (language == "en") english[box->objectName()] = widest;
        const int openRoom = box->view()->minimumWidth() - 24;  // a list widened to its entries when open
        EXPECT_LE(widest, std::max({room, openRoom, english[box->objectName()]}))
            << language << ": " << box->objectName().toStdString();
    }
    for (QPushButton* button : page->findChildren<QPushButton*>())
        EXPECT_LT(button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')), button->width() - 4)
            << language << ": " << button->text().toStdString();
}

// Every control that takes the focus has a name for screen readers.
void expectAccessibleNames(QWidget* page, const std::string& language)
{
    for (QWidget* control : page->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || qobject_cast<QTabBar*>(control) || !control->isVisibleTo(page))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << language << ": " << control->objectName().toStdString() << " " << control->metaObject()->className();
    }
}

TEST_F(Translation, EveryLanguageHasUniqueAcceleratorsFittingTextsAndNamedControls)
{
    EntryWidths english;
    for (const std::string language : {"en", "de", "es", "fr", "it", "ja", "pt-BR"}) {
        Translations translations({QString::fromStdString(language)});
        ASSERT_EQ(translations.Language().isEmpty(), language == "en") << language;
        translations.Install();
        ASSERT_NO_FATAL_FAILURE(openWindow());
        form->resize(form->minimumSize());
        const auto pages = {static_cast<QWidget*>(form->TabSheetPad), static_cast<QWidget*>(form->TabSheetSettings),
                            static_cast<QWidget*>(form->TabSheetAbout)};
        for (QWidget* page : pages) {
            form->PageControl->setCurrentWidget(page);
            expectUniqueAccelerators(*form, page, language);
            expectTextsFit(page, language, english);
            expectAccessibleNames(page, language);
        }
        form.reset();
    }
}

} // namespace
