// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: which of our translations to load, and loading it (with Qt's own) into the program.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace qm {

// The languages the environment asks for, most wanted first: every entry of LANGUAGE (a colon-separated list),
// then the first set one of LC_ALL, LC_MESSAGES and LANG. "de_AT.UTF-8@euro" gives "de_AT" and then "de"; "C" and
// "POSIX" give "en" (the untranslated texts). Unlike gettext, LANGUAGE also counts when the locale is "C", so
// that `LANGUAGE=de quillmark` on a bare system speaks German.
QStringList WantedLanguages(const std::function<QString(const char*)>& variable);
QStringList WantedLanguages();

// The first wanted language among the available translations ("de"), or empty for English: an English entry
// before any translated one chooses English.
QString ChooseLanguage(const QStringList& wanted, const QStringList& available);

// The languages our translations exist for, from the program's resources (":/i18n/quillmark_de.qm" gives "de").
QStringList AvailableLanguages();

// Installs our translation and Qt's own for the environment's language on the running application, and when the
// environment names no locale for numbers (LC_ALL, LC_NUMERIC, LANG unset or "C", "C.UTF-8", "POSIX"), makes the
// language's number format the default (decimal comma in German). Returns the language installed, or empty for English. Call once, after the application object is
// made.
QString InstallTranslations();

// Takes the installed translations out again (the program speaks English) and restores the number format.
void RemoveTranslations();

// The language InstallTranslations() installed, or empty.
QString CurrentLanguage();

} // namespace qm
