// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the bundled help: each page's text, without its markup, is read once and searched for every word.
#include "app/helpsearch.h"

#include "platform/translations.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <map>

namespace qm {

namespace {

struct TPageText
{
    QString Page;
    QString Title;
    QString Text; // lower case
};

// The pages in the program's language, read on the first search.
const std::vector<TPageText>& Pages()
{
    static std::map<QString, std::vector<TPageText>> languages;
    std::vector<TPageText>& list = languages[CurrentLanguage()];
    if (list.empty()) {
        const QDir dir(QStringLiteral(":/help"));
        for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
            QFile file(HelpPageUrl(name).path().prepend(QLatin1Char(':')));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QTextDocument document;
            document.setHtml(QString::fromUtf8(file.readAll()));
            QString title = document.metaInformation(QTextDocument::DocumentTitle);
            if (title.isEmpty())
                title = name;
            list.push_back({name, title, document.toPlainText().toLower()});
        }
    }
    return list;
}

} // namespace

QUrl HelpPageUrl(const QString& fileName)
{
    const QString page = fileName.section(QLatin1Char('#'), 0, 0);
    const QString language = CurrentLanguage();
    for (const QString& folder : {language.isEmpty() ? QString() : language + QLatin1Char('/'), QString()}) {
        if (QFile::exists(QStringLiteral(":/help/") + folder + page))
            return QUrl(QStringLiteral("qrc:/help/") + folder + fileName);
        if (language.isEmpty())
            break;
    }
    return QUrl();
}

std::vector<HelpHit> SearchHelp(const QString& words)
{
    std::vector<QRegularExpression> patterns;
    // Words of any script: "größe" is one word, and its start is found before "größer" too.
    const auto unicode = QRegularExpression::UseUnicodePropertiesOption;
    for (const QString& word :
         words.toLower().split(QRegularExpression(QStringLiteral("\\W+"), unicode), Qt::SkipEmptyParts))
        patterns.emplace_back(QStringLiteral("\\b") + QRegularExpression::escape(word), unicode);
    std::vector<HelpHit> hits;
    if (patterns.empty())
        return hits;
    for (const TPageText& page : Pages()) {
        int count = 0;
        bool all = true;
        for (const QRegularExpression& pattern : patterns) {
            int n = 0;
            for (auto it = pattern.globalMatch(page.Text); it.hasNext(); it.next())
                ++n;
            if (n == 0) {
                all = false;
                break;
            }
            count += n;
        }
        if (all)
            hits.push_back({page.Page, page.Title, count});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const HelpHit& a, const HelpHit& b) {
        return a.Count != b.Count ? a.Count > b.Count : a.Title < b.Title;
    });
    return hits;
}

} // namespace qm
