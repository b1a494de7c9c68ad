#pragma once

#include <QStringList>

// Chooses among viewers when more than one could answer a request.
class IHelpSelector
{
public:
    virtual ~IHelpSelector() = default;

    // The position of the chosen entry among the keyword choices of all viewers.
    virtual int PickKeywordViewer(const QStringList& choices) = 0;
    // The position of the chosen viewer among the sorted names of the viewers with contents; -1 for none.
    virtual int PickContentsViewer(const QStringList& viewerNames) = 0;
};
