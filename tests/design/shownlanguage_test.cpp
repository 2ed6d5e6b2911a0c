// SPDX-License-Identifier: GPL-3.0-or-later
// The card's menus, undo steps and object names in another language: what is shown is translated, what the
// program finds items by and what files keep stays English.
#include "design/cardhistory.h"
#include "design/cardpanel.h"
#include "model/classregistry.h"
#include "model/mergerecord.h"
#include "model/objectmenu.h"
#include "model/sheetlayout.h"
#include "objects/text/personallabel.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace qm;

namespace {

// A translator holding a few German texts, installed for the life of the object.
class German : public QTranslator
{
public:
    German()
    {
        mTexts = {
            {"qm::ObjectMenu|Color", "Farbe"},
            {"qm::ObjectMenu|Line Thickness", "Linienstärke"},
            {"qm::ObjectMenu|Personal Information", "Persönliche Angaben"},
            {"qm::ObjectMenu|Name", "Name (de)"},
            {"qm::ObjectMenu|Draw %1", "%1 zeichnen"},
            {"qm::ObjectMenu|Alignment", "Ausrichtung"},
            {"qm::ObjectMenu|Left", "Links"},
            {"qm::ObjectKinds|Rectangle", "Rechteck"},
            {"qm::ObjectKinds|Text", "Textfeld"},
            {"qm::ObjectKinds|%1: %2", "%1 – %2"},
            {"qm::CardHistory|Undo %1", "Rückgängig: %1"},
            {"qm::MergeFields|Fax Number", "Faxnummer"},
            {"qm::SheetLayout|Herma 8840 (A4 Size Paper)", "Herma 8840 (Papier A4)"},
        };
        QCoreApplication::installTranslator(this);
    }
    ~German() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(n)
        if (disambiguation && *disambiguation)
            return QString();
        return mTexts.value(QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }

private:
    QHash<QString, QString> mTexts;
};

} // namespace

TEST(ShownLanguage, MenuItemsShowTheTranslationAndAreFoundByTheirEnglishCaption)
{
    German german;
    TKMenu menu;
    QString chosen;
    menu.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Color"), [&] { chosen = QStringLiteral("color"); });
    menu.AddItem(QStringLiteral("Smith & Sons")); // a user's own text: never translated
    TKMenu* thickness = menu.AddSubmenu(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Line Thickness"));
    thickness->AddItemAs(QStringLiteral("3 Point"), QStringLiteral("3 Punkt"),
                         [&] { chosen = QStringLiteral("3"); });

    EXPECT_EQ(menu.At(0).action->text(), QStringLiteral("Farbe"));
    EXPECT_EQ(menu.At(1).action->text(), QStringLiteral("Smith && Sons"));
    EXPECT_EQ(menu.At(2).action->text(), QStringLiteral("Linienstärke"));
    EXPECT_EQ(menu.Captions(), QStringList({"Color", "Smith & Sons", "Line Thickness"}));
    EXPECT_EQ(menu.Find(QStringLiteral("Color")), menu.At(0).action);
    EXPECT_EQ(menu.Find(QStringLiteral("Farbe")), nullptr);

    // The undo step is named as the user read it; an item of a submenu by the submenu.
    TKMenu::TakeTriggered();
    ASSERT_TRUE(menu.Trigger(QStringLiteral("Color")));
    EXPECT_EQ(chosen, QStringLiteral("color"));
    EXPECT_EQ(TKMenu::TakeTriggered(), QStringLiteral("Farbe"));
    ASSERT_TRUE(menu.Trigger(QStringLiteral("Line Thickness/3 Point")));
    EXPECT_EQ(chosen, QStringLiteral("3"));
    EXPECT_EQ(TKMenu::TakeTriggered(), QStringLiteral("Linienstärke"));
    EXPECT_FALSE(menu.Trigger(QStringLiteral("Linienstärke/3 Punkt")));
}

TEST(ShownLanguage, ObjectMenusKeepTheirEnglishPathsForTheProgram)
{
    German german;
    TKBusinessCardPanel32 panel;
    panel.SetPersonalStrings({QStringLiteral("Jane Q. Example")});
    panel.SetPanelState(psLabel);
    panel.CreateObject(QRect(10, 10, 80, 20));
    ASSERT_EQ(panel.CardObjects().Count(), 1);
    auto* label = static_cast<TKBusinessCardLabel*>(panel.CardObjects().At(0));
    EXPECT_EQ(label->Caption(), QStringLiteral("Text")); // a translation with its own note for translators
    TKMenu* menu = label->PopupMenu();
    ASSERT_NE(menu, nullptr);
    // The personal item shows the field's translated name with the user's value, and puts in the value.
    TKMenu* personal = menu->Submenu(TKBusinessCardLabel::PersonalMenuCaption());
    ASSERT_NE(personal, nullptr);
    EXPECT_EQ(menu->At(0).action->text(), QStringLiteral("Persönliche Angaben"));
    QAction* name = personal->Find(QStringLiteral("Name\tJane Q. Example"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("Name (de)\tJane Q. Example"));
    ASSERT_TRUE(menu->Trigger(QStringLiteral("Personal Information/Name\tJane Q. Example")));
    EXPECT_EQ(label->Caption(), QStringLiteral("Jane Q. Example"));

    // Check marks found by the English path follow the object.
    label->SetAlignment(taLeftJustify);
    menu->AboutToShow();
    QAction* left = menu->Find(QStringLiteral("Alignment/Left"));
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->text(), QStringLiteral("Links"));
    EXPECT_TRUE(left->isChecked());
}

TEST(ShownLanguage, UndoStepsAndScreenReaderNamesAreTranslated)
{
    German german;
    TKBusinessCardPanel32 panel;
    panel.History().Reset();
    panel.SetPanelState(psRectangle);
    panel.CreateObject(QRect(10, 10, 60, 40));
    ASSERT_EQ(panel.CardObjects().Count(), 1);
    panel.History().Commit();
    EXPECT_EQ(panel.History().UndoText(), QStringLiteral("Rückgängig: Rechteck zeichnen"));
    EXPECT_EQ(panel.ObjectTitle(*panel.CardObjects().At(0)), QStringLiteral("Rechteck"));

    auto* label =
        static_cast<TKBusinessCardLabel*>(panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
    label->SetCaption(QStringLiteral("Jane"));
    EXPECT_EQ(panel.ObjectTitle(*label), QStringLiteral("Textfeld – Jane"));

    const DrawingTool* tool = CardClasses().Tool(psRectangle);
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->caption, QStringLiteral("Rectangle"));
    EXPECT_EQ(tool->ShownCaption(), QStringLiteral("Rechteck"));
}

TEST(ShownLanguage, SamplesAndSheetNamesAreShownTranslatedButStoredInEnglish)
{
    German german;
    const int fax = kMergePersonalCount - 1;
    EXPECT_EQ(PersonalSample(fax), QStringLiteral("Fax Number")); // what template files keep
    EXPECT_EQ(ShownPersonalSample(fax), QStringLiteral("Faxnummer"));
    EXPECT_EQ(MergeText(PersonalPlaceholder(fax), QStringList(), nullptr, true), QStringLiteral("Faxnummer"));
    EXPECT_EQ(ShownPersonalSample(kMergePersonalCount), QString());

    int herma = -1;
    for (int i = 0; i < kPredefinedLayoutCount; ++i) {
        if (QLatin1String(kPredefinedLayouts[i].Caption).startsWith(QLatin1String("Herma")))
            herma = i;
    }
    ASSERT_GE(herma, 0);
    EXPECT_EQ(PredefinedLayoutName(herma), QStringLiteral("Herma 8840 (Papier A4)"));
    EXPECT_EQ(PredefinedLayoutName(kPredefinedLayoutCount), QString());
}
