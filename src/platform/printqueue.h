// SPDX-License-Identifier: GPL-3.0-or-later
// Sending a finished PDF file to a printer queue of the print system (CUPS).
#pragma once

#include <QString>
#include <QStringList>

namespace qm {

// The queues the print system offers, and the default one (empty when there is none or no print system
// answers).
QStringList PrinterQueues();
QString DefaultPrinterQueue();

// Hands the PDF file to the queue (the default queue when queue is empty) as one job of the given title, on
// paper of the given media name ("Letter", "A4"), unscaled. The print system copies the file: it may be
// removed afterwards. sides, when not empty, is the job's "sides" attribute ("two-sided-long-edge",
// "two-sided-short-edge", "one-sided"). False with a message naming the queue and the print system's reason.
bool SendToPrinterQueue(const QString& queue, const QString& pdfFile, const QString& title, const QString& media,
                        QString* error, int* jobId = nullptr, const QString& sides = {});

} // namespace qm
