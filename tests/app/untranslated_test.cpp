// SPDX-License-Identifier: GPL-3.0-or-later
// Texts left out of translation: the window and every dialog shown in a pseudo-language that wraps each
// translated text in brackets, and any English words found outside them.
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
#include <QTranslator>

#include <gtest/gtest.h>

#include "quietprompts.h"

using namespace qm;

namespace {

// Every translated text comes back as ⟦text⟧.
class PseudoLanguage : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (!source || !*source)
            return QString();
        return QStringLiteral("\u27e6") + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }
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
    text.remove(QLatin1Char('&'));
    // The program's name and what the user's own data shows are not words to translate.
    text.remove(QStringLiteral("Quillmark"));
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
                for (int i = 0; i < box->count(); ++i)
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

class UntranslatedTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
        QCoreApplication::installTranslator(&pseudo);
        window = std::make_unique<TMainScreen>(&prompts);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        QCoreApplication::removeTranslator(&pseudo);
        qputenv("QUILLMARK_HOME", oldHome);
    }

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
                findings.CheckWindow(modal);
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
                findings.CheckWindow(top);
                ++read;
                top->close();
            }
        }
        return read;
    }

    QTemporaryDir home;
    QByteArray oldHome;
    PseudoLanguage pseudo;
    qmtest::QuietPrompts prompts;
    std::unique_ptr<TMainScreen> window;
    Findings findings;
};

TEST_F(UntranslatedTest, TheWindowAndEveryDialogShowNoTextLeftOutOfTranslation)
{
    findings.CheckWindow(window.get());

    // The dialogs of the menus. Those that only print, open a file or leave are not among them.
    for (QAction* action : {window->mnuNewFromTemplate, window->mnuPersonalInformation, window->mnuChangeAllFonts,
                            window->mnuBackgroundArt, window->mnuChangeLayout, window->mnuFineTuning,
                            window->mnuExportPrintShop, window->mnuPrint, window->mnuPrintMerge, window->mnuPreview,
                            window->mnuAbout, window->mnuContents, window->QuickTipsAction}) {
        EXPECT_GT(ReadDialogsOf([action] { action->trigger(); }), 0) << qPrintable(action->objectName());
    }

    // Every drawing tool's own dialog, opened as a keyboard user places the object.
    for (QAction* action : window->InsertMenu->actions()) {
        ReadDialogsOf([&] {
            action->trigger();
            QTest::keyClick(&window->PanelWidget(), Qt::Key_Return);
        });
    }

    EXPECT_EQ(findings.Found().join(QLatin1Char('\n')).toStdString(), "");
}

TEST(UntranslatedFinder, SeesEnglishOutsideTheBrackets)
{
    // The test above is only as good as this: bracketed texts pass, English beside them does not.
    EXPECT_TRUE(EnglishLeft(QStringLiteral("\u27e6Print Cards\u27e7")).isEmpty());
    EXPECT_TRUE(EnglishLeft(QStringLiteral("\u27e6Cannot open \u27e6card\u27e7: %2\u27e7 85 mm")).isEmpty());
    EXPECT_TRUE(EnglishLeft(QStringLiteral("<b>\u27e6&File\u27e7</b>")).isEmpty());
    EXPECT_FALSE(EnglishLeft(QStringLiteral("\u27e6Print\u27e7 Cards")).isEmpty());
    EXPECT_FALSE(EnglishLeft(QStringLiteral("<p>Sides</p>")).isEmpty());
}

} // namespace
