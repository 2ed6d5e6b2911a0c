// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a card for a print shop: the page with its bleed and marks, the boxes set by libqpdf, the checks.
#include "print/printshoppdf.h"

#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "objects/shapes/picture.h"
#include "objects/text/circletext.h"
#include "objects/text/label3d.h"
#include "objects/text/multilinebase.h"
#include "objects/text/richtext.h"
#include "objects/text/supertext.h"
#include "platform/atomicfile.h"
#include "platform/units.h"
#include "print/pagedreport.h"
#include "print/pdfjob.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTransform>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cmath>
#include <exception>

namespace qm {

namespace {

// Draws the side into a one-page document of Qt's PDF writer the size of the bleed box.
QByteArray DrawSide(const PrintShopSide& side, const PrintShopPage& page)
{
    const CardModel& card = *side.Card;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const int resolution = PdfReport::kDefaultResolution;
    writer.setResolution(resolution);
    writer.setCreator(QStringLiteral("Quillmark"));
    QPageLayout layout(QPageSize(page.BleedBox().size(), QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    writer.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    painter.scale(double(resolution) / kUnitsPerInch, double(resolution) / kUnitsPerInch);
    const double bleed = page.BleedUnits();
    painter.translate(bleed, bleed);

    // The background continues into the bleed, scaled alike both ways to cover it, and is cut at the card's
    // outline grown by the bleed, as the objects are.
    const QRectF cover = page.CoverRectUnits();
    painter.save();
    painter.setClipPath(CardBleedOutlinePath(card, bleed));
    for (const StoredPicture* picture : {&card.Picture(), &card.ColorPicture()}) {
        if (picture == &card.ColorPicture() && !side.Background.IsNull())
            continue;
        const QImage& image = picture->Decoded();
        if (!image.isNull())
            painter.drawImage(cover, image);
    }
    if (!side.Background.IsNull())
        side.Background.Draw(painter, cover);
    painter.restore();

    RenderContext context;
    context.target = RenderContext::Paper;
    context.background = false;
    context.bleed = bleed;
    DrawCard(painter, card, context);
    painter.end();
    return bytes;
}

QPDFObjectHandle Box(const QRectF& box)
{
    return QPDFObjectHandle::newFromRectangle(
        QPDFObjectHandle::Rectangle(box.left(), box.top(), box.right(), box.bottom()));
}

// The job's document with every page's TrimBox and BleedBox set.
QByteArray SetBoxes(const QByteArray& document, const PrintShopPage& page, QString* error)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("print-shop page", document.constData(), size_t(document.size()));
        for (QPDFPageObjectHelper& p : QPDFPageDocumentHelper(pdf).getAllPages()) {
            QPDFObjectHandle dictionary = p.getObjectHandle();
            dictionary.replaceKey("/TrimBox", Box(page.TrimBox()));
            dictionary.replaceKey("/BleedBox", Box(page.BleedBox()));
        }
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.write();
        const auto buffer = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), qsizetype(buffer->getSize()));
    } catch (const std::exception& e) {
        if (error)
            //: %1 is the reason, in the PDF library's words
            *error = QCoreApplication::translate("qm::PrintShopPdf", "the page's boxes could not be set: %1")
                         .arg(QString::fromUtf8(e.what()));
        return QByteArray();
    }
}

} // namespace

TPicture ReadPrintShopBackground(const QString& file, bool rotated)
{
    if (file.isEmpty())
        return TPicture();
    TPicture picture = ReadPictureFile(file);
    if (picture.IsNull() || !rotated)
        return picture;
    if (picture.IsVector()) {
        // Turned as the design panel turns the art of a Rotated card: drawn a quarter round into a bitmap
        // would lose its sharpness, so vector art is drawn at print resolution instead.
        const QSize size = picture.Size().transposed() * 6;
        QImage image(size.isEmpty() ? QSize(1, 1) : size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(image.width(), 0);
        painter.rotate(90);
        picture.Draw(painter, QRectF(0, 0, image.height(), image.width()));
        painter.end();
        return TPicture::FromImage(image);
    }
    return TPicture::FromImage(picture.Image().transformed(QTransform().rotate(90)));
}

QByteArray MakePrintShopPdf(const std::vector<PrintShopSide>& sides, const PrintShopPage& page,
                            const QString& title, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    PdfJobWriter job{QString()};
    if (!job.Open(title))
        return fail(job.ErrorString());
    const QRectF media = page.MediaBox();
    const QRectF bleed = page.BleedBox();
    for (const PrintShopSide& side : sides) {
        if (!side.Card)
            continue;
        const QByteArray drawn = DrawSide(side, page);
        if (drawn.isEmpty())
            return fail(QCoreApplication::translate("qm::PrintShopPdf", "the card could not be drawn"));
        const int drawing = job.AddDrawing(drawn);
        if (drawing < 0)
            return fail(job.ErrorString());
        job.BeginPage(media.size());
        // The job counts from the page's top-left corner; the boxes from its bottom-left.
        job.Place(drawing, QPointF(bleed.left(), media.height() - bleed.bottom()));
        job.AddContent(page.CropMarkOperators());
        if (!job.EndPage())
            return fail(job.ErrorString());
    }
    if (!job.Finish())
        return fail(job.ErrorString());
    return SetBoxes(job.Document(), page, error);
}

bool WritePrintShopPdf(const std::vector<PrintShopSide>& sides, const PrintShopPage& page, const QString& title,
                       const QString& path, QString* error)
{
    QString why;
    const QByteArray document = MakePrintShopPdf(sides, page, title, &why);
    if (document.isEmpty()) {
        if (error)
            //: %1 is the PDF file, %2 why it was not written
            *error = QCoreApplication::translate("qm::PrintShopPdf", "%1: %2").arg(path, why);
        return false;
    }
    return WriteFileAtomic(path, document, error);
}

QStringList PrintShopWarnings(const PrintShopSide& side, const PrintShopPage& page)
{
    QStringList warnings;
    if (!side.Card)
        return warnings;
    const CardModel& card = *side.Card;
    // Pixels per inch of a bitmap drawn over a rectangle of card units: the lower of the two directions.
    const auto dpi = [](QSize pixels, QSizeF units) {
        return std::min(pixels.width() * kUnitsPerInch / units.width(),
                        pixels.height() * kUnitsPerInch / units.height());
    };
    const QSizeF cover = page.CoverRectUnits().size();
    const QLocale locale;
    const auto mm = [&locale](int units) { return locale.toString(UnitsToMm(units), 'f', 1); };
    QSize background;
    if (!side.Background.IsNull() && !side.Background.IsVector())
        background = side.Background.Image().size();
    else if (side.Background.IsNull() && card.ColorPicture().GraphicClass() == "TBitmap")
        background = card.ColorPicture().Decoded().size();
    if (!background.isEmpty() && dpi(background, cover) < kPrintShopDpi - 0.5)
        warnings << QCoreApplication::translate(
                        "qm::PrintShopPdf",
                        "The background art has %1 dots per inch as printed; a print shop "
                        "wants %2.")
                        .arg(locale.toString(qRound(dpi(background, cover))), locale.toString(kPrintShopDpi));

    const QRectF safe = page.SafeRectUnits();
    int index = 0;
    for (const TKGraphicControl* object : card.Objects().Objects()) {
        ++index;
        const QRect box = object->BoundsRect();
        if (box.isEmpty())
            continue;
        if (const auto* image = dynamic_cast<const TKImage*>(object)) {
            const QByteArray kind = image->Picture().GraphicClass();
            const QSize pixels = image->PictureSize();
            if ((kind == "TBitmap" || kind == "TIcon") && !pixels.isEmpty() &&
                dpi(pixels, QSizeF(box.size())) < kPrintShopDpi - 0.5)
                //: %1 and %2 are the picture's place from the card's left and top edges, %3 its number in the
                //: card's list of objects
                warnings << QCoreApplication::translate(
                                "qm::PrintShopPdf", "The picture at %1 mm, %2 mm (object %3) has %4 dots per "
                                                    "inch as printed; a print shop wants %5.")
                                .arg(mm(box.left()), mm(box.top()), locale.toString(index),
                                     locale.toString(qRound(dpi(pixels, QSizeF(box.size())))),
                                     locale.toString(kPrintShopDpi));
            continue;
        }
        const QRectF edges(box);
        const QRectF trim = page.TrimRectUnits();
        const bool text = dynamic_cast<const TKBaseLabel*>(object) || dynamic_cast<const TKMultiLineBaseLabel*>(object) ||
                          dynamic_cast<const TKPRichBaseLabel*>(object) || dynamic_cast<const TKSuperText*>(object) ||
                          dynamic_cast<const TKPCircleText*>(object);
        if (text && !safe.contains(QRectF(box)))
            //: %1 and %2 are the text's place from the card's left and top edges, %3 its number in the card's
            //: list of objects
            warnings << QCoreApplication::translate(
                            "qm::PrintShopPdf",
                            "The text at %1 mm, %2 mm (object %3) comes closer than %4 mm to "
                            "the edge and may be cut off.")
                            .arg(mm(box.left()), mm(box.top()), locale.toString(index),
                                 locale.toString(PrintShopPage::kSafeMarginMm));
        // Art that ends at the card's edge, or only a little beyond it, leaves a white hairline when the cut is
        // a little off: it must reach over the edge as far as the bleed goes.
        const double bleed = page.BleedUnits();
        const auto short_ = [bleed](double outward) { return outward > -0.5 && outward < bleed - 0.5; };
        if (!text && bleed > 0 &&
            (short_(trim.left() - edges.left()) || short_(trim.top() - edges.top()) ||
             short_(edges.right() - trim.right()) || short_(edges.bottom() - trim.bottom())))
            //: %1 and %2 are the object's place from the card's left and top edges, %3 its number in the
            //: card's list of objects
            warnings << QCoreApplication::translate(
                            "qm::PrintShopPdf",
                            "The object at %1 mm, %2 mm (object %3) ends at the card's edge; "
                            "let it reach %4 mm over the edge so that it fills the bleed.")
                            .arg(mm(box.left()), mm(box.top()), locale.toString(index),
                                 locale.toString(page.BleedMm()));
    }
    return warnings;
}

} // namespace qm
