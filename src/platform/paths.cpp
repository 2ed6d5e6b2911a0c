// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder and file-name helpers.
#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

const char kContext[] = "qm::Files";

QString kindOf(mode_t mode)
{
    //: What is at a path instead of a file, as in "NAME is a folder, not a card file"
    if (S_ISDIR(mode))
        return QCoreApplication::translate("qm::Files", "a folder");
    //: What is at a path instead of a file, as in "NAME is a named pipe, not a card file"
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("qm::Files", "a named pipe");
    //: What is at a path instead of a file, as in "NAME is a device, not a card file"
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("qm::Files", "a device");
    //: What is at a path instead of a file, as in "NAME is a socket, not a card file"
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("qm::Files", "a socket");
    //: What is at a path instead of a file, as in "NAME is not a plain file, not a card file"
    return QCoreApplication::translate("qm::Files", "not a plain file");
}

// The two refusals, one whole sentence per kind of file: %1 is the path, %2 what is there instead.
struct RoleTexts
{
    const char* missing;
    const char* notRegular;
};

RoleTexts textsFor(FileRole role)
{
    switch (role) {
    case FileRole::CardFile:
        return {QT_TRANSLATE_NOOP("qm::Files", "%1: no such card file"),
                QT_TRANSLATE_NOOP("qm::Files", "%1 is %2, not a card file")};
    case FileRole::SettingsFile:
        return {QT_TRANSLATE_NOOP("qm::Files", "%1: no such settings file"),
                QT_TRANSLATE_NOOP("qm::Files", "%1 is %2, not a settings file")};
    case FileRole::LayoutFile:
        return {QT_TRANSLATE_NOOP("qm::Files", "%1: no such layout file"),
                QT_TRANSLATE_NOOP("qm::Files", "%1 is %2, not a layout file")};
    case FileRole::PaperSizesFile:
        return {QT_TRANSLATE_NOOP("qm::Files", "%1: no such paper sizes file"),
                QT_TRANSLATE_NOOP("qm::Files", "%1 is %2, not a paper sizes file")};
    case FileRole::AnyFile:
        break;
    }
    return {QT_TRANSLATE_NOOP("qm::Files", "%1: no such file"),
            QT_TRANSLATE_NOOP("qm::Files", "%1 is %2, not a regular file")};
}

FileRole roleNamed(const QString& what)
{
    if (what == QLatin1String("card file"))
        return FileRole::CardFile;
    if (what == QLatin1String("settings file"))
        return FileRole::SettingsFile;
    if (what == QLatin1String("layout file"))
        return FileRole::LayoutFile;
    if (what == QLatin1String("paper sizes file"))
        return FileRole::PaperSizesFile;
    return FileRole::AnyFile;
}

bool notFound(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

} // namespace

QString NonFileKind(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return QString();
    return kindOf(st.st_mode);
}

bool OpenRegularFile(QFile& file, const QString& what, QString* error)
{
    return OpenRegularFile(file, roleNamed(what), error);
}

bool OpenRegularFile(QFile& file, FileRole role, QString* error)
{
    const RoleTexts texts = textsFor(role);
    const QString path = file.fileName();
    const QByteArray native = QFile::encodeName(path);
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    const auto failWith = [&](int code) {
        if (notFound(code))
            return fail(QCoreApplication::translate(kContext, texts.missing).arg(path));
        //: %1 is the file, %2 the system's reason
        return fail(QCoreApplication::translate("qm::Files", "Cannot open %1: %2")
                        .arg(path, QString::fromLocal8Bit(std::strerror(code))));
    };
    const auto notRegular = [&](mode_t mode) {
        return fail(QCoreApplication::translate(kContext, texts.notRegular).arg(path, kindOf(mode)));
    };

    // Looked at before opening: opening a named pipe waits for a writer, opening a device may do anything.
    struct stat st;
    if (path.isEmpty() || ::stat(native.constData(), &st) != 0)
        return failWith(path.isEmpty() ? ENOENT : errno);
    if (!S_ISREG(st.st_mode))
        return notRegular(st.st_mode);
    // Opened without waiting and looked at again, in case something else was put there in between.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return failWith(errno);
    if (::fstat(fd, &st) != 0) {
        const int code = errno;
        ::close(fd);
        return failWith(code);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegular(st.st_mode);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(
            QCoreApplication::translate("qm::Files", "Cannot open %1: %2").arg(path, file.errorString()));
    }
    return true;
}

} // namespace qm
