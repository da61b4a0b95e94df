// The user's language for the texts the program shows: its own translations, built into the program,
// and Qt's for its standard buttons and dialogs, chosen by the desktop's language settings. Under an
// English or C locale nothing is loaded, so every text stays the English source text.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

class Translations {
public:
    // The first of `languages` (most wanted first, as QLocale::uiLanguages() gives them) that the
    // program has a translation for; an English one, or the C locale, ends the search with none.
    explicit Translations(const QStringList& languages = SystemLanguages());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The languages the desktop asks for; none under the C locale, as gettext ignores LANGUAGE there.
    static QStringList SystemLanguages();

    // The loaded language's name (such as "de" or "pt_BR"), empty for English.
    QString Language() const { return language_; }
    // `source` of `context` in the loaded language; usable before the application exists.
    QString Text(const char* context, const char* source) const;
    // Puts the translations in use by the application, which must exist, until this object goes.
    void Install();

private:
    QString language_;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
    bool installed_ = false;
};
