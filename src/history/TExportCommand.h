#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TDBGridView;

// The export command of the booking lists: asks for a file and its type (Excel, text, HTML),
// writes every row of the grid in its current order, then offers to open the file. A file is
// written whole or not at all: it goes to a temporary file that replaces the chosen one only
// when complete, so a failure leaves no partial file and keeps an existing one.
class TExportCommand
{
public:
    // The file types of the save dialog, in this order (the first is chosen at first).
    static QStringList filters();
    static constexpr const char* DefaultName = "dayreport";

    enum class Outcome
    {
        Cancelled, // the file dialog was cancelled
        Refused,   // the list does not fit the chosen format; nothing was written
        Failed,    // the file could not be written; the system's message was shown
        Written    // the file was written and the question to open it was asked
    };

    // Runs the command for `grid` with `owner` as the owner of its dialogs.
    static Outcome run(QWidget* owner, TDBGridView* grid);

    // Appends "." and `extension` unless the name already ends in the extension's letters,
    // compared without regard to case ("report" -> "report.xls", "fooxls" stays).
    static QString withExtension(const QString& fileName, const QString& extension);
};
