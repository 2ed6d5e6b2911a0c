// SPDX-License-Identifier: GPL-3.0-or-later
// TKGraphicControl: the common base of every card object.
#include "model/cardobject.h"

#include "model/cardrender.h"
#include "model/colors.h"
#include "model/objectmenu.h"
#include "model/cardmodel.h"
#include "model/cardobjects.h"
#include "model/objectdialogs.h"
#include "model/subobjects.h"

#include <QAction>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm {

QStringList ObjectHost::PersonalStrings() const { return {}; }

struct TKGraphicControl::Extras
{
    QString hint;
    std::unique_ptr<TKMenu> menu;
    QAction* lockedItem = nullptr; // the menu's Locked item
};

TKGraphicControl::TKGraphicControl() = default;
TKGraphicControl::~TKGraphicControl() = default;

TKGraphicControl::Extras& TKGraphicControl::MakeExtras()
{
    if (!mExtras)
        mExtras = std::make_unique<Extras>();
    return *mExtras;
}

QString TKGraphicControl::Hint() const { return mExtras ? mExtras->hint : QString(); }

void TKGraphicControl::SetHint(const QString& v)
{
    if (mExtras || !v.isEmpty())
        MakeExtras().hint = v;
}

const PropTable& TKGraphicControl::BaseProperties()
{
    static const PropTable table({}, [] {
        PropInfo cursor = prop::Int("Cursor", &TKGraphicControl::Cursor, &TKGraphicControl::SetCursor, 0);
        cursor.type = PropType::Cursor;
        return std::vector<PropInfo>{
            prop::Int("Tag", &TKGraphicControl::Tag, &TKGraphicControl::SetTag, 0),
            prop::Int("Left", &TKGraphicControl::StoredLeft, &TKGraphicControl::SetLeft),
            prop::Int("Top", &TKGraphicControl::StoredTop, &TKGraphicControl::SetTop),
            prop::Int("Width", &TKGraphicControl::StoredWidth, &TKGraphicControl::SetWidth),
            prop::Int("Height", &TKGraphicControl::StoredHeight, &TKGraphicControl::SetHeight),
            cursor,
            prop::String("Hint", &TKGraphicControl::Hint, &TKGraphicControl::SetHint),
            prop::Bool("Locked", &TKGraphicControl::Locked, &TKGraphicControl::SetLocked),
            prop::Bool("Unselectable", &TKGraphicControl::Unselectable, &TKGraphicControl::SetUnselectable),
            // The panel hooks the mouse events of every object; handler names that other writers stored are
            // accepted and skipped.
            prop::Event("OnClick"),
            prop::Event("OnDblClick"),
            prop::Event("OnMouseDown"),
            prop::Event("OnMouseMove"),
            prop::Event("OnMouseUp"),
        };
    }());
    return table;
}

const PropTable& TKGraphicControl::Properties() const { return BaseProperties(); }

void TKGraphicControl::SetBounds(int left, int top, int width, int height)
{
    if (left == mLeft && top == mTop && width == mWidth && height == mHeight)
        return;
    Invalidate();
    mLeft = left;
    mTop = top;
    mWidth = width;
    mHeight = height;
    if (!IsLoadingOrReading())
        BoundsChanged();
    Invalidate();
}

void TKGraphicControl::SetLocked(bool value)
{
    if (value == mLocked)
        return;
    mLocked = value;
    if (IsLoadingOrReading())
        return;
    if (mExtras && mExtras->lockedItem)
        mExtras->lockedItem->setChecked(value);
    NotifyChanged();
}

void TKGraphicControl::SetUnselectable(bool value)
{
    if (value == mUnselectable)
        return;
    mUnselectable = value;
    if (IsLoadingOrReading())
        return;
    NotifyChanged();
    if (value && DesignPanel())
        DesignPanel()->Deselect(this);
}

void TKGraphicControl::Loaded()
{
    mState &= ~csLoading;
    // The first bounds check after loading (the panel runs one after painting the object, once its text has
    // settled its box) only remembers the bounds.
    mLastBounds = QRect();
    // The menu is built when it is first shown: reading a card creates no menus.
    if (mExtras) {
        mExtras->menu.reset();
        mExtras->lockedItem = nullptr;
    }
    mMenuWanted = !(mState & csDesigning);
}

TKMenu* TKGraphicControl::PopupMenu()
{
    if ((!mExtras || !mExtras->menu) && mMenuWanted) {
        MakeExtras().menu = std::make_unique<TKMenu>();
        BuildPopupMenu(*mExtras->menu);
    }
    return mExtras ? mExtras->menu.get() : nullptr;
}

void TKGraphicControl::BuildPopupMenu(TKMenu& m)
{
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Bring To Front"), [this] {
        NotifyChanged();
        if (mHost && mHost->Objects())
            mHost->Objects()->BringToFront(this);
    });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Send To Back"), [this] {
        NotifyChanged();
        if (mHost && mHost->Objects())
            mHost->Objects()->SendToBack(this);
        if (mHost)
            mHost->ClearSelection();
    });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Cut"), [this] {
        if (ObjectHost* panel = DesignPanel()) {
            NotifyChanged();
            panel->ClipboardCut(this); // may delete this object: nothing may follow
        }
    });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Copy"), [this] {
        if (ObjectHost* panel = DesignPanel())
            panel->ClipboardCopy(this);
    });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Delete"), [this] {
        if (ObjectHost* panel = DesignPanel()) {
            NotifyChanged();
            panel->ClipboardDelete(this);
        }
    });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Clone"), [this] { Clone(); });
    m.AddSeparator();
    QAction* locked = m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Locked"), [this] {
        SetLocked(!mLocked);
        mExtras->lockedItem->setChecked(mLocked);
        NotifyChanged();
    });
    MakeExtras().lockedItem = locked;
    locked->setChecked(mLocked);
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Unselectable"), [this] { SetUnselectable(true); });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Center Vertically"), [this] { CenterVertically(); });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Center Horizontally"), [this] { CenterHorizontally(); });
    m.OnPopup = [this] {
        mExtras->lockedItem->setChecked(mLocked);
        UpdatePopupMenu();
    };
}

void TKGraphicControl::Paint(QPainter& painter)
{
    PrepareLayout();
    Draw(painter, RenderContext());
}

void TKGraphicControl::PaintTo(QPainter& painter, int x, int y)
{
    painter.save();
    painter.translate(x, y);
    Paint(painter);
    painter.restore();
}

void TKGraphicControl::PaintSelectionMarkers(QPainter& p, bool single, TColor color, double zoom) const
{
    const QColor c = ToQColor(color);
    auto view = [zoom](int v) { return int(std::lround(v * zoom)); };
    const int l = view(Left()) - 2, t = view(Top()) - 2, r = view(Left() + Width()) + 2,
              b = view(Top() + Height()) + 2;
    // Right and bottom edges exclusive.
    auto square = [&](int x1, int y1, int x2, int y2) { p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), c); };
    square(l, t, l + 5, t + 5);
    square(r - 5, t, r, t + 5);
    square(r - 5, b - 5, r, b);
    square(l, b - 5, l + 5, b);
    if (!single)
        return;
    const int halfW = int((r - l) * 0.5), halfH = int((b - t) * 0.5);
    square(l + halfW - 2, t, l + halfW + 3, t + 5);
    square(l + halfW - 2, b - 5, l + halfW + 3, b);
    square(l, t + halfH - 2, l + 5, t + halfH + 3);
    square(r - 5, t + halfH - 2, r, t + halfH + 3);
}

TKGraphicControl* TKGraphicControl::Clone()
{
    ObjectHost* host = mHost;
    TKCardObjects* objects = host ? host->Objects() : nullptr;
    if (!objects)
        return nullptr;
    TKGraphicControl* copy = host->Duplicate(*this);
    if (!copy)
        return nullptr;
    host->ProcessEvents();
    copy->SetTop(Top() + 25);
    objects->BringToFront(copy);
    if (ObjectHost* panel = DesignPanel()) {
        if (panel->IsSelected(this)) {
            panel->Deselect(this);
            panel->Select(copy);
        }
        panel->HookObjects();
    }
    NotifyChanged();
    return copy;
}

void TKGraphicControl::BoundsChanged() { CheckBounds(); }

void TKGraphicControl::CheckBounds()
{
    if (mInBoundsCheck)
        return;
    mInBoundsCheck = true;
    const QRect bounds = BoundsRect();
    if (mLastBounds.isNull() || mLastBounds.isEmpty()) {
        mLastBounds = bounds;
    } else if (bounds != mLastBounds) {
        NotifyChanged();
        mLastBounds = bounds;
        if (DesignPanel())
            DesignPanel()->PostFrameRecompute();
    }
    mInBoundsCheck = false;
}

void TKGraphicControl::NotifyChanged()
{
    if (IsLoadingOrReading())
        return;
    if (mCard)
        mCard->NotifyChanged();
}

void TKGraphicControl::Invalidate()
{
    if (mHost)
        mHost->InvalidateObject(this);
}

void TKGraphicControl::CenterVertically()
{
    ObjectHost* panel = DesignPanel();
    if (!panel)
        return;
    SetTop(panel->PanelHeight() / 2 - Height() / 2);
    NotifyChanged();
}

void TKGraphicControl::CenterHorizontally()
{
    ObjectHost* panel = DesignPanel();
    if (!panel)
        return;
    SetLeft(panel->PanelWidth() / 2 - Width() / 2);
    NotifyChanged();
}

QString TKGraphicControl::TrimLeftBlanks(const QString& s)
{
    int i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

QString TKGraphicControl::TrimRightBlanks(const QString& s)
{
    int n = int(s.size());
    while (n > 0 && s[n - 1] == QLatin1Char(' '))
        --n;
    return s.left(n);
}

QString TKGraphicControl::TrimBlanks(const QString& s) { return TrimRightBlanks(TrimLeftBlanks(s)); }

bool TKGraphicControl::ChooseFontThroughHost(TKFont& font) const
{
    TKDialogs* dialogs = mHost ? mHost->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    TKFont chosen;
    chosen.Assign(font);
    if (!dialogs->ChooseFont(chosen))
        return false;
    font.Assign(chosen);
    return true;
}

} // namespace qm
