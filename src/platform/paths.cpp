// The data folder and file-name helpers.
#include "paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qm {

QString ProgramFolder()
{
    QString folder = qEnvironmentVariable("QUILLMARK_HOME");
    if (folder.isEmpty()) {
        QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (base.isEmpty())
            base = QDir::homePath() + QStringLiteral("/.local/share");
        folder = base + QStringLiteral("/quillmark");
    }
    folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QDir().mkpath(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString ProgramFile(const QString& relativeName)
{
    qsizetype start = 0;
    while (start < relativeName.size() && relativeName.at(start) == QLatin1Char('/'))
        ++start;
    return ProgramFolder() + relativeName.mid(start);
}

QString FileNameOnly(const QString& path)
{
    qsizetype start = 0;
    // "C:x.bmp" is a drive-relative Windows name; a colon elsewhere is part of a Linux file name.
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter() &&
        path.at(0).unicode() < 0x80)
        start = 2;
    for (qsizetype i = path.size() - 1; i >= start; --i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return path.mid(i + 1);
    }
    return path.mid(start);
}

QString FindFileIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isFile())
        return dir.filePath(name);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return QString();
}

} // namespace qm
