#include "ui/data_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace glint::ui {

QString findDataDir()
{
    const QString fromEnvironment = qEnvironmentVariable("GLINT_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/glint-galore"));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return QStringLiteral(GLINT_SOURCE_DATA_DIR);
}

} // namespace glint::ui
