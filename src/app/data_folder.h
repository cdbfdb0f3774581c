// Where the program finds its help file and sounds: beside the executable (a build
// folder, or a copy run from anywhere), else in the installed data folder.
#pragma once

#include <QString>
#include <QStringList>

namespace grim::app {

// The folders to look in, in order: the executable's own folder, the data folder relative
// to it (bin/ -> share/grimward/), and the data folder of the install prefix.
QStringList dataFolderCandidates(const QString& executableFolder);

// The first candidate that holds "instructions.txt"; the first candidate when none does,
// so that the help tab reports the missing file as before.
QString findDataFolder(const QStringList& candidates);

} // namespace grim::app
