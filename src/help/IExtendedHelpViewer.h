#pragma once

#include <QString>

// A viewer that also shows topics by name and by help context number.
class IExtendedHelpViewer
{
public:
    virtual ~IExtendedHelpViewer() = default;

    virtual bool HandlesTopic(const QString& topic) = 0;
    virtual void OpenTopic(const QString& topic) = 0;
    virtual bool HandlesContext(int context, const QString& helpFile) = 0;
    virtual void OpenContext(int context, const QString& helpFile) = 0;
};
