// SPDX-License-Identifier: GPL-3.0-or-later
// The classes a card object stream may name.
#include "model/classregistry.h"

#include "model/cardobject.h"

#include <QCoreApplication>

namespace qm {

namespace {

QString ShownKindText(const QString& english)
{
    return english.isEmpty() ? english
                             : QCoreApplication::translate("qm::ObjectKinds", english.toUtf8().constData());
}

} // namespace

QString DrawingTool::ShownCaption() const
{
    return ShownKindText(caption);
}

QString DrawingTool::ShownHint() const
{
    return ShownKindText(hint);
}

QString DrawingTool::ShownMenuCaption() const
{
    return ShownKindText(menuCaption);
}

void ClassRegistry::Register(const QByteArray& className, Factory factory, Describer describe)
{
    mEntries.push_back({className, std::move(factory), std::move(describe)});
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

ObjectDescription ClassRegistry::Describe(const TKGraphicControl& object, const QStringList& personal) const
{
    const QByteArray className = object.ClassName();
    if (const Entry* e = Find(className); e && e->describe) {
        ObjectDescription d = e->describe(object, personal);
        d.text = d.text.simplified();
        return d;
    }
    for (const DrawingTool& tool : mTools) {
        if (qstricmp(tool.className.constData(), className.constData()) == 0)
            return {tool.ShownCaption(), QString()};
    }
    return {QCoreApplication::translate("qm::ObjectKinds", "Object"), QString()};
}

std::vector<QByteArray> ClassRegistry::ClassNames() const
{
    std::vector<QByteArray> out;
    for (const Entry& e : mEntries)
        out.push_back(e.name);
    return out;
}

} // namespace qm
