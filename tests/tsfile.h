// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of a Qt translation file (.ts), as the translation tests read them.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

namespace qmtest {

// One text and its translation; a finished translation of a text with a number has its forms.
struct TsMessage
{
    QString context, source, comment, translation;
    bool numerus = false, unfinished = false;
    QStringList forms;
    QString Key() const { return context + QLatin1Char('|') + source + QLatin1Char('|') + comment; }
};

// The messages of the file still in use (vanished and obsolete ones left out); empty when it cannot be read.
inline std::vector<TsMessage> ReadTsFile(const QString& path, QString* language = nullptr)
{
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS") && language)
            *language = xml.attributes().value(QLatin1String("language")).toString();
        else if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message")) {
            message = TsMessage();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (name == QLatin1String("comment"))
            message.comment = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            message.unfinished = type == QLatin1String("unfinished");
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.forms << xml.readElementText();
                message.translation = message.forms.value(0);
            } else {
                message.translation = xml.readElementText();
            }
            if (message.translation.isEmpty())
                message.unfinished = true;
            messages.push_back(message);
        }
    }
    return messages;
}

} // namespace qmtest
