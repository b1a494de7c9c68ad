#include "app/TApplication.h"
#include "app/TProgram.h"
#include "data/TPaths.h"
#include "data/TSingleInstance.h"
#include "help/THelpSetup.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TSkin.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    const QString dataFile = TPaths::dataFile();
    // One program per data file: a second start brings the first to the front and ends.
    TSingleInstance instance(dataFile);
    switch (instance.claim()) {
    case TSingleInstance::Claim::First:
        break;
    case TSingleInstance::Claim::HandedOver:
        return 0;
    case TSingleInstance::Claim::NoAnswer:
        TMessageService::ShowErrorBox(
            QCoreApplication::translate(
                "main", "Tavrin Budget is already running with the data file %1, but it does not answer.\n\n"
                        "Wait a moment and start it again. If it still does not answer, end it and start again.")
                .arg(QDir::toNativeSeparators(dataFile)));
        return 1;
    }
    TSkin::applyTo(app);
    THelpSetup help(TPaths::helpFile(), TPaths::helpCheckProgram());
    TProgram program(dataFile);
    program.start();
    program.bringToFrontOnRequest(instance);
    return app.exec();
}
