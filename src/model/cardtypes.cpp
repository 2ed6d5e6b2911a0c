// SPDX-License-Identifier: GPL-3.0-or-later
// Identifier lists of the shared enumerations, spelled as card files spell them.
#include "model/cardtypes.h"

#include <cstdlib>

namespace qm {

const IdentList kAlignmentIdents = {"taLeftJustify", "taRightJustify", "taCenter"};
const IdentList kBorderStyleIdents = {"bsNone", "bsSingle"};
const IdentList kPenStyleIdents = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                   "psInsideFrame"};
const IdentList kPenModeIdents = {"pmBlack",        "pmWhite",       "pmNop",        "pmNot",
                                  "pmCopy",         "pmNotCopy",     "pmMergePenNot", "pmMaskPenNot",
                                  "pmMergeNotPen",  "pmMaskNotPen",  "pmMerge",      "pmNotMerge",
                                  "pmMask",         "pmNotMask",     "pmXor",        "pmNotXor"};
const IdentList kBrushStyleIdents = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                     "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
const IdentList kFontPitchIdents = {"fpDefault", "fpVariable", "fpFixed"};
const IdentList kFontStyleIdents = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const IdentList kFillDirectionIdents = {"gdUp", "gdDown", "gdLeft", "gdRight"};
const IdentList kShadowDirectionIdents = {"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"};

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long num = static_cast<long long>(a) * b;
    long long q = num / c;
    const long long r = num % c;
    if (2 * std::llabs(r) >= std::llabs(static_cast<long long>(c)))
        q += ((num < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

} // namespace qm
