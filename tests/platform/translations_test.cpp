// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language chosen from the environment, and the translation files: every text of the sources in
// them, translated, with the same placeholders and access keys as the English.
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "testutil.h"
#include "tsfile.h"

using namespace qm;

namespace {

QStringList Wanted(const QMap<QByteArray, QString>& environment)
{
    return WantedLanguages([&](const char* name) { return environment.value(name); });
}

TEST(Translations, TheLanguageFollowsLanguageThenTheLocaleVariables)
{
    const QStringList ours = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
    // LANGUAGE's list first, in its order; then the first locale variable set, with and without its country.
    EXPECT_EQ(Wanted({{"LANGUAGE", "pt_BR:fr"}, {"LANG", "de_DE.UTF-8"}}),
              QStringList({"pt_BR", "pt", "fr", "de_DE", "de"}));
    EXPECT_EQ(ChooseLanguage(Wanted({{"LANGUAGE", "pt_BR:fr"}, {"LANG", "de_DE.UTF-8"}}), ours), "fr");
    EXPECT_EQ(ChooseLanguage(Wanted({{"LC_ALL", "es_MX.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "fr_FR"}}), ours),
              "es");
    EXPECT_EQ(ChooseLanguage(Wanted({{"LC_MESSAGES", "de_AT.UTF-8@euro"}, {"LANG", "fr_FR"}}), ours), "de");
    // LANGUAGE counts on a bare "C" system too.
    EXPECT_EQ(ChooseLanguage(Wanted({{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}), ours), "de");
    // English asked for before a language we have, a locale of "C", or nothing at all: English.
    EXPECT_EQ(ChooseLanguage(Wanted({{"LANGUAGE", "en_GB:de"}}), ours), "");
    EXPECT_EQ(ChooseLanguage(Wanted({{"LANG", "C.UTF-8"}}), ours), "");
    EXPECT_EQ(ChooseLanguage(Wanted({{"LANG", "POSIX"}}), ours), "");
    EXPECT_EQ(ChooseLanguage(Wanted({}), ours), "");
    // Only the first locale variable set counts: LC_ALL in Japanese means no German from LANG.
    EXPECT_EQ(ChooseLanguage(Wanted({{"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "de_DE.UTF-8"}}), ours), "");
    // A language we have no translation of is passed over for the next one.
    EXPECT_EQ(ChooseLanguage(Wanted({{"LANGUAGE", "ja:nl"}, {"LANG", "fr_CA.UTF-8"}}), ours), "fr");
}

TEST(Translations, InstallingGermanTranslatesTextsAndNumbers)
{
    ASSERT_TRUE(AvailableLanguages().contains(QStringLiteral("de")));
    const QString numbersBefore = QLocale().toString(8.5, 'f', 1);
    {
        // A bare system: no locale but "C.UTF-8".
        qmtest::ScopedEnv language("LANGUAGE", "de"), all("LC_ALL", nullptr), numeric("LC_NUMERIC", nullptr),
            lang("LANG", "C.UTF-8");
        EXPECT_EQ(InstallTranslations(), "de");
    }
    EXPECT_EQ(CurrentLanguage(), "de");
    EXPECT_EQ(QCoreApplication::translate("qm::TMainScreen", "&File").toStdString(), "&Datei");
    // Qt's own buttons speak German too, where Qt's translations are installed.
    if (QFile::exists(QStringLiteral("/usr/share/qt6/translations/qtbase_de.qm"))) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Abbrechen");
    }
    // Without a locale for numbers, the language's: a decimal comma.
    EXPECT_EQ(QLocale().toString(8.5, 'f', 1).toStdString(), "8,5");
    // And back to English, numbers too.
    RemoveTranslations();
    EXPECT_EQ(CurrentLanguage(), "");
    EXPECT_EQ(QCoreApplication::translate("qm::TMainScreen", "&File").toStdString(), "&File");
    EXPECT_EQ(QLocale().toString(8.5, 'f', 1), numbersBefore);
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

bool HasAccessKey(QString text)
{
    text.remove(QStringLiteral("&&"));
    static const QRegularExpression key(QStringLiteral("&[^ ;#]"));
    return key.match(text).hasMatch();
}

TEST(Translations, EveryTextOfTheSourcesIsTranslatedWithItsPlaceholdersAndAccessKeys)
{
    // What lupdate finds in the sources now: a text added without running the update_translations target (and
    // translating it) fails here.
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(QM_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                   qmtest::SourceFile(QStringLiteral("src")), qmtest::SourceFile(QStringLiteral("src")),
                   QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    const std::vector<qmtest::TsMessage> sources = qmtest::ReadTsFile(fresh);
    ASSERT_GT(sources.size(), 500u);

    for (const char* code : {"de", "fr", "es"}) {
        QString language;
        const std::vector<qmtest::TsMessage> shipped =
            qmtest::ReadTsFile(qmtest::SourceFile(QStringLiteral("translations/quillmark_%1.ts").arg(QLatin1String(code))),
                   &language);
        EXPECT_EQ(language, QLatin1String(code));
        QMap<QString, const qmtest::TsMessage*> byKey;
        for (const qmtest::TsMessage& m : shipped)
            byKey.insert(m.Key(), &m);
        QStringList missing, wrong;
        int unfinished = 0;
        for (const qmtest::TsMessage& m : sources) {
            const qmtest::TsMessage* t = byKey.value(m.Key());
            if (!t) {
                missing << m.context + QStringLiteral(": ") + m.source.left(60);
                continue;
            }
            if (t->unfinished) {
                ++unfinished;
                continue;
            }
            const QStringList forms = t->numerus ? t->forms : QStringList{t->translation};
            for (const QString& form : forms) {
                // %n may be left out of a singular ("ein Blatt"); every numbered placeholder must stay.
                QStringList want = Placeholders(m.source), have = Placeholders(form);
                if (t->numerus) {
                    want.removeAll(QStringLiteral("%n"));
                    have.removeAll(QStringLiteral("%n"));
                }
                if (want != have || HasAccessKey(m.source) != HasAccessKey(form))
                    wrong << m.context + QStringLiteral(": ") + m.source.left(50) + QStringLiteral(" -> ") +
                                 form.left(50);
            }
        }
        EXPECT_EQ(missing.join(QLatin1Char('\n')).toStdString(), "")
            << code << ": texts not in the translation; build the update_translations target";
        EXPECT_EQ(wrong.join(QLatin1Char('\n')).toStdString(), "")
            << code << ": placeholders or access keys differ from the English";
        EXPECT_LE(unfinished * 100, int(sources.size())) << code << ": " << unfinished << " of "
                                                         << sources.size() << " texts unfinished";
    }
}

} // namespace
