// SPDX-License-Identifier: GPL-3.0-or-later
// The picture formats read from files: their names, extensions, signatures and checks that a file is whole.
#include "pictures/pictureformats.h"

#include "pictures/metafile.h"
#include "pictures/pcx.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtEndian>

namespace qm {

namespace {

constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

quint32 U32(const QByteArray& b, qsizetype at)
{
    return at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : 0;
}
quint16 U16(const QByteArray& b, qsizetype at)
{
    return at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : 0;
}

bool IsBitmap(const QByteArray& b) { return b.startsWith("BM") || LooksLikePackedDib(b); }
bool IsJpeg(const QByteArray& b) { return b.startsWith("\xFF\xD8\xFF"); }
bool IsGif(const QByteArray& b) { return b.startsWith("GIF87a") || b.startsWith("GIF89a"); }
bool IsPng(const QByteArray& b) { return b.startsWith("\x89PNG\r\n\x1A\n"); }
// An icon or cursor directory with at least one entry.
bool IsIcon(const QByteArray& b)
{
    return b.size() >= 22 && U16(b, 0) == 0 && (U16(b, 2) == 1 || U16(b, 2) == 2) && U16(b, 4) > 0;
}
// Targa files have no signature: a header whose fields all hold values the format allows.
bool IsTarga(const QByteArray& b)
{
    if (b.size() < 18 || IsIcon(b))
        return false;
    const int colourMap = uchar(b[1]), type = uchar(b[2]), bits = uchar(b[16]);
    const bool knownType = type == 1 || type == 2 || type == 3 || type == 9 || type == 10 || type == 11;
    return colourMap <= 1 && knownType && (bits == 8 || bits == 15 || bits == 16 || bits == 24 || bits == 32) &&
           U16(b, 12) > 0 && U16(b, 14) > 0;
}
bool IsEnhancedMetafile(const QByteArray& b) { return b.size() >= 44 && U32(b, 0) == 1 && U32(b, 40) == 0x464D4520; }
bool IsWindowsMetafile(const QByteArray& b) { return metafile::LooksLikeMetafile(b) && !IsEnhancedMetafile(b); }

// The end of the picture is there: an end marker after the last scan (a thumbnail inside has an end of its own;
// some cameras append other data after the picture).
bool JpegWhole(const QByteArray& b)
{
    return b.lastIndexOf("\xFF\xD9") > b.lastIndexOf("\xFF\xDA");
}
// The trailer after the last block; only padding may follow it.
bool GifWhole(const QByteArray& b)
{
    qsizetype end = b.size();
    while (end > 0 && b[end - 1] == '\0')
        --end;
    return end > 0 && b[end - 1] == ';';
}
// An uncompressed Targa picture has all its rows.
bool TargaWhole(const QByteArray& b)
{
    const int type = uchar(b[2]);
    if (type > 3)
        return true; // run-length coded: the reader finds out
    const qint64 colourMap = uchar(b[1]) ? qint64(U16(b, 5)) * ((uchar(b[7]) + 7) / 8) : 0;
    const qint64 pixels = qint64(U16(b, 12)) * U16(b, 14) * ((uchar(b[16]) + 7) / 8);
    return 18 + uchar(b[0]) + colourMap + pixels <= b.size();
}
// The size the header gives is all there.
bool EnhancedMetafileWhole(const QByteArray& b) { return qint64(U32(b, 48)) <= b.size(); }
bool WindowsMetafileWhole(const QByteArray& b)
{
    // (Some writers count the placeable header in the size, some do not.)
    const qsizetype start = U32(b, 0) == 0x9AC6CDD7u ? 22 : 0;
    return qint64(U32(b, start + 6)) * 2 <= b.size();
}

} // namespace

TPictureFormat::TPictureFormat(const QString& name, const QStringList& extensions, bool vector, Check canRead,
                               Check whole)
    : mName(name), mExtensions(extensions), mVector(vector), mCanRead(canRead), mWhole(whole)
{
}

bool TPictureFormat::Read(const QString& path, TPicture& into)
{
    QByteArray bytes;
    return ReadFileBytes(path, kMaxFileBytes, &bytes) && ReadBytes(bytes, QFileInfo(path).fileName(), into);
}

bool TPictureFormat::ReadBytes(const QByteArray& bytes, const QString& name, TPicture& into)
{
    mError.clear();
    if (!CanRead(bytes.left(kHeadBytes)))
        //: %1 is a file name, %2 a picture format ("PNG picture", "Windows metafile").
        return Fail(QCoreApplication::translate("qm::Pictures", "The file %1 holds no %2.").arg(name, mName));
    if (mWhole && !mWhole(bytes))
        return Fail(QCoreApplication::translate("qm::Pictures", "The picture %1 is cut short.").arg(name));
    QString why;
    // The extension tells the reader which format to take for those without a signature (Targa).
    const TPicture picture = ReadPicture(bytes, QStringLiteral("picture.") + mExtensions.first(), &why);
    if (picture.IsNull())
        return Fail(
            QCoreApplication::translate("qm::Pictures", "The picture %1 cannot be read: %2").arg(name, why));
    into = picture;
    return true;
}

std::vector<std::unique_ptr<TPictureFormat>> BitmapFormats()
{
    std::vector<std::unique_ptr<TPictureFormat>> formats;
    auto add = [&](const char* name, QStringList extensions, TPictureFormat::Check canRead,
                   TPictureFormat::Check whole) {
        formats.push_back(std::make_unique<TPictureFormat>(QCoreApplication::translate("qm::Pictures", name),
                                                           extensions, false, canRead, whole));
    };
    add(QT_TRANSLATE_NOOP("qm::Pictures", "Windows bitmap"), {"bmp", "dib", "rle"}, IsBitmap, nullptr);
    add(QT_TRANSLATE_NOOP("qm::Pictures", "JPEG picture"), {"jpg", "jpeg", "jif"}, IsJpeg, JpegWhole);
    add(QT_TRANSLATE_NOOP("qm::Pictures", "GIF picture"), {"gif"}, IsGif, GifWhole);
    add(QT_TRANSLATE_NOOP("qm::Pictures", "PNG picture"), {"png"}, IsPng, nullptr);
    add(QT_TRANSLATE_NOOP("qm::Pictures", "PCX picture"), {"pcx"}, LooksLikePcx, nullptr);
    add(QT_TRANSLATE_NOOP("qm::Pictures", "Windows icon"), {"ico"}, IsIcon, nullptr);
    // Last: Targa has no signature.
    add(QT_TRANSLATE_NOOP("qm::Pictures", "Targa picture"), {"tga"}, IsTarga, TargaWhole);
    return formats;
}

std::vector<std::unique_ptr<TPictureFormat>> PictureFormats()
{
    std::vector<std::unique_ptr<TPictureFormat>> formats = BitmapFormats();
    auto add = [&](const char* name, QStringList extensions, TPictureFormat::Check canRead,
                   TPictureFormat::Check whole) {
        formats.insert(formats.end() - 1, // before Targa, which has no signature
                       std::make_unique<TPictureFormat>(QCoreApplication::translate("qm::Pictures", name),
                                                        extensions, true, canRead, whole));
    };
    add(QT_TRANSLATE_NOOP("qm::Pictures", "Windows metafile"), {"wmf"}, IsWindowsMetafile,
        WindowsMetafileWhole);
    add(QT_TRANSLATE_NOOP("qm::Pictures", "enhanced metafile"), {"emf"}, IsEnhancedMetafile,
        EnhancedMetafileWhole);
    add(QT_TRANSLATE_NOOP("qm::Pictures", "SVG drawing"), {"svg"}, LooksLikeSvg, nullptr);
    return formats;
}

} // namespace qm
