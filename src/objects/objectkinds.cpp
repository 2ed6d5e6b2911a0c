// Every kind of card object, registered in one place: the class card files store and the drawing tools that
// place it. Adding a kind is its own files plus its lines here.
#include "model/classregistry.h"

#include "design/cardpanel.h"
#include "objects/shapes/basicshape.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/supershape.h"
#include "objects/text/circletext.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/personallabel.h"
#include "objects/text/richtext.h"
#include "objects/text/supertext.h"
#include "objects/text/symbollabel.h"
#include "objects/text/textlabel.h"

namespace qm {

namespace {

template <class T>
void AddClass(ClassRegistry& registry)
{
    registry.Register(T().ClassName(), [] { return std::make_unique<T>(); });
}

template <class T>
void AddTool(ClassRegistry& registry, TLPanelState mode, const char* caption, bool oneShot = false,
             std::function<void(T&, const TKFont&)> prepare = {}, std::function<void(T&)> placed = {})
{
    TDrawingTool tool;
    tool.mode = mode;
    tool.className = T().ClassName();
    tool.caption = QString::fromLatin1(caption);
    tool.oneShot = oneShot;
    if (prepare)
        tool.prepare = [prepare](TKGraphicControl& o, const TKFont& font) { prepare(static_cast<T&>(o), font); };
    if (placed)
        tool.placed = [placed](TKGraphicControl& o) { placed(static_cast<T&>(o)); };
    registry.AddTool(std::move(tool));
}

std::function<void(TBCShapes&, const TKFont&)> Figure(TShapeType type)
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

        AddTool<TKBusinessCardLabel>(
            r, psLabel, "Text", false,
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
        AddTool<TKSymbolLabel>(r, psSymbolLabel, "Symbol");
        AddTool<TKMultiLineLabel>(r, psMultiLineLabel, "Multi-Line Text", false,
                                  [](TKMultiLineLabel& text, const TKFont& font) { text.SetFont(font); });
        AddTool<TBCShapes>(r, psRectangle, "Rectangle", false, Figure(stRectangle));
        AddTool<TBCShapes>(r, psEllipse, "Ellipse", false, Figure(stEllipse));
        AddTool<TBCShapes>(r, psRoundRectangle, "Rounded Rectangle", false, Figure(stRoundRect));
        AddTool<TKLineShape>(r, psLine, "Line", false,
                             [](TKLineShape& line, const TKFont&) { line.SetLineStyle(stVertical); });
        // These kinds open their own dialog straight away, so the tool does not stay armed.
        AddTool<TKImage>(r, psImage, "Clip Art", true);
        AddTool<TSuperShape>(r, psSuperShape, "SuperShape", true);
        AddTool<TKPRichBaseLabel>(r, psRichLabel, "Rich Text", true);
        AddTool<TKSuperText>(r, psSuperText, "SuperText", true);
        AddTool<TKPCircleText>(r, psCircleText, "CircleText", true);
        return r;
    }();
    return registry;
}

} // namespace qm
