// SPDX-License-Identifier: GPL-3.0-or-later
// TRichTextLabelEditor: the editor of a rich-text object.
#include "objects/text/richtexteditor_ui.h"

#include "richtext/rtf.h"
#include "model/colors.h"
#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/richtext.h"
#include "objects/text/richtextlayout.h"
#include "platform/helphook.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace qm {

namespace {

constexpr int kSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// Four strokes of text lines, set as the alignment sets them.
QIcon AlignmentIcon(Qt::Alignment alignment)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const int lengths[] = {12, 8, 12, 6};
    for (int row = 0; row < 4; ++row) {
        const int length = alignment == Qt::AlignJustify && row < 3 ? 12 : lengths[row];
        const int x = alignment == Qt::AlignRight    ? 14 - length
                      : alignment == Qt::AlignHCenter ? 8 - length / 2
                                                      : 2;
        p.fillRect(x, 3 + row * 3, length, 1, Qt::black);
    }
    return QIcon(picture);
}

// A letter in its own style as a button's picture.
QIcon LetterIcon(const QString& letter, bool bold, bool italic, bool underline)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(13);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
    return QIcon(picture);
}

} // namespace

TRichTextLabelEditor::TRichTextLabelEditor(const TKPRichBaseLabel& label, QWidget* parent)
    : QDialog(parent), mStart(RichTextEditorStart(label)), mZoom(mStart.panel, mStart.zoom)
{
    setObjectName(QStringLiteral("RichTextLabelEditor"));
    setWindowTitle(tr("Rich Text Editor"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("WPToolBar1"));

    // The panel, white unless the object has a background colour, holds the text box.
    mPanel = new QFrame;
    mPanel->setObjectName(QStringLiteral("WPPanel"));
    mPanel->setFrameShape(QFrame::Box);
    mPanel->setLineWidth(1);
    mPanel->setAutoFillBackground(true);
    QPalette panelColours = mPanel->palette();
    panelColours.setColor(QPalette::Window, ToQColor(mStart.panelColor));
    mPanel->setPalette(panelColours);
    mPanel->hide();

    mEdit = new QTextEdit(mPanel);
    mEdit->setObjectName(QStringLiteral("WPRichText1"));
    mEdit->setAccessibleName(tr("Rich text"));
    mEdit->setFrameShape(QFrame::NoFrame);
    mEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mEdit->setAcceptRichText(true);
    // The panel's colour shows through.
    mEdit->viewport()->setAutoFillBackground(false);
    mEdit->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    QPalette textColours = mEdit->palette();
    textColours.setColor(QPalette::Text, Qt::black);
    mEdit->setPalette(textColours);
    mEdit->document()->setDefaultFont(DefaultRichTextFont());
    ReadRtf(label.RTFText().Data(), *mEdit->document());
    mEdit->document()->setDocumentMargin(0);
    mEdit->setWhatsThis(tr("Type the text and format it with the tool bar: select text, then pick "
                           "its font, size, colour and style, or set the alignment of its "
                           "paragraphs. The box has the width of the object on the card."));
    auto* panelLayout = new QHBoxLayout(mPanel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(mEdit);

    mZoomIn = new QToolButton;
    mZoomIn->setObjectName(QStringLiteral("ZoomPlusButton"));
    mZoomIn->setText(QStringLiteral("+"));
    mZoomIn->setToolTip(tr("Zoom In"));
    mZoomOut = new QToolButton;
    mZoomOut->setObjectName(QStringLiteral("ZoomMinusButton"));
    mZoomOut->setText(QStringLiteral("-"));
    mZoomOut->setToolTip(tr("Zoom Out"));
    mZoomIn->setWhatsThis(tr("Shows the text larger while you edit it (up to 100%)."));
    mZoomOut->setWhatsThis(tr("Shows the text smaller while you edit it (down to 50%)."));
    connect(mZoomIn, &QToolButton::clicked, this, [this] {
        if (mZoom.ZoomIn())
            ApplyZoom();
    });
    connect(mZoomOut, &QToolButton::clicked, this, [this] {
        if (mZoom.ZoomOut())
            ApplyZoom();
    });

    auto* scrolled = new QWidget;
    auto* grid = new QGridLayout(scrolled);
    auto* zoomButtons = new QVBoxLayout;
    zoomButtons->addWidget(mZoomIn);
    zoomButtons->addWidget(mZoomOut);
    zoomButtons->addStretch(1);
    grid->addLayout(zoomButtons, 0, 0);
    grid->addWidget(mPanel, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    auto* scrollBox = new QScrollArea(this);
    scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    scrollBox->setWidgetResizable(true);
    scrollBox->setWidget(scrolled);
    mScrollBox = scrollBox;

    // The tool bar in two rows, so that every control shows at the dialog's size: the font, then the buttons.
    auto* buttonBar = new QToolBar(this);
    buttonBar->setObjectName(QStringLiteral("WPToolBar1Buttons"));
    BuildToolBar(toolBar, buttonBar);

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    connect(bar.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bar.help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar);
    layout->addWidget(buttonBar);
    layout->addWidget(scrollBox, 1);
    layout->addLayout(bar.layout);
    resize(601, 343);

    connect(mEdit, &QTextEdit::currentCharFormatChanged, this, [this] { ShowFormat(); });
    // The panel grows downwards as the text does, so that everything typed stays in sight.
    connect(mEdit->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { FitPanel(); });
    connect(mEdit, &QTextEdit::cursorPositionChanged, this, [this] {
        ShowFormat();
        // The caret stays in sight as the panel grows below the dialog's edge.
        const QRect caret = mEdit->cursorRect();
        const QPoint at = mEdit->viewport()->mapTo(mScrollBox->widget(), caret.center());
        mScrollBox->ensureVisible(at.x(), at.y(), 10, caret.height());
    });
    ApplyZoom();
    ShowFormat();
}

QAction* TRichTextLabelEditor::Button(const QString& caption) const
{
    for (QAction* action : mButtons)
        if (action->data().toString() == caption)
            return action;
    return nullptr;
}

void TRichTextLabelEditor::BuildToolBar(QToolBar* bar, QToolBar* buttons)
{
    mFontName = new QFontComboBox(bar);
    mFontName->setObjectName(QStringLiteral("FontName"));
    mFontName->setToolTip(tr("Font"));
    mFontName->setMinimumWidth(200);
    connect(mFontName, &QFontComboBox::textActivated, this, [this](const QString& family) { ApplyFontName(family); });
    mFontName->lineEdit()->installEventFilter(this);
    bar->addWidget(mFontName);

    mFontSize = new QComboBox(bar);
    mFontSize->setObjectName(QStringLiteral("FontSize"));
    mFontSize->setToolTip(tr("Font size"));
    mFontSize->setEditable(true);
    mFontSize->setValidator(new QIntValidator(6, 999, mFontSize));
    for (int size : kSizes)
        mFontSize->addItem(QString::number(size));
    connect(mFontSize, &QComboBox::textActivated, this, [this](const QString& text) { ApplyFontSize(text); });
    mFontSize->lineEdit()->installEventFilter(this);
    bar->addWidget(mFontSize);

    mFontColor = new ColorCombo(bar);
    mFontColor->setObjectName(QStringLiteral("FontColor"));
    mFontColor->setToolTip(tr("Font color"));
    mFontColor->setMinimumWidth(120);
    mFontColor->AllowCustomColors([this](TColor& color) {
        const QColor chosen = QColorDialog::getColor(ToQColor(color), this);
        if (!chosen.isValid())
            return false;
        color = FromQColor(chosen);
        return true;
    });
    connect(mFontColor, &QComboBox::activated, this, [this] {
        const TColor color = mFontColor->Color();
        if (color == clNone)
            return;
        QTextCharFormat format;
        format.setForeground(ToQColor(color));
        Format(format);
    });
    bar->addWidget(mFontColor);

    bar = buttons;
    // caption is the English text (marked QT_TR_NOOP) the editor finds the button by; it shows translated.
    auto add = [&](const char* caption, const QIcon& icon, bool checkable, auto onClick) {
        QAction* action = bar->addAction(icon, tr(caption));
        action->setData(QString::fromLatin1(caption));
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, this, onClick);
        mButtons.append(action);
        return action;
    };
    add(QT_TR_NOOP("Normal"), LetterIcon(QStringLiteral("N"), false, false, false), false, [this] {
        QTextCharFormat format;
        format.setFontWeight(QFont::Normal);
        format.setFontItalic(false);
        format.setFontUnderline(false);
        Format(format);
    });
    add(QT_TR_NOOP("Bold"), LetterIcon(QStringLiteral("B"), true, false, false), true, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        Format(format);
    })->setShortcut(QKeySequence::Bold);
    add(QT_TR_NOOP("Italic"), LetterIcon(QStringLiteral("I"), false, true, false), true, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        Format(format);
    })->setShortcut(QKeySequence::Italic);
    add(QT_TR_NOOP("Underline"), LetterIcon(QStringLiteral("U"), false, false, true), true, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        Format(format);
    })->setShortcut(QKeySequence::Underline);
    bar->addSeparator();
    auto* alignments = new QActionGroup(this);
    const struct
    {
        const char* caption;
        Qt::Alignment alignment;
    } kAlignments[] = {{QT_TR_NOOP("Align Left"), Qt::AlignLeft},
                       {QT_TR_NOOP("Align Right"), Qt::AlignRight},
                       {QT_TR_NOOP("Justify"), Qt::AlignJustify},
                       {QT_TR_NOOP("Center"), Qt::AlignHCenter}};
    for (const auto& a : kAlignments) {
        const Qt::Alignment alignment = a.alignment;
        alignments->addAction(add(a.caption, AlignmentIcon(alignment), true, [this, alignment] {
            mEdit->setAlignment(alignment);
            mEdit->setFocus();
        }));
    }
    bar->addSeparator();
    add(QT_TR_NOOP("Copy"), style()->standardIcon(QStyle::SP_FileDialogContentsView), false,
        [this] { mEdit->copy(); });
    add(QT_TR_NOOP("Cut"), style()->standardIcon(QStyle::SP_DialogDiscardButton), false,
        [this] { mEdit->cut(); });
    add(QT_TR_NOOP("Paste"), style()->standardIcon(QStyle::SP_DialogSaveButton), false,
        [this] { mEdit->paste(); });
    // Captions show beside pictures that do not say it all.
    for (const char* caption : {"Copy", "Cut", "Paste"}) {
        if (QWidget* button = bar->widgetForAction(Button(QLatin1String(caption))))
            static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }

    static const std::pair<const char*, const char*> kWhatsThis[] = {
        {"Normal", QT_TR_NOOP("Takes bold, italic and underline off the selected text.")},
        {"Bold", QT_TR_NOOP("Makes the selected text bold, or plain again.")},
        {"Italic", QT_TR_NOOP("Makes the selected text italic, or upright again.")},
        {"Underline", QT_TR_NOOP("Underlines the selected text, or takes the line away.")},
        {"Align Left", QT_TR_NOOP("Lines the paragraph up at the left edge of the box.")},
        {"Align Right", QT_TR_NOOP("Lines the paragraph up at the right edge of the box.")},
        {"Justify", QT_TR_NOOP("Spreads the paragraph's lines over the whole width of the box.")},
        {"Center", QT_TR_NOOP("Centres the paragraph's lines in the box.")},
        {"Copy", QT_TR_NOOP("Copies the selected text to the clipboard.")},
        {"Cut", QT_TR_NOOP("Moves the selected text to the clipboard.")},
        {"Paste", QT_TR_NOOP("Puts the text of the clipboard where the cursor is.")},
    };
    for (const auto& [caption, text] : kWhatsThis) {
        if (QAction* action = Button(QLatin1String(caption)))
            action->setWhatsThis(tr(text));
    }
    mFontName->setWhatsThis(tr("The typeface of the selected text."));
    mFontSize->setWhatsThis(tr("The size of the selected text, in points."));
    mFontColor->setWhatsThis(tr("The colour of the selected text."));
}

void TRichTextLabelEditor::Format(const QTextCharFormat& format)
{
    mEdit->mergeCurrentCharFormat(format);
    mEdit->setFocus();
}

void TRichTextLabelEditor::ShowFormat()
{
    const QTextCharFormat format = mEdit->currentCharFormat();
    const QFont font = format.font();
    const QSignalBlocker blockName(mFontName), blockSize(mFontSize), blockColor(mFontColor);
    const QStringList families = format.fontFamilies().toStringList();
    mFontName->setCurrentFont(QFont(families.isEmpty() ? font.family() : families.first()));
    const double points = format.fontPointSize() > 0 ? format.fontPointSize() : font.pointSizeF();
    mFontSize->setEditText(QString::number(int(std::lround(points))));
    mFontColor->SetColor(FromQColor(format.foreground().style() == Qt::NoBrush ? QColor(Qt::black)
                                                                             : format.foreground().color()));
    Button(QStringLiteral("Bold"))->setChecked(font.bold());
    Button(QStringLiteral("Italic"))->setChecked(font.italic());
    Button(QStringLiteral("Underline"))->setChecked(font.underline());
    const Qt::Alignment alignment = mEdit->alignment() & Qt::AlignHorizontal_Mask;
    const char* shown = alignment & Qt::AlignRight     ? "Align Right"
                        : alignment & Qt::AlignJustify ? "Justify"
                        : alignment & Qt::AlignHCenter ? "Center"
                                                       : "Align Left";
    Button(QLatin1String(shown))->setChecked(true);
}

void TRichTextLabelEditor::ApplyZoom()
{
    const int zoom = mZoom.Zoom();
    // The text is measured at the zoom's resolution, so it grows with it and breaks where the card breaks it.
    UseCardUnits(*mEdit->document(), 96.0 * zoom / 100.0);
    mEdit->setLineWrapMode(QTextEdit::FixedPixelWidth);
    mEdit->setLineWrapColumnOrWidth(int(std::lround(mStart.pageWidth * zoom / 100.0)));
    mEdit->document()->markContentsDirty(0, mEdit->document()->characterCount());
    FitPanel();
    mZoomIn->setEnabled(zoom < 100);
    mZoomOut->setEnabled(zoom > 50);
}

void TRichTextLabelEditor::FitPanel()
{
    mPanel->setFixedSize(RichTextEditorPanel(mZoom.Panel(), mEdit->document()->size().height()));
}

bool TRichTextLabelEditor::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the font name or size box takes what was typed there and goes back to the text; it does
    // not close the editor.
    if (event->type() == QEvent::KeyPress && (watched == mFontName->lineEdit() || watched == mFontSize->lineEdit())) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == mFontName->lineEdit())
                ApplyFontName(mFontName->lineEdit()->text());
            else
                ApplyFontSize(mFontSize->lineEdit()->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TRichTextLabelEditor::ApplyFontName(const QString& typed)
{
    const int index = mFontName->findText(typed.trimmed(), Qt::MatchFixedString);
    if (index < 0) {
        // Not a face of this computer: the box shows the text's face again.
        ShowFormat();
        mEdit->setFocus();
        return;
    }
    QTextCharFormat format;
    format.setFontFamilies({mFontName->itemText(index)});
    Format(format);
}

void TRichTextLabelEditor::ApplyFontSize(const QString& typed)
{
    const int size = typed.trimmed().toInt();
    if (size < 6) {
        ShowFormat();
        mEdit->setFocus();
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(size);
    Format(format);
}

void TRichTextLabelEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (mShown)
        return;
    mShown = true;
    mPanel->show();
    mEdit->setFocus();
    mEdit->moveCursor(QTextCursor::Start);
}

bool ShowRichTextLabelEditor(QWidget* parent, TKPRichBaseLabel& label, const std::function<void(int)>& showHelp)
{
    // The hourglass while the fonts are listed and the document read.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TRichTextLabelEditor editor(label, parent);
    editor.OnHelp = showHelp;
    QApplication::restoreOverrideCursor();
    if (editor.exec() != QDialog::Accepted)
        return false;
    TakeEditedDocument(label, *editor.Editor()->document());
    return true;
}

} // namespace qm
