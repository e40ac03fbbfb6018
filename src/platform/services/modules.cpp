// Where the program's own modules are.
#include "platform/services/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vexmoor::platform {

QString ModulePath(const QString& installed, const QString& built)
{
    const QString path =
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).filePath(installed);
    return QFileInfo::exists(path) ? path : built;
}

} // namespace vexmoor::platform
