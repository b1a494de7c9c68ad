#include "help/THelpSetup.h"

#include "help/TChmFile.h"
#include "help/TChmHelpEngine.h"
#include "help/THelpKey.h"
#include "help/THelpLanguage.h"
#include "help/THelpRouter.h"
#include "help/TStoHtmlHelpViewer.h"

THelpSetup::THelpSetup(const QString& helpFile, const QString& checkProgram)
{
    THelpRouter::setHelpFile(THelpLanguage::systemHelpFile(helpFile));
    TChmFile::setCheckProgram(checkProgram);
    TChmHelpEngine::install();
    TStoHtmlHelpViewer::Start();
    THelpKey::install();
}

THelpSetup::~THelpSetup()
{
    THelpRouter::shutdown();
    TStoHtmlHelpViewer::Finish();
}
