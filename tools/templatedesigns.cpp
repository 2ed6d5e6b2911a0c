// SPDX-License-Identifier: GPL-3.0-or-later
// The starter templates' designs: each a clear order of name, business and contact lines, a few colours,
// fonts found on every Debian system (DejaVu and Liberation), margins of at least a sixth of an inch.
#include "tools/templatemaker.h"

#include "objects/shapes/supershape.h"
#include "objects/text/circlelayout.h"
#include "objects/text/circletext.h"
#include "objects/text/personallabel.h"
#include "objects/text/supertext.h"

#include <QFontMetrics>

namespace maker {

using namespace qm;

namespace {

const QString kSans = QStringLiteral("DejaVu Sans");
const QString kSerif = QStringLiteral("DejaVu Serif");
const QString kLSans = QStringLiteral("Liberation Sans");
const QString kLSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("DejaVu Sans Mono");

const QString kName = QStringLiteral("Your Own Name");
const QString kCompany = QStringLiteral("Your Business Name");
const QString kTitle = QStringLiteral("Title or Qualifications");
const QString kAddress1 = QStringLiteral("Address Line One");
const QString kAddress2 = QStringLiteral("Address Line Two");
const QString kPhone = QStringLiteral("Phone One");
const QString kPhone2 = QStringLiteral("Phone Two");
const QString kEmail = QStringLiteral("Email Address");
const QString kFax = QStringLiteral("Fax Number");

constexpr TColor kWhite = Rgb(255, 255, 255);
constexpr TColor kNavy = Rgb(31, 58, 95);
constexpr TColor kGold = Rgb(184, 146, 52);
constexpr TColor kCharcoal = Rgb(51, 51, 51);
constexpr TColor kGrey = Rgb(105, 105, 105);
constexpr TColor kSlate = Rgb(60, 74, 92);
constexpr TColor kTeal = Rgb(42, 128, 118);
constexpr TColor kOrange = Rgb(226, 120, 32);
constexpr TColor kRust = Rgb(190, 64, 42);
constexpr TColor kGreen = Rgb(52, 120, 84);
constexpr TColor kPurple = Rgb(112, 74, 142);
constexpr TColor kBrown = Rgb(101, 67, 45);
constexpr TColor kBurgundy = Rgb(128, 28, 48);
constexpr TColor kOcean = Rgb(28, 70, 122);

// Contact lines stacked from top, each `step` pixels below the last.
void Contacts(Card& c, int x, int top, int width, const QStringList& captions, const QString& face, int size,
              TColor color, int step, TAlignment alignment = taLeftJustify)
{
    int y = top;
    for (const QString& caption : captions) {
        c.Text(QRect(x, y, width, step), caption, face, size, color, 0, alignment);
        y += step;
    }
}

// Contact lines with a small coloured lead word ("T", "E") before each.
void LedContacts(Card& c, int x, int top, int width, const QStringList& leads, const QStringList& captions,
                 const QString& face, int size, TColor leadColor, TColor color, int step)
{
    int y = top;
    for (int i = 0; i < captions.size(); ++i) {
        c.Text(QRect(x, y, 16, step), leads[i], face, size, leadColor, kBold);
        c.Text(QRect(x + 16, y, width - 16, step), captions[i], face, size, color);
        y += step;
    }
}

QByteArray RichLine(const char* face, int halfPoints, const char* colorTable, const char* body)
{
    return QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 ") + face + ";}{\\f1 DejaVu Sans;}}" + colorTable +
           "\\pard\\qc\\f0\\fs" + QByteArray::number(halfPoints) + " " + body + "\\par}";
}

void ClassicNavy(Card& c)
{
    c.Rect(QRect(0, 0, 96, 192), kNavy);
    c.Rect(QRect(96, 0, 4, 192), kGold);
    c.ClipArt(QRect(24, 72, 48, 48), QStringLiteral("office-building.wmf"));
    c.Text(QRect(116, 22, 206, 26), kName, kLSerif, 15, kNavy, kBold);
    c.Text(QRect(116, 48, 206, 16), kTitle, kSans, 8, kGold, kItalic);
    c.Text(QRect(116, 64, 206, 16), kCompany, kLSans, 8, kNavy, kBold);
    c.HLine(116, 90, 60, kGold, 2);
    LedContacts(c, 116, 102, 206, {"T", "F", "E", "A"}, {kPhone, kFax, kEmail, kAddress1}, kSans, 7, kGold,
                kCharcoal, 16);
}

void OceanWaves(Card& c)
{
    c.Text(QRect(20, 18, 300, 26), kName, kLSans, 16, kOcean, kBold);
    c.Text(QRect(20, 44, 300, 16), kTitle, kLSans, 9, kGrey);
    c.Text(QRect(20, 64, 300, 16), kCompany, kLSans, 9, kOcean, kBold);
    Contacts(c, 136, 146, 188, {kPhone, kEmail}, kLSans, 8, kWhite, 16, taRightJustify);
}

void CornerSunrise(Card& c)
{
    c.Text(QRect(20, 22, 270, 28), kName, kLSans, 16, kCharcoal, kBold);
    c.Text(QRect(20, 50, 250, 16), kTitle, kLSans, 8, kRust);
    c.Text(QRect(20, 66, 240, 16), kCompany, kLSans, 8, kCharcoal, kBold);
    c.HLine(20, 92, 40, kOrange, 2);
    Contacts(c, 20, 106, 210, {kAddress1, kAddress2, kPhone, kEmail}, kLSans, 7, kGrey, 15);
}

void SlateDiagonal(Card& c)
{
    c.Text(QRect(20, 20, 250, 26), kName, kLSans, 15, kSlate, kBold);
    c.Text(QRect(20, 46, 250, 16), kTitle, kLSans, 9, kGrey);
    c.Text(QRect(20, 64, 250, 16), kCompany, kLSans, 9, kSlate, kBold);
    Contacts(c, 20, 96, 200, {kPhone, kEmail, kAddress1}, kLSans, 8, kSlate, 16);
}

void GreenDots(Card& c)
{
    c.RoundRect(QRect(112, 14, 212, 164), 6, kWhite);
    c.Text(QRect(120, 26, 194, 26), kName, kLSans, 12, kGreen, kBold, taRightJustify);
    c.Text(QRect(120, 52, 194, 16), kTitle, kLSans, 8, kGrey, 0, taRightJustify);
    c.HLine(254, 78, 60, kGreen, 2);
    Contacts(c, 120, 92, 194, {kCompany, kPhone, kEmail, kAddress1}, kLSans, 7, kCharcoal, 16, taRightJustify);
}

void MarbleExecutive(Card& c)
{
    // Near-black serif on pale marble inside a double gold rule, the title in a deep antique gold that holds
    // its own on the stone, a short gold rule between the person and the business.
    const TColor ink = Rgb(34, 34, 38);
    const TColor antique = Rgb(133, 98, 22);
    c.Rect(QRect(12, 12, 312, 168), -1, kGold, 2);
    c.Rect(QRect(17, 17, 302, 158), -1, kGold, 1);
    c.Text(QRect(24, 34, 288, 30), kName, kLSerif, 19, ink, kBold, taCenter);
    c.Text(QRect(24, 66, 288, 18), kTitle, kLSerif, 10, antique, kItalic, taCenter);
    c.HLine(143, 96, 50, kGold, 2);
    c.Text(QRect(24, 112, 288, 17), kCompany, kLSerif, 10, ink, kBold, taCenter);
    c.Text(QRect(24, 132, 288, 16), kPhone, kLSerif, 9, ink, 0, taCenter);
    c.Text(QRect(24, 149, 288, 16), kEmail, kLSerif, 9, ink, 0, taCenter);
}

void PinstripeBanker(Card& c)
{
    // The company and the e-mail take the whole width; the address and the numbers share the rows between.
    c.Rect(QRect(20, 20, 296, 152), kWhite, kNavy, 1);
    c.Text(QRect(34, 32, 268, 26), kName, kLSerif, 16, kNavy, kBold);
    c.Text(QRect(34, 58, 268, 16), kTitle, kLSerif, 9, kGrey, kItalic);
    c.HLine(34, 82, 268, kNavy, 1);
    c.Text(QRect(34, 92, 268, 15), kCompany, kLSerif, 8, kCharcoal, kBold);
    Contacts(c, 34, 108, 160, {kAddress1, kAddress2}, kLSerif, 8, kCharcoal, 15);
    Contacts(c, 194, 108, 108, {kPhone, kFax}, kLSerif, 8, kCharcoal, 15, taRightJustify);
    c.Text(QRect(34, 138, 268, 15), kEmail, kLSerif, 8, kCharcoal);
}

void ParchmentScholar(Card& c)
{
    c.ClipArt(QRect(128, 14, 80, 24), QStringLiteral("ornament-flourish.wmf"));
    c.Text(QRect(20, 44, 296, 28), kName, kSerif, 16, kBrown, 0, taCenter);
    c.Text(QRect(20, 72, 296, 16), kTitle, kSerif, 8, kBrown, kItalic, taCenter);
    c.Lines(QRect(40, 100, 256, 48), {"Tutoring in Latin, Greek and History", "Essays, theses and editing",
                                     "By appointment"},
            kSerif, 7, kGrey, taCenter);
    c.Text(QRect(20, 160, 296, 16), kPhone, kSerif, 8, kBrown, kBold, taCenter);
}

void SkyConsultant(Card& c)
{
    c.Text(QRect(20, 20, 296, 26), kName, kLSans, 16, kOcean, kBold);
    c.Text(QRect(20, 46, 296, 16), kTitle, kLSans, 9, kSlate);
    c.Rich(QRect(20, 72, 296, 24),
           "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Sans;}}{\\colortbl;\\red28\\green70\\blue122;"
           "\\red105\\green105\\blue105;}\\pard\\f0\\fs18\\cf2 Clear plans, \\cf1\\b measurable\\b0\\cf2  "
           "results.\\par}");
    LedContacts(c, 20, 118, 220, {"T", "E", "A"}, {kPhone, kEmail, kAddress1}, kLSans, 8, kOcean, kCharcoal, 16);
}

void BlueStripes(Card& c)
{
    c.Text(QRect(24, 40, 288, 28), kName, kSans, 16, kOcean, kBold, taCenter);
    c.Text(QRect(24, 68, 288, 16), kTitle, kSans, 8, kGrey, 0, taCenter);
    c.Text(QRect(24, 98, 288, 16), kCompany, kSans, 9, kOcean, kBold, taCenter);
    c.Text(QRect(24, 122, 288, 16), kPhone, kSans, 8, kCharcoal, 0, taCenter);
    c.Text(QRect(24, 138, 288, 16), kEmail, kSans, 8, kCharcoal, 0, taCenter);
}

// Puts an object in the middle of the card's width.
template <class T> T* Centred(T* object, int cardWidth = 336)
{
    object->SetLeft((cardWidth - object->Width()) / 2);
    return object;
}

void GoldFrame(Card& c)
{
    // The name is the user's, in gold with a darker gold shadow.
    auto* name = c.Text(QRect(32, 32, 272, 36), kName, kLSerif, 20, kGold, kBold, taCenter);
    name->SetDepthShadow(1);
    name->SetDirectionShadow(sdDownRight);
    name->SetColorShadow(Rgb(140, 100, 30));
    c.Text(QRect(40, 76, 256, 16), kTitle, kLSerif, 9, kCharcoal, kItalic, taCenter);
    c.ClipArt(QRect(138, 96, 60, 18), QStringLiteral("ornament-divider.wmf"));
    c.Text(QRect(40, 120, 256, 16), kCompany, kLSerif, 9, kCharcoal, kBold, taCenter);
    c.Text(QRect(40, 140, 256, 16), kPhone, kLSerif, 8, kGrey, 0, taCenter);
}

void StarAward(Card& c)
{
    c.Gradient(QRect(0, 0, 336, 192), kstRectangle, Rgb(24, 40, 72), Rgb(48, 86, 140), gdDown);
    auto* star = c.Gradient(QRect(24, 40, 96, 96), kstStar, Rgb(250, 215, 90), Rgb(200, 140, 30), gdDown);
    star->SetVectors(10);
    star->SetInVectorPercent(55);
    star->SetOutlineStyle(psSolid);
    star->SetOutlineColor(Rgb(120, 80, 10));
    star->SetOutlineWidth(1);
    auto* name = c.Effect(QRect(140, 44, 180, 40), QStringLiteral("Star Events"), kSans, 18, kWhite, kBold);
    name->SetShadowDepth(2);
    name->SetShadowOrientation(sdDownRight);
    name->SetShadowcolor(Rgb(10, 20, 40));
    name->FitToText();
    c.Text(QRect(140, 84, 180, 16), kName, kSans, 9, Rgb(250, 215, 90), kBold);
    c.Text(QRect(140, 100, 180, 16), kTitle, kSans, 7, Rgb(220, 228, 240));
    Contacts(c, 140, 128, 180, {kPhone, kEmail, kAddress1}, kSans, 7, kWhite, 15);
}

// The two lines of a round seal centred at `centre`: one over the top and one along the bottom, both reading
// left to right and upright (the bottom line is set mirrored, from the inside of the ring), their letters
// between 44 and 57 pixels from the centre. A half circle stands on its box's bottom edge (over the top) or
// hangs from its top edge (mirrored, along the bottom), a letter's height in.
void SealLines(Card& c, QPoint centre, const QString& top, const QString& bottom, const QString& face, int size,
               TColor color)
{
    auto* over = c.Circle(QRect(0, 0, 122, 74), top, face, size, color, dg180, dg180, kBold);
    auto* under = c.Circle(QRect(0, 0, 122, 74), bottom, face, size, color, dg180, dg360, kBold);
    under->SetMirror(true);
    const int h = QFontMetrics(over->DrawingFont()).height();
    over->SetBounds(centre.x() - 61, centre.y() + h - 74, 122, 74);
    under->SetBounds(centre.x() - 61, centre.y() - h, 122, 74);
}

void CircleSeal(Card& c)
{
    // A stamped seal: a double ring round a hammer, the trade over the top and the year along the bottom.
    c.Ellipse(QRect(10, 30, 132, 132), Rgb(244, 238, 226), kBurgundy, 3);
    c.Ellipse(QRect(16, 36, 120, 120), -1, kBurgundy, 1);
    SealLines(c, QPoint(76, 96), QStringLiteral("  CRAFTSMANSHIP  "), QStringLiteral("   \u2022 SINCE 1998 \u2022   "),
              kSerif, 8, kBurgundy);
    c.Ellipse(QRect(36, 56, 80, 80), -1, kBurgundy, 1);
    c.ClipArt(QRect(54, 74, 44, 44), QStringLiteral("trade-hammer.wmf"));
    c.Text(QRect(150, 34, 176, 26), kName, kLSerif, 13, kBurgundy, kBold);
    c.Text(QRect(150, 60, 176, 16), kTitle, kLSerif, 9, kGrey, kItalic);
    c.HLine(150, 84, 40, kBurgundy, 2);
    Contacts(c, 150, 100, 176, {kCompany, kAddress1, kPhone, kEmail}, kLSerif, 8, kCharcoal, 15);
}

void TradeTools(Card& c)
{
    c.Rect(QRect(0, 0, 336, 44), kCharcoal);
    c.Rect(QRect(0, 44, 336, 4), kOrange);
    c.Ellipse(QRect(14, 4, 36, 36), kOrange);
    c.ClipArt(QRect(17, 7, 30, 30), QStringLiteral("trade-wrench.wmf"));
    c.Text(QRect(58, 10, 260, 24), kCompany, kLSans, 13, kWhite, kBold);
    c.Text(QRect(20, 66, 296, 24), kName, kLSans, 14, kCharcoal, kBold);
    c.Text(QRect(20, 90, 296, 16), kTitle, kLSans, 8, kOrange, kBold);
    c.Lines(QRect(20, 118, 150, 50), {"Repairs and installation", "Free estimates", "Licensed and insured"},
            kLSans, 7, kGrey);
    Contacts(c, 176, 118, 140, {kPhone, kPhone2, kEmail}, kLSans, 8, kCharcoal, 16, taRightJustify);
}

void CoffeeHouse(Card& c)
{
    // The company across the top, the seal below it on the left, the contact lines beside the seal.
    c.Rect(QRect(0, 0, 336, 192), Rgb(250, 244, 234));
    c.Text(QRect(16, 10, 304, 26), kCompany, kLSerif, 14, kBrown, kBold);
    c.Ellipse(QRect(14, 46, 132, 132), Rgb(101, 67, 45));
    SealLines(c, QPoint(80, 112), QStringLiteral("  FRESHLY ROASTED  "), QStringLiteral("  \u2022 EVERY MORNING \u2022  "),
              kSans, 8, Rgb(250, 232, 200));
    c.ClipArt(QRect(54, 86, 52, 52), QStringLiteral("trade-coffee.wmf"));
    c.Text(QRect(158, 56, 166, 18), kName, kLSerif, 10, kCharcoal, kBold);
    c.HLine(158, 82, 40, kOrange, 2);
    Contacts(c, 158, 96, 166, {kAddress1, kAddress2, kPhone, kEmail}, kLSerif, 8, kBrown, 15);
}

void GardenCare(Card& c)
{
    c.Textured(QRect(0, 0, 336, 52), kstRectangle, QStringLiteral("linen.png"));
    c.Rect(QRect(0, 52, 336, 3), kGreen);
    c.ClipArt(QRect(280, 8, 40, 40), QStringLiteral("trade-garden.wmf"));
    c.Text(QRect(20, 14, 254, 26), kCompany, kLSerif, 14, kGreen, kBold);
    c.Text(QRect(20, 72, 296, 24), kName, kSans, 13, kCharcoal, kBold);
    c.Text(QRect(20, 96, 296, 16), kTitle, kSans, 8, kGreen);
    LedContacts(c, 20, 124, 250, {"T", "E", "A"}, {kPhone, kEmail, kAddress1}, kSans, 7, kGreen, kCharcoal, 15);
}

void LawOffice(Card& c)
{
    c.Rect(QRect(0, 0, 336, 192), Rgb(252, 250, 246));
    c.Rect(QRect(0, 184, 336, 8), kBurgundy);
    c.ClipArt(QRect(144, 14, 48, 48), QStringLiteral("trade-law.wmf"));
    c.Rich(QRect(20, 66, 296, 30),
           RichLine("Liberation Serif", 30, "{\\colortbl;\\red128\\green28\\blue48;}",
                    "\\cf1 Harper \\i &\\i0  Stone"));
    c.Text(QRect(20, 98, 296, 16), QStringLiteral("ATTORNEYS AT LAW"), kLSerif, 7, kGrey, kBold, taCenter);
    c.Text(QRect(20, 124, 296, 18), kName, kLSerif, 10, kCharcoal, kBold, taCenter);
    c.Text(QRect(20, 142, 296, 16), kPhone, kLSerif, 8, kCharcoal, 0, taCenter);
    c.Text(QRect(20, 158, 296, 16), kEmail, kLSerif, 8, kCharcoal, 0, taCenter);
}

void TechMinimal(Card& c)
{
    c.Rect(QRect(0, 0, 336, 192), Rgb(30, 34, 40));
    c.Text(QRect(20, 24, 300, 16), QStringLiteral("> hello, world"), kMono, 8, Rgb(120, 220, 140));
    c.Text(QRect(20, 52, 300, 26), kName, kMono, 14, kWhite, kBold);
    c.Text(QRect(20, 78, 300, 16), kTitle, kMono, 8, Rgb(150, 160, 175));
    c.HLine(20, 104, 296, Rgb(80, 90, 105), 1);
    c.Symbol(QPoint(18, 116), QStringLiteral("Wingdings"), 0x3A, 14, Rgb(120, 220, 140));
    Contacts(c, 46, 120, 270, {kEmail, kPhone, kAddress1}, kMono, 7, Rgb(220, 224, 230), 15);
}

void PhotoStudio(Card& c)
{
    c.Rect(QRect(0, 0, 112, 192), Rgb(20, 20, 20));
    c.ClipArt(QRect(24, 48, 64, 64), QStringLiteral("trade-camera.wmf"));
    c.Text(QRect(6, 124, 100, 16), QStringLiteral("PHOTOGRAPHY"), kLSans, 7, Rgb(200, 200, 200), kBold,
           taCenter);
    c.Text(QRect(128, 30, 194, 24), kName, kLSans, 13, Rgb(20, 20, 20), kBold);
    c.Text(QRect(128, 54, 194, 16), kTitle, kLSans, 8, kRust);
    c.Text(QRect(128, 72, 194, 16), kCompany, kLSans, 8, Rgb(20, 20, 20), kBold);
    Contacts(c, 128, 106, 194, {kPhone, kEmail, kAddress1, kAddress2}, kLSans, 7, kCharcoal, 15);
}

void Realtor(Card& c)
{
    c.Textured(QRect(0, 136, 336, 56), kstRectangle, QStringLiteral("wood-oak.png"));
    c.ClipArt(QRect(20, 20, 52, 52), QStringLiteral("house.wmf"));
    c.Text(QRect(86, 22, 234, 26), kName, kLSerif, 15, kBrown, kBold);
    c.Text(QRect(86, 48, 234, 16), kTitle, kLSerif, 9, kGrey, kItalic);
    c.Text(QRect(86, 66, 234, 16), kCompany, kLSerif, 9, kBrown, kBold);
    c.Text(QRect(20, 90, 130, 16), kPhone, kLSans, 8, kCharcoal);
    c.Text(QRect(150, 90, 170, 16), kEmail, kLSans, 8, kCharcoal, 0, taRightJustify);
    c.Effect(QRect(20, 146, 296, 36), QStringLiteral("Find your place"), kSerif, 14, kWhite, kItalic)
        ->FitToText();
}

void MedicalPractice(Card& c)
{
    c.Rect(QRect(0, 0, 12, 192), kTeal);
    c.ClipArt(QRect(272, 20, 44, 44), QStringLiteral("trade-medical.wmf"));
    c.Text(QRect(30, 24, 236, 26), kName, kLSans, 15, kTeal, kBold);
    c.Text(QRect(30, 50, 236, 16), kTitle, kLSans, 8, kGrey);
    c.Text(QRect(30, 76, 286, 16), kCompany, kLSans, 9, kCharcoal, kBold);
    LedContacts(c, 30, 108, 286, {"T", "F", "E", "A"}, {kPhone, kFax, kEmail, kAddress1}, kLSans, 7, kTeal,
                kCharcoal, 15);
}

void MusicTeacher(Card& c)
{
    c.Gradient(QRect(0, 0, 336, 192), kstRectangle, Rgb(255, 255, 255), Rgb(236, 228, 246), gdRight);
    c.ClipArt(QRect(20, 22, 44, 44), QStringLiteral("trade-music.wmf"));
    c.Text(QRect(76, 24, 244, 26), kName, kLSerif, 15, kPurple, kBold);
    c.Text(QRect(76, 50, 244, 16), kTitle, kLSerif, 9, kGrey, kItalic);
    c.Lines(QRect(20, 84, 110, 60), {"Piano and voice", "All ages and levels", "Exam preparation"}, kSans, 7,
            kCharcoal);
    for (int i = 0; i < 3; ++i)
        c.Symbol(QPoint(8, 84 + i * 12), QStringLiteral("Wingdings"), 0x9F, 6, kPurple);
    Contacts(c, 136, 84, 184, {kPhone, kEmail, kAddress1}, kLSans, 7, kCharcoal, 15, taRightJustify);
}

void BoldGradient(Card& c)
{
    c.Gradient(QRect(0, 0, 336, 192), kstRectangle, Rgb(230, 90, 60), Rgb(120, 40, 110), gdRight);
    auto* name = c.Effect(QRect(20, 30, 296, 44), QStringLiteral("BRIGHT IDEAS"), kSans, 22, kWhite, kBold);
    name->SetShadowDepth(3);
    name->SetShadowOrientation(sdDownRight);
    name->SetShadowcolor(Rgb(80, 20, 60));
    name->FitToText();
    Centred(name);
    c.Text(QRect(20, 84, 296, 18), kName, kSans, 10, kWhite, kBold, taCenter);
    c.Text(QRect(20, 102, 296, 16), kTitle, kSans, 7, Rgb(255, 226, 210), 0, taCenter);
    c.HLine(148, 128, 40, kWhite, 1);
    c.Text(QRect(20, 140, 296, 16), kPhone, kSans, 8, kWhite, 0, taCenter);
    c.Text(QRect(20, 156, 296, 16), kEmail, kSans, 8, kWhite, 0, taCenter);
}

void RecycleGreen(Card& c)
{
    c.RoundRect(QRect(14, 14, 308, 164), 10, -1, kGreen, 2);
    c.ClipArt(QRect(34, 34, 56, 56), QStringLiteral("arrows-recycle.wmf"));
    c.Text(QRect(100, 36, 212, 24), kName, kLSans, 12, kCharcoal, kBold);
    c.Text(QRect(100, 60, 212, 16), QStringLiteral("Collection and recycling"), kSans, 7, kGrey);
    c.Text(QRect(34, 100, 272, 24), kCompany, kLSans, 12, kGreen, kBold);
    Contacts(c, 34, 128, 250, {kPhone, kEmail}, kLSans, 8, kCharcoal, 15);
    c.Symbol(QPoint(288, 140), QStringLiteral("Wingdings"), 0x7B, 12, kGreen);
}

void PortraitArch(Card& c)
{
    c.Text(QRect(10, 186, 172, 24), kName, kLSerif, 12, kBrown, kBold, taCenter);
    c.Text(QRect(10, 210, 172, 16), kTitle, kLSerif, 8, kGrey, kItalic, taCenter);
    c.HLine(76, 236, 40, kGold, 2);
    Contacts(c, 10, 250, 172, {kPhone, kEmail, kAddress1}, kLSerif, 8, kCharcoal, 15, taCenter);
}

void PortraitRibbon(Card& c)
{
    c.Text(QRect(42, 96, 144, 24), kName, kLSerif, 11, kPurple, kBold);
    c.Text(QRect(42, 120, 144, 16), kTitle, kLSans, 7, kGrey);
    c.Text(QRect(42, 136, 144, 16), kCompany, kLSerif, 8, kCharcoal, kItalic);
    c.HLine(42, 162, 36, kPurple, 2);
    Contacts(c, 42, 176, 144, {kPhone, kEmail, kAddress1, kAddress2}, kLSans, 7, kCharcoal, 15);
}

void PortraitTopBand(Card& c)
{
    c.ClipArt(QRect(72, 20, 48, 48), QStringLiteral("lightbulb.wmf"));
    c.Text(QRect(10, 120, 172, 24), kName, kLSans, 11, kPurple, kBold, taCenter);
    c.Text(QRect(10, 144, 172, 16), kTitle, kLSans, 8, kGrey, 0, taCenter);
    c.Text(QRect(10, 176, 172, 16), kCompany, kLSans, 8, kCharcoal, kBold, taCenter);
    Contacts(c, 10, 208, 172, {kPhone, kEmail, kAddress1}, kLSans, 8, kCharcoal, 15, taCenter);
}

void PortraitCircles(Card& c)
{
    c.Text(QRect(16, 150, 160, 24), kName, kLSans, 12, kNavy, kBold, taCenter);
    c.Text(QRect(16, 174, 160, 16), kTitle, kLSans, 7, kGrey, 0, taCenter);
    Contacts(c, 16, 210, 160, {kCompany, kPhone, kEmail}, kLSans, 7, kCharcoal, 15, taCenter);
}

void PortraitMinimal(Card& c)
{
    c.Rect(QRect(0, 0, 192, 336), kWhite);
    c.Rect(QRect(24, 40, 4, 64), kRust);
    c.Text(QRect(36, 40, 146, 24), kName, kLSerif, 12, kCharcoal, kBold);
    c.Text(QRect(36, 64, 146, 16), kTitle, kLSans, 7, kRust);
    c.Text(QRect(36, 84, 146, 16), kCompany, kLSans, 7, kGrey);
    c.HLine(24, 222, 144, Rgb(200, 200, 200), 1);
    Contacts(c, 24, 234, 150, {kPhone, kEmail, kAddress1, kAddress2}, kLSans, 7, kCharcoal, 15);
}

void PortraitRestaurant(Card& c)
{
    c.Rect(QRect(0, 0, 192, 336), Rgb(36, 30, 28));
    c.Rect(QRect(12, 12, 168, 312), -1, kGold, 1);
    c.ClipArt(QRect(66, 36, 60, 60), QStringLiteral("trade-restaurant.wmf"));
    auto* name = c.Effect(QRect(16, 108, 160, 36), QStringLiteral("Bistro"), kLSerif, 22, kGold, kItalic);
    name->FitToText();
    Centred(name, 192);
    c.HLine(76, 158, 40, kGold, 1);
    c.Text(QRect(16, 182, 160, 18), kName, kLSerif, 9, Rgb(240, 232, 220), kBold, taCenter);
    c.Text(QRect(16, 200, 160, 16), kTitle, kLSerif, 7, Rgb(200, 190, 170), kItalic, taCenter);
    Contacts(c, 16, 240, 160, {kAddress1, kAddress2, kPhone}, kLSerif, 7, Rgb(240, 232, 220), 15, taCenter);
}

void PortraitBadge(Card& c)
{
    c.Gradient(QRect(0, 0, 192, 120), kstRectangle, kNavy, Rgb(52, 96, 150), gdDown);
    c.Ellipse(QRect(56, 60, 80, 80), kWhite, kGold, 3);
    c.ClipArt(QRect(72, 76, 48, 48), QStringLiteral("star-badge.wmf"));
    c.Text(QRect(10, 156, 172, 24), kName, kLSans, 11, kNavy, kBold, taCenter);
    c.Text(QRect(10, 180, 172, 16), kTitle, kLSans, 8, kGold, kBold, taCenter);
    c.Text(QRect(10, 210, 172, 16), kCompany, kLSans, 8, kCharcoal, 0, taCenter);
    Contacts(c, 10, 240, 172, {kPhone, kEmail, kAddress1}, kLSans, 8, kGrey, 15, taCenter);
}

} // namespace

std::vector<Design> Designs()
{
    return {
        {"Classic Navy", false, "", ClassicNavy},
        {"Ocean Waves", false, "ocean-waves.png", OceanWaves},
        {"Corner Sunrise", false, "corner-swoosh.png", CornerSunrise},
        {"Slate Diagonal", false, "diagonal-split.png", SlateDiagonal},
        {"Green Dots", false, "dots-fade.png", GreenDots},
        {"Marble Executive", false, "grey-marble.png", MarbleExecutive},
        {"Pinstripe Banker", false, "navy-pinstripe.png", PinstripeBanker},
        {"Parchment Scholar", false, "parchment.png", ParchmentScholar},
        {"Sky Consultant", false, "sky-gradient.png", SkyConsultant},
        {"Blue Stripes", false, "blue-stripes.wmf", BlueStripes},
        {"Gold Frame", false, "gold-frame.wmf", GoldFrame},
        {"Star Events", false, "", StarAward},
        {"Craftsman Seal", false, "", CircleSeal},
        {"Trade Tools", false, "", TradeTools},
        {"Coffee House", false, "", CoffeeHouse},
        {"Garden Care", false, "", GardenCare},
        {"Law Office", false, "", LawOffice},
        {"Tech Minimal", false, "", TechMinimal},
        {"Photo Studio", false, "", PhotoStudio},
        {"Realtor", false, "", Realtor},
        {"Medical Practice", false, "", MedicalPractice},
        {"Music Teacher", false, "", MusicTeacher},
        {"Bright Gradient", false, "", BoldGradient},
        {"Recycling", false, "", RecycleGreen},
        {"Upright Arch", true, "portrait-arch.png", PortraitArch},
        {"Upright Ribbon", true, "portrait-side-ribbon.png", PortraitRibbon},
        {"Upright Top Band", true, "portrait-top-band.png", PortraitTopBand},
        {"Upright Circles", true, "portrait-circles.wmf", PortraitCircles},
        {"Upright Minimal", true, "", PortraitMinimal},
        {"Upright Bistro", true, "", PortraitRestaurant},
        {"Upright Badge", true, "", PortraitBadge},
    };
}

} // namespace maker
