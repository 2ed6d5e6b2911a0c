// SPDX-License-Identifier: GPL-3.0-or-later
// "Super Shape Properties": figure, star and corner settings, surface, shadow and outline, with a live
// sample.
#include "objects/shapes/supershapedialog_ui.h"

#include "model/cardrender.h"
#include "objects/shapes/supershape.h"
#include "objects/shapes/texturebrowser_ui.h"
#include "objects/text/labeldialogparts_ui.h"
#include "design/dialogbar_ui.h"
#include "platform/helphook.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>
#include <utility>
#include <vector>

namespace qm {

namespace {

// The sample: the shape drawn in a 96 x 96 box on white.
class SampleView : public QWidget
{
public:
    SampleView(TSuperShape& sample, QWidget* parent) : QWidget(parent), mSample(sample)
    {
        setFixedSize(116, 116);
        setAccessibleName(QCoreApplication::translate("qm::SuperShapeDialog", "Sample of the shape"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.translate(10, 10);
        painter.setClipRect(QRect(0, 0, mSample.Width(), mSample.Height()));
        mSample.Draw(painter, RenderContext());
    }

private:
    TSuperShape& mSample;
};

// A drop-down list of texts marked QT_TRANSLATE_NOOP("qm::SuperShapeDialog", ...), in the user's language.
QComboBox* Items(QWidget* parent, std::initializer_list<const char*> items)
{
    auto* list = new QComboBox(parent);
    for (const char* item : items)
        list->addItem(QCoreApplication::translate("qm::SuperShapeDialog", item));
    return list;
}

QSpinBox* Spin(QWidget* parent, int min, int max, int step)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(min, max);
    spin->setSingleStep(step);
    return spin;
}

} // namespace

bool ShowSuperShapeProperties(QWidget* parent, TSuperShape& sample, QString& texturePath,
                              const std::function<bool(TColor&)>& chooseColor)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("qm::SuperShapeDialog", "Super Shape Properties"));
    // The sample previews at the dialog's own size; the texture it had is kept for the "Texture" surface.
    sample.SetBounds(0, 0, 96, 96);
    TKBitmap lastUsedImage;
    lastUsedImage.Assign(sample.Image());

    auto* view = new SampleView(sample, &dialog);
    // The colour lists of the text dialogs: the named colours and "Custom..." for any other.
    const auto colorList = [&chooseColor](QWidget* parent) {
        auto* list = new ColorCombo(parent);
        list->AllowCustomColors([chooseColor](TColor& color) { return chooseColor && chooseColor(color); });
        return list;
    };
    const auto showColor = [](ColorCombo* list, TColor color) { list->SetColor(color); };
    auto* shape = Items(&dialog, {QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Rectangle"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Round Rectangle"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Ellipse"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Diamond"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Star"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Triangle Left"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Triangle Right"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Triangle Up"),
                                  QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Triangle Down")});
    auto* points = Spin(&dialog, 5, 20, 1);
    auto* inward = Spin(&dialog, 0, 90, 5);
    auto* round = Spin(&dialog, 0, 90, 5);
    auto* surface = Items(&dialog, {QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Transparent"),
                                    QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Solid"),
                                    QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Texture"),
                                    QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Gradient Fill")});
    auto* background = colorList(&dialog);
    auto* direction = Items(&dialog, {QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Up"),
                                      QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Down"),
                                      QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Left"),
                                      QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Right")});
    auto* from = colorList(&dialog);
    auto* to = colorList(&dialog);
    auto* shadowColor = colorList(&dialog);
    auto* orient = Items(&dialog, {QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "None"),
                                   QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Lower Right"),
                                   QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Upper Right"),
                                   QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Upper Left"),
                                   QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Lower Left")});
    auto* depth = Spin(&dialog, 0, 10, 1);
    auto* outlineColor = colorList(&dialog);
    auto* outlineStyle = Items(&dialog, {QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Solid Line"),
                                         QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Dash Line"),
                                         QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Dotted Line"),
                                         QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "DashDot Line"),
                                         QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "DashDotDot Line"),
                                         QT_TRANSLATE_NOOP("qm::SuperShapeDialog", "Clear")});
    auto* outlineWidth = Spin(&dialog, 0, 10, 1);

    auto* starBox = new QGroupBox(QCoreApplication::translate("qm::SuperShapeDialog", "Star"), &dialog);
    auto* starForm = new QFormLayout(starBox);
    starForm->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Points On Star"), points);
    starForm->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "% of Inward Vector"), inward);
    auto* roundBox =
        new QGroupBox(QCoreApplication::translate("qm::SuperShapeDialog", "Round Rectangle"), &dialog);
    (new QFormLayout(roundBox))
        ->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Round Percentage"), round);
    auto* solidBox = new QGroupBox(QCoreApplication::translate("qm::SuperShapeDialog", "Solid"), &dialog);
    (new QFormLayout(solidBox))
        ->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Background Color"), background);
    auto* textureBox = new QGroupBox(QCoreApplication::translate("qm::SuperShapeDialog", "Texture"), &dialog);
    auto* loadTexture =
        new QPushButton(QCoreApplication::translate("qm::SuperShapeDialog", "Load Texture"), textureBox);
    loadTexture->setToolTip(
        QCoreApplication::translate("qm::SuperShapeDialog", "Choose the picture the shape is filled with"));
    auto* textureName = new QLabel(textureBox);
    auto showTextureName = [&] {
        textureName->setText(sample.Image().Empty()
                                 ? QCoreApplication::translate("qm::SuperShapeDialog", "(none)")
                                 : QFileInfo(texturePath).fileName());
    };
    showTextureName();
    auto* textureLayout = new QVBoxLayout(textureBox);
    textureLayout->addWidget(loadTexture);
    textureLayout->addWidget(textureName);
    auto* gradientBox =
        new QGroupBox(QCoreApplication::translate("qm::SuperShapeDialog", "Gradient Fill"), &dialog);
    auto* gradientForm = new QFormLayout(gradientBox);
    gradientForm->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Fill Direction"), direction);
    gradientForm->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "From Color"), from);
    gradientForm->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "To Color"), to);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Shape"), shape);
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Surface Type"), surface);
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Shadow Color"), shadowColor);
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Shadow Orientation"), orient);
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Shadow Depth"), depth);
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Outline Color"), outlineColor);
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "OutLine Style"), outlineStyle);
    form->addRow(QCoreApplication::translate("qm::SuperShapeDialog", "Outline Width"), outlineWidth);
    auto* panels = new QVBoxLayout;
    auto* sampleBox = new QGroupBox(QCoreApplication::translate("qm::SuperShapeDialog", "Sample"), &dialog);
    (new QVBoxLayout(sampleBox))->addWidget(view);
    panels->addWidget(sampleBox);
    for (QGroupBox* box : {starBox, roundBox, solidBox, gradientBox, textureBox})
        panels->addWidget(box);
    panels->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addLayout(panels);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QCoreApplication::translate("qm::SuperShapeDialog", "Ok"),
                       QDialogButtonBox::AcceptRole);
    buttons->addButton(QCoreApplication::translate("qm::SuperShapeDialog", "Cancel"),
                       QDialogButtonBox::RejectRole);
    AddHelpButtons(buttons, &dialog, kSuperShapeHelpContext);
    SetWhatsThis({
        {view, QCoreApplication::translate("qm::SuperShapeDialog",
                                           "The shape as it will look with these settings.")},
        {shape,
         QCoreApplication::translate(
             "qm::SuperShapeDialog",
             "The outline of the shape: rectangle, rounded rectangle, ellipse, diamond, star or a triangle "
             "pointing one way.")},
        {points, QCoreApplication::translate("qm::SuperShapeDialog", "How many points the star has.")},
        {inward, QCoreApplication::translate(
                     "qm::SuperShapeDialog",
                     "How deep the star's points are cut: 0 gives a polygon, 90 thin spikes.")},
        {round, QCoreApplication::translate("qm::SuperShapeDialog",
                                            "How round the corners are, as a part of the shorter side.")},
        {surface, QCoreApplication::translate(
                      "qm::SuperShapeDialog",
                      "What fills the shape: nothing, one colour, a picture tiled over it, or a gradient.")},
        {background, QCoreApplication::translate("qm::SuperShapeDialog", "The colour that fills the shape.")},
        {direction,
         QCoreApplication::translate("qm::SuperShapeDialog",
                                     "Which way the gradient runs from its first colour to its second.")},
        {from, QCoreApplication::translate("qm::SuperShapeDialog", "The colour the gradient starts with.")},
        {to, QCoreApplication::translate("qm::SuperShapeDialog", "The colour the gradient ends with.")},
        {shadowColor,
         QCoreApplication::translate("qm::SuperShapeDialog", "The colour of the shadow behind the shape.")},
        {orient, QCoreApplication::translate("qm::SuperShapeDialog",
                                             "Where the shadow falls; None draws no shadow.")},
        {depth, QCoreApplication::translate("qm::SuperShapeDialog",
                                            "How far, in pixels, the shadow lies from the shape.")},
        {outlineColor,
         QCoreApplication::translate("qm::SuperShapeDialog", "The colour of the shape's outline.")},
        {outlineStyle, QCoreApplication::translate("qm::SuperShapeDialog",
                                                   "Solid, dashed or dotted outline; Clear draws none.")},
        {outlineWidth,
         QCoreApplication::translate("qm::SuperShapeDialog", "How thick the outline is, in pixels.")},
        {loadTexture,
         QCoreApplication::translate("qm::SuperShapeDialog", "Chooses the picture tiled over the shape.")},
    });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto updatePanels = [&] {
        starBox->setVisible(sample.Shape() == kstStar);
        roundBox->setVisible(sample.Shape() == kstRoundRect);
        solidBox->setVisible(sample.SurfaceType() == TSuperShape::stBrushPattern);
        gradientBox->setVisible(sample.SurfaceType() == TSuperShape::stGradientFill);
        textureBox->setVisible(sample.SurfaceType() == TSuperShape::stBrushImage);
        view->update();
    };

    // The controls show the sample's values before any change is taken.
    shape->setCurrentIndex(sample.Shape() <= kstTriangleDown ? int(sample.Shape()) : -1);
    points->setValue(sample.Vectors() / 2);
    inward->setValue(sample.InVectorPercent());
    round->setValue(sample.RoundPerc());
    surface->setCurrentIndex(int(sample.SurfaceType()));
    direction->setCurrentIndex(int(sample.FillDirection()));
    showColor(background, sample.BackColor());
    showColor(from, sample.BackColor());
    showColor(to, sample.GradientToColor());
    showColor(shadowColor, sample.ShadowColor());
    orient->setCurrentIndex(int(sample.ShadowOrient()));
    depth->setValue(sample.ShadowDepth());
    showColor(outlineColor, sample.OutlineColor());
    outlineStyle->setCurrentIndex(sample.OutlineStyle() <= psClear ? int(sample.OutlineStyle()) : 0);
    outlineWidth->setValue(sample.OutlineWidth());
    updatePanels();

    auto onIndex = [&](QComboBox* list, std::function<void(int)> apply) {
        QObject::connect(list, QOverload<int>::of(&QComboBox::activated), &dialog, [&, apply](int i) {
            apply(i);
            updatePanels();
        });
    };
    auto onColor = [&](ColorCombo* list, std::function<void(TColor)> apply) {
        // After the list has taken the choice: a custom colour chosen, or the one shown before when cancelled.
        onIndex(list, [list, apply](int) {
            if (list->Color() != clNone)
                apply(list->Color());
        });
    };
    auto onValue = [&](QSpinBox* spin, std::function<void(int)> apply) {
        QObject::connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), &dialog, [&, apply](int v) {
            apply(v);
            updatePanels();
        });
    };
    onIndex(shape, [&](int i) { sample.SetShape(TKPShapeType(i)); });
    onValue(points, [&](int v) { sample.SetVectors(v * 2); });
    onValue(inward, [&](int v) { sample.SetInVectorPercent(v); });
    onValue(round, [&](int v) { sample.SetRoundPerc(v); });
    onIndex(surface, [&](int i) {
        sample.SetSurfaceType(TSuperShape::TSurfaceType(i));
        if (i == TSuperShape::stBrushImage)
            sample.SetImage(lastUsedImage);
        showTextureName();
    });
    onColor(background, [&](TColor c) {
        sample.SetBackColor(c);
        showColor(from, c);
    });
    onIndex(direction, [&](int i) { sample.SetFillDirection(TFillDirection(i)); });
    onColor(from, [&](TColor c) {
        sample.SetBackColor(c);
        showColor(background, c);
    });
    onColor(to, [&](TColor c) { sample.SetGradientToColor(c); });
    onColor(shadowColor, [&](TColor c) { sample.SetShadowColor(c); });
    onIndex(orient, [&](int i) { sample.SetShadowOrient(TShadowOrient(i)); });
    onValue(depth, [&](int v) { sample.SetShadowDepth(v); });
    onColor(outlineColor, [&](TColor c) { sample.SetOutlineColor(c); });
    onIndex(outlineStyle, [&](int i) { sample.SetOutlineStyle(TPenStyle(i)); });
    onValue(outlineWidth, [&](int v) { sample.SetOutlineWidth(v); });

    QObject::connect(loadTexture, &QPushButton::clicked, &dialog, [&] {
        TKBitmap chosen;
        if (!ShowTextureBrowser(&dialog, sample, texturePath, chosen))
            return;
        sample.SetImage(chosen);
        lastUsedImage.Assign(chosen);
        showTextureName();
        view->update();
    });

    return dialog.exec() == QDialog::Accepted;
}

} // namespace qm
