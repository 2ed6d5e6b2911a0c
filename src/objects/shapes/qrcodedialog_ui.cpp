// SPDX-License-Identifier: GPL-3.0-or-later
// "QR Code Properties": the controls set the sample's properties at once and the preview redraws.
#include "objects/shapes/qrcodedialog_ui.h"

#include "design/dialogbar_ui.h"
#include "platform/helptopics.h"

#include "model/cardrender.h"
#include "objects/shapes/qrcode.h"
#include "objects/text/colorpalette_ui.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm {

namespace {

constexpr int kPreviewSide = 200;

// The sample drawn as the screen shows it, on white.
class QRPreview : public QWidget
{
public:
    QRPreview(const TKQRCode& sample, const QStringList& personal, QWidget* parent)
        : QWidget(parent), mSample(sample), mPersonal(personal)
    {
        setFixedSize(kPreviewSide, kPreviewSide);
        setAccessibleName(QCoreApplication::translate("qm::TQRCodeProperties", "Preview of the QR code"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        RenderContext context;
        context.personal = mPersonal;
        mSample.Draw(painter, context);
    }

private:
    const TKQRCode& mSample;
    const QStringList mPersonal;
};

} // namespace

TQRCodeProperties::TQRCodeProperties(TKQRCode& sample, const QStringList& personal, QWidget* parent)
    : QDialog(parent), mSample(sample), mPersonal(personal)
{
    setObjectName(QStringLiteral("QRCodeProperties"));
    setWindowTitle(tr("QR Code Properties"));
    mSample.SetBounds(0, 0, kPreviewSide, kPreviewSide);

    auto* contents = new QVBoxLayout;
    mContent = new QButtonGroup(this);
    const char* const captions[] = {QT_TR_NOOP("&Personal information (vCard)"), QT_TR_NOOP("&Web address"),
                                    QT_TR_NOOP("&Text")};
    for (int c = qcVCard; c <= qcText; ++c) {
        auto* button = new QRadioButton(tr(captions[c]), this);
        button->setObjectName(QStringLiteral("Content%1").arg(c));
        mContent->addButton(button, c);
        contents->addWidget(button);
    }
    mText = new QPlainTextEdit(this);
    mText->setObjectName(QStringLiteral("QRText"));
    mText->setAccessibleName(tr("Text or web address"));
    mText->setTabChangesFocus(true);
    mText->setMinimumWidth(280);
    contents->addWidget(mText);

    auto* form = new QFormLayout;
    mLevel = new QComboBox(this);
    mLevel->setObjectName(QStringLiteral("ErrorLevel"));
    mLevel->addItems({tr("Low (7 %)"), tr("Medium (15 %)"), tr("Quartile (25 %)"), tr("High (30 %)")});
    form->addRow(tr("&Error correction:"), mLevel);
    mQuietZone = new QSpinBox(this);
    mQuietZone->setObjectName(QStringLiteral("QuietZone"));
    mQuietZone->setRange(0, TKQRCode::kMaxQuietZone);
    mQuietZone->setSuffix(tr(" modules"));
    form->addRow(tr("&Quiet zone:"), mQuietZone);
    const auto choose = [this](TColor& c) { return ChooseColor && ChooseColor(c); };
    mDark = PaletteButton(
        this, "DarkColor", [this](TColor c) { mSample.SetDarkColor(c); Changed(); },
        [this] { return mSample.DarkColor(); }, choose);
    form->addRow(tr("&Dark modules:"), mDark);
    mLight = PaletteButton(
        this, "LightColor",
        [this](TColor c) {
            mSample.SetLightColor(c);
            mTransparent->setChecked(false);
            Changed();
        },
        [this] { return mSample.LightColor() == clNone ? clWhite : mSample.LightColor(); }, choose);
    mTransparent = new QCheckBox(tr("T&ransparent"), this);
    mTransparent->setObjectName(QStringLiteral("Transparent"));
    auto* lightRow = new QHBoxLayout;
    lightRow->addWidget(mLight);
    lightRow->addWidget(mTransparent);
    lightRow->addStretch();
    auto* lightLabel = new QLabel(tr("&Light modules:"), this);
    lightLabel->setBuddy(mLight);
    form->addRow(lightLabel, lightRow);
    contents->addLayout(form);

    auto* previewColumn = new QVBoxLayout;
    mPreview = new QRPreview(mSample, mPersonal, this);
    previewColumn->addWidget(mPreview);
    mDescription = new QLabel(this);
    mDescription->setObjectName(QStringLiteral("SymbolDescription"));
    mDescription->setWordWrap(true);
    mDescription->setFixedWidth(kPreviewSide);
    previewColumn->addWidget(mDescription);
    previewColumn->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(contents, 1);
    columns->addLayout(previewColumn);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AddHelpButtons(buttons, this, kHelpQRCode);
    SetWhatsThis({
        {mContent->button(qcVCard),
         tr("The code carries your personal information as an electronic business card "
            "(vCard), which phones offer to save as a contact.")},
        {mContent->button(qcURL), tr("The code carries a web address, which phones offer to open.")},
        {mContent->button(qcText), tr("The code carries the text typed below as it stands.")},
        {mText,
         tr("The web address or text the code carries. Personal information needs no typing: it comes from "
            "Edit, Personal Information.")},
        {mLevel,
         tr("How much of the code may be dirty or covered and still read: more correction makes a denser "
            "code.")},
        {mQuietZone, tr("The empty margin around the code, in modules; readers want four.")},
        {mDark,
         tr("The colour of the dark squares. Keep it darker than the light ones, or phones cannot read the "
            "code.")},
        {mLight, tr("The colour of the light squares and the margin.")},
        {mTransparent,
         tr("Leaves the light squares out, so the card shows through. The card must then be light.")},
        {mPreview, tr("The code as it will print, with what it carries below.")},
        {mDescription, tr("What the code carries and how big it is.")},
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    // The values as they are, then the controls take changes.
    mContent->button(mSample.Content())->setChecked(true);
    mText->setPlainText(mSample.Text());
    mText->setEnabled(mSample.Content() != qcVCard);
    mLevel->setCurrentIndex(mSample.ErrorLevel());
    mQuietZone->setValue(mSample.QuietZone());
    mTransparent->setChecked(mSample.LightColor() == clNone);
    connect(mContent, &QButtonGroup::idClicked, this, [this](int id) {
        mSample.SetContent(TQRContent(id));
        mText->setEnabled(id != qcVCard);
        Changed();
    });
    connect(mText, &QPlainTextEdit::textChanged, this, [this] {
        mSample.SetText(mText->toPlainText());
        Changed();
    });
    connect(mLevel, &QComboBox::currentIndexChanged, this, [this](int i) {
        mSample.SetErrorLevel(TQRErrorLevel(i));
        Changed();
    });
    connect(mQuietZone, &QSpinBox::valueChanged, this, [this](int v) {
        mSample.SetQuietZone(v);
        Changed();
    });
    connect(mTransparent, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            mSample.SetLightColor(clNone);
        else if (mSample.LightColor() == clNone)
            mSample.SetLightColor(clWhite);
        Changed();
    });
    Changed();
}

QString TQRCodeProperties::SymbolDescription() const
{
    const QRSymbol& symbol = mSample.Symbol(mPersonal);
    if (symbol.width > 0)
        return tr("%1 x %1 modules").arg(QLocale().toString(symbol.width));
    if (mSample.Payload(mPersonal).isEmpty())
        return tr("Nothing to encode yet.");
    return tr("Too long for a QR code: shorten the text or lower the error correction.");
}

void TQRCodeProperties::Changed()
{
    mDescription->setText(SymbolDescription());
    mDark->setIcon(ColorSwatch(mSample.DarkColor()));
    mLight->setIcon(ColorSwatch(mSample.LightColor() == clNone ? clWhite : mSample.LightColor()));
    mPreview->update();
}

bool ShowQRCodeProperties(QWidget* parent, TKQRCode& sample, const QStringList& personal,
                          std::function<bool(TColor&)> chooseColor)
{
    TQRCodeProperties dialog(sample, personal, parent);
    dialog.ChooseColor = std::move(chooseColor);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qm
