// SPDX-License-Identifier: GPL-3.0-or-later
// TKStandardDialogs: the font, colour, number and message dialogs and the text objects' dialogs, on screen.
#pragma once

#include <QCoreApplication>

#include "model/objectdialogs.h"

class QWidget;

namespace qm {

// The standard font, colour, number and message dialogs.
class TKStandardDialogs : public TKDialogs
{
    Q_DECLARE_TR_FUNCTIONS(qm::TKStandardDialogs)

public:
    explicit TKStandardDialogs(QWidget* parent) : mParent(parent) {}
    bool ChooseFont(TKFont& font) override;
    bool ChooseColor(TColor& color) override;
    bool AskInteger(const QString& caption, const QString& prompt, int& value, int min, int max) override;
    void ShowInformation(const QString& message) override;
    bool EditLabelText(TKPLabel& label) override;
    bool EditBusinessCardLabelText(TKBusinessCardLabel& label) override;
    bool Edit3DEffects(TKBaseLabel& label) override;
    bool EditMultiLineText(QStringList& lines, const TKFont& font) override;
    bool ChooseSymbol(TKFont& font, int& code) override;
    bool EditSuperShape(TSuperShape& sample, QString& texturePath) override;
    bool LoadImageFile(QByteArray& graphicClass, QByteArray& fileBytes, bool& stretch, bool& autoSize) override;
    bool EditSuperText(TKSuperText& preview, QString& texturePath) override;
    bool EditRichText(TKPRichBaseLabel& label) override;
    bool EditCircleText(TKPCircleText& sample) override;
    bool EditQRCode(TKQRCode& sample, const QStringList& personal) override;

private:
    QWidget* mParent;
};

} // namespace qm
