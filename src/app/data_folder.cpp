#include "app/data_folder.h"

#include <QDir>
#include <QFileInfo>

namespace grim::app {

QStringList dataFolderCandidates(const QString& executableFolder) {
    const QDir here(executableFolder);
    QStringList folders{QDir::cleanPath(here.absolutePath()),
                        QDir::cleanPath(here.absoluteFilePath(QStringLiteral(GRIMWARD_DATA_FROM_BIN)))};
    const QString installed = QDir::cleanPath(QStringLiteral(GRIMWARD_INSTALL_DATADIR));
    if (!folders.contains(installed)) folders << installed;
    return folders;
}

QString findDataFolder(const QStringList& candidates) {
    for (const QString& folder : candidates)
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("instructions.txt"))).isFile()) return folder;
    return candidates.value(0);
}

} // namespace grim::app
