// SPDX-License-Identifier: GPL-3.0-or-later
// TKPLabel: the plain single-line text object of the card.
#include "objects/text/textlabel.h"

#include "model/mergerecord.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/captionruns.h"

#include <QAction>
#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {
const struct
{
    const char* caption;
    int angle;
} kRotations[] = {{QT_TRANSLATE_NOOP("qm::ObjectMenu", "No Rotation"), 0},
                  {QT_TRANSLATE_NOOP("qm::ObjectMenu", "90 Degrees"), 90},
                  {QT_TRANSLATE_NOOP("qm::ObjectMenu", "180 Degrees"), 180},
                  {QT_TRANSLATE_NOOP("qm::ObjectMenu", "270 Degrees"), 270}};
} // namespace

TKPLabel::TKPLabel() = default;

bool TKPLabel::ChooseFont()
{
    if (!TKBaseLabel::ChooseFont())
        return false;
    AutoGrow();
    return true;
}

void TKPLabel::EditText()
{
    if (TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr)
        dialogs->EditLabelText(*this);
}

void TKPLabel::AutoGrow()
{
    if (Angle() != 0)
        return;
    const QFont font = DrawingFont();
    const QFontMetrics metrics(font);
    // Measured as the screen shows it: placeholders of personal fields with the values of the moment (an
    // empty one as its sample).
    const QString caption = MergeText(Caption(), Host() ? Host()->PersonalStrings() : QStringList(), nullptr, true);
    int captionWidth = 0;
    if (CaptionRuns::Needed(caption)) {
        // A long caption is measured a run at a time.
        const double width =
            CaptionRuns(font, caption).Width() + metrics.horizontalAdvance(QStringLiteral("     "));
        captionWidth = int(std::min(std::round(width), 1e9));
    } else {
        captionWidth = metrics.horizontalAdvance(caption + QStringLiteral("     "));
    }
    const int captionHeight = metrics.ascent() + metrics.descent();
    QSize grown = GrownLabelBox(LastLayout(), QSize(Width(), Height()), captionWidth, captionHeight);
    // A label that shrinks its text to fit keeps the width it was given.
    if (ShrinkToFit())
        grown.setWidth(Width());
    if (grown != QSize(Width(), Height()))
        SetBounds(Left(), Top(), grown.width(), grown.height());
    SetLayoutNeeded(true);
    Invalidate();
}

bool TKPLabel::ShowsWhole()
{
    if (Angle() != 0)
        return true;
    LayOut();
    const QString caption = DrawnCaption();
    const int left = LastLayout().mainOrigin.x();
    const qint64 width = CaptionRuns::Needed(caption)
                             ? qint64(std::min(std::ceil(CaptionRuns(DrawingFont(), caption).Width()), 1e12))
                             : QFontMetrics(DrawingFont()).horizontalAdvance(caption);
    return left >= 0 && left + width <= Width();
}

bool TKPLabel::ShrinkFontUntilWhole(int smallest)
{
    while (!ShowsWhole()) {
        if (Font().Size() <= smallest)
            return false;
        Font().SetSize(Font().Size() - 1);
    }
    return true;
}

void TKPLabel::BuildPopupMenu(TKMenu& m)
{
    TKBaseLabel::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Text"), [this] { EditText(); })->setData(kTextItemTag);
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Shrink to Fit"), [this] {
         SetShrinkToFit(!ShrinkToFit());
     })->setChecked(ShrinkToFit());
    m.AddSeparator();
    TKMenu* rotation = m.AddSubmenu(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Rotation"));
    for (const auto& r : kRotations) {
        const int angle = r.angle;
        rotation
            ->AddCheckItem(r.caption,
                           [this, angle] {
                               const int before = Angle();
                               SetAngle(angle);
                               // A turned label is a change of the card even when its box already suited the
                               // turn.
                               if (Angle() != before)
                                   NotifyChanged();
                           })
            ->setChecked(Angle() == angle);
    }
}

void TKPLabel::UpdatePopupMenu()
{
    TKBaseLabel::UpdatePopupMenu();
    TKMenu* m = PopupMenu();
    if (!m)
        return;
    if (QAction* a = m->Find(QStringLiteral("Shrink to Fit")))
        a->setChecked(ShrinkToFit());
    for (const auto& r : kRotations) {
        if (QAction* a = m->Find(QStringLiteral("Rotation/") + QLatin1String(r.caption)))
            a->setChecked(Angle() == r.angle);
    }
}

} // namespace qm
