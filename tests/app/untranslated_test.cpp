// SPDX-License-Identifier: GPL-3.0-or-later
// Texts left out of translation: the window and every dialog shown in a pseudo-language that wraps each
// translated text in brackets, and any English words found outside them. And each translation's window and
// dialogs: no text cut off, every menu item with an access key of its own.
#include "app/helpwindow_ui.h"
#include "app/mainwindow_ui.h"
#include "design/designpanel_ui.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include "accessnames.h"
#include "quietprompts.h"
#include "testutil.h"
#include "tsfile.h"

using namespace qm;

namespace {

// Every text the translation files hold comes back as ⟦text⟧, asked for under the context and disambiguation
// it is filed under there (a text filed under another class than the one asking stays English, as it would for
// a user). Qt's own texts are all bracketed.
class PseudoLanguage : public QTranslator
{
public:
    PseudoLanguage()
    {
        for (const qmtest::TsMessage& m :
             qmtest::ReadTsFile(qmtest::SourceFile(QStringLiteral("translations/quillmark_de.ts"))))
            mKnown.insert(m.Key());
    }
    QString translate(const char* context, const char* source, const char* disambiguation, int) const override
    {
        if (!source || !*source)
            return QString();
        const QString ours = QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source) +
                             QLatin1Char('|') + QString::fromUtf8(disambiguation);
        static const QRegularExpression qt(QStringLiteral("^Q[A-Z]"));
        if (!mKnown.contains(ours) && !qt.match(QString::fromUtf8(context)).hasMatch())
            return QString();
        return QStringLiteral("\u27e6") + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }

private:
    QSet<QString> mKnown;
};

// The words of text that no translation went through: bracketed parts (also nested ones, from a translated
// text put into another) and markup taken out.
QString EnglishLeft(QString text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    static const QRegularExpression bracketed(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (QString before; before != text;) {
        before = text;
        text.replace(bracketed, QStringLiteral(" "));
    }
    // A line of a translated text shown alone (the first line of a tool's tip as its name).
    static const QRegularExpression lineOf(QStringLiteral("\u27e6[^\u27e6\u27e7]*$|^[^\u27e6\u27e7]*\u27e7"));
    text.remove(lineOf);
    text.remove(QLatin1Char('&'));
    // The program's name and what the user's own data shows are not words to translate.
    text.remove(QStringLiteral("Quillmark"));
    // Folders (a picture browser's places) are the user's own.
    if (text.startsWith(QLatin1Char('/')))
        return QString();
    // Units the same in every language.
    static const QRegularExpression units(QStringLiteral("\\b(mm|cm|pt|dpi|px|PDF|PNG|JPEG|SVG|CSV|QR)\\b"));
    text.remove(units);
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text).hasMatch() ? text.simplified() : QString();
}

class Findings
{
public:
    void Check(const QString& where, const QString& text)
    {
        if (!EnglishLeft(text).isEmpty())
            mFound.insert(where + QStringLiteral(": \"") + text.left(80) + QLatin1Char('"'));
    }
    // The texts a user can see or hear on a window: titles, labels, buttons, tips, names for screen readers,
    // menus and the choices of lists.
    void CheckWindow(QWidget* window)
    {
        const QString name = QString::fromLatin1(window->metaObject()->className());
        Check(name + QStringLiteral(" title"), window->windowTitle());
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QString where = name + QLatin1Char('/') + QString::fromLatin1(w->metaObject()->className()) +
                                  QLatin1Char(' ') + w->objectName();
            Check(where + QStringLiteral(" tip"), w->toolTip());
            Check(where + QStringLiteral(" what's this"), w->whatsThis());
            Check(where + QStringLiteral(" accessible name"), w->accessibleName());
            Check(where + QStringLiteral(" accessible description"), w->accessibleDescription());
            if (auto* label = qobject_cast<QLabel*>(w))
                Check(where, label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                Check(where, button->text());
            if (auto* group = qobject_cast<QGroupBox*>(w))
                Check(where, group->title());
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                Check(where + QStringLiteral(" placeholder"), edit->placeholderText());
            if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
                for (int i = 0; i < tabs->count(); ++i)
                    Check(where + QStringLiteral(" tab"), tabs->tabText(i));
            }
            auto* box = qobject_cast<QComboBox*>(w);
            if (box && !qobject_cast<QFontComboBox*>(box) && !box->isEditable()) {
                // The paper names of the stock database are data, shown as stored.
                const int choices = box->objectName() == QLatin1String("StockPaper") ? 1 : box->count();
                for (int i = 0; i < choices; ++i)
                    Check(where + QStringLiteral(" choice"), box->itemText(i));
            }
        }
        for (QAction* action : window->findChildren<QAction*>()) {
            const QString where = name + QStringLiteral(" action ") + action->objectName();
            Check(where, action->text());
            Check(where + QStringLiteral(" tip"), action->toolTip());
            Check(where + QStringLiteral(" status tip"), action->statusTip());
            Check(where + QStringLiteral(" what's this"), action->whatsThis());
        }
    }
    QStringList Found() const
    {
        QStringList list(mFound.begin(), mFound.end());
        list.sort();
        return list;
    }

private:
    QSet<QString> mFound;
};

// Buttons, labels and boxes narrower than their text needs: a text cut off.
QStringList CutOff(QWidget* window)
{
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        const bool text = (label && !label->wordWrap() && !label->text().isEmpty()) ||
                          (button && !button->text().isEmpty());
        auto* tool = qobject_cast<QToolButton*>(w);
        if (!text || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()))
            continue;
        // The text's own width (rich text as its layout needs it), and room for a button's frame or a check
        // box's box.
        const QString shown = label ? label->text() : button->text();
        int needs = w->fontMetrics().horizontalAdvance(QString(shown).remove(QLatin1Char('&')));
        if (label && Qt::mightBeRichText(shown))
            needs = label->minimumSizeHint().width();
        else if (button)
            needs += (button->inherits("QCheckBox") || button->inherits("QRadioButton")) ? 18 : 6;
        if (w->width() < needs)
            cut << QStringLiteral("%1 %2 \"%3\": %4 px wide, needs %5")
                       .arg(QString::fromLatin1(window->metaObject()->className()), w->objectName(),
                            shown.left(40))
                       .arg(w->width())
                       .arg(needs);
    }
    return cut;
}

class WalkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
        QCoreApplication::installTranslator(Translator());
        window = std::make_unique<TMainScreen>(&prompts);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        QCoreApplication::removeTranslator(Translator());
        qputenv("QUILLMARK_HOME", oldHome);
    }

    virtual QTranslator* Translator() = 0;
    virtual void Read(QWidget* window) = 0;

    // Runs what opens a dialog; each modal dialog that shows meanwhile (one opened from another too) is read
    // and closed. Returns how many were read.
    int ReadDialogsOf(const std::function<void()>& open)
    {
        int read = 0;
        QSet<QWidget*> seen;
        QTimer closer;
        closer.setInterval(20);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == window.get())
                return;
            if (!seen.contains(modal)) {
                seen.insert(modal);
                Read(modal);
                ++read;
            }
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        closer.start();
        open();
        QTest::qWait(50);
        // Windows of their own that are not modal (the preview, the help) are read where they are.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top != window.get() && !seen.contains(top) && !top->inherits("QMenu")) {
                Read(top);
                ++read;
                top->close();
            }
        }
        return read;
    }

    // The window, the dialogs of the menus and every drawing tool's own dialog. Commands that only print, open
    // a file or leave are not among them.
    void ReadEveryWindow()
    {
        Read(window.get());
        for (QAction* action :
             {window->mnuNewFromTemplate, window->mnuPersonalInformation, window->mnuChangeAllFonts,
              window->mnuBackgroundArt, window->mnuChangeLayout, window->mnuFineTuning, window->mnuExportPrintShop,
              window->mnuPrint, window->mnuPrintMerge, window->mnuPreview, window->mnuAbout, window->mnuContents,
              window->QuickTipsAction}) {
            EXPECT_GT(ReadDialogsOf([action] { action->trigger(); }), 0) << qPrintable(action->objectName());
        }
        // The tools' dialogs open as a keyboard user places an object (shapes and lines have none).
        for (QAction* action : window->InsertMenu->actions()) {
            ReadDialogsOf([&] {
                action->trigger();
                QTest::keyClick(&window->PanelWidget(), Qt::Key_Return);
            });
        }
    }

    QTemporaryDir home;
    QByteArray oldHome;
    qmtest::QuietPrompts prompts;
    std::unique_ptr<TMainScreen> window;
};

class UntranslatedTest : public WalkTest
{
protected:
    QTranslator* Translator() override { return &pseudo; }
    void Read(QWidget* window) override { findings.CheckWindow(window); }
    PseudoLanguage pseudo;
    Findings findings;
};

TEST_F(UntranslatedTest, TheWindowAndEveryDialogShowNoTextLeftOutOfTranslation)
{
    ReadEveryWindow();

    EXPECT_EQ(findings.Found().join(QLatin1Char('\n')).toStdString(), "");
}

// Each translation (and the English) in the window and every dialog: no text cut off, and the menus' access
// keys each an item's own.
class LanguageTest : public WalkTest, public ::testing::WithParamInterface<const char*>
{
protected:
    QTranslator* Translator() override
    {
        if (translator.isEmpty() && qstrcmp(GetParam(), "en") != 0) {
            EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/quillmark_") + QLatin1String(GetParam())));
        }
        return &translator;
    }
    void Read(QWidget* window) override
    {
        cut << CutOff(window);
        // For looking at them: QM_SHOT_DIR=folder keeps a picture of each window and dialog.
        const QString shots = qEnvironmentVariable("QM_SHOT_DIR");
        if (!shots.isEmpty()) {
            QTest::qWait(100);
            window->grab().save(QStringLiteral("%1/%2-%3.png")
                                    .arg(shots, QLatin1String(GetParam()))
                                    .arg(++shot, 2, 10, QLatin1Char('0')));
        }
    }
    int shot = 0;
    QTranslator translator;
    QStringList cut;
};

TEST_P(LanguageTest, NoTextIsCutOffAndEveryMenuItemHasItsOwnAccessKey)
{
    EXPECT_EQ(qmtest::AccessKeyFaults(window->menuBar()->actions()).join(QLatin1Char('\n')).toStdString(), "");
    ReadEveryWindow();
    EXPECT_EQ(cut.join(QLatin1Char('\n')).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::Values("en", "de", "fr", "es"));

TEST(UntranslatedFinder, SeesEnglishOutsideTheBrackets)
{
    // The test above is only as good as this: bracketed texts pass, English beside them does not.
    EXPECT_TRUE(EnglishLeft(QStringLiteral("\u27e6Print Cards\u27e7")).isEmpty());
    EXPECT_TRUE(EnglishLeft(QStringLiteral("\u27e6Cannot open \u27e6card\u27e7: %2\u27e7 85 mm")).isEmpty());
    EXPECT_TRUE(EnglishLeft(QStringLiteral("<b>\u27e6&File\u27e7</b>")).isEmpty());
    EXPECT_TRUE(EnglishLeft(QStringLiteral("\u27e6Text tool")).isEmpty());
    EXPECT_FALSE(EnglishLeft(QStringLiteral("\u27e6Print\u27e7 Cards")).isEmpty());
    EXPECT_FALSE(EnglishLeft(QStringLiteral("<p>Sides</p>")).isEmpty());
}

} // namespace
