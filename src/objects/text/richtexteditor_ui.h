// SPDX-License-Identifier: GPL-3.0-or-later
// TRichTextLabelEditor: the editor of a rich-text object, a text box with a formatting tool bar.
#pragma once

#include "objects/text/richtexteditor.h"

#include <QCoreApplication>
#include <QDialog>
#include <QList>

#include <functional>

class QAction;
class QComboBox;
class QFontComboBox;
class QFrame;
class QScrollArea;
class QTextCharFormat;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace qm {

class ColorCombo;

class TRichTextLabelEditor : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TRichTextLabelEditor)

public:
    static constexpr int kHelpContext = 40013;

    // The object's document at the card's zoom, on a panel the size of the object's box.
    explicit TRichTextLabelEditor(const TKPRichBaseLabel& label, QWidget* parent = nullptr);

    QTextEdit* Editor() const { return mEdit; }
    QFrame* Panel() const { return mPanel; }
    int Zoom() const { return mZoom.Zoom(); }
    QFontComboBox* FontName() const { return mFontName; }
    QComboBox* FontSize() const { return mFontSize; }
    ColorCombo* FontColor() const { return mFontColor; }
    // The tool bar's buttons by caption: "Normal", "Bold", "Italic", "Underline", "Align Left",
    // "Align Right", "Justify", "Center", "Copy", "Cut", "Paste".
    QAction* Button(const QString& caption) const;
    QToolButton* ZoomInButton() const { return mZoomIn; }
    QToolButton* ZoomOutButton() const { return mZoomOut; }

    // Opens a numbered help page; "Help" does nothing while it is unset.
    std::function<void(int)> OnHelp;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolBar(QToolBar* bar, QToolBar* buttons);
    // The text shown at the zoom: measured at that resolution, wrapped at the width of the box at that zoom.
    void ApplyZoom();
    // The panel as tall as the box or the text, whichever is more.
    void FitPanel();
    void Format(const QTextCharFormat& format);
    // What the font name or size box holds, on the text; a face or size that cannot be had changes nothing.
    void ApplyFontName(const QString& typed);
    void ApplyFontSize(const QString& typed);
    // The tool bar follows the text at the caret.
    void ShowFormat();

    TRichTextEditorStart mStart;
    RichTextEditorZoom mZoom;
    QTextEdit* mEdit = nullptr;
    QFrame* mPanel = nullptr;
    QScrollArea* mScrollBox = nullptr;
    QFontComboBox* mFontName = nullptr;
    QComboBox* mFontSize = nullptr;
    ColorCombo* mFontColor = nullptr;
    QList<QAction*> mButtons;
    QToolButton* mZoomIn = nullptr;
    QToolButton* mZoomOut = nullptr;
    bool mShown = false;
};

// Shows the editor modally over parent; on "Ok" the object takes the edited document. True on "Ok".
bool ShowRichTextLabelEditor(QWidget* parent, TKPRichBaseLabel& label,
                             const std::function<void(int)>& showHelp = {});

} // namespace qm
