// SPDX-License-Identifier: GPL-3.0-or-later
// TKQRCode: encoding with libqrencode, the vCard of the personal information, drawing and the menu.
#include "objects/shapes/qrcode.h"

#include "model/cardrender.h"
#include "model/colors.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QHash>
#include <QPainter>
#include <QTransform>

#include <qrencode.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace qm {

const IdentList kQRContentIdents = {"qcVCard", "qcURL", "qcText"};
const IdentList kQRErrorLevelIdents = {"qeLow", "qeMedium", "qeQuartile", "qeHigh"};

QRSymbol EncodeQRSymbol(const QByteArray& bytes, TQRErrorLevel level)
{
    QRSymbol symbol;
    if (bytes.isEmpty())
        return symbol;
    static const QRecLevel levels[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
    // Eight-bit mode keeps the bytes as they are; version 0 lets the library pick the smallest symbol that
    // holds them. Text beyond ASCII says it is UTF-8 (ECI 26), or readers guess another code page.
    QRinput* input = QRinput_new2(0, levels[std::clamp(int(level), 0, 3)]);
    if (!input)
        return symbol;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    QRcode* code = nullptr;
    if ((ascii || QRinput_appendECIheader(input, 26) == 0) &&
        QRinput_append(input, QR_MODE_8, int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData())) == 0)
        code = QRcode_encodeInput(input);
    QRinput_free(input);
    if (!code)
        return symbol;
    symbol.width = code->width;
    symbol.dark.setFillRule(Qt::WindingFill);
    // Each row's runs of dark modules as rectangles: one path, a few hundred rectangles at most per row.
    for (int y = 0; y < code->width; ++y) {
        const unsigned char* row = code->data + size_t(y) * size_t(code->width);
        for (int x = 0; x < code->width;) {
            if (!(row[x] & 1)) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < code->width && (row[end] & 1))
                ++end;
            symbol.dark.addRect(x, y, end - x, 1);
            x = end;
        }
    }
    QRcode_free(code);
    return symbol;
}

namespace {

// The whole pixels a module takes when `modules` modules share `across` pixels.
int WholeModulePixels(double across, int modules)
{
    if (modules <= 0 || !(across > 0))
        return 0;
    return int(std::min(std::floor(across / modules + 1e-9), double(1 << 20)));
}

// A vCard value: backslash, comma, semicolon and line breaks escaped.
QString Escaped(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out;
}

// The personal information as a vCard 3.0 (lines ended by CR LF; empty fields left out): name, company,
// title, three address lines, two phones, e-mail, fax, as the personal strings order them.
QString PersonalVCard(const QStringList& personal)
{
    const auto field = [&personal](int i) { return personal.value(i).trimmed(); };
    const QString crlf = QStringLiteral("\r\n");
    QString card = QStringLiteral("BEGIN:VCARD") + crlf + QStringLiteral("VERSION:3.0") + crlf;
    // The name's last word is taken as the family name, the rest as given names.
    const QString name = field(0);
    const qsizetype space = name.lastIndexOf(QLatin1Char(' '));
    const QString family = space < 0 ? name : name.mid(space + 1);
    const QString given = space < 0 ? QString() : name.left(space).trimmed();
    card += QStringLiteral("N:") + Escaped(family) + QLatin1Char(';') + Escaped(given) + QStringLiteral(";;;") + crlf;
    card += QStringLiteral("FN:") + Escaped(name) + crlf;
    const auto line = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            card += QLatin1String(key) + QLatin1Char(':') + Escaped(value) + crlf;
    };
    line("ORG", field(1));
    line("TITLE", field(2));
    // Three free address lines: the first as the street, the others as they are (a city line, a country).
    if (!field(3).isEmpty() || !field(4).isEmpty() || !field(5).isEmpty())
        card += QStringLiteral("ADR;TYPE=WORK:;;") + Escaped(field(3)) + QLatin1Char(';') + Escaped(field(4)) +
                QLatin1Char(';') + Escaped(field(5)) + QStringLiteral(";;") + crlf;
    line("TEL;TYPE=WORK,VOICE", field(6));
    line("TEL;TYPE=CELL,VOICE", field(7));
    line("EMAIL;TYPE=INTERNET", field(8));
    line("TEL;TYPE=WORK,FAX", field(9));
    card += QStringLiteral("END:VCARD") + crlf;
    return card;
}

// The dark modules of a symbol as upright rectangles covering the same area: each row's runs as the symbol
// holds them, a run joined with the same run in the rows below it into one taller rectangle. Empty when the
// path is not made of rectangles.
std::vector<QRectF> DarkRectangles(const QPainterPath& dark)
{
    std::vector<QRectF> rects;
    // Where a run of the row above ended up, by its left edge and width, while it can still grow downwards.
    QHash<quint64, size_t> open;
    const int count = dark.elementCount();
    rects.reserve(size_t(count / 5));
    for (int i = 0; i + 4 < count; i += 5) {
        const QPainterPath::Element corner = dark.elementAt(i), opposite = dark.elementAt(i + 2);
        if (!corner.isMoveTo())
            return {}; // not rectangles after all
        const QRectF run(QPointF(corner.x, corner.y), QPointF(opposite.x, opposite.y));
        const quint64 key = (quint64(quint32(int(run.left()))) << 32) | quint32(int(run.width()));
        const auto above = open.constFind(key);
        if (above != open.constEnd() && rects[*above].bottom() == run.top()) {
            rects[*above].setBottom(run.bottom());
            continue;
        }
        open.insert(key, rects.size());
        rects.push_back(run);
    }
    return rects;
}

} // namespace

// The symbol of the text last drawn.
struct TKQRCode::Cache
{
    QByteArray bytes;
    TQRErrorLevel level = qeMedium;
    bool valid = false;
    QRSymbol symbol;
};

TKQRCode::TKQRCode() { SetBounds(0, 0, 96, 96); }

TKQRCode::~TKQRCode() = default;

const PropTable& TKQRCode::Properties() const
{
    using C = TKQRCode;
    static const PropTable table({&BaseProperties()},
                                 {
                                     prop::Enum("Content", &C::Content, &C::SetContent, kQRContentIdents, qcVCard),
                                     prop::String("Text", &C::Text, &C::SetText),
                                     prop::Enum("ErrorLevel", &C::ErrorLevel, &C::SetErrorLevel,
                                                kQRErrorLevelIdents, qeMedium),
                                     prop::Colour("DarkColor", &C::DarkColor, &C::SetDarkColor, clBlack),
                                     prop::Colour("LightColor", &C::LightColor, &C::SetLightColor, clWhite),
                                     prop::Int("QuietZone", &C::QuietZone, &C::SetQuietZone, 4),
                                 });
    return table;
}

void TKQRCode::SetContent(TQRContent v)
{
    if (v == mContent || v < qcVCard || v > qcText)
        return;
    mContent = v;
    Invalidate();
}

void TKQRCode::SetText(const QString& v)
{
    if (v == mText)
        return;
    mText = v;
    Invalidate();
}

void TKQRCode::SetErrorLevel(TQRErrorLevel v)
{
    if (v == mErrorLevel || v < qeLow || v > qeHigh)
        return;
    mErrorLevel = v;
    Invalidate();
}

void TKQRCode::SetDarkColor(TColor v)
{
    if (v == mDarkColor)
        return;
    mDarkColor = v;
    Invalidate();
}

void TKQRCode::SetLightColor(TColor v)
{
    if (v == mLightColor)
        return;
    mLightColor = v;
    Invalidate();
}

void TKQRCode::SetQuietZone(int v)
{
    if (v == mQuietZone || v < 0 || v > kMaxQuietZone)
        return;
    mQuietZone = v;
    Invalidate();
}

void TKQRCode::CopyFrom(const TKQRCode& other)
{
    SetContent(other.mContent);
    SetText(other.mText);
    SetErrorLevel(other.mErrorLevel);
    SetDarkColor(other.mDarkColor);
    SetLightColor(other.mLightColor);
    SetQuietZone(other.mQuietZone);
}

QStringList TKQRCode::PersonalFields(const RenderContext& context)
{
    if (!context.record)
        return context.personal;
    // In a merge each card carries its record's person, the fields found by their placeholder names.
    QStringList fields;
    for (int i = 0; i < kMergePersonalCount; ++i)
        fields << context.record->Value(QString::fromLatin1(kMergePersonalNames[i]));
    return fields;
}

QString TKQRCode::Payload(const QStringList& personal) const
{
    return mContent == qcVCard ? PersonalVCard(personal) : mText;
}

const QRSymbol& TKQRCode::Symbol(const QStringList& personal) const
{
    if (!mCache)
        mCache = std::make_unique<Cache>();
    const QByteArray bytes = Payload(personal).toUtf8();
    if (!mCache->valid || mCache->bytes != bytes || mCache->level != mErrorLevel) {
        mCache->symbol = EncodeQRSymbol(bytes, mErrorLevel);
        mCache->bytes = bytes;
        mCache->level = mErrorLevel;
        mCache->valid = true;
    }
    return mCache->symbol;
}

void TKQRCode::Draw(QPainter& painter, const RenderContext& context) const
{
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    // A card of very many codes prints without keeping each one's symbol.
    QRSymbol encoded;
    if (!context.keepDrawingCaches && !mCache)
        encoded = EncodeQRSymbol(Payload(PersonalFields(context)).toUtf8(), mErrorLevel);
    const QRSymbol& symbol = context.keepDrawingCaches || mCache ? Symbol(PersonalFields(context)) : encoded;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (symbol.width <= 0) {
        // Nothing to encode, or more than the largest symbol holds.
        if (!context.OnPaper()) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(0, 0, w - 1, h - 1);
            painter.drawLine(0, 0, w - 1, h - 1);
            painter.drawLine(0, h - 1, w - 1, 0);
        }
        painter.restore();
        return;
    }
    const int modules = symbol.width + 2 * mQuietZone;
    const int side = std::min(w, h);
    painter.setPen(Qt::NoPen);
    if (!context.OnPaper() && DrawOnWholePixels(painter, symbol, modules)) {
        painter.restore();
        return;
    }
    // The symbol fills the box: on paper, and on screen and in pictures when a module would be less than two
    // pixels (there the edges fall on whole pixels, and drawn without smoothing a module is one pixel wider
    // here and there).
    const double module = double(side) / modules;
    const double extent = module * modules;
    double left = (w - extent) / 2, top = (h - extent) / 2;
    if (!context.OnPaper()) {
        left = std::floor(left);
        top = std::floor(top);
    }
    if (mLightColor != clNone)
        painter.fillRect(QRectF(left, top, extent, extent), ToQColor(mLightColor));
    painter.translate(left + module * mQuietZone, top + module * mQuietZone);
    painter.scale(module, module);
    painter.setBrush(ToQColor(mDarkColor));
    if (context.OnPaper()) {
        // On paper the modules go as plain rectangles in module units under the scale: a PDF writer puts
        // them as a few bytes each ("x y w h re"), where the path comes out as every corner of every run in
        // page units, ten times the bytes, and a card of many codes is mostly this.
        const std::vector<QRectF> rects = DarkRectangles(symbol.dark);
        if (!rects.empty())
            painter.drawRects(rects.data(), int(rects.size()));
        else
            painter.drawPath(symbol.dark);
    } else {
        painter.drawPath(symbol.dark);
    }
    painter.restore();
}

bool TKQRCode::DrawOnWholePixels(QPainter& painter, const QRSymbol& symbol, int modules) const
{
    // The box in device pixels; a turned or slanted painter keeps the smooth drawing.
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale || device.m11() <= 0 || device.m22() <= 0)
        return false;
    const double across = std::min(Width() * device.m11(), Height() * device.m22());
    const int pixels = WholeModulePixels(across, modules);
    if (pixels < kReadableModulePixels)
        return false;
    const QRectF box = device.mapRect(QRectF(0, 0, Width(), Height()));
    const int extent = pixels * modules;
    const int left = int(std::floor(box.left() + (box.width() - extent) / 2));
    const int top = int(std::floor(box.top() + (box.height() - extent) / 2));
    // Drawing in device pixels: the world transform undoes what the device adds (a screen's pixel ratio).
    painter.setWorldTransform((painter.worldTransform().inverted() * device).inverted());
    if (mLightColor != clNone)
        painter.fillRect(QRect(left, top, extent, extent), ToQColor(mLightColor));
    painter.translate(left + pixels * mQuietZone, top + pixels * mQuietZone);
    painter.scale(pixels, pixels);
    painter.setBrush(ToQColor(mDarkColor));
    painter.drawPath(symbol.dark);
    return true;
}

int TKQRCode::ModulesAcross(const QStringList& personal) const
{
    const QRSymbol& symbol = Symbol(personal);
    return symbol.width > 0 ? symbol.width + 2 * mQuietZone : 0;
}

int TKQRCode::ModulePixels(double scale, const QStringList& personal) const
{
    return WholeModulePixels(std::min(Width(), Height()) * scale, ModulesAcross(personal));
}

bool TKQRCode::OpenProperties()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    TKQRCode sample;
    sample.CopyFrom(*this);
    sample.SetBounds(0, 0, Width(), Height());
    if (!dialogs->EditQRCode(sample, Host()->PersonalStrings()))
        return false;
    CopyFrom(sample);
    Invalidate();
    NotifyChanged();
    return true;
}

void TKQRCode::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Properties"), [this] { OpenProperties(); });
}

} // namespace qm
