// SPDX-License-Identifier: GPL-3.0-or-later
// SelectPreviewTemplate: the template gallery (a picture of every template) with a font list and a live sample.
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;

namespace qm {

class BasePanelWidget;
class TKBusinessCardPanel32;
class TemplateThumbnails;

class SelectPreviewTemplate : public QDialog
{
    Q_OBJECT
public:
    // The card's size in inches (from the sheet layout) and the personal information the templates fill in.
    SelectPreviewTemplate(float cardWidth, float cardHeight, const QStringList& personal,
                           QWidget* parent = nullptr);
    ~SelectPreviewTemplate() override;

    // The *.qmkt files of a folder (any case of the extension), sorted by name without regard to case.
    static QStringList TemplateFiles(const QString& folder);

    // The chosen template's full path; empty when there is none.
    QString SelectedTemplate() const;
    // The face put on the template's text; empty (the template's own faces) until another is picked.
    QString SelectedFont() const { return mFont; }

    // Loads the chosen template into the sample with the chosen font. Never re-entered.
    void Preview();
    TKBusinessCardPanel32& PreviewPanel();

    // "&Help"; nothing happens while it is unset.
    std::function<void()> OnHelp;

    // The pictures shown in the gallery so far (drawn a few at a time after the gallery opens, those in sight
    // first). One set serves every opening for the same card size and personal information.
    TemplateThumbnails& Thumbnails() { return *mThumbnails; }
    // Draws the next picture the gallery lacks; false when none is missing.
    bool DrawNextThumbnail();

    QListWidget* TemplateList = nullptr; // "Select Template": the gallery
    QListWidget* FontList = nullptr;     // "Select Font"
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QToolButton* MouseHelpButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SchedulePreview();

    float mCardWidth;
    float mCardHeight;
    QStringList mFiles;
    QString mFont;
    BasePanelWidget* mSample = nullptr;
    QTimer* mPreviewTimer = nullptr;
    std::shared_ptr<TemplateThumbnails> mThumbnails;
    QTimer* mThumbnailTimer = nullptr;
    bool mPreviewing = false;
};

} // namespace qm
