// SPDX-License-Identifier: GPL-3.0-or-later
// Help: every context opens an existing page and place, every page is linked and reachable, every dialog's
// Help button opens its own page, every control explains itself, the search, and Quick Tips' settings.
#include "app/carddocument.h"
#include "app/helpsearch.h"
#include "app/helpwindow_ui.h"
#include "app/mainwindow_ui.h"
#include "app/quicktips_ui.h"
#include "settings/preferences.h"
#include "objects/objectdialogs_ui.h"
#include "objects/shapes/supershape.h"
#include "objects/text/circletext.h"
#include "objects/text/personallabel.h"
#include "objects/text/richtext.h"
#include "objects/text/supertext.h"
#include "objects/text/textlabel.h"
#include "platform/helptopics.h"
#include "platform/translations.h"
#include "print/bottomwarning_ui.h"
#include "print/previewwindow_ui.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include "objects/shapes/qrcode.h"
#include "accessnames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <typeinfo>

using namespace qm;

namespace {

QString PageText(const QString& page)
{
    QFile file(QStringLiteral(":/help/") + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool HasAnchor(const QString& html, const QString& anchor)
{
    return html.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
           html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

// ---- What's this ----

bool Skipped(const QWidget* w)
{
    // Qt's own parts (scroll bars of a scroll area, a tool bar's extension arrow); not a scroll area's view.
    return w->objectName().startsWith(QLatin1String("qt_")) &&
           w->objectName() != QLatin1String("qt_scrollarea_viewport");
}

// Controls that are whole in themselves: what lies inside them is theirs.
bool IsWholeControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// Our own painted widgets and scroll areas: controls when they hold no other control (a sample, a preview,
// the sheet of positions), containers otherwise.
// One that lets clicks through (a sample to look at) is not one.
bool IsPanel(const QWidget* w)
{
    return (qobject_cast<const QScrollArea*>(w) || std::strstr(typeid(*w).name(), "2qm")) &&
           !w->testAttribute(Qt::WA_TransparentForMouseEvents);
}

bool HoldsControls(const QWidget* w)
{
    for (const QWidget* child : w->findChildren<QWidget*>()) {
        if (child->window() == w->window() && !Skipped(child) && (IsWholeControl(child) || IsPanel(child)))
            return true;
    }
    return false;
}

QString Describe(const QWidget* w)
{
    QString text;
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
}

void Walk(const QWidget* parent, QStringList& missing)
{
    for (QObject* object : parent->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w || w->isWindow() || Skipped(w))
            continue;
        const bool control = IsWholeControl(w) || (IsPanel(w) && !HoldsControls(w));
        if (control) {
            if (w->whatsThis().trimmed().isEmpty())
                missing << Describe(w);
        } else {
            Walk(w, missing);
        }
    }
}

// The controls of a window without a "What's this?" text.
QStringList ControlsWithoutWhatsThis(const QWidget* window)
{
    QStringList missing;
    Walk(window, missing);
    return missing;
}

QAbstractButton* HelpButtonOf(QWidget* dialog)
{
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        if (b->window() == dialog && QString(b->text()).remove(QLatin1Char('&')) == QLatin1String("Help"))
            return b;
    }
    return nullptr;
}

struct TDialogSeen
{
    QString title;
    QStringList withoutWhatsThis;
    QStringList unnamed;
    bool hasHelp = false;
    bool hasWhatsThisButton = false;
    QUrl helpPage;
};

class QuietPrompts : public DocumentPrompts
{
public:
    bool Ask(const QString&, const QString&) override { return false; }
    void Inform(const QString&) override {}
    void ShowError(const QString&) override {}
    QString ChooseFile(const FileRequest&) override { return QString(); }
    bool ChooseFont(TKFont&) override { return false; }
};

class HelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
    }
    void TearDown() override { qputenv("QUILLMARK_HOME", oldHome); }

    // Runs open(), which shows a modal dialog; when it is up, its controls are looked at, its Help button
    // pressed and the page the help window then shows noted, and the dialog closed with Cancel.
    TDialogSeen Inspect(TMainScreen& window, const std::function<void()>& open, const QString& title)
    {
        TDialogSeen seen;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog && dialog->windowTitle().startsWith(title)) {
                timer.stop();
                seen.title = dialog->windowTitle();
                seen.withoutWhatsThis = ControlsWithoutWhatsThis(dialog);
                seen.unnamed = qmtest::UnnamedControls(dialog);
                seen.hasWhatsThisButton = false;
                for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
                    if (b->objectName() == QLatin1String("MouseHelpButton"))
                        seen.hasWhatsThisButton = true;
                if (QAbstractButton* help = HelpButtonOf(dialog)) {
                    seen.hasHelp = true;
                    help->click();
                    if (window.HelpWindow())
                        seen.helpPage = window.HelpWindow()->Browser()->source();
                }
                dialog->reject();
            } else if (++ticks > 500) {
                timer.stop();
                if (dialog)
                    dialog->reject();
            }
        });
        timer.start(10);
        open();
        return seen;
    }

    static QUrl Page(int context) { return QUrl(QStringLiteral("qrc:/help/") + HelpTopicTarget(context)); }

    QTemporaryDir home;
    QByteArray oldHome;
    QuietPrompts prompts;
};

} // namespace

TEST(HelpPages, EveryContextAndLinkLeadsToAPageAndPlaceThatExistAndEveryPageIsReachable)
{
    QSet<int> numbers;
    for (const HelpTopic& topic : HelpTopics()) {
        EXPECT_FALSE(numbers.contains(topic.Context)) << topic.Context;
        numbers << topic.Context;
        const QString html = PageText(QString::fromLatin1(topic.Page));
        ASSERT_FALSE(html.isEmpty()) << topic.Context << " " << topic.Page;
        if (*topic.Anchor) {
            EXPECT_TRUE(HasAnchor(html, QString::fromLatin1(topic.Anchor))) << topic.Page << "#" << topic.Anchor;
        }
        EXPECT_EQ(THelpWindow::PageForContext(topic.Context), QUrl(QStringLiteral("qrc:/help/") + HelpTopicTarget(topic.Context)));
    }

    // Every context number written in the program has a page of its own.
    const QByteArray source = qgetenv("QUILLMARK_SOURCE_DIR");
    if (!source.isEmpty()) {
        const QRegularExpression asked(
            QStringLiteral("(?:HelpContext\\s*=\\s*|HelpContext\\()(\\d+)"));
        int found = 0;
        QDirIterator files(QString::fromUtf8(source) + QStringLiteral("/src"), {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (auto it = asked.globalMatch(text); it.hasNext();) {
                const int context = it.next().captured(1).toInt();
                ++found;
                EXPECT_FALSE(HelpTopicTarget(context).isEmpty()) << context << " in " << qPrintable(file.fileName());
            }
        }
        EXPECT_GE(found, 10);
    }

    // Links between pages: each target page and place exists, and from the contents every page can be reached.
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 30);
    const QRegularExpression link(QStringLiteral("href=\"([^\":#]+\\.html)(?:#([^\"]+))?\""));
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        const QString html = PageText(page);
        EXPECT_TRUE(html.contains(QLatin1String("<title>"))) << qPrintable(page);
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            const QString target = PageText(match.captured(1));
            EXPECT_FALSE(target.isEmpty()) << qPrintable(page) << " links to " << qPrintable(match.captured(1));
            if (!match.captured(2).isEmpty()) {
                EXPECT_TRUE(HasAnchor(target, match.captured(2)))
                    << qPrintable(page) << " links to " << qPrintable(match.captured(0));
            }
            if (!target.isEmpty() && !reached.contains(match.captured(1))) {
                reached << match.captured(1);
                queue << match.captured(1);
            }
        }
    }
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << qPrintable(page) << " cannot be reached from the contents";
}

TEST(HelpPages, TheHelpWindowSearchesThePagesAndKeepsItsHistory)
{
    // All words must occur; a word finds longer words that start with it.
    std::vector<HelpHit> hits = SearchHelp(QStringLiteral("partly used"));
    ASSERT_FALSE(hits.empty());
    QStringList found;
    for (const HelpHit& hit : hits)
        found << hit.Page;
    EXPECT_TRUE(found.contains(QStringLiteral("task-partsheet.html"))) << qPrintable(found.join(' '));
    EXPECT_TRUE(SearchHelp(QStringLiteral("fine-tun nudge")).size() >= 1);
    EXPECT_TRUE(SearchHelp(QStringLiteral("partly zzyzx")).empty());
    EXPECT_TRUE(SearchHelp(QStringLiteral("  ")).empty());
    // Markup is not text: no page is found for a tag's name.
    EXPECT_TRUE(SearchHelp(QStringLiteral("href")).empty());

    THelpWindow help;
    help.ShowContext(kHelpFineTuning);
    EXPECT_EQ(help.Browser()->source(), QUrl(QStringLiteral("qrc:/help/finetuning.html")));
    help.SearchField()->setText(QStringLiteral("bottom margin warning"));
    ASSERT_FALSE(help.SearchResults().isEmpty());
    EXPECT_EQ(help.SearchResults().first(), QStringLiteral("printing.html"));
    help.ShowContext(kHelpPrintPositions);
    EXPECT_EQ(help.Browser()->source(), QUrl(QStringLiteral("qrc:/help/printing.html#positions")));
    EXPECT_TRUE(help.Browser()->toPlainText().contains(QLatin1String("Number of pages")))
        << qPrintable(help.Browser()->toPlainText());
    help.Browser()->backward();
    EXPECT_EQ(help.Browser()->source(), QUrl(QStringLiteral("qrc:/help/finetuning.html")));
    help.Browser()->forward();
    EXPECT_EQ(help.Browser()->source(), QUrl(QStringLiteral("qrc:/help/printing.html#positions")));
}

TEST(HelpPages, SearchedWordsAreMarkedOnTheirPageUntilAnotherPageOrSearchIsShown)
{
    THelpWindow help;
    auto* results = help.findChild<QListWidget*>(QStringLiteral("SearchResults"));
    ASSERT_NE(results, nullptr);
    help.SearchField()->setText(QStringLiteral("bottom margin"));
    ASSERT_GT(results->count(), 0);
    results->setCurrentRow(0);
    EXPECT_EQ(help.Browser()->source(), QUrl(QStringLiteral("qrc:/help/printing.html")));
    const int marked = help.MarkedWords();
    EXPECT_GE(marked, 2) << "both words are marked where they stand";
    const QTextCursor first = help.Browser()->extraSelections().value(0).cursor;
    EXPECT_TRUE(first.selectedText().startsWith(QStringLiteral("bottom"), Qt::CaseInsensitive) ||
                first.selectedText().startsWith(QStringLiteral("margin"), Qt::CaseInsensitive))
        << qPrintable(first.selectedText());

    // A dialog's Help button opens another page: no mark and no chosen result left over.
    help.ShowContext(kHelpFineTuning);
    EXPECT_EQ(help.MarkedWords(), 0);
    EXPECT_EQ(results->currentRow(), -1);
    EXPECT_TRUE(results->selectedItems().isEmpty());
    EXPECT_FALSE(help.Browser()->textCursor().hasSelection());

    // The same page shown again for a dialog loses its marks as well.
    results->setCurrentRow(0);
    EXPECT_EQ(help.MarkedWords(), marked);
    help.ShowPage(help.Browser()->source());
    EXPECT_EQ(help.MarkedWords(), 0);

    // A new search: the old words are no longer marked on the page still shown.
    results->setCurrentRow(0);
    ASSERT_GT(help.MarkedWords(), 0);
    help.SearchField()->setText(QStringLiteral("nudge"));
    EXPECT_EQ(help.MarkedWords(), 0);
}

TEST_F(HelpTest, EveryDialogHasHelpOpeningItsPageAndEveryControlSaysWhatItIs)
{
    TMainScreen window(&prompts);
    window.show();
    EXPECT_EQ(ControlsWithoutWhatsThis(&window).join(QStringLiteral("; ")).toStdString(), std::string());
    for (QAction* action : window.menuBar()->actions()) {
        for (QAction* item : action->menu()->actions()) {
            if (!item->isSeparator() && !item->menu()) {
                EXPECT_FALSE(item->whatsThis().isEmpty()) << qPrintable(item->text());
            }
        }
    }

    struct TCase
    {
        QString title;
        std::function<void()> open;
        int context;
        bool everyControl = true; // whether every control is looked at, or the Help button only
    };
    TKStandardDialogs dialogs(&window);
    TKPLabel label;
    TKBusinessCardLabel personal;
    TKPRichBaseLabel rich;
    TKPCircleText circle;
    TKQRCode qr;
    TKSuperText super;
    TSuperShape shape;
    TKFont font;
    QString texture;
    QStringList lines{QStringLiteral("one")};
    int code = 65;
    QByteArray graphic, bytes;
    bool stretch = false, autoSize = false;
    const std::vector<TCase> cases = {
        {"Select Template", [&] { window.mnuNewFromTemplate->trigger(); }, kHelpTemplates},
        {"Business Card Layout", [&] { window.mnuChangeLayout->trigger(); }, kHelpLayout},
        {"Select A Font", [&] { window.mnuChangeAllFonts->trigger(); }, kHelpFontForAll},
        {"Personal Information", [&] { window.mnuPersonalInformation->trigger(); }, kHelpPersonalInformation},
        {"Load Business Card Background Art", [&] { window.mnuBackgroundArt->trigger(); }, kHelpBackgroundArt},
        {"Printer Fine-Tuning", [&] { window.mnuFineTuning->trigger(); }, kHelpFineTuning},
        {"Print Cards", [&] { window.PrintButton->click(); }, kHelpPrintPositions},
        {"Preview Page", [&] { window.PreviewButton->click(); }, kHelpPreview},
        {"Print Merge", [&] { window.mnuPrintMerge->trigger(); }, kHelpPrintMerge},
        {"ALERT", [&] { TWarnBottomMargin(0.5, &window).exec(); }, kHelpBottomMargin},
        {"Text", [&] { dialogs.EditLabelText(label); }, kHelpText},
        {"Text", [&] { dialogs.EditBusinessCardLabelText(personal); }, kHelpText},
        {"Text 3D Effects", [&] { dialogs.Edit3DEffects(label); }, kHelpTextEffects},
        {"Multi-line Text Editor", [&] { dialogs.EditMultiLineText(lines, font); }, kHelpMultiLineText},
        {"Symbol Selector", [&] { dialogs.ChooseSymbol(font, code); }, kHelpSymbols},
        {"Super Shape Properties", [&] { dialogs.EditSuperShape(shape, texture); }, kHelpSuperShape},
        {"Load Image File", [&] { dialogs.LoadImageFile(graphic, bytes, stretch, autoSize); }, kHelpClipArt},
        {"SuperText Properties", [&] { dialogs.EditSuperText(super, texture); }, kHelpSuperText},
        {"Rich Text Editor", [&] { dialogs.EditRichText(rich); }, kHelpRichText},
        {"CircleText Properties", [&] { dialogs.EditCircleText(circle); }, kHelpCircleText},
        {"QR Code Properties", [&] { dialogs.EditQRCode(qr, QStringList()); }, kHelpQRCode},
    };
    for (const TCase& c : cases) {
        const TDialogSeen seen = Inspect(window, c.open, c.title);
        ASSERT_FALSE(seen.title.isEmpty()) << qPrintable(c.title) << " did not open";
        EXPECT_TRUE(seen.hasHelp) << qPrintable(seen.title);
        EXPECT_TRUE(seen.hasWhatsThisButton) << qPrintable(seen.title);
        EXPECT_EQ(seen.helpPage, Page(c.context)) << qPrintable(seen.title);
        if (c.everyControl) {
            EXPECT_EQ(seen.withoutWhatsThis.join(QStringLiteral("; ")).toStdString(), std::string()) << qPrintable(seen.title);
        }
        // Screen readers have a name to read for every control.
        EXPECT_EQ(seen.unnamed.join(QStringLiteral("; ")).toStdString(), std::string()) << qPrintable(seen.title);
    }

    // The non-modal Quick Tips window too.
    window.QuickTipsAction->trigger();
    QDialog* tips = nullptr;
    for (QDialog* d : window.findChildren<QDialog*>())
        if (d->windowTitle() == QLatin1String("Quick Tips"))
            tips = d;
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(ControlsWithoutWhatsThis(tips).join(QStringLiteral("; ")).toStdString(), std::string());
    HelpButtonOf(tips)->click();
    EXPECT_EQ(window.HelpWindow()->Browser()->source(), Page(kHelpQuickTips));
    EXPECT_EQ(ControlsWithoutWhatsThis(window.HelpWindow()).join(QStringLiteral("; ")).toStdString(), std::string());
    EXPECT_EQ(qmtest::UnnamedControls(tips).join(QStringLiteral("; ")).toStdString(), std::string());
    EXPECT_EQ(qmtest::UnnamedControls(window.HelpWindow()).join(QStringLiteral("; ")).toStdString(), std::string());
}

TEST_F(HelpTest, QuickTipsStepBothWaysAndRememberTheirSettingInThePreferences)
{
    const QString ini = home.filePath(QStringLiteral("qmk.ini"));
    const Preferences prefs(ini);
    EXPECT_TRUE(prefs.LoadTips().ShowAtStart);
    ASSERT_GE(QuickTips::TipCount(), 12);
    {
        QuickTips tips(prefs, nullptr);
        EXPECT_EQ(tips.Tip(), 0);
        EXPECT_TRUE(tips.ShowAtStartCheck()->isChecked());
        QSet<QString> texts;
        for (int i = 0; i < QuickTips::TipCount(); ++i) {
            texts << tips.TipText();
            tips.NextTip();
        }
        EXPECT_EQ(texts.size(), QuickTips::TipCount()); // no tip twice
        EXPECT_EQ(tips.Tip(), 0);                        // and round again
        tips.PreviousTip();
        EXPECT_EQ(tips.Tip(), QuickTips::TipCount() - 1);
        tips.NextTip();
        tips.NextTip();
        tips.NextTip();
        EXPECT_EQ(tips.Tip(), 2);
        tips.ShowAtStartCheck()->setChecked(false);
    }
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(written.contains(QLatin1String("[Tips]"))) << qPrintable(written);

    // Quillmark started again: no tips window, and the next opening goes on after the tip seen last.
    {
        TMainScreen window(&prompts, ini);
        window.Start();
        for (QDialog* d : window.findChildren<QDialog*>())
            EXPECT_FALSE(d->windowTitle() == QLatin1String("Quick Tips") && d->isVisible());
        QuickTips tips(Preferences(ini), nullptr);
        EXPECT_FALSE(tips.ShowAtStartCheck()->isChecked());
        EXPECT_EQ(tips.Tip(), 3);
        tips.ShowAtStartCheck()->setChecked(true);
    }
    TMainScreen window(&prompts, ini);
    window.Start();
    bool shown = false;
    for (QDialog* d : window.findChildren<QDialog*>())
        shown = shown || (d->windowTitle() == QLatin1String("Quick Tips") && d->isVisible());
    EXPECT_TRUE(shown);
}

TEST(HelpPages, EachLanguageHasEveryPageWithItsPlacesAndIsShownAndSearchedInIt)
{
    // Every page in every language, with the English page's places and links: a link that works in English
    // works in German too.
    static const QRegularExpression places(QStringLiteral("(name|href|id)=\"[^\"]*\""));
    const auto placesOf = [](const QString& resource) {
        QFile file(resource);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(resource);
        QStringList found;
        for (auto it = places.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const char* language : {"de", "fr", "es"}) {
        for (const QString& page : pages) {
            EXPECT_EQ(placesOf(QStringLiteral(":/help/%1/%2").arg(QLatin1String(language), page)),
                      placesOf(QStringLiteral(":/help/") + page))
                << language << "/" << qPrintable(page);
        }
    }

    // In German the help opens the German pages and searches them, umlauts and all.
    const QByteArray before = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "de");
    ASSERT_EQ(InstallTranslations(), "de");
    qputenv("LANGUAGE", before);
    EXPECT_EQ(THelpWindow::PageNamed(QStringLiteral("printing")), QUrl(QStringLiteral("qrc:/help/de/printing.html")));
    EXPECT_EQ(THelpWindow::ContentsPage(), QUrl(QStringLiteral("qrc:/help/de/index.html")));
    const std::vector<HelpHit> hits = SearchHelp(QStringLiteral("Größe"));
    ASSERT_FALSE(hits.empty());
    for (const HelpHit& hit : hits) {
        QFile file(QStringLiteral(":/help/de/") + hit.Page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(file.readAll()).toLower().contains(QStringLiteral("größe")))
            << qPrintable(hit.Page);
    }
    EXPECT_TRUE(SearchHelp(QStringLiteral("Visitenkarte")).size() > 5);
    RemoveTranslations();
    EXPECT_EQ(THelpWindow::PageNamed(QStringLiteral("printing")), QUrl(QStringLiteral("qrc:/help/printing.html")));
    EXPECT_TRUE(SearchHelp(QStringLiteral("Visitenkarte")).empty());
}
