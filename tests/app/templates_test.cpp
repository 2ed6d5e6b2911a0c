// SPDX-License-Identifier: GPL-3.0-or-later
// The starter templates: each one reads completely, draws a card with visible content over its background
// art, and comes back byte for byte when written again; all of them on one contact sheet for looking at.
#include "app/cardbackground.h"
#include "app/carddocument.h"
#include "app/templatechooser_ui.h"
#include "design/cardpanel.h"
#include "model/cardrender.h"
#include "model/sheetlayout.h"
#include "objects/templatefile.h"
#include "objects/text/personallabel.h"
#include "platform/paths.h"
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>

using namespace qm;

namespace {

const QString kBundled = QStringLiteral(":/starter/qmkt");

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixels that differ by more than a little in any channel.
int Changed(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 24 || std::abs(qGreen(p) - qGreen(q)) > 24 ||
                std::abs(qBlue(p) - qBlue(q)) > 24)
                ++changed;
        }
    return changed;
}

// The card as the chooser's sample shows it on the screen: an empty personal field shows its sample.
QImage OnScreen(TKBusinessCardPanel32& panel)
{
    panel.LayOutObjects();
    QImage image(panel.Card().Width(), panel.Card().Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderContext context;
    context.target = RenderContext::Screen;
    DrawCard(painter, panel.Card(), context);
    return image;
}

// The template drawn as the chooser shows it (its own fonts, no personal details), on its background art.
QImage Render(const QString& file, QImage* artOnly, QString* background, int* objects)
{
    TKBusinessCardPanel32 panel;
    *background = CardTemplate::Read(panel, file);
    *objects = panel.CardObjects().Count();
    CardSheetLayout layout;
    const QSize size = CardPanelSize(layout, panel.PortraitMode());
    panel.SetSize(size.width(), size.height());
    if (!background->isEmpty()) {
        EXPECT_TRUE(LoadCardBackground(panel.Card(), QStringLiteral(":/starter/bg/") + *background))
            << background->toStdString();
    }
    const QImage card = OnScreen(panel);
    panel.ClearAll();
    *artOnly = OnScreen(panel);
    return card;
}

} // namespace

TEST(StarterTemplates, EachReadsWhollyDrawsOverItsArtAndWritesBackTheSameBytes)
{
    // Description files are read from disk, as the chooser reads them from the template folder.
    QTemporaryDir shipped, dir;
    QStringList files;
    for (const QString& bundled : SelectPreviewTemplate::TemplateFiles(kBundled)) {
        files << shipped.filePath(QFileInfo(bundled).fileName());
        ASSERT_TRUE(QFile::copy(bundled, files.back()));
    }
    ASSERT_GE(files.size(), 24);
    std::vector<QImage> sheet;
    int portrait = 0, withArt = 0;
    QSet<QByteArray> kinds;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const ProfileFile ini(file);
        QString background;
        int objects = 0;
        QImage art;
        const QImage card = Render(file, &art, &background, &objects);
        // Every section but the card data is one object: none was dropped while reading.
        EXPECT_EQ(objects, ini.ReadSections().size() - 1);
        EXPECT_GE(objects, 5);
        portrait += ini.ReadBool(QStringLiteral("Card Data"), QStringLiteral("Portrait Mode"), false);
        withArt += !background.isEmpty();
        for (const QString& section : ini.ReadSections())
            kinds.insert(ini.ReadString(section, QStringLiteral("Type")).toLatin1());
        // The objects show: a good part of the card differs from the bare background art.
        EXPECT_GT(Changed(card, art), card.width() * card.height() / 50);
        sheet.push_back(card);

        TKBusinessCardPanel32 read;
        CardTemplate::Read(read, file);
        const QString again = dir.filePath(QFileInfo(file).fileName());
        ASSERT_TRUE(CardTemplate::Write(read, again, background));
        EXPECT_EQ(Bytes(again), Bytes(file));
    }
    EXPECT_GE(portrait, 4);
    EXPECT_GE(withArt, 8);
    for (const char* kind : {"psLabel", "psLine", "stRectangle", "stEllipse", "stRoundRect", "TKImage",
                             "TKMultiLineLabel", "TKSymbolLabel", "TSuperShape", "TKSuperText", "TKPCircleText",
                             "TKPRichBaseLabel"})
        EXPECT_TRUE(kinds.contains(kind)) << kind;

    // The contact sheet: six cards a row, each in a cell of 360 x 360 pixels.
    const int across = 6, cell = 360;
    const int rows = (int(sheet.size()) + across - 1) / across;
    QImage contact(across * cell, rows * cell, QImage::Format_RGB32);
    contact.fill(QColor(200, 200, 200));
    QPainter painter(&contact);
    for (size_t i = 0; i < sheet.size(); ++i) {
        const QImage& card = sheet[i];
        const QPoint at(int(i % across) * cell + (cell - card.width()) / 2,
                        int(i / across) * cell + (cell - card.height()) / 2);
        painter.drawImage(at, card);
        painter.setPen(Qt::black);
        painter.drawRect(QRect(at - QPoint(1, 1), card.size() + QSize(1, 1)));
    }
    painter.end();
    const QString artifacts = QCoreApplication::applicationDirPath() + QStringLiteral("/../artifacts");
    QDir().mkpath(artifacts);
    EXPECT_TRUE(contact.save(artifacts + QStringLiteral("/templates.png")));
}

TEST(StarterTemplates, AFirstStartPutsThemInTheTemplateFolderForTheChooser)
{
    QTemporaryDir home;
    const QByteArray old = qgetenv("QUILLMARK_HOME");
    qputenv("QUILLMARK_HOME", home.path().toUtf8());
    CardDocument::CreateFolders();
    const QStringList copied = SelectPreviewTemplate::TemplateFiles(ProgramFile(QStringLiteral("qmkt")));

    // The chooser lists them and shows the first as designed: its own faces, turned as the template says.
    {
        SelectPreviewTemplate chooser(3.5f, 2.0f, {QStringLiteral("Robin Vale")});
        ASSERT_EQ(chooser.TemplateList->count(), copied.size());
        const auto faceOfName = [&chooser] {
            for (TKGraphicControl* object : chooser.PreviewPanel().CardObjects().Objects())
                if (auto* label = dynamic_cast<TKBusinessCardLabel*>(object))
                    if (label->Caption() == QLatin1String("Robin Vale"))
                        return label->Font().Name();
            return QString();
        };
        chooser.Preview();
        EXPECT_EQ(chooser.SelectedFont(), QString());
        EXPECT_EQ(faceOfName(),
                  ProfileFile(copied[0]).ReadString(QStringLiteral("Name"), QStringLiteral("Font Name")));
        chooser.FontList->setCurrentRow(chooser.FontList->count() - 1);
        chooser.Preview();
        EXPECT_EQ(faceOfName(), chooser.FontList->currentItem()->text());
        const int upright = int(std::find_if(copied.begin(), copied.end(), [](const QString& f) {
                                    return ProfileFile(f).ReadBool(QStringLiteral("Card Data"),
                                                                   QStringLiteral("Portrait Mode"), false);
                                }) - copied.begin());
        ASSERT_LT(upright, copied.size());
        chooser.TemplateList->setCurrentRow(upright);
        chooser.Preview();
        EXPECT_EQ(chooser.PreviewPanel().Width(), 192);
        EXPECT_EQ(chooser.PreviewPanel().Height(), 336);
    }
    qputenv("QUILLMARK_HOME", old);

    const QStringList bundled = SelectPreviewTemplate::TemplateFiles(kBundled);
    ASSERT_EQ(copied.size(), bundled.size());
    for (int i = 0; i < copied.size(); ++i)
        EXPECT_EQ(Bytes(copied[i]), Bytes(bundled[i])) << copied[i].toStdString();
    // Every background a template names is there too.
    for (const QString& file : copied) {
        const QString art =
            ProfileFile(file).ReadString(QStringLiteral("Card Data"), QStringLiteral("Background File"));
        if (!art.isEmpty()) {
            EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("bg/") + art))) << art.toStdString();
        }
    }
}
