// TSheetPicture: the paper and its card positions, drawn as the position picker places them.
#include "print/sheetpicture_ui.h"

#include "print/positionpicker.h"

#include <QMouseEvent>
#include <QPainter>

namespace qm {

TSheetPicture::TSheetPicture(const TSheetSelection& sheet, QWidget* parent) : QWidget(parent), mSheet(sheet)
{
    const QRect paper = sheet.PaperRect();
    setMinimumSize(paper.right() + TSheetSelection::kPictureOffset + 2,
                   paper.bottom() + TSheetSelection::kPictureOffset + 2);
    setCursor(Qt::PointingHandCursor);
}

void TSheetPicture::paintEvent(QPaintEvent*)
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

void TSheetPicture::mousePressEvent(QMouseEvent* event)
{
    if (Clicked)
        Clicked(event->position().toPoint());
}

} // namespace qm
