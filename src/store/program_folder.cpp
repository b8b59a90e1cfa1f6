#include "store/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace pickora {

ProgramFolder::ProgramFolder(const QString& root)
    : root_(QDir(root).absolutePath())
{
    if (!root_.endsWith(u'/'))
        root_ += u'/';
}

ProgramFolder ProgramFolder::ofExecutable()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString desktopFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QDir(folder).exists() ? folder : QString();
}

} // namespace pickora
