// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the personal information dialog's vCard buttons: importing an address book's contact and
// exporting the fields as a vCard file.
#include "app/personalinfo_ui.h"
#include "contacts/vcard.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qm;

TEST(PersonalInformationVCard, ImportFillsTheFieldsAndExportWritesThemBack)
{
    const QString root = qmtest::SourceFile(QString());
    TPersonalInformation dialog;
    ASSERT_NE(dialog.findChild<QPushButton*>(QStringLiteral("ImportVCardButton")), nullptr);
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("ExportVCardButton"))->text(),
              QStringLiteral("Export as vCard..."));
    const QStringList mine = {"Ada", "Engines Ltd", "", "", "", "", "", "", "", ""};
    dialog.SetValues(mine);

    // Files that hold no contact leave the fields as they were and say why.
    QTemporaryDir dir;
    QString error;
    const QString png = dir.filePath(QStringLiteral("photo.vcf"));
    {
        QFile f(png);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    }
    EXPECT_FALSE(dialog.ImportVCard(png, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("binary"))) << qPrintable(error);
    EXPECT_FALSE(dialog.ImportVCard(QDir(root).filePath(QStringLiteral("tests/data/merge/spreadsheet-utf8.csv")), &error));
    EXPECT_EQ(error, QStringLiteral("The file holds no vCard."));
    EXPECT_EQ(dialog.Values(), mine);

    // An address book's contact fills every field.
    ASSERT_TRUE(dialog.ImportVCard(QDir(root).filePath(QStringLiteral("tests/data/merge/address-book.vcf")), &error))
        << qPrintable(error);
    EXPECT_EQ(dialog.Field(0)->text(), QStringLiteral("Dr. Zoë Müller"));
    EXPECT_EQ(dialog.Field(5)->text(), QStringLiteral("Berlin 10115"));
    EXPECT_EQ(dialog.Field(9)->text(), QStringLiteral("+49 30 555 0199"));

    // Exported as typed, and the file reads back to the same fields.
    dialog.Field(2)->setText(QStringLiteral("Head Baker; Owner"));
    const QString out = dir.filePath(QStringLiteral("zoe.vcf"));
    ASSERT_TRUE(dialog.ExportVCard(out, &error)) << qPrintable(error);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), PersonalVCard(dialog.Values()));
    QStringList back;
    ASSERT_TRUE(ReadPersonalVCard(out, back, &error));
    EXPECT_EQ(back, dialog.Values());
    EXPECT_FALSE(dialog.ExportVCard(dir.path(), &error));
    EXPECT_FALSE(error.isEmpty());
}
