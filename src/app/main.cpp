#include "app/TApplication.h"
#include "app/TProgram.h"
#include "data/TDM.h"
#include "help/THelpSetup.h"
#include "toolkit/TSkin.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TSkin::applyTo(app);
    THelpSetup help;
    TProgram program(TDM::defaultDatabasePath());
    program.start();
    return app.exec();
}
