// SPDX-License-Identifier: GPL-3.0-or-later
// Document prompts for tests of the window: every question answered No, no file chosen, and any error box a
// test failure.
#pragma once

#include "app/carddocument.h"

#include <gtest/gtest.h>

namespace qmtest {

class QuietPrompts : public qm::DocumentPrompts
{
public:
    bool Ask(const QString&, const QString&) override { return false; }
    void Inform(const QString&) override {}
    void ShowError(const QString& message) override { ADD_FAILURE() << qPrintable(message); }
    QString ChooseFile(const qm::FileRequest&) override { return QString(); }
    bool ChooseFont(qm::TKFont&) override { return false; }
};

} // namespace qmtest
