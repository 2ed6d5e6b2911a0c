// SPDX-License-Identifier: GPL-3.0-or-later
// The starter templates: a small kit for placing objects on a card and the designs made with it.
#pragma once

#include "design/cardpanel.h"
#include "model/cardtypes.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace qm {
class TKBusinessCardLabel;
class TKMultiLineLabel;
class TKSymbolLabel;
class TBCShapes;
class TKLineShape;
class TKImage;
class TSuperShape;
class TKSuperText;
class TKPCircleText;
class TKPRichBaseLabel;
} // namespace qm

namespace maker {

constexpr qm::TColor Rgb(int r, int g, int b) { return qm::TColor(quint32(b) << 16 | quint32(g) << 8 | quint32(r)); }

constexpr int kBold = 1 << qm::fsBold;
constexpr int kItalic = 1 << qm::fsItalic;

// One card being laid out; coordinates in card pixels (96 per inch) of a 336 x 192 card, or 192 x 336 when
// the card stands upright.
class Card
{
public:
    Card(qm::TKBusinessCardPanel32& panel, const QString& starterFolder, const QString& design = QString())
        : mPanel(panel), mStarter(starterFolder), mDesign(design)
    {
    }

    // The smallest sizes, in points, a long name and a long other detail may be made smaller to when the
    // template is used.
    static constexpr int kSmallestName = 8;
    static constexpr int kSmallestDetailSize = 6;

    // A text label; a personal-information caption ("Your Own Name", "Phone One"...) is filled in from the
    // user's details when the template is used, and made smaller when the detail would not show whole. A
    // long detail (a 25-letter name, a 40-letter company, a 30-letter e-mail) that would come out below the
    // smallest size, or a box off the card, counts as a failure; QM_TEMPLATE_SIZES=1 lists the sizes they
    // come out at.
    qm::TKBusinessCardLabel* Text(const QRect& box, const QString& caption, const QString& face, int size,
                                  qm::TColor color, int style = 0, qm::TAlignment alignment = qm::taLeftJustify);
    qm::TKMultiLineLabel* Lines(const QRect& box, const QStringList& lines, const QString& face, int size,
                                qm::TColor color, qm::TAlignment alignment = qm::taLeftJustify, int style = 0);
    // A character of the Wingdings, Webdings or Symbol font.
    qm::TKSymbolLabel* Symbol(QPoint at, const QString& font, int code, int size, qm::TColor color);
    // Solid figure without outline (fill) or outline only (fill < 0).
    qm::TBCShapes* Rect(const QRect& box, long fill, qm::TColor pen = 0, int penWidth = 0);
    qm::TBCShapes* RoundRect(const QRect& box, int percent, long fill, qm::TColor pen = 0, int penWidth = 0);
    qm::TBCShapes* Ellipse(const QRect& box, long fill, qm::TColor pen = 0, int penWidth = 0);
    qm::TKLineShape* HLine(int x, int y, int width, qm::TColor color, int penWidth = 1);
    qm::TKLineShape* VLine(int x, int y, int height, qm::TColor color, int penWidth = 1);
    // Clip art from the starter clipart/ folder, stretched over the box.
    qm::TKImage* ClipArt(const QRect& box, const QString& name);
    // A multi-purpose shape filled with a gradient (from, to, running in direction).
    qm::TSuperShape* Gradient(const QRect& box, int shape, qm::TColor from, qm::TColor to,
                              qm::TFillDirection direction);
    // A multi-purpose shape tiled with a starter texture (bmbrush/).
    qm::TSuperShape* Textured(const QRect& box, int shape, const QString& texture);
    qm::TKSuperText* Effect(const QRect& box, const QString& caption, const QString& face, int size,
                            qm::TColor color, int style = 0);
    qm::TKPCircleText* Circle(const QRect& box, const QString& caption, const QString& face, int size,
                              qm::TColor color, int degrees, int start, int style = 0);
    // Rich text from RTF.
    qm::TKPRichBaseLabel* Rich(const QRect& box, const QByteArray& rtf);

    QString starter() const { return mStarter; }
    int failures() const { return mFailures; }

private:
    qm::TKBusinessCardPanel32& mPanel;
    QString mStarter;
    QString mDesign;
    int mFailures = 0;
};

struct Design
{
    QString name;       // the file name without ".qmkt"
    bool portrait;      // the card stands upright
    QString background; // file name in bg/, or empty
    std::function<void(Card&)> build;
};

std::vector<Design> Designs();

} // namespace maker
