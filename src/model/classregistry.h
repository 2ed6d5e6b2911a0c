// The classes a card object stream may name, and how to create each.
#pragma once

#include <QByteArray>

#include <functional>
#include <memory>
#include <vector>

namespace qm {

class TKGraphicControl;

class ClassRegistry
{
public:
    using Factory = std::function<std::unique_ptr<TKGraphicControl>()>;

    void Register(const QByteArray& className, Factory factory);
    // A new object of the class, or nullptr when the class is not registered (names compare case-insensitively).
    std::unique_ptr<TKGraphicControl> Create(const QByteArray& className) const;
    bool Has(const QByteArray& className) const;
    std::vector<QByteArray> ClassNames() const;

private:
    struct Entry
    {
        QByteArray name;
        Factory factory;
    };
    const Entry* Find(const QByteArray& className) const;
    std::vector<Entry> mEntries;
};

// The card object classes: every class a card file may hold.
const ClassRegistry& CardClasses();

} // namespace qm
