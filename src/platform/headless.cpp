// SPDX-License-Identifier: GPL-3.0-or-later
// Running a command-line subcommand that paints but needs no screen.
#include "platform/headless.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace qm {

void PrepareHeadlessRun()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "quillmark: %s\n", qPrintable(message));
    });
}

} // namespace qm
