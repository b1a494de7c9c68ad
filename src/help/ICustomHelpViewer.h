#pragma once

#include <QString>
#include <QStringList>

// A help viewer as the help manager sees it: its name, the keywords it knows, its table of contents,
// the id the manager gave it, and closing its windows.
class ICustomHelpViewer
{
public:
    virtual ~ICustomHelpViewer() = default;

    virtual QString ViewerName() const = 0;
    // How many topics the viewer has for the keyword (0: none).
    virtual int HandlesKeyword(const QString& keyword) = 0;
    // The entries the user may choose from for the keyword; the caller keeps the list.
    virtual QStringList KeywordChoices(const QString& keyword) = 0;
    virtual bool HasContents() = 0;
    virtual void OpenContents() = 0;
    // Shows one of the entries given by KeywordChoices.
    virtual void OpenKeyword(const QString& choice) = 0;
    virtual void TakeViewerId(int id) = 0;
    virtual void CloseAllWindows() = 0;
    // The manager goes away: close everything and forget it.
    virtual void Detach() = 0;
};
