// SPDX-License-Identifier: GPL-3.0-or-later
// SheetPicture: the paper and its card positions, drawn as the position picker places them; the printer group.
#include "print/sheetpicture_ui.h"

#include "print/positionpicker.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

SheetPicture::SheetPicture(const TSheetSelection& sheet, QWidget* parent) : QWidget(parent), mSheet(sheet)
{
    const QRect paper = sheet.PaperRect();
    setMinimumSize(paper.right() + TSheetSelection::kPictureOffset + 2,
                   paper.bottom() + TSheetSelection::kPictureOffset + 2);
    setCursor(Qt::PointingHandCursor);
}

void SheetPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 0));
    // Rectangles cover their left and top edges up to one short of the right and bottom ones.
    auto box = [&p](const QRect& r, const QColor& fill) {
        p.setBrush(fill);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    box(mSheet.PaperRect(), Qt::white);
    for (int i = 0; i < mSheet.PositionCount(); ++i)
        box(mSheet.PositionRect(i), Fill ? Fill(i) : QColor(Qt::white));
}

void SheetPicture::mousePressEvent(QMouseEvent* event)
{
    if (Clicked)
        Clicked(event->position().toPoint());
}

PrinterBox MakePrinterBox(QWidget* parent, QLabel*& name, const std::function<void()>& setup)
{
    auto* box = new QGroupBox(QStringLiteral("Printer"), parent);
    name = new QLabel(box);
    name->setObjectName(QStringLiteral("PrinterLabel"));
    name->setWordWrap(true);
    auto* button = new QPushButton(QStringLiteral("Print &Setup"), box);
    button->setObjectName(QStringLiteral("PrintSetupButton"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, box, setup);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(name);
    layout->addWidget(button);
    return {box, button};
}

} // namespace qm
