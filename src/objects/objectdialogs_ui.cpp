// TKStandardDialogs: Qt's font, colour, number and message dialogs and the text objects' own dialogs.
#include "objects/objectdialogs_ui.h"

#include "design/designpanel_ui.h"
#include "objects/text/effectsdialog_ui.h"
#include "objects/text/personaltextdialog_ui.h"
#include "objects/text/textdialog_ui.h"

#include "model/colors.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <algorithm>
#include <memory>
#include <cmath>

namespace qm {

bool TKStandardDialogs::EditLabelText(TKPLabel& label) { return ShowGetLabelText(mParent, label); }

bool TKStandardDialogs::EditBusinessCardLabelText(TKBusinessCardLabel& label)
{
    return ShowGetBCLabelText(mParent, label);
}

bool TKStandardDialogs::Edit3DEffects(TKBaseLabel& label) { return ShowFont3DEffects(mParent, label); }

bool TKStandardDialogs::ChooseFont(TKFont& font)
{
    QFont initial(font.Name());
    initial.setPointSize(std::max(1, font.Size()));
    initial.setBold(font.HasStyle(fsBold));
    initial.setItalic(font.HasStyle(fsItalic));
    initial.setUnderline(font.HasStyle(fsUnderline));
    initial.setStrikeOut(font.HasStyle(fsStrikeOut));
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, mParent);
    if (!ok)
        return false;
    font.SetName(chosen.family());
    font.SetSize(chosen.pointSize() > 0 ? chosen.pointSize() : int(std::lround(chosen.pointSizeF())));
    TFontStyles style = 0;
    if (chosen.bold())
        style |= 1u << fsBold;
    if (chosen.italic())
        style |= 1u << fsItalic;
    if (chosen.underline())
        style |= 1u << fsUnderline;
    if (chosen.strikeOut())
        style |= 1u << fsStrikeOut;
    font.SetStyle(style);
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
    QMessageBox::information(mParent, QStringLiteral("Information"), message);
}

std::unique_ptr<TKDialogs> StandardDialogs(QWidget* parent)
{
    return std::make_unique<TKStandardDialogs>(parent);
}

} // namespace qm
