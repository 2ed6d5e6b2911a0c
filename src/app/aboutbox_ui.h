// SPDX-License-Identifier: GPL-3.0-or-later
// TSplashform, the about box, and the report of the Configuration Information command.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

namespace qm {

// The about box: the program's picture, name and version.
class TSplashform : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TSplashform)

public:
    explicit TSplashform(QWidget* parent);
};

// The program's version, the Qt version and system, the screen, the data folder and the printers, one to a
// line.
QString ConfigurationReport();

} // namespace qm
