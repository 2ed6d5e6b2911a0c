// SPDX-License-Identifier: GPL-3.0-or-later
// The template gallery: a picture of every template drawn by the card renderer, those in sight first and
// each once, and a template opened from it with a double-click or Enter.
#include "app/templatechooser_ui.h"
#include "app/templatethumbnails.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;

namespace {

const QStringList kTemplates = {QStringLiteral("Blue Stripes"),  QStringLiteral("Bright Gradient"),
                                QStringLiteral("Classic Navy"),  QStringLiteral("Coffee House"),
                                QStringLiteral("Corner Sunrise"), QStringLiteral("Garden Care"),
                                QStringLiteral("Gold Frame"),    QStringLiteral("Law Office"),
                                QStringLiteral("Upright Arch")};

// A data folder of its own with a few of the starter templates (without their art) in its qmkt folder.
class TemplateGallery : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mOld = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", mHome.path().toUtf8());
        QDir(mHome.path()).mkpath(QStringLiteral("qmkt"));
        for (const QString& name : kTemplates) {
            const QString to = Template(name);
            ASSERT_TRUE(QFile::copy(QStringLiteral(":/starter/qmkt/") + name + QStringLiteral(".qmkt"), to));
            QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    void TearDown() override { qputenv("QUILLMARK_HOME", mOld); }
    QString Template(const QString& name) const
    {
        return mHome.filePath(QStringLiteral("qmkt/") + name + QStringLiteral(".qmkt"));
    }

    QTemporaryDir mHome;
    QByteArray mOld;
};

// How many different colours a picture has: a drawn card has many, a blank one two or three.
int Colours(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

} // namespace

TEST_F(TemplateGallery, ThumbnailsShowEachCardInItsProportionsAndAreDrawnOnceUntilTheFileChanges)
{
    TemplateThumbnails thumbnails(QSize(160, 112), 3.5f, 2.0f, {QStringLiteral("Robin Vale")});
    const QImage navy = thumbnails.Thumbnail(Template(QStringLiteral("Classic Navy")));
    const QImage arch = thumbnails.Thumbnail(Template(QStringLiteral("Upright Arch")));
    EXPECT_EQ(navy.size(), QSize(160, 91)) << "a 3.5 x 2 inch card across the whole width";
    EXPECT_EQ(arch.size(), QSize(64, 112)) << "an upright template stands in the box's height";
    EXPECT_GT(Colours(navy), 20) << "the card's objects are drawn";
    EXPECT_NE(navy.copy(0, 0, 64, 91), arch.copy(0, 0, 64, 91));
    EXPECT_EQ(thumbnails.Drawn(), 2);

    EXPECT_EQ(thumbnails.Thumbnail(Template(QStringLiteral("Classic Navy"))), navy);
    EXPECT_EQ(thumbnails.Drawn(), 2) << "kept, not drawn again";

    // The template is saved again (another card stored over it): drawn anew.
    QFile file(Template(QStringLiteral("Classic Navy")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QFileInfo(file).lastModified().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_FALSE(thumbnails.Has(Template(QStringLiteral("Classic Navy"))));
    thumbnails.Thumbnail(Template(QStringLiteral("Classic Navy")));
    EXPECT_EQ(thumbnails.Drawn(), 3);

    // A file that is not there: a blank card, no failure.
    const QImage missing = thumbnails.Thumbnail(mHome.filePath(QStringLiteral("qmkt/gone.qmkt")));
    EXPECT_EQ(missing.size(), QSize(160, 91));
    EXPECT_LE(Colours(missing), 3);
}

TEST_F(TemplateGallery, PicturesInSightComeFirstEveryOneIsDrawnOnceAndAnotherOpeningReusesThem)
{
    // Card sizes of their own, so that no other opening has drawn these pictures.
    const float width = 3.4f, height = 2.1f;
    {
        SelectPreviewTemplate gallery(width, height, {QStringLiteral("Ada Byron")});
        ASSERT_EQ(gallery.TemplateList->count(), kTemplates.size());
        EXPECT_EQ(gallery.TemplateList->item(2)->text(), kTemplates[2]);
        EXPECT_EQ(gallery.Thumbnails().Drawn(), 0) << "opening draws nothing yet";

        // A small gallery scrolled to its end: the pictures there are drawn before those above.
        gallery.resize(420, 300);
        gallery.show();
        gallery.TemplateList->scrollToItem(gallery.TemplateList->item(kTemplates.size() - 1));
        ASSERT_TRUE(gallery.DrawNextThumbnail());
        EXPECT_FALSE(gallery.Thumbnails().Has(Template(kTemplates.first()))) << "the first, out of sight, waits";
        // A column of pictures, the last three or four of them in sight.
        int inSight = 0;
        for (int row = kTemplates.size() - 4; row < kTemplates.size(); ++row)
            inSight += gallery.Thumbnails().Has(Template(kTemplates[row]));
        EXPECT_EQ(inSight, 1) << "one of the last rows, in sight, comes first";
        int steps = 1;
        while (gallery.DrawNextThumbnail())
            ++steps;
        EXPECT_EQ(steps, kTemplates.size());
        EXPECT_EQ(gallery.Thumbnails().Drawn(), kTemplates.size());
    }
    SelectPreviewTemplate again(width, height, {QStringLiteral("Ada Byron")});
    EXPECT_FALSE(again.DrawNextThumbnail()) << "every picture shown at once from the last opening";
    EXPECT_EQ(again.Thumbnails().Drawn(), kTemplates.size());
}

TEST_F(TemplateGallery, ArrowKeysMoveThroughTheGalleryAndEnterOrADoubleClickOpensTheTemplate)
{
    {
        SelectPreviewTemplate gallery(3.5f, 2.0f, {});
        gallery.resize(1200, 800); // pictures side by side
        gallery.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&gallery));
        gallery.TemplateList->setFocus();
        QTest::keyClick(gallery.TemplateList, Qt::Key_Right);
        QTest::keyClick(gallery.TemplateList, Qt::Key_Right);
        EXPECT_EQ(gallery.SelectedTemplate(), Template(kTemplates[2]));
        QTest::keyClick(gallery.TemplateList, Qt::Key_Return);
        EXPECT_EQ(gallery.result(), QDialog::Accepted);
        EXPECT_FALSE(gallery.isVisible());
        EXPECT_EQ(gallery.SelectedTemplate(), Template(kTemplates[2]));
    }
    {
        SelectPreviewTemplate gallery(3.5f, 2.0f, {});
        gallery.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&gallery));
        QListWidgetItem* fourth = gallery.TemplateList->item(3);
        const QPoint at = gallery.TemplateList->visualItemRect(fourth).center();
        QTest::mouseClick(gallery.TemplateList->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(gallery.TemplateList->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(gallery.result(), QDialog::Accepted);
        EXPECT_EQ(gallery.SelectedTemplate(), Template(kTemplates[3]));
    }
}
