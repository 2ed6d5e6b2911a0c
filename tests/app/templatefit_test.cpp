// SPDX-License-Identifier: GPL-3.0-or-later
// The starter templates filled with personal information: details of realistic length show whole, inside their
// boxes and on the card (measured from the layout, not from pixels), and a detail left empty prints nothing.
#include "app/templatechooser_ui.h"
#include "design/cardpanel.h"
#include "model/cardrender.h"
#include "model/mergerecord.h"
#include "model/sheetlayout.h"
#include "objects/templatefile.h"
#include "objects/text/label3d.h"
#include "objects/text/multilinebase.h"
#include "objects/text/multilinelayout.h"
#include "objects/text/supertext.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {

// A 25-letter name, a 40-letter company and a 30-letter e-mail, with a title, address and phones as people
// have them.
const QStringList kLongDetails = {
    QStringLiteral("Alexandra Montgomery-Wolf"),
    QStringLiteral("Northbridge Architecture & Design Studio"),
    QStringLiteral("Principal Landscape Architect"),
    QStringLiteral("1420 Riverside Industrial Park"),
    QStringLiteral("Springfield, IL 62704-1234"),
    QStringLiteral("United States of America"),
    QStringLiteral("+44 (0)20 7946 0958"),
    QStringLiteral("+44 (0)7700 900 123"),
    QStringLiteral("alexandra.montgomery@nbads.com"),
    QStringLiteral("+44 (0)20 7946 0959"),
};

// A text's extent across the card: its left edge and its width, in card units.
struct Span
{
    QString text;
    int left = 0;
    int width = 0;
    int top = 0;
    int height = 0;
};

// Where each line of text of an object lies on the card, as its layout placed it.
std::vector<Span> TextSpans(TKGraphicControl* object, const RenderContext& context)
{
    std::vector<Span> spans;
    const QPoint at(object->Left(), object->Top());
    if (auto* label = dynamic_cast<TKBaseLabel*>(object)) {
        const QString shown = context.ShownText(label->DrawnCaption());
        if (label->Angle() != 0 || shown.trimmed().isEmpty())
            return spans;
        const TLabelLayout& layout = label->LastLayout();
        const QFontMetrics metrics(label->DrawingFont());
        spans.push_back({shown, at.x() + layout.mainOrigin.x(), metrics.horizontalAdvance(shown),
                         at.y() + layout.mainRect.top, metrics.ascent() + metrics.descent()});
        // The box too: the label draws only inside it.
        const Span& text = spans.back();
        if (text.left < at.x() || text.left + text.width > at.x() + label->Width())
            ADD_FAILURE() << "\"" << qPrintable(shown) << "\" runs out of its box: text " << text.left << ".."
                          << text.left + text.width << ", box " << at.x() << ".." << at.x() + label->Width();
    } else if (auto* effect = dynamic_cast<TKSuperText*>(object)) {
        const QFont font = effect->DrawingFont();
        const QString shown = context.ShownText(effect->DrawnCaption());
        const SuperTextGeometry g = effect->Geometry(font);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(shown);
        if (TKSuperText::FittedText(font, shown, effect->Width() - g.textLeft) != shown)
            ADD_FAILURE() << "\"" << qPrintable(shown) << "\" is cut at its box of " << effect->Width();
        spans.push_back({shown, at.x() + g.mainOrigin.x(), width, at.y() + g.mainOrigin.y(), g.cellHeight});
    } else if (auto* lines = dynamic_cast<TKMultiLineBaseLabel*>(object)) {
        const QFont font = lines->DrawingFont();
        const QFontMetrics metrics(font);
        const MultiLineRows rows =
            PlaceMultiLineRows(lines->DrawnLines(), font, lines->BoundsRect().size(), lines->Alignment());
        for (const TextRow& row : rows.rows) {
            const int width = metrics.horizontalAdvance(row.text);
            if (row.x < 0 || row.x + width > lines->Width() || row.top + rows.rowHeight > lines->Height())
                ADD_FAILURE() << "line \"" << qPrintable(row.text) << "\" runs out of its box";
            spans.push_back({row.text, at.x() + row.x, width, at.y() + row.top, rows.rowHeight});
        }
    }
    return spans;
}

} // namespace

TEST(StarterTemplates, LongPersonalDetailsShowWholeOnEveryTemplate)
{
    // Description files are read from disk, as the chooser reads them from the template folder.
    QTemporaryDir shipped;
    QStringList files;
    for (const QString& bundled : SelectPreviewTemplate::TemplateFiles(QStringLiteral(":/starter/qmkt"))) {
        files << shipped.filePath(QFileInfo(bundled).fileName());
        ASSERT_TRUE(QFile::copy(bundled, files.back()));
    }
    ASSERT_GE(files.size(), 24);
    RenderContext context;
    context.target = RenderContext::Picture;
    context.personal = kLongDetails;
    for (const QString& file : files) {
        SCOPED_TRACE(QFileInfo(file).completeBaseName().toStdString());
        TKBusinessCardPanel32 panel;
        panel.SetPersonalStrings(kLongDetails);
        CardTemplate::Read(panel, file);
        const QSize card = CardPanelSize(CardSheetLayout(), panel.PortraitMode());
        panel.SetSize(card.width(), card.height());
        panel.LayOutObjects();
        int shown = 0;
        for (int i = 0; i < panel.CardObjects().Count(); ++i) {
            for (const Span& span : TextSpans(panel.CardObjects().At(i), context)) {
                SCOPED_TRACE(span.text.toStdString());
                shown += kLongDetails.contains(span.text);
                EXPECT_GE(span.left, 0);
                EXPECT_LE(span.left + span.width, card.width()) << "cut at the card's right edge";
                EXPECT_GE(span.top, 0);
                EXPECT_LE(span.top + span.height, card.height()) << "cut at the card's bottom edge";
            }
        }
        EXPECT_GE(shown, 3) << "the name and at least two more details are on the card";
    }
}

// Only a name, a company, a phone and an e-mail: the fields left empty print nothing (no "Fax Number", no
// "Your Name Here"), in pictures and on paper, while the design panel shows each empty field's sample so the
// user sees where it is. The name shows wherever the template puts a name.
TEST(StarterTemplates, AnEmptyDetailPrintsNothingAndShowsItsSampleOnScreen)
{
    QTemporaryDir shipped;
    QStringList files;
    for (const QString& bundled : SelectPreviewTemplate::TemplateFiles(QStringLiteral(":/starter/qmkt"))) {
        files << shipped.filePath(QFileInfo(bundled).fileName());
        ASSERT_TRUE(QFile::copy(bundled, files.back()));
    }
    const QStringList some = {QStringLiteral("Ada Lovelace"), QStringLiteral("Analytical Engines"), QString(),
                              QString(), QString(), QString(), QStringLiteral("020 7946 0000"), QString(),
                              QStringLiteral("ada@engines.example"), QString()};
    QStringList samples;
    for (int field = 0; field < kMergePersonalCount; ++field)
        samples << PersonalSample(field);
    samples << QStringLiteral("Your Name Here") << QStringLiteral("<Fax>") << QStringLiteral("<blank>");
    int faxLines = 0;
    for (const QString& file : files) {
        const QString design = QFileInfo(file).completeBaseName();
        SCOPED_TRACE(design.toStdString());
        TKBusinessCardPanel32 panel;
        panel.SetPersonalStrings(some);
        CardTemplate::Read(panel, file);
        panel.LayOutObjects();
        QStringList printed, screen;
        for (const RenderContext::Target target : {RenderContext::Picture, RenderContext::Paper,
                                                    RenderContext::Screen}) {
            RenderContext context;
            context.target = target;
            context.personal = some;
            for (int i = 0; i < panel.CardObjects().Count(); ++i) {
                TKGraphicControl* object = panel.CardObjects().At(i);
                if (target != RenderContext::Screen) {
                    for (const Span& span : TextSpans(object, context))
                        printed << span.text;
                } else if (auto* label = dynamic_cast<TKBaseLabel*>(object)) {
                    screen << context.ShownText(label->DrawnCaption());
                }
            }
        }
        for (const QString& text : printed) {
            for (const QString& sample : samples)
                EXPECT_FALSE(text.contains(sample, Qt::CaseInsensitive)) << "prints \"" << qPrintable(text) << "\"";
        }
        EXPECT_TRUE(printed.contains(QStringLiteral("Ada Lovelace"))) << qPrintable(printed.join(QLatin1String(" | ")));
        faxLines += screen.contains(QStringLiteral("Fax Number"));
        if (design == QStringLiteral("Classic Navy") || design == QStringLiteral("Medical Practice") ||
            design == QStringLiteral("Pinstripe Banker")) {
            EXPECT_TRUE(screen.contains(QStringLiteral("Fax Number"))) << "the empty fax shows where it is on screen";
        }
    }
    EXPECT_GE(faxLines, 3);
}
