#pragma once

#include <QIcon>
#include <QString>

// The program's own 32 x 32 toolbar pictures, drawn rather than loaded so that nothing but the tile
// pictures has to ship beside the executable.
class TToolIcons
{
public:
    // "deposit", "debit", "transfer", "property", "acchistory", "walhistory", "help", "web", "exit",
    // "export", "query", "edit", "delete", "copy", "print"; an unknown name gives an empty icon.
    static QIcon icon(const QString& name);
};
