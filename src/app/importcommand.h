// SPDX-License-Identifier: GPL-3.0-or-later
// The import command: a gLabels design written as a card file, with a report of what came over.
#pragma once

#include <QString>

namespace qm {

struct GlabelsImport;
class TKBusinessCardPanel32;

// Reads a gLabels document onto the panel (see ImportGlabels), starting from the default layout of qmk.ini.
// False with a one-line message when the file cannot be read as a gLabels document; the panel is then as it
// was.
bool ImportGlabelsFile(const QString& path, TKBusinessCardPanel32& panel, GlabelsImport* result, QString* error);

// True when the file's first bytes are a gLabels document's (plain or compressed).
bool LooksLikeGlabelsFile(const QString& path);

// quillmark import FILE.glabels OUT.qmk: writes the card file and its companion layout file and prints the
// report on stderr. Returns the exit status.
int RunImportProgram(int argc, char** argv);

} // namespace qm
