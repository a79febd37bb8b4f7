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
    const QString code = language == Language::French ? QStringLiteral("fr") : QStringLiteral("en");
    auto* qt = new QTranslator(owner);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        missing << QStringLiteral("qtbase_") + code;
        delete qt;
    }
    if (language == Language::English) {
        auto* own = new QTranslator(owner);
        if (own->load(QStringLiteral(":/i18n/sondalog_en.qm"))) {
            QCoreApplication::installTranslator(own);
        } else {
            missing << QStringLiteral("sondalog_en");
            delete own;
        }
    }
    return missing;
}

}  // namespace sondalog
