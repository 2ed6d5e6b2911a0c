// SPDX-License-Identifier: GPL-3.0-or-later
// PCX pictures: 1, 2, 4 and 8 bits with a palette, 24 bits in three planes (and 32 in four), run-length coded.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qm {

// True when the bytes start with a PCX header.
bool LooksLikePcx(const QByteArray& bytes);
// Decodes a PCX file; a null image and a reason when it is damaged, truncated or larger than maxPixels.
QImage ReadPcx(const QByteArray& bytes, qint64 maxPixels, QString* error);

} // namespace qm
