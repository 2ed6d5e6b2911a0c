// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-objects embedded in card objects.
#include "model/subobjects.h"

#include <QBuffer>
#include <QImageReader>

#include <QtEndian>

#include <climits>

namespace qm {

namespace {

PropInfo BinaryData(std::function<QByteArray(const Persistent&)> get,
                    std::function<bool(Persistent&, const QByteArray&)> set,
                    std::function<bool(const Persistent&)> stored)
{
    PropInfo p;
    p.name = "Data";
    p.type = PropType::Binary;
    p.get = [get](const Persistent& o) {
        PropValue v;
        v.bytes = get(o);
        return v;
    };
    p.set = [set](Persistent& o, const PropValue& v) { return set(o, v.bytes); };
    p.stored = std::move(stored);
    return p;
}

quint32 ReadUInt32(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + at);
}
} // namespace

#define QM_SET(field, value)                                                                                 \
    do {                                                                                                     \
        if ((field) == (value))                                                                              \
            return;                                                                                          \
        (field) = (value);                                                                                   \
        Changed();                                                                                           \
    } while (0)

// ---- TKFont ----

TKFont::TKFont() = default;

const PropTable& TKFont::Properties() const
{
    static const PropTable table({}, [] {
        PropInfo charset = prop::Int("Charset", &TKFont::Charset, &TKFont::SetCharset, 1);
        charset.type = PropType::Charset;
        PropInfo style = prop::Bind("Style", PropType::Set, &TKFont::Style, &TKFont::SetStyle);
        style.idents = &kFontStyleIdents;
        return std::vector<PropInfo>{
            charset,
            prop::Colour("Color", &TKFont::Color, &TKFont::SetColor),
            prop::Int("Height", &TKFont::Height, &TKFont::SetHeight),
            // Written even when empty: a new font is "Arial", so an empty name must survive a round trip.
            prop::String("Name", &TKFont::Name, &TKFont::SetName, true),
            prop::Enum("Pitch", &TKFont::Pitch, &TKFont::SetPitch, kFontPitchIdents, fpDefault),
            style,
        };
    }());
    return table;
}

void TKFont::Assign(const TKFont& other)
{
    if (*this == other)
        return;
    mCharset = other.mCharset;
    mColor = other.mColor;
    mHeight = other.mHeight;
    mName = other.mName;
    mPitch = other.mPitch;
    mStyle = other.mStyle;
    Changed();
}

bool TKFont::operator==(const TKFont& o) const
{
    return mCharset == o.mCharset && mColor == o.mColor && mHeight == o.mHeight && mName == o.mName &&
           mPitch == o.mPitch && mStyle == o.mStyle;
}

void TKFont::SetCharset(int v) { QM_SET(mCharset, v); }
void TKFont::SetColor(TColor v) { QM_SET(mColor, v); }
void TKFont::SetHeight(int v) { QM_SET(mHeight, v); }
void TKFont::SetName(const QString& v) { QM_SET(mName, v); }
void TKFont::SetPitch(TFontPitch v) { QM_SET(mPitch, v); }
void TKFont::SetStyle(TFontStyles v) { QM_SET(mStyle, TFontStyles(v & 0x0F)); }

namespace {
// -v; the one int that has no negative (a damaged size gives it) becomes the largest that has.
int Negated(int v)
{
    return v == INT_MIN ? INT_MAX : -v;
}
} // namespace

int TKFont::Size() const { return Negated(MulDiv(mHeight, 72, 96)); }
void TKFont::SetSize(int points) { SetHeight(Negated(MulDiv(points, 96, 72))); }

// ---- TKPen ----

const PropTable& TKPen::Properties() const
{
    static const PropTable table({}, {
        prop::Colour("Color", &TKPen::Color, &TKPen::SetColor, clBlack),
        prop::Enum("Mode", &TKPen::Mode, &TKPen::SetMode, kPenModeIdents, pmCopy),
        prop::Enum("Style", &TKPen::Style, &TKPen::SetStyle, kPenStyleIdents, psSolid),
        prop::Int("Width", &TKPen::Width, &TKPen::SetWidth, 1),
    });
    return table;
}

void TKPen::Assign(const TKPen& o)
{
    if (mColor == o.mColor && mMode == o.mMode && mStyle == o.mStyle && mWidth == o.mWidth)
        return;
    mColor = o.mColor;
    mMode = o.mMode;
    mStyle = o.mStyle;
    mWidth = o.mWidth;
    Changed();
}

void TKPen::SetColor(TColor v) { QM_SET(mColor, v); }
void TKPen::SetMode(TPenMode v) { QM_SET(mMode, v); }
void TKPen::SetStyle(TPenStyle v) { QM_SET(mStyle, v); }
void TKPen::SetWidth(int v) { QM_SET(mWidth, v); }

// ---- TKBrush ----

const PropTable& TKBrush::Properties() const
{
    static const PropTable table({}, {
        prop::Colour("Color", &TKBrush::Color, &TKBrush::SetColor, clWhite),
        prop::Enum("Style", &TKBrush::Style, &TKBrush::SetStyle, kBrushStyleIdents, bsSolid),
    });
    return table;
}

void TKBrush::Assign(const TKBrush& o)
{
    if (mColor == o.mColor && mStyle == o.mStyle)
        return;
    mColor = o.mColor;
    mStyle = o.mStyle;
    Changed();
}

void TKBrush::SetColor(TColor v) { QM_SET(mColor, v); }
void TKBrush::SetStyle(TBrushStyle v) { QM_SET(mStyle, v); }

// ---- StoredPicture ----

const PropTable& StoredPicture::Properties() const
{
    static const PropTable table({}, {BinaryData(
        [](const Persistent& o) { return static_cast<const StoredPicture&>(o).Data(); },
        [](Persistent& o, const QByteArray& d) { return static_cast<StoredPicture&>(o).SetData(d); },
        [](const Persistent& o) { return static_cast<const StoredPicture&>(o).HasGraphic(); })});
    return table;
}

void StoredPicture::Assign(const StoredPicture& other)
{
    if (mData == other.mData)
        return;
    mData = other.mData;
    mDecodedValid = false;
    Changed();
}

bool StoredPicture::SetData(const QByteArray& data)
{
    // A short string with the class name, then the graphic's data.
    if (data.isEmpty()) {
        Clear();
        return true;
    }
    const int nameLength = uchar(data[0]);
    if (nameLength == 0 || 1 + nameLength > data.size())
        return false;
    const QByteArray cls = data.mid(1, nameLength);
    const int rest = data.size() - 1 - nameLength;
    if (cls == "TBitmap" || cls == "TMetafile") {
        // A 4-byte byte count precedes the file image.
        if (rest < 4 || ReadUInt32(data, 1 + nameLength) > quint32(rest - 4))
            return false;
    }
    if (mData == data)
        return true;
    mData = data;
    mDecodedValid = false;
    Changed();
    return true;
}

void StoredPicture::Clear()
{
    if (mData.isEmpty())
        return;
    mData.clear();
    mDecodedValid = false;
    Changed();
}

QByteArray StoredPicture::GraphicClass() const
{
    if (mData.isEmpty())
        return {};
    return mData.mid(1, uchar(mData[0]));
}

QByteArray StoredPicture::GraphicBytes() const
{
    if (mData.isEmpty())
        return {};
    const int start = 1 + uchar(mData[0]);
    const QByteArray cls = GraphicClass();
    if (cls == "TBitmap" || cls == "TMetafile")
        return mData.mid(start + 4, int(ReadUInt32(mData, start)));
    return mData.mid(start);
}

const QImage& StoredPicture::Decoded(QSize atMost) const
{
    if (!mDecodedValid || atMost != mDecodedFor) {
        // Bitmaps and icons decode here, each side no larger than asked (read at that size where the format
        // allows, never scaled up); a picture Qt cannot read stays a null image.
        mDecoded = QImage();
        if (HasGraphic()) {
            const QByteArray bytes = GraphicBytes();
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            const QSize own = reader.size();
            if (own.isValid() && atMost.isValid() && !atMost.isEmpty() &&
                (own.width() > atMost.width() || own.height() > atMost.height()))
                reader.setScaledSize(own.boundedTo(atMost));
            mDecoded = reader.read();
        }
        mDecodedFor = atMost;
        mDecodedValid = true;
    }
    return mDecoded;
}

void StoredPicture::SetGraphic(const QByteArray& graphicClass, const QByteArray& fileBytes)
{
    QByteArray data;
    data.append(char(graphicClass.size()));
    data.append(graphicClass);
    if (graphicClass == "TBitmap" || graphicClass == "TMetafile") {
        char count[4];
        qToLittleEndian<quint32>(quint32(fileBytes.size()), count);
        data.append(count, 4);
    }
    data.append(fileBytes);
    SetData(data);
}

// ---- TKBitmap ----

const PropTable& TKBitmap::Properties() const
{
    static const PropTable table({}, {BinaryData(
        [](const Persistent& o) { return static_cast<const TKBitmap&>(o).Data(); },
        [](Persistent& o, const QByteArray& d) { return static_cast<TKBitmap&>(o).SetData(d); },
        [](const Persistent& o) { return !static_cast<const TKBitmap&>(o).Empty(); })});
    return table;
}

void TKBitmap::Assign(const TKBitmap& other)
{
    if (mData == other.mData)
        return;
    mData = other.mData;
    Changed();
}

bool TKBitmap::SetData(const QByteArray& data)
{
    if (data.size() < 4 || ReadUInt32(data, 0) > quint32(data.size() - 4))
        return false;
    if (mData == data)
        return true;
    mData = data;
    Changed();
    return true;
}

void TKBitmap::Clear()
{
    if (mData.isEmpty())
        return;
    mData.clear();
    Changed();
}

void TKBitmap::SetFileBytes(const QByteArray& bmp)
{
    if (bmp.isEmpty()) {
        Clear();
        return;
    }
    QByteArray data(4, '\0');
    qToLittleEndian<quint32>(quint32(bmp.size()), data.data());
    data.append(bmp);
    SetData(data);
}

// ---- TKStrings ----

const PropTable& TKStrings::Properties() const
{
    static const PropTable table({}, [] {
        PropInfo p = prop::Bind("Strings", PropType::StringList, &TKStrings::Strings, &TKStrings::SetStrings);
        p.stored = [](const Persistent& o) { return static_cast<const TKStrings&>(o).Count() > 0; };
        return std::vector<PropInfo>{p};
    }());
    return table;
}

void TKStrings::Assign(const TKStrings& other) { SetStrings(other.mLines); }
void TKStrings::SetStrings(const QStringList& lines) { QM_SET(mLines, lines); }

// ---- TKRichText ----

const PropTable& TKRichText::Properties() const
{
    static const PropTable table({}, {BinaryData(
        [](const Persistent& o) { return static_cast<const TKRichText&>(o).Data(); },
        [](Persistent& o, const QByteArray& d) {
            static_cast<TKRichText&>(o).SetData(d);
            return true;
        },
        nullptr)});
    return table;
}

void TKRichText::Assign(const TKRichText& other) { SetData(other.mRtf); }
void TKRichText::SetData(const QByteArray& rtf) { QM_SET(mRtf, rtf); }

} // namespace qm
