#include "help/TStoWinHelpTester.h"

bool TStoWinHelpTester::CanShowALink(const QString&, const QString&)
{
    return false;
}

bool TStoWinHelpTester::CanShowTopic(const QString&, const QString&)
{
    return false;
}

bool TStoWinHelpTester::CanShowContext(int, const QString&)
{
    return false;
}

QStringList TStoWinHelpTester::GetHelpStrings(const QString& link)
{
    return {QLatin1String(": ") + link};
}

QString TStoWinHelpTester::GetHelpPath()
{
    return QString();
}

QString TStoWinHelpTester::GetDefaultHelpFile()
{
    return QString();
}
