// SPDX-License-Identifier: GPL-3.0-or-later
// Textures of the multi-purpose shape: the starter set as installed on a first start, the "Load Texture
// Image" browser, and choosing a texture from the properties dialog.
#include "app/carddocument.h"
#include "model/cardrender.h"
#include "objects/picturebrowser.h"
#include "objects/picturebrowser_ui.h"
#include "objects/shapes/supershape.h"
#include "objects/shapes/supershapedialog_ui.h"
#include "objects/shapes/surfacefill.h"
#include "objects/shapes/texturebrowser_ui.h"
#include "objects/texturebrowser.h"
#include "platform/helphook.h"
#include "platform/paths.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace qm;

namespace {

// A data folder of its own for one test.
class DataFolder
{
public:
    DataFolder() : mOld(qgetenv("QUILLMARK_HOME")) { qputenv("QUILLMARK_HOME", mDir.path().toUtf8()); }
    ~DataFolder() { qputenv("QUILLMARK_HOME", mOld); }
    QString File(const QString& name) const { return ProgramFile(name); }

private:
    QTemporaryDir mDir;
    QByteArray mOld;
};

void SavePicture(const QString& path, QRgb color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(path));
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A bitmap claiming 50,000 x 50,000 pixels.
QByteArray BombBitmap()
{
    QImage small(2, 2, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "BMP");
    qToLittleEndian<qint32>(50000, bmp.data() + 18);
    qToLittleEndian<qint32>(50000, bmp.data() + 22);
    return bmp;
}

// The mean difference of the pixels across the tile's wrap (last column to first, last row to first) and
// between neighbours inside it, in grey levels.
void SeamAndInside(const QImage& tile, double& seam, double& inside, bool acrossColumns)
{
    seam = inside = 0;
    const int w = tile.width(), h = tile.height();
    const int n = acrossColumns ? w : h, m = acrossColumns ? h : w;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            const int next = (i + 1) % n;
            const QRgb a = acrossColumns ? tile.pixel(i, j) : tile.pixel(j, i);
            const QRgb b = acrossColumns ? tile.pixel(next, j) : tile.pixel(j, next);
            const double d = std::abs(qGray(a) - qGray(b));
            (next == 0 ? seam : inside) += d;
        }
    seam /= m;
    inside /= double(m) * (n - 1);
}

QRgb PreviewPixel(const TSuperShape& shape, int x, int y)
{
    QImage image(shape.Width(), shape.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    shape.Draw(painter, RenderContext());
    painter.end();
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(StarterTextures, ArriveOnceWritableSmallSeamlessAndEachOneLoads)
{
    DataFolder data;
    CardDocument::CreateFolders();
    const QString bundled = QStringLiteral(":/starter/bmbrush");
    const QStringList names = QDir(bundled).entryList(QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 16);
    const QString folder = data.File(QStringLiteral("bmbrush"));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile source(bundled + "/" + name), copy(folder + "/" + name);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        EXPECT_EQ(copy.readAll(), bytes);
        EXPECT_TRUE(copy.permissions() & QFile::WriteOwner) << "the user's copy is theirs to change";
        EXPECT_LT(bytes.size(), 60 * 1024);
        EXPECT_TRUE(MatchesPictureMasks(name, TextureFileMasks()));

        // The browser reads it as the card will keep it: a bitmap with the very same pixels.
        TextureChoice choice;
        ASSERT_TRUE(choice.Select(copy.fileName()));
        const QByteArray kept = choice.Bitmap().FileBytes();
        EXPECT_TRUE(kept.startsWith("BM"));
        const QImage original = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(DecodeTexture(kept), original);

        // Tiles join without a seam: across the wrap the pixels differ no more than neighbours do inside.
        double seam, inside;
        SeamAndInside(original, seam, inside, true);
        EXPECT_LE(seam, 2 * inside + 2) << "left and right edges";
        SeamAndInside(original, seam, inside, false);
        EXPECT_LE(seam, 2 * inside + 2) << "top and bottom edges";
    }

    // A texture the user deleted stays deleted on the next start.
    ASSERT_TRUE(QFile::remove(folder + "/" + names.first()));
    CardDocument::CreateFolders();
    EXPECT_FALSE(QFile::exists(folder + "/" + names.first()));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), names.size() - 1);
}

TEST(TextureBrowser, OpensWhereItShouldPreviewsTheTextureAndRefusesFilesItCannotRead)
{
    DataFolder data;
    const QString textures = data.File(QStringLiteral("Textures"));
    const QString bmbrush = data.File(QStringLiteral("bmbrush"));
    ASSERT_TRUE(QDir().mkpath(textures));
    TSuperShape sample;
    sample.SetShape(kstRectangle);
    sample.SetOutlineStyle(psClear);
    sample.SetSurfaceType(TSuperShape::stGradientFill);
    {
        TKBrushImageBrowser browser(sample, QStringLiteral("/no/such/texture.bmp"));
        EXPECT_EQ(browser.Browser()->Folder(), QDir::cleanPath(textures)) << "no bmbrush folder: Textures";
    }
    ASSERT_TRUE(QDir().mkpath(bmbrush));
    SavePicture(bmbrush + "/red.png", qRgb(255, 0, 0));
    SavePicture(bmbrush + "/blue.bmp", qRgb(0, 0, 255));
    WriteBytes(bmbrush + "/broken.bmp", "BM this is no bitmap");
    WriteBytes(bmbrush + "/bomb.bmp", BombBitmap());
    {
        QFile huge(bmbrush + "/huge.png");
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(TextureChoice::kMaxFileBytes + 1));
    }

    TKBrushImageBrowser browser(sample, QString());
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("Load Texture Image"));
    EXPECT_EQ(browser.Browser()->Folder(), QDir::cleanPath(bmbrush));
    EXPECT_EQ(browser.Browser()->Contents().Files(),
              QStringList({"blue.bmp", "bomb.bmp", "broken.bmp", "huge.png", "red.png"}));
    EXPECT_FALSE(browser.OkButton()->isEnabled()) << "no texture chosen yet";
    EXPECT_EQ(browser.Preview().Width(), 75);
    QStringList errors;
    browser.ShowError = [&](const QString& message) { errors << message; };

    browser.FileSelected(bmbrush + "/red.png");
    EXPECT_TRUE(browser.OkButton()->isEnabled());
    EXPECT_EQ(PreviewPixel(browser.Preview(), 37, 37), 0xFF0000u) << "the preview shape shows the texture";
    EXPECT_EQ(browser.Choice().SelectedFile(), bmbrush + "/red.png");

    for (const char* bad : {"broken.bmp", "bomb.bmp", "huge.png"}) {
        SCOPED_TRACE(bad);
        errors.clear();
        browser.FileSelected(bmbrush + "/" + bad);
        EXPECT_EQ(errors, QStringList({"Error loading file!"}));
        EXPECT_FALSE(browser.OkButton()->isEnabled());
        EXPECT_TRUE(browser.Preview().Image().Empty());
        EXPECT_EQ(PreviewPixel(browser.Preview(), 37, 37), 0xFFFFFFu);
    }

    // Selecting in the file list reads the file too.
    QListWidget* files = browser.Browser()->FileList();
    files->item(0)->setSelected(true);
    EXPECT_EQ(PreviewPixel(browser.Preview(), 37, 37), 0x0000FFu);

    QList<int> contexts;
    SetHelpHandler([&](int context) { contexts << context; });
    for (QPushButton* button : browser.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Help"))
            button->click();
    SetHelpHandler({});
    EXPECT_EQ(contexts, QList<int>({40012}));

    // Opened again on the last texture: its folder, the file selected and read.
    TKBrushImageBrowser again(sample, bmbrush + "/red.png");
    EXPECT_EQ(again.Browser()->SelectedFile(), bmbrush + "/red.png");
    EXPECT_TRUE(again.OkButton()->isEnabled());
}

TEST(TextureBrowser, TheShapeDialogTakesTheTextureChosenAndKeepsItWhenTheBrowserIsCancelled)
{
    DataFolder data;
    const QString bmbrush = data.File(QStringLiteral("bmbrush"));
    ASSERT_TRUE(QDir().mkpath(bmbrush));
    SavePicture(bmbrush + "/red.png", qRgb(255, 0, 0));
    WriteBytes(bmbrush + "/broken.bmp", "BM this is no bitmap");

    TSuperShape sample;
    sample.SetShape(kstRectangle);
    sample.SetOutlineStyle(psClear);
    sample.SetSurfaceType(TSuperShape::stBrushImage);
    QString path;
    int step = 0, ticks = 0;
    QList<int> contexts;
    SetHelpHandler([&](int context) { contexts << context; });
    QStringList errors;
    auto button = [](QWidget* dialog, const char* text) {
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QLatin1String(text))
                return b;
        return static_cast<QPushButton*>(nullptr);
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* active = QApplication::activeModalWidget();
        auto* browser = dynamic_cast<TKBrushImageBrowser*>(active);
        auto* dialog = browser ? nullptr : qobject_cast<QDialog*>(active);
        if (step == 0 && dialog && button(dialog, "Load Texture")) {
            ++step;
            QTimer::singleShot(0, button(dialog, "Load Texture"), &QPushButton::click);
        } else if (step == 1 && browser) {
            ++step;
            browser->FileSelected(bmbrush + "/red.png");
            browser->OkButton()->click();
        } else if (step == 2 && dialog) {
            ++step;
            button(dialog, "Help")->click();
            QTimer::singleShot(0, button(dialog, "Load Texture"), &QPushButton::click);
        } else if (step == 3 && browser) {
            ++step;
            browser->ShowError = [&](const QString& message) { errors << message; };
            browser->FileSelected(bmbrush + "/broken.bmp");
            button(browser, "Cancel")->click();
        } else if (step == 4 && dialog) {
            ++step;
            dialog->accept();
        } else if (++ticks > 500) {
            timer.stop();
            if (active)
                static_cast<QDialog*>(active)->reject();
        }
    });
    timer.start(10);
    EXPECT_TRUE(ShowSuperShapeProperties(nullptr, sample, path));
    SetHelpHandler({});
    EXPECT_EQ(step, 5);
    EXPECT_EQ(path, bmbrush + "/red.png");
    EXPECT_EQ(contexts, QList<int>({40011}));
    EXPECT_EQ(errors, QStringList({"Error loading file!"}));
    EXPECT_EQ(PreviewPixel(sample, 40, 40), 0xFF0000u) << "the broken file cancelled leaves the red texture";
}
