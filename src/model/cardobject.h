// SPDX-License-Identifier: GPL-3.0-or-later
// TKGraphicControl: the common base of every object that stands on a card, and the interface to its panel.
#pragma once

#include "model/properties.h"
#include "model/cardtypes.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QPainter;

namespace qm {

class CardModel;
class TKCardObjects;
class TKDialogs;
class TKFont;
class TKGraphicControl;
class TKMenu;
struct RenderContext;

// GridValues: a grid step of the selection frame, 1..32.
using GridValues = int;

// What a card object needs of the design panel it stands on. A card object without a host (or whose host is
// not a design panel) skips every panel-related step.
class ObjectHost
{
public:
    virtual ~ObjectHost() = default;
    virtual bool IsDesignPanel() const { return true; }
    virtual int PanelWidth() const = 0;
    virtual int PanelHeight() const = 0;
    virtual void InvalidateObject(TKGraphicControl* /*object*/) {}
    // Recompute the selection frame around the selection once the current event has been handled.
    virtual void PostFrameRecompute() {}
    virtual bool IsSelected(const TKGraphicControl* /*object*/) const { return false; }
    virtual void Deselect(TKGraphicControl* /*object*/) {}

    // What the objects' own right-click commands ask of the panel.
    virtual TKCardObjects* Objects() { return nullptr; }
    virtual TKDialogs* Dialogs() { return nullptr; }
    virtual void Select(TKGraphicControl* /*object*/) {}
    virtual void ClearSelection() {}
    virtual void ClipboardCut(TKGraphicControl* /*object*/) {}
    virtual void ClipboardCopy(TKGraphicControl* /*object*/) {}
    virtual void ClipboardDelete(TKGraphicControl* /*object*/) {}
    // Rewires the objects' mouse events to the panel.
    virtual void HookObjects() {}
    // A copy of the object on top of the host's objects (written and read back through the card object
    // stream); null when the host keeps no objects or the copy failed.
    virtual TKGraphicControl* Duplicate(const TKGraphicControl& /*object*/) { return nullptr; }
    // Lets pending events run (repaints, Cancel buttons) in the middle of a command.
    virtual void ProcessEvents() {}
    // The user's ten personal-information strings (name, company, title, three address lines, two phones,
    // e-mail, fax); empty when the panel has none.
    virtual QStringList PersonalStrings() const;
};

// A double-click action. Nearly every object has none, so an empty one costs a pointer; it is set, tested and
// run as a std::function is.
class EditAction
{
public:
    EditAction& operator=(std::function<void()> action)
    {
        mAction = action ? std::make_unique<std::function<void()>>(std::move(action)) : nullptr;
        return *this;
    }
    explicit operator bool() const { return mAction != nullptr; }
    void operator()() const { (*mAction)(); }

private:
    std::unique_ptr<std::function<void()>> mAction;
};

// Component state flags.
enum TComponentStateFlag { csLoading = 1, csReading = 2, csDesigning = 4 };

class TKGraphicControl : public Persistent
{
public:
    TKGraphicControl();
    ~TKGraphicControl() override;
    TKGraphicControl(const TKGraphicControl&) = delete;
    TKGraphicControl& operator=(const TKGraphicControl&) = delete;

    // The registered class name written into card files ("TKLineShape").
    virtual const char* ClassName() const = 0;
    const PropTable& Properties() const override;
    static const PropTable& BaseProperties();

    QString Name() const { return mName; }
    void SetName(const QString& name) { mName = name; }

    int Tag() const { return mTag; }
    void SetTag(int v) { mTag = v; }
    // Positions and sizes far off any card, beyond +-kMaxCoordinate (only damaged files hold them), read back
    // as that limit, so that sums and products of them stay well inside int. The values as set are kept and
    // written to files unchanged.
    static constexpr int kMaxCoordinate = 1 << 16;
    int Left() const { return Clamped(mLeft); }
    int Top() const { return Clamped(mTop); }
    int Width() const { return Clamped(mWidth); }
    int Height() const { return Clamped(mHeight); }
    QRect BoundsRect() const { return QRect(Left(), Top(), Width(), Height()); }
    void SetLeft(int v) { SetBounds(v, mTop, mWidth, mHeight); }
    void SetTop(int v) { SetBounds(mLeft, v, mWidth, mHeight); }
    void SetWidth(int v) { SetBounds(mLeft, mTop, v, mHeight); }
    void SetHeight(int v) { SetBounds(mLeft, mTop, mWidth, v); }
    // Moves and resizes; runs BoundsChanged unless the object is loading or being read.
    void SetBounds(int left, int top, int width, int height);
    TCursor Cursor() const { return mCursor; }
    void SetCursor(int v) { mCursor = TCursor(v); }
    QString Hint() const;
    void SetHint(const QString& v);
    bool Locked() const { return mLocked; }
    void SetLocked(bool value);
    bool Unselectable() const { return mUnselectable; }
    void SetUnselectable(bool value);

    // Component state (csLoading, csReading, csDesigning).
    int ComponentState() const { return mState; }
    void SetComponentState(int flags) { mState = quint8(flags); }
    bool IsLoadingOrReading() const { return mState & (csLoading | csReading); }

    // The design panel (or other parent) the object stands on.
    ObjectHost* Host() const { return mHost; }
    void SetHost(ObjectHost* host) { mHost = host; }
    ObjectHost* DesignPanel() const { return mHost && mHost->IsDesignPanel() ? mHost : nullptr; }
    // The card the object belongs to, which hears of each change the user makes to it; null while the
    // object stands on no card.
    CardModel* Card() const { return mCard; }
    void SetCard(CardModel* card) { mCard = card; }
    // The host's font dialog starting from font; true with font changed when confirmed, false when cancelled
    // or when the host shows no dialogs.
    bool ChooseFontThroughHost(TKFont& font) const;

    // Called once the whole object list has been read, and by the panel after creating an object.
    virtual void Loaded();
    // Runs when the bounds changed; the base runs the bounds check.
    virtual void BoundsChanged();
    // The bounds check: reports a move or resize to the panel once per change.
    void CheckBounds();
    // Text classes take face, size, style and colour from the given font.
    virtual void ApplyFont(const TKFont& /*font*/) {}
    // The typeface the user picked for the whole card ("Change all fonts", a template's font); only the
    // personal-information labels and multi-line texts take it.
    virtual void SetCardFace(const QString& /*face*/) {}
    virtual void PrepareForSave() {}
    // Settles a box that follows the object's content (a label's text) before it is painted, printed,
    // saved or kept for undo.
    virtual void PrepareLayout() {}
    // Refreshes check marks and enabled states of the items the class added to its menu.
    virtual void UpdatePopupMenu() {}

    // The one way an object draws, on screen, in pictures and on paper: its box's top-left corner at the
    // painter's origin, in card units (96 a inch). The context says where it goes (on paper
    // outlines run along the box, on screen they follow pixel placement). The card routine clips to the box
    // on screen and in pictures. The box must have been laid out (PrepareLayout).
    virtual void Draw(QPainter& /*painter*/, const RenderContext& /*context*/) const {}
    // Lays out and draws for the screen with the top-left at the painter's origin.
    void Paint(QPainter& painter);
    // The same with the top-left at (x, y) of that painter.
    void PaintTo(QPainter& painter, int x, int y);
    // The selection markers around the object's box shown at zoom: the painter draws in screen pixels, the
    // markers keep their size in screen pixels whatever the zoom.
    void PaintSelectionMarkers(QPainter& viewPainter, bool singleSelection, TColor color, double zoom = 1.0) const;

    // The right-click menu, built on first use once the object is loaded; null before.
    TKMenu* PopupMenu();
    // Fills the right-click menu: the base items; classes append their own after calling this.
    virtual void BuildPopupMenu(TKMenu& menu);
    // When set, a double-click runs it instead of showing the menu.
    EditAction OnEdit;

    // Copies the object onto the panel 25 pixels lower; the copy takes its place in the selection.
    TKGraphicControl* Clone();

    // Tells the design panel that the card was modified.
    void NotifyChanged();
    void Invalidate();

    void CenterVertically();
    void CenterHorizontally();

    // Blank-trimming helpers of the text classes (blank means the space character only).
    static QString TrimLeftBlanks(const QString& s);
    static QString TrimRightBlanks(const QString& s);
    static QString TrimBlanks(const QString& s);

private:
    // What few objects use (a hint, the right-click menu once shown), made on first use: a card of a million
    // objects holds a pointer each for them.
    struct Extras;
    Extras& MakeExtras();

    // Members ordered to leave no holes: a big card holds very many objects.
    QString mName;
    ObjectHost* mHost = nullptr;
    CardModel* mCard = nullptr;
    std::unique_ptr<Extras> mExtras;
    int mTag = 0;
    static int Clamped(int v)
    {
        return v < -kMaxCoordinate ? -kMaxCoordinate : v > kMaxCoordinate ? kMaxCoordinate : v;
    }
    // As set and as stored in files.
    int StoredLeft() const { return mLeft; }
    int StoredTop() const { return mTop; }
    int StoredWidth() const { return mWidth; }
    int StoredHeight() const { return mHeight; }
    int mLeft = 0;
    int mTop = 0;
    int mWidth = 0;
    int mHeight = 0;
    QRect mLastBounds; // null until the first bounds check
    TCursor mCursor = 0;
    quint8 mState = 0;
    bool mLocked = false;
    bool mUnselectable = false;
    bool mInBoundsCheck = false;
    bool mMenuWanted = false;
};

} // namespace qm
