// TKGraphicControl: the common base of every card object.
#include "design/kgraphc.h"

#include <cmath>

namespace qm {

TKGraphicControl::TKGraphicControl() = default;
TKGraphicControl::~TKGraphicControl() = default;

const PropTable& TKGraphicControl::BaseProperties()
{
    static const PropTable table({}, [] {
        PropInfo cursor = prop::Int("Cursor", &TKGraphicControl::Cursor, &TKGraphicControl::SetCursor, 0);
        cursor.type = PropType::Cursor;
        return std::vector<PropInfo>{
            prop::Int("Tag", &TKGraphicControl::Tag, &TKGraphicControl::SetTag, 0),
            prop::Int("Left", &TKGraphicControl::Left, &TKGraphicControl::SetLeft),
            prop::Int("Top", &TKGraphicControl::Top, &TKGraphicControl::SetTop),
            prop::Int("Width", &TKGraphicControl::Width, &TKGraphicControl::SetWidth),
            prop::Int("Height", &TKGraphicControl::Height, &TKGraphicControl::SetHeight),
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
    const QRect bounds(left, top, width, height);
    if (bounds == mBounds)
        return;
    Invalidate();
    mBounds = bounds;
    if (!IsLoadingOrReading())
        BoundsChanged();
    Invalidate();
}

void TKGraphicControl::SetLocked(bool value)
{
    if (value == mLocked)
        return;
    mLocked = value;
    if (!IsLoadingOrReading())
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

void TKGraphicControl::SetScale(float factor)
{
    if (factor == mScale || factor <= 0 || mScale <= 0)
        return;
    const double f = double(factor) / double(mScale);
    // std::nearbyint rounds to nearest with ties to even under the default rounding mode.
    auto scaled = [f](int v) { return int(std::nearbyint(v * f)); };
    SetBounds(scaled(Left()), scaled(Top()), scaled(Width()), scaled(Height()));
    mScale = factor;
    BoundsChanged();
}

void TKGraphicControl::Loaded() { mState &= ~csLoading; }

void TKGraphicControl::BoundsChanged()
{
    if (mInBoundsCheck)
        return;
    mInBoundsCheck = true;
    if (mLastBounds.isNull() || mLastBounds.isEmpty()) {
        mLastBounds = mBounds;
    } else if (mBounds != mLastBounds) {
        NotifyChanged();
        mLastBounds = mBounds;
        if (DesignPanel())
            DesignPanel()->PostFrameRecompute();
    }
    mInBoundsCheck = false;
}

void TKGraphicControl::NotifyChanged()
{
    if (IsLoadingOrReading())
        return;
    if (TKObjectHost* panel = DesignPanel(); panel && !panel->IsPrinting())
        panel->LabelChanged(this);
}

void TKGraphicControl::Invalidate()
{
    if (mHost)
        mHost->InvalidateObject(this);
}

void TKGraphicControl::CenterVertically()
{
    TKObjectHost* panel = DesignPanel();
    if (!panel)
        return;
    SetTop(panel->PanelHeight() / 2 - Height() / 2);
    NotifyChanged();
}

void TKGraphicControl::CenterHorizontally()
{
    TKObjectHost* panel = DesignPanel();
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

} // namespace qm
