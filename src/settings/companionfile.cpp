// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the companion layout file, in its current form and the older one-line form.
#include "settings/companionfile.h"

#include "platform/atomicfile.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/profile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace qm {

namespace {

const QString kIniData = QStringLiteral("Ini Data");
const QString kBackground = QStringLiteral("Background");

// The first line of a text file: UTF-8 when it is valid UTF-8, else the Windows code page.
QString FirstLine(const QString& path)
{
    QFile file(path);
    if (!OpenRegularFile(file, QStringLiteral("layout file"), nullptr))
        return QString();
    QByteArray line = file.readLine(64 * 1024);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(line);
    return utf8.hasError() ? FromWindows1252(line) : decoded;
}

} // namespace

QString CompanionPath(const QString& cardPath)
{
    const QFileInfo info(cardPath);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? cardPath : cardPath.left(cardPath.size() - suffix.size() - 1);
    const bool lowerCase = !suffix.isEmpty() && suffix == suffix.toLower();
    return base + (lowerCase ? QStringLiteral(".qme") : QStringLiteral(".QME"));
}

CompanionFile ReadCompanionFile(const QString& cardPath)
{
    CompanionFile companion;
    const QString path = ExistingCompanionPath(cardPath);
    if (path.isEmpty())
        return companion;
    const ProfileFile ini(path);
    if (!ini.LoadError().isEmpty()) {
        // Not taken for the older form either: its first line would be anything.
        companion.Problem = ini.LoadError();
        return companion;
    }
    if (ini.ReadBool(kIniData, QStringLiteral("ISINI"), false)) {
        companion.HasLayout = true;
        companion.Background = ini.ReadString(kBackground, QStringLiteral("File"));
        companion.Layout = ReadLayout(ini, kCompanionPortraitKey, false);
        // The counts as stored: one out of range is refused below like every other bad value, where reading
        // the layout keeps it in range.
        const QString layout = QString::fromLatin1(kLayoutSection);
        companion.Layout.Across = ini.ReadInteger(layout, QStringLiteral("Across"), companion.Layout.Across);
        companion.Layout.Down = ini.ReadInteger(layout, QStringLiteral("Down"), companion.Layout.Down);
        const QString problem = CardLayoutProblem(companion.Layout);
        if (!problem.isEmpty())
            companion.Problem = QStringLiteral("%1: %2").arg(path, problem);
        return companion;
    }
    // The older form: nothing but the background file's name on the first line.
    companion.Background = FirstLine(path).trimmed();
    return companion;
}

bool WriteCompanionFile(const QString& cardPath, const QString& background, const CardSheetLayout& layout,
                        QString* error)
{
    QString target = ExistingCompanionPath(cardPath);
    if (target.isEmpty())
        target = CompanionPath(cardPath);
    // Built in a scratch folder, so that nothing of an older file survives in it, then put in place whole.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error)
            *error = QCoreApplication::translate("qm::CompanionFile", "%1: no room for a temporary file")
                         .arg(target);
        return false;
    }
    const QString scratchFile = scratch.filePath(QStringLiteral("companion.qme"));
    ProfileFile ini(scratchFile);
    ini.WriteInteger(kIniData, QStringLiteral("ISINI"), 1);
    ini.WriteInteger(kIniData, QStringLiteral("Version"), 2);
    ini.WriteString(kBackground, QStringLiteral("File"), background);
    WriteLayout(ini, layout, kCompanionPortraitKey);
    if (!ini.Save(error))
        return false;
    QFile written(scratchFile);
    if (!written.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(scratchFile, written.errorString());
        return false;
    }
    return WriteFileAtomic(target, written.readAll(), error);
}

QString ExistingCompanionPath(const QString& cardPath)
{
    const QFileInfo companion(CompanionPath(cardPath));
    return FindFileIgnoringCase(companion.absolutePath(), companion.fileName());
}

QString CardBackPath(const QString& cardPath)
{
    const QFileInfo info(cardPath);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return cardPath + QStringLiteral(".back");
    const QString base = cardPath.left(cardPath.size() - suffix.size() - 1);
    const bool lowerCase = suffix == suffix.toLower();
    return base + (lowerCase ? QStringLiteral(".back.") : QStringLiteral(".BACK.")) + suffix;
}

QString ExistingCardBackPath(const QString& cardPath)
{
    const QFileInfo back(CardBackPath(cardPath));
    return FindFileIgnoringCase(back.absolutePath(), back.fileName());
}

} // namespace qm
