// SPDX-License-Identifier: GPL-3.0-or-later
// TMultiLineTextEditor: the text editor of a multi-line text object.
#include "objects/text/multilineeditor_ui.h"

#include "model/colors.h"
#include "model/subobjects.h"
#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/labellayout.h"
#include "platform/helphook.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

TMultiLineTextEditor::TMultiLineTextEditor(const QStringList& lines, const TKFont& font, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MultiLineTextEditor"));
    setWindowTitle(tr("Multi-line Text Editor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    mMemo = new QPlainTextEdit(this);
    mMemo->setObjectName(QStringLiteral("Memo"));
    mMemo->setAccessibleName(tr("Lines of text"));
    mMemo->setFont(LabelDrawingFont(font));
    // The text in its own colour; a colour too pale to read on white is shown on grey.
    QPalette colours = mMemo->palette();
    const QColor ink = ToQColor(font.Color());
    colours.setColor(QPalette::Text, ink);
    colours.setColor(QPalette::Base, ink.lightnessF() > 0.85 ? QColor(Qt::darkGray) : QColor(Qt::white));
    mMemo->setPalette(colours);
    mMemo->setPlainText(lines.join(QLatin1Char('\n')).left(kMaxCharacters));
    mAccepted = mMemo->toPlainText();
    mMemo->setWhatsThis(tr("Type the lines of the text, pressing Enter between them. The text is "
                           "drawn in this font, aligned and, when Word Wrap is on, broken to "
                           "the width of the object. It holds up to 254 characters."));
    AddWhatsThisMenu(mMemo);
    connect(mMemo, &QPlainTextEdit::textChanged, this, [this] { Limit(); });

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bar.help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mMemo, 1);
    layout->addLayout(bar.layout);
    resize(342, 243);
    mMemo->setFocus();
    mMemo->moveCursor(QTextCursor::End);
}

QStringList TMultiLineTextEditor::Lines() const
{
    QString text = mMemo->toPlainText();
    // An editor left empty holds no line at all, and a line break at the very end starts none.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty() && mMemo->toPlainText().isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void TMultiLineTextEditor::Limit()
{
    if (mLimiting)
        return;
    const QString text = mMemo->toPlainText();
    if (text.size() <= kMaxCharacters) {
        mAccepted = text;
        return;
    }
    // Refused: the text stays as it was, with the cursor where the refused typing began.
    mLimiting = true;
    const int position = int(std::min<qsizetype>(mMemo->textCursor().position(), mAccepted.size()));
    mMemo->setPlainText(mAccepted);
    QTextCursor cursor = mMemo->textCursor();
    cursor.setPosition(std::min(position, int(mAccepted.size())));
    mMemo->setTextCursor(cursor);
    mLimiting = false;
    QApplication::beep();
}

bool ShowMultiLineTextEditor(QWidget* parent, QStringList& lines, const TKFont& font,
                             const std::function<void(int)>& showHelp)
{
    TMultiLineTextEditor editor(lines, font, parent);
    editor.OnHelp = showHelp;
    if (editor.exec() != QDialog::Accepted)
        return false;
    lines = editor.Lines();
    return true;
}

} // namespace qm
