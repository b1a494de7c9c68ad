#include "app/TProgram.h"

#include "app/TFrmMain.h"
#include "data/DbError.h"
#include "data/TBackupRestore.h"
#include "data/TClock.h"
#include "data/TDM.h"
#include "data/TSingleInstance.h"
#include "orders/TOrderPayments.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TMessageService.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

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
    openWindow();
}

void TProgram::openWindow()
{
    m_window = std::make_unique<TFrmMain>();
    QObject::connect(m_window.get(), &TFrmMain::restoreRequested, m_window.get(), [this](const QString& backup) {
        // The restore closes the window: not from within the window's own command.
        QTimer::singleShot(0, qApp, [this, backup] { restoreBackup(backup); });
    });
    if (m_instance != nullptr)
        QObject::connect(m_instance, &TSingleInstance::activationRequested, m_window.get(), [this] { bringToFront(); });
    m_window->show();
}

void TProgram::bringToFrontOnRequest(const TSingleInstance& instance)
{
    m_instance = &instance;
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

bool TProgram::restoreBackup(const QString& backup)
{
    // A backup that may not be restored is refused while everything is still open.
    QString error;
    try {
        error = TBackupRestore::vet(backup);
    } catch (const DbError& e) {
        error = e.text();
    }
    if (!error.isEmpty()) {
        TMessageService::ShowErrorBox(error, m_window.get());
        return false;
    }

    // The window's lists read the file on connections of their own: they close with it.
    const QByteArray geometry = m_window ? m_window->saveGeometry() : QByteArray();
    m_window.reset();
    m_dm->close();
    QString kept;
    try {
        kept = TBackupRestore::restore(m_dm->databasePath(), backup, TClock::now());
    } catch (const DbError& e) {
        error = e.text();
    }
    start();
    if (!geometry.isEmpty())
        m_window->restoreGeometry(geometry);
    if (!error.isEmpty()) {
        TMessageService::ShowErrorBox(error, m_window.get());
        return false;
    }
    m_window->ShowDataNote(QCoreApplication::translate("TProgram", "Backup restored; the data as it was is kept in %1")
                               .arg(QDir::toNativeSeparators(kept)));
    return true;
}
