// SPDX-License-Identifier: GPL-3.0-or-later
// The classes a card object stream may name.
#include "model/classregistry.h"

#include "model/cardobject.h"

namespace qm {

void ClassRegistry::Register(const QByteArray& className, Factory factory)
{
    mEntries.push_back({className, std::move(factory)});
}

const ClassRegistry::Entry* ClassRegistry::Find(const QByteArray& className) const
{
    for (const Entry& e : mEntries) {
        if (e.name.size() == className.size() && qstricmp(e.name.constData(), className.constData()) == 0)
            return &e;
    }
    return nullptr;
}

std::unique_ptr<TKGraphicControl> ClassRegistry::Create(const QByteArray& className) const
{
    const Entry* e = Find(className);
    return e ? e->factory() : nullptr;
}

bool ClassRegistry::Has(const QByteArray& className) const { return Find(className) != nullptr; }

void ClassRegistry::AddTool(DrawingTool tool)
{
    mTools.push_back(std::move(tool));
}

const DrawingTool* ClassRegistry::Tool(int mode) const
{
    for (const DrawingTool& tool : mTools) {
        if (tool.mode == mode)
            return &tool;
    }
    return nullptr;
}

std::vector<QByteArray> ClassRegistry::ClassNames() const
{
    std::vector<QByteArray> out;
    for (const Entry& e : mEntries)
        out.push_back(e.name);
    return out;
}

} // namespace qm
