// SPDX-License-Identifier: GPL-3.0-or-later
// TMainScreen: the commands of the menus and buttons: printing, templates, layout, fonts, about, tips, help.
#include "app/mainwindow_ui.h"

#include "app/aboutbox_ui.h"
#include "app/carddocument.h"
#include "app/fontforall_ui.h"
#include "app/helpwindow_ui.h"
#include "app/quicktips_ui.h"
#include "app/templatechooser_ui.h"
#include "design/cardpanel.h"
#include "platform/helptopics.h"
#include "print/layoutdialog_ui.h"
#include "print/printcommands_ui.h"
#include "print/printercalibration.h"
#include "print/printers_ui.h"

#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

// ---- Printing ----

TPrintSettings TMainScreen::PrintSettings()
{
    // Jobs print the panel's card as the front: the front is shown while they run.
    mDocument->ShowSide(false);
    const PrinterPreferences p = mDocument->Prefs().LoadPrinter();
    TPrintSettings settings{mDocument->Layout(),
                            {p.TopMarginNudge, p.LeftMarginNudge, p.VerticalSpacing, p.HorizontalSpacing},
                            mDocument->BackgroundFile(),
                            p.ShowBottomMarginWarning,
                            mDocument->FileName(),
                            {},
                            {}};
    settings.Back = mDocument->HiddenSideCard();
    if (settings.Back)
        settings.BackBackgroundFile = mDocument->HiddenBackgroundFile();
    return settings;
}

void TMainScreen::PrintClick()
{
    bool warningSwitchedOff = false;
    mPrint->Print(PrintSettings(), &warningSwitchedOff);
    if (!warningSwitchedOff)
        return;
    PrinterPreferences p = mDocument->Prefs().LoadPrinter();
    p.ShowBottomMarginWarning = false;
    mDocument->Prefs().SavePreferences(p, Panel().Font());
}

void TMainScreen::FineTuneClick()
{
    // The fine tuning of the printer the jobs go to, kept under its name.
    const QString printer = mPrint->CalibrationPrinter();
    const QString ini = mDocument->Prefs().Path();
    PrintNudges nudges = LoadPrinterNudges(ini, printer);
    if (!mPrint->FineTune(nudges, mDocument->Layout().Papersize))
        return;
    QString error;
    // The printer's own section, then the preferences as every other save writes them (the warning switch,
    // the default font and the nudges just stored).
    if (!SavePrinterNudges(ini, printer, nudges, CalibrationNames(), &error) ||
        !mDocument->Prefs().SavePreferences(mDocument->Prefs().LoadPrinter(), Panel().Font(), &error))
        QMessageBox::information(this, tr("Information"), error);
}

// ---- Commands ----

void TMainScreen::SaveButtonClick()
{
    if (mDocument->FileName().isEmpty())
        mDocument->SaveAs();
    else
        mDocument->Save();
}

void TMainScreen::NewFromTemplate1Click()
{
    if (!mDocument->CheckSaveNeeded())
        return;
    const CardSheetLayout& layout = mDocument->Layout();
    SelectPreviewTemplate chooser(layout.Width, layout.Height, Panel().PersonalStrings(), this);
    chooser.OnHelp = [this] { ShowHelpContext(kHelpTemplates); };
    if (RunDialog(chooser) != QDialog::Accepted || chooser.SelectedTemplate().isEmpty())
        return;
    mDocument->NewFromTemplate(chooser.SelectedTemplate(), chooser.SelectedFont());
}

void TMainScreen::ChangeCardLayout1Click()
{
    TEditCardLayout dialog(mDocument->Layout(), this);
    dialog.OnHelp = [this] { ShowHelpContext(kHelpLayout); };
    if (RunDialog(dialog) == QDialog::Accepted)
        mDocument->ApplyLayout(dialog.Layout());
}

void TMainScreen::Changeallfontsto1Click()
{
    ChangeFontAll dialog(this);
    dialog.OnHelp = [this] { ShowHelpContext(kHelpFontForAll); };
    if (RunDialog(dialog) == QDialog::Accepted)
        mDocument->ChangeAllFonts(dialog.SelectedFont());
}

void TMainScreen::About1Click()
{
    TSplashform about(this);
    RunDialog(about);
}

void TMainScreen::ConfigurationInformationClick()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Configuration Information"));
    auto* text = new QPlainTextEdit(ConfigurationReport(), &dialog);
    text->setReadOnly(true);
    auto* ok = new QPushButton(tr("OK"), &dialog);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    dialog.resize(520, 260);
    RunDialog(dialog);
}

void TMainScreen::QuickTipsClick()
{
    if (!mTips)
        mTips = new QuickTips(mDocument->Prefs(), this);
    mTips->show();
    mTips->raise();
    mTips->activateWindow();
}

THelpWindow* TMainScreen::HelpWindow() const
{
    return mHelp;
}

void TMainScreen::ShowHelpContext(int context)
{
    if (!mHelp)
        mHelp = new THelpWindow(this);
    mHelp->ShowContext(context);
}

void TMainScreen::ShowHelpPage(const QString& name)
{
    if (!mHelp)
        mHelp = new THelpWindow(this);
    mHelp->ShowPage(THelpWindow::PageNamed(name));
}

} // namespace qm
