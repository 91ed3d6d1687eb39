// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace hmdx {
namespace {

// "de_AT.UTF-8@euro" -> "de"; "C", "POSIX" and English -> "".
QString languageOf(const QString& locale) {
    const QString language = locale.section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .toLower();
    if (language == QLatin1String("c") || language == QLatin1String("posix") ||
        language == QLatin1String("en"))
        return {};
    return language;
}

} // namespace

QString UserLanguage(const std::function<QString(const char*)>& env) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env(name);
        if (!locale.isEmpty())
            break;
    }
    // gettext ignores LANGUAGE when the locale is C: a program run with LC_ALL=C stays English.
    const QString language = env("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    if (!language.isEmpty() && !languageOf(locale).isEmpty())
        return languageOf(language);
    return languageOf(locale);
}

QString UserLanguage() {
    return UserLanguage([](const char* name) { return qEnvironmentVariable(name); });
}

std::string Translated(const char* context, const char* text) {
    const QString translated = QCoreApplication::translate(context, text);
    return translated == QString::fromUtf8(text) ? std::string(text) : translated.toStdString();
}

Translations::Translations(const QString& language) {
    if (language.isEmpty())
        return;
    m_ownLoaded = m_own.load(QStringLiteral(":/i18n/hmdx_") + language);
    if (m_ownLoaded)
        QCoreApplication::installTranslator(&m_own);
    // Qt's standard buttons and dialogs in the same language.
    m_qtLoaded = m_qt.load(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations() {
    if (m_ownLoaded)
        QCoreApplication::removeTranslator(&m_own);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
}

} // namespace hmdx
