#include "help/THelpSetup.h"

#include "help/TChmHelpEngine.h"
#include "help/THelpKey.h"
#include "help/THelpRouter.h"
#include "help/TStoHtmlHelpViewer.h"

THelpSetup::THelpSetup(const QString& helpFile)
{
    THelpRouter::setHelpFile(helpFile);
    TChmHelpEngine::install();
    TStoHtmlHelpViewer::Start();
    THelpKey::install();
}

THelpSetup::~THelpSetup()
{
    THelpRouter::shutdown();
    TStoHtmlHelpViewer::Finish();
}
