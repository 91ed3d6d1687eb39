// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Filled.h"

#include <QString>
#include <QTranslator>
#include <functional>
#include <string>

namespace hmdx {

// The user's language as gettext picks it: the first of LANGUAGE (its first entry), LC_ALL,
// LC_MESSAGES, LANG that is set, reduced to the language ("de_AT.UTF-8" -> "de"). Empty for
// C, POSIX and English: the program's own texts. LANGUAGE is asked only when the locale
// itself is not C, as gettext does.
QString UserLanguage(const std::function<QString(const char*)>& env);
QString UserLanguage();

// `text` of `context` in the user's language; untranslated, its bytes as they are.
std::string Translated(const char* context, const char* text);

// hmdx's translation and Qt's own for `language`, installed in the running application for
// as long as this lives. Nothing is installed for an empty language or one without a file.
class Translations {
public:
    explicit Translations(const QString& language = UserLanguage());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    bool loaded() const { return m_ownLoaded; }

private:
    QTranslator m_own;
    QTranslator m_qt;
    bool m_ownLoaded = false;
    bool m_qtLoaded = false;
};

} // namespace hmdx
