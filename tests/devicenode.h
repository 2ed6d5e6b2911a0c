// SPDX-License-Identifier: GPL-3.0-or-later
// A device node of the tests' own, so that a test of writing into a device never touches the machine's
// /dev/null or /dev/full: made with mknod in a temporary folder (root only; elsewhere Available() is false and
// the test skips that case with Why()).
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace qmtest {

class DeviceNode
{
public:
    // The character devices the tests use: null swallows everything, full fails every write with ENOSPC.
    enum Kind
    {
        Null = 3,
        Full = 7
    };

    explicit DeviceNode(Kind kind)
        : mPath(mDir.filePath(QString::fromLatin1(kind == Null ? "null" : "full"))), mMinor(unsigned(kind))
    {
        if (::geteuid() != 0) {
            mWhy = QStringLiteral("making a device node needs root");
            return;
        }
        const QByteArray path = QFile::encodeName(mPath);
        if (::mknod(path.constData(), S_IFCHR | 0666, makedev(1, mMinor)) != 0) {
            mWhy = QStringLiteral("mknod failed here (%1)").arg(qt_error_string(errno));
            return;
        }
        // A folder on a file system mounted without devices holds the node but cannot open it.
        const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            mWhy = QStringLiteral("the device node cannot be opened here (%1)").arg(qt_error_string(errno));
            return;
        }
        ::close(fd);
        mAvailable = true;
    }
    DeviceNode(const DeviceNode&) = delete;
    DeviceNode& operator=(const DeviceNode&) = delete;

    bool Available() const { return mAvailable; }
    QString Why() const { return mWhy; }
    QString Path() const { return mPath; }
    // Still the same character device, not replaced by a file.
    bool IsIntact() const
    {
        struct stat st{};
        return ::lstat(QFile::encodeName(mPath).constData(), &st) == 0 && S_ISCHR(st.st_mode) &&
               st.st_rdev == makedev(1, mMinor);
    }

private:
    QTemporaryDir mDir;
    QString mPath;
    unsigned mMinor;
    QString mWhy;
    bool mAvailable = false;
};

} // namespace qmtest
