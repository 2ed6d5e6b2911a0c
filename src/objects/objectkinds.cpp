// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of card object, registered in one place: the class card files store and the drawing tools that
// place it, with their palette buttons and pictures. Adding a kind is its own files plus its lines here.
#include "model/classregistry.h"

#include "design/cardpanel.h"
#include "objects/shapes/basicshape.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/qrcode.h"
#include "objects/shapes/supershape.h"
#include "objects/text/circletext.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/personallabel.h"
#include "objects/text/richtext.h"
#include "objects/text/supertext.h"
#include "objects/text/symbollabel.h"
#include "objects/text/textlabel.h"
#include "objects/toolpictures.h"
#include "model/mergerecord.h"
#include "richtext/rtf.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <cstddef>
#include <type_traits>

namespace qm {

namespace {

// describe (const T&, const QStringList& personal) gives the object's kind and shown text; optional.
template <class T, class Describe = std::nullptr_t>
void AddClass(ClassRegistry& registry, Describe describe = nullptr)
{
    ClassRegistry::Describer describer;
    if constexpr (!std::is_same_v<Describe, std::nullptr_t>)
        describer = [describe](const TKGraphicControl& o, const QStringList& personal) {
            return describe(static_cast<const T&>(o), personal);
        };
    registry.Register(T().ClassName(), [] { return std::make_unique<T>(); }, std::move(describer));
}

// The palette button of a tool: its object name and its tip; its Insert menu item (with its access key) and
// the size an object takes when placed from there.
struct Button
{
    const char* name;
    const char* hint;
    void (*picture)(QPainter&);
    const char* menu;
    QSize size{96, 48};
};

ObjectDescription Kind(const char* kind, const QString& text = QString())
{
    return {QCoreApplication::translate("qm::ObjectKinds", kind), text};
}

QString ShapeKind(TShapeType type)
{
    switch (type) {
    case stRoundRect:
    case stRoundSquare:
        return QCoreApplication::translate("qm::ObjectKinds", "Rounded Rectangle");
    case stEllipse:
    case stCircle:
        return QCoreApplication::translate("qm::ObjectKinds", "Ellipse");
    default:
        return QCoreApplication::translate("qm::ObjectKinds", "Rectangle");
    }
}

QString RichPlainText(const TKPRichBaseLabel& text)
{
    QTextDocument document;
    return ReadRtf(text.RTFText().Data(), document) ? document.toPlainText() : QString();
}

// A drawing tool that places a T; prepare (T&, const TKFont&), placed (T&) and fit (T&, QPoint from, QPoint
// to, giving the box) are optional.
template <class T, class Prepare = std::nullptr_t, class Placed = std::nullptr_t, class Fit = std::nullptr_t>
void AddTool(ClassRegistry& registry, TLPanelState mode, const char* caption, Button button,
             bool oneShot = false, Prepare prepare = nullptr, Placed placed = nullptr, Fit fit = nullptr)
{
    DrawingTool tool;
    tool.mode = mode;
    tool.className = T().ClassName();
    tool.caption = QString::fromUtf8(caption);
    tool.buttonName = QString::fromLatin1(button.name);
    tool.hint = QString::fromUtf8(button.hint);
    tool.picture = button.picture;
    tool.menuCaption = QString::fromUtf8(button.menu);
    tool.defaultSize = button.size;
    tool.oneShot = oneShot;
    if constexpr (!std::is_same_v<Prepare, std::nullptr_t>)
        tool.prepare = [prepare](TKGraphicControl& o, const TKFont& font) {
            prepare(static_cast<T&>(o), font);
        };
    if constexpr (!std::is_same_v<Placed, std::nullptr_t>)
        tool.placed = [placed](TKGraphicControl& o) { placed(static_cast<T&>(o)); };
    if constexpr (!std::is_same_v<Fit, std::nullptr_t>)
        tool.fit = [fit](TKGraphicControl& o, QPoint from, QPoint to) {
            return fit(static_cast<T&>(o), from, to);
        };
    registry.AddTool(std::move(tool));
}

// A modal dialog has run: the object is still there unless something went badly wrong meanwhile.
bool StillOnCard(TKGraphicControl& object)
{
    return object.Host() && object.Host()->Objects() && object.Host()->Objects()->IndexOf(&object) >= 0;
}

auto Figure(TShapeType type)
{
    return [type](TBCShapes& shape, const TKFont&) { shape.SetShape(type); };
}

} // namespace

const ClassRegistry& CardClasses()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        const auto shape = [](const TKLabelShapes& s, const QStringList&) {
            return ObjectDescription{ShapeKind(s.Shape()), QString()};
        };
        const auto label = [](const TKPLabel& l, const QStringList& personal) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "Text"),
                        MergeText(l.Caption(), personal, nullptr));
        };
        AddClass<TKLineShape>(r, [](const TKLineShape&, const QStringList&) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "Line"));
        });
        AddClass<TKImage>(r, [](const TKImage&, const QStringList&) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "Clip Art"));
        });
        AddClass<TKLabelShapes>(r, shape);
        AddClass<TBCShapes>(r, shape);
        AddClass<TKPLabel>(r, label);
        AddClass<TKBusinessCardLabel>(r, label);
        AddClass<TKSymbolLabel>(r, [](const TKSymbolLabel& s, const QStringList&) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "Symbol"), s.DrawnCaption());
        });
        AddClass<TKMultiLineLabel>(r, [](const TKMultiLineLabel& t, const QStringList& personal) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "Multi-Line Text"),
                        MergeText(t.Items().Strings().join(QLatin1Char(' ')), personal, nullptr));
        });
        AddClass<TSuperShape>(r, [](const TSuperShape&, const QStringList&) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "SuperShape"));
        });
        AddClass<TKPRichBaseLabel>(r, [](const TKPRichBaseLabel& t, const QStringList& personal) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "Rich Text"),
                        MergeText(RichPlainText(t), personal, nullptr));
        });
        AddClass<TKSuperText>(r, [](const TKSuperText& t, const QStringList& personal) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "SuperText"),
                        MergeText(t.Caption(), personal, nullptr));
        });
        AddClass<TKPCircleText>(r, [](const TKPCircleText& t, const QStringList& personal) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "CircleText"),
                        MergeText(t.Caption(), personal, nullptr));
        });
        AddClass<TKQRCode>(r, [](const TKQRCode& c, const QStringList&) {
            return Kind(QT_TRANSLATE_NOOP("qm::ObjectKinds", "QR Code"), c.Text());
        });

        AddTool<TKBusinessCardLabel>(
            r, psLabel, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Text"),
            {"DrawLabelButton",
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "Text tool"),
             DrawTextToolPicture,
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "&Text"),
             {96, 24}},
            false,
            [](TKBusinessCardLabel& label, const TKFont& font) {
                //: The text a new text object shows until the user types their own.
                label.SetCaption(QCoreApplication::translate("qm::ObjectKinds", "Text", "new object's text"));
                label.SetFont(font);
            },
            [](TKBusinessCardLabel& label) {
                label.EditText();
                // The dialog is modal; the label is still there unless something went badly wrong meanwhile.
                if (label.Host() && label.Host()->Objects() && label.Host()->Objects()->IndexOf(&label) >= 0)
                    label.AutoGrow();
            });
        // The editor and the selector open at once; the object then fits what was chosen, also on Cancel.
        AddTool<TKMultiLineLabel>(
            r, psMultiLineLabel, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Multi-Line Text"),
            {"DrawMLTextButton",
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "Multi-line text tool"),
             DrawMultiLineTextToolPicture,
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "&Multi-Line Text"),
             {120, 40}},
            false, [](TKMultiLineLabel& text, const TKFont& font) { text.SetFont(font); },
            [](TKMultiLineLabel& text) {
                text.EditText();
                if (StillOnCard(text))
                    text.FitToText();
            });
        AddTool<TKSymbolLabel>(r, psSymbolLabel, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Symbol"),
                               {"DrawSymbolButton",
                                QT_TRANSLATE_NOOP("qm::ObjectKinds", "Symbol tool"),
                                DrawSymbolToolPicture,
                                QT_TRANSLATE_NOOP("qm::ObjectKinds", "S&ymbol"),
                                {32, 32}},
                               false, nullptr, [](TKSymbolLabel& symbol) {
                                   symbol.ChooseSymbol();
                                   if (StillOnCard(symbol))
                                       symbol.PrepareLayout();
                               });
        AddTool<TBCShapes>(r, psRectangle, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Rectangle"),
                           {"DrawRectanglebutton", QT_TRANSLATE_NOOP("qm::ObjectKinds", "Rectangle tool"),
                            DrawRectangleToolPicture, QT_TRANSLATE_NOOP("qm::ObjectKinds", "&Rectangle")},
                           false, Figure(stRectangle));
        AddTool<TBCShapes>(r, psEllipse, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Ellipse"),
                           {"DrawEllipseButton", QT_TRANSLATE_NOOP("qm::ObjectKinds", "Ellipse tool"),
                            DrawEllipseToolPicture, QT_TRANSLATE_NOOP("qm::ObjectKinds", "&Ellipse")},
                           false, Figure(stEllipse));
        AddTool<TBCShapes>(
            r, psRoundRectangle, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Rounded Rectangle"),
            {"DrawRoundrectbutton", QT_TRANSLATE_NOOP("qm::ObjectKinds", "Round Rectangle tool"),
             DrawRoundRectangleToolPicture, QT_TRANSLATE_NOOP("qm::ObjectKinds", "R&ounded Rectangle")},
            false, Figure(stRoundRect));
        // A line runs the way it was dragged.
        AddTool<TKLineShape>(r, psLine, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Line"),
                             {"DrawLinebutton",
                              QT_TRANSLATE_NOOP("qm::ObjectKinds", "Line Tool"),
                              DrawLineToolPicture,
                              QT_TRANSLATE_NOOP("qm::ObjectKinds", "&Line"),
                              {96, 0}},
                             false, nullptr, nullptr, [](TKLineShape& line, QPoint from, QPoint to) {
                                 return line.FitToDrag(from, to);
                             });
        // These kinds open their own dialog straight away, so the tool does not stay armed.
        AddTool<TKImage>(r, psImage, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Clip Art"),
                         {"DrawImageButton",
                          QT_TRANSLATE_NOOP("qm::ObjectKinds", "Clip Art Tool"),
                          DrawClipArtToolPicture,
                          QT_TRANSLATE_NOOP("qm::ObjectKinds", "&Clip Art"),
                          {96, 72}},
                         true, nullptr, [](TKImage& image) { image.LoadImageFromDisk(); });
        AddTool<TSuperShape>(
            r, psSuperShape, QT_TRANSLATE_NOOP("qm::ObjectKinds", "SuperShape"),
            {"DrawSupershape",
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "Supershape tool \nMulti-purpose shapes and surfaces"),
             DrawSuperShapeToolPicture,
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "Su&perShape"),
             {72, 72}},
            true, nullptr, [](TSuperShape& shape) { shape.OpenProperties(); });
        AddTool<TKPRichBaseLabel>(
            r, psRichLabel, QT_TRANSLATE_NOOP("qm::ObjectKinds", "Rich Text"),
            {"DrawRichText",
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "Rich Text tool \nMixed fonts, colors and styles"),
             DrawRichTextToolPicture,
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "Ric&h Text"),
             {144, 48}},
            true,
            // New rich text has no frame: on paper a frame is a choice, not a surprise.
            [](TKPRichBaseLabel& text, const TKFont&) { text.SetBorderStyle(bsNone); },
            [](TKPRichBaseLabel& text) { text.Edit(); });
        AddTool<TKSuperText>(
            r, psSuperText, QT_TRANSLATE_NOOP("qm::ObjectKinds", "SuperText"),
            {"DrawSuperTextButton",
             QT_TRANSLATE_NOOP("qm::ObjectKinds",
                               "SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps"),
             DrawSuperTextToolPicture,
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "&SuperText"),
             {144, 40}},
            true, nullptr, [](TKSuperText& text) { text.OpenProperties(); });
        AddTool<TKPCircleText>(
            r, psCircleText, QT_TRANSLATE_NOOP("qm::ObjectKinds", "CircleText"),
            {"DrawCircleTextbutton",
             QT_TRANSLATE_NOOP("qm::ObjectKinds",
                               "CircleText Tool \nCircular or semi-circular text using any font"),
             DrawCircleTextToolPicture,
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "C&ircleText"),
             {96, 96}},
            true, nullptr, [](TKPCircleText& text) { text.OpenProperties(); });
        AddTool<TKQRCode>(
            r, psQRCode, QT_TRANSLATE_NOOP("qm::ObjectKinds", "QR Code"),
            {"DrawQRCodeButton",
             QT_TRANSLATE_NOOP("qm::ObjectKinds",
                               "QR Code tool \nYour personal information, a web address or any text"),
             DrawQRCodeToolPicture,
             QT_TRANSLATE_NOOP("qm::ObjectKinds", "&QR Code"),
             {72, 72}},
            true, nullptr, [](TKQRCode& code) { code.OpenProperties(); });
        return r;
    }();
    return registry;
}

} // namespace qm
