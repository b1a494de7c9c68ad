#pragma once

#include "help/IWinHelpTester.h"

// Tells the help manager's WinHelp viewer to decline every request, so that each one reaches the
// viewer of compiled help files.
class TStoWinHelpTester final : public IWinHelpTester
{
public:
    bool CanShowALink(const QString& link, const QString& helpFile) override;
    bool CanShowTopic(const QString& topic, const QString& helpFile) override;
    bool CanShowContext(int context, const QString& helpFile) override;
    QStringList GetHelpStrings(const QString& link) override;
    QString GetHelpPath() override;
    QString GetDefaultHelpFile() override;
};
