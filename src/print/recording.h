// SPDX-License-Identifier: GPL-3.0-or-later
// PaintRecording: a paint device that keeps what is painted on it as drawing calls and plays them onto any
// painter.
#pragma once

#include "platform/units.h"

#include <QPaintDevice>
#include <QStringList>

#include <memory>

class QPainter;

namespace qm {

// Painting onto a metafile records the painter's calls in the device's own units (96 to the inch, the
// card's unit); Play draws them again under the target painter's transform and within its clip. Text stays
// text in the font it was drawn with, so it lands at the same place and size on a device of any resolution.
class PaintRecording : public QPaintDevice
{
public:
    PaintRecording();
    ~PaintRecording() override;
    PaintRecording(const PaintRecording&) = delete;
    PaintRecording& operator=(const PaintRecording&) = delete;

    QPaintEngine* paintEngine() const override;

    void Play(QPainter& painter) const;
    // How many calls were recorded, and the texts drawn, in order.
    int Count() const;
    QStringList Texts() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    struct Store;
    class Engine;
    std::unique_ptr<Store> mStore;
    std::unique_ptr<Engine> mEngine;
};

} // namespace qm
