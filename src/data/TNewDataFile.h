#pragma once

#include <QString>

// Makes a new, empty data file with the program's tables. The file is built under a temporary name
// beside it and linked into place only when complete, so an interrupted run leaves no half-made
// file, and an existing file is never replaced (not even one that appeared meanwhile).
class TNewDataFile final
{
public:
    TNewDataFile() = delete;

    // Makes the file at `path` (and its folder, when missing). Throws DbError with the reason when
    // the file exists or cannot be made.
    static void create(const QString& path);
};
