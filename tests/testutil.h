// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the tests: hex dumps and byte arrays from hex text.
#pragma once
#include <QByteArray>
#include <QString>

#include <vector>

namespace qmtest {
// A file of the source tree, by its path from the tree's top ("tests/data/merge/people.csv").
QString SourceFile(const QString& relative);
// The bytes of a file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);
// "01 54 50" -> bytes; whitespace ignored.
QByteArray fromHex(const char* hex);
// bytes -> "01 54 50 ..." for readable failure messages.
QString toHex(const QByteArray& bytes);

// Sets an environment variable (or, given null, unsets it) for the length of a test.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value)
        : mName(name), mOld(qgetenv(name)), mHad(qEnvironmentVariableIsSet(name))
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ScopedEnv(const char* name, const QString& value) : ScopedEnv(name, value.toLocal8Bit().constData()) {}
    ~ScopedEnv()
    {
        if (mHad)
            qputenv(mName, mOld);
        else
            qunsetenv(mName);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* mName;
    QByteArray mOld;
    bool mHad;
};
} // namespace qmtest

#include "model/cardmodel.h"

namespace qmtest {
// A design panel stand-in with a card of its own that counts the changes its objects report.
class TestHost : public qm::ObjectHost
{
public:
    TestHost() { card.Changed = [this] { ++changes; }; }
    // Puts the object on this panel and its card (without the card owning it); Adopt(o, false) takes it off.
    void Adopt(qm::TKGraphicControl& object, bool on = true)
    {
        object.SetHost(on ? this : nullptr);
        object.SetCard(on ? &card : nullptr);
    }
    qm::CardModel card{this};

    int width = 336;
    int height = 192;
    int changes = 0;
    int invalidations = 0;
    int frameRecomputes = 0;
    std::vector<qm::TKGraphicControl*> deselected;

    int PanelWidth() const override { return width; }
    int PanelHeight() const override { return height; }
    void InvalidateObject(qm::TKGraphicControl*) override { ++invalidations; }
    void PostFrameRecompute() override { ++frameRecomputes; }
    void Deselect(qm::TKGraphicControl* o) override { deselected.push_back(o); }
};
} // namespace qmtest
