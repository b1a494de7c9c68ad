#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The system's save-file and open-file dialogs, behind a seam that tests answer.
class TFileDialogService
{
public:
    struct Choice
    {
        QString fileName;
        int filterIndex = 1; // 1-based position of the chosen file type
    };

    // Shows the save dialog with `filters` ("Excel(*.xls)", ...) and the name `defaultName`; it
    // does not ask before replacing a file. No value when the user cancels.
    static std::optional<Choice> getSaveFileName(QWidget* parent, const QString& defaultName,
                                                 const QStringList& filters);

    // Shows the open dialog for an existing file with `filters`, starting in `folder`. No value when
    // the user cancels.
    static std::optional<Choice> getOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                                 const QStringList& filters);

    // Test seam: in test mode neither dialog is shown; the next queued choice is returned (none
    // queued means cancel) and the filters offered are recorded.
    static void setTestMode(bool on);
    static void setNextChoice(const std::optional<Choice>& choice);
    static QStringList lastFilters();
    static QString lastDefaultName();
};
