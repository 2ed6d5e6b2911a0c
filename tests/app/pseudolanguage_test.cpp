// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its own dialogs in a made-up language: every menu, button and label goes through the
// translator (English left over is a text that was not marked), and the View menu is found by its name, not
// by its English title, so that the position panel's switch joins it rather than a second View menu.
#include "app/aboutbox_ui.h"
#include "app/mainwindow_ui.h"
#include "app/printshopdialog_ui.h"
#include "app/printshopexport.h"
#include "app/quicktips_ui.h"
#include "design/cardpanel.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include "quietprompts.h"

using namespace qm;

namespace {

const QChar kOpen(0x00ab);
const QChar kClose(0x00bb);

// Our texts come back in guillemets; Qt's own are left alone.
class PseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (!context || !QByteArray(context).startsWith("qm::"))
            return QString();
        return kOpen + QString::fromUtf8(source) + kClose;
    }
};

class PseudoLanguageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        QCoreApplication::installTranslator(&translator);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    QTemporaryDir home;
    qmtest::ScopedEnv homeEnv{"QUILLMARK_HOME", home.path()};
    PseudoTranslator translator;
};

// A text, or a line of it, that came through the translator.
bool Translated(const QString& text)
{
    return text.contains(kOpen) || text.contains(kClose);
}

// The texts of a dialog's labels, buttons and group boxes still in English, by the widget's class.
QStringList EnglishLeft(const QWidget& dialog, const QList<QWidget*>& notOurs = {})
{
    QStringList left;
    if (!Translated(dialog.windowTitle()))
        left << QStringLiteral("title: ") + dialog.windowTitle();
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (notOurs.contains(w))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QTextDocument document;
            document.setHtml(label->text());
            text = document.toPlainText();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            text = box->title();
        }
        // The program's name stays as it is; a text without letters has nothing to translate.
        if (text == QLatin1String("Quillmark") ||
            !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            continue;
        if (!Translated(text))
            left << QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(": ") + text;
    }
    return left;
}

} // namespace

TEST_F(PseudoLanguageTest, TheWindowsMenusAndCommandBarAreTranslatedAndTheViewMenuIsOne)
{
    qmtest::QuietPrompts prompts;
    TMainScreen window(&prompts);
    QList<QMenu*> menus;
    QStringList english;
    for (QAction* action : window.menuBar()->actions()) {
        if (!Translated(action->text()))
            english << action->text();
        if (action->menu())
            menus << action->menu();
    }
    ASSERT_EQ(menus.size(), 5) << "a second View menu?";
    int viewMenus = 0;
    QMenu* positionsIn = nullptr;
    for (QMenu* menu : menus) {
        viewMenus += menu->objectName() == QLatin1String("ViewMenu");
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String("mnuPositionAndSize"))
                positionsIn = menu;
            // Undo and Redo are named after the last change, in the words of the undo history.
            if (action->isSeparator() || action == window.mnuUndo || action == window.mnuRedo)
                continue;
            if (!Translated(action->text()) ||
                (!action->whatsThis().isEmpty() && !Translated(action->whatsThis())))
                english << action->text();
        }
    }
    EXPECT_EQ(viewMenus, 1);
    EXPECT_EQ(positionsIn, window.ViewMenu);
    EXPECT_TRUE(window.mnuDefaultFont->text().contains(QLatin1String("Arial")))
        << qPrintable(window.mnuDefaultFont->text());
    // The command bar and the tool bar, the what's-this button aside (its text is Qt's own).
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button == window.MouseHelpButton || button->text().isEmpty())
            continue;
        if (!Translated(button->text()))
            english << button->text();
    }
    EXPECT_TRUE(Translated(window.ZoomCaption->text())) << qPrintable(window.ZoomCaption->text());
    EXPECT_TRUE(english.isEmpty()) << qPrintable(english.join(QLatin1Char('\n')));
}

TEST_F(PseudoLanguageTest, TheProgramsOwnDialogsAreTranslated)
{
    TSplashform about(nullptr);
    EXPECT_EQ(EnglishLeft(about), QStringList());
    EXPECT_TRUE(Translated(ConfigurationReport().section(QLatin1Char('\n'), 0, 0)));

    QuickTips tips(Preferences(home.filePath(QStringLiteral("qmk.ini"))), nullptr);
    // The tips themselves, and where the reader is in them.
    EXPECT_EQ(EnglishLeft(tips, {tips.findChild<QWidget*>(QStringLiteral("MouseHelpButton"))}),
              QStringList());
    EXPECT_TRUE(Translated(tips.TipText()));

    TKBusinessCardPanel32 panel;
    PrintShopExport exporter(panel.Card(), QString());
    TPrintShopDialog shop(nullptr, exporter);
    // The Ok, Cancel, Help and what's-this buttons are the dialogs' common bar.
    EXPECT_EQ(EnglishLeft(shop, {shop.CancelButton, shop.HelpButton, shop.MouseHelpButton}), QStringList());
}
