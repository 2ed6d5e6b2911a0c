// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file's contents all at once, so a crash or a full disk never leaves half a file behind.
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace qm {

// Writes data to a new file beside path (one without a name until it is complete, where the file system
// allows), syncs it and renames it over path. Every write, the sync and
// the close are checked: on failure returns false, puts a message naming the file and the system's reason in
// *error (when given), leaves any existing file as it was and removes the temporary file. A symbolic link is
// followed to the file it names.
//
// A target that exists and is not a regular file is never replaced: a character device (the null device, a
// terminal) is written in place, and so is a named pipe that a program is reading from (one that nobody reads
// is refused rather than waited on); a folder, a block device or a socket is refused with a message.
bool WriteFileAtomic(const QString& path, const QByteArray& data, QString* error = nullptr);

// The same for a file too big to hold in memory: written piece by piece into the new file beside path and
// renamed over it by Commit. The first failure sticks: later writes do nothing and Commit reports it. A
// writer destroyed without Commit leaves any existing file as it was and removes the new one.
class AtomicFileWriter
{
    Q_DECLARE_TR_FUNCTIONS(qm::AtomicFileWriter)

public:
    explicit AtomicFileWriter(const QString& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the new file; false with ErrorString when it cannot be made.
    bool Open();
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& data) { return Write(data.constData(), data.size()); }
    // Everything written so far.
    qint64 Size() const { return mSize; }
    // Syncs the new file and puts it in place of the old one.
    bool Commit();
    // Throws the new file away.
    void Abort();
    bool Failed() const { return !mError.isEmpty(); }
    QString ErrorString() const { return mError; }
    // Bytes waiting in memory to be written.
    qint64 Buffered() const { return mBuffer.size(); }

private:
    bool Flush();
    bool SetFailure(int systemError);
    bool SetFailure(const QString& reason);

    QString mPath;   // as given, for messages
    QString mTarget; // links followed
    QString mTemporary;
    QString mError;
    QByteArray mBuffer;
    qint64 mSize = 0;
    qint64 mFlushed = 0;
    int mFd = -1;
    bool mReplacing = false;
    bool mInPlace = false; // a character device or a pipe: written directly
    bool mPipe = false;
    unsigned mOldMode = 0;
    unsigned mOldUid = 0;
    unsigned mOldGid = 0;
};

// True when both names exist and are the same file (the same device and file number, links followed).
bool IsSameFile(const QString& a, const QString& b);

// A failure made to happen for tests: the write stops with the given system error once failAfterBytes bytes
// have been written (-1: never), or the sync before the rename fails with it. Applies to every later write
// until cleared with the default value.
struct WriteFault
{
    qint64 FailAfterBytes = -1;
    bool FailSync = false;
    int Error = 0;
};
void SetWriteFaultForTesting(const WriteFault& fault);

} // namespace qm
