#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// Where qt_add_translations puts the compiled translations among the program's resources.
const QString kResourceFolder = QStringLiteral(":/i18n");
} // namespace

QStringList Translations::SystemLanguages()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return {};
    return system.uiLanguages();
}

Translations::Translations(const QStringList& languages)
{
    for (const QString& name : languages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
        auto own = std::make_unique<QTranslator>();
        if (!own->load(locale, QStringLiteral("pixono"), QStringLiteral("_"), kResourceFolder)) continue;
        language_ = own->language();
        own_ = std::move(own);
        // Qt's own texts come from the system's Qt translations, when they are installed.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt_ = std::move(qt);
        return;
    }
}

Translations::~Translations()
{
    if (!installed_ || !QCoreApplication::instance()) return;
    for (QTranslator* translator : {own_.get(), qt_.get()})
        if (translator) QCoreApplication::removeTranslator(translator);
}

QString Translations::Text(const char* context, const char* source) const
{
    if (own_) {
        const QString text = own_->translate(context, source);
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(source);
}

void Translations::Install()
{
    for (QTranslator* translator : {qt_.get(), own_.get()})
        if (translator) QCoreApplication::installTranslator(translator);
    installed_ = true;
}
