// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: which of our translations to load, and loading it (with Qt's own) into the program.
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qm {

namespace {

QString gLanguage;
QList<QTranslator*> gTranslators;
QLocale gNumbersBefore;

bool IsPlainC(const QString& value)
{
    const QString name = value.section(QLatin1Char('.'), 0, 0).trimmed();
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// "de_AT.UTF-8@euro" -> "de_AT"; "C.UTF-8" and "POSIX" -> "en".
QString LocaleName(const QString& value)
{
    if (IsPlainC(value))
        return QStringLiteral("en");
    return value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
}

// Whether the environment names a locale for numbers: the first set of LC_ALL, LC_NUMERIC and LANG, unless it
// is "C" ("C.UTF-8") or "POSIX".
bool NumbersLocaleNamed()
{
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return !IsPlainC(value);
    }
    return false;
}

void AddWithLanguage(QStringList& list, const QString& name)
{
    if (name.isEmpty())
        return;
    list.append(name);
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language != name)
        list.append(language);
}

} // namespace

QStringList WantedLanguages(const std::function<QString(const char*)>& variable)
{
    QStringList wanted;
    for (const QString& entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        AddWithLanguage(wanted, LocaleName(entry));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (!value.isEmpty()) {
            AddWithLanguage(wanted, LocaleName(value));
            break;
        }
    }
    wanted.removeDuplicates();
    return wanted;
}

QStringList WantedLanguages()
{
    return WantedLanguages([](const char* name) { return qEnvironmentVariable(name); });
}

QString ChooseLanguage(const QStringList& wanted, const QStringList& available)
{
    for (const QString& entry : wanted) {
        if (entry == QLatin1String("en") || entry.startsWith(QLatin1String("en_")))
            return QString();
        if (available.contains(entry))
            return entry;
    }
    return QString();
}

QStringList AvailableLanguages()
{
    QStringList languages;
    const QDir folder(QStringLiteral(":/i18n"));
    for (const QString& file : folder.entryList({QStringLiteral("quillmark_*.qm")}, QDir::Files))
        languages.append(file.mid(10).chopped(3));
    return languages;
}

QString InstallTranslations()
{
    QCoreApplication* app = QCoreApplication::instance();
    const QString language = ChooseLanguage(WantedLanguages(), AvailableLanguages());
    if (!app || language.isEmpty() || !gTranslators.isEmpty())
        return gLanguage;
    auto* ours = new QTranslator(app);
    if (!ours->load(QStringLiteral(":/i18n/quillmark_") + language)) {
        delete ours;
        return QString();
    }
    QCoreApplication::installTranslator(ours);
    gTranslators.append(ours);
    // Qt's own texts (standard buttons, file dialogs, context menus of text boxes), when that package is there.
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        gTranslators.append(qt);
    } else {
        delete qt;
    }
    gNumbersBefore = QLocale();
    if (!NumbersLocaleNamed())
        QLocale::setDefault(QLocale(language));
    gLanguage = language;
    return language;
}

void RemoveTranslations()
{
    for (QTranslator* translator : std::as_const(gTranslators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (!gTranslators.isEmpty())
        QLocale::setDefault(gNumbersBefore);
    gTranslators.clear();
    gLanguage.clear();
}

QString CurrentLanguage()
{
    return gLanguage;
}

} // namespace qm
