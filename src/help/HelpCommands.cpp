#include "help/HelpCommands.h"

#include "common/Error.h"

#include <QDir>
#include <QFileInfo>

namespace tessellon {

QStringList manualFolders(const QString& programFolder) {
    return {QDir::cleanPath(programFolder + QStringLiteral("/manual")),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/doc/tessellon/manual"))};
}

void openManual(Platform& platform, const QString& programFolder) {
    const QStringList folders = manualFolders(programFolder);
    for (const QString& folder : folders) {
        const QString firstPage = folder + QStringLiteral("/index.html");
        if (QFileInfo(firstPage).isFile()) {
            if (!platform.shellOpen(firstPage))
                throw Error(QStringLiteral("Cannot open the manual %1").arg(firstPage));
            return;
        }
    }
    throw Error(QStringLiteral("The manual is not installed: it is neither in %1 nor in %2.")
                    .arg(folders[0], folders[1]));
}

} // namespace tessellon
