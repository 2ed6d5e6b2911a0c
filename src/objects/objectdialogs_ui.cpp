// SPDX-License-Identifier: GPL-3.0-or-later
// TKStandardDialogs: Qt's font, colour, number and message dialogs and the text objects' own dialogs.
#include "objects/objectdialogs_ui.h"

#include "design/designpanel_ui.h"
#include "objects/imagebrowser_ui.h"
#include "objects/shapes/qrcodedialog_ui.h"
#include "objects/shapes/supershapedialog_ui.h"
#include "objects/text/circletextdialog_ui.h"
#include "objects/text/effectsdialog_ui.h"
#include "objects/text/fontchoice.h"
#include "objects/text/multilineeditor_ui.h"
#include "objects/text/personaltextdialog_ui.h"
#include "objects/text/richtexteditor_ui.h"
#include "objects/text/supertextdialog_ui.h"
#include "objects/text/symbolselector_ui.h"
#include "objects/text/textdialog_ui.h"

#include "model/colors.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <memory>

namespace qm {

bool TKStandardDialogs::EditLabelText(TKPLabel& label) { return ShowGetLabelText(mParent, label); }

bool TKStandardDialogs::EditBusinessCardLabelText(TKBusinessCardLabel& label)
{
    return ShowGetBCLabelText(mParent, label);
}

bool TKStandardDialogs::Edit3DEffects(TKBaseLabel& label) { return ShowFont3DEffects(mParent, label, this); }

bool TKStandardDialogs::EditMultiLineText(QStringList& lines, const TKFont& font)
{
    return ShowMultiLineTextEditor(mParent, lines, font);
}

bool TKStandardDialogs::ChooseSymbol(TKFont& font, int& code)
{
    return ShowGetSymbol(mParent, font, code, [this](TKFont& f) { return ChooseFont(f); });
}

bool TKStandardDialogs::EditSuperShape(TSuperShape& sample, QString& texturePath)
{
    return ShowSuperShapeProperties(mParent, sample, texturePath, [this](TColor& c) { return ChooseColor(c); });
}

bool TKStandardDialogs::EditSuperText(TKSuperText& preview, QString& texturePath)
{
    return ShowSuperTextProperties(mParent, preview, texturePath, this);
}

bool TKStandardDialogs::EditCircleText(TKPCircleText& sample)
{
    return ShowCircleTextProperties(
        mParent, sample, [this](TKFont& f) { return ChooseFont(f); }, [this](TColor& c) { return ChooseColor(c); });
}

bool TKStandardDialogs::EditQRCode(TKQRCode& sample, const QStringList& personal)
{
    return ShowQRCodeProperties(mParent, sample, personal, [this](TColor& c) { return ChooseColor(c); });
}

bool TKStandardDialogs::EditRichText(TKPRichBaseLabel& label) { return ShowRichTextLabelEditor(mParent, label); }

bool TKStandardDialogs::LoadImageFile(QByteArray& graphicClass, QByteArray& fileBytes, bool& stretch,
                                      bool& autoSize)
{
    return ShowImageBrowser(mParent, graphicClass, fileBytes, stretch, autoSize);
}

bool TKStandardDialogs::ChooseFont(TKFont& font)
{
    // The dialog opens at the face that draws the text; what the user leaves alone stays as stored.
    const QFont start = FontDialogStart(font);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, mParent);
    if (!ok)
        return false;
    TakeFontDialogAnswer(font, start, chosen);
    return true;
}

bool TKStandardDialogs::ChooseColor(TColor& color)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(color), mParent);
    if (!chosen.isValid())
        return false;
    color = FromQColor(chosen);
    return true;
}

bool TKStandardDialogs::AskInteger(const QString& caption, const QString& prompt, int& value, int min,
                                   int max)
{
    bool ok = false;
    const int chosen = QInputDialog::getInt(mParent, caption, prompt, value, min, max, 1, &ok);
    if (ok)
        value = chosen;
    return ok;
}

void TKStandardDialogs::ShowInformation(const QString& message)
{
    QMessageBox::information(mParent, tr("Information"), message);
}

std::unique_ptr<TKDialogs> StandardDialogs(QWidget* parent)
{
    return std::make_unique<TKStandardDialogs>(parent);
}

} // namespace qm
