// SPDX-License-Identifier: GPL-3.0-or-later
// TKFont3DEffects: the dialog that sets a label's shadow, highlight and font colour on a live sample.
#include "objects/text/effectsdialog_ui.h"

#include "objects/text/labeldialogparts_ui.h"
#include "objects/text/symbollabel.h"
#include "objects/text/textlabel.h"

#include "model/mergerecord.h"
#include "model/objectdialogs.h"
#include "platform/helphook.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

// The bordered preview panel: draws the sample label over its whole inside.
class TSampleView : public QFrame
{
public:
    TSampleView(TKBaseLabel& sample, QWidget* parent) : QFrame(parent), mSample(sample)
    {
        setObjectName(QStringLiteral("SamplePanel"));
        setAccessibleName(QCoreApplication::translate("qm::TKFont3DEffects", "Sample of the effects"));
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setFixedSize(437, 85);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        const QRect inside = contentsRect();
        QPainter p(this);
        p.setClipRect(inside);
        p.translate(inside.topLeft());
        mSample.Paint(p);
    }

private:
    TKBaseLabel& mSample;
};

QComboBox* DropDown(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QStringList DepthItems()
{
    QStringList items;
    for (int depth = 0; depth <= TKFont3DEffects::kMaxDepth; ++depth)
        items << QString::number(depth);
    return items;
}

int DepthRow(int depth)
{
    return depth >= 0 && depth <= TKFont3DEffects::kMaxDepth ? depth : -1;
}

} // namespace

TKFont3DEffects::TKFont3DEffects(TKBaseLabel& label, QWidget* parent, TKDialogs* dialogs)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), mLabel(label)
{
    setObjectName(QStringLiteral("Font3DEffects"));
    setWindowTitle(tr("Text 3D Effects"));
    mFilling = true;

    mShadowDirection = DropDown(
        QStringLiteral("ShadowDirection"),
        {tr("None"), tr("Right"), tr("Left"), tr("Lower Right"), tr("Lower Left"), tr("Down")}, this);
    mShadowDirection->setWhatsThis(tr("The side of the text on which its shadow falls."));
    mShadowColorCombo = new ColorCombo(this);
    mShadowColorCombo->setObjectName(QStringLiteral("ShadowColorCombo"));
    mShadowColorCombo->setWhatsThis(tr("The colour of the shadow."));
    mShadowDepth = DropDown(QStringLiteral("ShadowDepth"), DepthItems(), this);
    mShadowDepth->setWhatsThis(tr("How far, in pixels, the shadow lies from the text. 0 draws no "
                                  "shadow."));
    mHighlightDirection =
        DropDown(QStringLiteral("HighlightDirection"),
                 {tr("None"), tr("Right"), tr("Left"), tr("Upper Right"), tr("Upper Left"), tr("Up")}, this);
    mHighlightDirection->setWhatsThis(tr("The side of the text on which its highlight lies."));
    mHighLightColorCombo = new ColorCombo(this);
    mHighLightColorCombo->setObjectName(QStringLiteral("HighLightColorCombo"));
    mHighLightColorCombo->setWhatsThis(tr("The colour of the highlight."));
    mHighLightDepth = DropDown(QStringLiteral("HighLightDepth"), DepthItems(), this);
    mHighLightDepth->setWhatsThis(tr("How far, in pixels, the highlight lies from the text. 0 draws "
                                     "no highlight."));
    mFontColorCombo = new ColorCombo(this);
    mFontColorCombo->setObjectName(QStringLiteral("FontColorCombo"));
    mFontColorCombo->setWhatsThis(tr("The colour of the text itself. \"Custom...\" picks any "
                                     "other colour."));
    mFontColorCombo->AllowCustomColors([dialogs](TColor& color) { return dialogs && dialogs->ChooseColor(color); });

    // The sample starts as the label looks now, over the whole preview panel: a symbol shows its character,
    // a text what the card shows (a placeholder with the personal information).
    if (dynamic_cast<const TKSymbolLabel*>(&label)) {
        mSample = std::make_unique<TKSymbolLabel>();
        mSample->SetCaption(label.Caption());
    } else {
        mSample = std::make_unique<TKPLabel>();
        const QString shown =
            MergeText(label.Caption(), label.Host() ? label.Host()->PersonalStrings() : QStringList(), nullptr);
        mSample->SetCaption(shown.trimmed().isEmpty() ? tr("Text") : shown);
    }
    mSample->Font().Assign(label.Font());
    mSample->SetDepthShadow(label.DepthShadow());
    mSample->SetDepthHighlight(label.DepthHighlight());
    mSample->SetDirectionShadow(label.DirectionShadow());
    mSample->SetDirectionHighlight(label.DirectionHighlight());
    mSample->SetColorShadow(label.ColorShadow());
    mSample->SetColorHighlight(label.ColorHighlight());
    auto* sampleView = new TSampleView(*mSample, this);
    mSampleView = sampleView;
    const QSize inside = sampleView->contentsRect().size();
    mSample->SetBounds(0, 0, inside.width(), inside.height());
    sampleView->setWhatsThis(tr("Shows how the text looks with these settings."));

    mShadowDirection->setCurrentIndex(int(label.DirectionShadow()));
    mShadowColorCombo->SetColor(label.ColorShadow());
    mShadowDepth->setCurrentIndex(DepthRow(label.DepthShadow()));
    mHighlightDirection->setCurrentIndex(int(label.DirectionHighlight()));
    mHighLightColorCombo->SetColor(label.ColorHighlight());
    mHighLightDepth->setCurrentIndex(DepthRow(label.DepthHighlight()));
    mFontColorCombo->SetColor(label.Font().Color());

    for (QComboBox* combo : {mShadowDirection, static_cast<QComboBox*>(mShadowColorCombo), mShadowDepth,
                             mHighlightDirection, static_cast<QComboBox*>(mHighLightColorCombo),
                             mHighLightDepth, static_cast<QComboBox*>(mFontColorCombo)}) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { ApplyToSample(); });
        AddWhatsThisMenu(combo);
    }

    auto* grid = new QGridLayout;
    auto addField = [&](int row, int column, const QString& caption, QComboBox* combo) {
        auto* text = new QLabel(caption, this);
        text->setBuddy(combo);
        grid->addWidget(text, row * 2, column);
        grid->addWidget(combo, row * 2 + 1, column);
    };
    addField(0, 0, tr("Shadow Direction"), mShadowDirection);
    addField(0, 1, tr("Shadow Color"), mShadowColorCombo);
    addField(0, 2, tr("Shadow Depth"), mShadowDepth);
    addField(1, 0, tr("Highlight Direction"), mHighlightDirection);
    addField(1, 1, tr("Highlight Color"), mHighLightColorCombo);
    addField(1, 2, tr("Highlight Depth"), mHighLightDepth);
    addField(2, 0, tr("Font Color"), mFontColorCombo);

    const DialogButtonBar bar = MakeDialogButtonBar(this);
    connect(bar.ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(bar.help, &QPushButton::clicked, this, [this] {
        if (OnHelp)
            OnHelp(kHelpContext);
        else
            OpenHelpContext(kHelpContext);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(sampleView, 0, Qt::AlignHCenter);
    layout->addLayout(bar.layout);
    // A fixed border: the dialog keeps its size (larger only when the desktop's fonts need more room).
    setFixedSize(sizeHint().expandedTo(QSize(467, 338)));

    mFilling = false;
}

TKFont3DEffects::~TKFont3DEffects() = default;

void TKFont3DEffects::ApplyToSample()
{
    if (mFilling)
        return;
    // A drop-down without a selection (a depth beyond the list, a colour not named) leaves its setting alone.
    if (mShadowDirection->currentIndex() >= 0)
        mSample->SetDirectionShadow(TShadowDirection(mShadowDirection->currentIndex()));
    if (mShadowDepth->currentIndex() >= 0)
        mSample->SetDepthShadow(mShadowDepth->currentIndex());
    if (mShadowColorCombo->currentIndex() >= 0)
        mSample->SetColorShadow(mShadowColorCombo->Color());
    if (mHighlightDirection->currentIndex() >= 0)
        mSample->SetDirectionHighlight(THighlightDirection(mHighlightDirection->currentIndex()));
    if (mHighLightDepth->currentIndex() >= 0)
        mSample->SetDepthHighlight(mHighLightDepth->currentIndex());
    if (mHighLightColorCombo->currentIndex() >= 0)
        mSample->SetColorHighlight(mHighLightColorCombo->Color());
    if (mFontColorCombo->Color() != clNone)
        mSample->Font().SetColor(mFontColorCombo->Color());
    mSampleView->update();
}

void TKFont3DEffects::OKButtonClick()
{
    mLabel.Font().Assign(mSample->Font());
    mLabel.SetDepthShadow(mSample->DepthShadow());
    mLabel.SetDirectionShadow(mSample->DirectionShadow());
    mLabel.SetColorShadow(mSample->ColorShadow());
    mLabel.SetDepthHighlight(mSample->DepthHighlight());
    mLabel.SetDirectionHighlight(mSample->DirectionHighlight());
    mLabel.SetColorHighlight(mSample->ColorHighlight());
    accept();
}

bool ShowFont3DEffects(QWidget* parent, TKBaseLabel& label, TKDialogs* dialogs,
                       const std::function<void(int)>& showHelp)
{
    TKFont3DEffects dialog(label, parent, dialogs);
    dialog.OnHelp = showHelp;
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qm
