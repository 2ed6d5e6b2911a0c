// SPDX-License-Identifier: GPL-3.0-or-later
// CardDocument: the commands on the card as a whole: default layout and font, one typeface for all, the
// layout, picture export, the card's size and orientation, and the zoom.
#include "app/carddocument.h"

#include "design/cardpanel.h"
#include "design/zoomsteps.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

float ZoomFactor(int percent)
{
    return float(percent) / 100.0f;
}

} // namespace

QString DefaultFontCaption(const TKFont& font)
{
    QString styles;
    if (font.HasStyle(fsBold))
        styles += QStringLiteral(", ") + CardDocument::tr("bold", "font style");
    if (font.HasStyle(fsItalic))
        styles += QStringLiteral(", ") + CardDocument::tr("italic", "font style");
    if (font.HasStyle(fsUnderline))
        styles += QStringLiteral(", ") + CardDocument::tr("underline", "font style");
    // A name with an ampersand keeps it, rather than making it the menu item's access key.
    //: A menu item: %1 the font's name, %2 its size in points, %3 its styles (", bold, italic"), or nothing
    return CardDocument::tr("&Default Font: %1, %2 pt %3")
        .arg(QString(font.Name()).replace(QLatin1Char('&'), QStringLiteral("&&")), QLocale().toString(font.Size()),
             styles);
}

void CardDocument::SaveLayoutAsDefault()
{
    if (!mPrompts.Ask(tr("Save the current card layout as your default layout?"), tr("Card Layout")))
        return;
    QString error;
    if (!mPrefs.SaveLayoutPreferences(mLayout, &error))
        mPrompts.ShowError(tr("The layout was not saved.\n\n%1").arg(error));
}

void CardDocument::ChangeDefaultFont()
{
    TKFont font;
    font.Assign(mPanel.Font());
    if (mPrompts.ChooseFont(font))
        mPanel.Font().Assign(font);
    Notify();
    // The nudges are read afresh: the fine-tuning dialog may have stored new ones meanwhile.
    QString error;
    if (!mPrefs.SavePreferences(mPrefs.LoadPrinter(), mPanel.Font(), &error))
        mPrompts.ShowError(tr("The default font was not stored.\n\n%1").arg(error));
    //: FONT is the Font command of an object's right-click menu
    mPrompts.Inform(tr("Note: the default font is used for NEW objects only.\nTo change the font of an "
                       "existing object, click it\nwith the RIGHT MOUSE BUTTON and select FONT"));
}

void CardDocument::ChangeAllFonts(const QString& face)
{
    if (face.isEmpty())
        return;
    mPanel.SetTextFontName(face);
    mPanel.InvalidatePanel();
    if (mPanel.CardObjects().Count() > 0)
        CardChanged(tr("Change All Fonts", "undo step"));
}

void CardDocument::ApplyLayout(const CardSheetLayout& layout)
{
    mLayout = layout;
    SetCardOrientation(layout.UsePortrait);
    CardChanged(tr("Card Layout", "undo step"));
}

bool CardDocument::ExportPicture(PictureFormat format)
{
    static const char* const kTitles[] = {QT_TRANSLATE_NOOP("qm::CardDocument", "Save Card As Bitmap"),
                                          QT_TRANSLATE_NOOP("qm::CardDocument", "Save Card As JPG"),
                                          QT_TRANSLATE_NOOP("qm::CardDocument", "Save Card As PNG")};
    //: a file dialog's filter; %1 is the file name patterns
    static const char* const kFilters[] = {QT_TRANSLATE_NOOP("qm::CardDocument", "Bitmap File (%1)"),
                                           QT_TRANSLATE_NOOP("qm::CardDocument", "JPG File (%1)"),
                                           QT_TRANSLATE_NOOP("qm::CardDocument", "PNG File (%1)")};
    static const char* const kPatterns[] = {"*.bmp *.BMP", "*.jpg *.JPG *.jpeg", "*.png *.PNG"};
    static const char* const kSuffixes[] = {"bmp", "jpg", "png"};
    const int kind = int(format);
    FileRequest request;
    request.kind = FileRequest::Save;
    request.title = tr(kTitles[kind]);
    // Pictures are for using elsewhere: they start out in the user's pictures folder, not the data folder.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    request.folder = !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
    const QString suffix = QString::fromLatin1(kSuffixes[kind]);
    request.proposedName =
        (mFileName.isEmpty() ? tr("BusinessCard", "file name proposed for the picture of an unnamed card")
                             : QFileInfo(mFileName).completeBaseName()) +
        QLatin1Char('.') + suffix;
    request.filter = tr(kFilters[kind]).arg(QString::fromLatin1(kPatterns[kind]));
    request.defaultSuffix = suffix;
    const QString path = mPrompts.ChooseFile(request);
    if (path.isEmpty())
        return false;
    // A name that says what picture it is gets that picture, whichever command chose it.
    PictureFormatFromName(path, &format);
    const bool border =
        mPrompts.Ask(tr("Would you like to draw a border around the card?"), tr("Save", "the card"));
    mPanel.LayOutObjects();
    // A QR code too small to scan at the card's size: the picture may be made larger.
    int scale = 1;
    const PictureQRCheck check = CheckPictureQRCodes(mPanel.Card(), scale);
    if (!check.readable && check.readableScale > 1) {
        const QLocale locale;
        //: %1 says which QR code is too small to scan
        const QString question =
            tr("%1\n\nSave the picture %2 times as large (%3 x %4 pixels), so that the code scans?")
                .arg(QRCodeTooSmallText(check, scale), locale.toString(check.readableScale),
                     locale.toString(mPanel.Card().Width() * check.readableScale),
                     locale.toString(mPanel.Card().Height() * check.readableScale));
        const DocumentPrompts::Answer answer = mPrompts.AskOrCancel(question, tr("QR Code"));
        if (answer == DocumentPrompts::Answer::Cancel)
            return false;
        if (answer == DocumentPrompts::Answer::Yes)
            scale = check.readableScale;
    } else if (!check.readable) {
        //: %1 says which QR code is too small to scan
        if (!mPrompts.Ask(tr("%1\n\nSave the picture anyway?").arg(QRCodeTooSmallText(check, scale)),
                          tr("QR Code")))
            return false;
    }
    mPrompts.ProcessEvents();
    QString error;
    if (!ExportCard(mPanel.Card(), path, format, border, &error, scale)) {
        mPrompts.ShowError(tr("The picture was not saved.\n\n%1").arg(error));
        return false;
    }
    mPrompts.Inform(tr("Saved as %1").arg(path));
    Notify();
    return true;
}

// ---- Card size, orientation and zoom ----

QString CardDocument::ZoomText(int percent)
{
    //: a zoom percentage; %1 is the number
    return tr("%1%", "zoom").arg(QLocale().toString(percent));
}

void CardDocument::SetCardSizeFromInches()
{
    const QSize size = CardPanelSize(mLayout, mPanel.PortraitMode());
    mPanel.SetSize(size.width(), size.height());
    mPanel.InvalidatePanel();
    Notify();
}

void CardDocument::SetCardOrientation(bool rotated)
{
    mPanel.SetPortraitMode(rotated);
    mLayout.UsePortrait = rotated;
    SetCardSizeFromInches();
    // The art is turned with the card.
    mBackgroundNotice = LoadBackgroundArt(mPanel.Card(), mBackgroundFile);
    mPanel.InvalidatePanel();
}

bool CardDocument::ZoomTo(int percent)
{
    const bool wasFirst = mFirstActivation;
    mFirstActivation = true;
    mPanel.ClearSelection();
    const bool step = percent >= kSmallestZoom && percent <= kLargestZoom && percent != mZoomPercent;
    if (step) {
        // A view of the card: the card itself does not change.
        mPanel.SetZoom(ZoomFactor(percent));
        mZoomPercent = percent;
        mPrompts.ProcessEvents();
    }
    mFirstActivation = wasFirst;
    Notify();
    return step;
}

bool CardDocument::ZoomIn()
{
    return ZoomTo(ZoomStepAbove(mZoomPercent));
}

bool CardDocument::ZoomOut()
{
    return ZoomTo(ZoomStepBelow(mZoomPercent));
}

} // namespace qm
