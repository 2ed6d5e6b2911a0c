// SPDX-License-Identifier: GPL-3.0-or-later
// "SuperText Properties": caption, font, surface, shadow and outline of special-effect text, with a preview.
#include "objects/text/supertextdialog_ui.h"

#include "model/cardrender.h"
#include "model/colors.h"
#include "model/objectdialogs.h"
#include "objects/text/colorpalette_ui.h"
#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/supertexttexture_ui.h"
#include "objects/text/symbolfonts.h"
#include "design/dialogbar_ui.h"
#include "platform/helphook.h"

#include <QBuffer>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWidgetAction>

#include <cmath>

namespace qm {

namespace {

// The host's colour dialog, when there is a host.
std::function<bool(TColor&)> ChooseColorOf(TKDialogs* dialogs)
{
    return [dialogs](TColor& color) { return dialogs && dialogs->ChooseColor(color); };
}

// The preview drawn on white at its own size, cut off at the panel.
class PreviewView : public QFrame
{
public:
    PreviewView(const TKSuperText& preview, QWidget* parent) : QFrame(parent), mPreview(preview)
    {
        setObjectName(QStringLiteral("PreviewPanel"));
        setAccessibleName(QCoreApplication::translate("qm::TSuperTextProperties", "Preview of the text"));
        setFixedSize(554, 190);
        setFrameStyle(QFrame::Box | QFrame::Plain);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        {
            QPainter painter(this);
            painter.fillRect(rect(), Qt::white);
            painter.setClipRect(QRect(0, 0, std::min(mPreview.Width(), width()), std::min(mPreview.Height(), height())));
            mPreview.Draw(painter, RenderContext());
        }
        QFrame::paintEvent(event);
    }

private:
    const TKSuperText& mPreview;
};

// A drop-down list of texts marked QT_TRANSLATE_NOOP("qm::TSuperTextProperties", ...), in the user's
// language.
QComboBox* List(QWidget* parent, const char* name, std::initializer_list<const char*> items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const char* item : items)
        list->addItem(QCoreApplication::translate("qm::TSuperTextProperties", item));
    return list;
}

QSpinBox* Spinner(QWidget* parent, const char* name)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, 10);
    return spin;
}

} // namespace

TKBitmap DefaultSuperTextTexture()
{
    // A basket weave in warm browns: blocks of threads that alternate direction, seamless at the edges.
    QImage tile(120, 84, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const bool across = ((x / 12) + (y / 12)) % 2 == 0;
            const int thread = across ? y % 4 : x % 4;
            const int shade = thread == 0 ? -40 : thread == 3 ? -15 : 10;
            const int grain = ((x * 7 + y * 13) % 5) * 3;
            tile.setPixel(x, y, qRgb(std::clamp(180 + shade + grain, 0, 255), std::clamp(120 + shade + grain, 0, 255),
                                     std::clamp(60 + shade, 0, 255)));
        }
    }
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    tile.save(&buffer, "BMP");
    TKBitmap bitmap;
    bitmap.SetFileBytes(bmp);
    return bitmap;
}

TSuperTextProperties::TSuperTextProperties(TKSuperText& preview, const QString& texturePath, TKDialogs* dialogs,
                                           QWidget* parent)
    : QDialog(parent), mPreview(preview), mDialogs(dialogs), mTexturePath(texturePath)
{
    setWindowTitle(tr("SuperText Properties"));
    mLastTexture.Assign(DefaultSuperTextTexture());
    // A texture the object already has becomes the one "Texture" brings back.
    if (!mPreview.Image().Empty())
        mLastTexture.Assign(mPreview.Image());
    mPreview.SetBounds(0, 0, mPreview.Width(), mPreview.Height());

    mView = new PreviewView(mPreview, this);
    mCaptionText = new QLineEdit(this);
    mCaptionText->setObjectName(QStringLiteral("CaptionText"));
    mCaptionText->setWhatsThis(tr("The text of the object: one line, drawn in the chosen surface."));
    AddWhatsThisMenu(mCaptionText);
    mSurfaceType = List(this, "SurfaceTypeCombo",
                        {QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Normal"),
                         QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Transparent"),
                         QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Texture"),
                         QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Gradient Fill")});
    mSurfaceType->setWhatsThis(tr(
        "What fills the letters: the font colour, nothing (only outline and shadow show), a tiled texture "
        "picture or a gradient between two colours."));
    auto set = [this](auto apply) {
        return [this, apply](TColor c) {
            apply(c);
            PreviewChanged(false);
        };
    };
    mFontColor = PaletteButton(this, "FontColorButton", set([this](TColor c) { mPreview.Font().SetColor(c); }),
                               [this] { return mPreview.Font().Color(); }, ChooseColorOf(mDialogs));
    mLoadImage = new QPushButton(tr("Load Texture"), this);
    mLoadImage->setObjectName(QStringLiteral("LoadImageButton"));
    mFillDirection = List(this, "FillDirectionCombo",
                          {QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Up"),
                           QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Down"),
                           QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Left"),
                           QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Right")});
    mGradientFrom = PaletteButton(this, "GradientFromcolorButton",
                                  set([this](TColor c) { mPreview.SetGradientFromColor(c); }),
                                  [this] { return mPreview.GradientFromColor(); }, ChooseColorOf(mDialogs));
    mGradientTo = PaletteButton(this, "GradientToColorButton", set([this](TColor c) { mPreview.SetGradientToColor(c); }),
                                [this] { return mPreview.GradientToColor(); }, ChooseColorOf(mDialogs));
    mShadowColor = PaletteButton(this, "ShadowColorButton", set([this](TColor c) { mPreview.SetShadowcolor(c); }),
                                 [this] { return mPreview.Shadowcolor(); }, ChooseColorOf(mDialogs));
    mShadowOrientation = List(this, "ShadowOrientationCombo",
                              {QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "None"),
                               QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Right"),
                               QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Left"),
                               QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Down and Right"),
                               QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Down and Left"),
                               QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Down")});
    mShadowDepth = Spinner(this, "ShadowDepthSpinner");
    mOutlineColor = PaletteButton(this, "OutlineColorButton", set([this](TColor c) { mPreview.SetOutlineColor(c); }),
                                  [this] { return mPreview.OutlineColor(); }, ChooseColorOf(mDialogs));
    mOutlineStyle = List(this, "OutlineStyleCombo",
                         {QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Solid Line"),
                          QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Dash Line"),
                          QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Dotted Line"),
                          QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "DashDot Line"),
                          QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "DashDotDot Line"),
                          QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Clear")});
    mOutlineWidth = Spinner(this, "OutLineWidthSpinner");
    auto* fontButton = new QPushButton(tr("Select Font"), this);
    fontButton->setObjectName(QStringLiteral("Fontbutton"));
    auto* bigger = new QToolButton(this);
    bigger->setObjectName(QStringLiteral("RapidChangeFontSizeUp"));
    bigger->setArrowType(Qt::UpArrow);
    bigger->setAccessibleName(tr("Font 5 points larger"));
    bigger->setToolTip(tr("5 points larger"));
    auto* smaller = new QToolButton(this);
    smaller->setObjectName(QStringLiteral("RapidChangeFontSizeDown"));
    smaller->setArrowType(Qt::DownArrow);
    smaller->setAccessibleName(tr("Font 5 points smaller"));
    smaller->setToolTip(tr("5 points smaller"));
    auto* symbol = new QPushButton(tr("Select Symbol"), this);
    symbol->setObjectName(QStringLiteral("SelectSymbolbutton"));
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancelbutton"));
    auto* help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("Helpbutton"));

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(tr(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Text"), mCaptionText), 0, 0);
    grid->addWidget(mCaptionText, 0, 1, 1, 3);
    grid->addWidget(fontButton, 0, 4);
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(bigger);
    sizes->addWidget(smaller);
    grid->addLayout(sizes, 0, 5);
    grid->addWidget(label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Surface Type"), mSurfaceType), 1, 0);
    grid->addWidget(mSurfaceType, 1, 1);
    QLabel* fontColorLabel = label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Font Color"), mFontColor);
    grid->addWidget(fontColorLabel, 1, 2);
    grid->addWidget(mFontColor, 1, 3);
    grid->addWidget(mLoadImage, 1, 2, 1, 2);
    grid->addWidget(symbol, 1, 4);
    QLabel* directionLabel =
        label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Fill Direction"), mFillDirection);
    QLabel* fromLabel = label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "From Color"), mGradientFrom);
    QLabel* toLabel = label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "To Color"), mGradientTo);
    grid->addWidget(directionLabel, 2, 0);
    grid->addWidget(mFillDirection, 2, 1);
    grid->addWidget(fromLabel, 2, 2);
    grid->addWidget(mGradientFrom, 2, 3);
    grid->addWidget(toLabel, 2, 4);
    grid->addWidget(mGradientTo, 2, 5);
    grid->addWidget(label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Shadow Color"), mShadowColor), 3, 0);
    grid->addWidget(mShadowColor, 3, 1);
    grid->addWidget(
        label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Shadow Orientation"), mShadowOrientation), 3, 2);
    grid->addWidget(mShadowOrientation, 3, 3);
    grid->addWidget(label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Shadow Depth"), mShadowDepth), 3, 4);
    grid->addWidget(mShadowDepth, 3, 5);
    grid->addWidget(label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Outline Color"), mOutlineColor), 4,
                    0);
    grid->addWidget(mOutlineColor, 4, 1);
    grid->addWidget(label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "OutLine Style"), mOutlineStyle), 4,
                    2);
    grid->addWidget(mOutlineStyle, 4, 3);
    grid->addWidget(label(QT_TRANSLATE_NOOP("qm::TSuperTextProperties", "Outline Width"), mOutlineWidth), 4,
                    4);
    grid->addWidget(mOutlineWidth, 4, 5);
    mNormalPanel = {fontColorLabel, mFontColor};
    mTexturePanel = {mLoadImage};
    mGradientPanel = {directionLabel, mFillDirection, fromLabel, mGradientFrom, toLabel, mGradientTo};

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* whatsThis = new QToolButton(this);
    whatsThis->setObjectName(QStringLiteral("MouseHelpButton"));
    whatsThis->setDefaultAction(QWhatsThis::createAction(this));
    buttons->addWidget(whatsThis);
    SetWhatsThis({
        {mView, tr("The text as it will look with these settings.")},
        {mFontColor, tr("The colour of the letters when the surface is Normal.")},
        {mLoadImage, tr("Chooses the picture tiled inside the letters.")},
        {mFillDirection, tr("Which way the gradient runs from its first colour to its second.")},
        {mGradientFrom, tr("The colour the gradient starts with.")},
        {mGradientTo, tr("The colour the gradient ends with.")},
        {mShadowColor, tr("The colour of the drop shadow.")},
        {mShadowOrientation, tr("Where the shadow falls; None draws no shadow.")},
        {mShadowDepth, tr("How far, in pixels, the shadow lies from the letters.")},
        {mOutlineColor, tr("The colour of the line around each letter.")},
        {mOutlineStyle, tr("Solid, dashed or dotted line around the letters; Clear draws none.")},
        {mOutlineWidth, tr("How thick the line around the letters is, in pixels.")},
        {fontButton, tr("Chooses the font, its size and style.")},
        {bigger, tr("Makes the letters 5 points larger.")},
        {smaller, tr("Makes the letters 5 points smaller.")},
        {symbol, tr("Puts a symbol (from Wingdings, Webdings or Symbol) in place of the text.")},
    });
    SetButtonWhatsThis(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mView, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(mCaptionText, &QLineEdit::textEdited, this, [this](const QString& text) { CaptionEdited(text); });
    connect(mSurfaceType, QOverload<int>::of(&QComboBox::activated), this, [this](int i) { ChooseSurface(i); });
    connect(mLoadImage, &QPushButton::clicked, this, [this] { LoadTexture(); });
    connect(mFillDirection, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        mPreview.SetFillDirection(TFillDirection(i));
        PreviewChanged(false);
    });
    connect(mShadowOrientation, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        mPreview.SetShadowOrientation(TShadowOrientation(i));
        PreviewChanged(true);
    });
    connect(mShadowDepth, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int v) {
        mPreview.SetShadowDepth(v);
        PreviewChanged(true);
    });
    connect(mOutlineStyle, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
        mPreview.SetOutlineStyle(TPenStyle(i));
        PreviewChanged(false);
    });
    connect(mOutlineWidth, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int v) {
        mPreview.SetOutlineWidth(v);
        PreviewChanged(false);
    });
    connect(fontButton, &QPushButton::clicked, this, [this] {
        if (mDialogs && mDialogs->ChooseFont(mPreview.Font())) {
            mPreview.ApplyFont(mPreview.Font());
            PreviewChanged(true);
        }
    });
    connect(bigger, &QToolButton::clicked, this, [this] { ChangeFontSize(true); });
    connect(smaller, &QToolButton::clicked, this, [this] { ChangeFontSize(false); });
    connect(symbol, &QPushButton::clicked, this, [this] { SelectSymbol(); });
    connect(ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });

    // The caption refits the preview on the clock's ticks, not at every key.
    mClock.start();
    mRefit = SuperTextRefit(0);
    auto* timer = new QTimer(this);
    timer->setInterval(int(SuperTextRefit::kIntervalMs));
    connect(timer, &QTimer::timeout, this, [this] { RefitTick(); });
    timer->start();

    ShowValues();
    mCaptionText->setFocus();
}

void TSuperTextProperties::ShowValues()
{
    QSignalBlocker b1(mShadowDepth), b2(mOutlineWidth);
    mCaptionText->setText(mPreview.Caption());
    QFont face = mCaptionText->font();
    face.setFamily(mPreview.DrawingFont().family());
    mCaptionText->setFont(face);
    mSurfaceType->setCurrentIndex(int(mPreview.SurfaceType()));
    mFillDirection->setCurrentIndex(int(mPreview.FillDirection()));
    mShadowOrientation->setCurrentIndex(int(mPreview.ShadowOrientation()));
    mShadowDepth->setValue(mPreview.ShadowDepth());
    mOutlineStyle->setCurrentIndex(mPreview.OutlineStyle() <= psClear ? int(mPreview.OutlineStyle()) : 0);
    mOutlineWidth->setValue(mPreview.OutlineWidth());
    mFontColor->setIcon(ColorSwatch(mPreview.Font().Color()));
    mGradientFrom->setIcon(ColorSwatch(mPreview.GradientFromColor()));
    mGradientTo->setIcon(ColorSwatch(mPreview.GradientToColor()));
    mShadowColor->setIcon(ColorSwatch(mPreview.Shadowcolor()));
    mOutlineColor->setIcon(ColorSwatch(mPreview.OutlineColor()));
    ShowPanels();
}

void TSuperTextProperties::ShowPanels()
{
    const TKSuperText::TSurfaceType surface = mPreview.SurfaceType();
    for (QWidget* w : mNormalPanel)
        w->setVisible(surface == TKSuperText::stNormal);
    for (QWidget* w : mTexturePanel)
        w->setVisible(surface == TKSuperText::stBrushImage);
    for (QWidget* w : mGradientPanel)
        w->setVisible(surface == TKSuperText::stGradientFill);
}

void TSuperTextProperties::PreviewChanged(bool refit)
{
    if (refit)
        mPreview.FitToText();
    ShowValues();
    mView->update();
}

void TSuperTextProperties::CaptionEdited(const QString& text)
{
    mPreview.SetCaption(text);
    mRefit.Edited(mClock.elapsed());
    mView->update();
}

void TSuperTextProperties::RefitTick()
{
    if (!mRefit.Poll(mClock.elapsed()))
        return;
    mPreview.FitToText();
    mView->update();
}

void TSuperTextProperties::ChooseSurface(int index)
{
    if (index < 0 || index > TKSuperText::stGradientFill)
        return;
    mPreview.SetSurfaceType(TKSuperText::TSurfaceType(index));
    if (index == TKSuperText::stBrushImage)
        mPreview.SetImage(mLastTexture);
    PreviewChanged(true);
}

void TSuperTextProperties::ChangeFontSize(bool up)
{
    const int size = mPreview.Font().Size();
    if (up && size < 150)
        mPreview.Font().SetSize(size + 5);
    else if (!up && size > 10)
        mPreview.Font().SetSize(size - 5);
    else
        return;
    PreviewChanged(true);
}

void TSuperTextProperties::SelectSymbol()
{
    if (!mDialogs)
        return;
    TKFont font;
    font.Assign(mPreview.Font());
    if (SymbolSetOf(font.Name()) == TSymbolSet::None)
        font.SetName(QStringLiteral("Wingdings"));
    int code = SymbolCode(mPreview.Caption());
    if (!mDialogs->ChooseSymbol(font, code) || code < 32 || code > 255)
        return;
    mPreview.Font().SetName(font.Name());
    mPreview.SetCaption(SymbolCodeText(code));
    PreviewChanged(true);
}

void TSuperTextProperties::LoadTexture()
{
    QString path = mTexturePath;
    if (!ChooseTexture || !ChooseTexture(mPreview, path))
        return;
    mTexturePath = path;
    if (!mPreview.Image().Empty())
        mLastTexture.Assign(mPreview.Image());
    PreviewChanged(false);
}

void TSuperTextProperties::OKButtonClick()
{
    if (mCaptionText->text().isEmpty()) {
        if (mDialogs)
            mDialogs->ShowInformation(tr("Please enter some text"));
        mCaptionText->setFocus();
        return;
    }
    mPreview.SetCaption(mCaptionText->text());
    accept();
}

bool ShowSuperTextProperties(QWidget* parent, TKSuperText& preview, QString& texturePath, TKDialogs* dialogs)
{
    TSuperTextProperties dialog(preview, texturePath, dialogs, parent);
    dialog.OnHelp = [](int context) { OpenHelpContext(context); };
    dialog.ChooseTexture = [&dialog](TKSuperText& p, QString& path) {
        return ShowSuperTextTextureBrowser(&dialog, p, path);
    };
    if (dialog.exec() != QDialog::Accepted)
        return false;
    texturePath = dialog.TexturePath();
    return true;
}

} // namespace qm
