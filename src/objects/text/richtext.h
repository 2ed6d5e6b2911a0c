// SPDX-License-Identifier: GPL-3.0-or-later
// TKPRichBaseLabel: formatted text (several fonts, colours, paragraph alignment) kept as an RTF document.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

#include <memory>
#include <stdexcept>

namespace qm {

class MergeRecord;
class RichTextLayout;

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
    ~TKPRichBaseLabel() override;
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

    // The editor; on OK the object takes the edited document. True when the user chose OK.
    bool Edit();
    // Makes the box tall enough for its text (never shorter); true when it grew.
    bool GrowToText();

    // A double-click opens the editor.
    void Loaded() override;
    // The background, the document laid out for the box at 100 % and shown at the zoom, cut off at the box
    // (text stays text on paper), then the frame.
    void Draw(QPainter& painter, const RenderContext& context) const override;
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

    // The laid-out document as the screen shows it (laid out again only when the RTF, the box, the zoom or
    // what its placeholders show change).
    const RichTextLayout& Layout() const;

private:
    const RichTextLayout& LaidOut(const QStringList& personal, const MergeRecord* record) const;

    TKRichText mRTFText;
    TBorderStyle mBorderStyle = bsSingle;
    bool mTransparent = true;
    TColor mBGColor = clWhite;
    mutable std::unique_ptr<RichTextLayout> mLayout;
};

} // namespace qm
