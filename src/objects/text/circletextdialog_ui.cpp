// SPDX-License-Identifier: GPL-3.0-or-later
// "CircleText Properties": text, arc, start, letter settings, font and colour, with a preview that zooms.
#include "objects/text/circletextdialog_ui.h"

#include "design/dialogbar_ui.h"
#include "model/cardrender.h"
#include "model/colors.h"
#include "objects/text/circletext.h"
#include "objects/text/colorpalette_ui.h"
#include "objects/text/labeldialogparts_ui.h"
#include "platform/helphook.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <cmath>

namespace qm {

namespace {

// The preview drawn on white at the dialog's zoom (tenths of its own size).
class PreviewView : public QWidget
{
public:
    PreviewView(const TKPCircleText& preview, const int& zoomTenths, QWidget* parent)
        : QWidget(parent), mPreview(preview), mZoomTenths(zoomTenths)
    {
        setAccessibleName(
            QCoreApplication::translate("qm::TCircleTextProperties", "Preview of the circular text"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.scale(mZoomTenths / 10.0, mZoomTenths / 10.0);
        painter.setClipRect(QRect(0, 0, mPreview.Width(), mPreview.Height()));
        mPreview.Draw(painter, RenderContext());
    }

private:
    const TKPCircleText& mPreview;
    const int& mZoomTenths;
};

QString DegreesText(int position)
{
    return QCoreApplication::translate("qm::TCircleTextProperties", "%1 degrees")
        .arg(QLocale().toString(position * 90));
}

QSlider* QuarterBar(QWidget* parent, const char* name)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(1, 4);
    bar->setPageStep(1);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}

} // namespace

TCircleTextProperties::TCircleTextProperties(TKPCircleText& preview, QWidget* parent)
    : QDialog(parent), mPreview(preview), mWidth(preview.Width()), mHeight(preview.Height())
{
    setWindowTitle(tr("CircleText Properties"));
    setFixedSize(582, 423);

    mView = new PreviewView(mPreview, mZoomTenths, this);
    mScroll = new QScrollArea(this);
    mScroll->setObjectName(QStringLiteral("PreviewBox"));
    mScroll->setFixedSize(298, 334);
    mScroll->setBackgroundRole(QPalette::Base);
    QPalette white = mScroll->palette();
    white.setColor(QPalette::Base, Qt::white);
    mScroll->setPalette(white);
    mScroll->setWidget(mView);

    mCaptionText = new QLineEdit(this);
    mCaptionText->setObjectName(QStringLiteral("CaptionText"));
    mCaptionText->setAccessibleName(tr("Text"));
    mCaptionText->setWhatsThis(tr("The text set along the circle."));
    AddWhatsThisMenu(mCaptionText);
    mDegreesBar = QuarterBar(this, "DegreesBar");
    mDegreesBar->setAccessibleName(tr("Degrees of the circle"));
    mDegreesBar->setWhatsThis(tr("How much of the circle the text spreads over."));
    mDegreesLabel = new QLabel(this);
    mStartingAngleBar = QuarterBar(this, "StartingAngleBar");
    mStartingAngleBar->setAccessibleName(tr("Starting angle"));
    mStartingAngleBar->setWhatsThis(tr(
        "Where the text starts: 90 at the top of the circle, 180 at the left, 270 at the bottom, 360 at the "
        "right. The letters run clockwise from there."));
    mStartingAngleLabel = new QLabel(this);
    mAngled = new QCheckBox(tr("Angled Characters"), this);
    mAngled->setObjectName(QStringLiteral("cbDrawLettersAngled"));
    mAngled->setWhatsThis(tr("Turns each letter to follow the circle; otherwise letters stay upright."));
    mMirrored = new QCheckBox(tr("Mirrored"), this);
    mMirrored->setObjectName(QStringLiteral("cbMirrored"));
    mMirrored->setWhatsThis(
        tr("Lays angled letters along the inside of the circle, so that they read from the centre."));

    mFontColor = PaletteButton(
        this, "FontColorButton",
        [this](TColor color) {
            mPreview.Font().SetColor(color);
            PreviewChanged();
        },
        [this] { return mPreview.Font().Color(); },
        [this](TColor& color) { return ChooseColor && ChooseColor(color); });
    mFontColor->setAccessibleName(tr("Font colour"));

    auto* fontButton = new QPushButton(tr("Select Font"), this);
    fontButton->setObjectName(QStringLiteral("Fontbutton"));
    auto* sizeUp = new QToolButton(this);
    sizeUp->setObjectName(QStringLiteral("RapidChangeFontSizeUp"));
    sizeUp->setArrowType(Qt::UpArrow);
    sizeUp->setAccessibleName(tr("Font 5 points larger"));
    sizeUp->setWhatsThis(tr("Makes the letters 5 points larger (up to 150 points)."));
    auto* sizeDown = new QToolButton(this);
    sizeDown->setObjectName(QStringLiteral("RapidChangeFontSizeDown"));
    sizeDown->setArrowType(Qt::DownArrow);
    sizeDown->setAccessibleName(tr("Font 5 points smaller"));
    sizeDown->setWhatsThis(tr("Makes the letters 5 points smaller (down to 10 points)."));
    auto* zoomPlus = new QPushButton(QStringLiteral("+"), this);
    zoomPlus->setObjectName(QStringLiteral("ZoomPlusButton"));
    auto* zoomMinus = new QPushButton(QStringLiteral("-"), this);
    zoomMinus->setObjectName(QStringLiteral("ZoomMinusButton"));
    for (QPushButton* b : {zoomPlus, zoomMinus})
        b->setFixedWidth(28);
    mZoomLabel = new QLabel(this);
    mZoomLabel->setObjectName(QStringLiteral("ZoomLabel"));

    auto* form = new QGridLayout;
    int row = 0;
    form->addWidget(new QLabel(tr("Text"), this), row, 0);
    form->addWidget(mCaptionText, row++, 1, 1, 2);
    form->addWidget(new QLabel(tr("Degrees"), this), row, 0);
    form->addWidget(mDegreesBar, row, 1);
    form->addWidget(mDegreesLabel, row++, 2);
    form->addWidget(new QLabel(tr("Starting Angle"), this), row, 0);
    form->addWidget(mStartingAngleBar, row, 1);
    form->addWidget(mStartingAngleLabel, row++, 2);
    form->addWidget(mAngled, row++, 1, 1, 2);
    form->addWidget(mMirrored, row++, 1, 1, 2);
    form->addWidget(new QLabel(tr("Font Color"), this), row, 0);
    form->addWidget(mFontColor, row++, 1, Qt::AlignLeft);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(fontButton);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(sizeUp);
    arrows->addWidget(sizeDown);
    fontRow->addLayout(arrows);
    fontRow->addStretch(1);
    form->addLayout(fontRow, row++, 1, 1, 2);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(zoomMinus);
    zoomRow->addWidget(mZoomLabel);
    zoomRow->addWidget(zoomPlus);
    zoomRow->addStretch(1);
    form->addWidget(new QLabel(tr("Preview"), this), row, 0);
    form->addLayout(zoomRow, row++, 1, 1, 2);
    form->setRowStretch(row, 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(mScroll, 0, Qt::AlignTop);
    columns->addLayout(form, 1);
    const DialogButtonBar bar = MakeDialogButtonBar(this);
    SetWhatsThis({
        {mScroll, tr("The text on its circle as it will look on the card.")},
        {mView, tr("The text on its circle as it will look on the card.")},
        {mFontColor, tr("The colour of the letters.")},
        {fontButton, tr("Chooses the font, its size and style.")},
        {zoomPlus, tr("Shows the preview larger (up to 100%).")},
        {zoomMinus, tr("Shows the preview smaller (down to 50%).")},
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bar.layout);

    ShowValues();
    mCaptionText->setFocus();

    mClock.start();
    connect(mCaptionText, &QLineEdit::textEdited, this, [this] {
        const qint64 wait = mRefit.Edited(mClock.elapsed());
        if (wait >= 0)
            QTimer::singleShot(int(wait), Qt::PreciseTimer, this, [this] { RefitTick(); });
    });

    connect(mDegreesBar, &QSlider::valueChanged, this, [this](int v) {
        mPreview.SetDegrees(TDegrees(v - 1));
        PreviewChanged();
    });
    connect(mStartingAngleBar, &QSlider::valueChanged, this, [this](int v) {
        mPreview.SetStartingVector(TDegrees(v - 1));
        PreviewChanged();
    });
    connect(mAngled, &QCheckBox::toggled, this, [this](bool on) {
        mPreview.SetDrawLettersAngled(on);
        PreviewChanged();
    });
    connect(mMirrored, &QCheckBox::toggled, this, [this](bool on) {
        mPreview.SetMirror(on);
        PreviewChanged();
    });
    connect(fontButton, &QPushButton::clicked, this, [this] {
        TKFont font;
        font.Assign(mPreview.Font());
        if (ChooseFont && ChooseFont(font)) {
            mPreview.ApplyFont(font);
            PreviewChanged();
        }
    });
    connect(sizeUp, &QToolButton::clicked, this, [this] { ChangeFontSize(true); });
    connect(sizeDown, &QToolButton::clicked, this, [this] { ChangeFontSize(false); });
    connect(zoomPlus, &QPushButton::clicked, this, [this] { ZoomBy(1); });
    connect(zoomMinus, &QPushButton::clicked, this, [this] { ZoomBy(-1); });
    connect(bar.ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(bar.help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });
}

void TCircleTextProperties::ShowValues()
{
    const QSignalBlocker b1(mDegreesBar), b2(mStartingAngleBar), b3(mAngled), b4(mMirrored);
    mCaptionText->setText(mPreview.Caption());
    mDegreesBar->setValue(int(mPreview.Degrees()) + 1);
    mStartingAngleBar->setValue(int(mPreview.StartingVector()) + 1);
    mAngled->setChecked(mPreview.DrawLettersAngled());
    mMirrored->setChecked(mPreview.Mirror());
    PreviewChanged();
}

void TCircleTextProperties::PreviewChanged()
{
    mDegreesLabel->setText(DegreesText(mDegreesBar->value()));
    mStartingAngleLabel->setText(DegreesText(mStartingAngleBar->value()));
    mFontColor->setIcon(ColorSwatch(mPreview.Font().Color()));
    mZoomLabel->setText(QStringLiteral("%1%").arg(mZoomTenths * 10));
    mView->setFixedSize(std::max(1, mPreview.Width() * mZoomTenths / 10),
                        std::max(1, mPreview.Height() * mZoomTenths / 10));
    mView->update();
}

void TCircleTextProperties::RefitTick()
{
    const qint64 now = mClock.elapsed();
    if (!mRefit.Tick(now)) {
        // A tick that came early waits for its time.
        if (mRefit.Pending())
            QTimer::singleShot(int(std::max<qint64>(1, mRefit.Due() - now)), Qt::PreciseTimer, this,
                               [this] { RefitTick(); });
        return;
    }
    mPreview.SetCaption(mCaptionText->text());
    PreviewChanged();
}

void TCircleTextProperties::ZoomBy(int tenths)
{
    if ((tenths > 0 && mZoomTenths >= 10) || (tenths < 0 && mZoomTenths <= 5))
        return;
    mZoomTenths += tenths;
    PreviewChanged();
}

void TCircleTextProperties::ChangeFontSize(bool up)
{
    TKFont& font = mPreview.Font();
    const int size = font.Size();
    if (up && size < 150)
        font.SetSize(size + 5);
    else if (!up && size > 10)
        font.SetSize(size - 5);
    PreviewChanged();
}

void TCircleTextProperties::OKButtonClick()
{
    if (mRefit.Flush())
        mPreview.SetCaption(mCaptionText->text());
    if (mCaptionText->text().isEmpty()) {
        QMessageBox::information(this, tr("Information"), tr("Please enter some text"));
        mCaptionText->setFocus();
        return;
    }
    // Back to the object's own size, exactly as it was.
    mPreview.SetBounds(mPreview.Left(), mPreview.Top(), mWidth, mHeight);
    accept();
}

bool ShowCircleTextProperties(QWidget* parent, TKPCircleText& preview, std::function<bool(TKFont&)> chooseFont,
                              std::function<bool(TColor&)> chooseColor)
{
    TCircleTextProperties dialog(preview, parent);
    dialog.ChooseFont = std::move(chooseFont);
    dialog.ChooseColor = std::move(chooseColor);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qm
