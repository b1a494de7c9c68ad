#include "data/TPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString g_dataFile;

QString besideProgram(const char* name)
{
    return QDir(TPaths::programFolder()).filePath(QLatin1String(name));
}

} // namespace

QString TPaths::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString TPaths::dataFile()
{
    return g_dataFile.isEmpty() ? besideProgram("Data.mdb") : g_dataFile;
}

void TPaths::setDataFile(const QString& path)
{
    g_dataFile = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

QString TPaths::backupFolder()
{
    return backupFolderFor(dataFile());
}

QString TPaths::backupFolderFor(const QString& dataFile)
{
    return QFileInfo(dataFile).absoluteDir().filePath(QStringLiteral("backup"));
}

QString TPaths::helpFile()
{
    return besideProgram("budget.chm");
}

QString TPaths::helpCheckProgram()
{
    return besideProgram("budget-helpcheck");
}

QString TPaths::translationsFolder()
{
    return besideProgram("translations");
}
