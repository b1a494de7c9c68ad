#pragma once

#include <QString>

// Where the program finds its files. Every other place asks here: the data file, the folder of its
// backups, the help file and the helper that vets it, the translations.
//
// The files the program reads (help, translations) lie in the share folder: "share/tavrin-budget"
// beside the executable's "bin" when the program is installed, else beside the executable (the
// build folder). The data file is, in this order: the one named on the command line; "Data.mdb"
// beside the executable (a portable copy, as the build makes it); the user's own file in the user's
// data folder (~/.local/share/tavrin-budget/Data.mdb), made empty on the very first start.
class TPaths final
{
public:
    TPaths() = delete;

    // Where the data file in use came from.
    enum class Source
    {
        Named,    // named on the command line
        Portable, // "Data.mdb" beside the executable
        User,     // the user's data folder
    };

    struct DataChoice
    {
        QString path;
        Source source = Source::User;
        // The user's file is missing and was never used: the program makes an empty one.
        bool create = false;
    };

    // The folder of the executable.
    static QString programFolder();
    // The folder of the files the program reads at run time (see above).
    static QString shareFolder();

    // Decides the data file as described above; `named` is the command line's file (empty: none).
    // A user's file that was used before and has gone missing is not made again: the open then
    // says it is missing.
    static DataChoice chooseDataFile(const QString& named);
    // "Data.mdb" beside the executable.
    static QString portableDataFile();
    // "Data.mdb" in the user's data folder.
    static QString userDataFile();
    // Remembers (in the user's settings) that the user's data file was made or opened.
    static void rememberUserDataFile();
    // Whether the user's data file was made or opened before.
    static bool userDataFileWasUsed();

    // The data file in use: the one named by setDataFile, else "Data.mdb" beside the executable.
    static QString dataFile();
    // Names the data file the program uses from now on; an empty path returns to the default.
    static void setDataFile(const QString& path);

    // The folder "backup" beside the data file in use.
    static QString backupFolder();
    // The folder "backup" beside `dataFile`.
    static QString backupFolderFor(const QString& dataFile);

    // The compiled help, "budget.chm" in the share folder.
    static QString helpFile();
    // The helper that reads a help file whole in a process of its own before the program opens it:
    // beside the executable, or in "libexec/tavrin-budget" when installed.
    static QString helpCheckProgram();
    // The program's translations (budget_<language>.qm), the folder "translations" in the share folder.
    static QString translationsFolder();
};
