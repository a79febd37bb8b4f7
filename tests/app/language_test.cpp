// The interface's language: the option first, then the system's; Qt's own buttons in the same language.
#include "app/language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace sondalog;

TEST(Language, TheOptionThenTheSystemChooseIt)
{
    const struct {
        const char* option;
        QLocale system;
        Language expected;
    } cases[] = {
        {"", QLocale(QLocale::French, QLocale::France), Language::French},
        {"", QLocale(QLocale::French, QLocale::Canada), Language::French},
        {"", QLocale(QLocale::English, QLocale::UnitedKingdom), Language::English},
        {"", QLocale(QLocale::German, QLocale::Germany), Language::English},  // English for every other language
        {"en", QLocale(QLocale::French, QLocale::France), Language::English},
        {"EN_gb", QLocale(QLocale::French, QLocale::France), Language::English},
        {"fr", QLocale(QLocale::English, QLocale::UnitedStates), Language::French},
        {"xx", QLocale(QLocale::French, QLocale::France), Language::French},  // an unknown code: the system's
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseLanguage(QString::fromLatin1(c.option), c.system), c.expected)
            << c.option << " " << c.system.name().toStdString();
    }
}

TEST(Language, QtsOwnButtonsSpeakTheInterfacesLanguage)
{
    QObject owner;
    // Qt's texts are English by themselves: a French interface must bring Qt's French.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    const QStringList missing = InstallTranslators(Language::French, &owner);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
}
