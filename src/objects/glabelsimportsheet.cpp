// SPDX-License-Identifier: GPL-3.0-or-later
// A gLabels design's stock as the card's layout, and the import report as the user reads it.
#include "objects/glabelsimport.h"

#include "glabels/glabelsdocument.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace qm {

namespace {

constexpr double kPointsPerInch = 72.0;

QString Pt(double points)
{
    return QLocale().toString(points, 'g', 4);
}

// The built-in layout of the same maker and part ("Avery Business Card 5371 ..." for Avery 5371): its index,
// or -1. *differs is set when there is one whose sheet is not the layout's.
int BuiltInLayoutOf(const StockEntry& stock, const CardSheetLayout& layout, bool* differs)
{
    *differs = false;
    for (int i = 0; i < kPredefinedLayoutCount; ++i) {
        const PredefinedLayout& p = kPredefinedLayouts[i];
        const QString caption = QString::fromLatin1(p.Caption);
        const QStringList words = caption.split(QLatin1Char(' '));
        if (!caption.startsWith(stock.Brand + QLatin1Char(' '), Qt::CaseInsensitive) ||
            !words.contains(stock.Part, Qt::CaseInsensitive))
            continue;
        auto near = [](float a, float b) { return std::abs(a - b) < 0.006f; };
        if (near(p.Width, layout.Width) && near(p.Height, layout.Height) && p.Across == layout.Across &&
            p.Down == layout.Down && near(p.TopMargin, layout.TopMargin) && near(p.LeftMargin, layout.LeftMargin) &&
            near(p.HPitch, layout.HPitch) && near(p.VPitch, layout.VPitch) && p.Papersize == layout.Papersize)
            return i;
        *differs = true;
    }
    return -1;
}

} // namespace

void ApplyGlabelsSheet(const GlabelsDocument& doc, GlabelsImport& out)
{
    if (doc.sheet.kind != StockTemplate::Kind::Entry) {
        if (doc.sheet.kind == StockTemplate::Kind::NotRectangular)
            out.report.leftOut << QCoreApplication::translate(
                "qm::GlabelsImport", "the stock: its labels are not rectangular; the card keeps its size");
        else if (doc.sheet.error.isEmpty())
            out.report.leftOut << QCoreApplication::translate(
                "qm::GlabelsImport", "the stock: the document describes none we can read");
        else
            out.report.leftOut << QCoreApplication::translate(
                                      "qm::GlabelsImport",
                                      "the stock: the document describes none we can read (%1)")
                                      .arg(doc.sheet.error);
        return;
    }
    const StockEntry& stock = doc.sheet.entry;
    out.stockName = stock.Name();
    CardSheetLayout layout = out.layout;
    const QString why = StockToLayout(stock, out.layout, &layout);
    if (why.isEmpty()) {
        // A stock of our own list keeps its name there.
        bool differs = false;
        const int builtIn = BuiltInLayoutOf(stock, layout, &differs);
        if (builtIn >= 0)
            layout.PredefLayout = builtIn;
        out.layout = layout;
        out.stockApplied = true;
        if (differs && builtIn < 0)
            out.report.approximate << QCoreApplication::translate(
                                          "qm::GlabelsImport",
                                          "the stock %1: as the design has it, which differs "
                                          "from our own layout of that name")
                                          .arg(stock.Name());
        else
            out.report.exact
                << QCoreApplication::translate("qm::GlabelsImport", "the stock %1").arg(stock.Name());
    } else {
        // The card keeps the stock's size; the sheet stays the one the card had.
        out.layout.Width = float(stock.Width / kPointsPerInch);
        out.layout.Height = float(stock.Height / kPointsPerInch);
        out.report.approximate << QCoreApplication::translate("qm::GlabelsImport",
                                                              "the stock %1: its card size only (%2)")
                                      .arg(stock.Name(), why);
    }
    if (stock.Round > 0)
        out.report.approximate << QCoreApplication::translate(
                                      "qm::GlabelsImport",
                                      "the stock's %1 pt round corners: card outlines are "
                                      "drawn square")
                                      .arg(Pt(stock.Round));
}


QString ImportReport::Text() const
{
    QString text;
    auto group = [&](const QString& heading, const QStringList& lines) {
        if (lines.isEmpty())
            return;
        text += heading + QLatin1Char('\n');
        for (const QString& line : lines)
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
    };
    group(QCoreApplication::translate("qm::GlabelsImport", "Came over exactly:"), exact);
    group(QCoreApplication::translate("qm::GlabelsImport", "Came over approximately:"), approximate);
    group(QCoreApplication::translate("qm::GlabelsImport", "Left out:"), leftOut);
    return text;
}

} // namespace qm
