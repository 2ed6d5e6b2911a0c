// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of card object, registered once: the class a card file stores and how to create it, and the
// drawing tools that place it on the card.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace qm {

class TKFont;
class TKGraphicControl;

// A drawing tool of the palette: the drawing mode that arms it and what it places. The caption, hint and
// menu caption are kept in English (marked in the translation context "qm::ObjectKinds", the registry is made
// before a translator may be installed); the Shown...() functions give them in the user's language.
struct DrawingTool
{
    int mode = 0;          // the design panel's drawing mode (TLPanelState)
    QByteArray className;  // the class it places
    QString caption;       // "Rectangle": names the undo step ("Draw Rectangle")
    QString buttonName;    // the palette button's object name ("DrawRectanglebutton")
    QString hint;          // the palette button's tip: a first line, then what it is for
    void (*picture)(QPainter&) = nullptr; // the button's picture, drawn 24 units square
    bool oneShot = false;  // back to the pointer once placed (the kind opens its own dialog)
    // Sets up a new object before it is placed: its figure, caption or the panel's font.
    std::function<void(TKGraphicControl& object, const TKFont& panelFont)> prepare;
    // Shapes a new object to the drag that drew it, from the press to the release point (panel pixels), and
    // gives the box it takes (raised to 10 x 15 when placed); unset, the object takes the dragged rectangle,
    // raised to 50 x 15.
    std::function<QRect(TKGraphicControl& object, QPoint from, QPoint to)> fit;
    // Runs once the object stands on the card (a first dialog).
    std::function<void(TKGraphicControl& object)> placed;
    // The size an object takes when it is placed without a drag (Insert menu, Enter on the card).
    QSize defaultSize{96, 48};
    // The Insert menu's caption, with its access key ("&Rectangle").
    QString menuCaption;

    QString ShownCaption() const;
    QString ShownHint() const;
    QString ShownMenuCaption() const;
};

// What an object is, as a screen reader says it: its kind ("Rectangle", in the user's language) and the text
// it shows, if any.
struct ObjectDescription
{
    QString kind;
    QString text;
};

class ClassRegistry
{
public:
    using Factory = std::function<std::unique_ptr<TKGraphicControl>()>;
    // The kind and shown text of an object of the class, given the personal strings placeholders show.
    using Describer = std::function<ObjectDescription(const TKGraphicControl& object, const QStringList& personal)>;

    void Register(const QByteArray& className, Factory factory, Describer describe = {});
    // A new object of the class, or nullptr when the class is not registered (names compare case-insensitively).
    std::unique_ptr<TKGraphicControl> Create(const QByteArray& className) const;
    bool Has(const QByteArray& className) const;
    std::vector<QByteArray> ClassNames() const;
    // The object's kind and text; a class without a describer is named by its tool's caption, else "Object".
    ObjectDescription Describe(const TKGraphicControl& object, const QStringList& personal = {}) const;

    void AddTool(DrawingTool tool);
    // The tool of a drawing mode; null for the pointer or a mode without a tool.
    const DrawingTool* Tool(int mode) const;
    const std::vector<DrawingTool>& Tools() const { return mTools; }

private:
    struct Entry
    {
        QByteArray name;
        Factory factory;
        Describer describe;
    };
    const Entry* Find(const QByteArray& className) const;
    std::vector<Entry> mEntries;
    std::vector<DrawingTool> mTools;
};

// The card object kinds: every class a card file may hold and every drawing tool (objects/objectkinds.cpp).
const ClassRegistry& CardClasses();

} // namespace qm
