#include "help/THelpSetup.h"

#include "help/TChmHelpEngine.h"
#include "help/THelpKey.h"
#include "help/THelpRouter.h"
#include "help/TStoHtmlHelpViewer.h"

THelpSetup::THelpSetup()
{
    // A bare name: the viewer looks for it beside the program.
    THelpRouter::setHelpFile(QStringLiteral("budget.chm"));
    TChmHelpEngine::install();
    TStoHtmlHelpViewer::Start();
    THelpKey::install();
}

THelpSetup::~THelpSetup()
{
    THelpRouter::shutdown();
    TStoHtmlHelpViewer::Finish();
}
