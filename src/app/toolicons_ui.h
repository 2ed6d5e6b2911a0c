// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the tool palette and the program's own picture, drawn rather than shipped.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace qm {

// Pictures of the tool bar beyond the drawing tools, whose TLPanelState values name their own pictures.
enum ExtraPicture
{
    kGridPicture = 100,
    kSnapPicture,
    kTipsPicture,
    kBackgroundPicture
};

// The picture of a drawing tool (a TLPanelState) or of an ExtraPicture, 24 pixels square and twice that.
QIcon ToolIcon(int kind);

// The program's picture: a card with a quill across it, size pixels square.
QPixmap ProgramPicture(int size);

} // namespace qm
