// SPDX-License-Identifier: GPL-3.0-or-later
// The one handler that opens help pages.
#include "platform/helphook.h"

#include <utility>

namespace qm {

namespace {

std::function<void(int)>& Handler()
{
    static std::function<void(int)> handler;
    return handler;
}

} // namespace

void SetHelpHandler(std::function<void(int context)> handler)
{
    Handler() = std::move(handler);
}

bool OpenHelpContext(int context)
{
    if (!Handler())
        return false;
    Handler()(context);
    return true;
}

} // namespace qm
