// SPDX-License-Identifier: GPL-3.0-or-later
// A real, nearly full disk for the tests of failed writes: a tmpfs of 64 KB (or the size given, "12m")
// mounted over a temporary folder (possible only as root; elsewhere Available() is false and the test skips
// with Why()).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

namespace qmtest {

class SmallDisk
{
public:
    explicit SmallDisk(const char* size = "64k")
    {
        if (::geteuid() != 0) {
            mWhy = QStringLiteral("mounting a small disk needs root");
            return;
        }
        const QByteArray options = QByteArray("size=") + size + ",mode=0777";
        if (::mount("tmpfs", QFile::encodeName(mDir.path()).constData(), "tmpfs", 0, options.constData()) != 0) {
            mWhy = QStringLiteral("tmpfs could not be mounted here (%1)").arg(qt_error_string(errno));
            return;
        }
        mMounted = true;
    }
    ~SmallDisk()
    {
        if (mMounted)
            ::umount2(QFile::encodeName(mDir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Available() const { return mMounted; }
    QString Why() const { return mWhy; }
    QString FilePath(const QString& name) const { return mDir.filePath(name); }

    // Fills the disk to the last page: from then on every write of a byte or more fails with ENOSPC.
    void Fill()
    {
        QFile fill(FilePath(QStringLiteral("fill")));
        if (!fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray page(4096, 'f');
        while (fill.write(page) == page.size()) {
        }
    }

private:
    QTemporaryDir mDir;
    QString mWhy;
    bool mMounted = false;
};

} // namespace qmtest
