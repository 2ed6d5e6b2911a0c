// SPDX-License-Identifier: GPL-3.0-or-later
// SelectPreviewTemplate: a gallery of the templates, a font list and a sample card showing the chosen one.
#include "app/templatechooser_ui.h"
#include "objects/templatefile.h"

#include "app/templatethumbnails.h"
#include "design/designpanel_ui.h"
#include "design/cardpanel.h"
#include "design/dialogbar_ui.h"
#include "platform/helphook.h"
#include "platform/helptopics.h"
#include "platform/paths.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <tuple>

namespace qm {

namespace {
// The first entry of the font list: the faces the template was designed with.
QString TemplateFonts()
{
    return SelectPreviewTemplate::tr("(Template's own fonts)");
}
// Holding an arrow key down in a list runs through many rows; the sample follows once the list rests.
constexpr int kPreviewDelayMs = 120;
// The room a template's picture has in the gallery, in the dialog's units.
const QSize kThumbnailBox(160, 112);
// Marks a gallery entry whose picture is drawn.
constexpr int kDrawnRole = Qt::UserRole + 1;

// The pictures drawn for earlier openings, by card size and personal information: opened again, the gallery
// shows them at once and draws only what has changed.
std::shared_ptr<TemplateThumbnails> KeptThumbnails(QSize box, float width, float height,
                                                    const QStringList& personal)
{
    using TKey = std::tuple<int, int, float, float, QString>;
    static std::map<TKey, std::shared_ptr<TemplateThumbnails>> kept;
    const TKey key{box.width(), box.height(), width, height, personal.join(QChar(0))};
    std::shared_ptr<TemplateThumbnails>& thumbnails = kept[key];
    if (!thumbnails)
        thumbnails = std::make_shared<TemplateThumbnails>(box, width, height, personal);
    return thumbnails;
}

QIcon ThumbnailIcon(const QImage& image, qreal ratio)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

// The blank an entry shows until its picture is drawn: as large as a picture, so that nothing moves.
QIcon PlaceholderIcon(qreal ratio)
{
    QPixmap blank(kThumbnailBox * ratio);
    blank.setDevicePixelRatio(ratio);
    blank.fill(Qt::transparent);
    QPainter painter(&blank);
    painter.setPen(QColor(200, 200, 200));
    const QSize card(kThumbnailBox.width(), kThumbnailBox.width() * 4 / 7);
    painter.drawRect(QRect(QPoint(0, (kThumbnailBox.height() - card.height()) / 2), card).adjusted(0, 0, -1, -1));
    painter.end();
    return QIcon(blank);
}
} // namespace

SelectPreviewTemplate::SelectPreviewTemplate(float cardWidth, float cardHeight, const QStringList& personal,
                                               QWidget* parent)
    : QDialog(parent), mCardWidth(cardWidth), mCardHeight(cardHeight)
{
    setWindowTitle(tr("Select Template"));

    auto panel = std::make_unique<TKBusinessCardPanel32>();
    panel->SetDrawOutline(true);
    panel->SetShape(lsRectangle);
    panel->SetPersonalStrings(personal);
    mSample = new BasePanelWidget(std::move(panel));
    mSample->setAccessibleName(tr("Sample card"));
    // A sample to look at: nothing on it can be picked or moved.
    mSample->setAttribute(Qt::WA_TransparentForMouseEvents);
    mSample->setFocusPolicy(Qt::NoFocus);

    // The gallery: a picture of each template with its name beneath, in rows that follow the dialog's width.
    const qreal ratio = devicePixelRatioF();
    mThumbnails = KeptThumbnails(kThumbnailBox * ratio, cardWidth, cardHeight, personal);
    TemplateList = new QListWidget(this);
    TemplateList->setObjectName(QStringLiteral("TemplateGallery"));
    TemplateList->setAccessibleName(tr("Templates"));
    TemplateList->setViewMode(QListView::IconMode);
    TemplateList->setMovement(QListView::Static);
    TemplateList->setResizeMode(QListView::Adjust);
    TemplateList->setWrapping(true);
    TemplateList->setUniformItemSizes(true);
    TemplateList->setWordWrap(true);
    TemplateList->setIconSize(kThumbnailBox);
    TemplateList->setGridSize(kThumbnailBox + QSize(24, 2 * fontMetrics().height() + 14));
    TemplateList->setSpacing(4);
    TemplateList->setSelectionMode(QAbstractItemView::SingleSelection);
    mFiles = TemplateFiles(ProgramFile(QStringLiteral("qmkt")));
    const QIcon placeholder = PlaceholderIcon(ratio);
    for (const QString& file : mFiles) {
        auto* item = new QListWidgetItem(QFileInfo(file).completeBaseName(), TemplateList);
        item->setToolTip(item->text());
        const bool drawn = mThumbnails->Has(file);
        item->setIcon(drawn ? ThumbnailIcon(mThumbnails->Thumbnail(file), ratio) : placeholder);
        item->setData(kDrawnRole, drawn);
    }
    TemplateList->setWhatsThis(tr("The templates of the qmkt folder, each as a card made from it looks. "
                                  "Click one (or move with the arrow keys) to see it in the sample; "
                                  "a double-click, Enter or Ok starts a new card from it."));
    connect(TemplateList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item && !mFiles.isEmpty())
            accept();
    });
    FontList = new QListWidget(this);
    FontList->setAccessibleName(tr("Font for the template's text"));
    // First the template as designed; any face below replaces the faces of its name, contact and
    // multi-line text.
    FontList->addItem(TemplateFonts());
    FontList->addItems(QFontDatabase::families());
    //: %1 is the first entry of the list, "(Template's own fonts)"
    FontList->setWhatsThis(tr("The typeface put on the template's text; \"%1\" keeps the faces "
                              "the template was designed with.")
                               .arg(TemplateFonts()));

    // The gallery takes what room the dialog has; the fonts and the sample keep to a column beside it.
    FontList->setMinimumWidth(190);
    auto* templateBox = new QGroupBox(tr("Select Template"), this);
    (new QVBoxLayout(templateBox))->addWidget(TemplateList);
    auto* fontBox = new QGroupBox(tr("Select Font"), this);
    (new QVBoxLayout(fontBox))->addWidget(FontList);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(mSample);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWhatsThis(tr("How the chosen template looks with the chosen font and your personal "
                            "information."));
    auto* sampleBox = new QGroupBox(tr("Sample", "the sample card"), this);
    (new QVBoxLayout(sampleBox))->addWidget(scroll);

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    OkButton = bar.ok;
    OkButton->setEnabled(!mFiles.isEmpty());
    CancelButton = bar.cancel;
    HelpButton = bar.help;
    HelpButton->setText(tr("&Help"));
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
            0, new QLabel(tr("No templates in %1").arg(ProgramFile(QStringLiteral("qmkt"))), this));

    // Small enough minimums for a small screen at a large scale: the sample scrolls when cramped.
    scroll->setMinimumSize(240, 150);
    FontList->setMinimumHeight(60);
    auto* grid = new QGridLayout(this);
    grid->addWidget(templateBox, 0, 0, 2, 1);
    grid->addWidget(fontBox, 0, 1);
    grid->addWidget(sampleBox, 1, 1);
    grid->addLayout(bar.layout, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    setSizeGripEnabled(true);
    // Room for four pictures a row; no more than most of the screen.
    QSize wanted(1120, 760);
    if (const QScreen* at = screen())
        wanted = wanted.boundedTo(at->availableGeometry().size() * 9 / 10);
    resize(wanted);

    mThumbnailTimer = new QTimer(this);
    mThumbnailTimer->setInterval(0);
    connect(mThumbnailTimer, &QTimer::timeout, this, [this] {
        if (!DrawNextThumbnail())
            mThumbnailTimer->stop();
    });

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
    TemplateList->scrollToItem(TemplateList->currentItem());
    mThumbnailTimer->start();
}

bool SelectPreviewTemplate::DrawNextThumbnail()
{
    // Those in sight first, then the rest from the top.
    QListWidgetItem* next = nullptr;
    const QRect seen = TemplateList->viewport()->rect();
    for (int row = 0; row < TemplateList->count(); ++row) {
        QListWidgetItem* item = TemplateList->item(row);
        if (item->data(kDrawnRole).toBool())
            continue;
        if (!next)
            next = item;
        if (TemplateList->visualItemRect(item).intersects(seen)) {
            next = item;
            break;
        }
    }
    if (!next)
        return false;
    const QString file = mFiles.value(TemplateList->row(next));
    next->setIcon(ThumbnailIcon(mThumbnails->Thumbnail(file), devicePixelRatioF()));
    next->setData(kDrawnRole, true);
    return true;
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
    LoadTemplateSample(panel, SelectedTemplate(), mFont, mCardWidth, mCardHeight);
    panel.InvalidatePanel();
    QApplication::restoreOverrideCursor();
    mPreviewing = false;
}

} // namespace qm
