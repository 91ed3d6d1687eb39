// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "app/CommandLine.h"
#include "settings/SettingsFile.h"
#include "support/QtApp.h"

#include <QCoreApplication>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace hmdx {
namespace {

TEST(UserLanguage, FollowsTheVariablesInGettextsOrder) {
    struct Case {
        std::map<std::string, QString> env;
        const char* language;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
        {{{"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "de_AT.UTF-8@euro"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "en_GB:fr"}}, ""},
        // C, POSIX and English mean the program's own texts; with C, LANGUAGE is not asked.
        {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, ""},
        {{{"LANG", "POSIX"}}, ""},
        {{{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, ""},
        {{{"LANG", "en_US.UTF-8"}}, ""},
    };
    for (const Case& c : cases) {
        const auto env = [&c](const char* name) {
            const auto it = c.env.find(name);
            return it == c.env.end() ? QString() : it->second;
        };
        EXPECT_EQ(UserLanguage(env), QLatin1String(c.language)) << c.env.size();
    }
}

TEST(Translations, LoadForTheirLanguageAndLeaveEnglishAsItIs) {
    test::QtApp();
    struct Case {
        const char* language;
        const char* menu;     // hmdx::MainWindow "&File"
        const char* button;   // hmdx::WarningDialog "Ignore"
        const char* qtOwn;    // a standard button of Qt's own
        const char* usage;    // the first line of --help
        const char* settings; // a settings-file message (a Qt-free layer's) as it is shown
    };
    const Case cases[] = {
        {"", "&File", "Ignore", "&Yes", "Usage: hmdx [options]\n",
         "The settings file \"/\" cannot be read: "},
        {"de", "&Datei", "Ignorieren", "&Ja", "Aufruf: hmdx [Optionen]\n",
         "Die Einstellungsdatei „/“ kann nicht gelesen werden: "},
        {"fr", "&Fichier", "Ignorer", "&Oui", "Usage : hmdx [options]\n",
         "Impossible de lire le fichier de réglages « / » : "},
    };
    SettingsItemBytes all;
    all.fill(1);
    SettingsModel model;
    const SettingsMessage unreadable = SettingsFile("/").load(model, all, all).message;
    for (const Case& c : cases) {
        const Translations translations(QLatin1String(c.language));
        EXPECT_EQ(translations.loaded(), *c.language != 0) << c.language;
        EXPECT_EQ(QCoreApplication::translate("hmdx::MainWindow", "&File"), c.menu);
        EXPECT_EQ(QCoreApplication::translate("hmdx::WarningDialog", "Ignore"), c.button);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), c.qtOwn);
        EXPECT_EQ(UsageText().rfind(c.usage, 0), 0u) << UsageText();
        const std::string shown = unreadable.text(
            QCoreApplication::translate(kSettingsMessageContext, unreadable.form).toStdString());
        EXPECT_EQ(shown.rfind(c.settings, 0), 0u) << shown;
    }
}

// --help fits a terminal of 80 columns in every language, and the manual's synopsis names
// every option it lists.
TEST(Translations, HelpFitsATerminalAndTheManualNamesEveryOption) {
    test::QtApp();
    std::ifstream file(HMDX_TEST_DATA "/../../data/hmdx.1");
    const std::string manual((std::istreambuf_iterator<char>(file)), {});
    const std::string synopsis = manual.substr(0, manual.find(".SH DESCRIPTION"));
    for (const char* language : {"", "de", "fr"}) {
        const Translations translations{QLatin1String(language)};
        for (const QString& line : QString::fromStdString(UsageText()).split(u'\n')) {
            EXPECT_LE(line.size(), 80) << language << ": " << line.toStdString();
            const QString option = line.trimmed().section(u' ', 0, 0).section(u'[', 0, 0);
            if (*language != 0 || !option.startsWith(u"--"))
                continue;
            std::string roff; // as the manual writes it: "\-\-event\-log"
            for (const char ch : option.toStdString())
                roff += ch == '-' ? std::string("\\-") : std::string(1, ch);
            EXPECT_NE(synopsis.find(roff), std::string::npos) << roff;
        }
    }
}

TEST(Translations, FillKeepsTheBytesOfWhatIsPutIn) {
    EXPECT_EQ(Filled("%2: %1 %3", {"\xff/a", "--x", "%1"}), "--x: \xff/a %1");
    EXPECT_EQ(Filled("100 %", {"a"}), "100 %");
}

} // namespace
} // namespace hmdx
