// SPDX-License-Identifier: GPL-3.0-or-later
// Merge fields and the placeholders that show them.
#include "model/mergerecord.h"

#include <QCoreApplication>

namespace qm {

const char* const kMergePersonalNames[kMergePersonalCount] = {
    "Name", "Company", "Title", "Address1", "Address2", "Address3", "Phone1", "Phone2", "EMail", "Fax",
};

int PersonalFieldOfName(QStringView name)
{
    for (int i = 0; i < kMergePersonalCount; ++i) {
        if (name.compare(QLatin1String(kMergePersonalNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

namespace {

// Marked for translation: the design panel shows them in the user's language, template files keep the
// English.
const char* const kSamples[kMergePersonalCount] = {
    QT_TRANSLATE_NOOP("qm::MergeFields", "Your Own Name"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Your Business Name"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Title or Qualifications"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Address Line One"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Address Line Two"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Address Line Three"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Phone One"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Phone Two"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Email Address"),
    QT_TRANSLATE_NOOP("qm::MergeFields", "Fax Number"),
};

} // namespace

QString PersonalSample(int field)
{
    if (field < 0 || field >= kMergePersonalCount)
        return QString();
    return QLatin1String(kSamples[field]);
}

QString ShownPersonalSample(int field)
{
    if (field < 0 || field >= kMergePersonalCount)
        return QString();
    return QCoreApplication::translate("qm::MergeFields", kSamples[field]);
}

QString PersonalPlaceholder(int field)
{
    if (field < 0 || field >= kMergePersonalCount)
        return QString();
    return QLatin1Char('{') + QLatin1String(kMergePersonalNames[field]) + QLatin1Char('}');
}

const QString* MergeRecord::Find(QStringView name) const
{
    for (const auto& field : mFields) {
        if (QStringView(field.first).compare(name, Qt::CaseInsensitive) == 0)
            return &field.second;
    }
    return nullptr;
}

QString MergeRecord::Value(QStringView name) const
{
    const QString* value = Find(name);
    return value ? *value : QString();
}

QString MergeText(const QString& text, const QStringList& personal, const MergeRecord* record, bool samples)
{
    constexpr qsizetype kMaxName = 255;
    qsizetype open = text.indexOf(QLatin1Char('{'));
    if (open < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype done = 0;
    while (open >= 0) {
        out.append(QStringView(text).mid(done, open - done));
        if (open + 1 < text.size() && text[open + 1] == QLatin1Char('{')) {
            out.append(QLatin1Char('{'));
            done = open + 2;
        } else {
            qsizetype close = open + 1;
            while (close < text.size() && close - open - 1 <= kMaxName && text[close] != QLatin1Char('}') &&
                   text[close] != QLatin1Char('{') && text[close] != QLatin1Char('\n') &&
                   text[close] != QLatin1Char('\r'))
                ++close;
            if (close >= text.size() || text[close] != QLatin1Char('}') || close - open - 1 > kMaxName) {
                // Not a placeholder: the brace stays as typed.
                out.append(QLatin1Char('{'));
                done = open + 1;
            } else {
                const QStringView name = QStringView(text).mid(open + 1, close - open - 1).trimmed();
                if (record) {
                    if (const QString* value = record->Find(name))
                        out.append(*value);
                } else if (const int field = PersonalFieldOfName(name); field >= 0) {
                    const QString value = personal.value(field);
                    out.append(samples && value.trimmed().isEmpty() ? ShownPersonalSample(field) : value);
                } else {
                    out.append(QStringView(text).mid(open, close - open + 1));
                }
                done = close + 1;
            }
        }
        open = text.indexOf(QLatin1Char('{'), done);
    }
    out.append(QStringView(text).mid(done));
    return out;
}

} // namespace qm
