// SPDX-License-Identifier: GPL-3.0-or-later
// The about box and the configuration report.
#include "app/aboutbox_ui.h"

#include "app/mainwindow_ui.h"
#include "app/toolicons_ui.h"
#include "app/version.h"
#include "platform/paths.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QSysInfo>
#include <QVBoxLayout>

namespace qm {

TSplashform::TSplashform(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Quillmark"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramPicture(96));
    auto* name = new QLabel(QStringLiteral("<h2>Quillmark</h2>"), this);
    // The program's own version, then the version of the card program it follows.
    auto* version = new QLabel(
        tr("Version %1 (%2)").arg(QLatin1String(kProgramVersion), QLatin1String(TMainScreen::kVersion)),
        this);
    version->setObjectName(QStringLiteral("Version"));
    auto* bits = new QLabel(tr("%1-bit version").arg(QSysInfo::WordSize), this);
    auto* about = new QLabel(tr("Business cards, designed and printed."), this);
    auto* licence = new QLabel(tr("Free software under the GNU General Public License, version 3 or "
                                  "later. There is no warranty."),
                               this);
    licence->setObjectName(QStringLiteral("Licence"));
    licence->setWordWrap(true);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(bits);
    text->addWidget(about);
    text->addWidget(licence);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(434, 236);
}

QString ConfigurationReport()
{
    QStringList lines;
    const QLocale locale;
    lines << TSplashform::tr("Quillmark version %1 (%2-bit)")
                 .arg(QLatin1String(kProgramVersion))
                 .arg(QSysInfo::WordSize);
    lines << QStringLiteral("Qt %1, %2").arg(QLatin1String(qVersion()), QSysInfo::prettyProductName());
    lines << TSplashform::tr("Display platform: %1").arg(QGuiApplication::platformName());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        lines << TSplashform::tr("Screen: %1 x %2 pixels, %3 pixels per inch, device pixel ratio %4")
                     .arg(locale.toString(screen->size().width()), locale.toString(screen->size().height()),
                          locale.toString(qRound(screen->logicalDotsPerInch())),
                          locale.toString(screen->devicePixelRatio()));
    }
    lines << TSplashform::tr("Data folder: %1").arg(ProgramFolder());
    lines << QString();
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    lines << TSplashform::tr("Installed printers: %1")
                 .arg(printers.isEmpty() ? TSplashform::tr("none", "no printers")
                                         : printers.join(QStringLiteral(", ")));
    const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
    lines << TSplashform::tr("Default printer: %1")
                 .arg(defaultPrinter.isEmpty() ? TSplashform::tr("none", "no default printer")
                                               : defaultPrinter);
    return lines.join(QLatin1Char('\n'));
}

} // namespace qm
