#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sondalog {

Language ChooseLanguage(const QString& chosen, const QLocale& system)
{
    const QString c = chosen.trimmed().toLower();
    if (c.startsWith(QLatin1String("fr"))) {
        return Language::French;
    }
    if (c.startsWith(QLatin1String("en"))) {
        return Language::English;
    }
    return system.language() == QLocale::French ? Language::French : Language::English;
}

QStringList InstallTranslators(Language language, QObject* owner)
{
    QStringList missing;
    // One translator per file; what cannot be loaded is named and the texts stay French.
    auto install = [&missing, owner](const QString& file, const QString& folder) {
        auto* translator = new QTranslator(owner);
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator);
        } else {
            missing << file;
            delete translator;
        }
    };
    const QString code = language == Language::French ? QStringLiteral("fr") : QStringLiteral("en");
    install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == Language::English) {
        install(QStringLiteral(":/i18n/sondalog_en.qm"), QString());
    }
    return missing;
}

}  // namespace sondalog
