// SPDX-License-Identifier: GPL-3.0-or-later
// The print system's queues through libcups, which follows CUPS_SERVER and the user's client.conf.
#include "platform/printqueue.h"

#include <QCoreApplication>
#include <QFile>

#include <cups/cups.h>

namespace qm {

QStringList PrinterQueues()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList queues;
    for (int i = 0; i < count; ++i) {
        if (!dests[i].instance)
            queues.append(QString::fromUtf8(dests[i].name));
    }
    cupsFreeDests(count, dests);
    return queues;
}

QString DefaultPrinterQueue()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const cups_dest_t* chosen = cupsGetDest(nullptr, nullptr, count, dests);
    const QString name = chosen ? QString::fromUtf8(chosen->name) : QString();
    cupsFreeDests(count, dests);
    return name;
}

bool SendToPrinterQueue(const QString& queue, const QString& pdfFile, const QString& title, const QString& media,
                        QString* error, int* jobId, const QString& sides)
{
    const QString target = queue.isEmpty() ? DefaultPrinterQueue() : queue;
    if (target.isEmpty()) {
        if (error)
            //: "--printer NAME" is the command line's option: keep "--printer" as it is
            *error = QCoreApplication::translate("qm::PrinterQueue",
                                                 "there is no default printer; name one with --printer NAME");
        return false;
    }
    if (!PrinterQueues().contains(target)) {
        if (error)
            *error = PrinterQueues().isEmpty()
                         ? QCoreApplication::translate("qm::PrinterQueue",
                                                       "there is no printer \"%1\" (no printers are set up)")
                               .arg(target)
                         //: %2 is the list of the printers there are, separated by commas
                         : QCoreApplication::translate("qm::PrinterQueue",
                                                       "there is no printer \"%1\" (printers: %2)")
                               .arg(target, PrinterQueues().join(QStringLiteral(", ")));
        return false;
    }
    cups_option_t* options = nullptr;
    int optionCount = cupsAddOption("document-format", "application/pdf", 0, &options);
    // The sheet's own paper, and no fitting to another: the cards must land where the layout puts them.
    if (!media.isEmpty())
        optionCount = cupsAddOption("media", media.toUtf8().constData(), optionCount, &options);
    optionCount = cupsAddOption("fit-to-page", "false", optionCount, &options);
    if (!sides.isEmpty())
        optionCount = cupsAddOption("sides", sides.toUtf8().constData(), optionCount, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, target.toUtf8().constData(),
                                   QFile::encodeName(pdfFile).constData(), title.toUtf8().constData(),
                                   optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job <= 0) {
        if (error)
            //: %2 is the print system's own reason
            *error =
                QCoreApplication::translate("qm::PrinterQueue", "the printer \"%1\" did not take the job: %2")
                    .arg(target, QString::fromUtf8(cupsLastErrorString()));
        return false;
    }
    if (jobId)
        *jobId = job;
    return true;
}

} // namespace qm
