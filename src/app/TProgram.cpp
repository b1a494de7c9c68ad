#include "app/TProgram.h"

#include "app/TFrmMain.h"
#include "data/TDM.h"
#include "toolkit/TErrorReport.h"

TProgram::TProgram(const QString& databasePath)
    : m_dm(std::make_unique<TDM>(databasePath))
{}

// The window goes before the data module it uses.
TProgram::~TProgram()
{
    m_window.reset();
}

void TProgram::start()
{
    // When the open fails, its text is shown and the program goes on to its main window, where every
    // command that needs the database reports it again.
    TErrorReport::run(nullptr, [this] { m_dm->DataModuleCreate(); });
    m_window = std::make_unique<TFrmMain>();
    m_window->show();
}
