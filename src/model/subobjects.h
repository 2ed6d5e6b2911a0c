// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-objects embedded in card objects: font, pen, brush, picture, bitmap, string list and rich-text document.
#pragma once

#include "model/cardtypes.h"

#include <QByteArray>
#include <QImage>

#include <cstring>
#include <functional>
#include <type_traits>

namespace qm {

// A change notification, set, tested and run as a std::function is. Owners listen with a lambda that captures
// their own pointer, which is held in place; anything larger goes on the heap. Half the size of a
// std::function: a card of a million objects holds one to three of these per object.
class ChangeAction
{
public:
    ChangeAction() = default;
    ChangeAction(const ChangeAction& other) { *this = other; }
    ~ChangeAction() { Reset(); }
    ChangeAction& operator=(const ChangeAction& other)
    {
        if (this == &other)
            return *this;
        Reset();
        mCall = other.mCall;
        mData = other.Heap() ? new std::function<void()>(*static_cast<std::function<void()>*>(other.mData))
                             : other.mData;
        return *this;
    }
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, ChangeAction>>>
    ChangeAction& operator=(F action)
    {
        Reset();
        if constexpr (std::is_same_v<F, std::nullptr_t>) {
            return *this;
        } else if constexpr (sizeof(F) <= sizeof(void*) && std::is_trivially_copyable_v<F> &&
                             alignof(F) <= alignof(void*) && !std::is_pointer_v<F>) {
            std::memcpy(static_cast<void*>(&mData), static_cast<const void*>(&action), sizeof(F));
            mCall = [](void* const* data) { (*reinterpret_cast<const F*>(data))(); };
        } else {
            std::function<void()> f(std::move(action));
            if (!f)
                return *this;
            mData = new std::function<void()>(std::move(f));
            mCall = &CallHeap;
        }
        return *this;
    }
    explicit operator bool() const { return mCall != nullptr; }
    void operator()() const { mCall(&mData); }

private:
    static void CallHeap(void* const* data) { (*static_cast<std::function<void()>*>(*data))(); }
    bool Heap() const { return mCall == &CallHeap; }
    void Reset()
    {
        if (Heap())
            delete static_cast<std::function<void()>*>(mData);
        mData = nullptr;
        mCall = nullptr;
    }
    void* mData = nullptr;
    void (*mCall)(void* const*) = nullptr;
};

// Base of the embedded sub-objects: a change notification the owning card object listens to.
class SubObject : public Persistent
{
public:
    ChangeAction OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }
};

// Font description. The point size is derived from the height at 96 units per inch and is not streamed.
class TKFont : public SubObject
{
public:
    TKFont();
    const PropTable& Properties() const override;
    void Assign(const TKFont& other);
    bool operator==(const TKFont& other) const;

    int Charset() const { return mCharset; }
    void SetCharset(int v);
    TColor Color() const { return mColor; }
    void SetColor(TColor v);
    int Height() const { return mHeight; }
    void SetHeight(int v);
    QString Name() const { return mName; }
    void SetName(const QString& v);
    TFontPitch Pitch() const { return mPitch; }
    void SetPitch(TFontPitch v);
    TFontStyles Style() const { return mStyle; }
    void SetStyle(TFontStyles v);
    bool HasStyle(TFontStyle s) const { return mStyle & (1u << s); }

    int Size() const;
    void SetSize(int points);

private:
    int mCharset = 1; // DEFAULT_CHARSET
    TColor mColor = clBlack;
    int mHeight = -13; // 10 points
    QString mName = QStringLiteral("Arial");
    TFontPitch mPitch = fpDefault;
    TFontStyles mStyle = 0;
};

class TKPen : public SubObject
{
public:
    const PropTable& Properties() const override;
    void Assign(const TKPen& other);

    TColor Color() const { return mColor; }
    void SetColor(TColor v);
    TPenMode Mode() const { return mMode; }
    void SetMode(TPenMode v);
    TPenStyle Style() const { return mStyle; }
    void SetStyle(TPenStyle v);
    int Width() const { return mWidth; }
    void SetWidth(int v);

private:
    TColor mColor = clBlack;
    TPenMode mMode = pmCopy;
    TPenStyle mStyle = psSolid;
    int mWidth = 1;
};

class TKBrush : public SubObject
{
public:
    const PropTable& Properties() const override;
    void Assign(const TKBrush& other);

    TColor Color() const { return mColor; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return mStyle; }
    void SetStyle(TBrushStyle v);

private:
    TColor mColor = clWhite;
    TBrushStyle mStyle = bsSolid;
};

// A picture: a bitmap, icon or metafile kept as the bytes read, so a card file writes them back unchanged.
// Data is the streamed form: the graphic's class name as a short string, then the graphic's own data.
class StoredPicture : public SubObject
{
public:
    const PropTable& Properties() const override;
    void Assign(const StoredPicture& other);

    bool HasGraphic() const { return !mData.isEmpty(); }
    QByteArray Data() const { return mData; }
    // Takes streamed picture data; false (and nothing changed) when it is malformed.
    bool SetData(const QByteArray& data);
    void Clear();
    // "TBitmap", "TMetafile", "TIcon" (or another writer's class name); empty when there is no graphic.
    QByteArray GraphicClass() const;
    // The graphic's own bytes: a bitmap or metafile file image, an icon file image.
    QByteArray GraphicBytes() const;
    // Sets a graphic from its class name and file image.
    void SetGraphic(const QByteArray& graphicClass, const QByteArray& fileBytes);
    // The graphic decoded for drawing, each side no larger than atMost's (where it has one); kept until asked
    // for at another size. Null when there is none or it cannot be read.
    const QImage& Decoded(QSize atMost = QSize()) const;

private:
    QByteArray mData;
    mutable QImage mDecoded;
    mutable QSize mDecodedFor;
    mutable bool mDecodedValid = false;
};

// A bitmap sub-object (textures). Data is the streamed form: a 4-byte byte count, then a bitmap file image.
class TKBitmap : public SubObject
{
public:
    const PropTable& Properties() const override;
    void Assign(const TKBitmap& other);

    bool Empty() const { return mData.size() <= 4; }
    QByteArray Data() const { return mData; }
    bool SetData(const QByteArray& data);
    void Clear();
    QByteArray FileBytes() const { return mData.mid(4); }
    void SetFileBytes(const QByteArray& bmp);

private:
    QByteArray mData;
};

// A list of strings ("Items"); streamed as "Strings", a list of string values.
class TKStrings : public SubObject
{
public:
    const PropTable& Properties() const override;
    void Assign(const TKStrings& other);

    QStringList Strings() const { return mLines; }
    void SetStrings(const QStringList& lines);
    int Count() const { return int(mLines.size()); }

private:
    QStringList mLines;
};

// A rich-text document, streamed as "Data": the document as RTF text.
class TKRichText : public SubObject
{
public:
    const PropTable& Properties() const override;
    void Assign(const TKRichText& other);

    QByteArray Data() const { return mRtf; }
    void SetData(const QByteArray& rtf);

private:
    QByteArray mRtf;
};

} // namespace qm
