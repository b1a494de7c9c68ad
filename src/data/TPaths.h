#pragma once

#include <QString>

// Where the program finds its files. Every other place asks here: the data file, the folder of its
// backups, the help file and the helper that vets it, the translations. Today all of them lie beside the executable
// (a portable copy, as the build makes it); the data file can be named instead (setDataFile).
class TPaths final
{
public:
    TPaths() = delete;

    // The folder of the executable.
    static QString programFolder();

    // The data file in use: the one named by setDataFile, else "Data.mdb" beside the executable.
    static QString dataFile();
    // Names the data file the program uses from now on; an empty path returns to the default.
    static void setDataFile(const QString& path);

    // The folder "backup" beside the data file in use.
    static QString backupFolder();
    // The folder "backup" beside `dataFile`.
    static QString backupFolderFor(const QString& dataFile);

    // The compiled help, "budget.chm" beside the executable.
    static QString helpFile();
    // The helper that reads a help file whole in a process of its own before the program opens it.
    static QString helpCheckProgram();
    // The program's translations (budget_<language>.qm), the folder "translations" beside the executable.
    static QString translationsFolder();
};
