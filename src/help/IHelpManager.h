#pragma once

#include <QString>

class QWindow;

// What a registered viewer may ask of the help manager.
class IHelpManager
{
public:
    virtual ~IHelpManager() = default;

    // The window that owns help windows: the modal window when there is one, else none.
    virtual QWindow* HelpWindowOwner() const = 0;
    // The current help file, as the program set it.
    virtual QString HelpFile() const = 0;
    // Forgets the viewer with this id.
    virtual void Release(int viewerId) = 0;
};
