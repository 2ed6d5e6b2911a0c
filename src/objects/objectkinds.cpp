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

#include <cstddef>
#include <type_traits>

namespace qm {

namespace {

template <class T>
void AddClass(ClassRegistry& registry)
{
    registry.Register(T().ClassName(), [] { return std::make_unique<T>(); });
}

// The palette button of a tool: its object name and its tip.
struct Button
{
    const char* name;
    const char* hint;
    void (*picture)(QPainter&);
};

// A drawing tool that places a T; prepare (T&, const TKFont&), placed (T&) and fit (T&, QPoint from, QPoint
// to, giving the box) are optional.
template <class T, class Prepare = std::nullptr_t, class Placed = std::nullptr_t, class Fit = std::nullptr_t>
void AddTool(ClassRegistry& registry, TLPanelState mode, const char* caption, Button button, bool oneShot = false,
             Prepare prepare = nullptr, Placed placed = nullptr, Fit fit = nullptr)
{
    DrawingTool tool;
    tool.mode = mode;
    tool.className = T().ClassName();
    tool.caption = QString::fromLatin1(caption);
    tool.buttonName = QString::fromLatin1(button.name);
    tool.hint = QString::fromLatin1(button.hint);
    tool.picture = button.picture;
    tool.oneShot = oneShot;
    if constexpr (!std::is_same_v<Prepare, std::nullptr_t>)
        tool.prepare = [prepare](TKGraphicControl& o, const TKFont& font) { prepare(static_cast<T&>(o), font); };
    if constexpr (!std::is_same_v<Placed, std::nullptr_t>)
        tool.placed = [placed](TKGraphicControl& o) { placed(static_cast<T&>(o)); };
    if constexpr (!std::is_same_v<Fit, std::nullptr_t>)
        tool.fit = [fit](TKGraphicControl& o, QPoint from, QPoint to) { return fit(static_cast<T&>(o), from, to); };
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
        AddClass<TKLineShape>(r);
        AddClass<TKImage>(r);
        AddClass<TKLabelShapes>(r);
        AddClass<TBCShapes>(r);
        AddClass<TKPLabel>(r);
        AddClass<TKBusinessCardLabel>(r);
        AddClass<TKSymbolLabel>(r);
        AddClass<TKMultiLineLabel>(r);
        AddClass<TSuperShape>(r);
        AddClass<TKPRichBaseLabel>(r);
        AddClass<TKSuperText>(r);
        AddClass<TKPCircleText>(r);
        AddClass<TKQRCode>(r);

        AddTool<TKBusinessCardLabel>(
            r, psLabel, "Text", {"DrawLabelButton", "Text tool", DrawTextToolPicture}, false,
            [](TKBusinessCardLabel& label, const TKFont& font) {
                label.SetCaption(QStringLiteral("Text"));
                label.SetFont(font);
            },
            [](TKBusinessCardLabel& label) {
                label.EditText();
                // The dialog is modal; the label is still there unless something went badly wrong meanwhile.
                if (label.Host() && label.Host()->Objects() && label.Host()->Objects()->IndexOf(&label) >= 0)
                    label.AutoGrow();
            });
        // The editor and the selector open at once; the object then fits what was chosen, also on Cancel.
        AddTool<TKMultiLineLabel>(r, psMultiLineLabel, "Multi-Line Text",
                                  {"DrawMLTextButton", "Multi-line text tool", DrawMultiLineTextToolPicture}, false,
                                  [](TKMultiLineLabel& text, const TKFont& font) { text.SetFont(font); },
                                  [](TKMultiLineLabel& text) {
                                      text.EditText();
                                      if (StillOnCard(text))
                                          text.FitToText();
                                  });
        AddTool<TKSymbolLabel>(r, psSymbolLabel, "Symbol", {"DrawSymbolButton", "Symbol tool", DrawSymbolToolPicture},
                               false, nullptr, [](TKSymbolLabel& symbol) {
                                   symbol.ChooseSymbol();
                                   if (StillOnCard(symbol))
                                       symbol.PrepareLayout();
                               });
        AddTool<TBCShapes>(r, psRectangle, "Rectangle", {"DrawRectanglebutton", "Rectangle tool", DrawRectangleToolPicture}, false,
                           Figure(stRectangle));
        AddTool<TBCShapes>(r, psEllipse, "Ellipse", {"DrawEllipseButton", "Ellipse tool", DrawEllipseToolPicture}, false, Figure(stEllipse));
        AddTool<TBCShapes>(r, psRoundRectangle, "Rounded Rectangle", {"DrawRoundrectbutton", "Round Rectangle tool", DrawRoundRectangleToolPicture},
                           false, Figure(stRoundRect));
        // A line runs the way it was dragged.
        AddTool<TKLineShape>(r, psLine, "Line", {"DrawLinebutton", "Line Tool", DrawLineToolPicture}, false,
                             nullptr, nullptr,
                             [](TKLineShape& line, QPoint from, QPoint to) { return line.FitToDrag(from, to); });
        // These kinds open their own dialog straight away, so the tool does not stay armed.
        AddTool<TKImage>(r, psImage, "Clip Art", {"DrawImageButton", "Clip Art Tool", DrawClipArtToolPicture}, true,
                         nullptr, [](TKImage& image) { image.LoadImageFromDisk(); });
        AddTool<TSuperShape>(r, psSuperShape, "SuperShape",
                             {"DrawSupershape", "Supershape tool \nMulti-purpose shapes and surfaces", DrawSuperShapeToolPicture}, true,
                             nullptr, [](TSuperShape& shape) { shape.OpenProperties(); });
        AddTool<TKPRichBaseLabel>(r, psRichLabel, "Rich Text",
                                  {"DrawRichText", "Rich Text tool \nMixed fonts, colors and styles", DrawRichTextToolPicture}, true,
                                  // New rich text has no frame: on paper a frame is a choice, not a surprise.
                                  [](TKPRichBaseLabel& text, const TKFont&) { text.SetBorderStyle(bsNone); },
                                  [](TKPRichBaseLabel& text) { text.Edit(); });
        AddTool<TKSuperText>(
            r, psSuperText, "SuperText",
            {"DrawSuperTextButton", "SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps",
             DrawSuperTextToolPicture}, true, nullptr, [](TKSuperText& text) { text.OpenProperties(); });
        AddTool<TKPCircleText>(
            r, psCircleText, "CircleText",
            {"DrawCircleTextbutton", "CircleText Tool \nCircular or semi-circular text using any font",
             DrawCircleTextToolPicture}, true, nullptr, [](TKPCircleText& text) { text.OpenProperties(); });
        AddTool<TKQRCode>(r, psQRCode, "QR Code",
                          {"DrawQRCodeButton", "QR Code tool \nYour personal information, a web address or any text",
                           DrawQRCodeToolPicture},
                          true, nullptr, [](TKQRCode& code) { code.OpenProperties(); });
        return r;
    }();
    return registry;
}

} // namespace qm
