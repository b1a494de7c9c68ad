#include "app/TApplication.h"
#include "app/TFrmMain.h"
#include "app/TProgram.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TNewDataFile.h"
#include "data/TPaths.h"
#include "data/TSingleInstance.h"
#include "help/TChmFile.h"
#include "help/THelpSetup.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TSkin.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// --check: reports what the start found on standard output; message boxes go to standard error
// instead of waiting for a click. Ends with 0 when the data file opened and the help file reads whole.
int reportCheck(const TProgram& program, const QString& dataFile)
{
    const bool dataOpen = program.dm().isOpen();
    const QString help = TPaths::helpFile();
    const bool helpWhole = TChmFile::open(help) != nullptr;
    std::printf("data file: %s (%s)\n", qPrintable(QDir::toNativeSeparators(dataFile)),
                dataOpen ? "opened" : "not opened");
    std::printf("help file: %s (%s)\n", qPrintable(QDir::toNativeSeparators(help)), helpWhole ? "found" : "not found");
    return dataOpen && helpWhole ? 0 : 1;
}

// The program's options.
struct CommandLine
{
    QCommandLineParser parser;
    const QCommandLineOption data{QStringLiteral("data"),
                                  QCoreApplication::translate("main", "Use the given data file instead of the usual one."),
                                  QCoreApplication::translate("main", "file")};
    const QCommandLineOption check{
        QStringLiteral("check"),
        QCoreApplication::translate("main", "Open the data file and the help file, say what was found, and end.")};

    CommandLine()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Tavrin Budget keeps the accounts, cards and wallets of a household."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(data);
        parser.addOption(check);
    }

    // Whether the command line asks only for a text (the options or the version), which needs no
    // display.
    static bool asksForText(int argc, char** argv)
    {
        for (int i = 1; i < argc; ++i) {
            const QByteArray arg(argv[i]);
            if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
                arg == "--version")
                return true;
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    TApplication::setIdentity();
    if (CommandLine::asksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        CommandLine().parser.process(app);
        return 0;
    }
    TApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavrin.Budget"));
    CommandLine commandLine;
    QCommandLineParser& parser = commandLine.parser;
    const QCommandLineOption& dataOption = commandLine.data;
    const QCommandLineOption& checkOption = commandLine.check;
    parser.process(app);
    const bool check = parser.isSet(checkOption);
    if (check) {
        TMessageService::setTestMode(true);
        TMessageService::setHandler([](const TMessageService::Shown& box) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(box.title), qPrintable(box.text));
            return QMessageBox::Ok;
        });
    }

    const TPaths::DataChoice choice = TPaths::chooseDataFile(parser.value(dataOption));
    const QString dataFile = choice.path;
    TPaths::setDataFile(dataFile);
    // The very first start of an installed program: an empty file in the user's data folder.
    bool made = false;
    if (choice.create) {
        try {
            TNewDataFile::create(dataFile);
            made = true;
        } catch (const DbError& e) {
            TMessageService::ShowErrorBox(e.text());
        }
    }

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
    if (program.dm().isOpen() && choice.source == TPaths::Source::User)
        TPaths::rememberUserDataFile();
    if (made)
        program.window()->ShowDataFileMade(dataFile);
    if (check)
        return reportCheck(program, dataFile);
    return app.exec();
}
