// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the drawing tools in the palette: drawn on a painter 24 units square.
#pragma once

class QPainter;

namespace qm {

void DrawTextToolPicture(QPainter& p);
void DrawMultiLineTextToolPicture(QPainter& p);
void DrawSymbolToolPicture(QPainter& p);
void DrawRectangleToolPicture(QPainter& p);
void DrawEllipseToolPicture(QPainter& p);
void DrawRoundRectangleToolPicture(QPainter& p);
void DrawLineToolPicture(QPainter& p);
void DrawClipArtToolPicture(QPainter& p);
void DrawSuperShapeToolPicture(QPainter& p);
void DrawRichTextToolPicture(QPainter& p);
void DrawSuperTextToolPicture(QPainter& p);
void DrawCircleTextToolPicture(QPainter& p);
void DrawQRCodeToolPicture(QPainter& p);

} // namespace qm
