// SPDX-License-Identifier: GPL-3.0-or-later
// TLoadBackGround: background art files with thumbnails, a preview turned for a Rotated card, and Ok, None and
// Cancel.
#include "app/loadbackground_ui.h"

#include "app/carddocument.h"
#include "design/cardpanel.h"
#include "design/dialogbar_ui.h"
#include "objects/imagebrowser.h"
#include "objects/picturebrowser_ui.h"
#include "platform/helptopics.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qm {

namespace {

// The dialog's answers besides Accepted and Rejected.
constexpr int kNone = 99;

class TLoadBackGround : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(qm::TLoadBackGround)

public:
    TLoadBackGround(QWidget* parent, bool portrait, const QString& current);
    QString ChosenFile() const { return mBrowser->SelectedFile(); }

private:
    void FileSelected();

    bool mPortrait;
    TPictureBrowser* mBrowser = nullptr;
    QLabel* mPreview = nullptr;
};

TLoadBackGround::TLoadBackGround(QWidget* parent, bool portrait, const QString& current)
    : QDialog(parent), mPortrait(portrait)
{
    setWindowTitle(tr("Load Business Card Background Art"));
    mPreview = new QLabel;
    mPreview->setAccessibleName(tr("The card with this background"));
    mPreview->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea;
    scroll->setWidget(mPreview);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setFrameShape(QFrame::Panel);
    scroll->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    QPushButton* none = buttons->addButton(tr("None", "no background art"), QDialogButtonBox::ActionRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (ChosenFile().isEmpty())
            QApplication::beep();
        else
            accept();
    });
    connect(none, &QPushButton::clicked, this, [this] { done(kNone); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AddHelpButtons(buttons, this, kHelpBackgroundArt);
    scroll->setWhatsThis(tr("The picture selected, as the card will show it behind its objects."));
    ok->setWhatsThis(tr("Puts the selected picture behind the card."));

    mBrowser = new TPictureBrowser(BackgroundFileMasks(), scroll, this);
    mBrowser->AddShortcut(tr("Backgrounds", "the folder of background art"), BackgroundFolder());
    mBrowser->SetThumbnailer(PictureThumbnail);
    mBrowser->OnFileSelected = [this](const QString&) { FileSelected(); };
    mBrowser->OnFileActivated = [this](const QString&) { accept(); };
    // The preview has room for a turned card, tall, or for one lying down, wide.
    scroll->setFixedSize(portrait ? QSize(220, 360) : QSize(360, 220));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mBrowser, 1);
    layout->addWidget(buttons);
    resize(portrait ? QSize(760, 520) : QSize(860, 420));

    // The current background, also when it now lies in bg/ under the same name; else bg/ itself.
    const QString start = ResolveBackgroundFile(current);
    if (start.isEmpty() || !mBrowser->OpenFile(start))
        mBrowser->OpenFirst({BackgroundFolder(), QDir::homePath()});
    FileSelected();
}

void TLoadBackGround::FileSelected()
{
    const QString file = ChosenFile();
    QImage preview;
    if (!file.isEmpty()) {
        preview = BackgroundPreview(file, mPortrait);
        if (preview.isNull())
            QMessageBox::critical(this, tr("Error"), tr("Error loading file!"));
    }
    mPreview->setPixmap(preview.isNull() ? QPixmap() : QPixmap::fromImage(preview));
    mPreview->resize(preview.isNull() ? QSize(0, 0) : preview.size());
}

} // namespace

void SetOrChangeBackgroundArt(QWidget* window, CardDocument& document)
{
    TLoadBackGround dialog(window, document.Panel().PortraitMode(), document.BackgroundFile());
    const int answer = dialog.exec();
    if (answer == QDialog::Accepted && !dialog.ChosenFile().isEmpty())
        document.SetBackgroundFile(dialog.ChosenFile());
    else if (answer == kNone)
        document.SetBackgroundFile(QString());
}

} // namespace qm
