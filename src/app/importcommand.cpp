// SPDX-License-Identifier: GPL-3.0-or-later
// The import command: a gLabels design read, placed on a card panel and saved as a card file.
#include "app/importcommand.h"

#include "app/cardfile.h"
#include "app/commandline.h"
#include "design/cardpanel.h"
#include "glabels/glabelsdocument.h"
#include "objects/glabelsimport.h"
#include "platform/headless.h"
#include "settings/companionfile.h"
#include "settings/preferences.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace qm {

bool ImportGlabelsFile(const QString& path, TKBusinessCardPanel32& panel, GlabelsImport* result, QString* error)
{
    GlabelsFormat format;
    GlabelsDocument doc;
    if (!format.Read(path, doc)) {
        *error = format.ErrorString();
        return false;
    }
    CardSheetLayout base;
    Preferences().LoadLayoutPreferences(base);
    *result = ImportGlabels(doc, QFileInfo(path).absolutePath(), base, panel);
    return true;
}

bool LooksLikeGlabelsFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return GlabelsFormat().CanRead(file.read(FileFormat::kHeadBytes));
}

int RunImportProgram(int argc, char** argv)
{
    PrepareHeadlessRun();
    QGuiApplication app(argc, argv);
    InstallTranslations();
    const QStringList args = QCoreApplication::arguments().mid(2);
    for (const QString& word : args) {
        if (word.startsWith(QLatin1String("--"))) {
            CommandLineText::Say(CommandLineText::tr("unknown option %1").arg(word));
            return 2;
        }
    }
    if (args.size() != 2) {
        //: the command line's words stay as they are: only FILE and OUT may be translated
        std::fputs(qPrintable(CommandLineText::tr("usage: quillmark import FILE.glabels OUT.qmk\n")), stderr);
        return 2;
    }
    const QString& in = args[0];
    const QString& out = args[1];
    QString error;
    if (QFileInfo(out).suffix().compare(QLatin1String("qmk"), Qt::CaseInsensitive) != 0) {
        CommandLineText::Say(CommandLineText::tr("%1: the card file's name must end in .qmk").arg(out));
        return 2;
    }
    if (!CheckOutputIsNoInput(out, {in}, &error)) {
        std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
        return 2;
    }
    TKBusinessCardPanel32 panel;
    GlabelsImport imported;
    if (!ImportGlabelsFile(in, panel, &imported, &error)) {
        std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
        return 1;
    }
    panel.Card().LayOutObjects();
    if (!panel.SaveToFile(out, &error) || !WriteCompanionFile(out, QString(), imported.layout, &error)) {
        std::fprintf(stderr, "quillmark: %s\n", qPrintable(error));
        return 1;
    }
    std::fprintf(stderr, "%s", qPrintable(imported.report.Text()));
    return 0;
}

} // namespace qm
