// SPDX-License-Identifier: GPL-3.0-or-later
// SheetPicture: the paper and its card positions, drawn as the position picker places them, with a keyboard
// cursor and an accessible check box per position; the printer group.
#include "print/sheetpicture_ui.h"

#include "print/positionpicker.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace qm {

namespace {

// One position of the sheet, as a check box "Row 2, column 1".
class PositionAccessible : public QAccessibleInterface
{
public:
    PositionAccessible(QAccessibleInterface* parent, SheetPicture* picture, int index)
        : mParent(parent), mPicture(picture), mIndex(index)
    {
    }
    bool isValid() const override { return mPicture && mIndex < mPicture->Sheet().PositionCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return mParent->window(); }
    QAccessibleInterface* parent() const override { return mParent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? mPicture->Sheet().PositionName(mIndex) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = mPicture->Sheet().PositionRect(mIndex);
        return QRect(mPicture->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.checkable = true;
        s.focusable = true;
        s.checked = mPicture->Checked && mPicture->Checked(mIndex);
        s.focused = mPicture->hasFocus() && mPicture->Cursor() == mIndex;
        return s;
    }

private:
    QAccessibleInterface* mParent;
    QPointer<SheetPicture> mPicture;
    int mIndex;
};

class SheetAccessible : public QAccessibleWidget
{
public:
    explicit SheetAccessible(SheetPicture* picture) : QAccessibleWidget(picture, QAccessible::Client) {}
    ~SheetAccessible() override
    {
        for (QAccessible::Id id : mChildren) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }
    SheetPicture* Picture() const { return static_cast<SheetPicture*>(widget()); }
    int childCount() const override { return Picture()->Sheet().PositionCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto& children = const_cast<std::vector<QAccessible::Id>&>(mChildren);
        if (int(children.size()) <= index)
            children.resize(size_t(index) + 1, 0);
        if (!children[size_t(index)])
            children[size_t(index)] = QAccessible::registerAccessibleInterface(
                new PositionAccessible(const_cast<SheetAccessible*>(this), Picture(), index));
        return QAccessible::accessibleInterface(children[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < mChildren.size(); ++i) {
            if (mChildren[i] && QAccessible::accessibleInterface(mChildren[i]) == child)
                return int(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(Picture()->Sheet().PositionAt(Picture()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override
    {
        return Picture()->hasFocus() ? child(Picture()->Cursor()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QCoreApplication::translate("qm::SheetPicture", "Sheet positions");
        return QAccessibleWidget::text(t);
    }

private:
    std::vector<QAccessible::Id> mChildren;
};

QAccessibleInterface* SheetFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("qm::SheetPicture") && object && object->isWidgetType())
        return new SheetAccessible(static_cast<SheetPicture*>(object));
    return nullptr;
}

const bool gSheetAccessibility = (QAccessible::installFactory(SheetFactory), true);

} // namespace

SheetPicture::SheetPicture(const TSheetSelection& sheet, QWidget* parent) : QWidget(parent), mSheet(sheet)
{
    const QRect paper = sheet.PaperRect();
    setMinimumSize(paper.right() + TSheetSelection::kPictureOffset + 2,
                   paper.bottom() + TSheetSelection::kPictureOffset + 2);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Sheet positions"));
    setAccessibleDescription(tr("Arrow keys move between the positions, Space ticks or clears one."));
}

void SheetPicture::SetCursor(int position)
{
    if (position < 0 || position >= mSheet.PositionCount() || position == mCursor)
        return;
    if (mCursor >= 0)
        update(mSheet.PositionRect(mCursor).adjusted(-3, -3, 3, 3));
    mCursor = position;
    update(mSheet.PositionRect(mCursor).adjusted(-3, -3, 3, 3));
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(mCursor);
        QAccessible::updateAccessibility(&focus);
    }
}

void SheetPicture::PositionChanged(int position)
{
    update(mSheet.PositionRect(position).adjusted(-3, -3, 3, 3));
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    event.setChild(position);
    QAccessible::updateAccessibility(&event);
}

void SheetPicture::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    int dx = 0, dy = 0;
    if (key == Qt::Key_Left)
        dx = -1;
    else if (key == Qt::Key_Right)
        dx = 1;
    else if (key == Qt::Key_Up)
        dy = -1;
    else if (key == Qt::Key_Down)
        dy = 1;
    if (dx || dy) {
        SetCursor(mSheet.Step(mCursor, dx, dy));
    } else if (key == Qt::Key_Space && mCursor >= 0) {
        if (Activated)
            Activated(mCursor);
        PositionChanged(mCursor);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SheetPicture::focusInEvent(QFocusEvent* event)
{
    if (mCursor < 0)
        SetCursor(0);
    update();
    QWidget::focusInEvent(event);
}

void SheetPicture::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
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
    // The keyboard's position: a bold frame in the highlight colour around it.
    if (hasFocus() && mCursor >= 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        p.drawRect(QRectF(mSheet.PositionRect(mCursor)).adjusted(-1.5, -1.5, 0.5, 0.5));
    }
}

void SheetPicture::mousePressEvent(QMouseEvent* event)
{
    const int index = mSheet.PositionAt(event->position().toPoint());
    if (index >= 0)
        SetCursor(index);
    if (Clicked)
        Clicked(event->position().toPoint());
    if (index >= 0)
        PositionChanged(index);
}

PrinterBox MakePrinterBox(QWidget* parent, QLabel*& name, const std::function<void()>& setup)
{
    auto* box = new QGroupBox(QCoreApplication::translate("qm::SheetPicture", "Printer"), parent);
    name = new QLabel(box);
    name->setObjectName(QStringLiteral("PrinterLabel"));
    name->setWordWrap(true);
    auto* button = new QPushButton(QCoreApplication::translate("qm::SheetPicture", "Print &Setup"), box);
    button->setObjectName(QStringLiteral("PrintSetupButton"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, box, setup);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(name);
    layout->addWidget(button);
    return {box, button};
}

} // namespace qm
