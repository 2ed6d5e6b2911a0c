// SPDX-License-Identifier: GPL-3.0-or-later
// TKQRCode: a QR code on the card, carrying the personal information as a vCard, a web address or any text.
#pragma once

#include "model/cardobject.h"

#include <QByteArray>
#include <QPainterPath>

#include <memory>

namespace qm {

// What the code carries.
enum TQRContent
{
    qcVCard, // the personal information as a vCard 3.0
    qcURL,   // the web address in Text
    qcText   // Text as it is
};
extern const IdentList kQRContentIdents;

// How much of the symbol may be lost and still read: about 7, 15, 25 and 30 %.
enum TQRErrorLevel
{
    qeLow,
    qeMedium,
    qeQuartile,
    qeHigh
};
extern const IdentList kQRErrorLevelIdents;

// The dark modules of an encoded symbol as one path, one unit per module, the symbol's top-left module at
// (0, 0); width 0 when the text does not fit any symbol.
struct QRSymbol
{
    int width = 0;
    QPainterPath dark;
};

// Encodes bytes (UTF-8 text) at an error-correction level in the smallest symbol that holds them.
QRSymbol EncodeQRSymbol(const QByteArray& bytes, TQRErrorLevel level);

class TKQRCode : public TKGraphicControl
{
public:
    static constexpr int kMaxQuietZone = 16;

    TKQRCode();
    ~TKQRCode() override;
    const char* ClassName() const override { return "TKQRCode"; }
    const PropTable& Properties() const override;

    TQRContent Content() const { return mContent; }
    void SetContent(TQRContent v);
    // The web address or the text (unused for a vCard).
    QString Text() const { return mText; }
    void SetText(const QString& v);
    TQRErrorLevel ErrorLevel() const { return mErrorLevel; }
    void SetErrorLevel(TQRErrorLevel v);
    TColor DarkColor() const { return mDarkColor; }
    void SetDarkColor(TColor v);
    // clNone leaves the light modules and the quiet zone transparent.
    TColor LightColor() const { return mLightColor; }
    void SetLightColor(TColor v);
    // The blank margin around the symbol, in modules (0..16).
    int QuietZone() const { return mQuietZone; }
    void SetQuietZone(int v);
    void CopyFrom(const TKQRCode& other);

    // The one place the personal fields come from: the render context's record in a merge, else its
    // personal strings (the card's own).
    static QStringList PersonalFields(const RenderContext& context);
    // The text the code carries with those fields.
    QString Payload(const QStringList& personal) const;
    // The symbol for that text, kept until the text or the level changes.
    const QRSymbol& Symbol(const QStringList& personal) const;

    // A scanner needs modules of at least this many whole pixels in a picture.
    static constexpr int kReadableModulePixels = 2;
    // The whole pixels a module takes when the code is drawn at `scale` pixels a card unit: the most that fit
    // the box's shorter side with the quiet zone. 0 when not even one fits (the code is then drawn smoothly
    // over its box) or there is nothing to encode.
    int ModulePixels(double scale, const QStringList& personal) const;
    // The modules across the symbol with its quiet zone; 0 when there is nothing to encode.
    int ModulesAcross(const QStringList& personal) const;

    // The symbol square and centred in the box. On screen and in pictures each module is a square of whole
    // pixels (as many as fit the box's shorter side) when two or more fit, so that it scans; else, and on
    // paper, the symbol fills the shorter side, on paper with the dark modules as one vector path. Text too long for any symbol shows a crossed
    // box on screen and prints nothing.
    void Draw(QPainter& painter, const RenderContext& context) const override;
    void BuildPopupMenu(TKMenu& menu) override;
    // "QR Code Properties", edited on a copy; true when the user chose OK.
    bool OpenProperties();

private:
    // On screen and in pictures: each module a square of whole device pixels, centred in the box. False
    // (nothing drawn) when a module would be less than two pixels or the painter turns the code.
    bool DrawOnWholePixels(QPainter& painter, const QRSymbol& symbol, int modules) const;

    TQRContent mContent = qcVCard;
    QString mText;
    TQRErrorLevel mErrorLevel = qeMedium;
    TColor mDarkColor = 0x000000;
    TColor mLightColor = 0xFFFFFF;
    int mQuietZone = 4;

    struct Cache;
    mutable std::unique_ptr<Cache> mCache;
};

} // namespace qm
