// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-line text and symbols: rows in their pixels, word wrap, fitting, the glyph box, the menus, the stream,
// the symbol characters as the faces draw them, the editor and the selector, and both on paper.
#include "../print/pdfutil.h"

#include "design/cardpanel.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "model/cardrender.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/multilineeditor_ui.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/multilinelayout.h"
#include "objects/text/symbolfonts.h"
#include "objects/text/symbollabel.h"
#include "objects/text/symbolselector_ui.h"
#include "print/pagedreport.h"
#include "print/printers_ui.h"
#include "print/report.h"
#include "print/sheetprinter.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace qm;

namespace {

// Wingdings 0x28 as drawn: the telephone Unicode had before 7.0 (which gave the glyph U+1F57F), a character PDF
// files can name.
const QString kTelephone = QStringLiteral("\u260E");

// The object drawn alone, on white, its box's top-left corner at the picture's.
QImage Rendered(TKGraphicControl& object)
{
    object.PrepareLayout();
    QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    object.Draw(p, RenderContext());
    return image;
}

QFont PixelFont(const char* face, int pixels)
{
    QFont font{QString::fromLatin1(face)};
    font.setPixelSize(pixels);
    font.setKerning(false);
    return font;
}

int DarkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

// Answers the editor and the selector as scripted.
class ScriptedDialogs : public TKDialogs
{
public:
    bool answer = true;
    QStringList typed;
    TKFont symbolFont;
    int pickedCode = -1;
    int openedAtCode = -2;
    TColor pickedColor = -1; // below zero: the colour dialog is cancelled
    bool ChooseFont(TKFont&) override { return false; }
    bool ChooseColor(TColor& color) override
    {
        if (pickedColor < 0)
            return false;
        color = pickedColor;
        return true;
    }
    bool EditMultiLineText(QStringList& lines, const TKFont&) override
    {
        if (answer)
            lines = typed;
        return answer;
    }
    bool ChooseSymbol(TKFont& font, int& code) override
    {
        openedAtCode = code;
        if (!answer)
            return false;
        font.Assign(symbolFont);
        code = pickedCode;
        return true;
    }
};

struct Card
{
    TKBusinessCardPanel32 panel;
    ScriptedDialogs dialogs;
    Card() { panel.SetDialogs(&dialogs); }
    template <class T> T* Add(const QRect& box)
    {
        auto* object = static_cast<T*>(panel.CardObjects().Add(std::make_unique<T>()));
        object->SetBounds(box.x(), box.y(), box.width(), box.height());
        return object;
    }
    TKGraphicControl* Draw(TLPanelState state, const QRect& rect)
    {
        panel.SetPanelState(state);
        panel.CreateObject(rect);
        return panel.CardObjects().At(panel.CardObjects().Count() - 1);
    }
};

} // namespace

// ---- Multi-line text ----

TEST(MultiLineText, RowsSitWhereTheirAlignmentPutsThem)
{
    const QStringList lines{QStringLiteral("Hg"), QStringLiteral("Wide line of text"), QStringLiteral("x")};
    {
        for (const TAlignment alignment : {taLeftJustify, taCenter, taRightJustify}) {
            TKMultiLineLabel text;
            text.Font().SetName(QStringLiteral("Liberation Sans"));
            text.SetItems(lines);
            text.SetAlignment(alignment);
            text.SetBounds(0, 0, 191, 60);
            const QImage drawn = Rendered(text);

            // 10 points are 13 pixels. Rows follow each other at the cell height; right-aligned rows end a
            // pixel short of the edge, centred ones start a pixel right of the halved difference.
            const QFont font = PixelFont("Liberation Sans", 13);
            const QFontMetrics m(font);
            const int w = text.Width(), row = m.ascent() + m.descent();
            QImage expected(drawn.size(), QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter p(&expected);
            p.setFont(font);
            p.setPen(Qt::black);
            for (int i = 0; i < lines.size(); ++i) {
                const int lw = m.horizontalAdvance(lines[i]);
                const int x = alignment == taLeftJustify ? 0 : alignment == taRightJustify ? w - lw - 1
                                                                                             : w / 2 - lw / 2 + 1;
                p.save();
                p.setClipRect(QRect(0, i * row, w, row));
                p.drawText(x, i * row + m.ascent(), lines[i]);
                p.restore();
            }
            p.end();
            EXPECT_EQ(drawn, expected) << "alignment " << alignment;
            EXPECT_GT(DarkPixels(drawn), 100);
        }
    }
}

TEST(MultiLineText, AnEmptyTextShowsBlankAndRowsBelowTheBoxAreCutOff)
{
    const QFont font = PixelFont("Liberation Sans", 13);
    const auto texts = [&](const QStringList& lines, int height) {
        QStringList out;
        for (const TextRow& r : PlaceMultiLineRows(lines, font, QSize(100, height), taLeftJustify).rows)
            out << r.text;
        return out;
    };
    EXPECT_EQ(texts({}, 100), QStringList{QStringLiteral("<blank>")});
    EXPECT_EQ(texts({QStringLiteral("   ")}, 100), QStringList({QStringLiteral("   "), QStringLiteral("<blank>")}));
    const int row = QFontMetrics(font).ascent() + QFontMetrics(font).descent();
    EXPECT_EQ(texts({"a", "b", "c", "d"}, 2 * row), QStringList({"a", "b"}));
    EXPECT_EQ(texts({"a", "b", "c", "d"}, 2 * row + 1), QStringList({"a", "b", "c"})); // a sliver shows
}

TEST(MultiLineText, WordWrapBreaksAtSpacesAndInsideWordsTooLongForTheLine)
{
    // Liberation Mono at 20 pixels: every character is 12 pixels wide, so 120 pixels hold ten.
    const QFont font = PixelFont("Liberation Mono", 20);
    ASSERT_EQ(QFontMetrics(font).horizontalAdvance(QStringLiteral("abcdefghij")), 120);
    const auto wrap = [&](const QStringList& lines, int width) {
        return WrapMultiLineText(lines, font, width, 1000);
    };
    EXPECT_EQ(wrap({"The quick brown fox jumps"}, 120), QStringList({"The quick", "brown fox", "jumps"}));
    EXPECT_EQ(wrap({"The quick brown"}, 60), QStringList({"The", "quick", "brown"}));
    EXPECT_EQ(wrap({"abcdefghijklmnopqrstuvwxyz"}, 120), QStringList({"abcdefghij", "klmnopqrst", "uvwxyz"}));
    EXPECT_EQ(wrap({"Hello    world"}, 84), QStringList({"Hello", "world"}));
    EXPECT_EQ(wrap({"a", "", "b c"}, 120), QStringList({"a", "", "b c"}));
    EXPECT_EQ(wrap({"one two three"}, 1000), QStringList({"one two three"}));

    // The object breaks at its own width in its drawing font (15 points are 20 pixels), again at once when it
    // narrows, and draws the lines as typed once word wrap is off.
    TKMultiLineLabel text;
    text.Font().SetName(QStringLiteral("Liberation Mono"));
    text.Font().SetSize(15);
    text.SetItems({QStringLiteral("The quick brown fox jumps")});
    text.SetBounds(0, 0, 120, 200);
    text.SetWordWrap(true);
    text.PrepareLayout();
    EXPECT_EQ(text.WrappedLines(), QStringList({"The quick", "brown fox", "jumps"}));
    text.SetWidth(60);
    text.PrepareLayout();
    EXPECT_EQ(text.WrappedLines(), QStringList({"The", "quick", "brown", "fox", "jumps"}));
    text.SetWordWrap(false);
    EXPECT_EQ(text.DrawnLines(), QStringList{QStringLiteral("The quick brown fox jumps")});
}

TEST(MultiLineText, AHugeTextDrawsWhatFitsAndKeepsEveryLineInTheFile)
{
    QStringList many;
    for (int i = 0; i < 100000; ++i)
        many << QStringLiteral("Line %1 of a very long list").arg(i);
    const QString megabyte(1 << 20, QLatin1Char('w'));
    for (const QStringList& items : {many, QStringList{megabyte}}) {
        for (const TAlignment alignment : {taLeftJustify, taCenter, taRightJustify}) {
            TKMultiLineLabel text;
            text.SetItems(items);
            text.SetAlignment(alignment);
            text.SetBounds(0, 0, 190, 60);
            text.SetWordWrap(alignment != taCenter);
            const QImage drawn = Rendered(text);
            EXPECT_GT(DarkPixels(drawn), 200);
            if (text.WordWrap()) {
                EXPECT_LE(text.WrappedLines().size(), 6); // the rows that show, and one more
            }
        }
        TKMultiLineLabel text;
        text.SetItems(items);
        text.SetWordWrap(true);
        TKCardObjects objects;
        const ReadResult read = ReadObjectsFromBytes(objects, WriteObjectsToBytes({&text}));
        ASSERT_TRUE(read.ok) << qPrintable(read.error);
        EXPECT_EQ(static_cast<TKMultiLineLabel*>(read.objects.at(0))->Items().Strings(), items);
    }
}

TEST(MultiLineText, ANewTextOpensTheEditorAndFitsWhatWasTyped)
{
    Card card;
    card.panel.Font().SetName(QStringLiteral("Liberation Sans"));
    card.dialogs.typed = {QStringLiteral("Jane Doe"), QStringLiteral("12 High Street, Springfield"),
                          QStringLiteral("555 0100")};
    auto* text = dynamic_cast<TKMultiLineLabel*>(card.Draw(psMultiLineLabel, QRect(20, 30, 40, 10)));
    ASSERT_NE(text, nullptr);
    const QFontMetrics m(PixelFont("Liberation Sans", 13));
    const int row = m.ascent() + m.descent();
    EXPECT_EQ(text->Items().Strings(), card.dialogs.typed);
    EXPECT_EQ(text->BoundsRect(),
              QRect(20, 30, m.horizontalAdvance(QStringLiteral("12 High Street, Springfield")), 3 * row));

    // Never narrower than it was; an empty text keeps the one row its "<blank>" shows.
    text->SetBounds(20, 30, 400, 5);
    text->FitToText();
    EXPECT_EQ(text->BoundsRect(), QRect(20, 30, 400, 3 * row));
    card.dialogs.answer = false;
    auto* empty = dynamic_cast<TKMultiLineLabel*>(card.Draw(psMultiLineLabel, QRect(0, 0, 60, 60)));
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->Items().Strings().isEmpty());
    EXPECT_EQ(empty->BoundsRect(), QRect(0, 0, 60, row));
}

// ---- Symbols ----

TEST(SymbolFonts, CodesDrawAsTheirUnicodeCharacters)
{
    EXPECT_EQ(SymbolSetOf(QStringLiteral("WingDings")), TSymbolSet::Wingdings);
    EXPECT_EQ(SymbolSetOf(QStringLiteral("webdings")), TSymbolSet::Webdings);
    EXPECT_EQ(SymbolSetOf(QStringLiteral("Symbol")), TSymbolSet::Symbol);
    EXPECT_EQ(SymbolSetOf(QStringLiteral("Arial")), TSymbolSet::None);
    EXPECT_EQ(SymbolCharacter(TSymbolSet::Wingdings, 0x28), U'\U0001F57F'); // telephone
    EXPECT_EQ(SymbolCharacter(TSymbolSet::Wingdings, 0x2A), U'\U0001F582'); // envelope
    EXPECT_EQ(SymbolCharacter(TSymbolSet::Wingdings, 0xFC), U'\u2713');     // check mark
    EXPECT_EQ(SymbolCharacter(TSymbolSet::Webdings, 0x21), U'\U0001F577');  // spider web
    EXPECT_EQ(SymbolCharacter(TSymbolSet::Symbol, 'a'), U'\u03B1');
    EXPECT_EQ(SymbolCharacter(TSymbolSet::Symbol, 0xE5), U'\u2211');
    EXPECT_EQ(SymbolCharacter(TSymbolSet::Wingdings, 0x7F), U'\0');

    // Every code of the three fonts has a character some installed face draws, except the few without one.
    int boxes = 0;
    for (const char* face : {"Wingdings", "Webdings", "Symbol"}) {
        for (int code = 32; code <= 255; ++code) {
            const TSymbolText shown = SymbolText(QLatin1String(face), SymbolCodeText(code));
            EXPECT_FALSE(shown.face.isEmpty());
            boxes += shown.missing;
        }
    }
    // 0x7F of each font, Wingdings 0xFF, Symbol 0x80 to 0x9F, 0xF0 and 0xFF.
    EXPECT_EQ(boxes, 3 + 1 + 32 + 2);
    // A card stores the Windows-1252 character of the code: 0x80 is the euro sign.
    EXPECT_EQ(SymbolCode(QStringLiteral("\u20AC")), 0x80);
    EXPECT_EQ(SymbolCodeText(0x80), QStringLiteral("\u20AC"));
}

TEST(SymbolLabel, WingdingsTelephoneDrawsTheFacesOwnGlyphAndAMissingCodeAHollowBox)
{
    for (const auto& [code, character] : {std::pair<int, QString>{0x28, kTelephone},
                                          std::pair<int, QString>{0x7F, QStringLiteral("\u25A1")}}) {
        TKSymbolLabel symbol; // 24 points in WingDings: 32 pixels
        symbol.SetCaption(SymbolCodeText(code));
        symbol.SetBounds(0, 0, 60, 60);
        const QImage drawn = Rendered(symbol);

        const QFont face = PixelFont("Symbola", 32);
        ASSERT_TRUE(QFontMetrics(face).inFontUcs4(character.toUcs4().first()));
        QImage expected(drawn.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter p(&expected);
        const QPoint origin = symbol.LastLayout().mainOrigin;
        p.setClipRect(symbol.LastLayout().mainRect.ToQRect());
        p.setFont(face);
        p.setPen(Qt::black);
        p.drawText(origin.x(), origin.y() + QFontMetrics(face).ascent(), character);
        p.end();
        EXPECT_EQ(drawn, expected) << code;
        EXPECT_GT(DarkPixels(drawn), 60) << code;
    }
}

TEST(SymbolLabel, AboveNinePointsTheBoxFollowsTheGlyphAtNineOrLessItKeepsItsSize)
{
    Card card;
    auto* symbol = card.Add<TKSymbolLabel>(QRect(10, 10, 200, 150));
    symbol->SetCaption(QStringLiteral("("));
    symbol->SetDepthHighlight(3); // up and to the left by default: 3 pixels more room
    card.panel.LayOutObjects();
    const QFontMetrics m(PixelFont("Symbola", 32));
    const QRect fitted(10, 10, int(1.1 * m.horizontalAdvance(kTelephone)) + 3, int(1.1 * (m.ascent() + m.descent())) + 3);
    EXPECT_EQ(symbol->BoundsRect(), fitted);
    // Resized by hand, it snaps back; laying out again changes nothing.
    symbol->SetBounds(30, 40, 300, 20);
    card.panel.LayOutObjects();
    EXPECT_EQ(symbol->BoundsRect(), fitted.translated(20, 30));
    card.panel.LayOutObjects();
    EXPECT_EQ(symbol->BoundsRect(), fitted.translated(20, 30));

    // Grown to its glyph from a narrower box (a card saved with another glyph), it draws the whole glyph.
    symbol->SetBounds(30, 40, 12, 60);
    card.panel.LayOutObjects();
    ASSERT_EQ(symbol->BoundsRect(), fitted.translated(20, 30));
    const QImage drawn = Rendered(*symbol);
    QImage whole(drawn.size(), QImage::Format_RGB32);
    whole.fill(Qt::white);
    QPainter p(&whole);
    p.setFont(PixelFont("Symbola", 32));
    p.setPen(QColor(0, 255, 255)); // the highlight copy, aqua
    p.drawText(symbol->LastLayout().highlightOrigin + QPoint(0, m.ascent()), kTelephone);
    p.setPen(Qt::black);
    p.drawText(symbol->LastLayout().mainOrigin + QPoint(0, m.ascent()), kTelephone);
    p.end();
    EXPECT_EQ(drawn, whole);

    symbol->Font().SetSize(9);
    symbol->SetBounds(30, 40, 300, 20);
    card.panel.LayOutObjects();
    EXPECT_EQ(symbol->BoundsRect(), QRect(30, 40, 300, 20));
}

TEST(SymbolLabel, TheSelectorPicksFontAndCharacterForANewSymbol)
{
    Card card;
    card.dialogs.symbolFont.SetName(QStringLiteral("Webdings"));
    card.dialogs.symbolFont.SetSize(30);
    card.dialogs.pickedCode = 0x21;
    auto* symbol = dynamic_cast<TKSymbolLabel*>(card.Draw(psSymbolLabel, QRect(5, 5, 10, 10)));
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(card.dialogs.openedAtCode, '[');
    EXPECT_EQ(symbol->Caption(), QStringLiteral("!"));
    EXPECT_EQ(symbol->Font().Name(), QStringLiteral("Webdings"));
    EXPECT_EQ(symbol->DrawnCaption(), QString::fromUcs4(U"\U0001F577"));
    const QFontMetrics m(PixelFont("Symbola", 40));
    EXPECT_EQ(symbol->Width(), int(1.1 * m.horizontalAdvance(symbol->DrawnCaption())));

    // Cancel changes nothing; the change-all-fonts command leaves the symbol alone.
    card.dialogs.answer = false;
    ASSERT_TRUE(symbol->PopupMenu()->Trigger(QStringLiteral("Symbol Selector")));
    EXPECT_EQ(symbol->Caption(), QStringLiteral("!"));
    card.panel.SetTextFontName(QStringLiteral("Liberation Serif"));
    EXPECT_EQ(symbol->Font().Name(), QStringLiteral("Webdings"));
}

// ---- Menus and the stream ----

TEST(MultiLineAndSymbol, MenusOfferTheirOwnCommands)
{
    Card card;
    auto* text = card.Add<TKMultiLineLabel>(QRect(0, 0, 100, 40));
    auto* symbol = card.Add<TKSymbolLabel>(QRect(0, 0, 40, 40));
    text->Loaded();
    symbol->Loaded();
    const QStringList textMenu = text->PopupMenu()->Captions();
    const QStringList symbolMenu = symbol->PopupMenu()->Captions();
    const int base = int(textMenu.indexOf(QStringLiteral("Center Horizontally"))) + 1;
    ASSERT_GT(base, 0);
    EXPECT_EQ(textMenu.mid(base),
              QStringList({"-", "Font", "Font Color", "Alignment", "-", "Text", "Word Wrap"}));
    EXPECT_EQ(symbolMenu.mid(base),
              QStringList({"-", "3D Effects", "Transparent", "Background Color", "Border", "-", "Symbol Selector"}));

    ASSERT_TRUE(text->PopupMenu()->Trigger(QStringLiteral("Alignment/Right")));
    EXPECT_EQ(text->Alignment(), taRightJustify);
    EXPECT_TRUE(text->PopupMenu()->Find(QStringLiteral("Alignment/Right"))->isChecked());
    ASSERT_TRUE(text->PopupMenu()->Trigger(QStringLiteral("Word Wrap")));
    EXPECT_TRUE(text->WordWrap());
    EXPECT_TRUE(text->PopupMenu()->Find(QStringLiteral("Word Wrap"))->isChecked());
    card.dialogs.typed = {QStringLiteral("edited")};
    ASSERT_TRUE(text->PopupMenu()->Trigger(QStringLiteral("Text")));
    EXPECT_EQ(text->Items().Strings(), card.dialogs.typed);
    ASSERT_TRUE(symbol->PopupMenu()->Trigger(QStringLiteral("Border")));
    EXPECT_EQ(symbol->BorderStyle(), bsSingle);
}

TEST(MultiLineAndSymbol, FontColorIsDrawnKeptInTheCardAndOldCardsStayBlack)
{
    Card card;
    auto* text = card.Add<TKMultiLineLabel>(QRect(0, 0, 120, 40));
    text->Loaded();
    text->SetItems({QStringLiteral("MMMM WWWW")});
    const QByteArray black = WriteObjectsToBytes({text});
    int changes = 0;
    card.panel.LabelChangedEvent = [&] { ++changes; };

    // Cancelled: nothing changes.
    ASSERT_TRUE(text->PopupMenu()->Trigger(QStringLiteral("Font Color")));
    EXPECT_EQ(text->Font().Color(), clBlack);
    EXPECT_EQ(changes, 0);

    card.dialogs.pickedColor = 0x0000FF; // red, as a card keeps colours (blue, green, red)
    ASSERT_TRUE(text->PopupMenu()->Trigger(QStringLiteral("Font Color")));
    EXPECT_EQ(text->Font().Color(), 0x0000FF);
    EXPECT_GE(changes, 1);
    const QImage drawn = Rendered(*text);
    int red = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    EXPECT_GT(red, 20);

    // The colour is the font's, in the card file; a card written before the choice existed reads black.
    const auto readBack = [](const QByteArray& bytes) {
        TKCardObjects objects;
        const ReadResult read = ReadObjectsFromBytes(objects, bytes);
        EXPECT_TRUE(read.ok && read.objects.size() == 1u);
        auto* t = read.objects.empty() ? nullptr : dynamic_cast<TKMultiLineLabel*>(read.objects[0]);
        return t ? t->Font().Color() : TColor(-1);
    };
    EXPECT_EQ(readBack(WriteObjectsToBytes({text})), 0x0000FF);
    EXPECT_EQ(readBack(black), clBlack);
}

TEST(MultiLineAndSymbol, TextBeyondWindows1252AndHighCodesSurviveTheStream)
{
    TKMultiLineLabel text;
    text.SetItems({QStringLiteral("Zo\u00eb \u0141\u00f3d\u017a"), QStringLiteral("\u260e 555 0100"), QString()});
    text.SetAlignment(taCenter);
    text.SetWordWrap(true);
    TKSymbolLabel symbol;
    symbol.Font().SetName(QStringLiteral("Symbol"));
    symbol.SetCaption(SymbolCodeText(0xE5));
    text.SetName(QStringLiteral("Component0")); // the names the reader gives
    symbol.SetName(QStringLiteral("Component1"));
    const QByteArray bytes = WriteObjectsToBytes({&text, &symbol});
    TKCardObjects objects;
    const ReadResult read = ReadObjectsFromBytes(objects, bytes);
    ASSERT_TRUE(read.ok) << qPrintable(read.error);
    ASSERT_EQ(read.objects.size(), 2u);
    auto* textRead = dynamic_cast<TKMultiLineLabel*>(read.objects[0]);
    auto* symbolRead = dynamic_cast<TKSymbolLabel*>(read.objects[1]);
    ASSERT_TRUE(textRead && symbolRead);
    EXPECT_EQ(textRead->Items().Strings(), text.Items().Strings());
    EXPECT_EQ(textRead->Alignment(), taCenter);
    EXPECT_TRUE(textRead->WordWrap());
    EXPECT_EQ(symbolRead->Code(), 0xE5);
    EXPECT_EQ(symbolRead->DrawnCaption(), QStringLiteral("\u2211"));
    EXPECT_EQ(WriteObjectsToBytes({textRead, symbolRead}), bytes);
}

// ---- The editor and the selector ----

TEST(MultiLineAndSymbolDialogs, TheEditorStopsAt254CharactersAndTheSelectorShowsTheCharacters)
{
    TKFont font;
    TMultiLineTextEditor editor({QStringLiteral("first"), QStringLiteral("second")}, font);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Multi-line Text Editor"));
    EXPECT_EQ(editor.Memo()->toPlainText(), QStringLiteral("first\nsecond"));
    editor.Memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(editor.Memo(), Qt::Key_Return);
    QTest::keyClicks(editor.Memo(), QString(300, QLatin1Char('z')));
    EXPECT_EQ(editor.Memo()->toPlainText().size(), 254);
    EXPECT_EQ(editor.Lines().size(), 3);
    EXPECT_EQ(editor.Lines().first(), QStringLiteral("first"));

    TKFont wingdings;
    wingdings.SetName(QStringLiteral("Wingdings"));
    wingdings.SetSize(24);
    wingdings.SetStyle(1u << fsBold);
    TGetSymbol selector(wingdings, 0x28);
    EXPECT_EQ(selector.FontButton()->text(), QStringLiteral("Wingdings, 24pt Bold "));
    EXPECT_EQ(selector.SymbolList()->count(), 224);
    EXPECT_EQ(selector.ChosenCode(), 0x28);
    EXPECT_EQ(selector.SymbolList()->item(0x28 - 32)->text(), kTelephone);
    EXPECT_EQ(selector.SymbolList()->item(0x28 - 32)->font().family(), QStringLiteral("Symbola"));
    selector.OnChooseFont = [](TKFont& f) {
        f.SetName(QStringLiteral("Symbol"));
        f.SetSize(8);
        return true;
    };
    selector.FontbuttonClick();
    EXPECT_EQ(selector.ChosenFont().Size(), 8); // the size chosen is the symbol's
    EXPECT_EQ(selector.SymbolList()->item('a' - 32)->text(), QStringLiteral("\u03b1"));
    EXPECT_EQ(TGetSymbol::ColumnsForPoints(20), 10);
    EXPECT_EQ(TGetSymbol::ColumnsForPoints(73), 1);

    TGetSymbol none(wingdings, -1);
    EXPECT_EQ(none.ChosenCode(), -1);
    EXPECT_FALSE(none.OkButton()->isEnabled());
}

// ---- On paper ----

TEST(MultiLineAndSymbol, AnAddressBlockAndATelephonePrintAsTextWhereTheyStand)
{
    if (!qmtest::HavePoppler() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    TKBusinessCardPanel32 panel;
    auto* text = static_cast<TKMultiLineLabel*>(panel.CardObjects().Add(std::make_unique<TKMultiLineLabel>()));
    text->Font().SetName(QStringLiteral("Liberation Sans"));
    text->Font().SetSize(12);
    text->SetItems({QStringLiteral("Jane Doe"), QStringLiteral("12 High Street"), QStringLiteral("Springfield")});
    text->SetAlignment(taRightJustify);
    text->SetBounds(120, 40, 200, 70);
    auto* symbol = static_cast<TKSymbolLabel*>(panel.CardObjects().Add(std::make_unique<TKSymbolLabel>()));
    symbol->SetCaption(QStringLiteral("("));
    symbol->SetBounds(20, 120, 10, 10);
    const QImage screen = panel.RenderToBitmap();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    PdfReport report(pdf, PdfReport::kDefaultResolution);
    report.SetPaperSize(kPaperLetter);
    LabelJob job;
    job.Positions = SheetPositions::Only({0});
    TLabelPrinter printer(panel, job);
    ASSERT_EQ(printer.Run(report), joFinished) << qPrintable(report.ErrorString());

    const QString words = qmtest::RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const QString& expected : {QStringLiteral("Jane Doe"), QStringLiteral("12 High Street"),
                                    QStringLiteral("Springfield"), kTelephone})
        EXPECT_TRUE(words.contains(expected)) << qPrintable(expected) << " in " << qPrintable(words);
    EXPECT_TRUE(qmtest::RunTool(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("Symbola")));

    // The first card starts at (72, 48) pixels on the page; the ink lies where the screen shows it.
    const QImage page = qmtest::RenderPdfPage(pdf, 96);
    for (const TKGraphicControl* object : {static_cast<TKGraphicControl*>(text), static_cast<TKGraphicControl*>(symbol)}) {
        const QRect box = object->BoundsRect();
        const QRect onScreen = qmtest::InkBox(screen, box);
        const QRect onPaper = qmtest::InkBox(page, box.translated(72, 48)).translated(-72, -48);
        ASSERT_FALSE(onScreen.isNull()) << object->ClassName();
        EXPECT_NEAR(onPaper.left(), onScreen.left(), 1) << object->ClassName();
        EXPECT_NEAR(onPaper.top(), onScreen.top(), 1) << object->ClassName();
        EXPECT_NEAR(onPaper.right(), onScreen.right(), 1) << object->ClassName();
        EXPECT_NEAR(onPaper.bottom(), onScreen.bottom(), 1) << object->ClassName();
    }
}
