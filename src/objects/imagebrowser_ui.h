// SPDX-License-Identifier: GPL-3.0-or-later
// TKImageBrowser: the "Load Image File " browser of the clip-art object.
#pragma once

#include <QByteArray>

class QWidget;

namespace qm {

// Shows the browser with its options preset; true on OK with a picture selected: its graphic as a card
// stores it, and the options as left. It opens in the folder last browsed (first in the clip-art folder).
bool ShowImageBrowser(QWidget* parent, QByteArray& graphicClass, QByteArray& fileBytes, bool& stretch,
                      bool& autoSize);

} // namespace qm
