#pragma once
// The interface's language: French, the source and the default, or English. Chosen by the option or the
// setting, else by the system's language; Qt's own dialogs follow it.

#include <QLocale>
#include <QString>
#include <QStringList>

class QObject;

namespace sondalog {

enum class Language { French, English };

/// "fr" or "en" when given (the `--lang` option, the setting); else French on a French system, English elsewhere.
Language ChooseLanguage(const QString& chosen, const QLocale& system);

/// Installs the translators of `language` into the application: Qt's own texts (qtbase_fr or qtbase_en from
/// Qt's translations folder) and, for English, Sondalog's (":/i18n/sondalog_en.qm"). Returns what could not be
/// loaded (empty when all were): the interface then keeps its French texts.
QStringList InstallTranslators(Language language, QObject* owner);

}  // namespace sondalog
