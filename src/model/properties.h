// SPDX-License-Identifier: GPL-3.0-or-later
// Published properties: the typed description of every streamed field of a card object and its sub-objects.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <type_traits>
#include <vector>

namespace qm {

class Persistent;

// What a published property holds; decides how the card object stream writes and reads it.
enum class PropType {
    Integer,    // 32-bit (or 16-bit) integer
    Colour,     // TColor: written as a colour identifier when it has one
    Cursor,     // TCursor: written as a cursor identifier when it has one
    Charset,    // TFontCharset: written as a character set identifier when it has one
    Boolean,
    Enum,       // ordinal; written as its identifier
    Set,        // bit i set = ordinal i is a member
    Real,
    String,
    Object,     // an embedded sub-object whose own properties are written under "Name."
    Binary,     // binary data ("Picture.Data", "Image.Data", "RTFText.Data")
    StringList, // the "Strings" of a string list: a list of string values
    Reference,  // the name of another component
    Event       // an event handler: never written; a name read back is skipped
};

// A property value in transit between an object and the stream.
struct PropValue
{
    qint64 integer = 0; // Integer, Colour, Cursor, Boolean, Enum, Set
    double real = 0;
    QString text; // String, Reference
    QStringList lines;
    QByteArray bytes;
};

using IdentList = std::vector<QByteArray>;

struct PropInfo
{
    QByteArray name;
    PropType type = PropType::Integer;
    bool hasDefault = false;          // no default: always written
    qint64 defaultValue = 0;          // for the ordinal kinds
    bool writeEmptyString = false;    // a string whose constructor value is not empty
    const IdentList* idents = nullptr; // identifiers by ordinal for Enum and Set
    std::function<PropValue(const Persistent&)> get;
    // Returns false when the value cannot be taken (malformed binary data and the like).
    std::function<bool(Persistent&, const PropValue&)> set;
    std::function<Persistent*(Persistent&)> object; // Object properties: the embedded sub-object
    std::function<bool(const Persistent&)> stored;             // optional: false skips writing
};

// The ordered list of a class's published properties (the order in which they are written).
class PropTable
{
public:
    PropTable() = default;
    PropTable(std::initializer_list<const PropTable*> bases, std::vector<PropInfo> own);

    const std::vector<PropInfo>& Items() const { return mItems; }
    // Case-insensitive lookup by simple name; nullptr when absent.
    const PropInfo* Find(const QByteArray& name) const;

private:
    std::vector<PropInfo> mItems;
};

// Anything with published properties: card objects and their sub-objects (font, pen, brush, pictures).
class Persistent
{
public:
    virtual ~Persistent() = default;
    virtual const PropTable& Properties() const = 0;
};

// Builders that bind a property to a getter and a setter of class C.
namespace prop {

template <class C, class G, class S>
PropInfo Bind(const char* name, PropType type, G (C::*getter)() const, void (C::*setter)(S))
{
    using V = std::decay_t<G>;
    PropInfo p;
    p.name = name;
    p.type = type;
    p.get = [getter](const Persistent& o) {
        PropValue v;
        const V value = (static_cast<const C&>(o).*getter)();
        if constexpr (std::is_same_v<V, QString>)
            v.text = value;
        else if constexpr (std::is_same_v<V, QStringList>)
            v.lines = value;
        else if constexpr (std::is_same_v<V, QByteArray>)
            v.bytes = value;
        else if constexpr (std::is_floating_point_v<V>)
            v.real = value;
        else
            v.integer = static_cast<qint64>(value);
        return v;
    };
    p.set = [setter](Persistent& o, const PropValue& v) {
        using A = std::decay_t<S>;
        if constexpr (std::is_same_v<A, QString>)
            (static_cast<C&>(o).*setter)(v.text);
        else if constexpr (std::is_same_v<A, QStringList>)
            (static_cast<C&>(o).*setter)(v.lines);
        else if constexpr (std::is_same_v<A, QByteArray>)
            (static_cast<C&>(o).*setter)(v.bytes);
        else if constexpr (std::is_floating_point_v<A>)
            (static_cast<C&>(o).*setter)(static_cast<A>(v.real));
        else
            (static_cast<C&>(o).*setter)(static_cast<A>(v.integer));
        return true;
    };
    return p;
}

// A 32-bit integer (also colours and cursors through Colour / Cursor).
template <class C, class G, class S>
PropInfo Int(const char* name, G (C::*getter)() const, void (C::*setter)(S))
{
    return Bind(name, PropType::Integer, getter, setter);
}
template <class C, class G, class S>
PropInfo Int(const char* name, G (C::*getter)() const, void (C::*setter)(S), qint64 def)
{
    PropInfo p = Bind(name, PropType::Integer, getter, setter);
    p.hasDefault = true;
    p.defaultValue = def;
    return p;
}
template <class C, class G, class S>
PropInfo Colour(const char* name, G (C::*getter)() const, void (C::*setter)(S))
{
    return Bind(name, PropType::Colour, getter, setter);
}
template <class C, class G, class S>
PropInfo Colour(const char* name, G (C::*getter)() const, void (C::*setter)(S), qint64 def)
{
    PropInfo p = Bind(name, PropType::Colour, getter, setter);
    p.hasDefault = true;
    p.defaultValue = def;
    return p;
}
template <class C, class G, class S>
PropInfo Bool(const char* name, G (C::*getter)() const, void (C::*setter)(S))
{
    return Bind(name, PropType::Boolean, getter, setter);
}
template <class C, class G, class S>
PropInfo Bool(const char* name, G (C::*getter)() const, void (C::*setter)(S), bool def)
{
    PropInfo p = Bind(name, PropType::Boolean, getter, setter);
    p.hasDefault = true;
    p.defaultValue = def ? 1 : 0;
    return p;
}
template <class C, class G, class S>
PropInfo Enum(const char* name, G (C::*getter)() const, void (C::*setter)(S), const IdentList& idents)
{
    PropInfo p = Bind(name, PropType::Enum, getter, setter);
    p.idents = &idents;
    return p;
}
template <class C, class G, class S>
PropInfo Enum(const char* name, G (C::*getter)() const, void (C::*setter)(S), const IdentList& idents, G def)
{
    PropInfo p = Enum(name, getter, setter, idents);
    p.hasDefault = true;
    p.defaultValue = static_cast<qint64>(def);
    return p;
}
// A string; writeEmpty: written even when empty (its constructor value is not empty).
template <class C, class S>
PropInfo String(const char* name, QString (C::*getter)() const, void (C::*setter)(S), bool writeEmpty = false)
{
    PropInfo p = Bind(name, PropType::String, getter, setter);
    p.writeEmptyString = writeEmpty;
    return p;
}
// An embedded sub-object, always visited; its own table says what is written.
template <class C, class T>
PropInfo Object(const char* name, T& (C::*accessor)())
{
    PropInfo p;
    p.name = name;
    p.type = PropType::Object;
    p.object = [accessor](Persistent& o) -> Persistent* { return &(static_cast<C&>(o).*accessor)(); };
    return p;
}
// An event handler slot: accepted when read, never written.
PropInfo Event(const char* name);

} // namespace prop
} // namespace qm
