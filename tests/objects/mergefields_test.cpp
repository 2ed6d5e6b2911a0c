// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for placeholders in text: what "{Name}" shows on screen, in a plain print and in a merge, drawn by every
// kind of text object, and the menu items that insert them.
#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "model/mergerecord.h"
#include "model/objectmenu.h"
#include "objects/text/circletext.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/personallabel.h"
#include "objects/text/richtext.h"
#include "objects/text/richtextlayout.h"
#include "objects/text/supertext.h"

#include "print/pdfutil.h"
#include "testutil.h"

#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace qm;

namespace {

// A card of one kind of text object per row, with the given texts.
struct TextCard
{
    CardModel card;
    explicit TextCard(const QString& line, const QString& multi)
    {
        card.SetSize(QSize(336, 192));
        auto* label = static_cast<TKPLabel*>(card.Objects().Add(std::make_unique<TKPLabel>()));
        label->SetBounds(10, 10, 300, 30);
        label->SetAlignment(taRightJustify);
        label->SetDepthShadow(3);
        label->SetCaption(line);
        auto* lines = static_cast<TKMultiLineLabel*>(card.Objects().Add(std::make_unique<TKMultiLineLabel>()));
        lines->SetBounds(10, 45, 120, 60);
        lines->SetWordWrap(true);
        lines->SetAlignment(taCenter);
        lines->SetItems({multi, QStringLiteral("Tel. ") + line});
        auto* super = static_cast<TKSuperText*>(card.Objects().Add(std::make_unique<TKSuperText>()));
        super->SetBounds(140, 45, 190, 40);
        super->SetCaption(line);
        auto* circle = static_cast<TKPCircleText*>(card.Objects().Add(std::make_unique<TKPCircleText>()));
        circle->SetBounds(140, 90, 100, 100);
        circle->SetCaption(line);
        card.LayOutObjects();
    }
    QImage Draw(const QStringList& personal, const MergeRecord* record)
    {
        QImage image(336, 192, QImage::Format_RGB32);
        QPainter painter(&image);
        RenderContext context;
        context.target = RenderContext::Picture;
        context.personal = personal;
        context.record = record;
        DrawCard(painter, card, context);
        return image;
    }
};

QStringList Personal()
{
    QStringList p(10, QString());
    p[0] = QStringLiteral("Ada Lovelace-Byron");
    p[1] = QStringLiteral("Analytical Engines Ltd");
    return p;
}

} // namespace

TEST(MergeFields, PlaceholdersInText)
{
    const QStringList personal = Personal();
    MergeRecord record;
    record.Add(QStringLiteral("Name"), QStringLiteral("Zoë"));
    record.Add(QStringLiteral("Shoe size"), QStringLiteral("42"));
    record.Add(QStringLiteral("name"), QStringLiteral("second"));
    const QString text = QStringLiteral("{Name} {{Name}} {shoe SIZE} {Fax}{Colour} {Name {x\n} {} {");
    // Without a record: personal fields show the personal strings, others stay as typed.
    EXPECT_EQ(MergeText(text, personal, nullptr),
              QStringLiteral("Ada Lovelace-Byron {Name}} {shoe SIZE} {Colour} {Name {x\n} {} {"));
    // With one: every placeholder takes the record's value, empty when it has none.
    EXPECT_EQ(MergeText(text, personal, &record), QStringLiteral("Zoë {Name}} 42  {Name {x\n}  {"));
    // On the design panel an empty personal field shows its sample (blanks count as empty); a record's empty
    // value never does.
    EXPECT_EQ(MergeText(QStringLiteral("{Fax}|{Name}|{Phone2}"), {QStringLiteral("Ada"), {}, {}, {}, {}, {}, {},
                                                                   QStringLiteral(" ")},
                        nullptr, true),
              QStringLiteral("Fax Number|Ada|Phone Two"));
    EXPECT_EQ(MergeText(QStringLiteral("{Fax}"), {}, &record, true), QString());
    EXPECT_EQ(PersonalSample(0), QStringLiteral("Your Own Name"));
    EXPECT_EQ(PersonalSample(kMergePersonalCount), QString());
    // A name longer than 255 characters is no placeholder.
    const QString longName = QLatin1Char('{') + QString(256, QLatin1Char('a')) + QLatin1Char('}');
    EXPECT_EQ(MergeText(longName, personal, &record), longName);
    // Text without a brace is the same string, not a copy.
    const QString plain = QStringLiteral("No fields here");
    EXPECT_EQ(MergeText(plain, personal, &record).constData(), plain.constData());
}

TEST(MergeFields, EveryTextObjectDrawsTheValuesAsIfTyped)
{
    // In a merge each placeholder shows the record's value: the same pixels as the values typed in, with
    // right, centred and wrapped text placed for the value, not for the placeholder.
    MergeRecord record;
    record.Add(QStringLiteral("Name"), QStringLiteral("Zoë Müller-Lüdenscheidt"));
    record.Add(QStringLiteral("Company"), QStringLiteral("Brot und Butter Bäckerei"));
    TextCard merged(QStringLiteral("{Name}"), QStringLiteral("{Company} GmbH"));
    TextCard typed(QStringLiteral("Zoë Müller-Lüdenscheidt"), QStringLiteral("Brot und Butter Bäckerei GmbH"));
    const QImage expected = typed.Draw(Personal(), nullptr);
    EXPECT_EQ(merged.Draw(Personal(), &record), expected);

    // On screen and in a plain print: the personal information; the card's own when none is given.
    TextCard mine(QStringLiteral("Ada Lovelace-Byron"), QStringLiteral("Analytical Engines Ltd GmbH"));
    EXPECT_EQ(merged.Draw(Personal(), nullptr), mine.Draw({}, nullptr));
    merged.card.SetPersonalStrings(Personal());
    EXPECT_EQ(merged.Draw({}, nullptr), mine.Draw({}, nullptr));
    EXPECT_NE(merged.Draw({}, nullptr), expected);

    // Other placeholders show as typed; in a merge without such a column, nothing.
    TextCard other(QStringLiteral("{Colour}"), QStringLiteral("{Size}"));
    TextCard blank{QString(), QString()};
    EXPECT_NE(other.Draw(Personal(), nullptr), blank.Draw(Personal(), nullptr));
    TextCard asTyped(QStringLiteral("{{Colour}"), QStringLiteral("{{Size}"));
    EXPECT_EQ(other.Draw(Personal(), nullptr), asTyped.Draw(Personal(), nullptr));
    EXPECT_EQ(other.Draw(Personal(), &record), blank.Draw(Personal(), &record));
}

TEST(MergeFields, PersonalMenuInsertsMergeFields)
{
    struct Host : qmtest::TestHost
    {
        QStringList PersonalStrings() const override { return Personal(); }
    } panel;
    TKBusinessCardLabel label;
    panel.Adopt(label);
    label.Loaded();
    label.SetBounds(0, 0, 20, 20);
    label.LayOut();
    TKMenu* menu = label.PopupMenu();
    ASSERT_NE(menu, nullptr);
    menu->AboutToShow();
    TKMenu* fields = menu->Submenu(TKBusinessCardLabel::PersonalMenuCaption());
    ASSERT_NE(fields, nullptr);
    EXPECT_EQ(fields->Captions().mid(10), QStringList({"-", "Insert as merge field"}));
    TKMenu* merge = fields->Submenu(QStringLiteral("Insert as merge field"));
    ASSERT_NE(merge, nullptr);
    EXPECT_EQ(merge->Captions().first(), "Name\t{Name}");
    EXPECT_EQ(merge->Captions().at(8), "EMail\t{EMail}");
    ASSERT_TRUE(menu->Trigger(QStringLiteral("Personal Information/Insert as merge field/Company\t{Company}")));
    EXPECT_EQ(label.Caption(), QStringLiteral("{Company}"));
    EXPECT_GT(panel.changes, 0);
    // The box grows to what the screen shows: the company's name, wider than its placeholder.
    const QFontMetrics metrics(label.DrawingFont());
    EXPECT_GE(label.Width(), metrics.horizontalAdvance(Personal()[1]));
}

// Rich text: each placeholder takes its value in the format of its run (a bold name stays bold, a red
// company red), and the lines wrap for the values: the same pixels as the values typed into the document.
TEST(MergeFields, RichTextShowsTheValuesInTheFormatOfTheirRuns)
{
    const auto rtf = [](const QByteArray& name, const QByteArray& company) {
        return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red200\\green0\\blue0;}"
               "\\pard\\qc\\f0\\fs28 Dear \\b " +
               name + "\\b0 ,\\par\\pard\\fs20 of \\cf1 " + company + "\\cf0  and \\{\\{friends\\}\\par}";
    };
    const auto draw = [](const QByteArray& document, const QStringList& personal, const MergeRecord* record) {
        CardModel card;
        card.SetSize(QSize(336, 192));
        auto* rich = static_cast<TKPRichBaseLabel*>(card.Objects().Add(std::make_unique<TKPRichBaseLabel>()));
        rich->SetBounds(10, 10, 180, 120);
        rich->SetBorderStyle(bsNone);
        TKRichText text;
        text.SetData(document);
        rich->SetRTFText(text);
        card.LayOutObjects();
        QImage image(336, 192, QImage::Format_RGB32);
        QPainter painter(&image);
        RenderContext context;
        context.target = RenderContext::Picture;
        context.personal = personal;
        context.record = record;
        DrawCard(painter, card, context);
        // What the object laid out last.
        const QTextDocument& shown = rich->Layout().Document();
        return std::make_pair(image, shown.toPlainText());
    };
    MergeRecord record;
    record.Add(QStringLiteral("Name"), QStringLiteral("Zoë Müller-Lüdenscheidt"));
    record.Add(QStringLiteral("Company"), QStringLiteral("Brot und Butter Bäckerei"));
    const QByteArray merged = rtf("\\{Name\\}", "\\{Company\\}");
    const auto typed = draw(rtf("Zo\\'eb M\\'fcller-L\\'fcdenscheidt", "Brot und Butter B\\'e4ckerei"), Personal(), nullptr);
    EXPECT_EQ(typed.second, QStringLiteral("Dear Zoë Müller-Lüdenscheidt,\nof Brot und Butter Bäckerei and {friends}"));
    const auto inMerge = draw(merged, Personal(), &record);
    EXPECT_EQ(inMerge.first, typed.first);

    // On screen: the personal information, in the same formats.
    const auto mine = draw(rtf("Ada Lovelace-Byron", "Analytical Engines Ltd"), Personal(), nullptr);
    EXPECT_EQ(draw(merged, Personal(), nullptr).first, mine.first);
    EXPECT_NE(mine.first, typed.first);

    // The laid-out document keeps the formats: the bold run holds the whole value, the red one too.
    RichTextLayout layout;
    layout.Update(merged, QSize(180, 120), 1.0f, Personal(), &record);
    const QTextBlock first = layout.Document().begin();
    for (auto it = first.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.text().contains(QStringLiteral("Zoë"))) {
            EXPECT_EQ(f.text(), QStringLiteral("Zoë Müller-Lüdenscheidt"));
        }
        EXPECT_EQ(f.charFormat().fontWeight() >= QFont::Bold, f.text().contains(QStringLiteral("Zoë")))
            << qPrintable(f.text());
    }
    const int laidOut = layout.Layouts();
    layout.Update(merged, QSize(180, 120), 1.0f, Personal(), &record);
    EXPECT_EQ(layout.Layouts(), laidOut); // the same values: no new layout
}

TEST(MergeFields, ALongValueWidensItsLabelAboutItsAlignmentInsteadOfBeingCut)
{
    // Labels sized for a short name; in a merge a long one prints whole, as typing it would grow the label:
    // to the right of a left-aligned label, about the middle of a centred one, to the left of a right-aligned
    // one. On screen and in a plain print the box stays as it is.
    const QString name = QStringLiteral("Bartholomew Longname-Smith");
    const auto card = [](const QString& caption, bool grow) {
        auto model = std::make_unique<CardModel>();
        model->SetSize(QSize(336, 192));
        const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
        for (int i = 0; i < 3; ++i) {
            auto* label = static_cast<TKPLabel*>(model->Objects().Add(std::make_unique<TKPLabel>()));
            label->SetBounds(130, 10 + 40 * i, 70, 30);
            label->SetAlignment(alignments[i]);
            label->SetCaption(caption);
            if (grow)
                label->AutoGrow();
        }
        model->LayOutObjects();
        return model;
    };
    const auto draw = [](const CardModel& model, const MergeRecord* record) {
        QImage image(336, 192, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        RenderContext context;
        context.target = RenderContext::Paper;
        context.record = record;
        DrawCard(painter, model, context);
        return image;
    };
    MergeRecord record;
    record.Add(QStringLiteral("Name"), name);
    const auto merged = card(QStringLiteral("{Name}"), false);
    const QImage image = draw(*merged, &record);
    const QRect left = qmtest::InkBox(image, QRect(0, 10, 336, 30));
    const QRect centre = qmtest::InkBox(image, QRect(0, 50, 336, 30));
    const QRect right = qmtest::InkBox(image, QRect(0, 90, 336, 30));
    ASSERT_FALSE(left.isEmpty());
    EXPECT_GT(left.width(), 120);
    EXPECT_NEAR(left.left(), 130, 3);
    EXPECT_NEAR(centre.center().x(), 165, 3);
    EXPECT_EQ(centre.width(), left.width());
    EXPECT_NEAR(right.right(), 199, 12); // the space after the text stays inside the box
    EXPECT_LT(right.left(), 130 - 40);
    // The left-aligned label prints as the value typed in and grown.
    const auto typed = card(name, true);
    const QImage typedImage = draw(*typed, nullptr);
    EXPECT_EQ(image.copy(0, 10, 336, 30), typedImage.copy(0, 10, 336, 30));

    // Without a merge the box cuts the text as on screen.
    const auto plain = card(QStringLiteral("{Company}"), false);
    CardModel& model = *plain;
    QStringList personal(10, QString());
    personal[1] = name;
    model.SetPersonalStrings(personal);
    const QImage cut = draw(model, nullptr);
    const QRect cutLeft = qmtest::InkBox(cut, QRect(0, 10, 336, 30));
    EXPECT_LE(cutLeft.right(), 200);
}
