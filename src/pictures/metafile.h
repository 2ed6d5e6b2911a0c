// SPDX-License-Identifier: GPL-3.0-or-later
// Windows metafiles (placeable and plain) and enhanced metafiles: recognising them, their size, and replaying
// their records onto a painter as vector graphics.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace qm::metafile {

enum class Format { None, Wmf, Emf };

struct Info
{
    Format format = Format::None;
    QSize size;               // pixels at 96 per inch
    QRectF frame;             // enhanced: the frame in reference device pixels; Windows: the window (logical units)
    double pixelsPerMm = 0;   // enhanced: the reference device's resolution
    qsizetype recordsStart = 0;
    bool placeable = false;
};

// Records replayed at most (the rest of a longer metafile is left out) and drawing calls made at most.
constexpr qint64 kMaxRecords = 4000000;
constexpr qint64 kMaxOperations = 200000;

// True when the bytes start like a metafile of either kind.
bool LooksLikeMetafile(const QByteArray& bytes);
// Reads the header: false, with a reason, when it is not a metafile or its header is damaged.
bool ReadInfo(const QByteArray& bytes, Info* info, QString* error);
// Replays the records, the picture stretched over the target rectangle. Damaged records are skipped; a
// record that runs past the end ends the picture.
void Play(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target);

// A placeable Windows metafile for a plain one (the header the card stores), its box from the window records or
// the drawing; the bytes unchanged when they already are placeable or enhanced.
QByteArray PlaceableMetafile(const QByteArray& bytes);

// The players of the two kinds (emfplayer.cpp, wmfplayer.cpp).
bool ReadEmfInfo(const QByteArray& bytes, Info* info, QString* error);
void PlayEmf(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target);
bool ReadWmfInfo(const QByteArray& bytes, Info* info, QString* error);
void PlayWmf(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target);

} // namespace qm::metafile
