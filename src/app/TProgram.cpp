#include "app/TProgram.h"

#include "app/TFrmMain.h"
#include "data/TDM.h"
#include "data/TSingleInstance.h"
#include "orders/TOrderPayments.h"
#include "toolkit/TErrorReport.h"

#include <QApplication>

TProgram::TProgram(const QString& databasePath)
    : m_dm(std::make_unique<TDM>(databasePath))
    , m_payments(std::make_unique<TOrderPayments>())
{
    TExpectedPayments::install(m_payments.get());
}

// The window goes before the data module it uses.
TProgram::~TProgram()
{
    m_window.reset();
    TExpectedPayments::install(nullptr);
}

void TProgram::start()
{
    // When the open fails, its text is shown and the program goes on to its main window, where every
    // command that needs the database reports it again.
    TErrorReport::run(nullptr, [this] { m_dm->DataModuleCreate(); });
    m_window = std::make_unique<TFrmMain>();
    m_window->show();
}

void TProgram::bringToFrontOnRequest(const TSingleInstance& instance)
{
    QObject::connect(&instance, &TSingleInstance::activationRequested, m_window.get(), [this] { bringToFront(); });
}

void TProgram::bringToFront()
{
    if (!m_window)
        return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}
