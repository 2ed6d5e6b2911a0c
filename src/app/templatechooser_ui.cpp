// SPDX-License-Identifier: GPL-3.0-or-later
// SelectPreviewTemplate: template and font lists beside a sample card that shows the chosen template.
#include "app/templatechooser_ui.h"
#include "objects/templatefile.h"

#include "app/cardbackground.h"
#include "design/designpanel_ui.h"
#include "design/cardpanel.h"
#include "design/dialogbar_ui.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"
#include "platform/paths.h"
#include "model/sheetlayout.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

namespace {
// The first entry of the font list: the faces the template was designed with.
const QString kTemplateFonts = QStringLiteral("(Template's own fonts)");
// Holding an arrow key down in a list runs through many rows; the sample follows once the list rests.
constexpr int kPreviewDelayMs = 120;
} // namespace

SelectPreviewTemplate::SelectPreviewTemplate(float cardWidth, float cardHeight, const QStringList& personal,
                                               QWidget* parent)
    : QDialog(parent), mCardWidth(cardWidth), mCardHeight(cardHeight)
{
    setWindowTitle(QStringLiteral("Select Template"));

    auto panel = std::make_unique<TKBusinessCardPanel32>();
    panel->SetDrawOutline(true);
    panel->SetShape(lsRectangle);
    panel->SetPersonalStrings(personal);
    mSample = new BasePanelWidget(std::move(panel));
    // A sample to look at: nothing on it can be picked or moved.
    mSample->setAttribute(Qt::WA_TransparentForMouseEvents);
    mSample->setFocusPolicy(Qt::NoFocus);

    TemplateList = new QListWidget(this);
    mFiles = TemplateFiles(ProgramFile(QStringLiteral("qmkt")));
    for (const QString& file : mFiles)
        TemplateList->addItem(QFileInfo(file).completeBaseName());
    TemplateList->setWhatsThis(QStringLiteral("The templates of the qmkt folder. Click one to see it in the "
                                              "sample; Ok starts a new card from it."));
    FontList = new QListWidget(this);
    // First the template as designed; any face below replaces the faces of its name, contact and
    // multi-line text.
    FontList->addItem(kTemplateFonts);
    FontList->addItems(QFontDatabase::families());
    FontList->setWhatsThis(QStringLiteral("The typeface put on the template's text; \"%1\" keeps the faces "
                                          "the template was designed with.")
                               .arg(kTemplateFonts));

    // The lists keep to a narrow column; the sample takes the rest.
    TemplateList->setFixedWidth(190);
    FontList->setFixedWidth(190);
    auto* templateBox = new QGroupBox(QStringLiteral("Select Template"), this);
    (new QVBoxLayout(templateBox))->addWidget(TemplateList);
    auto* fontBox = new QGroupBox(QStringLiteral("Select Font"), this);
    (new QVBoxLayout(fontBox))->addWidget(FontList);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(mSample);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWhatsThis(
        QStringLiteral("How the chosen template looks with the chosen font and your personal "
                       "information."));
    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    (new QVBoxLayout(sampleBox))->addWidget(scroll);

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    OkButton = bar.ok;
    OkButton->setEnabled(!mFiles.isEmpty());
    CancelButton = bar.cancel;
    HelpButton = bar.help;
    HelpButton->setText(QStringLiteral("&Help"));
    MouseHelpButton = bar.whatsThis;
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp();
        else
            OpenHelpContext(kHelpTemplates);
    });
    if (mFiles.isEmpty())
        bar.layout->insertWidget(
            0, new QLabel(QStringLiteral("No templates in ") + ProgramFile(QStringLiteral("qmkt")), this));

    auto* grid = new QGridLayout(this);
    grid->addWidget(templateBox, 0, 0);
    grid->addWidget(fontBox, 1, 0);
    grid->addWidget(sampleBox, 0, 1, 2, 1);
    grid->addLayout(bar.layout, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    resize(620, 424);

    mPreviewTimer = new QTimer(this);
    mPreviewTimer->setSingleShot(true);
    mPreviewTimer->setInterval(kPreviewDelayMs);
    connect(mPreviewTimer, &QTimer::timeout, this, &SelectPreviewTemplate::Preview);

    if (!mFiles.isEmpty())
        TemplateList->setCurrentRow(0);
    FontList->setCurrentRow(0);
    connect(TemplateList, &QListWidget::currentRowChanged, this, &SelectPreviewTemplate::SchedulePreview);
    connect(FontList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row == 0)
            mFont.clear();
        else if (row > 0)
            mFont = FontList->item(row)->text();
        SchedulePreview();
    });
}

SelectPreviewTemplate::~SelectPreviewTemplate() = default;

QStringList SelectPreviewTemplate::TemplateFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList files;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
        if (info.suffix().compare(QLatin1String("qmkt"), Qt::CaseInsensitive) == 0)
            files.append(info.absoluteFilePath());
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(files.begin(), files.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
    return files;
}

QString SelectPreviewTemplate::SelectedTemplate() const
{
    const int row = TemplateList->currentRow();
    return row >= 0 && row < mFiles.size() ? mFiles[row] : QString();
}

TKBusinessCardPanel32& SelectPreviewTemplate::PreviewPanel()
{
    return static_cast<TKBusinessCardPanel32&>(mSample->Panel());
}

void SelectPreviewTemplate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SchedulePreview();
}

void SelectPreviewTemplate::SchedulePreview()
{
    mPreviewTimer->start();
}

void SelectPreviewTemplate::Preview()
{
    if (mPreviewing)
        return;
    mPreviewing = true;
    mPreviewTimer->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TKBusinessCardPanel32& panel = PreviewPanel();
    panel.ClearAll();
    panel.ClearBackground();
    panel.SetPortraitMode(false);
    const QString file = SelectedTemplate();
    if (!file.isEmpty()) {
        const QString background = CardTemplate::Read(panel, file).trimmed();
        if (!mFont.isEmpty())
            panel.SetTextFontName(mFont);
        const QString art = CardTemplate::BackgroundArtPath(background);
        if (!art.isEmpty() && QFileInfo(art).isFile())
            LoadCardBackground(panel.Card(), art);
    }
    CardSheetLayout layout;
    layout.Width = mCardWidth;
    layout.Height = mCardHeight;
    const QSize size = CardPanelSize(layout, panel.PortraitMode());
    panel.SetSize(size.width(), size.height());
    panel.InvalidatePanel();
    QApplication::restoreOverrideCursor();
    mPreviewing = false;
}

} // namespace qm
