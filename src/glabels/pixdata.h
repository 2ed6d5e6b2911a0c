// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures gLabels 3 embeds in its documents as serialized GdkPixdata, turned into PNG files.
#pragma once

#include <QByteArray>

namespace qm {

// The PNG file of a serialized GdkPixdata ("GdkP", then its length, type, row stride, width and height as
// big-endian 32-bit numbers, then 8-bit RGB or RGBA pixels, raw or run-length encoded). False for anything
// else, or when the pixels run short.
//
// Written here rather than taken from gdk-pixbuf: that library would bring GTK's stack into a Qt program
// for one old serialization of a few dozen lines.
bool PixdataToPng(const QByteArray& data, QByteArray* png);

} // namespace qm
