#pragma once

#include <QString>
#include <QStringList>

// Asked by the WinHelp viewer of the help manager before it claims a request.
class IWinHelpTester
{
public:
    virtual ~IWinHelpTester() = default;

    virtual bool CanShowALink(const QString& link, const QString& helpFile) = 0;
    virtual bool CanShowTopic(const QString& topic, const QString& helpFile) = 0;
    virtual bool CanShowContext(int context, const QString& helpFile) = 0;
    virtual QStringList GetHelpStrings(const QString& link) = 0;
    virtual QString GetHelpPath() = 0;
    virtual QString GetDefaultHelpFile() = 0;
};
