#include "app/TApplication.h"
#include "app/TFrmMain.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "help/THelpSetup.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TSkin.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TSkin::applyTo(app);
    THelpSetup help;

    // The data module opens "Data.mdb"; when that fails the engine's text is shown and the program
    // goes on to its main window, where every command that needs the database reports it again.
    TDM dm(TDM::defaultDatabasePath());
    TErrorReport::run(nullptr, [&dm] { dm.DataModuleCreate(); });

    TFrmMain window;
    window.show();
    return app.exec();
}
