// TKPRichBaseLabel: formatted text (several fonts, colours, paragraph alignment) kept as an RTF document.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

#include <stdexcept>

namespace qm {

// Rich-text objects borrow one shared engine component of this name from the main window to draw.
constexpr char kMasterRichTextName[] = "MASTERWPRICHTEXT";

// Raised when no master rich-text component can be found.
class ENoMasterWPRich : public std::runtime_error
{
public:
    ENoMasterWPRich() : std::runtime_error("No master rich text object found") {}
};

class TKPRichBaseLabel : public TKGraphicControl
{
public:
    TKPRichBaseLabel();
    const char* ClassName() const override { return "TKPRichBaseLabel"; }
    const PropTable& Properties() const override;

    // The document, stored as RTF text.
    TKRichText& RTFText() { return mRTFText; }
    const TKRichText& RTFText() const { return mRTFText; }
    void SetRTFText(const TKRichText& document) { mRTFText.Assign(document); }
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    bool Transparent() const { return mTransparent; }
    void SetTransparent(bool v);
    TColor BGColor() const { return mBGColor; }
    void SetBGColor(TColor v);

private:
    TKRichText mRTFText;
    TBorderStyle mBorderStyle = bsSingle;
    bool mTransparent = true;
    TColor mBGColor = clWhite;
};

} // namespace qm
