#include "data/TPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString g_dataFile;

// The installed layout: bin/tavrin-budget beside share/tavrin-budget and libexec/tavrin-budget.
constexpr const char* InstalledName = "tavrin-budget";
constexpr const char* UserFileKey = "UserDataFile";

QString besideProgram(const char* name)
{
    return QDir(TPaths::programFolder()).filePath(QLatin1String(name));
}

QString installedFolder(const char* kind)
{
    return QDir::cleanPath(TPaths::programFolder() + QStringLiteral("/../") + QLatin1String(kind) + QLatin1Char('/') +
                           QLatin1String(InstalledName));
}

QSettings settings()
{
    return QSettings(QStringLiteral("Tavrin"), QStringLiteral("Budget"));
}

} // namespace

QString TPaths::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString TPaths::shareFolder()
{
    const QString installed = installedFolder("share");
    return QFileInfo(installed).isDir() ? installed : programFolder();
}

TPaths::DataChoice TPaths::chooseDataFile(const QString& named)
{
    if (!named.isEmpty())
        return {QFileInfo(named).absoluteFilePath(), Source::Named, false};
    if (const QString portable = portableDataFile(); QFileInfo::exists(portable))
        return {portable, Source::Portable, false};
    const QString user = userDataFile();
    return {user, Source::User, !QFileInfo::exists(user) && !userDataFileWasUsed()};
}

QString TPaths::portableDataFile()
{
    return besideProgram("Data.mdb");
}

QString TPaths::userDataFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(folder).filePath(QLatin1String(InstalledName) + QStringLiteral("/Data.mdb"));
}

void TPaths::rememberUserDataFile()
{
    settings().setValue(QLatin1String(UserFileKey), userDataFile());
}

bool TPaths::userDataFileWasUsed()
{
    return settings().value(QLatin1String(UserFileKey)).toString() == userDataFile();
}

QString TPaths::dataFile()
{
    return g_dataFile.isEmpty() ? portableDataFile() : g_dataFile;
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
    return QDir(shareFolder()).filePath(QStringLiteral("budget.chm"));
}

QString TPaths::helpCheckProgram()
{
    const QString beside = besideProgram("budget-helpcheck");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QDir(installedFolder("libexec")).filePath(QStringLiteral("budget-helpcheck"));
}

QString TPaths::translationsFolder()
{
    return QDir(shareFolder()).filePath(QStringLiteral("translations"));
}
