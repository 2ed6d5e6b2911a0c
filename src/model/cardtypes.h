// SPDX-License-Identifier: GPL-3.0-or-later
// Value types shared by the card objects: colours and the enumerations written into card files by name.
#pragma once

#include "model/properties.h"

#include <QtGlobal>

namespace qm {

// 0x00BBGGRR for an RGB colour; 0x80000000 plus an index for a system colour; clNone 0x1FFFFFFF.
using TColor = qint32;
constexpr TColor clBlack = 0x000000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;

using TCursor = qint16;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TBorderStyle { bsNone, bsSingle };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = quint8; // bit (1 << TFontStyle)
enum TFillDirection { gdUp, gdDown, gdLeft, gdRight };
enum TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };

extern const IdentList kAlignmentIdents;
extern const IdentList kBorderStyleIdents;
extern const IdentList kPenStyleIdents;
extern const IdentList kPenModeIdents;
extern const IdentList kBrushStyleIdents;
extern const IdentList kFontPitchIdents;
extern const IdentList kFontStyleIdents;
extern const IdentList kFillDirectionIdents;
extern const IdentList kShadowDirectionIdents;

// Windows MulDiv: a * b / c rounded to nearest, halves away from zero.
int MulDiv(int a, int b, int c);

} // namespace qm
