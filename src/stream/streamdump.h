// SPDX-License-Identifier: GPL-3.0-or-later
// A readable listing of a card object stream: one block per object, its properties in stream order.
#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// Lists what the stream holds, as
//   object Special1: TKLineShape
//     Left = 40
//     LineStyle = stVertical
//   end
// Strings are quoted, binary data shows its length and first bytes. False with a message for a damaged stream.
bool DumpStream(const QByteArray& data, QString* listing, QString* error);

} // namespace qm
